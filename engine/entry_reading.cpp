#include "entry_reading.h"

#include <vector>

#include "number_format.h"
#include "text_utils.h"

namespace pecunor {

namespace {

using Characters = std::vector<std::string_view>;

Characters charactersOf(std::string_view text)
{
    Characters characters;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        characters.push_back(text.substr(at, characterLength(text, at)));
    return characters;
}

bool isDigit(std::string_view ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

// The blanks that stand around a number or, in a locale that groups with a
// blank, between its groups: space, tab, no-break and narrow no-break space.
bool isBlank(std::string_view ch) { return ch == " " || ch == "\t" || ch == "\u00A0" || ch == "\u202F"; }

// A person grouping with a plain space where the locale writes a no-break
// one means the same grouping.
bool groups(std::string_view ch, const RegionalSettings& regional)
{
    const std::string_view separator = regional.thousandsSeparator;
    return ch == separator || (ch != "\t" && isBlank(ch) && isBlank(separator));
}

bool looksLikeSeparator(std::string_view ch, const RegionalSettings& regional)
{
    return ch == "." || ch == "," || ch == "'" || ch == "\u2019" || ch == regional.thousandsSeparator;
}

// Whether the grouping characters of the whole part, if any, stand between
// groups of three digits after a first group of one to three: 1,234,567.
bool groupedByThrees(const Characters& characters, std::size_t begin, std::size_t end, const RegionalSettings& regional)
{
    int digitsInGroup = 0;
    bool firstGroup = true;
    for (std::size_t at = begin; at < end; ++at) {
        if (isDigit(characters[at])) {
            ++digitsInGroup;
        } else if (groups(characters[at], regional)) {
            if (firstGroup ? digitsInGroup < 1 || digitsInGroup > 3 : digitsInGroup != 3)
                return false;
            firstGroup = false;
            digitsInGroup = 0;
        }
    }
    return firstGroup || digitsInGroup == 3;
}

void addOnce(std::string& list, std::string_view ch)
{
    if (list.find(ch) == std::string::npos)
        list.append(ch);
}

std::string keptForAmount(std::string_view typed, const RegionalSettings& regional)
{
    return keepChars(typed, "0123456789" + regional.decimalSeparator);
}

}  // namespace

long double valueEntryAmount(std::string_view typed, const RegionalSettings& regional)
{
    return textToAmount(keptForAmount(typed, regional), false, regional);
}

EntryReading readValueEntry(std::string_view typed, const RegionalSettings& regional)
{
    EntryReading reading;
    reading.readText = keptForAmount(typed, regional);
    const auto amount = readRepairedAmount(reading.readText, regional);
    reading.value = amount.value_or(0.0L);
    reading.unreadable = !amount;

    const Characters characters = charactersOf(typed);
    std::size_t first = 0;
    std::size_t last = characters.size();
    while (first < last && isBlank(characters[first]))
        ++first;
    while (last > first && isBlank(characters[last - 1]))
        --last;
    if (first < last && (characters[first] == "+" || characters[first] == "-"))
        reading.signIgnored = characters[first++] == "-";
    std::size_t wholeEnd = first;
    while (wholeEnd < last && characters[wholeEnd] != regional.decimalSeparator)
        ++wholeEnd;
    const bool groupingInPlace = groupedByThrees(characters, first, wholeEnd, regional);
    for (std::size_t at = first; at < last; ++at) {
        const std::string_view ch = characters[at];
        const bool grouping = at < wholeEnd && groupingInPlace && groups(ch, regional);
        if (isDigit(ch) || ch == regional.decimalSeparator || grouping)
            continue;
        addOnce(looksLikeSeparator(ch, regional) ? reading.misreadSeparators : reading.droppedCharacters, ch);
    }
    return reading;
}

DateReading readStartDate(std::string_view typed, const RegionalSettings& regional, DayNumber today)
{
    const auto date = readDate(typed, regional, today);
    return {date.value_or(today), !date && !typed.empty()};
}

}  // namespace pecunor
