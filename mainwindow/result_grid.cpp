#include "result_grid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>

#include "font_record_qt.h"

namespace pecunor {

namespace {

// The width a column has before the first measuring.
constexpr int defaultColumnWidth = 64;

}  // namespace

ResultGrid::ResultGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("sgrFin"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(1);
    remeasure();
}

GridShape ResultGrid::shape() const
{
    return {sheet_.columnCount(), sheet_.rowCount(), sheet_.fixedColumns(), sheet_.fixedRows()};
}

void ResultGrid::setSheet(ResultSheet sheet)
{
    sheet_ = std::move(sheet);
    // Columns the last measuring did not know keep a default width until the next one.
    columnWidths_.resize(static_cast<std::size_t>(sheet_.columnCount()), defaultColumnWidth);
    selection_.reset(shape(), sheet_.selection());
    updateScrollRange();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void ResultGrid::setOptions(const ResultGridOptions& options)
{
    options_ = options;
    updateScrollRange();
    viewport()->update();
}

void ResultGrid::setSelection(const GridRect& rect)
{
    selection_.set(rect);
    viewport()->update();
}

void ResultGrid::remeasure()
{
    const QFont tableFont = fontFromRecord(options_.font);
    if (font() != tableFont)
        setFont(tableFont);
    // A hidden table gets its resize event only when shown; measure its present size.
    layoutViewport();
    const QFontMetrics metrics = fontMetrics();
    const int normalHeight = metrics.height() + 6;
    rowHeight_ = normalHeight;
    if (options_.stretched && sheet_.rowCount() > 0)
        rowHeight_ = std::max(viewport()->height() / sheet_.rowCount() - 1, normalHeight);
    // The row height decides whether the scroll bar takes part of the width.
    updateScrollRange();
    measureColumns(metrics);
    viewport()->update();
}

void ResultGrid::measureColumns(const QFontMetrics& metrics)
{
    const int columns = sheet_.columnCount();
    columnWidths_.assign(static_cast<std::size_t>(columns), 0);
    const int lines = verticalLineWidth();
    if (columns <= 2) {
        for (int& width : columnWidths_)
            width = (this->width() - lines) / 2;
        return;
    }
    columnWidths_[0] = metrics.horizontalAdvance(QString::number(sheet_.rowCount())) + 8;
    columnWidths_[1] = metrics.horizontalAdvance(options_.dateSample) + 6;
    const int shared = std::max(columns - sheet_.fixedColumns(), 1);
    const int free = viewport()->width() - columnWidths_[0] - columnWidths_[1] - lines * (shared + 1);
    std::fill(columnWidths_.begin() + 2, columnWidths_.end(), std::max(free / shared, 0));
}

void ResultGrid::updateScrollRange()
{
    const int visible = visibleRowCount();
    QScrollBar* bar = verticalScrollBar();
    const bool wasNeeded = bar->maximum() > 0;
    bar->setRange(0, std::max(sheet_.rowCount() - sheet_.fixedRows() - visible, 0));
    bar->setPageStep(std::max(visible, 1));
    // Qt shows or hides the bar only later; the widths must see the new viewport now.
    if (wasNeeded != (bar->maximum() > 0))
        layoutViewport();
}

void ResultGrid::layoutViewport()
{
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &layoutRequest);
}

int ResultGrid::topRow() const
{
    return sheet_.fixedRows() + verticalScrollBar()->value();
}

int ResultGrid::visibleRowCount() const
{
    if (rowPitch() <= 0)
        return 0;
    return std::max((viewport()->height() - fixedRowsHeight()) / rowPitch(), 0);
}

void ResultGrid::setTopRow(int row)
{
    verticalScrollBar()->setValue(row - sheet_.fixedRows());
}

void ResultGrid::scrollRowIntoView(int row)
{
    if (row < topRow())
        setTopRow(row);
    else if (row >= topRow() + visibleRowCount())
        setTopRow(row - std::max(visibleRowCount(), 1) + 1);
}

void ResultGrid::autoScroll(int pointerRow)
{
    const int top = topRow();
    const int visible = visibleRowCount();
    if (pointerRow >= top + visible)
        setTopRow(std::min(top + 1, sheet_.rowCount() - visible));
    else if (pointerRow <= sheet_.fixedRows())
        setTopRow(std::max(top - 1, sheet_.fixedRows()));
}

int ResultGrid::columnLeft(int column) const
{
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += columnWidths_[static_cast<std::size_t>(c)] + verticalLineWidth();
    return left;
}

bool ResultGrid::isFixed(const Cell& cell) const
{
    return cell.column < sheet_.fixedColumns() || cell.row < sheet_.fixedRows();
}

QRect ResultGrid::cellRect(int column, int row) const
{
    if (column < 0 || column >= sheet_.columnCount() || row < 0 || row >= sheet_.rowCount())
        return {};
    int top = row * rowPitch();
    if (row >= sheet_.fixedRows()) {
        if (row < topRow())
            return {};
        top = fixedRowsHeight() + (row - topRow()) * rowPitch();
    }
    if (top >= viewport()->height())
        return {};
    return {columnLeft(column), top, columnWidths_[static_cast<std::size_t>(column)], rowHeight_};
}

ResultGrid::Cell ResultGrid::nearestCell(QPoint point) const
{
    Cell cell{0, 0};
    int right = 0;
    for (int c = 0; c < sheet_.columnCount(); ++c) {
        cell.column = c;
        right += columnWidths_[static_cast<std::size_t>(c)] + verticalLineWidth();
        if (point.x() < right)
            break;
    }
    const int y = std::max(point.y(), 0);
    if (y < fixedRowsHeight())
        cell.row = y / rowPitch();
    else
        cell.row = topRow() + (y - fixedRowsHeight()) / rowPitch();
    cell.row = std::clamp(cell.row, 0, std::max(sheet_.rowCount() - 1, 0));
    return cell;
}

std::optional<ResultGrid::Cell> ResultGrid::cellAt(QPoint point) const
{
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0 || point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int tableWidth = columnLeft(sheet_.columnCount());
    const int tableHeight = fixedRowsHeight() + (sheet_.rowCount() - topRow()) * rowPitch();
    if (point.x() >= tableWidth || point.y() >= tableHeight)
        return std::nullopt;
    return nearestCell(point);
}

void ResultGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ResultGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ResultGrid::mousePressEvent(QMouseEvent* event)
{
    const std::optional<Cell> cell = cellAt(event->position().toPoint());
    if (!cell)
        return;
    if (isFixed(*cell))
        selection_.pressHeader(cell->column, cell->row);
    else if (event->button() == Qt::LeftButton)
        selection_.pressDataRow(cell->row, event->modifiers().testFlag(Qt::ShiftModifier));
    viewport()->update();
}

void ResultGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    updateCursor(point);
    if (event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier)
        return;
    const Cell cell = nearestCell(point);
    autoScroll(cell.row);
    selection_.dragTo(cell.column, cell.row);
    viewport()->update();
}

