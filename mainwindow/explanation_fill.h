#pragma once

// The explanation pages are templates: every figure and example entry in them
// is an empty marked span that the engine fills in the reader's regional
// forms, so a page never shows one country's amounts beside another's window.
//
// <p class="example" data-example="a" data-values="1000|7.5|3" ...>
//     declares one example's inputs: the value entries separated by "|",
//     written with "." as the decimal point and no grouping; optional
//     data-periods (default "Years"), data-due (default "End of Period") and
//     data-rate-per (default "/ Year") name list items by their English texts.
// <span class="figure" data-example="a" data-cell="3,2"></span>
//     the text of the example's table cell, column 3, row 2 (row 0 the header);
// <span class="figure" data-example="a" data-summary="Total Interest"></span>
//     the summary value beside that English summary label;
// <span class="entry" data-example="a" data-entry="2"></span>
//     value entry 2 of the example as the reader types it ("7,5" under de_DE);
// <span class="amount" data-value="8.5"></span>
//     a figure of the prose outside any example, written the same way.
// Entries and amounts take data-form="money" (as the window writes amounts,
// "1.000,00 €") or data-form="number" (two decimals, grouped, "1,000.00").

#include <QString>

#include "engine/calc_types.h"
#include "engine/regional_settings.h"

namespace pecunor {

// The page with every marked span holding its text; a span whose example,
// cell or label does not exist stays empty.
QString filledExplanation(const QString& page, CalcMethod method, const RegionalSettings& regional);

}  // namespace pecunor
