#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace pecunor::test {
namespace {

struct CleaningCase {
    const char* name;
    std::string entry;
    std::string firstTotal;  // the first accumulated total at 10 %
};

class EntryCleaning : public ::testing::TestWithParam<CleaningCase> { };

TEST_P(EntryCleaning, KeepsOnlyDigitsAndTheDecimalSeparator)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {GetParam().entry, "10", "1"}});
    ASSERT_TRUE(sheet.valid());
    EXPECT_EQ(column(sheet, 3).front(), GetParam().firstTotal);
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryCleaning,
                         ::testing::Values(CleaningCase{"MinusDropped", "-5", "5.50"},
                                           CleaningCase{"ThousandsDropped", "1,000.50", "1,100.55"},
                                           CleaningCase{"LettersDropped", "12abc", "13.20"},
                                           CleaningCase{"PercentDropped", "10%", "11.00"},
                                           CleaningCase{"LeadingSeparator", ".5", "0.55"},
                                           CleaningCase{"TrailingSeparator", "5.", "5.50"},
                                           CleaningCase{"CurrencyAndBlanks", " $ 2 000 ", "2,200.00"}),
                         [](const auto& info) { return info.param.name; });

TEST(EntryCleaning, TwoSeparatorsReadAsZero)
{
    EXPECT_FALSE(calculate({CalcMethod::FutureValue, {"1.2.3", "10", "1"}}).valid());
}

TEST(EntryCleaning, CommaDecimalSeparatorReadsGermanEntries)
{
    RegionalSettings german = plainRegional();
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    german.shortDateFormat = "dd.MM.yy";
    german.dateSeparator = ".";
    Inputs in{CalcMethod::FutureValue, {"1.000,50", "10", "1"}};
    in.start = "15.01.2026";
    const ResultSheet sheet = calculate(in, german);
    EXPECT_EQ(column(sheet, 3).front(), "1.100,55");
    EXPECT_EQ(column(sheet, 1).front(), "15.01.2027");
}

TEST(PeriodCount, TakesTheWholePartOfTheCountEntry)
{
    EXPECT_EQ(calculate({CalcMethod::FutureValue, {"1000", "10", "12.7"}}).rowCount(), 13);
    EXPECT_FALSE(calculate({CalcMethod::FutureValue, {"1000", "10", "0.5"}}).valid());
    EXPECT_EQ(calculate({CalcMethod::FutureValue, {"1000", "10", "9999"}}).rowCount(), 10000);
}

TEST(PeriodCount, MoreThanTheFieldHoldsIsIncorrectInput)
{
    EXPECT_FALSE(calculate({CalcMethod::FutureValue, {"1000", "10", "10000"}}).valid());
    EXPECT_FALSE(calculate({CalcMethod::FutureValue, {"1000", "10", std::string(400, '9')}}).valid());
}

TEST(PeriodCount, LargestTablesHaveTheirExtraRows)
{
    EXPECT_EQ(calculate({CalcMethod::PresentValue, {"1000", "10", "9999"}}).rowCount(), 10001);
    EXPECT_EQ(
        calculate(
            {CalcMethod::FutureValueInvestment, {"1000", "1", "9999"}, PeriodUnit::Days, PaymentTiming::StartOfPeriod})
            .rowCount(),
        10001);
}

TEST(InterestConversion, FollowsTheDaysOfBothUnits)
{
    struct Case {
        PeriodUnit unit;
        PeriodUnit per;
        const char* rate;
    };
    for (const Case& c :
         {Case{PeriodUnit::HalfYears, PeriodUnit::Years, "6.00%"},
          Case{PeriodUnit::Quarters, PeriodUnit::Years, "2.96%"}, Case{PeriodUnit::Weeks, PeriodUnit::Years, "0.23%"},
          Case{PeriodUnit::Years, PeriodUnit::Months, "146.00%"}, Case{PeriodUnit::Days, PeriodUnit::Days, "12.00%"}}) {
        Inputs in{CalcMethod::FutureValue, {"1000", "12", "1"}, c.unit};
        in.interestPer = c.per;
        const std::string values = calculate(in).summaryValues();
        EXPECT_EQ(values.substr(values.rfind('\n') + 1), c.rate);
    }
}

