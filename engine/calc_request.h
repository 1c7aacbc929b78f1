#pragma once

#include <array>
#include <string>

#include "calc_types.h"

namespace pecunor {

// One calculation as the user entered it: every text exactly as typed.
struct CalcRequest {
    CalcMethod method = CalcMethod::FutureValue;
    std::string startDateText;
    PeriodUnit periodUnit = PeriodUnit::Years;
    PaymentTiming paymentTiming = PaymentTiming::StartOfPeriod;
    std::array<std::string, 4> valueTexts;
    PeriodUnit interestPer = PeriodUnit::Years;
};

}  // namespace pecunor
