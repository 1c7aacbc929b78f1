#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "mainwindow/column_fit.h"
#include "mainwindow/result_grid.h"
#include "mainwindow/summary_fit.h"

namespace pecunor {
namespace {

QFont tableFont()
{
    QFont font("Courier New");
    font.setPointSize(10);
    return font;
}

enum class Cut { None, Left, Right };

struct FitCase {
    const char* name;
    const char* text;
    const char* room;  // the width given is this text's
    Qt::Alignment alignment;
    Cut cut;
};

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

class FittedCellText : public ::testing::TestWithParam<FitCase> { };

// Whole when it fits; else as much of it as fits, with "…" where it was cut.
TEST_P(FittedCellText, ElidesOnTheSideWhereTheCellCutsIt)
{
    const FitCase& c = GetParam();
    const QFontMetricsF metrics(tableFont());
    const QString text = QString::fromUtf8(c.text);
    const qreal width = metrics.horizontalAdvance(QString::fromUtf8(c.room));
    const QString shown = fittedCellText(text, metrics, width, c.alignment);
    EXPECT_LE(metrics.horizontalAdvance(shown), width);
    const QString ellipsis(QChar(0x2026));
    switch (c.cut) {
    case Cut::None: EXPECT_EQ(shown, text); break;
    case Cut::Left:
        ASSERT_TRUE(shown.startsWith(ellipsis)) << shown.toStdString();
        EXPECT_TRUE(text.endsWith(shown.mid(1)));
        EXPECT_GT(metrics.horizontalAdvance(ellipsis + text.right(shown.size() + 1)), width) << "room left unused";
        break;
    case Cut::Right:
        ASSERT_TRUE(shown.endsWith(ellipsis)) << shown.toStdString();
        EXPECT_TRUE(text.startsWith(shown.chopped(1)));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FittedCellText,
                         ::testing::Values(FitCase{"FitsWhole", "1,331.00", "1,331.00", Qt::AlignRight, Cut::None},
                                           FitCase{"RightAlignedLosesItsLeft", "12,345,678,901,234,567.00",
                                                   "345,678,901,234,567.00", Qt::AlignRight, Cut::Left},
                                           FitCase{"ExponentKeepsItsEnd", "$7.68123456789012E+416", "$7.6812345E+416",
                                                   Qt::AlignRight, Cut::Left},
                                           FitCase{"CentredLosesItsRight", "Coupon Rate", "Coupon", Qt::AlignHCenter,
                                                   Cut::Right}),
                         [](const auto& info) { return std::string(info.param.name); });

// A schedule whose first amount is far wider than the rest.
ResultSheet wideAmounts(const char* wide = "$12,345,678,901,234,567.00")
{
    ResultSheet sheet(SheetKind::Schedule);
    // Longer than the rows measured one by one: the sheet's longest texts size the columns.
    sheet.dimensionGrid(3, 100, 2, 1, {"#", "Date", "Payment/Month", "Interest/Month", "Accumulated Total"});
    for (int row = 1; row <= 100; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "10/30/2000");
        sheet.setCell(2, row, "$860.29");
        sheet.setCell(3, row, row == 70 ? "($1,083.33)" : "$1.00");
        sheet.setCell(4, row, row == 50 ? wide : "$1.00");
    }
    return sheet;
}

ResultSheet ratioLabels()
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 2, 1, 0, {});
    sheet.setCell(0, 0, "Kurs-Gewinn-Verh\xC3\xA4ltnis (Aktien)");
    sheet.setCell(1, 0, "12,345,678,901.00");
    sheet.setCell(0, 1, "Price");
    sheet.setCell(1, 1, "1.00");
    return sheet;
}

struct WholeCase {
    const char* name;
    ResultSheet (*sheet)();
    int width;
    int points;
    bool scrolls;
    // Fixed columns wider than half the view scroll with the rest.
    bool fixedStay;
};

void PrintTo(const WholeCase& c, std::ostream* out) { *out << c.name; }

class EveryFigureWhole : public ::testing::TestWithParam<WholeCase> { };

