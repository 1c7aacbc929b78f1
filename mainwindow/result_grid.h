#pragma once

#include <QAbstractScrollArea>
#include <QFontMetricsF>
#include <QString>

#include <optional>
#include <vector>

#include "column_fit.h"
#include "engine/font_record.h"
#include "engine/result_sheet.h"
#include "grid_selection.h"

namespace pecunor {

struct ResultGridOptions {
    bool horGridlines = true;
    bool verGridlines = true;
    bool stretched = false;
    FontRecord font;
    // 30 October 2000 in the sheet date format: the date column is as wide as this text.
    QString dateSample = QStringLiteral("10/30/2000");
};

// A cell's text as it fits into width pixels: whole, or elided with "…" on the
// side where the cell cuts it (the left of a right-aligned text).
QString fittedCellText(const QString& text, const QFontMetricsF& metrics, qreal width, Qt::Alignment alignment);

// The result table. It keeps the sheet it shows and paints only the visible
// cells straight from it, so a 10,000-row table costs no more than a short one.
// Value cells are selected as whole rows; header cells select rows or columns.
// Within the current row, Left and Right move the keyboard's cell, which
// carries a focus frame and is what a screen reader speaks.
// Every column is at least as wide as its widest figure: where the figures
// need more than the view, the table scrolls sideways with its fixed columns
// kept in place, rather than cutting a figure. Headers break onto more lines
// instead of taking width from the figures.
class ResultGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultGrid(QWidget* parent = nullptr);

    // A new sheet starts scrolled to the top with its own selection, or else
    // with its first data row selected.
    void setSheet(ResultSheet sheet);
    const ResultSheet& sheet() const { return sheet_; }

    // Gridlines show at once; font, stretching and widths at the next remeasure().
    void setOptions(const ResultGridOptions& options);
    const ResultGridOptions& options() const { return options_; }

    // Applies the font and measures the row height and the column widths for
    // the current sheet and size.
    void remeasure();

    GridRect selection() const { return selection_.rect(); }
    bool isSelected(int column, int row) const { return selection_.contains(column, row); }
    void setSelection(const GridRect& rect);
    // The row the keyboard stands on.
    int currentRow() const { return selection_.currentRow(); }
    // The column of the keyboard's cell in the current row.
    int currentColumn() const { return selection_.currentColumn(); }
    // Selects a data row as a click on it does, scrolled into view.
    void selectDataRow(int row);
    int selectionAnchor() const { return selection_.selectionAnchor(); }

    // In viewport coordinates, without the gridline; empty for a cell that is
    // scrolled out of view or does not exist.
    QRect cellRect(int column, int row) const;
    const std::vector<int>& columnWidths() const { return columnWidths_; }
    int rowHeight() const { return rowHeight_; }
    // The header row's height: more than a row's where a header needs more lines.
    int headerHeight() const { return headerHeight_; }
    // The header as painted, its lines joined by "\n".
    QString shownHeader(int column) const;
    // The table's outer width that shows every column, beside a vertical scroll
    // bar, without scrolling sideways.
    int widthForAllColumns() const;
    // The first non-fixed row in view.
    int topRow() const;
    // Non-fixed rows that fit completely in view.
    int visibleRowCount() const;
    // A cell's whole text, as the sheet holds it.
    QString cellText(int column, int row) const;
    // The whole text of a cell in view that is shown elided; empty when it fits.
    QString cellToolTip(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Cell {
        int column;
        int row;
    };

    GridShape shape() const;
    int verticalLineWidth() const { return options_.verGridlines ? 1 : 0; }
    int horizontalLineWidth() const { return options_.horGridlines ? 1 : 0; }
    int rowPitch() const { return rowHeight_ + horizontalLineWidth(); }
    int fixedRowsHeight() const;
    int heightOfRow(int row) const { return row == 0 && sheet_.fixedRows() > 0 ? headerHeight_ : rowHeight_; }
    // A column's left edge in the whole table, and in the view as scrolled.
    int columnLeft(int column) const;
    int columnX(int column) const;
    int pinnedWidth() const { return columnLeft(pinnedColumns_); }
    // The gridline after the last column may lie beyond the view.
    int tableWidth() const { return columnLeft(sheet_.columnCount()) - verticalLineWidth(); }
    bool isFixed(const Cell& cell) const;
    // A cell of the header row, painted on as many lines as its header needs.
    bool isHeader(const Cell& cell) const;

    std::vector<ColumnNeeds> columnNeeds(const QFontMetricsF& metrics) const;
    void shareColumns(const std::vector<ColumnNeeds>& needs);
    void breakHeaders(const QFontMetricsF& metrics);
    void updateScrollRange();
    void layoutViewport();
    void setTopRow(int row);
    void scrollRowIntoView(int row);
    // Left and Right: the keyboard's cell within the current row.
    void moveCurrentColumn(int column);
    // Scrolls sideways until the column shows beside the pinned ones, wholly where it fits.
    void scrollColumnIntoView(int column);
    void autoScroll(int pointerRow);

    // The cell under a point, or nothing outside the cells.
    std::optional<Cell> cellAt(QPoint point) const;
    // The cell nearest to a point, also beyond the viewport, for drags.
    Cell nearestCell(QPoint point) const;
    void updateCursor(QPoint point);

    QRect cellTextArea(const Cell& cell, const QRect& rect) const;
    Qt::Alignment textAlignment() const;
    QString shownText(const QString& whole, int width) const;
    // Tells a listening screen reader which cell the keyboard is on now.
    void notifyCurrentCell();
    void paintCell(QPainter& painter, const Cell& cell, const QRect& rect) const;
    void paintFocusFrame(QPainter& painter, const QRect& area, const QColor& ink) const;
    void paintRaisedEdge(QPainter& painter, const QRect& rect) const;
    void paintGridlines(QPainter& painter, const QRect& rect) const;

    ResultSheet sheet_{SheetKind::Schedule};
    ResultGridOptions options_;
    GridSelection selection_;
    std::vector<int> columnWidths_;
    // What each column must hold: its widest figure and its header's longest word.
    std::vector<int> leastWidths_;
    std::vector<HeaderLines> headers_;
    int rowHeight_ = 0;
    int headerHeight_ = 0;
    // The fixed columns that stay in place while the others scroll sideways.
    int pinnedColumns_ = 0;
    qreal widestCharacter_ = 0;
    bool upArrowShown_ = false;
};

}  // namespace pecunor
