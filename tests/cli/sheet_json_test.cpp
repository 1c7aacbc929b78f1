#include <gtest/gtest.h>

#include "sheet_json.h"

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
        {"stray byte", "a\xff" "b", R"("a\ufffdb")"},
        {"cut sequence", "\xe2\x82", R"("\ufffd\ufffd")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jsonString(c.text), c.json) << c.name;
}

TEST(SheetJsonTest, WritesAScheduleRowByRowWithKeysInOrder)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(2, 2, 2, 1, {"#", "Date", "Say \"A\"", "B\\C", ""});
    sheet.setCell(0, 1, "1");
    sheet.setCell(1, 1, "1/15/2025");
    sheet.setCell(2, 1, "$1.00");
    sheet.setCell(3, 1, "$2.00");
    sheet.setSummary("One : \nTwo : ", "$1.00\n2.00%");
    EXPECT_EQ(sheetJson(sheet),
              R"({"valid": true, "kind": "schedule", "columnCount": 4, "rowCount": 3, "fixedColumns": 2, )"
              R"("fixedRows": 1, "cells": [["#", "Date", "Say \"A\"", "B\\C"], ["1", "1/15/2025", "$1.00", "$2.00"], )"
              R"(["", "", "", ""]], "summaryLabels": "One : \nTwo : ", "summaryValues": "$1.00\n2.00%", )"
              R"("selection": null, "fault": null})"
              "\n");
}

TEST(SheetJsonTest, WritesTheSelectionOfARatioSheet)
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 3, 1, 0, {"", "", "", "", ""});
    sheet.setCell(0, 0, "Coupon Rate");
    sheet.setCell(1, 2, "$0.08");
    sheet.setSelection(gridRect(1, 2, 1, 2));
    EXPECT_EQ(sheetJson(sheet),
              R"({"valid": true, "kind": "ratio", "columnCount": 2, "rowCount": 3, "fixedColumns": 1, )"
              R"("fixedRows": 0, "cells": [["Coupon Rate", ""], ["", ""], ["", "$0.08"]], "summaryLabels": "", )"
              R"("summaryValues": "", "selection": [1, 2, 1, 2], "fault": null})"
              "\n");
}

TEST(SheetJsonTest, InvalidSheetHasNoCells)
{
    ResultSheet sheet(SheetKind::Ratio);
    sheet.dimensionGrid(1, 3, 1, 0, {"", "", "", "", ""});
    sheet.setSelection(gridRect(1, 2, 1, 2));
    sheet.markInvalid();
    EXPECT_EQ(sheetJson(sheet),
              R"({"valid": false, "kind": "ratio", "columnCount": 0, "rowCount": 0, "fixedColumns": 0, )"
              R"("fixedRows": 0, "cells": [], "summaryLabels": "", "summaryValues": "", "selection": null, )"
              R"("fault": null})"
              "\n");
}

TEST(SheetJsonTest, NamesTheFault)
{
    ResultSheet sheet(SheetKind::Schedule);
    sheet.dimensionGrid(2, 1, 2, 1, {"#", "Date", "Interest/Year", "Accumulated Total", ""});
    sheet.setSummary("Future Value : ", "$1.00");
    sheet.setFault(ArithmeticFault::DivisionByZero);
    EXPECT_EQ(sheetJson(sheet),
              R"({"valid": true, "kind": "schedule", "columnCount": 4, "rowCount": 2, "fixedColumns": 2, )"
              R"("fixedRows": 1, "cells": [["#", "Date", "Interest/Year", "Accumulated Total"], ["", "", "", ""]], )"
              R"("summaryLabels": "", "summaryValues": "", "selection": null, )"
              R"("fault": "Floating point division by zero"})"
              "\n");
}

}  // namespace
}  // namespace pecunor::cli
