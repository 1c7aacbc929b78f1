#pragma once

#include "engine/dates.h"

namespace pecunor::platform {

// The current local date as a day number.
DayNumber localToday();

}  // namespace pecunor::platform
