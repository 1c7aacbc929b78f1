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

// A gap at the printer's resolution, as long on paper as on the screen.
int onPaper(int screenPixels, int dpi) { return (screenPixels * dpi + screenDpi / 2) / screenDpi; }

class PageWriter {
public:
    PageWriter(std::vector<PlacedText>& out, const TextWidth& width) : out_(out), width_(width) {}

    void leftOf(int rightEdge, std::string text)
    {
        const int left = rightEdge - width_(text);
        out_.push_back({page_, left, y_, std::move(text)});
    }
    void at(int left, std::string text) { out_.push_back({page_, left, y_, std::move(text)}); }
    void skip(int height) { y_ += height; }
    int y() const { return y_; }
    void newPage()
    {
        ++page_;
        y_ = 0;
    }

private:
    std::vector<PlacedText>& out_;
    const TextWidth& width_;
    int page_ = 0;
    int y_ = 0;
};

struct RowSpan {
    int first;
    int last;
};

int widest(const ResultSheet& table, int column, RowSpan rows, const TextWidth& width)
{
    int most = 0;
    for (int row = rows.first; row <= rows.last; ++row)
        most = std::max(most, width(table.cell(column, row)));
    return most;
}

// Right edges of the columns: the row number, the date, then equal steps.
// Column 0 also holds the labels of the ratio sheets, wider than a row
// count, and a date wider than the sample must still not touch its row
// number: both columns grow to hold the printed texts.
std::vector<int> columnEdges(const ResultSheet& table, RowSpan rows, const TextWidth& width, const PageMetrics& page,
                             std::string_view dateSample)
{
    const auto gap = [&page](int screenPixels) { return onPaper(screenPixels, page.dpi); };
    const int columns = table.columnCount();
    std::vector<int> edges;
    const int first = std::max(width(std::to_string(table.rowCount())) + gap(rowNumberRoom),
                               widest(table, 0, rows, width) + gap(labelGap));
    const int dateColumn = std::max(width(dateSample) + gap(dateRoom), widest(table, 1, rows, width) + width(" "));
    const int step = columns > 2 ? (page.pageWidth - first - dateColumn - gap(rightMargin)) / (columns - 2) : 0;
    for (int column = 0; column < columns; ++column)
        edges.push_back(column == 0 ? first : first + dateColumn + (column - 1) * step);
    return edges;
}

}  // namespace

std::vector<PlacedText> layoutTextPrintout(const ShownResult& shown, PrintRange range, const PageMetrics& page,
                                           const TextWidth& width, std::string_view dateSample)
{
    std::vector<PlacedText> out;
    PageWriter writer(out, width);
    const int middle = page.pageWidth / 2;
    const int labelEnd = middle - onPaper(labelGap, page.dpi);
    for (const ShownInputRow& row : shown.inputRows) {
        if (row.labelVisible)
            writer.leftOf(labelEnd, filterCaption(row.caption) + " :");
        if (row.valueVisible)
            writer.at(middle, row.value);
        writer.skip(page.lineHeight);
    }
    writer.skip(page.lineHeight);
    for (SummaryLine& line : summaryLines(shown.summaryLabels, shown.summaryValues)) {
        writer.leftOf(labelEnd, std::move(line.label));
        writer.at(middle, std::move(line.value));
        writer.skip(page.lineHeight);
    }
    writer.skip(2 * page.lineHeight);
    if (shown.table == nullptr)
        return out;

    const ResultSheet& table = *shown.table;
    int firstRow = 0;
    int lastRow = table.rowCount() - 1;
    if (range == PrintRange::SelectedRows) {
        firstRow = std::max(shown.selection.top, 0);
        lastRow = std::min(shown.selection.bottom, lastRow);
    }
    const std::vector<int> edges = columnEdges(table, {firstRow, lastRow}, width, page, dateSample);
    out.reserve(out.size() + static_cast<std::size_t>(std::max(lastRow - firstRow + 1, 0) * table.columnCount()));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            writer.leftOf(edges[static_cast<std::size_t>(column)], std::string(table.cell(column, row)));
        writer.skip(page.lineHeight);
        // Only when another row follows: the last page ends with the table.
        if (writer.y() + page.lineHeight > page.pageHeight && row < lastRow)
            writer.newPage();
    }
    return out;
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
