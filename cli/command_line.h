#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc_request.h"
#include "dates.h"

namespace pecunor::cli {

enum class OutputFormat { Aligned, Csv, Json };

// What the command line asks for; an option left out keeps its default.
struct CliOptions {
    CalcRequest request;
    std::optional<DayNumber> today;         // absent: the local date
    std::optional<std::string> localeName;  // absent: the system's locale
    OutputFormat format = OutputFormat::Aligned;
};

struct HelpWanted {};

struct UsageError {
    std::string message;  // one line naming the option and the fault
};

using ParsedCommandLine = std::variant<CliOptions, HelpWanted, UsageError>;

// Reads the arguments after the program name. Every option takes a value,
// as "--name value" or "--name=value"; the word after an option is its
// value even when it starts with "-".
ParsedCommandLine parseArguments(const std::vector<std::string>& arguments);

std::string usageText();

}  // namespace pecunor::cli
