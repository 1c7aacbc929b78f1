#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc_request.h"
#include "calc_types.h"
#include "dates.h"

namespace pecunor {

// The inputs last used with one method. Indexes are kept as stored, so the
// window bounds them when it restores them.
struct MethodInput {
    DayNumber startDate = 0;
    std::int32_t periodUnit = 0;
    std::int32_t paymentTiming = 0;
    std::array<std::string, 4> valueTexts;
    std::uint8_t interestPer = 0;

    friend bool operator==(const MethodInput&, const MethodInput&) = default;
};

// One slot per method, so that each method keeps its own inputs.
class MethodInputMemory {
public:
    explicit MethodInputMemory(DayNumber today);

    const MethodInput& slot(CalcMethod m) const { return slots_[static_cast<std::size_t>(indexOf(m))]; }
    MethodInput& slot(CalcMethod m) { return slots_[static_cast<std::size_t>(indexOf(m))]; }

    // Keeps the request in its method's slot, with the start date as read.
    void remember(const CalcRequest& request, DayNumber startDate);

private:
    std::array<MethodInput, methodCount> slots_;
};

}  // namespace pecunor
