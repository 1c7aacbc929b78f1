#include <gtest/gtest.h>

#include "cli/command_line.h"

namespace pecunor::cli {
namespace {

CliOptions parsedOptions(const std::vector<std::string>& arguments)
{
    const ParsedCommandLine parsed = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed))
        ADD_FAILURE() << "usage error: " << error->message;
    EXPECT_TRUE(std::holds_alternative<CliOptions>(parsed));
    return std::holds_alternative<CliOptions>(parsed) ? std::get<CliOptions>(parsed) : CliOptions{};
}

std::string usageError(const std::vector<std::string>& arguments)
{
    const ParsedCommandLine parsed = parseArguments(arguments);
    const auto* error = std::get_if<UsageError>(&parsed);
    return error != nullptr ? error->message : "(accepted)";
}

TEST(ParseArgumentsTest, DefaultsWithoutArguments)
{
    const CliOptions options = parsedOptions({});
    EXPECT_EQ(options.request.method, CalcMethod::FutureValue);
    EXPECT_EQ(options.request.startDateText, "");
    EXPECT_EQ(options.request.periodUnit, PeriodUnit::Years);
    EXPECT_EQ(options.request.paymentTiming, PaymentTiming::StartOfPeriod);
    EXPECT_EQ(options.request.interestPer, PeriodUnit::Years);
    EXPECT_EQ(options.request.valueTexts, (std::array<std::string, 4>{}));
    EXPECT_FALSE(options.today.has_value());
    EXPECT_FALSE(options.localeName.has_value());
    EXPECT_EQ(options.format, OutputFormat::Aligned);
    EXPECT_FALSE(options.strict);
}

TEST(ParseArgumentsTest, ReadsEveryOption)
{
    const CliOptions options =
        parsedOptions({"--method",       "5",         "--start", "1/31/2024",  "--periods", "3",     "--timing", "1",
                       "--interest-per", "2",         "--v1",    "20000",      "--v2",      "6.5",   "--v3",     "2000",
                       "--v4",           "48",        "--today", "2024-02-29", "--locale",  "de_DE", "--format", "xlsx",
                       "--output",       "loan.xlsx", "--strict"});
    EXPECT_EQ(options.request.method, CalcMethod::PresentLoanPayment);
    EXPECT_EQ(options.request.startDateText, "1/31/2024");
    EXPECT_EQ(options.request.periodUnit, PeriodUnit::Months);
    EXPECT_EQ(options.request.paymentTiming, PaymentTiming::EndOfPeriod);
    EXPECT_EQ(options.request.interestPer, PeriodUnit::Quarters);
    EXPECT_EQ(options.request.valueTexts, (std::array<std::string, 4>{"20000", "6.5", "2000", "48"}));
    EXPECT_EQ(options.today, dayNumberOf(2024, 2, 29));
    EXPECT_EQ(options.localeName, "de_DE");
    EXPECT_EQ(options.format, OutputFormat::Xlsx);
    EXPECT_EQ(options.outputPath, "loan.xlsx");
    EXPECT_TRUE(options.strict);
}

TEST(ParseArgumentsTest, ValuesThatStartWithMinusAreValues)
{
    const CliOptions options = parsedOptions({"--v1", "-5", "--v2", "--v3", "--start", "-"});
    EXPECT_EQ(options.request.valueTexts[0], "-5");
    EXPECT_EQ(options.request.valueTexts[1], "--v3");
    EXPECT_EQ(options.request.valueTexts[2], "");
    EXPECT_EQ(options.request.startDateText, "-");
}

TEST(ParseArgumentsTest, TakesValuesAfterAnEqualsSign)
{
    const CliOptions options = parsedOptions(
        {"--method=Present Loan Payment", "--v1=-5", "--v2=a=b", "--start=", "--format=json", "--today=0001-01-01"});
    EXPECT_EQ(options.request.method, CalcMethod::PresentLoanPayment);
    EXPECT_EQ(options.request.valueTexts[0], "-5");
    EXPECT_EQ(options.request.valueTexts[1], "a=b");
    EXPECT_EQ(options.request.startDateText, "");
    EXPECT_EQ(options.format, OutputFormat::Json);
    EXPECT_EQ(options.today, firstDayNumber);
}

TEST(ParseArgumentsTest, NamesMethodsByIndexOrExactListText)
{
    const struct {
        const char* text;
        CalcMethod method;
    } cases[] = {
        {"0", CalcMethod::FutureValue},
        {"13", CalcMethod::EarningsPerShare},
        {"007", CalcMethod::SumOfYearsDepreciation},
        {"Future Value", CalcMethod::FutureValue},
        {"Future Value Annuity", CalcMethod::FutureValueAnnuity},
        {"Dbl. Decl. Bal. Deprec.", CalcMethod::DoubleDecliningDepreciation},
        {"Price / Earnings (Stocks)", CalcMethod::PriceEarnings},
        {"Earnings / Share (Stocks)", CalcMethod::EarningsPerShare},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsedOptions({"--method", c.text}).request.method, c.method) << c.text;
}

