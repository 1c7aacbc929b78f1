#pragma once

#include <string>
#include <string_view>

#include "engine/result_sheet.h"
#include "engine/text_catalog.h"
#include "prepared_run.h"

namespace pecunor::cli {

// A JSON string literal of a UTF-8 text: quotes, backslashes and control
// characters escaped, other characters as they stand; a byte that starts
// no valid UTF-8 sequence becomes U+FFFD so that the output stays valid.
void appendJsonString(std::string& out, std::string_view text);

// The version of the sheet for programs; it grows when a name changes
// meaning or goes, not when one is added.
inline constexpr int sheetSchemaVersion = 1;

// The sheet for programs, one JSON object on one line as
// cli/pecunor-sheet.schema.json describes it: the inputs as typed and as
// read, the summary and the table with stable keys beside the captions of the
// catalog's language, every amount and percentage a number with the decimals
// the window shows, dates in ISO form, the notes on inputs not read as
// written, the fault as a code and a message. A batch line (from 1) is named
// in its sheet.
struct ProgramSheet {
    std::string json;
    bool complete = false;  // a valid sheet without a fault
};
ProgramSheet programSheetJson(const PreparedRun& run, const TextCatalog& texts, int batchLine = 0);

// A batch line that gave no sheet: its number and why.
std::string requestFaultJson(int batchLine, std::string_view message);

}  // namespace pecunor::cli
