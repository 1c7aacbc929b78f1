#include "grid_selection.h"

#include <algorithm>

namespace pecunor {

void GridSelection::reset(const GridShape& shape, const std::optional<GridRect>& initial)
{
    shape_ = shape;
    drag_ = Drag::None;
    selectionAnchor_ = 0;
    rowAnchor_ = currentRow_ = shape.fixedRows;
    currentColumn_ = shape.firstCellColumn();
    const int lastColumn = std::max(shape.columns - 1, shape.fixedColumns);
    set(initial.value_or(gridRect(shape.fixedColumns, shape.fixedRows, lastColumn, shape.fixedRows)));
}

void GridSelection::set(const GridRect& rect)
{
    rect_ = rect;
    if (shape_.hasDataRows()) {
        rowAnchor_ = clampToDataRows(rect.top);
        currentRow_ = clampToDataRows(rect.bottom);
    }
}

bool GridSelection::contains(int column, int row) const
{
    return column >= rect_.left && column <= rect_.right && row >= rect_.top && row <= rect_.bottom;
}

void GridSelection::pressHeader(int column, int row)
{
    drag_ = Drag::None;
    if (column == 0 && row == 0) {
        toggleCorner();
        return;
    }
    // Both rules may apply; a cell in a fixed row and a fixed column ends
    // with its column selected.
    if (column < shape_.fixedColumns && shape_.hasDataColumns()) {
        set(gridRect(0, row, shape_.columns - 1, row));
        selectionAnchor_ = row;
        drag_ = Drag::HeaderRows;
    }
    if (row < shape_.fixedRows && shape_.hasDataRows()) {
        rect_ = gridRect(column, 0, column, shape_.rows - 1);
        selectionAnchor_ = column;
        drag_ = Drag::HeaderColumns;
    }
}

void GridSelection::toggleCorner()
{
    if (rect_.left == 0 && rect_.top == 0 && shape_.hasDataRows())
        set(gridRect(shape_.fixedColumns, shape_.fixedRows, shape_.columns - 1, shape_.fixedRows));
    else
        set(gridRect(0, 0, shape_.columns - 1, shape_.rows - 1));
}

void GridSelection::pressDataRow(int column, int row, bool extend)
{
    moveCurrentColumn(column);
    selectDataRows(row, extend);
    drag_ = Drag::DataRows;
}

void GridSelection::dragTo(int column, int row)
{
    switch (drag_) {
    case Drag::None: return;
    case Drag::DataRows: selectDataRows(row, true); return;
    case Drag::HeaderRows:
        rect_ = gridRect(0, std::min(selectionAnchor_, row), shape_.columns - 1, std::max(selectionAnchor_, row));
        return;
    case Drag::HeaderColumns:
        rect_ = gridRect(std::min(selectionAnchor_, column), 0, std::max(selectionAnchor_, column), shape_.rows - 1);
        return;
    }
}

void GridSelection::moveCurrentRow(int row, bool extend)
{
    drag_ = Drag::None;
    selectDataRows(row, extend);
}

void GridSelection::moveCurrentColumn(int column)
{
    const int first = shape_.firstCellColumn();
    currentColumn_ = std::clamp(column, first, std::max(shape_.columns - 1, first));
}

void GridSelection::selectDataRows(int row, bool extend)
{
    if (!shape_.hasDataRows())
        return;
    currentRow_ = clampToDataRows(row);
    if (!extend)
        rowAnchor_ = currentRow_;
    rect_ = gridRect(shape_.fixedColumns, std::min(rowAnchor_, currentRow_), shape_.columns - 1,
                     std::max(rowAnchor_, currentRow_));
}

int GridSelection::clampToDataRows(int row) const { return std::clamp(row, shape_.fixedRows, shape_.rows - 1); }

}  // namespace pecunor
