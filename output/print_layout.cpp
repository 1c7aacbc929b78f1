#include "print_layout.h"

#include <algorithm>

#include "text_layout.h"

namespace pecunor {

namespace {

// Gaps in pixels of a 96-dpi screen.
constexpr int labelGap = 10;
constexpr int rowNumberRoom = 100;
constexpr int dateRoom = 20;
constexpr int rightMargin = 120;
constexpr int screenDpi = 96;
// One point: below it a table would not be legible anyway.
constexpr int smallestDecipoints = 10;

// A gap at the printer's resolution, as long on paper as on the screen.
int onPaper(int screenPixels, int dpi) { return (screenPixels * dpi + screenDpi / 2) / screenDpi; }

class PageWriter {
public:
    explicit PageWriter(std::vector<PlacedText>& out) : out_(out) { }

    void at(int left, std::string text, bool inTable = false)
    {
        out_.push_back({page_, left, y_, std::move(text), inTable});
    }
    void skip(int height) { y_ += height; }
    int y() const { return y_; }
    void newPage()
    {
        ++page_;
        y_ = 0;
    }

private:
    std::vector<PlacedText>& out_;
    int page_ = 0;
    int y_ = 0;
};

struct RowSpan {
    int first;
    int last;
    bool empty() const { return last < first; }
};

RowSpan printedRows(const ResultSheet& table, const ShownResult& shown, PrintRange range)
{
    if (range == PrintRange::SelectedRows)
        return {std::max(shown.selection.top, 0), std::min(shown.selection.bottom, table.rowCount() - 1)};
    return {0, table.rowCount() - 1};
}

// Every printed cell measured once, for the column edges and for placing it.
class CellWidths {
public:
    CellWidths(const ResultSheet& table, RowSpan rows, const TextWidth& width)
        : columns_(table.columnCount()),
          first_(rows.first),
          widest_(static_cast<std::size_t>(columns_))
    {
        widths_.reserve(static_cast<std::size_t>(std::max(rows.last - rows.first + 1, 0) * columns_));
        for (int row = rows.first; row <= rows.last; ++row)
            for (int column = 0; column < columns_; ++column) {
                widths_.push_back(width(table.cell(column, row)));
                widest_[static_cast<std::size_t>(column)] =
                    std::max(widest_[static_cast<std::size_t>(column)], widths_.back());
            }
    }
    int at(int column, int row) const { return widths_[static_cast<std::size_t>((row - first_) * columns_ + column)]; }
    int widest(int column) const { return widest_[static_cast<std::size_t>(column)]; }

private:
    int columns_;
    int first_;
    std::vector<int> widths_;
    std::vector<int> widest_;
};

// Right edges of the columns. Planned: the row number, the date, then equal
// steps ending a margin before the page's right edge. A column whose texts
// need more room than its planned place moves its edge right as far as they
// need, which may push the columns after it. Column 0 also holds the labels
// of the ratio sheets, wider than a row count.
std::vector<int> columnEdges(const ResultSheet& table, const CellWidths& cells, const TextWidth& width,
                             const PageMetrics& page, std::string_view dateSample)
{
    const auto gap = [&page](int screenPixels) { return onPaper(screenPixels, page.dpi); };
    // A third of a figure keeps neighbouring texts apart at any font size.
    const int separation = std::max(1, width("0") / 3);
    const int columns = table.columnCount();
    const int first =
        std::max(width(std::to_string(table.rowCount())) + gap(rowNumberRoom), cells.widest(0) + gap(labelGap));
    const int date = first + width(dateSample) + gap(dateRoom);
    const int step = columns > 2 ? (page.pageWidth - date - gap(rightMargin)) / (columns - 2) : 0;
    std::vector<int> edges{first};
    for (int column = 1; column < columns; ++column) {
        const int planned = date + (column - 1) * step;
        edges.push_back(std::max(planned, edges.back() + separation + cells.widest(column)));
    }
    return edges;
}

}  // namespace

std::vector<PlacedText> layoutTextPrintout(const ShownResult& shown, PrintRange range, const PageMetrics& page,
                                           const TextWidth& width, std::string_view dateSample,
                                           const std::optional<SizedFont>& tableFont)
{
    std::vector<PlacedText> out;
    PageWriter writer(out);
    const int middle = page.pageWidth / 2;
    const int labelEnd = middle - onPaper(labelGap, page.dpi);
    const auto endingAt = [&](int rightEdge, std::string text) {
        const int left = rightEdge - width(text);
        writer.at(left, std::move(text));
    };
    for (const ShownInputRow& row : shown.inputRows) {
        if (row.labelVisible)
            endingAt(labelEnd, filterCaption(row.caption) + " :");
        if (row.valueVisible)
            writer.at(middle, row.value);
        writer.skip(page.lineHeight);
    }
    writer.skip(page.lineHeight);
    for (SummaryLine& line : summaryLines(shown.summaryLabels, shown.summaryValues)) {
        endingAt(labelEnd, std::move(line.label));
        writer.at(middle, std::move(line.value));
        writer.skip(page.lineHeight);
    }
    writer.skip(2 * page.lineHeight);
    if (shown.table == nullptr)
        return out;

    const ResultSheet& table = *shown.table;
    const SizedFont cellFont = tableFont.value_or(SizedFont{width, page.lineHeight});
    const RowSpan rows = printedRows(table, shown, range);
    const CellWidths cells(table, rows, cellFont.width);
    const std::vector<int> edges = columnEdges(table, cells, cellFont.width, page, dateSample);
    out.reserve(out.size() + static_cast<std::size_t>(std::max(rows.last - rows.first + 1, 0) * table.columnCount()));
    for (int row = rows.first; row <= rows.last; ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            writer.at(edges[static_cast<std::size_t>(column)] - cells.at(column, row),
                      std::string(table.cell(column, row)), true);
        writer.skip(cellFont.lineHeight);
        // Only when another row follows: the last page ends with the table.
        if (writer.y() + cellFont.lineHeight > page.pageHeight && row < rows.last)
            writer.newPage();
    }
    return out;
}

int tableFontSize(const ShownResult& shown, PrintRange range, const PageMetrics& page, const FontAtSize& font,
                  int decipoints, std::string_view dateSample)
{
    if (shown.table == nullptr)
        return decipoints;
    const RowSpan rows = printedRows(*shown.table, shown, range);
    if (rows.empty())
        return decipoints;
    int size = decipoints;
    while (size > smallestDecipoints) {
        const TextWidth width = font(size).width;
        const int needed =
            columnEdges(*shown.table, CellWidths(*shown.table, rows, width), width, page, dateSample).back();
        if (needed <= page.pageWidth)
            break;
        // Texts shrink with the size, the gaps do not: the proportional size
        // is still too large, and the next round steps further down.
        const auto proportional = static_cast<int>(static_cast<long long>(size) * page.pageWidth / needed);
        size = std::max(smallestDecipoints, std::min(size - 1, proportional));
    }
    return size;
}

PictureSize proportionalPictureSize(PictureSize picture, int printerDpiX, int printerDpiY, int windowDpi)
{
    if (windowDpi <= 0)
        return {0, 0};
    const auto scaled = [windowDpi](int length, int dpi) {
        return static_cast<int>((static_cast<long long>(length) * dpi + windowDpi / 2) / windowDpi);
    };
    return {scaled(picture.width, printerDpiX), scaled(picture.height, printerDpiY)};
}

PictureSize fittedPictureSize(PictureSize picture, PictureSize page)
{
    if (picture.width <= 0 || picture.height <= 0)
        return {0, 0};
    const auto times = [](int a, int b, int c) { return static_cast<int>(static_cast<long long>(a) * b / c); };
    const int width = times(picture.width, page.height, picture.height);
    if (width < page.width)
        return {width, page.height};
    return {page.width, times(picture.height, page.width, picture.width)};
}

}  // namespace pecunor
