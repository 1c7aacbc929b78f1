#pragma once

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "mainwindow/frm_calc.h"
#include "painted_texts.h"

namespace pecunor::test {

// Texts of one painting that stand whole inside the view: inside its edges
// and overlapping no other text, so that none reads as another number.
inline std::set<std::string> wholeTexts(const std::vector<PaintedText>& texts, int viewWidth)
{
    std::set<std::string> whole;
    for (const PaintedText& text : texts) {
        bool alone = text.box.left() >= 0 && text.box.right() <= viewWidth;
        for (const PaintedText& other : texts)
            if (&other != &text && other.box.intersects(text.box.adjusted(0.5, 0.5, -0.5, -0.5)))
                alone = false;
        if (alone)
            whole.insert(text.text.toStdString());
    }
    return whole;
}

// What the Calculator page shows of the result, read from its painting: every
// cell of the rows in view, whole at the table's first view or, where it
// scrolls sideways, at some position of its scroll bar; every header with
// all its words; every summary figure whole. Returns whether it scrolled.
inline bool expectResultShownWhole(TfrmCalc& w)
{
    ResultGrid& grid = *w.sgrFin;
    const ResultSheet& sheet = grid.sheet();
    QScrollBar& side = *grid.horizontalScrollBar();
    std::set<std::string> seen;
    for (int position = 0;; position += side.singleStep()) {
        side.setValue(position);
        const std::set<std::string> now = wholeTexts(PaintedTexts::of(grid.viewport()), grid.viewport()->width());
        seen.insert(now.begin(), now.end());
        if (position >= side.maximum())
            break;
    }
    side.setValue(0);
    const int lastRow = std::min(sheet.rowCount() - 1, grid.topRow() + grid.visibleRowCount() - 1);
    EXPECT_GE(lastRow, sheet.fixedRows()) << "no row in view";
    for (int row = sheet.fixedRows(); row <= lastRow; ++row)
        for (int column = 0; column < sheet.columnCount(); ++column)
            EXPECT_TRUE(seen.count(std::string(sheet.cell(column, row))))
                << "cell " << column << ", " << row << " \"" << sheet.cell(column, row) << "\" never shown whole";
    for (int column = 0; sheet.fixedRows() > 0 && column < sheet.columnCount(); ++column) {
        QString words = grid.shownHeader(column);
        EXPECT_FALSE(words.contains(QChar(0x2026))) << words.toStdString();
        EXPECT_EQ(words.remove('\n').remove(' '), grid.cellText(column, 0).remove(' '));
    }
    const std::set<std::string> figures = wholeTexts(PaintedTexts::of(w.lblRight), w.lblRight->width());
    for (const QString& value : QString::fromStdString(sheet.summaryValues()).split('\n'))
        EXPECT_TRUE(value.isEmpty() || figures.count(value.toStdString())) << value.toStdString();
    EXPECT_GE(w.lblLeft->x(), 0);
    EXPECT_LE(w.lblRight->geometry().right(), w.tabCalc->width() - 1);
    return side.maximum() > 0;
}

}  // namespace pecunor::test
