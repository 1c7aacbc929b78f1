#include "command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include <QCoreApplication>

#include "cli_texts.h"
#include "engine/text_catalog.h"
#include "platform/ui_language.h"
#include "product/product_constants.h"

namespace pecunor::cli {

namespace {

using Problem = std::optional<std::string>;
// The catalog names the methods in the language of the run.
using Setter = Problem (*)(CliOptions&, std::string_view, const TextCatalog&);

std::optional<long long> wholeNumber(std::string_view text)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

// The languages of the program as --language takes them: English, then those
// it was built with.
std::string languageList()
{
    const QStringList languages = QStringList{QStringLiteral("en")} + platform::translatedLanguages();
    return languages.join(QStringLiteral(", ")).toStdString();
}

// Reads an index into one of the engine's enumerations.
template <typename Enum>
Problem readIndex(std::string_view option, std::string_view text, int count,
                  std::optional<Enum> (*fromIndex)(long long), Enum& into)
{
    const auto number = wholeNumber(text);
    const std::string range = "0-" + std::to_string(count - 1);
    if (!number)
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1: '%2' is not a number %3"), {option, text, range});
    const auto value = fromIndex(*number);
    if (!value)
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "%1: '%2' is out of the range %3"), {option, text, range});
    into = *value;
    return std::nullopt;
}

// The name in the run's language or in English, or the index.
Problem setMethod(CliOptions& options, std::string_view text, const TextCatalog& texts)
{
    for (int index = 0; index < methodCount; ++index) {
        const CalcMethod method = *methodFromIndex(index);
        if (methodListText(method, texts) == text || methodListText(method) == text) {
            options.request.method = method;
            return std::nullopt;
        }
    }
    if (!wholeNumber(text))
        return translated(
            QT_TRANSLATE_NOOP("pecunor-calc", "--method: '%1' is neither a method index 0-13 nor a method name"),
            {text});
    return readIndex("--method", text, methodCount, methodFromIndex, options.request.method);
}

Problem setPeriods(CliOptions& options, std::string_view text, const TextCatalog&)
{
    return readIndex("--periods", text, periodUnitCount, periodUnitFromIndex, options.request.periodUnit);
}

Problem setTiming(CliOptions& options, std::string_view text, const TextCatalog&)
{
    return readIndex("--timing", text, paymentTimingCount, paymentTimingFromIndex, options.request.paymentTiming);
}

Problem setInterestPer(CliOptions& options, std::string_view text, const TextCatalog&)
{
    return readIndex("--interest-per", text, periodUnitCount, periodUnitFromIndex, options.request.interestPer);
}

Problem setStart(CliOptions& options, std::string_view text, const TextCatalog&)
{
    options.request.startDateText = text;
    return std::nullopt;
}

template <std::size_t Index>
Problem setValue(CliOptions& options, std::string_view text, const TextCatalog&)
{
    options.request.valueTexts[Index] = text;
    return std::nullopt;
}

Problem setToday(CliOptions& options, std::string_view text, const TextCatalog&)
{
    options.today = readIsoDate(text);
    if (!options.today)
        return translated(
            QT_TRANSLATE_NOOP("pecunor-calc", "--today: '%1' is not a date YYYY-MM-DD in the years 1 to 9999"), {text});
    return std::nullopt;
}

Problem setLocale(CliOptions& options, std::string_view text, const TextCatalog&)
{
    options.localeName = std::string(text);
    return std::nullopt;
}

// Only checked here: languageArgument reads the language before the other
// options, so that every message of the run speaks it.
Problem setLanguage(CliOptions&, std::string_view text, const TextCatalog&)
{
    if (!languageNamed(text))
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "--language: '%1' is not a language of the program (%2)"),
                          {text, languageList()});
    return std::nullopt;
}

Problem setFormat(CliOptions& options, std::string_view text, const TextCatalog&)
{
    if (text == "aligned")
        options.format = OutputFormat::Aligned;
    else if (text == "csv")
        options.format = OutputFormat::Csv;
    else if (text == "json")
        options.format = OutputFormat::Json;
    else if (text == "numbers")
        options.format = OutputFormat::Numbers;
    else if (text == "xlsx")
        options.format = OutputFormat::Xlsx;
    else
        return translated(
            QT_TRANSLATE_NOOP("pecunor-calc", "--format: '%1' is not one of aligned, csv, json, numbers, xlsx"),
            {text});
    return std::nullopt;
}

