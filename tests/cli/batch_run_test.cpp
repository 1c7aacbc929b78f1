#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/batch_run.h"
#include "cli/calc_cli.h"
#include "cli/sheet_numbers.h"

namespace pecunor::cli {
namespace {

struct BatchRun {
    std::vector<QJsonObject> lines;
    std::string err;
    int exitStatus;
};

BatchRun runBatchOn(const std::string& input, const std::vector<std::string>& runArguments)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    BatchRun run{{}, {}, runBatch(in, out, err, runArguments)};
    std::istringstream answers(out.str());
    for (std::string line; std::getline(answers, line);)
        run.lines.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    run.err = err.str();
    return run;
}

TEST(BatchRunTest, EveryLineAnswersInOrderAndABadLineOnlyForItself)
{
    const std::vector<std::string> run = {"--locale", "en_US", "--today", "2024-01-15"};
    const std::string futureValue = R"({"method":0,"v1":"1000","v2":"10","v3":"3","start":"2024-01-15"})";
    const std::string bondYield = R"({"method":"Bond Yield","v1":"8","v2":"100"})";
    const BatchRun mixed = runBatchOn(futureValue + "\n{\"method\": 0,\n" + bondYield + "\r\n" +
                                          R"({"v1":"1000","periods":9})"
                                          "\n"
                                          R"({"v1":"1000","format":"csv"})"
                                          "\n" +
                                          R"({"v2":"10"})"
                                          "\n",
                                      run);
    const struct {
        const char* kind;  // empty: no sheet
        const char* faultCode;
    } expected[] = {{"schedule", ""}, {"", "request"}, {"ratio", ""},
                    {"", "request"},  {"", "request"}, {"schedule", "insufficientInput"}};
    ASSERT_EQ(mixed.lines.size(), std::size(expected));
    for (std::size_t at = 0; at < mixed.lines.size(); ++at) {
        const QJsonObject& line = mixed.lines[at];
        EXPECT_EQ(line["line"].toInt(), static_cast<int>(at + 1));
        EXPECT_EQ(line["kind"].toString().toStdString(), expected[at].kind) << at + 1;
        EXPECT_EQ(line["fault"]["code"].toString().toStdString(), expected[at].faultCode) << at + 1;
    }
    EXPECT_NE(mixed.lines[3]["fault"]["message"].toString().indexOf("--periods"), -1);
    EXPECT_EQ(mixed.lines[0]["summary"][0]["value"].toDouble(), 1331.0);
    EXPECT_EQ(mixed.lines[2]["summary"][2]["value"].toDouble(), 0.08);
    EXPECT_EQ(mixed.exitStatus, 1);

    const BatchRun clean = runBatchOn(futureValue + "\n" + bondYield + "\n", run);
    EXPECT_EQ(clean.lines.size(), 2u);
    EXPECT_EQ(clean.exitStatus, 0);

    // A fault in the run's own options reads no line.
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--format", "json"}, {"--periods", "9"}}) {
        const BatchRun refused = runBatchOn(futureValue + "\n", wrong);
        EXPECT_TRUE(refused.lines.empty());
        EXPECT_TRUE(refused.err.starts_with("pecunor-calc: --")) << refused.err;
        EXPECT_EQ(refused.exitStatus, 2);
    }
}

TEST(SheetNumbersTest, PlainNumbersAndIsoDatesInEveryLocale)
{
    const struct {
        std::vector<std::string> request;
        std::string numbers;
    } cases[] = {
        {{"--v1", "1000", "--v2", "10", "--v3", "3", "--start", "2024-01-15"},
         "#,Date,Interest/Year,Accumulated Total\n1,2025-01-15,100.00,1100.00\n2,2026-01-15,110.00,1210.00\n"
         "3,2027-01-15,121.00,1331.00\n"},
        {{"--method", "10", "--v1", "8", "--v2", "100"}, "Coupon Rate,Price,Yield\n8.00,100.00,0.08\n"},
        {{"--v2", "10"}, ""},
    };
    for (const auto& c : cases) {
        for (const char* locale : {"en_US", "de_DE", "fr_CH"}) {
            std::vector<std::string> arguments = c.request;
            arguments.insert(arguments.end(), {"--locale", locale, "--today", "2024-01-15"});
            const auto prepared = prepareRun(arguments);
            ASSERT_TRUE(std::holds_alternative<PreparedRun>(prepared)) << locale;
            EXPECT_EQ(sheetNumbers(std::get<PreparedRun>(prepared), englishCatalog()), c.numbers) << locale;
        }
    }
}

