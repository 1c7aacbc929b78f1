#pragma once

#include <string>
#include <string_view>

#include "dates.h"
#include "number_format.h"
#include "regional_settings.h"

namespace pecunor {

// What a shown text is in a spreadsheet: a number of a kind, or text.
enum class CellKind { Text, Money, Percent, Date, Whole };

struct SpreadsheetCell {
    CellKind kind = CellKind::Text;
    // Money and Whole: the amount; Percent: the share (0.1 for "10.00%");
    // Date: the spreadsheet's serial day (1 for 1 January 1900).
    double number = 0;
};

// Reads the texts the engine wrote back into the numbers they show. A text
// counts as a number only when the engine's own format writes that number
// to the very same text: the workbook then holds exactly the cents and days
// the window shows, and anything else (an amount beyond a double's digits,
// a date before March 1900) stays text rather than becoming another number.
class ShownForms {
public:
    explicit ShownForms(const RegionalSettings& regional);

    SpreadsheetCell amount(std::string_view text) const;
    // An amount, a percentage ("10.00%") or text: a summary value.
    SpreadsheetCell summaryValue(std::string_view text) const;
    SpreadsheetCell date(std::string_view text) const;
    SpreadsheetCell wholeNumber(std::string_view text) const;

private:
    // The digits, decimal separator, sign and exponent of text as C reads them.
    std::string plainNumber(std::string_view text) const;

    RegionalSettings regional_;  // the sheet's own four-digit-year date format
    AmountFormat money_;
    AmountFormat number_;
    DateFormat dates_;
};

}  // namespace pecunor
