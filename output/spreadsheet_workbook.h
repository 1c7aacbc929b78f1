#pragma once

#include <QString>

#include <string>
#include <vector>

#include "calc_types.h"
#include "regional_settings.h"
#include "result_sheet.h"
#include "text_catalog.h"
#include "text_layout.h"

namespace pecunor {

// What a workbook shows: the visible inputs and, unless the error line is
// shown, the sheet with its summary.
struct WorkbookContent {
    CalcMethod method = CalcMethod::FutureValue;  // names the worksheet
    std::vector<InputRowText> inputs;
    const ResultSheet* sheet = nullptr;
};

// The spreadsheet's number formats for the regional settings: the currency
// symbol where the settings place it, their decimals and negative form, and
// the sheet's date order with its separator.
std::string moneyNumberFormat(const RegionalSettings& regional);
std::string dateNumberFormat(const RegionalSettings& regional);

// The .xlsx file of what the window shows: the inputs and the summary as
// caption and value cells, then the table under its header row; amounts,
// percentages and dates as numbers in the formats above, every column as
// wide as its longest text. The worksheet is named in the catalog's
// language. The library writes files only: it works in a scratch file in
// scratchFolder, removed again. On failure, reason receives why.
bool workbookBytes(const WorkbookContent& content, const RegionalSettings& regional, const TextCatalog& texts,
                   const QString& scratchFolder, std::string& bytes, QString* reason);

// Creates or replaces the file at path with the workbook, an old file only
// with a complete new one; the scratch file lies in the same folder.
bool writeWorkbookFile(const QString& path, const WorkbookContent& content, const RegionalSettings& regional,
                       const TextCatalog& texts, QString* reason);

}  // namespace pecunor
