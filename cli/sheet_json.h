#pragma once

#include <string>
#include <string_view>

#include "result_sheet.h"
#include "text_catalog.h"

namespace pecunor::cli {

// A JSON string literal of a UTF-8 text: quotes, backslashes and control
// characters escaped, other characters as they stand; a byte that starts
// no valid UTF-8 sequence becomes U+FFFD so that the output stays valid.
void appendJsonString(std::string& out, std::string_view text);

// The whole sheet as one JSON object on one line, keys in a fixed order:
// valid, kind, columnCount, rowCount, fixedColumns, fixedRows, cells (row
// by row), summaryLabels, summaryValues, selection, fault (its message in
// the catalog's language).
std::string sheetJson(const ResultSheet& sheet, const TextCatalog& texts = englishCatalog());

}  // namespace pecunor::cli
