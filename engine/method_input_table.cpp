#include "method_input_table.h"

namespace pecunor {

namespace {

const MethodInputTable table = {{
    {"11101110", {"Present Value", "% Interest", "Number of {P}", ""}, 3, true},
    {"11111111", {"Principal", "% Interest", "Payment/{U}", "Number of {P}"}, 4, true},
    {"11111110", {"Future Value", "% Interest", "Number of {P}", ""}, 3, true},
    {"11101110", {"Future Value", "% Interest", "Number of {P}", ""}, 3, true},
    {"11111111", {"Future Value", "% Interest", "Payment/{U}", "Number of {P}"}, 4, true},
    {"11101111", {"Loan Amount", "% Interest", "Down Payment", "Number of {P}"}, 4, true},
    {"11101110", {"Cost", "Salvage Value", "Life in {P}", ""}, 3, false},
    {"11101110", {"Cost", "Salvage Value", "Life in {P}", ""}, 3, false},
    {"11101110", {"Cost", "Salvage Value", "Life in {P}", ""}, 3, false},
    {"11101110", {"Face Value", "% Interest/{U}", "Number of {P}", ""}, 3, true},
    {"10001100", {"Coupon Rate", "Price", "", ""}, 0, false},
    {"10001100", {"Coupon Rate", "Yield", "", ""}, 0, false},
    {"10001100", {"Closing Price", "Earnings per Share", "", ""}, 0, false},
    {"10001100", {"Closing Price", "Price/Earnings Ratio", "", ""}, 0, false},
}};

void replaceAll(std::string& text, std::string_view token, std::string_view by)
{
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size()))
        text.replace(at, token.size(), by);
}

}  // namespace

const MethodInputTable& methodInputTable() { return table; }

const MethodInputRow& methodInputRow(CalcMethod m)
{
    return table[static_cast<std::size_t>(indexOf(m))];
}

std::string valueLabel(CalcMethod m, int valueNumber, PeriodUnit unit)
{
    std::string label(methodInputRow(m).labelPatterns.at(static_cast<std::size_t>(valueNumber - 1)));
    replaceAll(label, "{P}", periodUnitInfo(unit).listText);
    replaceAll(label, "{U}", unitWord(unit));
    return label;
}

int valueFieldMaxLength(CalcMethod m, int valueNumber)
{
    return methodInputRow(m).countEntry == valueNumber ? countFieldLength : valueFieldLength;
}

}  // namespace pecunor