TEST(InterestConversion, DepreciationKeepsTheSalvageValueAsTyped)
{
    Inputs in = {CalcMethod::StraightLineDepreciation, {"1000", "100", "3"}, PeriodUnit::Months};
    in.interestPer = PeriodUnit::Days;
    EXPECT_EQ(calculate(in).summaryValues(), "100.00\n900.00");
}

TEST(RowDates, MonthEndsFollowTheStartDay)
{
    Inputs in{CalcMethod::FutureValue, {"1000", "1", "4"}, PeriodUnit::Months};
    in.start = "1/31/2024";
    EXPECT_EQ(column(calculate(in), 1), (Texts{"2/29/2024", "3/31/2024", "4/30/2024", "5/31/2024"}));
    in.start = "1/31/2023";
    EXPECT_EQ(column(calculate(in), 1).front(), "2/28/2023");
}

TEST(RowDates, WeeksAndHalfYearsStepFromTheStart)
{
    Inputs in{CalcMethod::FutureValue, {"1000", "1", "2"}, PeriodUnit::Weeks};
    in.start = "12/28/2026";
    EXPECT_EQ(column(calculate(in), 1), (Texts{"1/4/2027", "1/11/2027"}));
    in.unit = PeriodUnit::HalfYears;
    in.start = "8/31/2026";
    EXPECT_EQ(column(calculate(in), 1), (Texts{"2/28/2027", "8/31/2027"}));
}

TEST(RowDates, UnreadableStartMeansTodayAndIsRemembered)
{
    const DayNumber today = date(2026, 12, 7);
    MethodInputMemory memory(date(2000, 1, 1));
    Inputs in{CalcMethod::PresentValue, {"1000", "5", "1"}};
    in.start = "31/1/99";
    const ResultSheet sheet = calcChart(requestOf(in), today, plainRegional(), memory);
    EXPECT_EQ(column(sheet, 1).front(), "12/7/2026");
    EXPECT_EQ(memory.slot(CalcMethod::PresentValue).startDate, today);
}

TEST(Memory, KeepsTheRequestInItsMethodsSlotOnly)
{
    const DayNumber today = date(2026, 12, 7);
    MethodInputMemory memory(today);
    Inputs in{CalcMethod::PresentLoanPayment,
              {"-1,000", "7", "x", "12"},
              PeriodUnit::Months,
              PaymentTiming::EndOfPeriod,
              PeriodUnit::Quarters};
    in.start = "3/1/27";
    calcChart(requestOf(in), today, plainRegional(), memory);
    const MethodInput& kept = memory.slot(CalcMethod::PresentLoanPayment);
    EXPECT_EQ(kept.startDate, date(2027, 3, 1));
    EXPECT_EQ(kept.periodUnit, indexOf(PeriodUnit::Months));
    EXPECT_EQ(kept.paymentTiming, indexOf(PaymentTiming::EndOfPeriod));
    EXPECT_EQ(kept.interestPer, indexOf(PeriodUnit::Quarters));
    EXPECT_EQ(kept.valueTexts, (std::array<std::string, 4>{"-1,000", "7", "x", "12"}));
    EXPECT_EQ(memory.slot(CalcMethod::FutureValue), MethodInputMemory(today).slot(CalcMethod::FutureValue));
}

TEST(Memory, InvalidRequestsAreRememberedToo)
{
    const DayNumber today = date(2026, 12, 7);
    MethodInputMemory memory(today);
    const ResultSheet sheet =
        calcChart(requestOf({CalcMethod::BondYield, {"", "abc"}}), today, plainRegional(), memory);
    EXPECT_FALSE(sheet.valid());
    EXPECT_EQ(memory.slot(CalcMethod::BondYield).valueTexts[1], "abc");
}

TEST(InvalidSheet, HasNoCellsAndNoSummary)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"", "10", "3"}});
    EXPECT_FALSE(sheet.valid());
    EXPECT_EQ(sheet.rowCount(), 0);
    EXPECT_EQ(sheet.columnCount(), 0);
    EXPECT_EQ(sheet.summaryLabels(), "");
    EXPECT_FALSE(sheet.fault().has_value());
    EXPECT_EQ(sheet.kind(), SheetKind::Schedule);
}

// The rows a faulted sheet filled, and whether every later row is empty.
int filledRows(const ResultSheet& sheet)
{
    int filled = 0;
    for (int row = sheet.fixedRows(); row < sheet.rowCount(); ++row) {
        bool any = false;
        for (int col = 0; col < sheet.columnCount(); ++col)
            any = any || !sheet.cell(col, row).empty();
        if (any)
            ++filled;
    }
    return filled;
}

