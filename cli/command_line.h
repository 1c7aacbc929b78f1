#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/calc_request.h"
#include "engine/dates.h"
#include "engine/text_catalog.h"

namespace pecunor::cli {

enum class OutputFormat { Aligned, Csv, Json, Numbers, Xlsx };

// What the command line asks for; an option left out keeps its default.
struct CliOptions {
    CalcRequest request;
    std::optional<DayNumber> today;         // absent: the local date
    std::optional<std::string> localeName;  // absent: the system's locale
    OutputFormat format = OutputFormat::Aligned;
    std::optional<std::string> outputPath;  // --output, the workbook's file: xlsx has no text to print
    bool strict = false;                    // an input not read as written is a usage error
    // The options that were given, by their long names, in their order.
    std::vector<std::string_view> givenOptions;

    bool gave(std::string_view option) const;
};

struct HelpWanted { };
struct VersionWanted { };

struct UsageError {
    std::string message;  // one line naming the option and the fault
};

using ParsedCommandLine = std::variant<CliOptions, HelpWanted, VersionWanted, UsageError>;

// Reads the arguments after the program name. Every option but --help (-h),
// --version (-V) and --strict takes a value, as "--name value" or
// "--name=value"; the word after an option is its value even when it starts
// with "-". A method name may be given in the catalog's language or in
// English. The first --help or --version wins over everything after it.
// --format xlsx needs --output, and --output is for xlsx only.
ParsedCommandLine parseArguments(const std::vector<std::string>& arguments,
                                 const TextCatalog& texts = englishCatalog());

// The interface language ("de", "en") a --language code names: the
// language alone or with its region ("de_DE", "de-AT"); nullopt for a
// language the program lacks.
std::optional<std::string> languageNamed(std::string_view code);

// The language of the last --language option that names one, read before
// the other options so that every message of the run speaks it.
std::optional<std::string> languageArgument(const std::vector<std::string>& arguments);

// YYYY-MM-DD, a real date in the years 1 to 9999.
std::optional<DayNumber> readIsoDate(std::string_view text);

// The usage with the method and unit names of the catalog's language.
std::string usageText(const TextCatalog& texts = englishCatalog());

// The product and its version, as the window program's --version writes them.
std::string versionText();

// A usage error as the run prints it: the program's name, the message and
// where to read more, on two lines.
std::string usageErrorText(std::string_view message);

}  // namespace pecunor::cli
