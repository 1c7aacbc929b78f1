#include "calc_types.h"

namespace pecunor {

namespace {

constexpr std::array<std::string_view, methodCount> methodTexts = {
    "Future Value",
    "Future Value Annuity",
    "Future Value Investment",
    "Present Value",
    "Present Value Annuity",
    "Present Loan Payment",
    "Straight-Line Deprec.",
    "Sum-of-Years Deprec.",
    "Dbl. Decl. Bal. Deprec.",
    "Zero Coupon Bonds",
    "Bond Yield",
    "Bond Price",
    "Price / Earnings (Stocks)",
    "Earnings / Share (Stocks)",
};

const std::array<PeriodUnitInfo, periodUnitCount> unitTable = {{
    {"Years", "/ Year", 365.0f, {1, StepKind::Years}},
    {"Half-Years", "/ Half-Year", 182.5f, {6, StepKind::Months}},
    {"Quarters", "/ Quarter", 90.0f, {3, StepKind::Months}},
    {"Months", "/ Month", 30.0f, {1, StepKind::Months}},
    {"Weeks", "/ Week", 7.0f, {7, StepKind::Days}},
    {"Days", "/ Day", 1.0f, {1, StepKind::Days}},
}};

template <typename Enum>
std::optional<Enum> enumFromIndex(long long index, int count)
{
    if (index < 0 || index >= count)
        return std::nullopt;
    return static_cast<Enum>(index);
}

}  // namespace

std::optional<CalcMethod> methodFromIndex(long long index)
{
    return enumFromIndex<CalcMethod>(index, methodCount);
}

std::optional<PeriodUnit> periodUnitFromIndex(long long index)
{
    return enumFromIndex<PeriodUnit>(index, periodUnitCount);
}

std::optional<PaymentTiming> paymentTimingFromIndex(long long index)
{
    return enumFromIndex<PaymentTiming>(index, paymentTimingCount);
}

std::string_view methodListText(CalcMethod m)
{
    return methodTexts[static_cast<std::size_t>(indexOf(m))];
}

const PeriodUnitInfo& periodUnitInfo(PeriodUnit u)
{
    return unitTable[static_cast<std::size_t>(indexOf(u))];
}

std::string unitWord(PeriodUnit u)
{
    std::string_view text = periodUnitInfo(u).listText;
    return std::string(text.substr(0, text.size() - 1));
}

std::string_view paymentTimingText(PaymentTiming t)
{
    return t == PaymentTiming::StartOfPeriod ? "Start of Period" : "End of Period";
}

}  // namespace pecunor
