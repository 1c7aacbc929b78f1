#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/dates.h"
#include "engine/method_input_memory.h"
#include "engine/regional_settings.h"

namespace pecunor {

// The settings values that persist the per-method input memory. Each is a
// "|" followed by the item of every method in method order, each item
// followed by "|".
enum class MethodList { Dates, Periods, PaymentsDue, Values1, Values2, Values3, Values4, InterestPer };

inline constexpr std::array<MethodList, 8> methodLists{
    MethodList::Dates,   MethodList::Periods, MethodList::PaymentsDue, MethodList::Values1,
    MethodList::Values2, MethodList::Values3, MethodList::Values4,     MethodList::InterestPer,
};

// The value name: "Dates", "Periods", ...
std::string_view methodListName(MethodList list);

// A "|" inside a value text is dropped, so that it cannot shift the items.
std::string methodListText(MethodList list, const MethodInputMemory& memory);

// Sets every method's item from the list; an item that is missing or
// unreadable gives today for a date and 0 for an index. A list that lacks
// its leading "|" loses its first item and shifts the rest.
void restoreMethodList(MethodList list, std::string_view text, MethodInputMemory& memory, DayNumber today,
                       const RegionalSettings& regional);

}  // namespace pecunor
