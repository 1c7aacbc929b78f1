#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc_types.h"

namespace pecunor {

// The eight input rows of the panel, in their fixed order.
enum class InputRow { Method, StartDate, PeriodsAre, PaymentsDue, Value1, Value2, Value3, Value4 };
inline constexpr int inputRowCount = 8;

// How each method uses the input panel.
struct MethodInputRow {
    std::string_view mask;    // "1" shown / "0" hidden per input row
    int countEntry;           // 3 or 4: the value whose whole part is the period count; 0: none
    bool interestPerOffered;  // the rate in value 2 has its own unit and is converted

    bool shows(InputRow row) const { return mask[static_cast<std::size_t>(row)] == '1'; }
};

// One row per method, in method order.
using MethodInputTable = std::array<MethodInputRow, methodCount>;
const MethodInputTable& methodInputTable();
const MethodInputRow& methodInputRow(CalcMethod m);

// Caption of lblValue1..4 for the method and period unit (empty when unused).
std::string valueLabel(CalcMethod m, int valueNumber, PeriodUnit unit, const TextCatalog& texts = englishCatalog());

// Longest text each value field accepts.
inline constexpr int countFieldLength = 4;
inline constexpr int valueFieldLength = 17;
int valueFieldMaxLength(CalcMethod m, int valueNumber);

}  // namespace pecunor
