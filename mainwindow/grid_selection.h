#pragma once

#include <optional>

#include "engine/result_sheet.h"

namespace pecunor {

struct GridShape {
    int columns = 0;
    int rows = 0;
    int fixedColumns = 0;
    int fixedRows = 0;

    bool hasDataRows() const { return rows > fixedRows; }
    bool hasDataColumns() const { return columns > fixedColumns; }
    // A schedule's "#" column heads its rows; the cells start after it.
    int firstCellColumn() const { return fixedRows > 0 && fixedColumns > 0 ? 1 : 0; }
};

// The result table's selection in cell coordinates, fixed cells included.
// Value cells are picked as whole rows (click, keys, drag); header cells pick
// whole rows or columns and remember where they began, so that a drag can
// extend from there. Within the current row the keyboard stands on one cell,
// which a screen reader speaks, while the selection stays whole rows.
class GridSelection {
public:
    // A new table: its own selection if it brings one, else its first data row.
    void reset(const GridShape& shape, const std::optional<GridRect>& initial);

    const GridRect& rect() const { return rect_; }
    void set(const GridRect& rect);
    bool contains(int column, int row) const;

    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    // The row or column on whose header the last header selection began.
    int selectionAnchor() const { return selectionAnchor_; }

    // Mouse down on a fixed cell, with any button.
    void pressHeader(int column, int row);
    // Mouse down on a value cell; Shift extends from the last unshifted row.
    void pressDataRow(int column, int row, bool extend);
    // The pointer moved over (column, row) with the left button held.
    void dragTo(int column, int row);
    void release() { drag_ = Drag::None; }

    // Keyboard: the current row moves to row (clamped to the data rows).
    void moveCurrentRow(int row, bool extend);
    // Keyboard: the current cell moves to column (clamped to the cells' columns).
    void moveCurrentColumn(int column);

private:
    enum class Drag { None, DataRows, HeaderRows, HeaderColumns };

    void toggleCorner();
    void selectDataRows(int row, bool extend);
    int clampToDataRows(int row) const;

    GridShape shape_;
    GridRect rect_{};
    int currentRow_ = 0;
    int currentColumn_ = 0;
    int rowAnchor_ = 0;
    int selectionAnchor_ = 0;
    Drag drag_ = Drag::None;
};

}  // namespace pecunor
