#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "output/print_layout.h"
#include "print_test_support.h"

namespace pecunor::test {
namespace {

// Ten pixels a character, a page of 1000 x 200 pixels, lines 10 pixels apart.
const TextWidth tenPerCharacter = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
constexpr PageMetrics smallPage{1000, 200, 10};
constexpr std::string_view dateSample = "10/30/00";  // 80 pixels wide

int rightEdge(const PlacedText& text) { return text.x + tenPerCharacter(text.text); }

const PlacedText* find(const std::vector<PlacedText>& texts, std::string_view text)
{
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const PlacedText& t) { return t.text == text; });
    return found == texts.end() ? nullptr : &*found;
}

std::vector<PlacedText> tableTexts(const std::vector<PlacedText>& texts)
{
    std::vector<PlacedText> cells;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(cells),
                 [](const PlacedText& t) { return t.text.starts_with("r"); });
    return cells;
}

TEST(TextPrintout, InputAndSummaryBlocksMeetAtTheMiddleAndHiddenRowsLeaveBlankLines)
{
    ShownResult shown = shownInputs();
    shown.inputRows[5].labelVisible = false;
    shown.inputRows[5].valueVisible = false;
    shown.inputRows[6].valueVisible = false;
    shown.summaryLabels = "Future Value : \nTotal Interest : ";
    shown.summaryValues = "1,331.00\n331.00";
    const ResultSheet table = namedCellsSheet(2, 2);
    shown.table = &table;
    const auto texts = layoutTextPrintout(shown, PrintRange::AllRows, smallPage, tenPerCharacter, dateSample);

    struct Expected {
        std::string text;
        int x;
        int y;
    };
    const std::vector<Expected> expected = {
        {"Label :", 490 - 70, 0},
        {"value0", 500, 0},
        {"Label :", 420, 40},
        {"value4", 500, 40},
        {"Label :", 420, 60},
        {"value7", 500, 70},
        {"Future Value :", 490 - 140, 90},
        {"1,331.00", 500, 90},
        {"Total Interest :", 490 - 160, 100},
        {"331.00", 500, 100},
        {"r0c0", 110 - 40, 130},
    };
    for (const Expected& e : expected) {
        const auto at = std::find_if(texts.begin(), texts.end(),
                                     [&](const PlacedText& t) { return t.text == e.text && t.y == e.y; });
        ASSERT_NE(at, texts.end()) << e.text << " at y " << e.y;
        EXPECT_EQ(at->x, e.x) << e.text;
        EXPECT_EQ(at->page, 0);
    }
    EXPECT_EQ(find(texts, "value5"), nullptr);
    EXPECT_EQ(find(texts, "value6"), nullptr);
    EXPECT_FALSE(std::any_of(texts.begin(), texts.end(), [](const PlacedText& t) { return t.y == 50; }));
}

// Row count 3 is 10 pixels wide: column 0 ends at 110, column 1 at 110 + 80 + 20.
TEST(TextPrintout, ColumnsEndAtTheirRightEdges)
{
    struct Case {
        int columns;
        std::vector<int> edges;
    };
    // Five columns: W = (1000 - 110 - 100 - 120) / 3 = 223, the last ending at 879, about PW - 120.
    for (const Case& c : {Case{2, {110, 210}}, Case{4, {110, 210, 545, 880}}, Case{5, {110, 210, 433, 656, 879}}}) {
        ShownResult shown = shownInputs();
        const ResultSheet table = namedCellsSheet(c.columns, 3);
        shown.table = &table;
        const auto cells =
            tableTexts(layoutTextPrintout(shown, PrintRange::AllRows, smallPage, tenPerCharacter, dateSample));
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(3 * c.columns)) << c.columns;
        for (const PlacedText& cell : cells) {
            const int column = cell.text.back() - '0';
            EXPECT_EQ(rightEdge(cell), c.edges.at(static_cast<std::size_t>(column))) << cell.text;
        }
    }
}

