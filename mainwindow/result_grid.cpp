#include "result_grid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "font_record_qt.h"
#include "utf8_text.h"

namespace pecunor {

namespace {

// The width a column has before the first measuring.
constexpr int defaultColumnWidth = 64;

int ceilWidth(const QFontMetricsF& metrics, const QString& text)
{
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

}  // namespace

QString fittedCellText(const QString& text, const QFontMetricsF& metrics, qreal width, Qt::Alignment alignment)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // A right-aligned text overflows on its left, and that is where it loses its characters.
    const Qt::TextElideMode side = alignment.testFlag(Qt::AlignRight) ? Qt::ElideLeft : Qt::ElideRight;
    return metrics.elidedText(text, side, width);
}

ResultGrid::ResultGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("sgrFin"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    // The old sheet's headers must not show over the new one before it is measured.
    headers_.clear();
    selection_.reset(shape(), sheet_.selection());
    updateScrollRange();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        // One reset for the whole sheet, never an event per cell.
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        notifyCurrentCell();
    }
}

void ResultGrid::selectDataRow(int row)
{
    selection_.moveCurrentRow(row, false);
    scrollRowIntoView(selection_.currentRow());
    viewport()->update();
    notifyCurrentCell();
}

void ResultGrid::notifyCurrentCell()
{
    if (!QAccessible::isActive() || !hasFocus())
        return;
    if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this)) {
        if (QAccessibleInterface* cell = table->focusChild()) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void ResultGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    notifyCurrentCell();
}

void ResultGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
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
    const QFontMetricsF exact(font());
    widestCharacter_ = exact.maxWidth();
    const int normalHeight = metrics.height() + 6;
    // What the columns hold does not depend on the view; how they share it does.
    const std::vector<ColumnNeeds> needs = columnNeeds(exact);
    // The widths decide whether a scroll bar takes part of the view, and the
    // view decides the widths: a few rounds settle both.
    for (int round = 0; round < 3; ++round) {
        const QSize view = viewport()->size();
        rowHeight_ = normalHeight;
        if (options_.stretched && sheet_.rowCount() > 0)
            rowHeight_ = std::max(view.height() / sheet_.rowCount() - 1, normalHeight);
        shareColumns(needs);
        breakHeaders(exact);
        updateScrollRange();
        if (viewport()->size() == view)
            break;
    }
    viewport()->update();
}

std::vector<ColumnNeeds> ResultGrid::columnNeeds(const QFontMetricsF& metrics) const
{
    const int columns = sheet_.columnCount();
    const bool schedule = columns > 2;
    std::vector<ColumnNeeds> needs(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        ColumnNeeds& need = needs[static_cast<std::size_t>(column)];
        // Fixed cells lose a pixel more on each side to their raised edge.
        const int padding = column < sheet_.fixedColumns() ? 8 : 6;
        qreal figure = 0;
        if (schedule && column == 0)
            figure = metrics.horizontalAdvance(widestDigitsOf(QString::number(sheet_.rowCount()), metrics));
        else
            figure = widestFigure(sheet_, column, sheet_.fixedRows(), metrics);
        if (schedule && column == 1)
            figure = std::max(figure, metrics.horizontalAdvance(widestDigitsOf(options_.dateSample, metrics)));
        need.figures = static_cast<int>(std::ceil(figure)) + padding;
        if (sheet_.fixedRows() > 0) {
            const QString header = cellText(column, 0);
            need.words = static_cast<int>(std::ceil(widestHeaderWord(header, metrics))) + 8;
            need.oneLine = ceilWidth(metrics, header) + 8;
        }
    }
    return needs;
}

void ResultGrid::shareColumns(const std::vector<ColumnNeeds>& needs)
{
    const int columns = sheet_.columnCount();
    const int lines = verticalLineWidth();
    leastWidths_.clear();
    for (const ColumnNeeds& need : needs)
        leastWidths_.push_back(std::max(need.figures, need.words));
    if (columns <= 2) {
        // A ratio sheet's two halves, the labels or values wider only where a half cannot hold them.
        columnWidths_ = shareWidths(needs, viewport()->width() - lines);
    } else {
        // The number and date columns hold their texts; the value columns share the rest.
        const int shared = std::max(columns - sheet_.fixedColumns(), 1);
        columnWidths_ = {leastWidths_[0], leastWidths_[1]};
        const int free = viewport()->width() - columnWidths_[0] - columnWidths_[1] - lines * (shared + 1);
        const std::vector<int> values = shareWidths({needs.begin() + 2, needs.end()}, free);
        columnWidths_.insert(columnWidths_.end(), values.begin(), values.end());
    }
    // The fixed columns stay in view while the others scroll, unless they
    // would leave too little room for them.
    pinnedColumns_ = sheet_.fixedColumns();
    if (pinnedColumns_ >= columns || 2 * columnLeft(pinnedColumns_) > viewport()->width())
        pinnedColumns_ = 0;
}

