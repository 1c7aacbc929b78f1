#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "mainwindow/result_grid.h"

namespace pecunor {

void PrintTo(const GridRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

// A schedule as the calculation shapes it: "#" and "Date" as fixed columns,
// one header row, then the periods.
ResultSheet scheduleSheet(int periods, int valueColumns = 3)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(valueColumns, periods, 2, 1,
                        {"#", "Date", "Payment/Month", "Interest/Month", "Accumulated Total"});
    for (int row = 1; row <= periods; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "10/30/2000");
        for (int column = 2; column < sheet.columnCount(); ++column)
            sheet.setCell(column, row, "1,234.56");
    }
    return sheet;
}

// A bond or stock result: a fixed label column, a value column, no header row.
ResultSheet ratioSheet()
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 3, 1, 0, {});
    sheet.setCell(0, 0, "Coupon Rate");
    sheet.setCell(1, 0, "7.00");
    sheet.setCell(0, 1, "Price");
    sheet.setCell(1, 1, "950.00");
    sheet.setCell(0, 2, "Yield");
    sheet.setCell(1, 2, "7.37");
    sheet.setSelection(gridRect(1, 2, 1, 2));
    return sheet;
}

QFont tableFont()
{
    QFont font("Courier New");
    font.setPointSize(10);
    return font;
}

class ResultGridTest : public ::testing::Test {
protected:
    void show(ResultSheet sheet, QSize size = {500, 300}, const ResultGridOptions& options = {})
    {
        grid.resize(size);
        grid.setOptions(options);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.setSheet(std::move(sheet));
        grid.remeasure();
    }

    QWidget* viewport() { return grid.viewport(); }
    QPoint centreOf(int column, int row) const { return grid.cellRect(column, row).center(); }
    int lastColumn() const { return grid.sheet().columnCount() - 1; }
    int lastRow() const { return grid.sheet().rowCount() - 1; }

    void click(int column, int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(viewport(), button, modifiers, centreOf(column, row));
    }

    void press(int column, int row) { QTest::mousePress(viewport(), Qt::LeftButton, {}, centreOf(column, row)); }

    // QTest's moves carry no buttons; a drag needs the event itself.
    void moveTo(QPoint point, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, point, viewport()->mapToGlobal(point), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }

    void key(Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&grid, pressed, modifiers); }

    ResultGrid grid;
};

// ---- measuring ----

struct RowNumberCase {
    const char* name;
    int periods;
    const char* widest;
};

class RowNumberColumnTest : public ResultGridTest, public ::testing::WithParamInterface<RowNumberCase> { };

// Both columns hold fixed cells, whose text has the cell's width less 8 pixels.
TEST_P(RowNumberColumnTest, FitsTheRowCountAndTheDateColumnTheSampleDate)
{
    show(scheduleSheet(GetParam().periods));
    const QFontMetricsF metrics(tableFont());
    const qreal widest = metrics.horizontalAdvance(GetParam().widest);
    EXPECT_GE(grid.columnWidths()[0] - 8, widest);
    EXPECT_LT(grid.columnWidths()[0] - 8, widest + 1);
    const qreal date = metrics.horizontalAdvance("10/30/2000");
    EXPECT_GE(grid.columnWidths()[1] - 8, date);
    EXPECT_LT(grid.columnWidths()[1] - 8, date + 1);
}

INSTANTIATE_TEST_SUITE_P(Tables, RowNumberColumnTest,
                         ::testing::Values(RowNumberCase{"NinePeriods", 9, "10"},
                                           RowNumberCase{"HundredTwentyPeriods", 120, "121"},
                                           RowNumberCase{"MostPeriods", 10000, "10001"}),
                         [](const auto& info) { return std::string(info.param.name); });

// In a proportional font too, every date of the sample's form fits whole.
TEST_F(ResultGridTest, DateColumnHoldsEveryDateOfTheSamplesForm)
{
    ResultGridOptions options;
    options.dateSample = "30.10.2000 г.";
    options.font = {"Liberation Sans", 10, false, false};
    show(scheduleSheet(12), {500, 300}, options);
    const QFontMetricsF metrics(grid.font());
    for (const char* date : {"30.10.2000 г.", "07.12.2027 г.", "11.11.1111 г.", "88.88.8888 г."})
        EXPECT_GE(grid.columnWidths()[1] - 8, metrics.horizontalAdvance(QString::fromUtf8(date))) << date;
}

