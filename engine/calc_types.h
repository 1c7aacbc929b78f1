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

// The texts of one language (text_catalog.h); every text function below
// defaults to English.
struct TextCatalog;
const TextCatalog& englishCatalog();

std::string_view methodListText(CalcMethod m, const TextCatalog& texts = englishCatalog());

enum class StepKind { Days, Months, Years };
struct DateStep {
    int count;
    StepKind kind;
};

struct PeriodUnitInfo {
    float daysPerPeriod;  // only converts interest rates
    DateStep step;        // calendar step of one row
};
const PeriodUnitInfo& periodUnitInfo(PeriodUnit u);

// "Months", the unit text, and "/ Month", the unit of an interest rate.
std::string_view periodUnitText(PeriodUnit u, const TextCatalog& texts = englishCatalog());
std::string_view interestPerText(PeriodUnit u, const TextCatalog& texts = englishCatalog());

std::string_view paymentTimingText(PaymentTiming t, const TextCatalog& texts = englishCatalog());

}  // namespace pecunor
