#pragma once

#include <string>
#include <variant>
#include <vector>

#include "command_line.h"
#include "engine/regional_settings.h"

namespace pecunor::cli {

// A request ready to calculate: the options with the regional settings and
// today looked up, a --start given as YYYY-MM-DD written as the window's
// start date box holds it, and one line (without the program's name) for
// each input the window would read otherwise than written.
struct PreparedRun {
    CliOptions options;
    RegionalSettings regional;
    DayNumber today = 0;
    std::vector<std::string> notes;
    std::string typedStart;  // --start as given, an ISO date too, for the JSON's inputs as typed
};

using PreparedCommandLine = std::variant<PreparedRun, HelpWanted, VersionWanted, UsageError>;

// parseArguments, then the lookups; an unknown --locale is a usage error,
// and so is the first note under --strict. Calls nothing but the platform's
// locale data and clock, so a caller may prepare many requests in one run.
PreparedCommandLine prepareRun(const std::vector<std::string>& arguments, const TextCatalog& texts = englishCatalog());

}  // namespace pecunor::cli