// A number as a double reads it, so that 1100.0 and 1100.00 compare equal; other text as it stands.
std::string asRead(const std::string& text)
{
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        return text;
    char exact[32];
    std::snprintf(exact, sizeof exact, "%.17g", number);
    return exact;
}

// The workbook of --format xlsx holds, cell by cell, the table that --format numbers prints: the same amounts to
// the cent as numbers (the engine's figures against its plain texts), dates as dates, in every locale; a file that
// cannot be written is named with the reason.
TEST(WorkbookOutputTest, HoldsTheTableOfTheNumbersFormatOrNamesItsFile)
{
    const std::string script = (std::filesystem::path(__FILE__).parent_path() / "../output/read_workbook.py").string();
    const std::string path = testing::TempDir() + "loan.xlsx";
    const std::vector<std::string> loan = {"--method", "5",          "--periods", "3",         "--v1", "25000.5",
                                           "--v2",     "7",          "--v3",      "1000",      "--v4", "120",
                                           "--today",  "2024-01-15", "--start",   "2024-01-31"};
    for (const char* locale : {"en_US", "de_DE", "fr_CH"}) {
        SCOPED_TRACE(locale);
        std::vector<std::string> arguments = loan;
        arguments.insert(arguments.end(), {"--locale", locale, "--strict"});
        if (std::string(locale) != "en_US")
            arguments[5] = "25000,5";
        std::vector<std::string> numbers = arguments;
        numbers.insert(numbers.end(), {"--format", "numbers"});
        arguments.insert(arguments.end(), {"--format", "xlsx", "--output", path});
        const CliOutput written = runCommandLine(arguments);
        ASSERT_EQ(written.exitStatus, 0) << written.err;

        std::map<int, std::string> rows;  // the table from its header row on, as comma-delimited lines
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> reader(
            popen(("/usr/bin/python3 " + script + " " + path).c_str(), "r"), pclose);
        std::string json;
        for (char buffer[65536]; const std::size_t n = std::fread(buffer, 1, sizeof buffer, reader.get());)
            json.append(buffer, n);
        int header = -1;
        for (const QJsonValue cell : QJsonDocument::fromJson(QByteArray::fromStdString(json))["cells"].toArray()) {
            const int row = cell[0].toInt();
            const std::string value = cell[3].toString().toStdString();
            header = header < 0 && value == "#" ? row : header;
            if (header >= 0 && row >= header)
                rows[row - header] += (cell[1].toInt() > 0 ? "," : "") + asRead(value);
        }
        std::istringstream expected(runCommandLine(numbers).out);
        std::size_t compared = 0;
        for (std::string line; std::getline(expected, line); ++compared) {
            std::string plain;
            for (std::size_t at = 0, comma = 0; comma != std::string::npos; at = comma + 1)
                plain += (at > 0 ? "," : "") + asRead(line.substr(at, (comma = line.find(',', at)) - at));
            EXPECT_EQ(rows[int(compared)], plain);
        }
        EXPECT_EQ(compared, 121u);
        EXPECT_EQ(rows.size(), compared);
    }
    const std::string missing = testing::TempDir() + "missing/loan.xlsx";
    std::vector<std::string> unwritable = loan;
    unwritable.insert(unwritable.end(), {"--format", "xlsx", "--output", missing});
    const CliOutput refused = runCommandLine(unwritable);
    EXPECT_EQ(refused.err, "pecunor-calc: " + missing + ": No such file or directory\n");
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace pecunor::cli
