#include <QPaintEvent>
#include <QPainter>

#include "result_grid.h"

// How the result table paints its visible cells.
namespace pecunor {

void ResultGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    const int bottom = viewport()->height();
    const QRect dirty = event->rect().adjusted(-1, -1, 1, 1);
    const auto paintRow = [&](int row, int top) {
        // The scrolled columns pass under the fixed ones, which are painted last.
        painter.setClipRect(QRect(pinnedWidth(), 0, viewport()->width(), bottom));
        for (int column = sheet_.columnCount() - 1; column >= 0; --column) {
            if (column == pinnedColumns_ - 1)
                painter.setClipping(false);
            const QRect rect(columnX(column), top, columnWidths_[static_cast<std::size_t>(column)], heightOfRow(row));
            if (rect.intersects(dirty))
                paintCell(painter, {column, row}, rect);
        }
        painter.setClipping(false);
    };
    for (int row = 0; row < sheet_.fixedRows(); ++row)
        paintRow(row, cellRect(0, row).top());
    for (int row = topRow(), top = fixedRowsHeight(); row < sheet_.rowCount() && top < bottom; ++row, top += rowPitch())
        paintRow(row, top);
}

void ResultGrid::paintCell(QPainter& painter, const Cell& cell, const QRect& rect) const
{
    QRect area = rect;
    QColor background = palette().color(QPalette::Base);
    QColor ink = palette().color(QPalette::Text);
    if (isFixed(cell)) {
        paintRaisedEdge(painter, rect);
        area = rect.adjusted(1, 1, -1, -1);
        background = palette().color(QPalette::Button);
        ink = palette().color(QPalette::ButtonText);
    } else {
        paintGridlines(painter, rect);
    }
    if (selection_.contains(cell.column, cell.row)) {
        background = palette().color(QPalette::Highlight);
        ink = palette().color(QPalette::HighlightedText);
    }
    painter.fillRect(area, background);
    if (hasFocus() && cell.row == currentRow() && cell.column == currentColumn())
        paintFocusFrame(painter, area, ink);

    const QRect textArea = cellTextArea(cell, rect);
    if (sheet_.cell(cell.column, cell.row).empty() || textArea.isEmpty())
        return;
    painter.setPen(ink);
    if (isHeader(cell)) {
        painter.drawText(textArea, textAlignment() | Qt::AlignVCenter, shownHeader(cell.column));
        return;
    }
    painter.drawText(textArea, textAlignment() | Qt::AlignVCenter | Qt::TextSingleLine,
                     shownText(cellText(cell.column, cell.row), textArea.width()));
}

void ResultGrid::paintFocusFrame(QPainter& painter, const QRect& area, const QColor& ink) const
{
    // Dotted in the text's colour: it shows on a selected row as on a plain one.
    painter.save();
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawRect(area.adjusted(2, 2, -3, -3));
    painter.restore();
}

void ResultGrid::paintRaisedEdge(QPainter& painter, const QRect& rect) const
{
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    // The gaps where value cells have their lines stay plain face colour.
    painter.fillRect(QRect(x, y, w + verticalLineWidth(), h + horizontalLineWidth()),
                     palette().color(QPalette::Button));
    const QColor light = palette().color(QPalette::Light);
    painter.fillRect(QRect(x, y, 1, h), light);
    painter.fillRect(QRect(x, y, w, 1), light);
    const QColor shadow = palette().color(QPalette::Dark);
    painter.fillRect(QRect(x + 1, y + h - 1, w - 2, 1), shadow);
    painter.fillRect(QRect(x + w - 1, y + 1, 1, h - 1), shadow);
}

void ResultGrid::paintGridlines(QPainter& painter, const QRect& rect) const
{
    const QColor line = palette().color(QPalette::Mid);
    painter.fillRect(QRect(rect.right() + 1, rect.y(), verticalLineWidth(), rect.height() + horizontalLineWidth()),
                     line);
    painter.fillRect(QRect(rect.x(), rect.bottom() + 1, rect.width(), horizontalLineWidth()), line);
}

}  // namespace pecunor