bool showsNoSpecialValues(const ResultSheet& sheet)
{
    for (int row = 0; row < sheet.rowCount(); ++row)
        for (int col = 0; col < sheet.columnCount(); ++col) {
            const std::string_view text = sheet.cell(col, row);
            if (text.find("inf") != std::string_view::npos || text.find("nan") != std::string_view::npos)
                return false;
        }
    return true;
}

TEST(ArithmeticFault, OverflowStopsTheTableWhereItIs)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "1000", "5000"}});
    ASSERT_TRUE(sheet.fault().has_value());
    EXPECT_EQ(faultMessage(*sheet.fault()), "Floating point overflow");
    EXPECT_TRUE(sheet.valid());
    EXPECT_EQ(sheet.rowCount(), 5001);
    const int filled = filledRows(sheet);
    EXPECT_GT(filled, 4000);
    EXPECT_LT(filled, 5000);
    // Rows are written whole or not at all, in order.
    EXPECT_FALSE(sheet.cell(3, filled).empty());
    EXPECT_TRUE(sheet.cell(0, filled + 1).empty());
    EXPECT_EQ(sheet.cell(0, 0), "#");
    EXPECT_EQ(sheet.summaryLabels(), "");
    EXPECT_EQ(sheet.summaryValues(), "");
    EXPECT_TRUE(showsNoSpecialValues(sheet));
}

TEST(ArithmeticFault, VanishingDiscountDividesByZero)
{
    const ResultSheet sheet = calculate({CalcMethod::PresentValue, {"1000", "1000", "9000"}});
    ASSERT_TRUE(sheet.fault().has_value());
    EXPECT_EQ(faultMessage(*sheet.fault()), "Floating point division by zero");
    EXPECT_EQ(filledRows(sheet), 0);
    EXPECT_EQ(sheet.rowCount(), 9002);
}

TEST(ArithmeticFault, RateTooSmallToChangeOnePlusRateDividesByZero)
{
    const std::string tiny = "0." + std::string(30, '0') + "1";
    for (CalcMethod method : {CalcMethod::FutureValueInvestment, CalcMethod::PresentLoanPayment}) {
        const ResultSheet sheet = calculate({method, {"1000", tiny, "12", "12"}});
        ASSERT_TRUE(sheet.fault().has_value()) << indexOf(method);
        EXPECT_EQ(faultMessage(*sheet.fault()), "Floating point division by zero");
        EXPECT_TRUE(showsNoSpecialValues(sheet));
    }
}

TEST(ArithmeticFault, ZeroOverZeroIsAnInvalidOperation)
{
    const std::string tiny = "0." + std::string(30, '0') + "1";
    const ResultSheet sheet = calculate({CalcMethod::PresentLoanPayment, {"1000", tiny, "1000", "12"}});
    ASSERT_TRUE(sheet.fault().has_value());
    EXPECT_EQ(faultMessage(*sheet.fault()), "Invalid floating point operation");
}

TEST(ArithmeticFault, BackwardScheduleFaultsBeforeAnyRow)
{
    const ResultSheet sheet =
        calculate({CalcMethod::PresentValueAnnuity, {std::string(4930, '9'), "100000", "0", "9"}});
    ASSERT_TRUE(sheet.fault().has_value());
    EXPECT_EQ(faultMessage(*sheet.fault()), "Floating point overflow");
    EXPECT_EQ(filledRows(sheet), 0);
    EXPECT_EQ(headerRow(sheet).back(), "Accumulated Total");
}

TEST(BadInput, NeverBreaksTheRecomputation)
{
    const std::vector<std::string> texts = {
        std::string(10000, '7'),
        std::string(10000, '.'),
        "\x01\x02\x7f",
        "\xff\xfe\xc3",
        "١٢٣",
        "1e99999",
        "0.0.0.0",
        "",
        "  ",
        "\t\n9",
    };
    for (int method = 0; method < methodCount; ++method)
        for (const std::string& text : texts) {
            Inputs in{*methodFromIndex(method), {text, text, text, text}};
            in.start = text;
            const ResultSheet sheet = calculate(in);
            EXPECT_LE(sheet.rowCount(), 10001);
            EXPECT_TRUE(showsNoSpecialValues(sheet));
        }
}

}  // namespace
}  // namespace pecunor::test
