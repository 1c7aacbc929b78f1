#include <gtest/gtest.h>

#include "../engine/engine_test_support.h"
#include "output/text_layout.h"

namespace pecunor::test {
namespace {

std::vector<InputRowText> futureValueInputs()
{
    return {{"&Method", "Future Value", false}, {"Start &Date", "1/15/2026", false}, {"&Periods are", "Years", false},
            {"Present Value", "1000", true},    {"% Interest", "10", true},          {"Number of Years", "3", true}};
}

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(ColumnAligned, WritesInputsSummaryAndPaddedTable)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "3"}});
    const std::string text =
        layoutText(TextLayout::ColumnAligned, futureValueInputs(), sheet.summaryLabels(), sheet.summaryValues(), sheet);
    const std::string expected = crlf({
        "",
        "                   Method : Future Value",
        "               Start Date : 1/15/2026",
        "              Periods are : Years",
        "            Present Value :            1000",
        "                 Interest :              10",
        "          Number of Years :               3",
        "",
        "             Future Value :        1,331.00",
        "           Total Interest :          331.00",
        "  Average Interest / Year :          110.33",
        "        % Interest / Year :          10.00%",
        "",
        "",
        "",
        "  #       Date  Interest/Year  Accumulated Total",
        "  1  1/15/2027         100.00           1,100.00",
        "  2  1/15/2028         110.00           1,210.00",
        "  3  1/15/2029         121.00           1,331.00",
    });
    EXPECT_EQ(text, expected);
}

TEST(ColumnAligned, RatioResultHasNoSummaryLines)
{
    const ResultSheet sheet = calculate({CalcMethod::PriceEarnings, {"50", "2.5"}});
    const std::vector<InputRowText> inputs = {{"&Method", "Price / Earnings (Stocks)", false},
                                              {"Closing Price", "50", true},
                                              {"Earnings per Share", "2.5", true}};
    const std::string text =
        layoutText(TextLayout::ColumnAligned, inputs, sheet.summaryLabels(), sheet.summaryValues(), sheet);
    const std::string expected = crlf({
        "",
        "                   Method : Price / Earnings (Stocks)",
        "            Closing Price :              50",
        "       Earnings per Share :             2.5",
        "",
        "",
        "",
        "",
        "         Closing Price  50.00",
        "    Earnings per Share   2.50",
        "  Price/Earnings Ratio  20.00",
    });
    EXPECT_EQ(text, expected);
}

TEST(ColumnAligned, LongTextsAreWrittenWhole)
{
    const ResultSheet sheet = calculate({CalcMethod::BondYield, {"8", "100"}});
    const std::string longValue(20, '7');
    const std::string text =
        layoutText(TextLayout::ColumnAligned, {{"A caption longer than twenty-five", longValue, true}}, "", "", sheet);
    EXPECT_NE(text.find("\r\nA caption longer than twenty-five : " + longValue + "\r\n"), std::string::npos);
}

TEST(SummaryPairing, ValueWithoutLineFeedStaysWhole)
{
    const ResultSheet sheet = calculate({CalcMethod::BondYield, {"8", "100"}});
    const std::string text = layoutText(TextLayout::ColumnAligned, {}, "A : \nB : ", "1", sheet);
    EXPECT_NE(text.find("\r\n\r\n                        A :               1\r\n"
                        "                        B :               1\r\n"),
              std::string::npos);
}

TEST(CommaDelimited, QuotesEveryCellWithoutEscaping)
{
    const ResultSheet sheet = calculate({CalcMethod::BondPrice, {"8", "0.1"}});
    const std::string text = layoutText(TextLayout::CommaDelimited, futureValueInputs(), "x : ", "y", sheet);
    EXPECT_EQ(text, crlf({"\"Coupon Rate\",\"8.00\"", "\"Yield\",\"0.10\"", "\"Price\",\"80.00\""}));
}

TEST(CommaDelimited, ScheduleStartsWithTheHeaderRow)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "1"}});
    const std::string text = layoutText(TextLayout::CommaDelimited, {}, "", "", sheet);
    EXPECT_EQ(text, crlf({"\"#\",\"Date\",\"Interest/Year\",\"Accumulated Total\"",
                          "\"1\",\"1/15/2027\",\"100.00\",\"1,100.00\""}));
}

TEST(InputBlock, IsTheOpeningOfTheFile)
{
    EXPECT_EQ(layoutInputBlock({{"&Periods are", "Months", false}}),
              crlf({"", "              Periods are : Months", ""}));
}

// English captions of the window write as they always have; any other keeps its signs.
TEST(CaptionFilter, EnglishCaptionsKeepLettersOthersTheirSigns)
{
    const struct {
        const char* caption;
        const char* kept;
    } cases[] = {
        {"P&ayments Due at", "Payments Due at"},
        {"% Interest/Quarter", " Interest/Quarter"},
        {"Payment/Half-Year", "Payment/HalfYear"},
        {"Life in Half-Years", "Life in HalfYears"},
        {"Kurs-Gewinn-Verhältnis", "Kurs-Gewinn-Verhältnis"},
        {"Nutzungsdauer (Halbjahre)", "Nutzungsdauer (Halbjahre)"},
        {"&Zahlungszeitpunkt", "Zahlungszeitpunkt"},
        {"Zinssatz/Monat (%)", "Zinssatz/Monat (%)"},
        {"Ca&p && Floor: Ø 2.", "Cap & Floor: Ø 2."},
        {"Tab\there\r\n", "Tabhere"},
        {"Ставка/Год", "Ставка/Год"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filterCaption(c.caption), c.kept) << c.caption;
    // Padding counts characters, not bytes: the two bytes of "ä" are one of the 25.
    const std::string block = layoutInputBlock({{"Kurs-Gewinn-Verhältnis", "20", true}});
    EXPECT_EQ(block, crlf({"", "   Kurs-Gewinn-Verhältnis :              20", ""}));
}

}  // namespace
}  // namespace pecunor::test