// Each column holds its widest text; a table wider than its view scrolls
// sideways, the fixed columns staying in place, until the last column
// shows whole; no figure cell is ever shortened.
TEST_P(EveryFigureWhole, ColumnsHoldTheirWidestTextAndScrollInsteadOfCutting)
{
    const WholeCase& c = GetParam();
    ResultGrid grid;
    ResultGridOptions options;
    options.font = {"Courier New", c.points, false, false};
    grid.setOptions(options);
    grid.resize(c.width, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setSheet(c.sheet());
    grid.remeasure();
    QCoreApplication::processEvents();

    const ResultSheet& sheet = grid.sheet();
    const QFontMetricsF metrics(grid.font());
    for (int column = 0; column < sheet.columnCount(); ++column) {
        for (int row = sheet.fixedRows(); row < sheet.rowCount(); ++row) {
            const QString text = grid.cellText(column, row);
            EXPECT_GE(grid.columnWidths()[column] - 6, metrics.horizontalAdvance(text)) << text.toStdString();
        }
    }
    EXPECT_EQ(grid.horizontalScrollBar()->isVisible(), c.scrolls);
    const int last = sheet.columnCount() - 1;
    const int firstRow = sheet.fixedRows();
    const QRect fixedBefore = grid.cellRect(0, firstRow);
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    const QRect lastCell = grid.cellRect(last, firstRow);
    EXPECT_GE(lastCell.left(), 0);
    EXPECT_LE(lastCell.right(), grid.viewport()->width() - 1) << "the last column can be scrolled into view";
    EXPECT_EQ(grid.cellRect(0, firstRow) == fixedBefore, c.fixedStay);
    for (int row = firstRow; row < std::min(sheet.rowCount(), firstRow + 8); ++row)
        EXPECT_EQ(grid.cellToolTip(last, row), QString()) << "shown whole, row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    Views, EveryFigureWhole,
    ::testing::Values(WholeCase{"WideView", [] { return wideAmounts("$1,234.00"); }, 700, 10, false, true},
                      WholeCase{"NarrowView", [] { return wideAmounts(); }, 300, 10, true, true},
                      WholeCase{"LargeFont", [] { return wideAmounts("$199,816.05"); }, 500, 48, true, false},
                      WholeCase{"RatioLabelsInANarrowView", ratioLabels, 260, 10, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderCase {
    const char* name;
    const char* header;
    const char* room;  // the width given is this text's
    const char* shown;
};

void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }

class HeaderBreaks : public ::testing::TestWithParam<HeaderCase> { };

// A header breaks after "/" or at a blank rather than taking width from the
// figures; only a word too long for its column alone is shortened.
TEST_P(HeaderBreaks, OntoMoreLinesAndShortensOnlyAWordThatCannotFit)
{
    const HeaderCase& c = GetParam();
    const QFontMetricsF metrics(tableFont());
    const HeaderLines lines =
        breakHeader(QString::fromUtf8(c.header), metrics, metrics.horizontalAdvance(QString::fromUtf8(c.room)));
    const QString expected = QString::fromUtf8(c.shown);
    const QString ellipsis(QChar(0x2026));
    EXPECT_EQ(lines.count, lines.text.count('\n') + 1);
    EXPECT_EQ(lines.cut, expected.contains(ellipsis));
    if (!lines.cut) {
        EXPECT_EQ(lines.text, expected);
        return;
    }
    // A shortened word keeps as much of its beginning as fits.
    const QString shown = lines.text.section('\n', 0, 0);
    ASSERT_TRUE(shown.endsWith(ellipsis)) << shown.toStdString();
    EXPECT_TRUE(expected.startsWith(shown.chopped(1)));
    EXPECT_EQ(lines.text.section('\n', 1), expected.section('\n', 1));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderBreaks,
    ::testing::Values(HeaderCase{"FitsOnOneLine", "Payment/Month", "Payment/Month", "Payment/Month"},
                      HeaderCase{"BreaksAfterTheSlash", "Payment/Month", "Payment/", "Payment/\nMonth"},
                      HeaderCase{"BreaksAtTheBlank", "Accumulated Total", "Accumulated", "Accumulated\nTotal"},
                      HeaderCase{"KeepsTheSlashWithItsWord", "Durchschn. Zinsen / Quartal", "Durchschn. Zinsen",
                                 "Durchschn.\nZinsen / Quartal"},
                      HeaderCase{"ShortensAWordTooLong", "Accumulated Total", "Total", "Accumulated\u2026\nTotal"}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the figures fit but the headers' words do not, a header is
// shortened rather than the table scrolled, and shows its whole text as a
// tip; the figures below it need none.
TEST(CellToolTip, IsTheWholeTextOfAShortenedHeader)
{
    ResultGrid grid;
    grid.resize(360, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setSheet(wideAmounts("$1.00"));
    grid.remeasure();

    EXPECT_EQ(grid.cellToolTip(4, 0), QStringLiteral("Accumulated Total"));
    EXPECT_EQ(grid.cellToolTip(0, 0), QString());
    EXPECT_EQ(grid.cellToolTip(1, 1), QString()) << "the date column holds its dates";
    EXPECT_GT(grid.headerHeight(), grid.rowHeight()) << "the headers take more lines";
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());

    const QRect header = grid.cellRect(4, 0);
    QHelpEvent hover(QEvent::ToolTip, header.center(), grid.viewport()->mapToGlobal(header.center()));
    QCoreApplication::sendEvent(grid.viewport(), &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Accumulated Total"));
}

struct SummaryCase {
    const char* name;
    int width;
    bool valueCut;
    bool captionCut;
};

void PrintTo(const SummaryCase& c, std::ostream* out) { *out << c.name; }

class FitSummary : public ::testing::TestWithParam<SummaryCase> { };

// Every line stays whole or is marked and has its whole text as its tip; the
// block never passes its width.
TEST_P(FitSummary, ShortensOnlyWhatDoesNotFitAndMarksIt)
{
    const SummaryCase& c = GetParam();
    const QFontMetricsF metrics(tableFont());
    const QStringList captions = {QString::fromUtf8("Future Value :\u00a0"),
                                  QString::fromUtf8("Average Interest / Year :\u00a0")};
    const QStringList values = {QStringLiteral("$7.68123456789012E+416"), QStringLiteral("10.00%")};
    const FittedSummary fitted = fitSummary(captions, values, metrics, c.width);

    qreal captionsWidth = 0;
    qreal valuesWidth = 0;
    for (int line = 0; line < 2; ++line) {
        captionsWidth = std::max(captionsWidth, metrics.horizontalAdvance(fitted.captions[line]));
        valuesWidth = std::max(valuesWidth, metrics.horizontalAdvance(fitted.values[line]));
    }
    EXPECT_LE(captionsWidth + valuesWidth, c.width);
    EXPECT_EQ(fitted.values[0] != values[0], c.valueCut);
    EXPECT_EQ(fitted.captions[1] != captions[1], c.captionCut);
    EXPECT_EQ(fitted.values[1], values[1]) << "a short value stays whole";
    const QString ellipsis(QChar(0x2026));
    if (c.valueCut) {
        EXPECT_TRUE(fitted.values[0].startsWith(ellipsis) && values[0].endsWith(fitted.values[0].mid(1)));
    }
    if (c.captionCut) {
        const QString& shown = fitted.captions[1];
        EXPECT_TRUE(shown.isEmpty() || (shown.endsWith(ellipsis) && captions[1].startsWith(shown.chopped(1))));
    }
    EXPECT_EQ(fitted.tips[0], c.valueCut ? QStringLiteral("Future Value : $7.68123456789012E+416") : QString());
    EXPECT_EQ(fitted.tips[1], c.captionCut ? QStringLiteral("Average Interest / Year : 10.00%") : QString());
}

INSTANTIATE_TEST_SUITE_P(Widths, FitSummary,
                         ::testing::Values(SummaryCase{"Wide", 600, false, false},
                                           SummaryCase{"CaptionsYieldFirst", 330, false, true},
                                           SummaryCase{"ValueWiderThanTheRoom", 150, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
