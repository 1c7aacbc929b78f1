#include "command_line.h"

#include <array>
#include <charconv>
#include <string_view>

namespace pecunor::cli {

namespace {

using Problem = std::optional<std::string>;
using Setter = Problem (*)(CliOptions&, std::string_view);

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::optional<long long> wholeNumber(std::string_view text)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

// Reads an index into one of the engine's enumerations.
template <typename Enum>
Problem readIndex(std::string_view option, std::string_view text, int count,
                  std::optional<Enum> (*fromIndex)(long long), Enum& into)
{
    const auto number = wholeNumber(text);
    const std::string range = "0-" + std::to_string(count - 1);
    if (!number)
        return std::string(option) + ": " + quoted(text) + " is not a number " + range;
    const auto value = fromIndex(*number);
    if (!value)
        return std::string(option) + ": " + quoted(text) + " is out of the range " + range;
    into = *value;
    return std::nullopt;
}

Problem setMethod(CliOptions& options, std::string_view text)
{
    for (int index = 0; index < methodCount; ++index) {
        const CalcMethod method = *methodFromIndex(index);
        if (methodListText(method) == text) {
            options.request.method = method;
            return std::nullopt;
        }
    }
    if (!wholeNumber(text))
        return "--method: " + quoted(text) + " is neither a method index 0-13 nor a method name";
    return readIndex("--method", text, methodCount, methodFromIndex, options.request.method);
}

Problem setPeriods(CliOptions& options, std::string_view text)
{
    return readIndex("--periods", text, periodUnitCount, periodUnitFromIndex, options.request.periodUnit);
}

Problem setTiming(CliOptions& options, std::string_view text)
{
    return readIndex("--timing", text, paymentTimingCount, paymentTimingFromIndex, options.request.paymentTiming);
}

Problem setInterestPer(CliOptions& options, std::string_view text)
{
    return readIndex("--interest-per", text, periodUnitCount, periodUnitFromIndex, options.request.interestPer);
}

Problem setStart(CliOptions& options, std::string_view text)
{
    options.request.startDateText = text;
    return std::nullopt;
}

template <std::size_t Index>
Problem setValue(CliOptions& options, std::string_view text)
{
    options.request.valueTexts[Index] = text;
    return std::nullopt;
}

// YYYY-MM-DD, a real date in the years 1 to 9999.
std::optional<DayNumber> isoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto part = [text](std::size_t at, std::size_t length) -> std::optional<long long> {
        const std::string_view digits = text.substr(at, length);
        if (digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        return wholeNumber(digits);
    };
    const auto year = part(0, 4);
    const auto month = part(5, 2);
    const auto day = part(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return dayNumberOf(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day));
}

Problem setToday(CliOptions& options, std::string_view text)
{
    options.today = isoDate(text);
    if (!options.today)
        return "--today: " + quoted(text) + " is not a date YYYY-MM-DD in the years 1 to 9999";
    return std::nullopt;
}

Problem setLocale(CliOptions& options, std::string_view text)
{
    options.localeName = std::string(text);
    return std::nullopt;
}

Problem setFormat(CliOptions& options, std::string_view text)
{
    if (text == "aligned")
        options.format = OutputFormat::Aligned;
    else if (text == "csv")
        options.format = OutputFormat::Csv;
    else if (text == "json")
        options.format = OutputFormat::Json;
    else
        return "--format: " + quoted(text) + " is not one of aligned, csv, json";
    return std::nullopt;
}

struct KnownOption {
    std::string_view name;
    Setter set;
};

constexpr std::array<KnownOption, 13> knownOptions = {{
    {"--method", setMethod},
    {"--start", setStart},
    {"--periods", setPeriods},
    {"--timing", setTiming},
    {"--interest-per", setInterestPer},
    {"--v1", setValue<0>},
    {"--v2", setValue<1>},
    {"--v3", setValue<2>},
    {"--v4", setValue<3>},
    {"--today", setToday},
    {"--locale", setLocale},
    {"--format", setFormat},
    {"--help", nullptr},  // takes no value
}};

const KnownOption* findOption(std::string_view name)
{
    for (const KnownOption& option : knownOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

}  // namespace

ParsedCommandLine parseArguments(const std::vector<std::string>& arguments)
{
    CliOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        if (argument == "--help")
            return HelpWanted{};
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const std::string_view name = argument.substr(0, equals);
        const KnownOption* option = findOption(name);
        if (option == nullptr) {
            if (!argument.starts_with("-"))
                return UsageError{"unexpected argument " + quoted(argument)};
            return UsageError{"unknown option " + quoted(name)};
        }
        if (option->set == nullptr)
            return UsageError{"option " + quoted(name) + " takes no value"};
        std::string_view value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        else if (at + 1 < arguments.size())
            value = arguments[++at];
        else
            return UsageError{"option " + quoted(name) + " needs a value"};
        if (Problem problem = option->set(options, value))
            return UsageError{std::move(*problem)};
    }
    return options;
}

std::string usageText()
{
    std::string text =
        "Usage: pecunor-calc [--method N|\"LIST TEXT\"] [--start TEXT] [--periods N] [--timing N]\n"
        "                    [--interest-per N] [--v1 TEXT] [--v2 TEXT] [--v3 TEXT] [--v4 TEXT]\n"
        "                    [--today YYYY-MM-DD] [--locale NAME] [--format aligned|csv|json]\n"
        "\n"
        "Calculates one sheet from the inputs as they would be typed into the window.\n"
        "  --method        the method's index or its name (default 0):\n";
    for (int index = 0; index < methodCount; ++index) {
        text += index < 10 ? "                    " : "                   ";
        text += std::to_string(index) + "  " + std::string(methodListText(*methodFromIndex(index))) + "\n";
    }
    text +=
        "  --start         the start date in the locale's short date form (default: today)\n"
        "  --periods       the period unit 0-5: Years, Half-Years, Quarters, Months, Weeks, Days\n"
        "  --timing        payments due at 0 the start or 1 the end of the period\n"
        "  --interest-per  the unit of the interest rate, 0-5 as for --periods\n"
        "  --v1 .. --v4    the four value entries\n"
        "  --today         the date taken as today (default: the local date)\n"
        "  --locale        a locale name such as en_US, de_DE, fr_CH or C (default: the system's)\n"
        "  --format        aligned or csv, the text file layouts, or json, the whole sheet\n"
        "                  (default: aligned)\n"
        "Options also take the form --name=value.\n"
        "Exit status: 0 a valid sheet, 1 insufficient input or an arithmetic fault,\n"
        "2 a usage error.\n";
    return text;
}

}  // namespace pecunor::cli
