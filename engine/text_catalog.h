#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "calc_types.h"

namespace pecunor {

// The texts of one period unit in one language.
struct UnitTexts {
    std::string_view listText;     // {P}: "Months", the item of the periods list
    std::string_view word;         // {U}: "Month"
    std::string_view interestPer;  // "/ Month", the item of the interest-per list
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

// The texts as written in the sources; every other language is made from
// it by translation.
const TextCatalog& englishCatalog();

// The context of the engine's texts in the translation files
// ("pecunor_engine_<language>.ts").
inline constexpr std::string_view engineTextContext = "Engine";

// One English text in another language. disambiguation tells apart the
// entries whose English words are the same but whose translations may not
// be; it is empty for all others.
using TranslateText =
    std::function<std::string(std::string_view context, std::string_view english, std::string_view disambiguation)>;

// Calls visit(text, disambiguation) with each text of the catalog in a fixed
// order, the empty entries of hidden rows included.
void forEachText(const TextCatalog& texts,
                 const std::function<void(std::string_view text, std::string_view disambiguation)>& visit);

// The catalog of another language: each English text as translate returns
// it. Owns its texts, so it stays where it was made.
class TranslatedCatalog {
public:
    explicit TranslatedCatalog(const TranslateText& translate);
    TranslatedCatalog(const TranslatedCatalog&) = delete;
    TranslatedCatalog& operator=(const TranslatedCatalog&) = delete;

    const TextCatalog& texts() const { return texts_; }

private:
    std::deque<std::string> owned_;  // a deque keeps each text in place as more are added
    TextCatalog texts_;
};

// pattern with {P} and {U} replaced by the unit's texts; any other text
// stays as it is.
std::string fillUnitTemplate(std::string_view pattern, const TextCatalog& texts, PeriodUnit unit);

}  // namespace pecunor
