#pragma once

#include "calc_request.h"
#include "dates.h"
#include "method_input_memory.h"
#include "regional_settings.h"
#include "result_sheet.h"
#include "text_catalog.h"

namespace pecunor {

// One recomputation: cleans and checks the entries, keeps the request in
// the method's memory slot and fills the sheet with the texts of the
// catalog's language. Never throws for any input.
ResultSheet calcChart(const CalcRequest& request, DayNumber today, const RegionalSettings& regional,
                      MethodInputMemory& memory, const TextCatalog& texts = englishCatalog());

}  // namespace pecunor
