#pragma once

#include "calc_request.h"
#include "dates.h"
#include "method_input_memory.h"
#include "regional_settings.h"
#include "result_sheet.h"
#include "text_catalog.h"

namespace pecunor {

// The English error line, for callers that show no other language; a
// catalog's invalidInput is the same line in its language.
inline constexpr std::string_view invalidInputMessage =
    "Insufficient or incorrect input values! Check fields on left side.";

// One recomputation: cleans and checks the entries, keeps the request in
// the method's memory slot and fills the sheet with the texts of the
// catalog's language. Never throws for any input.
ResultSheet calcChart(const CalcRequest& request, DayNumber today, const RegionalSettings& regional,
                      MethodInputMemory& memory, const TextCatalog& texts = englishCatalog());

}  // namespace pecunor