Problem setOutput(CliOptions& options, std::string_view text, const TextCatalog&)
{
    if (text.empty())
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "--output: the file name is empty"));
    options.outputPath = std::string(text);
    return std::nullopt;
}

// A workbook is no text for standard output, and a text has no file of its own.
Problem checkOutput(const CliOptions& options)
{
    if (options.format == OutputFormat::Xlsx && !options.outputPath)
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "--format xlsx needs --output FILE"));
    if (options.format != OutputFormat::Xlsx && options.outputPath)
        return translated(QT_TRANSLATE_NOOP("pecunor-calc", "--output is only for --format xlsx"));
    return std::nullopt;
}

// Without a value: what the run is to do, or how strictly it reads.
enum class Flag { Help, Version, Strict };

struct KnownOption {
    std::string_view name;
    Setter set;  // nullptr for a flag
    Flag flag = Flag::Help;
};

constexpr std::array<KnownOption, 19> knownOptions = {{
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
    {"--language", setLanguage},
    {"--format", setFormat},
    {"--output", setOutput},
    {"--help", nullptr, Flag::Help},
    {"-h", nullptr, Flag::Help},
    {"--version", nullptr, Flag::Version},
    {"-V", nullptr, Flag::Version},
    {"--strict", nullptr, Flag::Strict},
}};

const KnownOption* findOption(std::string_view name)
{
    for (const KnownOption& option : knownOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

std::size_t equalsSignOf(std::string_view argument)
{
    return argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
}

// The value after "=" or else the next word, which at then moves past;
// nullopt when the line ends first.
std::optional<std::string_view> optionValue(const std::vector<std::string>& arguments, std::size_t& at,
                                            std::size_t equals)
{
    if (equals != std::string_view::npos)
        return std::string_view(arguments[at]).substr(equals + 1);
    if (at + 1 < arguments.size())
        return arguments[++at];
    return std::nullopt;
}

bool namesEnglish(std::string_view code)
{
    const QString text = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())).toLower();
    return text == u"en" || text.startsWith(u"en_") || text.startsWith(u"en-");
}

}  // namespace

std::optional<DayNumber> readIsoDate(std::string_view text)
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

std::optional<std::string> languageNamed(std::string_view code)
{
    const QString language =
        platform::chooseInterfaceLanguage({QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()))});
    // The chooser answers English also for a language the program lacks.
    if (language == u"en" && !namesEnglish(code))
        return std::nullopt;
    return language.toStdString();
}

std::optional<std::string> languageArgument(const std::vector<std::string>& arguments)
{
    std::optional<std::string> language;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::size_t equals = equalsSignOf(arguments[at]);
        const KnownOption* option = findOption(std::string_view(arguments[at]).substr(0, equals));
        if (option == nullptr || option->set == nullptr)
            continue;
        const auto value = optionValue(arguments, at, equals);
        if (value && option->set == setLanguage)
            if (auto named = languageNamed(*value))
                language = std::move(named);
    }
    return language;
}

bool CliOptions::gave(std::string_view option) const
{
    return std::find(givenOptions.begin(), givenOptions.end(), option) != givenOptions.end();
}

ParsedCommandLine parseArguments(const std::vector<std::string>& arguments, const TextCatalog& texts)
{
    CliOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const std::size_t equals = equalsSignOf(argument);
        const std::string_view name = argument.substr(0, equals);
        const KnownOption* option = findOption(name);
        if (option == nullptr) {
            if (!argument.starts_with("-"))
                return UsageError{
                    translated(QT_TRANSLATE_NOOP("pecunor-calc", "unexpected argument '%1'"), {argument})};
            return UsageError{translated(QT_TRANSLATE_NOOP("pecunor-calc", "unknown option '%1'"), {name})};
        }
        if (option->set == nullptr) {
            if (equals != std::string_view::npos)
                return UsageError{translated(QT_TRANSLATE_NOOP("pecunor-calc", "option '%1' takes no value"), {name})};
            if (option->flag == Flag::Help)
                return HelpWanted{};
            if (option->flag == Flag::Version)
                return VersionWanted{};
            options.strict = true;
            continue;
        }
        const auto value = optionValue(arguments, at, equals);
        if (!value)
            return UsageError{translated(QT_TRANSLATE_NOOP("pecunor-calc", "option '%1' needs a value"), {name})};
        if (Problem problem = option->set(options, *value, texts))
            return UsageError{std::move(*problem)};
        options.givenOptions.push_back(option->name);
    }
    if (Problem problem = checkOutput(options))
        return UsageError{std::move(*problem)};
    return options;
}

