#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "main_window_fixture.h"
#include "mainwindow/month_calendar.h"
#include "mainwindow/result_grid.h"
#include "mainwindow/result_grid_accessible.h"

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
    QAccessibleInterface* first = cells->cellAt(0, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(QAccessible::Name), c.firstCell);
    const QList<QAccessibleInterface*> headers = first->tableCellInterface()->columnHeaderCells();
    EXPECT_EQ(headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name), c.firstHeader);
    const QList<QAccessibleInterface*> rowHeaders = first->tableCellInterface()->rowHeaderCells();
    EXPECT_EQ(rowHeaders.isEmpty() ? QString() : rowHeaders.first()->text(QAccessible::Name), c.firstRowHeader);
    EXPECT_EQ(table->indexOfChild(first), table->indexOfChild(table->child(table->indexOfChild(first))));
    if (c.columns > 2) {  // shortened on screen, whole for the reader
        EXPECT_EQ(cells->cellAt(0, 3)->text(QAccessible::Name), QStringLiteral("$12,345,678,901,234,567.00"));
        // The row number is read as the row's first cell.
        EXPECT_EQ(cells->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("1"));
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, ResultTableForReaders,
                         ::testing::Values(TableCase{"Schedule", [] { return schedule(12); }, 12, 4, "Date", "1",
                                                     "1/15/2025"},
                                           TableCase{"Quotients", quotients, 2, 2, "", "", "$35.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A schedule wider than its view: "#" and "Date" pinned, three wide value columns.
ResultSheet wideSchedule()
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(3, 3, 2, 1, {"#", "Date", "V1", "V2", "V3"});
    for (int row = 1; row <= 3; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "1/15/2025");
        for (int column = 2; column < 5; ++column)
            sheet.setCell(column, row, "$12,345,678,90" + std::to_string(column) + "." + std::to_string(row) + "0");
    }
    return sheet;
}

struct CursorCase {
    const char* name;
    std::vector<Qt::Key> keys;
    int row;  // in the sheet
    int column;
    const char* header;
};

void PrintTo(const CursorCase& c, std::ostream* out) { *out << c.name; }

class CellCursorForReaders : public ::testing::TestWithParam<CursorCase> { };

// Left and Right move the reader's cell within the row, Up and Down keep its
// column; the cell is the focused child, knows its headers and shows in the
// view, while the selection stays the whole row.
TEST_P(CellCursorForReaders, KeysMoveTheReadersCellAlongWholeRows)
{
    const CursorCase& c = GetParam();
    installAccessibility();
    ResultGrid grid;
    grid.resize(260, 200);
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setSheet(wideSchedule());
    grid.remeasure();
    grid.setFocus();
    for (const Qt::Key key : c.keys)
        QTest::keyClick(&grid, key);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(&grid)->focusChild();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), grid.cellText(c.column, c.row));
    EXPECT_TRUE(cell->state().focused);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), c.header);
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), QString::number(c.row));
    EXPECT_EQ(grid.selection(), gridRect(2, c.row, 4, c.row));
    const QRect shown = grid.cellRect(c.column, c.row);
    EXPECT_TRUE(grid.viewport()->rect().contains(shown));
    EXPECT_TRUE(c.column < 2 || shown.left() > grid.cellRect(1, c.row).right()) << "under the pinned columns";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CellCursorForReaders,
    ::testing::Values(CursorCase{"StartsOnTheDate", {}, 1, 1, "Date"},
                      CursorCase{"RightNamesTheNextColumn", {Qt::Key_Right}, 1, 2, "V1"},
                      CursorCase{"LeftStopsBesideTheRowNumbers", {Qt::Key_Left, Qt::Key_Left}, 1, 1, "Date"},
                      CursorCase{"DownKeepsTheColumn", {Qt::Key_Right, Qt::Key_Down}, 2, 2, "V1"},
                      CursorCase{"RightScrollsToTheLastColumn", std::vector<Qt::Key>(5, Qt::Key_Right), 1, 4, "V3"},
                      CursorCase{"LeftScrollsBack",
                                 {Qt::Key_End, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left},
                                 3,
                                 2,
                                 "V1"}),
    [](const auto& info) { return std::string(info.param.name); });

using InputsForReaders = MainWindowTest;

// The focused input is described by the result at once, the others only as
// they get the focus; the summary reads as its caption and value lines.
TEST_F(InputsForReaders, OnlyTheFocusedInputFollowsTheResult)
{
    TfrmCalc& w = open();
    selectMethod(CalcMethod::FutureValue);
    type(w.txtValue[0], "1000");
    type(w.txtValue[1], "10");
    type(w.txtValue[2], "3");
    const QString summary = w.lblLeft->readerLines().join(u'\n');
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Future Value: $1,331.00\n"))) << summary.toStdString();
    EXPECT_EQ(w.txtValue[2]->accessibleDescription(), summary);
    const QString before = w.txtValue[1]->accessibleDescription();
    EXPECT_NE(before, summary);
    QTest::keyClick(w.txtValue[2], Qt::Key_Backspace);
    EXPECT_EQ(w.txtValue[2]->accessibleDescription(), w.lblError->text());
    EXPECT_EQ(w.txtValue[1]->accessibleDescription(), before);
    w.txtValue[1]->setFocus();
    EXPECT_EQ(w.txtValue[1]->accessibleDescription(), w.lblError->text());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.lblLeft);
    ASSERT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->childCount(), w.lblLeft->readerLines().size());
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("Future Value: $1,331.00"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.tabLeft)->role(), QAccessible::Grouping);
}

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
