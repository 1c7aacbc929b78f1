#pragma once

#include "save_dialog.h"
#include "spreadsheet_workbook.h"

namespace pecunor {

// File > Save As Spreadsheet: the dialog, then the workbook, whose name the
// settings remember for the next save.
void saveAsSpreadsheet(const FileCommandTarget& target, const WorkbookContent& content,
                       const RegionalSettings& regional, const TextCatalog& texts, const FileCommandServices& services);

}  // namespace pecunor
