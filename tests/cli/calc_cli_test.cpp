#include <gtest/gtest.h>

#include <algorithm>

#include "../engine/engine_test_support.h"
#include "cli/calc_cli.h"
#include "cli/input_notes.h"
#include "engine/calc_chart.h"
#include "engine/text_utils.h"
#include "platform/ui_language.h"

namespace pecunor::cli {
namespace {

std::vector<std::string> described(const std::vector<InputRowText>& rows)
{
    std::vector<std::string> lines;
    for (const InputRowText& row : rows)
        lines.push_back(row.caption + " | " + row.value + (row.isEditField ? " | edit" : " | box"));
    return lines;
}

std::string right(std::string_view text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + std::string(text);
}

// Negative amounts in parentheses.
RegionalSettings dollarSettings()
{
    RegionalSettings regional = test::usRegional();
    regional.negativeCurrencyPattern = 0;
    return regional;
}

const DayNumber today = *dayNumberOf(2024, 1, 15);

ResultSheet calculated(const CalcRequest& request)
{
    MethodInputMemory memory(today);
    return calcChart(request, today, dollarSettings(), memory);
}

PreparedRun alignedRun(const CalcRequest& request)
{
    PreparedRun run;
    run.options.request = request;
    run.regional = dollarSettings();
    run.today = today;
    return run;
}

TEST(InputRowTextsTest, ShowsTheRowsOfTheMethodsMaskWithComposedLabels)
{
    CalcRequest request;
    request.method = CalcMethod::FutureValue;
    request.startDateText = "1/31/2024";
    request.periodUnit = PeriodUnit::Months;
    request.valueTexts = {"1000", "12", "24", "ignored"};
    EXPECT_EQ(described(inputRowTexts(request)), (std::vector<std::string>{
                                                     "&Method | Future Value | box",
                                                     "Start &Date | 1/31/2024 | box",
                                                     "&Periods are | Months | box",
                                                     "Present Value | 1000 | edit",
                                                     "% Interest | 12 | edit",
                                                     "Number of Months | 24 | edit",
                                                 }));
}

TEST(InputRowTextsTest, ShowsAllEightRowsWithTheTimingText)
{
    CalcRequest request;
    request.method = CalcMethod::FutureValueAnnuity;
    request.periodUnit = PeriodUnit::Quarters;
    request.paymentTiming = PaymentTiming::EndOfPeriod;
    request.valueTexts = {"500", "4", "-50", "8"};
    EXPECT_EQ(described(inputRowTexts(request)), (std::vector<std::string>{
                                                     "&Method | Future Value Annuity | box",
                                                     "Start &Date |  | box",
                                                     "&Periods are | Quarters | box",
                                                     "P&ayments Due at | End of Period | box",
                                                     "Principal | 500 | edit",
                                                     "% Interest | 4 | edit",
                                                     "Payment/Quarter | -50 | edit",
                                                     "Number of Quarters | 8 | edit",
                                                 }));
}

TEST(InputRowTextsTest, RatioMethodsShowTheMethodAndTwoValues)
{
    CalcRequest request;
    request.method = CalcMethod::PriceEarnings;
    request.startDateText = "not shown";
    request.valueTexts = {"50", "2.5", "", ""};
    EXPECT_EQ(described(inputRowTexts(request)), (std::vector<std::string>{
                                                     "&Method | Price / Earnings (Stocks) | box",
                                                     "Closing Price | 50 | edit",
                                                     "Earnings per Share | 2.5 | edit",
                                                 }));
}

TEST(RenderSheetTest, InvalidSheetPrintsOnlyTheInputBlockWhenAligned)
{
    CalcRequest request;
    request.valueTexts = {"", "10", "3", ""};
    const ResultSheet sheet = calculated(request);
    const CliOutput output = renderSheet(alignedRun(request), sheet);
    EXPECT_EQ(output.out, "\r\n" + right("Method", 25) + " : Future Value\r\n" + right("Start Date", 25) + " : \r\n" +
                              right("Periods are", 25) + " : Years\r\n" + right("Present Value", 25) + " : " +
                              right("", 15) + "\r\n" + right(" Interest", 25) + " : " + right("10", 15) + "\r\n" +
                              right("Number of Years", 25) + " : " + right("3", 15) + "\r\n\r\n");
    EXPECT_EQ(output.err, "pecunor-calc: no sheet from these inputs: --v1 (Present Value) must be above 0\n");
    EXPECT_EQ(output.exitStatus, 1);
}

TEST(RenderSheetTest, FaultPrintsTheSheetAndTheFaultMessage)
{
    CalcRequest request;
    request.valueTexts = {"1000", "1000", "5000", ""};
    const CliOutput output = renderSheet(alignedRun(request), calculated(request));
    EXPECT_TRUE(output.out.starts_with("\r\n" + right("Method", 25) + " : Future Value\r\n"));
    // No summary: the input block is followed directly by the three empty lines and the table.
    EXPECT_NE(output.out.find(right("5000", 15) + "\r\n\r\n\r\n\r\n\r\n     #"), std::string::npos);
    EXPECT_EQ(output.err, "Floating point overflow\n");
    EXPECT_EQ(output.exitStatus, 1);
}

// The message names what the engine refused: each value made 0, a count too
// large or a down payment above the loan, wherever the engine then gives no
// sheet, is named, and not among all of the method's needs.
TEST(NoSheetMessageTest, NamesTheValuesTheEngineRefuses)
{
    int refused = 0;
    for (int method = 0; method < methodCount; ++method) {
        CalcRequest valid;
        valid.method = *methodFromIndex(method);
        valid.valueTexts = {"1000", "10", "500", "3"};
        ASSERT_TRUE(calculated(valid).valid()) << method;
        const std::string allNeeds = noSheetMessage(valid, dollarSettings());
        for (std::size_t value = 0; value < valid.valueTexts.size(); ++value) {
            for (const char* text : {"0", "10000", "2000"}) {
                CalcRequest request = valid;
                request.valueTexts[value] = text;
                if (calculated(request).valid())
                    continue;
                ++refused;
                const std::string message = noSheetMessage(request, dollarSettings());
                EXPECT_NE(message, allNeeds) << method << " " << value << " " << text;
                EXPECT_NE(message.find("--v" + std::to_string(value + 1)), std::string::npos) << message;
            }
        }
    }
    EXPECT_GT(refused, 30);
}

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0, stop = 0; (stop = text.find("\r\n", at)) != std::string_view::npos; at = stop + 2)
        lines.emplace_back(text.substr(at, stop - at));
    return lines;
}

