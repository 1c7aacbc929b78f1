#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

#include "engine/number_format.h"
#include "engine_test_support.h"

namespace pecunor::test {
namespace {

// Formatters write into room the caller sizes from maxLength(); guard bytes
// behind that room show any overrun.
const std::string guard = "########";

std::string writtenText(const std::string& buffer, const char* end)
{
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

// Multi-byte separators and symbol, the symbol after the amount.
RegionalSettings arabicStyle()
{
    RegionalSettings regional = usRegional();
    regional.decimalSeparator = "\u066B";
    regional.thousandsSeparator = "\u202F";
    regional.currencySymbol = "\u0631.\u0633";
    regional.currencyPlacement = 3;
    regional.negativeCurrencyPattern = 15;
    return regional;
}

// Separators and symbol longer than a group of digits.
RegionalSettings longTexts()
{
    RegionalSettings regional = usRegional();
    regional.decimalSeparator = "<decimal>";
    regional.thousandsSeparator = "<thousands>";
    regional.currencySymbol = "<symbol>";
    regional.currencyPlacement = 2;
    regional.negativeCurrencyPattern = 14;
    regional.currencyDecimals = 3;
    return regional;
}

RegionalSettings longTextsNineDecimals()
{
    RegionalSettings regional = longTexts();
    regional.currencyDecimals = 9;
    return regional;
}

struct AmountCase {
    const char* name;
    RegionalSettings (*regional)();
    long double value;
    std::string expected;
};

class AmountFormatRoom : public ::testing::TestWithParam<AmountCase> { };

TEST_P(AmountFormatRoom, WritesTheTextWithinMaxLength)
{
    const AmountCase& c = GetParam();
    const AmountFormat money = AmountFormat::money(c.regional());
    std::string buffer(money.maxLength(), '\0');
    buffer += guard;
    EXPECT_EQ(writtenText(buffer, money.writeTo(buffer.data(), c.value)), c.expected);
    EXPECT_EQ(buffer.substr(money.maxLength()), guard);
    EXPECT_EQ(formatMoney(c.value, c.regional()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountFormatRoom,
    ::testing::Values(AmountCase{"MultiByteNegative", arabicStyle, -1234567890123.45L,
                                 "(1\u202F234\u202F567\u202F890\u202F123\u066B45 \u0631.\u0633)"},
                      AmountCase{"MultiBytePositive", arabicStyle, 1234567890123.45L,
                                 "1\u202F234\u202F567\u202F890\u202F123\u066B45 \u0631.\u0633"},
                      AmountCase{"MultiByteExponentForm", arabicStyle, -1.23456789012345678e4931L,
                                 "(1\u066B23456789012346E+4931 \u0631.\u0633)"},
                      AmountCase{"LongTextsNegative", longTexts, -987654321098.765L,
                                 "(<symbol> 987<thousands>654<thousands>321<thousands>098<decimal>765)"},
                      AmountCase{"LongTextsExponentForm", longTexts, -2.5e300L, "(<symbol> 2<decimal>5E+300)"},
                      AmountCase{"LongTextsExponentWithoutFraction", longTexts, 1e18L, "<symbol> 1E+18"},
                      AmountCase{"LongTextsSmallestUnit", longTexts, 0.0005L, "<symbol> 0<decimal>001"},
                      AmountCase{"LongTextsNegativeRoundsToZero", longTexts, -0.0004L, "<symbol> 0<decimal>000"},
                      AmountCase{"NineDecimals", longTextsNineDecimals, -1234567.5L,
                                 "(<symbol> 1<thousands>234<thousands>567<decimal>500000000)"}),
    [](const auto& info) { return info.param.name; });

TEST(AmountFormat, NumberFormatKeepsTheLeadingMinusWithLongSeparators)
{
    const AmountFormat number = AmountFormat::number(longTexts());
    std::string buffer(number.maxLength(), '\0');
    buffer += guard;
    const std::string expected = "-987<thousands>654<thousands>321<thousands>098<decimal>77";
    EXPECT_EQ(writtenText(buffer, number.writeTo(buffer.data(), -987654321098.765L)), expected);
    EXPECT_EQ(buffer.substr(number.maxLength()), guard);
    EXPECT_EQ(formatNumber(-987654321098.765L, longTexts()), expected);
}

TEST(AmountFormat, WritesNothingForNonFiniteValues)
{
    const AmountFormat money = AmountFormat::money(usRegional());
    std::string buffer(money.maxLength(), '\0');
    for (long double value : {HUGE_VALL, -HUGE_VALL, std::nanl("")})
        EXPECT_EQ(money.writeTo(buffer.data(), value), buffer.data());
    std::string text = "kept";
    money.appendTo(text, HUGE_VALL);
    EXPECT_EQ(text, "kept");
}

struct DateCase {
    const char* name;
    const char* format;
    const char* separator;
    CivilDate date;
    std::string expected;
};

class DateFormatRoom : public ::testing::TestWithParam<DateCase> { };

TEST_P(DateFormatRoom, WritesTheDateWithinMaxLength)
{
    const DateCase& c = GetParam();
    const DateFormat format(c.format, c.separator);
    std::string buffer(format.maxLength(), '\0');
    buffer += guard;
    EXPECT_EQ(writtenText(buffer, format.writeTo(buffer.data(), c.date)), c.expected);
    EXPECT_EQ(buffer.substr(format.maxLength()), guard);
    EXPECT_EQ(format.format(date(c.date.year, c.date.month, c.date.day)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateFormatRoom,
    ::testing::Values(DateCase{"MultiByteSeparator", "dd/MM/yyyy", "\u066B", {9999, 12, 31}, "31\u066B12\u066B9999"},
                      DateCase{"QuotedWords", "d 'de' M \"de\" yy", "/", {2024, 2, 29}, "29 de 2 de 24"},
                      DateCase{"FirstDayPadded", "yyyy-MM-dd", "/", {1, 1, 1}, "0001-01-01"},
                      DateCase{"SingleDigits", "M/d/yyyy", ".", {2024, 3, 5}, "3.5.2024"},
                      DateCase{"TwoDigitDayAndMonth", "M/d/yyyy", "/", {1999, 12, 31}, "12/31/1999"}),
    [](const auto& info) { return info.param.name; });

struct CivilStepCase {
    const char* name;
    long long n;
    StepKind kind;
    CivilDate from;
    CivilDate to;
};

class CivilAddPeriods : public ::testing::TestWithParam<CivilStepCase> { };

TEST_P(CivilAddPeriods, AgreesWithTheDayNumberSteps)
{
    const CivilStepCase& c = GetParam();
    const CivilDate moved = addPeriods(c.n, c.kind, c.from);
    EXPECT_EQ(moved.year, c.to.year);
    EXPECT_EQ(moved.month, c.to.month);
    EXPECT_EQ(moved.day, c.to.day);
    EXPECT_EQ(addPeriods(c.n, c.kind, date(c.from.year, c.from.month, c.from.day)),
              date(c.to.year, c.to.month, c.to.day));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CivilAddPeriods,
    ::testing::Values(CivilStepCase{"LeapFebruary", 1, StepKind::Months, {2000, 1, 31}, {2000, 2, 29}},
                      CivilStepCase{"MonthsBackOverNewYear", -13, StepKind::Months, {1999, 1, 15}, {1997, 12, 15}},
                      CivilStepCase{"LeapDayNextYear", 1, StepKind::Years, {2000, 2, 29}, {2001, 2, 28}},
                      CivilStepCase{"DaysOverNewYear", 7, StepKind::Days, {2026, 12, 28}, {2027, 1, 4}},
                      CivilStepCase{"MonthsBeyond9999", 12, StepKind::Months, {9999, 6, 1}, {1, 1, 1}},
                      CivilStepCase{"DaysBeyond9999", 1, StepKind::Days, {9999, 12, 31}, {1, 1, 1}},
                      CivilStepCase{"HugeYears", 5'000'000, StepKind::Years, {2000, 1, 1}, {1, 1, 1}}),
    [](const auto& info) { return info.param.name; });

std::string longCellText(int column, int row)
{
    return std::string(100, static_cast<char>('a' + (column + row) % 26)) + std::to_string(row * 10 + column);
}

TEST(ResultSheetWriteCell, KeepsEarlierCellsWhenTheTextOutgrowsItsRoom)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(3, 50, 2, 1, {"#", "Date", "A", "B", "C"});
    for (int row = 1; row < sheet.rowCount(); ++row) {
        for (int column = 0; column < sheet.columnCount(); ++column) {
            const std::string text = longCellText(column, row);
            sheet.writeCell(column, row, 200, [&](char* room) { return std::copy(text.begin(), text.end(), room); });
        }
    }
    EXPECT_EQ(headerRow(sheet), (Texts{"#", "Date", "A", "B", "C"}));
    for (int row = 1; row < sheet.rowCount(); ++row)
        for (int column = 0; column < sheet.columnCount(); ++column)
            EXPECT_EQ(sheet.cell(column, row), longCellText(column, row)) << column << ", " << row;
}

TEST(ResultSheetWriteCell, RefusesCellsOutsideTheSheetBeforeWriting)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(1, 2, 2, 1, {"#", "Date", "A", "", ""});
    bool written = false;
    auto write = [&](char* room) {
        written = true;
        return room;
    };
    EXPECT_THROW(sheet.writeCell(3, 1, 4, write), std::out_of_range);
    EXPECT_THROW(sheet.writeCell(0, -1, 4, write), std::out_of_range);
    EXPECT_THROW(sheet.writeCell(0, 3, 4, write), std::out_of_range);
    EXPECT_FALSE(written);
    EXPECT_EQ(sheet.cell(2, 0), "A");
}

// The rows of a column's longest texts, as a view sizes the column by them,
// agree with what the cells hold; headers do not count.
TEST(ResultSheetWriteCell, NotesWhereEachColumnsLongestTextsStand)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(1, 6, 2, 1, {"#", "Date", "A much longer header", "", ""});
    const Texts amounts{"$1.00", "$10.00", "($99.00)", "$10.00", "-$5.00", "$1.00"};
    for (int row = 1; row <= 6; ++row)
        sheet.setCell(2, row, amounts[static_cast<std::size_t>(row - 1)]);
    const ResultSheet::LongestTexts& longest = sheet.longestTexts(2);
    EXPECT_EQ(longest.first, 3);
    EXPECT_EQ(longest.last, 3);
    EXPECT_EQ(longest.length, 8u);
    EXPECT_EQ(longest.negative, 3);
    sheet.setCell(2, 6, "$100.00)");
    EXPECT_EQ(sheet.longestTexts(2).last, 6) << "the last of the most bytes";
    EXPECT_EQ(sheet.longestTexts(0).first, -1) << "a column with no texts";
    EXPECT_THROW(sheet.longestTexts(3), std::out_of_range);
}

TEST(ScheduleCells, LongSeparatorsOutgrowTheFirstRoom)
{
    const ResultSheet sheet =
        calculate({CalcMethod::StraightLineDepreciation, {"4000000000000", "0", "4"}}, longTexts());
    ASSERT_TRUE(sheet.valid());
    const std::string trillion = "<symbol> 1<thousands>000<thousands>000<thousands>000<thousands>000<decimal>000";
    EXPECT_EQ(column(sheet, 2), Texts(4, trillion));
    EXPECT_EQ(column(sheet, 3), (Texts{"<symbol> 3<thousands>000<thousands>000<thousands>000<thousands>000<decimal>000",
                                       "<symbol> 2<thousands>000<thousands>000<thousands>000<thousands>000<decimal>000",
                                       trillion, "<symbol> 0<decimal>000"}));
    EXPECT_EQ(column(sheet, 0), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(column(sheet, 1), (Texts{"1/15/2027", "1/15/2028", "1/15/2029", "1/15/2030"}));
}

// Every figure of a sheet, as a number, is written again to exactly the text
// the sheet shows: files for programs take these numbers in place of the texts.
TEST(SheetFigures, EveryFigureWritesBackToItsText)
{
    const std::vector<Inputs> requests = {
        {CalcMethod::FutureValue, {"1000", "10", "3"}},
        {CalcMethod::FutureValueAnnuity, {"1000", "7.5", "-250", "24"}, PeriodUnit::Months},
        {CalcMethod::FutureValueInvestment, {"20000", "5", "10"}, PeriodUnit::Quarters},
        {CalcMethod::PresentValue, {"1331", "10", "3"}},
        {CalcMethod::PresentValueAnnuity, {"5000", "6", "100", "36"}, PeriodUnit::Months},
        {CalcMethod::PresentLoanPayment, {"250000", "4.5", "20000", "360"}, PeriodUnit::Months},
        {CalcMethod::StraightLineDepreciation, {"10000", "1000", "8.5"}},
        {CalcMethod::SumOfYearsDepreciation, {"10000", "1000", "5"}},
        {CalcMethod::DoubleDecliningDepreciation, {"10000", "1000", "5"}},
        {CalcMethod::ZeroCouponBonds, {"1000", "0.5", "40"}, PeriodUnit::Weeks},
        {CalcMethod::BondYield, {"8", "80"}},
        {CalcMethod::BondPrice, {"8", "0.1"}},
        {CalcMethod::PriceEarnings, {"50", "2.5"}},
        {CalcMethod::EarningsPerShare, {"50", "1e20"}},
    };
    // Only a request that asks for them gets them: the screen needs none.
    EXPECT_EQ(calculate(requests.front()).figure(2, 1).kind, FigureKind::Text);
    for (const RegionalSettings& regional : {usRegional(), germanRegional()}) {
        const DateFormat dates(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator);
        for (Inputs in : requests) {
            if (regional.decimalSeparator == ",")
                for (std::string& value : in.values)
                    std::replace(value.begin(), value.end(), '.', ',');
            const DayNumber today = date(2026, 12, 7);
            MethodInputMemory memory(today);
            CalcRequest request = requestOf(in);
            request.withFigures = true;
            const ResultSheet sheet = calcChart(request, today, regional, memory, englishCatalog());
            SCOPED_TRACE(std::string(englishCatalog().methodNames[static_cast<std::size_t>(indexOf(in.method))]) + " " +
                         regional.currencySymbol);
            ASSERT_TRUE(sheet.valid());
            int figures = 0;
            for (int row = sheet.fixedRows(); row < sheet.rowCount(); ++row)
                for (int column = 0; column < sheet.columnCount(); ++column) {
                    const Figure figure = sheet.figure(column, row);
                    const std::string text(sheet.cell(column, row));
                    switch (figure.kind) {
                    case FigureKind::Money: EXPECT_EQ(formatMoney(figure.value, regional), text); break;
                    case FigureKind::Date: EXPECT_EQ(dates.format(static_cast<DayNumber>(figure.value)), text); break;
                    case FigureKind::RowNumber: EXPECT_EQ(std::to_string(static_cast<int>(figure.value)), text); break;
                    default: EXPECT_TRUE(text.empty() || sheet.kind() == SheetKind::Ratio) << text;
                    }
                    figures += figure.kind != FigureKind::Text;
                }
            EXPECT_GT(figures, 0);
            std::vector<std::string> lines;
            std::string line;
            for (std::istringstream values(sheet.summaryValues()); std::getline(values, line);)
                lines.push_back(line);
            ASSERT_EQ(sheet.summaryFigures().size(), lines.size());
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const Figure& figure = sheet.summaryFigures()[i];
                const std::string shown = figure.kind == FigureKind::Money ? formatMoney(figure.value, regional)
                                          : figure.kind == FigureKind::Percent
                                              ? formatNumber(figure.value, regional) + "%"
                                              : formatNumber(figure.value, regional);
                EXPECT_EQ(shown, lines[i]);
            }
        }
    }
}

}  // namespace
}  // namespace pecunor::test