// Ten pixels a character at 96 dpi and as long on paper at any resolution:
// the gaps scale alike, so the page looks the same on every printer.
TEST(TextPrintout, GapsScaleWithTheResolutionAndColumnsHoldTheirTexts)
{
    using Rows = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        const char* name;
        int dpi;
        int columns;
        Rows firstTwoColumns;
        std::vector<int> edges;
        int labelEnd;
    };
    // At 300 dpi a character is 31 pixels, the gaps 100, 20, 120 and 10 are 313, 63, 375 and 31.
    const Rows schedule = {{"#", "Date"}, {"1", "1/15/24"}, {"2", "2/15/24"}};
    const std::vector<Case> cases = {
        {"96 dpi, as on screen", 96, 5, schedule, {110, 210, 433, 656, 879}, 490},
        {"300 dpi", 300, 5, schedule, {344, 657, 1354, 2051, 2748}, 1531},
        {"600 dpi", 600, 5, schedule, {687, 1312, 2708, 4104, 5500}, 3062},
        {"1200 dpi", 1200, 5, schedule, {1375, 2625, 5416, 8207, 10998}, 6125},
        {"ratio labels whole",
         1200,
         2,
         {{"Coupon Rate", "$8.00"}, {"Price", "$950.00"}, {"Yield", "0.84%"}},
         {1500, 2750},
         6125},
        {"a wide date a third of a figure apart from its row number",
         96,
         2,
         {{"#", "Date"}, {"1", "12/31/2024"}},
         {110, 213},
         490},
    };
    for (const Case& c : cases) {
        const TextWidth width = [&c](std::string_view text) { return static_cast<int>(text.size()) * 10 * c.dpi / 96; };
        ResultSheet table = namedCellsSheet(c.columns, static_cast<int>(c.firstTwoColumns.size()));
        for (int row = 0; row < table.rowCount(); ++row) {
            table.setCell(0, row, c.firstTwoColumns[static_cast<std::size_t>(row)].first);
            table.setCell(1, row, c.firstTwoColumns[static_cast<std::size_t>(row)].second);
        }
        ShownResult shown = shownInputs();
        shown.table = &table;
        const auto texts =
            layoutTextPrintout(shown, PrintRange::AllRows, {1000 * c.dpi / 96, 100000, 10, c.dpi}, width, dateSample);
        EXPECT_EQ(texts[0].x + width(texts[0].text), c.labelEnd) << c.name;
        const auto cells = texts.end() - table.rowCount() * c.columns;
        for (auto cell = cells; cell != texts.end(); ++cell)
            EXPECT_EQ(cell->x + width(cell->text), c.edges.at(static_cast<std::size_t>((cell - cells) % c.columns)))
                << c.name << ": " << cell->text;
    }
}

// A font whose widths and line step follow its size: at 10 points ten
// pixels a character, lines ten pixels apart.
SizedFont scaledFont(int decipoints)
{
    return {[decipoints](std::string_view text) { return static_cast<int>(text.size()) * decipoints / 10; },
            decipoints / 10};
}

// The widest amounts stand in the last of 30 rows, on a later page. Row
// count 30 is 20 pixels wide: planned, column 0 ends at 120, column 1 at 220
// and the steps are (1000 - 220 - 120) / 3 = 220.
TEST(TextPrintout, ColumnsHoldTheirWidestTextsAndATableTooWideShrinksToTheLargestSizeThatFits)
{
    struct Case {
        const char* name;
        std::vector<std::string> amounts;  // columns 2 to 4
        int decipoints;
        std::vector<int> edges;
    };
    const std::string payment = "$12,345,678,901,234,567.00";
    const std::vector<Case> cases = {
        {"narrow amounts keep the planned edges",
         {"$1,234.57", "$123.46", "$1,358.02"},
         100,
         {120, 220, 440, 660, 880}},
        // 220 + 3 + 260: the edges move only as far as the texts need, the
        // last one past its planned place but inside the page.
        {"a 17-digit payment widens the columns",
         {payment, "$1,234,567,890,123,456.70", "$13,580,246,791,358,023.70"},
         100,
         {120, 220, 483, 736, 999}},
        // 1029 pixels at 10 points, 1018 at 9.9, 1008 at 9.8, 999 at 9.7.
        {"wider than the page: a smaller table font",
         {payment, "$165,691,277,652,604,690.45", "$155,302,182,676,354,406.06"},
         97,
         {119, 216, 471, 735, 999}},
        // 1429 pixels at 10 points, 1009 at 6.8.
        {"far wider than the page",
         {std::string(40, '9'), std::string(40, '9'), std::string(40, '9')},
         67,
         {113, 186, 456, 726, 996}},
    };
    for (const Case& c : cases) {
        ResultSheet table = namedCellsSheet(5, 30);
        for (int column = 2; column < 5; ++column)
            table.setCell(column, 29, c.amounts.at(static_cast<std::size_t>(column - 2)));
        ShownResult shown = shownInputs();
        shown.table = &table;
        const int size = tableFontSize(shown, PrintRange::AllRows, smallPage, scaledFont, 100, dateSample);
        EXPECT_EQ(size, c.decipoints) << c.name;
        const SizedFont font = scaledFont(size);
        const auto texts = layoutTextPrintout(shown, PrintRange::AllRows, smallPage, tenPerCharacter, dateSample, font);
        // The inputs keep the printer font.
        EXPECT_EQ(rightEdge(texts.front()), 490) << c.name;

        std::map<std::pair<int, int>, std::vector<PlacedText>> lines;
        std::size_t cells = 0;
        for (const PlacedText& cell : texts) {
            if (!cell.inTable)
                continue;
            const int right = cell.x + font.width(cell.text);
            EXPECT_GE(cell.x, 0) << c.name << ": " << cell.text;
            EXPECT_LE(right, smallPage.pageWidth) << c.name << ": " << cell.text;
            EXPECT_EQ(right, c.edges.at(cells++ % 5)) << c.name << ": " << cell.text;
            lines[{cell.page, cell.y}].push_back(cell);
        }
        ASSERT_EQ(lines.size(), 30U) << c.name;
        for (auto& [where, line] : lines)
            for (std::size_t i = 1; i < line.size(); ++i)
                EXPECT_LT(line[i - 1].x + font.width(line[i - 1].text), line[i].x)
                    << c.name << ": " << line[i - 1].text << " | " << line[i].text;
        EXPECT_EQ(find(texts, "r2c0")->y - find(texts, "r1c0")->y, size / 10) << c.name;
        EXPECT_GT(find(texts, "r29c0")->page, 0) << c.name;

        // The largest size: a tenth of a point more passes the page's edge.
        if (size < 100) {
            const SizedFont larger = scaledFont(size + 1);
            const auto wider =
                layoutTextPrintout(shown, PrintRange::AllRows, smallPage, tenPerCharacter, dateSample, larger);
            EXPECT_TRUE(std::any_of(wider.begin(), wider.end(), [&](const PlacedText& t) {
                return t.inTable && t.x + larger.width(t.text) > smallPage.pageWidth;
            })) << c.name;
        }
    }
}