struct ValueColumnCase {
    const char* name;
    int valueColumns;
    int periods;
};

class ValueColumnTest : public ResultGridTest, public ::testing::WithParamInterface<ValueColumnCase> { };

// The value columns share all the width beside the number and date columns,
// each with its header on one line where the room allows, and gain the
// line pixels when the vertical lines are off.
TEST_P(ValueColumnTest, ShareTheWidthLeftAndGainTheLinePixelsWithoutVerticalLines)
{
    ResultGridOptions options;
    show(scheduleSheet(GetParam().periods, GetParam().valueColumns), {520, 300}, options);
    const int n = GetParam().valueColumns;
    const auto valueWidths = [&] {
        int total = 0;
        for (int column = 2; column <= lastColumn(); ++column)
            total += grid.columnWidths()[column];
        return total;
    };
    const auto free = [&](int lines) {
        return viewport()->width() - grid.columnWidths()[0] - grid.columnWidths()[1] - lines * (n + 1);
    };
    EXPECT_LE(valueWidths(), free(1));
    EXPECT_GT(valueWidths(), free(1) - n) << "only the rounding is left over";
    const QFontMetricsF metrics(grid.font());
    for (int column = 2; column <= lastColumn(); ++column) {
        EXPECT_GE(grid.columnWidths()[column] - 8, metrics.horizontalAdvance(grid.cellText(column, 0)));
        EXPECT_EQ(grid.shownHeader(column), grid.cellText(column, 0)) << "one line";
    }
    const int withLines = valueWidths();

    options.verGridlines = false;
    grid.setOptions(options);
    grid.remeasure();
    EXPECT_LE(valueWidths(), free(0));
    EXPECT_GT(valueWidths(), free(0) - n);
    EXPECT_GE(valueWidths(), withLines + n);
}

