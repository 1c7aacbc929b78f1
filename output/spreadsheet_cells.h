#pragma once

#include "engine/result_sheet.h"

namespace pecunor {

// What a figure of the sheet is in a spreadsheet: a number of a kind, or text.
enum class CellKind { Text, Money, Percent, Date, Number };

struct SpreadsheetCell {
    CellKind kind = CellKind::Text;
    // Money and Number: the amount; Percent: the share (0.1 for "10.00%");
    // Date: the spreadsheet's serial day (1 for 1 January 1900).
    double number = 0;
};

// The cell of a figure the engine kept: money with the sheet's money
// decimals, a percentage as its share, a date as its serial day, a row number
// or another number as it stands. Amounts become the double nearest to the
// decimals the window shows, so the workbook holds the very cents of the
// texts. Text for a figure that is none and for a date before 1 March 1900,
// where spreadsheets count a 29 February 1900 that never was.
SpreadsheetCell spreadsheetCell(Figure figure, int moneyDecimals);

}  // namespace pecunor
