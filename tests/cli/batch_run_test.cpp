#include <gtest/gtest.h>

#include <sstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "batch_run.h"
#include "sheet_numbers.h"

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
                                          R"({"v1":"1000","periods":9})" "\n" R"({"v1":"1000","format":"csv"})" "\n" +
                                          R"({"v2":"10"})" "\n",
                                      run);
    const struct {
        const char* kind;  // empty: no sheet
        const char* faultCode;
    } expected[] = {{"schedule", ""}, {"", "request"}, {"ratio", ""}, {"", "request"}, {"", "request"},
                    {"schedule", "insufficientInput"}};
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

}  // namespace
}  // namespace pecunor::cli
