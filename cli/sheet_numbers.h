#pragma once

#include <string>

#include "engine/text_catalog.h"
#include "prepared_run.h"

namespace pecunor::cli {

// The table for spreadsheets and scripts, comma-delimited with LF line ends:
// one header row of the captions (quoted where they hold a comma, a quote or
// a line end), then plain numbers with "." and the decimals the window shows
// and dates as YYYY-MM-DD; a cell the window leaves empty is an empty field.
// A ratio sheet is its three captions over its three values; an invalid
// sheet is nothing.
std::string sheetNumbers(const PreparedRun& run, const TextCatalog& texts);

}  // namespace pecunor::cli
