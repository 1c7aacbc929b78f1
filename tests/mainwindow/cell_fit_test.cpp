#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "result_grid.h"
#include "summary_fit.h"

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

class FittedCellText : public ::testing::TestWithParam<FitCase> {};

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

INSTANTIATE_TEST_SUITE_P(
    Texts, FittedCellText,
    ::testing::Values(FitCase{"FitsWhole", "1,331.00", "1,331.00", Qt::AlignRight, Cut::None},
                      FitCase{"RightAlignedLosesItsLeft", "12,345,678,901,234,567.00", "345,678,901,234,567.00",
                              Qt::AlignRight, Cut::Left},
                      FitCase{"ExponentKeepsItsEnd", "$7.68123456789012E+416", "$7.6812345E+416", Qt::AlignRight,
                              Cut::Left},
                      FitCase{"CentredLosesItsRight", "Coupon Rate", "Coupon", Qt::AlignHCenter, Cut::Right}),
    [](const auto& info) { return std::string(info.param.name); });

// A schedule whose amounts are wider than a narrow table's value columns.
ResultSheet wideAmounts()
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(1, 40, 2, 1, {"#", "Date", "Accumulated Total"});
    for (int row = 1; row <= 40; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "10/30/2000");
        sheet.setCell(2, row, row == 1 ? "$12,345,678,901,234,567.00" : "$1.00");
    }
    return sheet;
}

TEST(CellToolTip, IsTheWholeTextOfAnElidedCellInView)
{
    ResultGrid grid;
    grid.resize(260, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setSheet(wideAmounts());
    grid.remeasure();

    EXPECT_EQ(grid.cellToolTip(2, 1), QStringLiteral("$12,345,678,901,234,567.00"));
    EXPECT_EQ(grid.cellToolTip(2, 2), QString()) << "a cell that fits needs no tip";
    EXPECT_EQ(grid.cellToolTip(0, 1), QString());
    EXPECT_EQ(grid.cellToolTip(1, 1), QString()) << "the date column holds its dates";

    // Hovering shows the tip where the cell is.
    QHelpEvent hover(QEvent::ToolTip, grid.cellRect(2, 1).center(),
                     grid.viewport()->mapToGlobal(grid.cellRect(2, 1).center()));
    QCoreApplication::sendEvent(grid.viewport(), &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("$12,345,678,901,234,567.00"));

    grid.setSelection(gridRect(0, 40, 2, 40));
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    EXPECT_EQ(grid.cellToolTip(2, 1), QString()) << "scrolled out of view";
}

struct SummaryCase {
    const char* name;
    int width;
    bool valueCut;
    bool captionCut;
};

void PrintTo(const SummaryCase& c, std::ostream* out) { *out << c.name; }

class FitSummary : public ::testing::TestWithParam<SummaryCase> {};

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
        EXPECT_TRUE(fitted.captions[1].endsWith(ellipsis) && captions[1].startsWith(fitted.captions[1].chopped(1)));
    }
    EXPECT_EQ(fitted.tips[0], c.valueCut ? QStringLiteral("Future Value : $7.68123456789012E+416") : QString());
    EXPECT_EQ(fitted.tips[1], c.captionCut ? QStringLiteral("Average Interest / Year : 10.00%") : QString());
}

INSTANTIATE_TEST_SUITE_P(Widths, FitSummary,
                         ::testing::Values(SummaryCase{"Wide", 600, false, false},
                                           SummaryCase{"ValueLosesItsBeginning", 330, true, false},
                                           SummaryCase{"BothHalves", 200, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
