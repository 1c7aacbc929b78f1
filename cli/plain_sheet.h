#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_request.h"
#include "engine/dates.h"
#include "engine/regional_settings.h"
#include "engine/result_sheet.h"
#include "engine/text_catalog.h"

namespace pecunor::cli {

// The start date and the four entries as the engine reads them from the
// typed texts in the regional forms.
struct ReadEntries {
    DayNumber start = 0;
    std::array<long double, 4> values{};
};
ReadEntries readEntries(const CalcRequest& request, DayNumber today, const RegionalSettings& regional);

// A sheet for programs: the request computed once more from its entries as
// read, in forms that a program takes as they stand: "." before the
// currency's decimals, no grouping, no currency sign, a leading minus, ISO
// dates. The engine rounds every figure as for the window, so each holds the
// cents the window shows.
struct PlainSheet {
    ReadEntries entries;
    ResultSheet sheet;
};
PlainSheet plainSheet(const CalcRequest& request, DayNumber today, const RegionalSettings& regional,
                      const TextCatalog& texts);

// An entry as read, as a plain decimal: the shortest that reads back as the
// same value, never in exponent form.
std::string plainDecimal(long double value);

// YYYY-MM-DD.
std::string isoDate(DayNumber day);

// Stable names of what the sheet shows, the same in every language.
std::string_view methodKey(CalcMethod method);
std::string_view periodUnitKey(PeriodUnit unit);
std::string_view paymentTimingKey(PaymentTiming timing);
std::string_view faultKey(ArithmeticFault fault);
// The entry of --v1 to --v4 (number 1 to 4); empty where the method has none.
std::string_view valueKey(CalcMethod method, int number);
// The columns of a schedule; none for a ratio method.
std::vector<std::string_view> columnKeys(CalcMethod method);
// The summary's lines, or the three rows of a ratio sheet.
std::vector<std::string_view> summaryKeys(CalcMethod method);

// A caption without the mnemonic's "&" ("&&" is one "&") and without the
// " : " that follows a summary caption.
std::string plainCaption(std::string_view caption);

}  // namespace pecunor::cli
