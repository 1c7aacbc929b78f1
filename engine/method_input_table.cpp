#include "method_input_table.h"

#include "text_catalog.h"

namespace pecunor {

namespace {

const MethodInputTable table = {{
    {"11101110", 3, true},   // Future Value
    {"11111111", 4, true},   // Future Value Annuity
    {"11111110", 3, true},   // Future Value Investment
    {"11101110", 3, true},   // Present Value
    {"11111111", 4, true},   // Present Value Annuity
    {"11101111", 4, true},   // Present Loan Payment
    {"11101110", 3, false},  // Straight-Line
    {"11101110", 3, false},  // Sum-of-Years
    {"11101110", 3, false},  // Double Declining
    {"11101110", 3, true},   // Zero Coupon Bonds
    {"10001100", 0, false},  // Bond Yield
    {"10001100", 0, false},  // Bond Price
    {"10001100", 0, false},  // Price / Earnings
    {"10001100", 0, false},  // Earnings / Share
}};

}  // namespace

const MethodInputTable& methodInputTable() { return table; }

const MethodInputRow& methodInputRow(CalcMethod m) { return table[static_cast<std::size_t>(indexOf(m))]; }

std::string valueLabel(CalcMethod m, int valueNumber, PeriodUnit unit, const TextCatalog& texts)
{
    const auto& labels = texts.valueLabels[static_cast<std::size_t>(indexOf(m))];
    return fillUnitTemplate(labels.at(static_cast<std::size_t>(valueNumber - 1)), texts, unit);
}

int valueFieldMaxLength(CalcMethod m, int valueNumber)
{
    return methodInputRow(m).countEntry == valueNumber ? countFieldLength : valueFieldLength;
}

}  // namespace pecunor