TEST(ParseArgumentsTest, LaterOptionWins)
{
    const CliOptions options = parsedOptions({"--v1", "1", "--format", "csv", "--v1", "2", "--format", "json"});
    EXPECT_EQ(options.request.valueTexts[0], "2");
    EXPECT_EQ(options.format, OutputFormat::Json);
}

TEST(ParseArgumentsTest, HelpOrVersionWinsOverLaterArguments)
{
    EXPECT_TRUE(std::holds_alternative<HelpWanted>(parseArguments({"--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpWanted>(parseArguments({"--v1", "5", "-h", "--bogus"})));
    EXPECT_TRUE(std::holds_alternative<VersionWanted>(parseArguments({"--strict", "-V", "--help"})));
    EXPECT_TRUE(std::holds_alternative<VersionWanted>(parseArguments({"--version", "--bogus"})));
    // The word after an option is its value, even "--help".
    EXPECT_EQ(parsedOptions({"--v1", "--help"}).request.valueTexts[0], "--help");
}

struct UsageCase {
    std::vector<std::string> arguments;
    std::string message;
};

TEST(ParseArgumentsTest, NamesTheFaultOfEveryUsageError)
{
    const UsageCase cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--bogus=1"}, "unknown option '--bogus'"},
        {{"-v"}, "unknown option '-v'"},
        {{"--strict=1"}, "option '--strict' takes no value"},
        {{"--V1", "5"}, "unknown option '--V1'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--help=yes"}, "option '--help' takes no value"},
        {{"--v1"}, "option '--v1' needs a value"},
        {{"--v4", "1", "--today"}, "option '--today' needs a value"},
        {{"--method", "14"}, "--method: '14' is out of the range 0-13"},
        {{"--method", "-1"}, "--method: '-1' is out of the range 0-13"},
        {{"--method", "future value"}, "--method: 'future value' is neither a method index 0-13 nor a method name"},
        {{"--method", "5x"}, "--method: '5x' is neither a method index 0-13 nor a method name"},
        {{"--method="}, "--method: '' is neither a method index 0-13 nor a method name"},
        {{"--periods", "6"}, "--periods: '6' is out of the range 0-5"},
        {{"--periods", "Months"}, "--periods: 'Months' is not a number 0-5"},
        {{"--periods", " 3"}, "--periods: ' 3' is not a number 0-5"},
        {{"--timing", "2"}, "--timing: '2' is out of the range 0-1"},
        {{"--timing", "+1"}, "--timing: '+1' is not a number 0-1"},
        {{"--interest-per", "99999999999999999999"}, "--interest-per: '99999999999999999999' is not a number 0-5"},
        {{"--interest-per", "-0x1"}, "--interest-per: '-0x1' is not a number 0-5"},
        {{"--today", "2023-02-29"}, "--today: '2023-02-29' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--today", "0000-01-01"}, "--today: '0000-01-01' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--today", "2024-13-01"}, "--today: '2024-13-01' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--today", "2024-1-15"}, "--today: '2024-1-15' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--today", "+024-01-15"}, "--today: '+024-01-15' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--today", "15.01.2024"}, "--today: '15.01.2024' is not a date YYYY-MM-DD in the years 1 to 9999"},
        {{"--format", "xml"}, "--format: 'xml' is not one of aligned, csv, json, numbers, xlsx"},
        {{"--format", "JSON"}, "--format: 'JSON' is not one of aligned, csv, json, numbers, xlsx"},
        {{"--format", "xlsx"}, "--format xlsx needs --output FILE"},
        {{"--output", "loan.xlsx", "--format", "json"}, "--output is only for --format xlsx"},
        {{"--format", "xlsx", "--output="}, "--output: the file name is empty"},
    };
    for (const UsageCase& c : cases)
        EXPECT_EQ(usageError(c.arguments), c.message) << testing::PrintToString(c.arguments);
}

TEST(ParseArgumentsTest, KeepsTheLocaleNameForLaterLookup)
{
    EXPECT_EQ(parsedOptions({"--locale", "xx_YY"}).localeName, "xx_YY");
}

TEST(UsageTextTest, ShowsTheSynopsisAndEveryMethod)
{
    const std::string usage = usageText();
    EXPECT_TRUE(usage.starts_with("Usage: pecunor-calc [--method N|\"LIST TEXT\"]"));
    for (int index = 0; index < methodCount; ++index)
        EXPECT_NE(usage.find(methodListText(*methodFromIndex(index))), std::string::npos) << index;
}

}  // namespace
}  // namespace pecunor::cli
