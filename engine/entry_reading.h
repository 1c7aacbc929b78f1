#pragma once

#include <string>
#include <string_view>

#include "dates.h"
#include "regional_settings.h"

namespace pecunor {

// The window reads its entries tolerantly, as a person typing expects:
// what is not part of a number is left out, and an unreadable start date
// becomes today. These functions give the same values together with what
// that reading left out, for a caller that cannot watch the fields.

// The amount the calculation takes from a typed value entry: the digits and
// the decimal separator, read as textToAmount reads them.
long double valueEntryAmount(std::string_view typed, const RegionalSettings& regional);

struct EntryReading {
    long double value = 0;     // valueEntryAmount
    std::string readText;      // the characters the amount was read from
    bool signIgnored = false;  // a minus before the number, left out
    // Points, commas, apostrophes and the grouping separator left out where
    // they do not group the whole part by threes, in their order, each once.
    std::string misreadSeparators;
    // Every other character left out, each once; blanks around the number,
    // a plus before it and grouping in its place are read as written.
    std::string droppedCharacters;
    bool unreadable = false;  // the kept characters form no number: 0 is taken

    bool readAsWritten() const
    {
        return !signIgnored && misreadSeparators.empty() && droppedCharacters.empty() && !unreadable;
    }
};

EntryReading readValueEntry(std::string_view typed, const RegionalSettings& regional);

struct DateReading {
    DayNumber day;         // as textToDateOr with today for the fallback
    bool replacedByToday;  // a text was typed, but no date in the short form
};

DateReading readStartDate(std::string_view typed, const RegionalSettings& regional, DayNumber today);

}  // namespace pecunor
