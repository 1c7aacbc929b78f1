#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>


#include "month_calendar.h"
#include "result_grid.h"
#include "result_grid_accessible.h"

namespace pecunor {
namespace {

ResultSheet schedule(int periods)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(2, periods, 2, 1, {"#", "Date", "Interest/Year", "Accumulated Total"});
    for (int row = 1; row <= periods; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "1/15/" + std::to_string(2024 + row));
        sheet.setCell(2, row, "$" + std::to_string(row) + "0.00");
        sheet.setCell(3, row, row == 1 ? "$12,345,678,901,234,567.00" : "$1.00");
    }
    return sheet;
}

ResultSheet quotients()
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 2, 1, 0, {});
    sheet.setCell(0, 0, "Closing Price");
    sheet.setCell(1, 0, "$35.00");
    sheet.setCell(0, 1, "Price/Earnings Ratio");
    sheet.setCell(1, 1, "$12.50");
    return sheet;
}

struct TableCase {
    const char* name;
    ResultSheet (*sheet)();
    int rows;
    int columns;
    QString firstHeader;  // empty: none
    QString firstRowHeader;
    QString firstCell;
};

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }

class ResultTableForReaders : public ::testing::TestWithParam<TableCase> {
protected:
    void SetUp() override
    {
        installAccessibility();
        grid.resize(260, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.setSheet(GetParam().sheet());
        grid.remeasure();
    }
    ResultGrid grid;
};

// Shape, headers and every cell's whole text, as a reader asks for them.
TEST_P(ResultTableForReaders, ReadsTheSheetAsATable)
{
    const TableCase& c = GetParam();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), c.rows);
    EXPECT_EQ(cells->columnCount(), c.columns);
    QAccessibleInterface* first = cells->cellAt(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(QAccessible::Name), c.firstCell);
    const QList<QAccessibleInterface*> headers = first->tableCellInterface()->columnHeaderCells();
    EXPECT_EQ(headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name), c.firstHeader);
    const QList<QAccessibleInterface*> rowHeaders = first->tableCellInterface()->rowHeaderCells();
    EXPECT_EQ(rowHeaders.isEmpty() ? QString() : rowHeaders.first()->text(QAccessible::Name), c.firstRowHeader);
    EXPECT_EQ(table->indexOfChild(first), table->indexOfChild(table->child(table->indexOfChild(first))));
    if (c.columns > 2) {  // shortened on screen, whole for the reader
        EXPECT_EQ(cells->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("$12,345,678,901,234,567.00"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, ResultTableForReaders,
    ::testing::Values(TableCase{"Schedule", [] { return schedule(12); }, 12, 3, "Date", "1", "1/15/2025"},
                      TableCase{"Quotients", quotients, 2, 2, "", "", "Closing Price"}),
    [](const auto& info) { return std::string(info.param.name); });

// The picker's days are named by their whole dates, in the shown month.
TEST(CalendarForReaders, DaysCarryTheirLongDates)
{
    installAccessibility();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MonthCalendar calendar;
    calendar.resize(182, 101);
    calendar.setDate({2027, 1, 8});
    calendar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(&calendar);
    ASSERT_NE(days, nullptr);
    EXPECT_EQ(days->childCount(), 31);
    EXPECT_EQ(days->child(8)->text(QAccessible::Name), QStringLiteral("Saturday, January 9, 2027"));
    EXPECT_TRUE(days->child(7)->state().selected);
    calendar.setDate({2027, 2, 9});
    EXPECT_EQ(days->childCount(), 28);
    EXPECT_EQ(days->child(8)->text(QAccessible::Name), QStringLiteral("Tuesday, February 9, 2027"));
    EXPECT_TRUE(days->child(8)->state().selected);
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace pecunor