void ResultGrid::breakHeaders(const QFontMetricsF& metrics)
{
    headers_.assign(static_cast<std::size_t>(sheet_.columnCount()), HeaderLines{});
    int lines = 1;
    if (sheet_.fixedRows() > 0) {
        for (int column = 0; column < sheet_.columnCount(); ++column) {
            const QRect cell(0, 0, columnWidths_[static_cast<std::size_t>(column)], rowHeight_);
            HeaderLines& header = headers_[static_cast<std::size_t>(column)];
            header = breakHeader(cellText(column, 0), metrics, cellTextArea({column, 0}, cell).width());
            lines = std::max(lines, header.count);
        }
    }
    const QFontMetrics whole = fontMetrics();
    headerHeight_ = std::max(rowHeight_, (lines - 1) * whole.lineSpacing() + whole.height() + 6);
}

int ResultGrid::widthForAllColumns() const
{
    const int lines = verticalLineWidth() * (sheet_.columnCount() + 1);
    // A hidden table does not yet know whether its rows will need the bar: count it.
    const int bar = verticalScrollBar()->sizeHint().width();
    return std::accumulate(leastWidths_.begin(), leastWidths_.end(), 0) + lines + bar + 2 * frameWidth();
}

QString ResultGrid::shownHeader(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= headers_.size())
        return {};
    return headers_[static_cast<std::size_t>(column)].text;
}

void ResultGrid::updateScrollRange()
{
    const int visible = visibleRowCount();
    QScrollBar* bar = verticalScrollBar();
    QScrollBar* side = horizontalScrollBar();
    const bool wasNeeded = bar->maximum() > 0;
    const bool sideWasNeeded = side->maximum() > 0;
    bar->setRange(0, std::max(sheet_.rowCount() - sheet_.fixedRows() - visible, 0));
    bar->setPageStep(std::max(visible, 1));
    const int view = viewport()->width();
    side->setRange(0, std::max(tableWidth() - view, 0));
    side->setPageStep(std::max(view - pinnedWidth(), 1));
    side->setSingleStep(std::max(static_cast<int>(widestCharacter_), 1));
    // Qt shows or hides the bars only later; the widths must see the new viewport now.
    if (wasNeeded != (bar->maximum() > 0) || sideWasNeeded != (side->maximum() > 0))
        layoutViewport();
}

void ResultGrid::layoutViewport()
{
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &layoutRequest);
}

int ResultGrid::topRow() const { return sheet_.fixedRows() + verticalScrollBar()->value(); }

int ResultGrid::visibleRowCount() const
{
    if (rowPitch() <= 0)
        return 0;
    return std::max((viewport()->height() - fixedRowsHeight()) / rowPitch(), 0);
}

void ResultGrid::setTopRow(int row) { verticalScrollBar()->setValue(row - sheet_.fixedRows()); }

void ResultGrid::scrollRowIntoView(int row)
{
    if (row < topRow())
        setTopRow(row);
    else if (row >= topRow() + visibleRowCount())
        setTopRow(row - std::max(visibleRowCount(), 1) + 1);
}

void ResultGrid::moveCurrentColumn(int column)
{
    const int before = currentColumn();
    selection_.moveCurrentColumn(column);
    // Sideways scrolling follows the keyboard's cell.
    scrollColumnIntoView(currentColumn());
    if (currentColumn() == before)
        return;
    viewport()->update();
    notifyCurrentCell();
}

void ResultGrid::scrollColumnIntoView(int column)
{
    if (column < pinnedColumns_ || column >= static_cast<int>(columnWidths_.size()))
        return;
    QScrollBar* side = horizontalScrollBar();
    const int left = columnLeft(column);
    const int right = left + columnWidths_[static_cast<std::size_t>(column)];
    if (right - side->value() > viewport()->width())
        side->setValue(right - viewport()->width());
    if (left - side->value() < pinnedWidth())
        side->setValue(left - pinnedWidth());
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
    for (int c = 0; c < column && c < static_cast<int>(columnWidths_.size()); ++c)
        left += columnWidths_[static_cast<std::size_t>(c)] + verticalLineWidth();
    return left;
}

int ResultGrid::columnX(int column) const
{
    const int left = columnLeft(column);
    return column < pinnedColumns_ ? left : left - horizontalScrollBar()->value();
}

int ResultGrid::fixedRowsHeight() const
{
    if (sheet_.fixedRows() == 0)
        return 0;
    return headerHeight_ + horizontalLineWidth() + (sheet_.fixedRows() - 1) * rowPitch();
}

bool ResultGrid::isHeader(const Cell& cell) const
{
    return cell.row == 0 && sheet_.fixedRows() > 0 && static_cast<std::size_t>(cell.column) < headers_.size();
}

