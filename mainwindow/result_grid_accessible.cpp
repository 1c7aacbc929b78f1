#include "result_grid_accessible.h"

#include <QPointer>

#include <algorithm>
#include <utility>

#include "result_grid.h"

namespace pecunor {

namespace {

// A schedule's "#" column heads its rows; a quotient sheet has no headers.
bool hasRowHeaders(const ResultSheet& sheet) { return sheet.fixedRows() > 0 && sheet.fixedColumns() > 0; }

// One cell of the table, made when a reader first asks for it and dropped
// with the sheet it belongs to.
class ResultCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ResultCellAccessible(ResultGrid* grid, int column, int row) : grid_(grid), column_(column), row_(row) { }

    bool isValid() const override
    {
        return grid_ && column_ < grid_->sheet().columnCount() && row_ < grid_->sheet().rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override { }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? grid_->cellText(column_, row_) : QString();
    }

    QRect rect() const override
    {
        const QRect inView = isValid() ? grid_->cellRect(column_, row_) : QRect();
        if (inView.isEmpty())
            return {};
        return {grid_->viewport()->mapToGlobal(inView.topLeft()), inView.size()};
    }

    QAccessible::Role role() const override
    {
        if (!isValid())
            return QAccessible::Cell;
        const ResultSheet& sheet = grid_->sheet();
        if (row_ < sheet.fixedRows())
            return QAccessible::ColumnHeader;
        if (column_ == 0 && hasRowHeaders(sheet))
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.readOnly = true;
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.invisible = rect().isEmpty();
        state.offscreen = state.invisible;
        state.focused = grid_->hasFocus() && row_ == grid_->currentRow() && column_ == grid_->currentColumn();
        return state;
    }

    bool isSelected() const override { return isValid() && grid_->isSelected(column_, row_); }

    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        const auto* table = static_cast<ResultGridAccessible*>(parent());
        if (!isValid() || row_ < grid_->sheet().fixedRows() || grid_->sheet().fixedRows() == 0)
            return {};
        return {table->sheetCell(column_, 0)};
    }

    // The "#" cell heads its row, itself included: readers ask the first
    // column for a row's header.
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        const auto* table = static_cast<ResultGridAccessible*>(parent());
        if (!isValid() || row_ < grid_->sheet().fixedRows() || !hasRowHeaders(grid_->sheet()))
            return {};
        return {table->sheetCell(0, row_)};
    }

    int columnIndex() const override { return column_; }
    int rowIndex() const override
    {
        const auto* table = static_cast<ResultGridAccessible*>(parent());
        return table ? row_ - table->firstDataRow() : -1;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    const ResultGrid* grid() const { return grid_; }
    int sheetColumn() const { return column_; }
    int sheetRow() const { return row_; }

private:
    QPointer<ResultGrid> grid_;
    int column_;
    int row_;
};

}  // namespace

QAccessibleInterface* AccessibleParts::at(int index, const std::function<QAccessibleInterface*()>& make)
{
    if (const auto known = ids_.constFind(index); known != ids_.constEnd())
        return QAccessible::accessibleInterface(*known);
    QAccessibleInterface* part = make();
    ids_.insert(index, QAccessible::registerAccessibleInterface(part));
    return part;
}

void AccessibleParts::clear()
{
    for (const QAccessible::Id id : std::exchange(ids_, {}))
        QAccessible::deleteAccessibleInterface(id);
}

ResultGridAccessible::ResultGridAccessible(ResultGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) { }

ResultGrid* ResultGridAccessible::grid() const { return static_cast<ResultGrid*>(widget()); }

void* ResultGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ResultGridAccessible::firstDataRow() const { return grid()->sheet().fixedRows(); }

int ResultGridAccessible::childCount() const { return grid()->sheet().columnCount() * grid()->sheet().rowCount(); }