// In characters; npos for a line without one.
std::size_t colonColumn(std::string_view line)
{
    const std::size_t at = line.find(" : ");
    return at == std::string_view::npos ? at : characterCount(line.substr(0, at));
}

// Each translated line has its " : " where the English one has it, and within
// the caption column where an English caption runs past it; each translated
// input caption is written whole, without its mnemonic's "&" only.
TEST(RenderSheetTest, TranslatedFilesKeepTheEnglishColumnsAndWholeCaptions)
{
    constexpr std::size_t captionColumn = 25;
    for (int method = 0; method < methodCount; ++method) {
        for (int unit = 0; unit < periodUnitCount; ++unit) {
            const CalcRequest request{*methodFromIndex(method),   "1/15/2024",
                                      *periodUnitFromIndex(unit), PaymentTiming::EndOfPeriod,
                                      {"1000", "10", "3", "3"},   PeriodUnit::Years};
            const auto aligned = [&](const TextCatalog& texts) {
                MethodInputMemory memory(today);
                const ResultSheet sheet = calcChart(request, today, dollarSettings(), memory, texts);
                EXPECT_TRUE(sheet.valid() && !sheet.fault());
                return linesOf(renderSheet(alignedRun(request), sheet, texts).out);
            };
            const std::vector<std::string> english = aligned(englishCatalog());
            for (const QString& language : platform::translatedLanguages()) {
                SCOPED_TRACE(language.toStdString());
                const TextCatalog& texts = platform::catalogForLanguage(language);
                const std::vector<std::string> translated = aligned(texts);
                ASSERT_EQ(translated.size(), english.size()) << method << " " << unit;
                for (std::size_t line = 0; line < english.size(); ++line) {
                    const std::size_t column = colonColumn(english[line]);
                    EXPECT_EQ(colonColumn(translated[line]),
                              column == std::string::npos ? column : std::min(column, captionColumn))
                        << translated[line] << " | " << english[line];
                }
                const std::vector<InputRowText> rows = inputRowTexts(request, texts);
                for (std::size_t row = 0; row < rows.size(); ++row) {
                    std::string caption = rows[row].caption;
                    std::erase(caption, '&');
                    const std::string& line = translated[row + 1];  // after the opening empty line
                    const std::size_t start = line.find_first_not_of(' ');
                    EXPECT_EQ(line.substr(start, line.find(" : ") - start), caption) << line;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pecunor::cli
