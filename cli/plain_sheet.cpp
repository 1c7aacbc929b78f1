#include "plain_sheet.h"

#include <charconv>
#include <cstdio>
#include <limits>

#include "engine/calc_chart.h"
#include "engine/entry_reading.h"
#include "engine/method_input_memory.h"

namespace pecunor::cli {

namespace {

// Forms that read back the same in every locale. The ISO date order reads the
// plain request's start date as written; the negative pattern 1 is "-$1".
RegionalSettings plainRegional(const RegionalSettings& regional)
{
    RegionalSettings plain;
    plain.decimalSeparator = ".";
    plain.thousandsSeparator = "";
    plain.currencySymbol = "";
    plain.currencyPlacement = 0;
    plain.negativeCurrencyPattern = 1;
    plain.currencyDecimals = regional.currencyDecimals;
    plain.shortDateFormat = "yyyy/mm/dd";
    plain.dateSeparator = "-";
    return plain;
}

constexpr std::array<std::string_view, methodCount> methodKeys = {
    "futureValue",
    "futureValueAnnuity",
    "futureValueInvestment",
    "presentValue",
    "presentValueAnnuity",
    "presentLoanPayment",
    "straightLineDepreciation",
    "sumOfYearsDepreciation",
    "doubleDecliningDepreciation",
    "zeroCouponBonds",
    "bondYield",
    "bondPrice",
    "priceEarnings",
    "earningsPerShare",
};

constexpr std::array<std::array<std::string_view, 4>, methodCount> valueKeys = {{
    {"presentValue", "interestRate", "periodCount", ""},
    {"principal", "interestRate", "payment", "periodCount"},
    {"futureValue", "interestRate", "periodCount", ""},
    {"futureValue", "interestRate", "periodCount", ""},
    {"futureValue", "interestRate", "payment", "periodCount"},
    {"loanAmount", "interestRate", "downPayment", "periodCount"},
    {"cost", "salvageValue", "life", ""},
    {"cost", "salvageValue", "life", ""},
    {"cost", "salvageValue", "life", ""},
    {"faceValue", "interestRate", "periodCount", ""},
    {"couponRate", "price", "", ""},
    {"couponRate", "yield", "", ""},
    {"closingPrice", "earningsPerShare", "", ""},
    {"closingPrice", "priceEarningsRatio", "", ""},
}};

std::size_t methodIndex(CalcMethod method) { return static_cast<std::size_t>(indexOf(method)); }

}  // namespace

ReadEntries readEntries(const CalcRequest& request, DayNumber today, const RegionalSettings& regional)
{
    ReadEntries read;
    read.start = readStartDate(request.startDateText, regional, today).day;
    for (std::size_t i = 0; i < read.values.size(); ++i)
        read.values[i] = valueEntryAmount(request.valueTexts[i], regional);
    return read;
}

PlainSheet plainSheet(const CalcRequest& request, DayNumber today, const RegionalSettings& regional,
                      const TextCatalog& texts)
{
    const ReadEntries entries = readEntries(request, today, regional);
    CalcRequest plainRequest = request;
    plainRequest.startDateText = isoDate(entries.start);
    for (std::size_t i = 0; i < entries.values.size(); ++i)
        plainRequest.valueTexts[i] = plainDecimal(entries.values[i]);
    MethodInputMemory memory(today);
    return {entries, calcChart(plainRequest, today, plainRegional(regional), memory, texts)};
}

std::string plainDecimal(long double value)
{
    // The fixed form of the largest long double has 4,933 digits.
    std::array<char, std::numeric_limits<long double>::max_exponent10 + 64> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    return {digits.data(), result.ptr};
}

std::string isoDate(DayNumber day)
{
    const CivilDate date = civilDateOf(day);
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return {text, static_cast<std::size_t>(length)};
}

std::string_view methodKey(CalcMethod method) { return methodKeys[methodIndex(method)]; }

std::string_view periodUnitKey(PeriodUnit unit)
{
    constexpr std::array<std::string_view, periodUnitCount> keys = {"years",  "halfYears", "quarters",
                                                                    "months", "weeks",     "days"};
    return keys[static_cast<std::size_t>(indexOf(unit))];
}

std::string_view paymentTimingKey(PaymentTiming timing)
{
    return timing == PaymentTiming::StartOfPeriod ? "startOfPeriod" : "endOfPeriod";
}

std::string_view faultKey(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::Overflow: return "overflow";
    case ArithmeticFault::DivisionByZero: return "divisionByZero";
    case ArithmeticFault::InvalidOperation: return "invalidOperation";
    }
    return "invalidOperation";
}

std::string_view valueKey(CalcMethod method, int number)
{
    return valueKeys[methodIndex(method)].at(static_cast<std::size_t>(number - 1));
}

std::vector<std::string_view> columnKeys(CalcMethod method)
{
    switch (method) {
    case CalcMethod::FutureValue:
    case CalcMethod::PresentValue: return {"period", "date", "interest", "accumulatedTotal"};
    case CalcMethod::ZeroCouponBonds: return {"period", "date", "interest", "bondValue"};
    case CalcMethod::FutureValueAnnuity:
    case CalcMethod::FutureValueInvestment:
    case CalcMethod::PresentValueAnnuity: return {"period", "date", "payment", "interest", "accumulatedTotal"};
    case CalcMethod::PresentLoanPayment: return {"period", "date", "payment", "interest", "remainingTotal"};
    case CalcMethod::StraightLineDepreciation:
    case CalcMethod::SumOfYearsDepreciation:
    case CalcMethod::DoubleDecliningDepreciation: return {"period", "date", "depreciation", "bookValue"};
    default: return {};
    }
}

std::vector<std::string_view> summaryKeys(CalcMethod method)
{
    switch (method) {
    case CalcMethod::FutureValue: return {"futureValue", "totalInterest", "averageInterest", "interestRate"};
    case CalcMethod::FutureValueAnnuity:
        return {"futureValue", "totalPayments", "totalInterest", "averageInterest", "interestRate"};
    case CalcMethod::FutureValueInvestment:
    case CalcMethod::PresentLoanPayment: return {"totalPayments", "totalInterest", "averageInterest", "interestRate"};
    case CalcMethod::PresentValue:
    case CalcMethod::ZeroCouponBonds: return {"presentValue", "totalInterest", "averageInterest", "interestRate"};
    case CalcMethod::PresentValueAnnuity:
        return {"presentValue", "totalPayments", "totalInterest", "averageInterest", "interestRate"};
    case CalcMethod::StraightLineDepreciation: return {"remainingBookValue", "totalDepreciation"};
    case CalcMethod::SumOfYearsDepreciation:
    case CalcMethod::DoubleDecliningDepreciation:
        return {"remainingBookValue", "totalDepreciation", "averageDepreciation"};
    case CalcMethod::BondYield: return {"couponRate", "price", "yield"};
    case CalcMethod::BondPrice: return {"couponRate", "yield", "price"};
    case CalcMethod::PriceEarnings: return {"closingPrice", "earningsPerShare", "priceEarningsRatio"};
    case CalcMethod::EarningsPerShare: return {"closingPrice", "priceEarningsRatio", "earningsPerShare"};
    }
    return {};
}

std::string plainCaption(std::string_view caption)
{
    std::string plain;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size())
            ++at;
        plain.push_back(caption[at]);
    }
    // The summary's " : ", also with the no-break spaces of French.
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view tail : {" ", ":", "\u00A0", "\u202F"}) {
            if (plain.ends_with(tail)) {
                plain.resize(plain.size() - tail.size());
                trimmed = true;
            }
        }
    }
    return plain;
}

}  // namespace pecunor::cli