std::string usageText(const TextCatalog& texts)
{
    std::string text = translated(QT_TRANSLATE_NOOP(
        "pecunor-calc", "Usage: pecunor-calc [--method N|\"LIST TEXT\"] [--start TEXT] [--periods N] [--timing N]\n"
                        "                    [--interest-per N] [--v1 TEXT] [--v2 TEXT] [--v3 TEXT] [--v4 TEXT]\n"
                        "                    [--today YYYY-MM-DD] [--locale NAME] [--language CODE]\n"
                        "                    [--format aligned|csv|json|numbers|xlsx] [--output FILE]\n"
                        "                    [--strict]\n"
                        "       pecunor-calc --batch [OPTIONS]\n"
                        "       pecunor-calc -h|--help | -V|--version\n"
                        "\n"
                        "Calculates one sheet from the inputs as they would be typed into the window.\n"
                        "  --method        the method's index or its name (default 0):\n"));
    for (int index = 0; index < methodCount; ++index) {
        text += index < 10 ? "                    " : "                   ";
        text += std::to_string(index) + "  " + std::string(methodListText(*methodFromIndex(index), texts)) + "\n";
    }
    std::string units;
    for (int index = 0; index < periodUnitCount; ++index)
        units.append(index == 0 ? "" : ", ").append(periodUnitText(*periodUnitFromIndex(index), texts));
    text += translated(
        QT_TRANSLATE_NOOP("pecunor-calc",
                          "  --start         the start date in the locale's short date form or as YYYY-MM-DD\n"
                          "                  (default: today)\n"
                          "  --periods       the period unit 0-5: %1\n"
                          "  --timing        payments due at 0 the start or 1 the end of the period\n"
                          "  --interest-per  the unit of the interest rate, 0-5 as for --periods\n"
                          "  --v1 .. --v4    the four value entries\n"
                          "  --today         the date taken as today (default: the local date)\n"
                          "  --locale        a locale name such as en_US, de_DE, fr_CH or C (default: the system's)\n"
                          "  --language      the language of the texts: %2 (default: the system's)\n"
                          "  --format        aligned or csv, the text file layouts (default: aligned); json, the\n"
                          "                  sheet for programs; numbers, the table as plain numbers; xlsx, the\n"
                          "                  workbook of Save As Spreadsheet, written to the --output file\n"
                          "  --output        the file of --format xlsx\n"
                          "  --strict        refuse, as a usage error, any input not read as written\n"
                          "  --batch         one request a line on standard input, a JSON object named like the\n"
                          "                  options ({\"v1\": \"1000\", ...}), and one JSON sheet a line out\n"
                          "  -h, --help      show this text and end\n"
                          "  -V, --version   show the product and version and end\n"
                          "Options also take the form --name=value.\n"
                          "Each input the window would read otherwise than written (characters left out,\n"
                          "a sign ignored, a separator not of the locale, a start date replaced by today,\n"
                          "an input the method does not use) is named on standard error; the sheet is\n"
                          "the window's.\n"
                          "Exit status: 0 a valid sheet, 1 missing or invalid inputs, an arithmetic fault or a\n"
                          "workbook not written, 2 a usage error.\n"),
        {units, languageList()});
    return text;
}

std::string versionText()
{
    return std::string(Product.ProductName) + " " + std::string(Product.ProductVersion) + "\n";
}

std::string usageErrorText(std::string_view message)
{
    return "pecunor-calc: " + std::string(message) + "\n" +
           translated(QT_TRANSLATE_NOOP("pecunor-calc", "Try 'pecunor-calc --help'.")) + "\n";
}

}  // namespace pecunor::cli