INSTANTIATE_TEST_SUITE_P(Tables, ValueColumnTest,
                         ::testing::Values(ValueColumnCase{"OneValueColumn", 1, 5},
                                           ValueColumnCase{"TwoValueColumns", 2, 5},
                                           ValueColumnCase{"ThreeValueColumns", 3, 5},
                                           ValueColumnCase{"ThreeValueColumnsScrolling", 3, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultGridTest, ColumnsFitBesideTheScrollBarWithoutAHorizontalOne)
{
    show(scheduleSheet(300));
    // Whatever Qt still has queued about the scroll bar must not change the viewport.
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
    const QRect last = grid.cellRect(lastColumn(), 1);
    EXPECT_LE(last.right(), viewport()->width() - 1);
    EXPECT_GE(last.right(), viewport()->width() - 6) << "the value columns use the width left";
}

TEST_F(ResultGridTest, HiddenTableMeasuresItsNewSize)
{
    show(scheduleSheet(5));
    const int shownRight = grid.cellRect(lastColumn(), 1).right();
    grid.hide();
    grid.resize(800, 300);
    grid.remeasure();
    EXPECT_EQ(viewport()->width(), 800 - 2 * grid.frameWidth());
    EXPECT_NEAR(grid.cellRect(lastColumn(), 1).right(), shownRight + 300, 3);
}

TEST_F(ResultGridTest, ShortTableHasNoScrollBar)
{
    show(scheduleSheet(5));
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}

// Inside the border: the viewport of a 501-pixel table is 497 pixels wide.
TEST_F(ResultGridTest, RatioSheetSplitsTheVisibleWidthInHalf)
{
    ResultGridOptions options;
    show(ratioSheet(), {501, 300}, options);
    ASSERT_EQ(viewport()->width(), 497);
    EXPECT_EQ(grid.columnWidths(), (std::vector<int>{248, 248}));

    options.verGridlines = false;
    grid.setOptions(options);
    grid.remeasure();
    EXPECT_EQ(grid.columnWidths(), (std::vector<int>{248, 248}));
    grid.resize(502, 300);
    grid.remeasure();
    EXPECT_EQ(grid.columnWidths(), (std::vector<int>{249, 249}));
    EXPECT_LE(grid.cellRect(1, 0).right(), viewport()->width() - 1);
}

TEST_F(ResultGridTest, RowsAreTheTextHeightPlusSix)
{
    show(scheduleSheet(5), {500, 600});
    EXPECT_EQ(grid.rowHeight(), QFontMetrics(tableFont()).height() + 6);
}

TEST_F(ResultGridTest, StretchedShortTableFillsTheHeight)
{
    ResultGridOptions options;
    options.stretched = true;
    show(scheduleSheet(4), {500, 600}, options);
    ASSERT_EQ(grid.sheet().rowCount(), 5);
    EXPECT_EQ(grid.rowHeight(), viewport()->height() / 5 - 1);
    EXPECT_GT(grid.rowHeight(), QFontMetrics(tableFont()).height() + 6);
    const QRect last = grid.cellRect(0, 4);
    EXPECT_LE(last.bottom(), viewport()->height() - 1);
    EXPECT_GE(last.bottom(), viewport()->height() - 6);
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
}

TEST_F(ResultGridTest, StretchedLongTableKeepsTheNormalHeight)
{
    ResultGridOptions options;
    options.stretched = true;
    show(scheduleSheet(299), {500, 600}, options);
    EXPECT_EQ(grid.rowHeight(), QFontMetrics(tableFont()).height() + 6);
}

TEST_F(ResultGridTest, FontOfTheOptionsMeasuresTheTable)
{
    ResultGridOptions options;
    options.font = {"Liberation Sans", 16, true, false};
    show(scheduleSheet(120), {600, 400}, options);
    QFont big("Liberation Sans");
    big.setPointSize(16);
    big.setBold(true);
    const QFontMetrics metrics(big);
    EXPECT_EQ(grid.rowHeight(), metrics.height() + 6);
    EXPECT_GE(grid.columnWidths()[0] - 8, QFontMetricsF(big).horizontalAdvance("121"));
}

// ---- selection ----

TEST_F(ResultGridTest, ScheduleStartsWithTheFirstDataRowAndRatioWithItsResultCell)
{
    show(scheduleSheet(30));
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 1));
    grid.setSheet(ratioSheet());
    EXPECT_EQ(grid.selection(), gridRect(1, 2, 1, 2));
}

TEST_F(ResultGridTest, NewSheetStartsScrolledToTheTop)
{
    show(scheduleSheet(300));
    key(Qt::Key_End);
    ASSERT_GT(grid.topRow(), 1);
    grid.setSheet(scheduleSheet(300));
    EXPECT_EQ(grid.topRow(), 1);
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 1));
}

TEST_F(ResultGridTest, RowNumberSelectsItsRowAcrossAllColumnsWithAnyButton)
{
    show(scheduleSheet(30));
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        click(0, 3, button);
        EXPECT_EQ(grid.selection(), gridRect(0, 3, 4, 3));
        EXPECT_EQ(grid.selectionAnchor(), 3);
        click(0, 7, button);
        EXPECT_EQ(grid.selection(), gridRect(0, 7, 4, 7));
    }
}

TEST_F(ResultGridTest, ValueCellSelectsItsWholeRowAndShiftExtends)
{
    show(scheduleSheet(30));
    click(3, 4);
    EXPECT_EQ(grid.selection(), gridRect(2, 4, 4, 4));
    click(2, 8, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(grid.selection(), gridRect(2, 4, 4, 8));
    click(4, 2, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(grid.selection(), gridRect(2, 2, 4, 4));
}

TEST_F(ResultGridTest, DateHeadingSelectsTheDateColumnWithItsHeader)
{
    show(scheduleSheet(30));
    click(1, 0);
    EXPECT_EQ(grid.selection(), gridRect(1, 0, 1, 30));
    EXPECT_EQ(grid.selectionAnchor(), 1);
    click(3, 0);
    EXPECT_EQ(grid.selection(), gridRect(3, 0, 3, 30));
}

TEST_F(ResultGridTest, CornerTogglesBetweenAllAndTheFirstDataRow)
{
    show(scheduleSheet(30));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(0, 0, 4, 30));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 1));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(0, 0, 4, 30));
}

