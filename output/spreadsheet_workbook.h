#pragma once

#include <QString>

#include <string>
#include <vector>

#include "engine/calc_request.h"
#include "engine/dates.h"
#include "engine/regional_settings.h"
#include "engine/text_catalog.h"
#include "text_layout.h"

namespace pecunor {

// What a workbook shows: the request as typed, computed once more on today
// as the window computed it, this time keeping the figures as numbers, and
// its visible input rows as shown, in their texts.
struct WorkbookContent {
    CalcRequest request;  // its method names the worksheet
    DayNumber today = 0;
    std::vector<InputRowText> inputs;
};

// The spreadsheet's number formats for the regional settings: the currency
// symbol where the settings place it, the decimals and negative form, and
// the sheet's date order with its separator.
std::string moneyNumberFormat(const RegionalSettings& regional, int decimals);
std::string dateNumberFormat(const RegionalSettings& regional);

// The .xlsx file of what the window shows: the inputs as caption and text
// cells, then for a valid sheet the summary as caption and value cells and
// the table under its header row; the engine's figures as numbers (amounts,
// percentages and dates in the formats above), every column as wide as its
// longest text. The worksheet is named in the catalog's language; the
// document is dated today, so that the same content gives the same bytes.
// The library writes files only: it works in a scratch file in
// scratchFolder, removed again. On failure, reason receives why.
bool workbookBytes(const WorkbookContent& content, const RegionalSettings& regional, const TextCatalog& texts,
                   const QString& scratchFolder, std::string& bytes, QString* reason);

// Creates or replaces the file at path with the workbook, an old file only
// with a complete new one; the scratch file lies in the same folder.
bool writeWorkbookFile(const QString& path, const WorkbookContent& content, const RegionalSettings& regional,
                       const TextCatalog& texts, QString* reason);

}  // namespace pecunor