// The table starts at y 110 (8 input lines, one blank, no summary, two
// blank); a row ending at y 200 leaves no room for another on a page 200
// high, so the first page holds 9 rows and every further page 20.
TEST(TextPrintout, NewPageWhenOneMoreLineWouldPassThePageHeight)
{
    struct Case {
        int rows;
        int pages;
        int lastRowPage;
        int lastRowY;
    };
    for (const Case& c : {Case{9, 1, 0, 190}, Case{10, 2, 1, 0}, Case{29, 2, 1, 190}, Case{34, 3, 2, 40}}) {
        ShownResult shown = shownInputs();
        const ResultSheet table = namedCellsSheet(2, c.rows);
        shown.table = &table;
        const auto texts = layoutTextPrintout(shown, PrintRange::AllRows, smallPage, tenPerCharacter, dateSample);
        EXPECT_EQ(texts.back().page + 1, c.pages) << c.rows << " rows";
        const PlacedText* last = find(texts, "r" + std::to_string(c.rows - 1) + "c0");
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->page, c.lastRowPage) << c.rows << " rows";
        EXPECT_EQ(last->y, c.lastRowY) << c.rows << " rows";
        if (c.rows > 9) {
            const PlacedText* firstOnSecondPage = find(texts, "r9c1");
            EXPECT_EQ(firstOnSecondPage->page, 1);
            EXPECT_EQ(firstOnSecondPage->y, 0);
        }
        // Inputs only at the top of the first page.
        EXPECT_EQ(find(texts, "value0")->page, 0);
    }
}

TEST(TextPrintout, SelectionRangePrintsTheSelectedRowsBesideInputsAndSummary)
{
    struct Case {
        GridRect selection;
        PrintRange range;
        std::vector<std::string> firstColumn;
    };
    const std::vector<Case> cases = {
        {gridRect(1, 2, 1, 4), PrintRange::SelectedRows, {"r2c0", "r3c0", "r4c0"}},
        {gridRect(0, 0, 2, 1), PrintRange::SelectedRows, {"r0c0", "r1c0"}},
        {gridRect(1, 2, 1, 4), PrintRange::AllRows, {"r0c0", "r1c0", "r2c0", "r3c0", "r4c0", "r5c0"}},
    };
    for (const Case& c : cases) {
        ShownResult shown = shownInputs();
        shown.summaryLabels = "Yield : ";
        shown.summaryValues = "5.00%";
        const ResultSheet table = namedCellsSheet(3, 6);
        shown.table = &table;
        shown.selection = c.selection;
        const auto texts = layoutTextPrintout(shown, c.range, smallPage, tenPerCharacter, dateSample);
        std::vector<std::string> firstColumn;
        for (const PlacedText& cell : tableTexts(texts))
            if (cell.text.ends_with("c0"))
                firstColumn.push_back(cell.text);
        EXPECT_EQ(firstColumn, c.firstColumn);
        EXPECT_EQ(tableTexts(texts).size(), 3 * c.firstColumn.size());
        EXPECT_NE(find(texts, "value7"), nullptr);
        EXPECT_NE(find(texts, "5.00%"), nullptr);
    }
}

TEST(PicturePrintout, ProportionalAndFittedSizes)
{
    // 96 dpi on screen to 600 dpi on paper, each product rounded.
    EXPECT_EQ(proportionalPictureSize({400, 300}, 1200, 1200, 96), (PictureSize{5000, 3750}));
    EXPECT_EQ(proportionalPictureSize({401, 403}, 600, 300, 96), (PictureSize{2506, 1259}));
    EXPECT_EQ(proportionalPictureSize({403, 300}, 600, 600, 96), (PictureSize{2519, 1875}));
    // Portrait page: the full page width, the height after the window's proportions.
    EXPECT_EQ(fittedPictureSize({800, 600}, {4800, 6800}), (PictureSize{4800, 3600}));
    // A tall window on a landscape page: the full page height.
    EXPECT_EQ(fittedPictureSize({400, 600}, {6800, 4800}), (PictureSize{3200, 4800}));
    EXPECT_EQ(fittedPictureSize({0, 0}, {6800, 4800}), (PictureSize{0, 0}));
}

}  // namespace
}  // namespace pecunor::test
