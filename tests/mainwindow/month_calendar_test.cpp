#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "mainwindow/month_calendar.h"

namespace pecunor {
namespace {

struct MonthCase {
    const char* name;
    CivilDate date;
    int firstColumn;  // Monday is 0
    QPoint lastDayCell;
};

void PrintTo(const MonthCase& c, std::ostream* out) { *out << c.name; }

class MonthCalendarLayout : public testing::TestWithParam<MonthCase> { };

TEST_P(MonthCalendarLayout, DaysStandInTheirWeekdayColumnsAndTheRestStaysEmpty)
{
    const MonthCase& c = GetParam();
    MonthCalendar calendar;
    calendar.resize(182, 101);
    calendar.setDate(c.date);
    const int length = monthLength(c.date.year, c.date.month);

    EXPECT_EQ(calendar.cellOfDay(1), QPoint(c.firstColumn, 1));
    EXPECT_EQ(calendar.cellOfDay(length), c.lastDayCell);
    int days = 0;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int day = calendar.dayAt({column, row});
            if (day != 0) {
                ++days;
                EXPECT_EQ(calendar.cellOfDay(day), QPoint(column, row));
            }
        }
    }
    EXPECT_EQ(days, length);
    EXPECT_EQ(calendar.dayAt({c.firstColumn - 1, 1}), 0);
}

INSTANTIATE_TEST_SUITE_P(Months, MonthCalendarLayout,
                         testing::Values(MonthCase{"FebruaryStartingOnMonday", {2021, 2, 10}, 0, {6, 4}},
                                         MonthCase{"JuneStartingOnSunday", {2025, 6, 1}, 6, {0, 6}},
                                         MonthCase{"LeapFebruaryStartingOnTuesday", {2000, 2, 29}, 1, {1, 5}},
                                         MonthCase{"FirstMonthOfTheRange", {1, 1, 1}, 0, {2, 5}},
                                         MonthCase{"LastMonthOfTheRange", {9999, 12, 31}, 2, {4, 5}}),
                         [](const testing::TestParamInfo<MonthCase>& info) { return std::string(info.param.name); });

class MonthCalendarMouse : public testing::Test {
protected:
    void SetUp() override
    {
        calendar.resize(182, 101);
        calendar.setDate({2025, 6, 10});  // 1 June 2025 is a Sunday
        changes.clear();
    }
    void click(QPoint cell) { QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(cell).center()); }

    MonthCalendar calendar;
    QSignalSpy changes{&calendar, &MonthCalendar::dateChanged};
    QSignalSpy clicks{&calendar, &MonthCalendar::dayClicked};
};

TEST_F(MonthCalendarMouse, ClickOnADaySelectsItThenReportsTheClick)
{
    int changesAtClick = -1;
    QObject::connect(&calendar, &MonthCalendar::dayClicked, [&] { changesAtClick = int(changes.count()); });
    click(calendar.cellOfDay(20));
    EXPECT_EQ(calendar.date().day, 20);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(changesAtClick, 1);
}

TEST_F(MonthCalendarMouse, ClickOnTheChosenDayReportsOnlyTheClick)
{
    click(calendar.cellOfDay(10));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(MonthCalendarMouse, EmptyCellsAndDayNamesCannotBeSelected)
{
    for (QPoint cell : {QPoint(0, 1), QPoint(5, 1), QPoint(1, 6), QPoint(6, 6), QPoint(3, 0)})
        click(cell);
    EXPECT_EQ(calendar.date().day, 10);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(MonthCalendarMouse, ReleaseOnAnotherDayIsNoClick)
{
    QTest::mousePress(&calendar, Qt::LeftButton, {}, calendar.cellRect(calendar.cellOfDay(12)).center());
    QTest::mouseRelease(&calendar, Qt::LeftButton, {}, calendar.cellRect(calendar.cellOfDay(13)).center());
    EXPECT_EQ(calendar.date().day, 12);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(MonthCalendarPaint, HighlightsOnlyTheDayOfItsDate)
{
    MonthCalendar calendar;
    calendar.resize(182, 101);
    calendar.setDate({2025, 6, 18});
    const QImage image = calendar.grab().toImage();
    const QColor highlight = calendar.palette().color(QPalette::Highlight);
    auto cornerOf = [&](int day) { return image.pixelColor(calendar.cellRect(calendar.cellOfDay(day)).topLeft()); };

    EXPECT_EQ(cornerOf(18), highlight);
    EXPECT_NE(cornerOf(17), highlight);
    calendar.setDate({2025, 6, 17});
    const QImage moved = calendar.grab().toImage();
    EXPECT_EQ(moved.pixelColor(calendar.cellRect(calendar.cellOfDay(17)).topLeft()), highlight);
    EXPECT_NE(moved.pixelColor(calendar.cellRect(calendar.cellOfDay(18)).topLeft()), highlight);
}

}  // namespace
}  // namespace pecunor
