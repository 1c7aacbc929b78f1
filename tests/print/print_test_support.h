#pragma once

#include <string>

#include "output/shown_result.h"

namespace pecunor::test {

// A table whose cells name their place, "r3c1"; row 0 is the header row.
inline ResultSheet namedCellsSheet(int columns, int rows)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(columns - 1, rows - 1, 1, 1, {});
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            sheet.setCell(column, row, "r" + std::to_string(row) + "c" + std::to_string(column));
    return sheet;
}

// Eight input rows captioned "&Label" with values "value0" ..., all shown.
inline ShownResult shownInputs()
{
    ShownResult shown;
    for (std::size_t row = 0; row < shown.inputRows.size(); ++row)
        shown.inputRows[row] = {"&Label", "value" + std::to_string(row), row >= 4, true, true};
    return shown;
}

}  // namespace pecunor::test
