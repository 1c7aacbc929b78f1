#include <gtest/gtest.h>

#include "cli/sheet_json.h"

namespace pecunor::cli {
namespace {

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

TEST(JsonStringTest, EscapesQuotesBackslashesAndControlCharacters)
{
    const struct {
        const char* name;
        std::string text;
        std::string json;
    } cases[] = {
        {"plain", "Accumulated Total", R"("Accumulated Total")"},
        {"empty", "", R"("")"},
        {"quote", "say \"hi\"", R"("say \"hi\"")"},
        {"backslash", "a\\b", R"("a\\b")"},
        {"line feeds", "Future Value : \nTotal : ", R"("Future Value : \nTotal : ")"},
        {"short escapes", "\r\t\b\f", R"("\r\t\b\f")"},
        {"other controls", std::string("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
        {"delete passes", "\x7f", "\"\x7f\""},
        {"euro passes", "1.331,00 \u20AC", "\"1.331,00 \u20AC\""},
        {"narrow no-break space passes", "1\u202F234", "\"1\u202F234\""},
        {"four-byte character passes", "\U0001F4B0", "\"\U0001F4B0\""},
        {"stray byte",
         "a\xff"
         "b",
         R"("a\ufffdb")"},
        {"cut sequence", "\xe2\x82", R"("\ufffd\ufffd")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jsonString(c.text), c.json) << c.name;
}

}  // namespace
}  // namespace pecunor::cli