TEST_F(ResultGridTest, CornerTogglesOnASingleDataRow)
{
    show(scheduleSheet(1));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(0, 0, 4, 1));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 1));
    click(0, 0);
    EXPECT_EQ(grid.selection(), gridRect(0, 0, 4, 1));
}

TEST_F(ResultGridTest, RatioLabelSelectsItsRowAndThereAreNoColumnSelections)
{
    show(ratioSheet());
    click(0, 1);
    EXPECT_EQ(grid.selection(), gridRect(0, 1, 1, 1));
    click(1, 0);
    EXPECT_EQ(grid.selection(), gridRect(1, 0, 1, 0));
}

TEST_F(ResultGridTest, DraggingOverRowNumbersExtendsFromTheClickedRow)
{
    show(scheduleSheet(30));
    press(0, 5);
    moveTo(centreOf(0, 8));
    EXPECT_EQ(grid.selection(), gridRect(0, 5, 4, 8));
    moveTo(centreOf(3, 2));
    EXPECT_EQ(grid.selection(), gridRect(0, 2, 4, 5));
    EXPECT_EQ(grid.topRow(), 1);
}

TEST_F(ResultGridTest, DraggingAcrossHeadingsExtendsTheColumns)
{
    show(scheduleSheet(30));
    press(2, 0);
    moveTo(centreOf(4, 6));
    EXPECT_EQ(grid.selection(), gridRect(2, 0, 4, 30));
    moveTo(centreOf(1, 6));
    EXPECT_EQ(grid.selection(), gridRect(1, 0, 2, 30));
}

TEST_F(ResultGridTest, DraggingOverValueCellsExtendsWholeRows)
{
    show(scheduleSheet(30));
    press(3, 3);
    moveTo(centreOf(2, 6));
    EXPECT_EQ(grid.selection(), gridRect(2, 3, 4, 6));
}

TEST_F(ResultGridTest, DraggingPastTheLastVisibleRowScrollsOneRowPerMove)
{
    show(scheduleSheet(100));
    press(0, 2);
    const QPoint below(centreOf(0, 1).x(), viewport()->height() + 20);
    for (int move = 1; move <= 5; ++move) {
        const int top = grid.topRow();
        moveTo(below);
        EXPECT_EQ(grid.topRow(), top + 1) << "move " << move;
        const GridRect selection = grid.selection();
        EXPECT_EQ(selection.left, 0);
        EXPECT_EQ(selection.top, 2);
        EXPECT_EQ(selection.right, 4);
        EXPECT_GE(selection.bottom, top + grid.visibleRowCount()) << "move " << move;
        EXPECT_LE(selection.bottom, top + grid.visibleRowCount() + 1) << "move " << move;
    }
    const QPoint header = centreOf(0, 0);
    for (int move = 1; move <= 3; ++move) {
        const int top = grid.topRow();
        moveTo(header);
        EXPECT_EQ(grid.topRow(), top - 1) << "move up " << move;
    }
}

TEST_F(ResultGridTest, MovingWithoutTheLeftButtonAloneNeitherScrollsNorSelects)
{
    show(scheduleSheet(100));
    press(0, 2);
    const QPoint below(centreOf(0, 1).x(), viewport()->height() + 20);
    moveTo(below, Qt::LeftButton | Qt::RightButton);
    moveTo(below, Qt::NoButton);
    EXPECT_EQ(grid.topRow(), 1);
    EXPECT_EQ(grid.selection(), gridRect(0, 2, 4, 2));
}

TEST_F(ResultGridTest, ScrollingStopsAtTheLastRow)
{
    show(scheduleSheet(40));
    press(0, 2);
    const QPoint below(centreOf(0, 1).x(), viewport()->height() + 20);
    for (int move = 0; move < 80; ++move)
        moveTo(below);
    EXPECT_EQ(grid.topRow(), grid.sheet().rowCount() - grid.visibleRowCount());
    EXPECT_EQ(grid.selection(), gridRect(0, 2, 4, 40));
}

