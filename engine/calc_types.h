#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pecunor {

// Item order of the method list; the index is what the settings store keeps.
enum class CalcMethod {
    FutureValue,
    FutureValueAnnuity,
    FutureValueInvestment,
    PresentValue,
    PresentValueAnnuity,
    PresentLoanPayment,
    StraightLineDepreciation,
    SumOfYearsDepreciation,
    DoubleDecliningDepreciation,
    ZeroCouponBonds,
    BondYield,
    BondPrice,
    PriceEarnings,
    EarningsPerShare,
};
inline constexpr int methodCount = 14;

enum class PeriodUnit { Years, HalfYears, Quarters, Months, Weeks, Days };
inline constexpr int periodUnitCount = 6;

enum class PaymentTiming { StartOfPeriod, EndOfPeriod };
inline constexpr int paymentTimingCount = 2;

// Checked conversions from stored or typed indexes; nullopt when out of range.
std::optional<CalcMethod> methodFromIndex(long long index);
std::optional<PeriodUnit> periodUnitFromIndex(long long index);
std::optional<PaymentTiming> paymentTimingFromIndex(long long index);

constexpr int indexOf(CalcMethod m) { return static_cast<int>(m); }
constexpr int indexOf(PeriodUnit u) { return static_cast<int>(u); }
constexpr int indexOf(PaymentTiming t) { return static_cast<int>(t); }

constexpr bool isRatioMethod(CalcMethod m) { return indexOf(m) >= indexOf(CalcMethod::BondYield); }

std::string_view methodListText(CalcMethod m);

enum class StepKind { Days, Months, Years };
struct DateStep {
    int count;
    StepKind kind;
};

struct PeriodUnitInfo {
    std::string_view listText;        // "Months": the unit text
    std::string_view interestPerText; // "/ Month"
    float daysPerPeriod;              // only converts interest rates
    DateStep step;                    // calendar step of one row
};
const PeriodUnitInfo& periodUnitInfo(PeriodUnit u);

// The unit word is the list text without its last character ("Months" -> "Month").
std::string unitWord(PeriodUnit u);

std::string_view paymentTimingText(PaymentTiming t);

}  // namespace pecunor