QAccessibleInterface* ResultGridAccessible::sheetCell(int column, int row) const
{
    const ResultSheet& sheet = grid()->sheet();
    if (column < 0 || row < 0 || column >= sheet.columnCount() || row >= sheet.rowCount())
        return nullptr;
    return cells_.at(row * sheet.columnCount() + column, [&] { return new ResultCellAccessible(grid(), column, row); });
}

QAccessibleInterface* ResultGridAccessible::child(int index) const
{
    const int columns = grid()->sheet().columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    return sheetCell(index % columns, index / columns);
}

int ResultGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const ResultCellAccessible*>(child);
    if (!cell || cell->grid() != grid())
        return -1;
    return cell->sheetRow() * grid()->sheet().columnCount() + cell->sheetColumn();
}

QAccessibleInterface* ResultGridAccessible::childAt(int x, int y) const
{
    const QPoint inView = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const ResultSheet& sheet = grid()->sheet();
    // Only the header rows and the rows in view can be under a point: never a walk over the whole sheet.
    const auto cellInRow = [&](int row) -> QAccessibleInterface* {
        for (int column = 0; column < sheet.columnCount(); ++column)
            if (grid()->cellRect(column, row).contains(inView))
                return sheetCell(column, row);
        return nullptr;
    };
    for (int row = 0; row < sheet.fixedRows(); ++row)
        if (QAccessibleInterface* cell = cellInRow(row))
            return cell;
    const int pastView = std::min(grid()->topRow() + grid()->visibleRowCount() + 1, sheet.rowCount());
    for (int row = grid()->topRow(); row < pastView; ++row)
        if (QAccessibleInterface* cell = cellInRow(row))
            return cell;
    return nullptr;
}

QAccessibleInterface* ResultGridAccessible::focusChild() const
{
    return grid()->hasFocus() ? sheetCell(grid()->currentColumn(), grid()->currentRow()) : nullptr;
}

QAccessibleInterface* ResultGridAccessible::cellAt(int row, int column) const
{
    return sheetCell(column, row + firstDataRow());
}

int ResultGridAccessible::columnCount() const { return grid()->sheet().columnCount(); }

int ResultGridAccessible::rowCount() const { return std::max(grid()->sheet().rowCount() - firstDataRow(), 0); }

QString ResultGridAccessible::columnDescription(int column) const
{
    const ResultSheet& sheet = grid()->sheet();
    return sheet.fixedRows() > 0 ? grid()->cellText(column, 0) : QString();
}

QString ResultGridAccessible::rowDescription(int row) const
{
    return hasRowHeaders(grid()->sheet()) ? grid()->cellText(0, row + firstDataRow()) : QString();
}

ResultGridAccessible::DataRows ResultGridAccessible::selectedDataRows() const
{
    const GridRect selection = grid()->selection();
    // Whole rows only: a selected column reads as no selected row.
    if (selection.left > grid()->sheet().fixedColumns() || selection.right < grid()->sheet().columnCount() - 1)
        return {0, -1};
    return {std::max(selection.top, firstDataRow()) - firstDataRow(), selection.bottom - firstDataRow()};
}

QList<int> ResultGridAccessible::selectedRows() const
{
    QList<int> rows;
    const DataRows selected = selectedDataRows();
    for (int row = selected.first; row <= selected.last; ++row)
        rows.append(row);
    return rows;
}

// Counted and tested from the selection's bounds: all 9,999 rows may be selected.
int ResultGridAccessible::selectedRowCount() const
{
    const DataRows rows = selectedDataRows();
    return std::max(rows.last - rows.first + 1, 0);
}

bool ResultGridAccessible::isRowSelected(int row) const
{
    const DataRows rows = selectedDataRows();
    return row >= rows.first && row <= rows.last;
}

int ResultGridAccessible::selectedCellCount() const { return selectedRowCount() * columnCount(); }

QList<QAccessibleInterface*> ResultGridAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows())
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(row, column));
    return cells;
}

bool ResultGridAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    grid()->selectDataRow(row + firstDataRow());
    return true;
}

void ResultGridAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    // A new sheet: none of the cells handed out stands for anything any more.
    cells_.clear();
}

}  // namespace pecunor