TEST_F(ResultGridTest, ArrowKeysMoveAndShiftExtendsTheRows)
{
    show(scheduleSheet(100));
    grid.setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(grid.selection(), gridRect(2, 2, 4, 2));
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.selection(), gridRect(2, 2, 4, 4));
    key(Qt::Key_Up);
    EXPECT_EQ(grid.selection(), gridRect(2, 3, 4, 3));
    key(Qt::Key_PageDown);
    EXPECT_EQ(grid.selection().top, 3 + grid.visibleRowCount());
    key(Qt::Key_End);
    EXPECT_EQ(grid.selection(), gridRect(2, 100, 4, 100));
    EXPECT_FALSE(grid.cellRect(2, 100).isEmpty());
    EXPECT_LE(grid.cellRect(2, 100).bottom(), viewport()->height() - 1);
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 100));
    EXPECT_EQ(grid.topRow(), 1);
    key(Qt::Key_Up);
    EXPECT_EQ(grid.selection(), gridRect(2, 1, 4, 1));
}

TEST_F(ResultGridTest, UpArrowCursorOverFixedCellsOnly)
{
    show(scheduleSheet(30));
    const struct {
        int column;
        int row;
        Qt::CursorShape shape;
    } cases[] = {{0, 0, Qt::UpArrowCursor}, {1, 5, Qt::UpArrowCursor}, {3, 0, Qt::UpArrowCursor},
                 {2, 5, Qt::ArrowCursor},   {4, 1, Qt::ArrowCursor},   {0, 9, Qt::UpArrowCursor}};
    for (const auto& c : cases) {
        moveTo(centreOf(c.column, c.row), Qt::NoButton);
        EXPECT_EQ(viewport()->cursor().shape(), c.shape) << "cell " << c.column << ", " << c.row;
    }
}

// ---- painting ----

class ResultGridPaintTest : public ResultGridTest {
protected:
    QImage paint() { return viewport()->grab().toImage(); }
    QRgb colour(QPalette::ColorRole role) const { return grid.palette().color(role).rgb(); }

    // The leftmost and rightmost columns inside the rectangle that hold a
    // pixel other than the background.
    static std::pair<int, int> inkSpan(const QImage& image, const QRect& rect, QRgb background)
    {
        int left = rect.right() + 1;
        int right = rect.left() - 1;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (image.pixel(x, y) != background) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return {left, right};
    }
};

TEST_F(ResultGridPaintTest, FixedCellsAreRaisedButtons)
{
    show(scheduleSheet(30));
    const QImage image = paint();
    const QRect cell = grid.cellRect(0, 5);
    EXPECT_EQ(image.pixel(cell.left() + 2, cell.top() + 2), colour(QPalette::Button));
    EXPECT_EQ(image.pixel(cell.left(), cell.center().y()), colour(QPalette::Light));
    EXPECT_EQ(image.pixel(cell.center().x(), cell.top()), colour(QPalette::Light));
    EXPECT_EQ(image.pixel(cell.right(), cell.center().y()), colour(QPalette::Dark));
    EXPECT_EQ(image.pixel(cell.center().x(), cell.bottom()), colour(QPalette::Dark));
    const QRect heading = grid.cellRect(3, 0);
    EXPECT_EQ(image.pixel(heading.left() + 2, heading.top() + 2), colour(QPalette::Button));
}

TEST_F(ResultGridPaintTest, SelectedRowInHighlightOthersInWindowColour)
{
    show(scheduleSheet(30));
    click(3, 4);
    const QImage image = paint();
    for (int column = 2; column <= 4; ++column) {
        const QRect selected = grid.cellRect(column, 4);
        EXPECT_EQ(image.pixel(selected.left() + 1, selected.top() + 1), colour(QPalette::Highlight));
        const QRect plain = grid.cellRect(column, 5);
        EXPECT_EQ(image.pixel(plain.left() + 1, plain.top() + 1), colour(QPalette::Base));
    }
    const QRect rowNumber = grid.cellRect(0, 4);
    EXPECT_EQ(image.pixel(rowNumber.left() + 2, rowNumber.top() + 2), colour(QPalette::Button));
}

