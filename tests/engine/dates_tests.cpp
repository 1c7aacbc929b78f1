#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "engine_test_support.h"

namespace pecunor::test {
namespace {

TEST(DayNumbers, CountFromTheLastDaysOf1899)
{
    EXPECT_EQ(date(1899, 12, 30), 0);
    EXPECT_EQ(date(1900, 1, 1), 2);
    EXPECT_EQ(date(2000, 1, 1), 36526);
    EXPECT_EQ(firstDayNumber, -693593);
    EXPECT_EQ(lastDayNumber, 2958465);
    const CivilDate back = civilDateOf(date(2024, 2, 29));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_FALSE(dayNumberOf(2023, 2, 29).has_value());
    EXPECT_FALSE(dayNumberOf(0, 12, 31).has_value());
    EXPECT_FALSE(dayNumberOf(10000, 1, 1).has_value());
}

TEST(LeapYears, FollowTheGregorianRule)
{
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(1996));
    EXPECT_FALSE(isLeapYear(1999));
}

struct StepCase {
    const char* name;
    long long n;
    StepKind kind;
    CivilDate from;
    CivilDate to;
};

class AddPeriods : public ::testing::TestWithParam<StepCase> { };

TEST_P(AddPeriods, KeepsTheDayWhereTheMonthHasIt)
{
    const StepCase& c = GetParam();
    const DayNumber moved = addPeriods(c.n, c.kind, date(c.from.year, c.from.month, c.from.day));
    EXPECT_EQ(moved, date(c.to.year, c.to.month, c.to.day));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AddPeriods,
    ::testing::Values(StepCase{"EndOfFebruary", 1, StepKind::Months, {1999, 1, 31}, {1999, 2, 28}},
                      StepCase{"LeapFebruary", 1, StepKind::Months, {2000, 1, 31}, {2000, 2, 29}},
                      StepCase{"BackTo31st", 2, StepKind::Months, {1999, 1, 31}, {1999, 3, 31}},
                      StepCase{"MonthBack", -1, StepKind::Months, {1999, 1, 15}, {1998, 12, 15}},
                      StepCase{"TwelveBackFromJanuary", -13, StepKind::Months, {1999, 1, 15}, {1997, 12, 15}},
                      StepCase{"ElevenBack", -12, StepKind::Months, {1999, 1, 15}, {1998, 1, 15}},
                      StepCase{"ToDecember", 11, StepKind::Months, {1999, 1, 15}, {1999, 12, 15}},
                      StepCase{"YearsOverDecember", 24, StepKind::Months, {1999, 12, 15}, {2001, 12, 15}},
                      StepCase{"LeapDayNextYear", 1, StepKind::Years, {2000, 2, 29}, {2001, 2, 28}},
                      StepCase{"Days", 7, StepKind::Days, {2026, 12, 28}, {2027, 1, 4}},
                      StepCase{"BeyondYear9999", 9000, StepKind::Years, {1999, 6, 1}, {1, 1, 1}},
                      StepCase{"MonthsBeyond9999", 12, StepKind::Months, {9999, 6, 1}, {1, 1, 1}},
                      StepCase{"DaysBeyond9999", 1, StepKind::Days, {9999, 12, 31}, {1, 1, 1}},
                      StepCase{"BeforeYear1", -1, StepKind::Months, {1, 1, 15}, {1, 1, 1}},
                      StepCase{"HugeDays", LLONG_MIN, StepKind::Days, {1, 1, 1}, {1, 1, 1}},
                      StepCase{"HugeMonths", LLONG_MAX, StepKind::Months, {2000, 1, 1}, {1, 1, 1}},
                      StepCase{"HugeYearsBack", LLONG_MIN, StepKind::Years, {2000, 1, 1}, {1, 1, 1}}),
    [](const auto& info) { return info.param.name; });

RegionalSettings monthFirst() { return usRegional(); }

RegionalSettings dayFirst()
{
    RegionalSettings regional = usRegional();
    regional.shortDateFormat = "dd.MM.yy";
    regional.dateSeparator = ".";
    return regional;
}

RegionalSettings yearFirst()
{
    RegionalSettings regional = usRegional();
    regional.shortDateFormat = "yyyy-MM-dd";
    regional.dateSeparator = "-";
    return regional;
}

struct ReadCase {
    const char* name;
    RegionalSettings (*regional)();
    const char* text;
    std::optional<CivilDate> expected;
};

class ReadDate : public ::testing::TestWithParam<ReadCase> { };

TEST_P(ReadDate, FollowsTheShortDateOrder)
{
    const ReadCase& c = GetParam();
    const auto read = readDate(c.text, c.regional(), date(2026, 12, 7));
    if (!c.expected) {
        EXPECT_FALSE(read.has_value());
        return;
    }
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, date(c.expected->year, c.expected->month, c.expected->day));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDate,
    ::testing::Values(ReadCase{"TwoDigitYearInThisCentury", monthFirst, "1/31/99", CivilDate{2099, 1, 31}},
                      ReadCase{"NoYearMeansThisYear", monthFirst, "1/31", CivilDate{2026, 1, 31}},
                      ReadCase{"DayFirstTextIsUnreadable", monthFirst, "31/1/99", std::nullopt},
                      ReadCase{"FourDigitYear", monthFirst, "12/7/2026", CivilDate{2026, 12, 7}},
                      ReadCase{"FourDigitEarlyYearStaysEarly", monthFirst, "1/1/0001", CivilDate{1, 1, 1}},
                      ReadCase{"BlanksAndTrailingSeparator", monthFirst, " 2 / 3 / 2024 / ", CivilDate{2024, 2, 3}},
                      ReadCase{"TwoTrailingSeparators", monthFirst, "2/3/2024//", std::nullopt},
                      ReadCase{"OneNumber", monthFirst, "12", std::nullopt},
                      ReadCase{"FourNumbers", monthFirst, "1/2/3/4", std::nullopt},
                      ReadCase{"NotADate", monthFirst, "2/30/2024", std::nullopt},
                      ReadCase{"Letters", monthFirst, "today", std::nullopt},
                      ReadCase{"Empty", monthFirst, "", std::nullopt},
                      ReadCase{"Sign", monthFirst, "-1/2/2024", std::nullopt},
                      ReadCase{"HugeNumber", monthFirst, "1/2/99999999999", std::nullopt},
                      ReadCase{"DayFirst", dayFirst, "31.1.99", CivilDate{2099, 1, 31}},
                      ReadCase{"DayFirstTwoNumbers", dayFirst, "5.3", CivilDate{2026, 3, 5}},
                      ReadCase{"YearFirst", yearFirst, "2024-02-29", CivilDate{2024, 2, 29}}),
    [](const auto& info) { return info.param.name; });

