#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc_types.h"

namespace pecunor {

// The texts of one period unit in one language.
struct UnitTexts {
    std::string_view listText;      // {P}: "Months", the item of the periods list
    std::string_view word;          // {U}: "Month"
    std::string_view interestPer;   // "/ Month", the item of the interest-per list
};

// Captions of the first four input rows, mnemonic included.
struct InputCaptions {
    std::string_view method;
    std::string_view startDate;
    std::string_view periodsAre;
    std::string_view paymentsDue;
};

// Header texts of the schedule columns; the three per-unit ones are templates.
struct ScheduleHeadings {
    std::string_view rowNumber;
    std::string_view date;
    std::string_view paymentPer;
    std::string_view interestPer;
    std::string_view depreciationPer;
    std::string_view accumulatedTotal;
    std::string_view remainingTotal;
    std::string_view bookValue;
    std::string_view bondValue;  // the zero-coupon bond's value, no account balance
};

// Every text the engine writes into a sheet or gives the window, in one
// language. A template holds {P} or {U} where the unit's texts go, so that
// each language orders its own words; fillUnitTemplate fills them once per
// sheet. The German templates need no inflected unit forms ("Anzahl {P}",
// "Nutzungsdauer ({P})").
struct TextCatalog {
    std::array<std::string_view, methodCount> methodNames;
    std::array<UnitTexts, periodUnitCount> units;
    std::array<std::string_view, paymentTimingCount> paymentTimings;
    InputCaptions inputCaptions;
    // Value 1 to 4 per method, templates; empty where the method hides the row.
    std::array<std::array<std::string_view, 4>, methodCount> valueLabels;
    ScheduleHeadings headings;
    // Summary captions per method, "label : " lines joined by LF, templates;
    // empty for the ratio methods.
    std::array<std::string_view, methodCount> summaryLabels;
    // Rows 0 to 2 of the ratio sheets, Bond Yield to Earnings / Share.
    std::array<std::array<std::string_view, 3>, 4> ratioLabels;
    // In the order of ArithmeticFault.
    std::array<std::string_view, 3> faultMessages;
    std::string_view invalidInput;
};

const TextCatalog& englishCatalog();
const TextCatalog& germanCatalog();

// German for "de" and its regional forms ("de_DE", "de-AT"); English for
// any other code.
const TextCatalog& catalogForLanguage(std::string_view code);

// pattern with {P} and {U} replaced by the unit's texts; any other text
// stays as it is.
std::string fillUnitTemplate(std::string_view pattern, const TextCatalog& texts, PeriodUnit unit);

}  // namespace pecunor