void ResultGrid::mouseReleaseEvent(QMouseEvent*)
{
    selection_.release();
}

void ResultGrid::updateCursor(QPoint point)
{
    const std::optional<Cell> cell = cellAt(point);
    const bool overFixed = cell && isFixed(*cell);
    if (overFixed == upArrowShown_)
        return;
    upArrowShown_ = overFixed;
    if (overFixed)
        viewport()->setCursor(Qt::UpArrowCursor);
    else
        viewport()->unsetCursor();
}

void ResultGrid::keyPressEvent(QKeyEvent* event)
{
    const int current = selection_.currentRow();
    const int page = std::max(visibleRowCount(), 1);
    int target = current;
    switch (event->key()) {
    case Qt::Key_Up: target = current - 1; break;
    case Qt::Key_Down: target = current + 1; break;
    case Qt::Key_PageUp: target = current - page; break;
    case Qt::Key_PageDown: target = current + page; break;
    case Qt::Key_Home: target = sheet_.fixedRows(); break;
    case Qt::Key_End: target = sheet_.rowCount() - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    selection_.moveCurrentRow(target, event->modifiers().testFlag(Qt::ShiftModifier));
    scrollRowIntoView(selection_.currentRow());
    viewport()->update();
}

void ResultGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    const int bottom = viewport()->height();
    const auto paintRow = [&](int row, int top) {
        for (int column = 0; column < sheet_.columnCount(); ++column) {
            const QRect rect(columnLeft(column), top, columnWidths_[static_cast<std::size_t>(column)], rowHeight_);
            if (rect.intersects(event->rect().adjusted(-1, -1, 1, 1)))
                paintCell(painter, {column, row}, rect);
        }
    };
    for (int row = 0; row < sheet_.fixedRows(); ++row)
        paintRow(row, row * rowPitch());
    for (int row = topRow(), top = fixedRowsHeight(); row < sheet_.rowCount() && top < bottom;
         ++row, top += rowPitch())
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

    const QRect textArea = area.adjusted(3, 1, -3, -1);
    const std::string_view text = sheet_.cell(cell.column, cell.row);
    if (text.empty() || textArea.isEmpty())
        return;
    const Qt::Alignment across = sheet_.columnCount() > 1 ? Qt::AlignRight : Qt::AlignHCenter;
    painter.setPen(ink);
    // Without Qt::TextDontClip a text wider than its rectangle is cut at its edges.
    painter.drawText(textArea, across | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void ResultGrid::paintRaisedEdge(QPainter& painter, const QRect& rect) const
{
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    // The gaps where value cells have their lines stay plain face colour.
    painter.fillRect(QRect(x, y, w + verticalLineWidth(), h + horizontalLineWidth()), palette().color(QPalette::Button));
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
    painter.fillRect(QRect(rect.right() + 1, rect.y(), verticalLineWidth(), rect.height() + horizontalLineWidth()), line);
    painter.fillRect(QRect(rect.x(), rect.bottom() + 1, rect.width(), horizontalLineWidth()), line);
}

}  // namespace pecunor