TEST(TextToDateOr, FallsBackOrRaises)
{
    const DayNumber today = date(2026, 12, 7);
    EXPECT_EQ(textToDateOr("x", false, 17, usRegional(), today), 17);
    EXPECT_THROW(textToDateOr("x", true, 17, usRegional(), today), std::runtime_error);
}

TEST(SheetDateFormat, WidensTwoDigitYears)
{
    EXPECT_EQ(sheetDateFormat("m/d/yy"), "m/d/yyyy");
    EXPECT_EQ(sheetDateFormat("dd.MM.yy"), "dd.MM.yyyy");
    EXPECT_EQ(sheetDateFormat("dd/MM/yyyy"), "dd/MM/yyyy");
    EXPECT_EQ(sheetDateFormat("yy-MM-dd"), "yyyy-MM-dd");
}

struct EditableCase {
    const char* name;
    RegionalSettings (*regional)();
    CivilDate day;
    const char* expected;
};

class EditableDateText : public ::testing::TestWithParam<EditableCase> { };

// Whatever the box shows must read back as the stored day.
TEST_P(EditableDateText, ReadsBackAsTheSameDay)
{
    const EditableCase& c = GetParam();
    const DayNumber today = date(2026, 12, 7);
    const DayNumber day = date(c.day.year, c.day.month, c.day.day);
    const std::string text = editableDateText(day, c.regional(), today);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(readDate(text, c.regional(), today), day);
}

INSTANTIATE_TEST_SUITE_P(
    Centuries, EditableDateText,
    ::testing::Values(EditableCase{"ThisCenturyKeepsTheShortForm", monthFirst, {2030, 1, 15}, "1/15/30"},
                      EditableCase{"LastCenturyKeepsItsYear", monthFirst, {1990, 1, 15}, "1/15/1990"},
                      EditableCase{"FirstYearsKeepTheirDigits", monthFirst, {5, 3, 1}, "3/1/0005"},
                      EditableCase{"FarFuture", monthFirst, {2150, 6, 30}, "6/30/2150"},
                      EditableCase{"DayFirstLastCentury", dayFirst, {1927, 12, 7}, "07.12.1927"},
                      EditableCase{"FourDigitFormatAsItStands", yearFirst, {1990, 1, 15}, "1990-01-15"}),
    [](const auto& info) { return info.param.name; });

TEST(DateFormat, WritesFieldsSeparatorAndLiterals)
{
    const DayNumber day = date(2000, 10, 3);
    EXPECT_EQ(DateFormat("M/d/yyyy", "/").format(day), "10/3/2000");
    EXPECT_EQ(DateFormat("dd.MM.yy", ".").format(day), "03.10.00");
    EXPECT_EQ(DateFormat("d/m/yyyy", "-").format(day), "3-10-2000");
    EXPECT_EQ(DateFormat("yyyy'y'MM", "/").format(day), "2000y10");
    EXPECT_EQ(DateFormat("M/d/yyyy", "/").format(date(9, 1, 2)), "1/2/0009");
}

}  // namespace
}  // namespace pecunor::test
