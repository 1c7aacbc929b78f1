#include <gtest/gtest.h>

#include <algorithm>

#include "../engine/engine_test_support.h"
#include "output/edit_commands.h"

namespace pecunor::test {
namespace {

TEST(SelectionText, TabsBetweenCellsAndCrLfAfterEveryRow)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "3"}});
    const struct {
        const char* name;
        GridRect rect;
        std::string expected;
    } cases[] = {
        {"one cell", gridRect(3, 3, 3, 3), "1,331.00\r\n"},
        {"two rows of three", gridRect(1, 1, 3, 2), "1/15/2027\t100.00\t1,100.00\r\n1/15/2028\t110.00\t1,210.00\r\n"},
        {"header and beyond the table", gridRect(2, 0, 9, 1),
         "Interest/Year\tAccumulated Total\r\n100.00\t1,100.00\r\n"},
        {"nothing", gridRect(2, 0, 1, 0), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(selectionText(sheet, c.rect), c.expected);
    }
}

TEST(SelectionText, WholeTableHasEveryRowAndColumn)
{
    const ResultSheet sheet = calculate({CalcMethod::FutureValue, {"1000", "10", "12"}});
    const std::string text = selectionText(sheet, gridRect(0, 0, sheet.columnCount() - 1, sheet.rowCount() - 1));
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 13);  // the header row and twelve periods
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 13 * 3);
    EXPECT_TRUE(text.starts_with("#\tDate\tInterest/Year\tAccumulated Total\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n"));
}

}  // namespace
}  // namespace pecunor::test
