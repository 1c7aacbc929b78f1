#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/number_format.h"
#include "engine/power.h"
#include "engine/text_utils.h"
#include "engine_test_support.h"

namespace pecunor::test {
namespace {

TEST(KeepChars, KeepsAllowedCharactersInOrder)
{
    EXPECT_EQ(keepChars("-1,234.50", "0123456789."), "1234.50");
    EXPECT_EQ(keepChars("P&ayments Due at", " ABCDEFGHIJKLMNOPQRSTUVWXYZ/"), "Payments Due at");
    EXPECT_EQ(keepChars("% Interest/Month", " ABCDEFGHIJKLMNOPQRSTUVWXYZ/"), " Interest/Month");
    EXPECT_EQ(keepChars("", "0123"), "");
    EXPECT_EQ(keepChars("abc", ""), "");
}

TEST(KeepChars, TreatsMultiByteSeparatorsAsOneCharacter)
{
    const std::string narrowBlank = "\u202f";
    EXPECT_EQ(keepChars("1\u202f234,5", "0123456789,"), "1234,5");
    EXPECT_EQ(keepChars("1\u202f234", "0123456789" + narrowBlank), "1\u202f234");
    // A lone byte of the separator's sequence is not the separator.
    EXPECT_EQ(keepChars("1\xe2"
                        "2",
                        "0123456789" + narrowBlank),
              "12");
}

TEST(ExtractField, ReadsFieldsBetweenDelimiters)
{
    const std::string list = "|a|bb||c|";
    EXPECT_EQ(extractField(list, 1, '|'), "a");
    EXPECT_EQ(extractField(list, 2, '|'), "bb");
    EXPECT_EQ(extractField(list, 3, '|'), "");
    EXPECT_EQ(extractField(list, 4, '|'), "c");
    EXPECT_EQ(extractField(list, 5, '|'), "");
    EXPECT_EQ(extractField("a|b|c", 1, '|'), "b");  // without a leading bar, items shift
    EXPECT_EQ(extractField("|a", 1, '|'), "");
    EXPECT_EQ(extractField("|a|", 0, '|'), "");
}

TEST(PadLeft, CountsCharactersNotBytes)
{
    EXPECT_EQ(padLeft("1,00 €", 8), "  1,00 €");
    EXPECT_EQ(padLeft("long text", 4), "long text");
    EXPECT_EQ(characterCount("\xff\xfe"), 2u);
    EXPECT_EQ(firstCharacters("€€€", 2), "€€");
}

TEST(Choosing, PicksAndBounds)
{
    EXPECT_EQ(pickInt(true, 1, 2), 1);
    EXPECT_EQ(pickText(false, "a", "b"), "b");
    EXPECT_EQ(minInt(-3, 2), -3);
    EXPECT_EQ(maxInt(-3, 2), 2);
}

struct AmountCase {
    const char* text;
    long double expected;
};

TEST(TextToAmount, RepairsWhatItCan)
{
    const RegionalSettings us = usRegional();
    for (const AmountCase& c :
         {AmountCase{".5", 0.5L}, AmountCase{"5.", 5.0L}, AmountCase{"1.2.3", 0.0L}, AmountCase{"", 0.0L},
          AmountCase{"12", 12.0L}, AmountCase{"0012.250", 12.25L}, AmountCase{"abc", 0.0L}})
        EXPECT_EQ(textToAmount(c.text, false, us), c.expected) << c.text;
    EXPECT_THROW(textToAmount("1.2.3", true, us), std::runtime_error);
    try {
        textToAmount("x", true, us);
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point value");
    }
}

TEST(TextToAmount, UsesTheRegionalSeparator)
{
    RegionalSettings german = usRegional();
    german.decimalSeparator = ",";
    EXPECT_EQ(textToAmount("2,5", false, german), 2.5L);
    EXPECT_EQ(textToAmount("2.5", false, german), 0.0L);
    EXPECT_EQ(textToAmountOr("44000,5", -1, german), 44000.5L);
}

TEST(TextToAmountOr, FallsBackWithoutRepair)
{
    const RegionalSettings us = usRegional();
    EXPECT_EQ(textToAmountOr("46000", -1, us), 46000.0L);
    EXPECT_EQ(textToAmountOr(" -2.5e3 ", -1, us), -2500.0L);
    EXPECT_EQ(textToAmountOr("12x", -1, us), -1.0L);
    EXPECT_EQ(textToAmountOr("", -1, us), -1.0L);
    EXPECT_EQ(textToAmountOr("1e5000", -1, us), -1.0L);  // beyond the range
    EXPECT_EQ(textToAmountOr("1e-5000", -1, us), 0.0L);  // too small to tell from zero
    EXPECT_EQ(textToAmountOr(std::string(5000, '9'), -1, us), -1.0L);
}

TEST(PowerOrZero, GivesZeroBeyondTheRange)
{
    EXPECT_NEAR(static_cast<double>(powerOrZero(false, 1.1L, 3)), 1.331, 1e-12);
    EXPECT_NEAR(static_cast<double>(powerOrZero(false, 4.0L, 0.5L)), 2.0, 1e-15);
    EXPECT_EQ(powerOrZero(false, 1.0L, 9999), 1.0L);
    EXPECT_EQ(powerOrZero(false, 11.0L, 9000), 0.0L);
    EXPECT_EQ(powerOrZero(false, 11.0L, -9000), 0.0L);
    EXPECT_THROW(powerOrZero(true, 11.0L, 9000), std::runtime_error);
}

struct MoneyCase {
    const char* name;
    int placement;
    int negativePattern;
    long double value;
    std::string expected;
};

class MoneyFormat : public ::testing::TestWithParam<MoneyCase> { };

TEST_P(MoneyFormat, PlacesSymbolAndSign)
{
    RegionalSettings regional = usRegional();
    regional.currencyPlacement = GetParam().placement;
    regional.negativeCurrencyPattern = GetParam().negativePattern;
    EXPECT_EQ(formatMoney(GetParam().value, regional), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MoneyFormat,
    ::testing::Values(MoneyCase{"Before", 0, 0, 1234.5L, "$1,234.50"}, MoneyCase{"After", 1, 0, 1234.5L, "1,234.50$"},
                      MoneyCase{"BeforeBlank", 2, 0, 1234.5L, "$ 1,234.50"},
                      MoneyCase{"AfterBlank", 3, 0, 1234.5L, "1,234.50 $"}, MoneyCase{"Neg0", 0, 0, -1.1L, "($1.10)"},
                      MoneyCase{"Neg1", 0, 1, -1.1L, "-$1.10"}, MoneyCase{"Neg2", 0, 2, -1.1L, "$-1.10"},
                      MoneyCase{"Neg3", 0, 3, -1.1L, "$1.10-"}, MoneyCase{"Neg4", 0, 4, -1.1L, "(1.10$)"},
                      MoneyCase{"Neg5", 0, 5, -1.1L, "-1.10$"}, MoneyCase{"Neg6", 0, 6, -1.1L, "1.10-$"},
                      MoneyCase{"Neg7", 0, 7, -1.1L, "1.10$-"}, MoneyCase{"Neg8", 0, 8, -1.1L, "-1.10 $"},
                      MoneyCase{"Neg9", 0, 9, -1.1L, "-$ 1.10"}, MoneyCase{"Neg10", 0, 10, -1.1L, "1.10 $-"},
                      MoneyCase{"Neg11", 0, 11, -1.1L, "$ 1.10-"}, MoneyCase{"Neg12", 0, 12, -1.1L, "$ -1.10"},
                      MoneyCase{"Neg13", 0, 13, -1.1L, "1.10- $"}, MoneyCase{"Neg14", 0, 14, -1.1L, "($ 1.10)"},
                      MoneyCase{"Neg15", 0, 15, -1.1L, "(1.10 $)"},
                      MoneyCase{"PatternOutOfRange", 0, 99, -1.1L, "($1.10)"},
                      MoneyCase{"NegativeRoundsToZero", 0, 0, -0.004L, "$0.00"},
                      MoneyCase{"HalfAwayFromZero", 0, 1, 0.125L, "$0.13"},
                      MoneyCase{"NegativeHalfAwayFromZero", 0, 1, -0.125L, "-$0.13"},
                      MoneyCase{"DecimalHalfOfTypedValue", 0, 1, 1.005L, "$1.01"},
                      MoneyCase{"Millions", 0, 1, 1234567.891L, "$1,234,567.89"},
                      MoneyCase{"CarryIntoNewGroup", 0, 1, 999999.999L, "$1,000,000.00"},
                      MoneyCase{"ExponentForm", 0, 1, 1.5e21L, "$1.5E+21"},
                      MoneyCase{"NegativeExponentForm", 0, 1, -2.25e300L, "-$2.25E+300"},
                      MoneyCase{"ExponentFormJustAboveTheThreshold", 0, 1, 1e18L, "$1E+18"},
                      MoneyCase{"FifteenSignificantDigits", 0, 1, 1.23456789012345678e25L, "$1.23456789012346E+25"},
                      MoneyCase{"RoundsIntoTheNextExponent", 0, 1, 9.9999999999999999e20L, "$1E+21"},
                      MoneyCase{"NearTheTopOfTheRange", 0, 1, 1.5e4931L, "$1.5E+4931"},
                      MoneyCase{"LargeWholeAmountKeepsItsLastDigit", 0, 1, 5e15L, "$5,000,000,000,000,000.00"},
                      MoneyCase{"LargeAmountRoundsToNearest", 0, 1, 4e16L + 0.125L, "$40,000,000,000,000,000.13"},
                      MoneyCase{"TwentyDigitsTakeTheExponentForm", 0, 1, 5e17L, "$5E+17"}),
    [](const auto& info) { return info.param.name; });

struct NearHalfCase {
    const char* name;
    long double value;
    std::string number;  // as the number format shows it; money puts "$" after any minus
};

class RoundingNearHalves : public ::testing::TestWithParam<NearHalfCase> { };

// However large, an amount in fixed form rounds to its nearest cent; only an
// exact half, or what a typed half reads as, goes away from zero.
TEST_P(RoundingNearHalves, GivesTheNearestCent)
{
    const RegionalSettings us = usRegional();
    const std::string& number = GetParam().number;
    const std::string money = number.starts_with('-') ? "-$" + number.substr(1) : "$" + number;
    EXPECT_EQ(formatNumber(GetParam().value, us), number);
    EXPECT_EQ(formatMoney(GetParam().value, us), money);
}

INSTANTIATE_TEST_SUITE_P(
    LargeAmounts, RoundingNearHalves,
    ::testing::Values(
        NearHalfCase{"PriceEarningsAmount", 828527040502215.6643L, "828,527,040,502,215.66"},
        NearHalfCase{"PriceEarningsQuotient", 35543810037545052.0L / 42.9L, "828,527,040,502,215.66"},
        NearHalfCase{"TenTrillionJustBelowAHalf", 10000000000000.004999L, "10,000,000,000,000.00"},
        NearHalfCase{"TenTrillionJustAboveAHalf", 10000000000000.005001L, "10,000,000,000,000.01"},
        NearHalfCase{"TenTrillionExactHalf", 10000000000000.125L, "10,000,000,000,000.13"},
        NearHalfCase{"HundredTrillionBelowAHalf", 100000000000000.0049L, "100,000,000,000,000.00"},
        NearHalfCase{"HundredTrillionAboveAHalf", 100000000000000.0051L, "100,000,000,000,000.01"},
        // Read as ...000.0049972534..., the nearest long double to the half.
        NearHalfCase{"HundredTrillionTypedHalf", 100000000000000.005L, "100,000,000,000,000.01"},
        NearHalfCase{"QuadrillionBelowAHalf", 1000000000000000.0049L, "1,000,000,000,000,000.00"},
        NearHalfCase{"QuadrillionAboveAHalf", 1000000000000000.0051L, "1,000,000,000,000,000.01"},
        NearHalfCase{"QuadrillionExactHalf", 1000000000000000.375L, "1,000,000,000,000,000.38"},
        NearHalfCase{"TenQuadrillionBelowAHalf", 10000000000000000.0039L, "10,000,000,000,000,000.00"},
        NearHalfCase{"TenQuadrillionAboveAHalf", 10000000000000000.0059L, "10,000,000,000,000,000.01"},
        NearHalfCase{"TenQuadrillionExactHalf", 10000000000000000.125L, "10,000,000,000,000,000.13"},
        // One ulp (1/128) either side of ...000.125.
        NearHalfCase{"HundredQuadrillionBelowAHalf", 100000000000000000.1171875L, "100,000,000,000,000,000.12"},
        NearHalfCase{"HundredQuadrillionAboveAHalf", 100000000000000000.1328125L, "100,000,000,000,000,000.13"},
        NearHalfCase{"HundredQuadrillionExactHalf", 100000000000000000.125L, "100,000,000,000,000,000.13"},
        NearHalfCase{"NegativeHundredQuadrillionExactHalf", -100000000000000000.625L, "-100,000,000,000,000,000.63"}),
    [](const auto& info) { return info.param.name; });

TEST(MoneyFormat, CurrencyDecimalsAndSeparators)
{
    RegionalSettings yen = usRegional();
    yen.currencySymbol = "¥";
    yen.currencyDecimals = 0;
    EXPECT_EQ(formatMoney(1234.5L, yen), "¥1,235");
    EXPECT_EQ(formatMoney(6e17L, yen), "¥600,000,000,000,000,000");
    RegionalSettings euro = usRegional();
    euro.currencySymbol = "€";
    euro.decimalSeparator = ",";
    euro.thousandsSeparator = ".";
    euro.currencyPlacement = 3;
    euro.negativeCurrencyPattern = 8;
    EXPECT_EQ(formatMoney(-1234567.5L, euro), "-1.234.567,50 €");
    RegionalSettings swiss = euro;
    swiss.thousandsSeparator = "\u202f";
    EXPECT_EQ(formatMoney(1234567.5L, swiss), "1\u202f234\u202f567,50 €");
    RegionalSettings none = usRegional();
    none.currencySymbol.clear();
    none.negativeCurrencyPattern = 0;
    EXPECT_EQ(formatMoney(-5, none), "(5.00)");
}

TEST(NumberFormat, TwoDecimalsWithLeadingMinus)
{
    RegionalSettings regional = usRegional();
    EXPECT_EQ(formatNumber(0.98630137L, regional), "0.99");
    EXPECT_EQ(formatNumber(-1234.567L, regional), "-1,234.57");
    EXPECT_EQ(formatNumber(-0.001L, regional), "0.00");
    EXPECT_EQ(formatValues("%m|%n%%|%%", {2.5L, 10}, regional), "$2.50|10.00%|%");
}

}  // namespace
}  // namespace pecunor::test
