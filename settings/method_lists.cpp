#include "method_lists.h"

#include <QString>

#include <cstddef>

#include "engine/number_format.h"
#include "engine/text_utils.h"
#include "settings_readers.h"

namespace pecunor {

namespace {

constexpr char bar = '|';

std::size_t valueIndex(MethodList list)
{
    return static_cast<std::size_t>(static_cast<int>(list) - static_cast<int>(MethodList::Values1));
}

std::string withoutBars(std::string text)
{
    std::erase(text, bar);
    return text;
}

std::int32_t indexItemOr0(const std::string& item) { return toInt32(QString::fromStdString(item)).value_or(0); }

// Anything but a day number of the years 1 to 9999 gives today, so that a
// damaged file cannot put an impossible date into the input panel. A
// fraction (a time of day) is dropped.
DayNumber dateItemOr(const std::string& item, DayNumber today, const RegionalSettings& regional)
{
    const long double value = textToAmountOr(item, today, regional);
    if (!(value >= firstDayNumber && value < lastDayNumber + 1.0L))
        return today;
    return static_cast<DayNumber>(value);
}

std::string itemText(MethodList list, const MethodInput& input)
{
    switch (list) {
    case MethodList::Dates:
        // Day numbers are whole, so the general number format writes them
        // as plain integers, with no decimal separator.
        return std::to_string(input.startDate);
    case MethodList::Periods: return std::to_string(input.periodUnit);
    case MethodList::PaymentsDue: return std::to_string(input.paymentTiming);
    case MethodList::InterestPer: return std::to_string(input.interestPer);
    default: return withoutBars(input.valueTexts[valueIndex(list)]);
    }
}

void restoreItem(MethodList list, const std::string& item, MethodInput& input, DayNumber today,
                 const RegionalSettings& regional)
{
    switch (list) {
    case MethodList::Dates: input.startDate = dateItemOr(item, today, regional); break;
    case MethodList::Periods: input.periodUnit = indexItemOr0(item); break;
    case MethodList::PaymentsDue: input.paymentTiming = indexItemOr0(item); break;
    case MethodList::InterestPer: input.interestPer = static_cast<std::uint8_t>(indexItemOr0(item)); break;
    default: input.valueTexts[valueIndex(list)] = item; break;
    }
}

CalcMethod methodAt(int index) { return static_cast<CalcMethod>(index); }

}  // namespace

std::string_view methodListName(MethodList list)
{
    static constexpr std::array<std::string_view, methodLists.size()> names{
        "Dates", "Periods", "PaymentsDue", "Values1", "Values2", "Values3", "Values4", "InterestPer",
    };
    return names[static_cast<std::size_t>(list)];
}

std::string methodListText(MethodList list, const MethodInputMemory& memory)
{
    std::string text(1, bar);
    for (int m = 0; m < methodCount; ++m) {
        text += itemText(list, memory.slot(methodAt(m)));
        text += bar;
    }
    return text;
}

void restoreMethodList(MethodList list, std::string_view text, MethodInputMemory& memory, DayNumber today,
                       const RegionalSettings& regional)
{
    for (int m = 0; m < methodCount; ++m)
        restoreItem(list, extractField(text, m + 1, bar), memory.slot(methodAt(m)), today, regional);
}

}  // namespace pecunor