// The keyboard's cell carries a frame while the table has the focus, and
// nothing else changes with the focus.
TEST_F(ResultGridPaintTest, FocusFrameMarksOnlyTheKeyboardsCell)
{
    show(scheduleSheet(30));
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    click(3, 4);
    key(Qt::Key_Right);
    ASSERT_TRUE(grid.hasFocus());
    const QImage focused = paint();
    grid.clearFocus();
    const QImage unfocused = paint();
    const QRect cell = grid.cellRect(4, 4);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y))
                ++(cell.contains(x, y) ? inside : outside);
    EXPECT_GE(inside, cell.width() / 2);  // a frame, not a speck
    EXPECT_EQ(outside, 0);
}

TEST_F(ResultGridPaintTest, SelectedHeadingsStayRaisedInHighlight)
{
    show(scheduleSheet(30));
    click(1, 0);
    const QImage image = paint();
    const QRect heading = grid.cellRect(1, 0);
    EXPECT_EQ(image.pixel(heading.left() + 2, heading.top() + 2), colour(QPalette::Highlight));
    EXPECT_EQ(image.pixel(heading.left(), heading.center().y()), colour(QPalette::Light));
    EXPECT_EQ(image.pixel(heading.right(), heading.center().y()), colour(QPalette::Dark));
}

TEST_F(ResultGridPaintTest, GridlinesBetweenValueCellsFollowTheSwitches)
{
    ResultGridOptions options;
    options.verGridlines = true;
    options.horGridlines = false;
    show(scheduleSheet(30), {500, 300}, options);
    QImage image = paint();
    const QRect cell = grid.cellRect(2, 5);
    EXPECT_EQ(grid.cellRect(3, 5).left(), cell.right() + 2);
    EXPECT_EQ(image.pixel(cell.right() + 1, cell.center().y()), colour(QPalette::Mid));
    EXPECT_EQ(grid.cellRect(2, 6).top(), cell.bottom() + 1);

    options.verGridlines = false;
    options.horGridlines = true;
    grid.setOptions(options);
    grid.remeasure();
    image = paint();
    const QRect next = grid.cellRect(2, 5);
    EXPECT_EQ(grid.cellRect(3, 5).left(), next.right() + 1);
    EXPECT_EQ(grid.cellRect(2, 6).top(), next.bottom() + 2);
    EXPECT_EQ(image.pixel(next.center().x(), next.bottom() + 1), colour(QPalette::Mid));
}

TEST_F(ResultGridPaintTest, TextIsRightAlignedInEveryColumnOfAWideTable)
{
    show(scheduleSheet(30));
    const QImage image = paint();
    for (int column = 0; column <= 4; ++column) {
        const QRect cell = grid.cellRect(column, 5);
        const QRgb background = column < 2 ? colour(QPalette::Button) : colour(QPalette::Base);
        const QRect inside = column < 2 ? cell.adjusted(2, 2, -2, -2) : cell;
        const auto [left, right] = inkSpan(image, inside, background);
        const int textRight = cell.right() - (column < 2 ? 4 : 3);
        EXPECT_LE(right, textRight) << "column " << column;
        EXPECT_GE(right, textRight - 3) << "column " << column;
        // The date column is as wide as its text; elsewhere the room is on the left.
        if (column != 1) {
            EXPECT_GT(left - cell.left(), cell.right() - right + 3) << "column " << column;
        }
    }
}

TEST_F(ResultGridPaintTest, TextIsCentredInASingleColumn)
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 3, 0, 0, {});
    sheet.setCell(0, 1, "1.00");
    show(std::move(sheet));
    const QImage image = paint();
    const QRect cell = grid.cellRect(0, 1);
    const auto [left, right] = inkSpan(image, cell, colour(QPalette::Base));
    ASSERT_LT(left, right);
    EXPECT_NEAR(left - cell.left(), cell.right() - right, 3);
}

TEST_F(ResultGridPaintTest, LabelColumnOfARatioSheetIsRaisedAndRightAligned)
{
    show(ratioSheet());
    const QImage image = paint();
    const QRect label = grid.cellRect(0, 1);
    EXPECT_EQ(image.pixel(label.left() + 2, label.top() + 2), colour(QPalette::Button));
    const auto [left, right] = inkSpan(image, label.adjusted(2, 2, -2, -2), colour(QPalette::Button));
    EXPECT_GT(left - label.left(), label.right() - right + 10);
    EXPECT_GE(right, label.right() - 7);
}

}  // namespace
}  // namespace pecunor