bool ResultGrid::isFixed(const Cell& cell) const
{
    return cell.column < sheet_.fixedColumns() || cell.row < sheet_.fixedRows();
}

QRect ResultGrid::cellRect(int column, int row) const
{
    if (column < 0 || column >= sheet_.columnCount() || row < 0 || row >= sheet_.rowCount())
        return {};
    int top = row == 0 ? 0 : fixedRowsHeight() - (sheet_.fixedRows() - row) * rowPitch();
    if (row >= sheet_.fixedRows()) {
        if (row < topRow())
            return {};
        top = fixedRowsHeight() + (row - topRow()) * rowPitch();
    }
    if (top >= viewport()->height())
        return {};
    return {columnX(column), top, columnWidths_[static_cast<std::size_t>(column)], heightOfRow(row)};
}

ResultGrid::Cell ResultGrid::nearestCell(QPoint point) const
{
    Cell cell{0, 0};
    // Left of the scrolled columns lie the fixed ones, which stay in place.
    const int x = point.x() < pinnedWidth() ? point.x() : point.x() + horizontalScrollBar()->value();
    int right = 0;
    for (int c = 0; c < sheet_.columnCount(); ++c) {
        cell.column = c;
        right += columnWidths_[static_cast<std::size_t>(c)] + verticalLineWidth();
        if (x < right)
            break;
    }
    const int y = std::max(point.y(), 0);
    const int headerPitch = headerHeight_ + horizontalLineWidth();
    if (y < fixedRowsHeight())
        cell.row = y < headerPitch ? 0 : 1 + (y - headerPitch) / rowPitch();
    else
        cell.row = topRow() + (y - fixedRowsHeight()) / rowPitch();
    cell.row = std::clamp(cell.row, 0, std::max(sheet_.rowCount() - 1, 0));
    return cell;
}

std::optional<ResultGrid::Cell> ResultGrid::cellAt(QPoint point) const
{
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0 || point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int right = tableWidth() - horizontalScrollBar()->value();
    const int tableHeight = fixedRowsHeight() + (sheet_.rowCount() - topRow()) * rowPitch();
    if (point.x() >= right || point.y() >= tableHeight)
        return std::nullopt;
    return nearestCell(point);
}

void ResultGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ResultGrid::scrollContentsBy(int, int) { viewport()->update(); }

void ResultGrid::mousePressEvent(QMouseEvent* event)
{
    const std::optional<Cell> cell = cellAt(event->position().toPoint());
    if (!cell)
        return;
    if (isFixed(*cell))
        selection_.pressHeader(cell->column, cell->row);
    else if (event->button() == Qt::LeftButton)
        selection_.pressDataRow(cell->column, cell->row, event->modifiers().testFlag(Qt::ShiftModifier));
    viewport()->update();
    notifyCurrentCell();
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

void ResultGrid::mouseReleaseEvent(QMouseEvent*) { selection_.release(); }

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
    case Qt::Key_Left:
    case Qt::Key_Right: moveCurrentColumn(currentColumn() + (event->key() == Qt::Key_Left ? -1 : 1)); return;
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
    notifyCurrentCell();
}

QRect ResultGrid::cellTextArea(const Cell& cell, const QRect& rect) const
{
    // Fixed cells lose a pixel all round to their raised edge.
    const int edge = isFixed(cell) ? 1 : 0;
    return rect.adjusted(3 + edge, 1 + edge, -3 - edge, -1 - edge);
}

Qt::Alignment ResultGrid::textAlignment() const { return sheet_.columnCount() > 1 ? Qt::AlignRight : Qt::AlignHCenter; }

QString ResultGrid::cellText(int column, int row) const { return fromView(sheet_.cell(column, row)); }

QString ResultGrid::shownText(const QString& whole, int width) const
{
    // Most cells are short: a text that fits even in the widest characters needs no measuring.
    if (static_cast<qreal>(whole.size()) * widestCharacter_ <= width)
        return whole;
    return fittedCellText(whole, QFontMetricsF(font()), width, textAlignment());
}

QString ResultGrid::cellToolTip(int column, int row) const
{
    const QRect rect = cellRect(column, row);
    if (rect.isEmpty())
        return {};
    const QString whole = cellText(column, row);
    if (isHeader({column, row}))
        return headers_[static_cast<std::size_t>(column)].cut ? whole : QString();
    return shownText(whole, cellTextArea({column, row}, rect).width()) == whole ? QString() : whole;
}

bool ResultGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<Cell> cell = cellAt(help->pos());
    const QString tip = cell ? cellToolTip(cell->column, cell->row) : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport(), cellRect(cell->column, cell->row));
    }
    return true;
}

}  // namespace pecunor
