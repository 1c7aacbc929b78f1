#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_types.h"

namespace pecunor {

enum class SheetKind { Schedule, Ratio };

enum class ArithmeticFault { Overflow, DivisionByZero, InvalidOperation };
std::string_view faultMessage(ArithmeticFault fault, const TextCatalog& texts = englishCatalog());

// A rectangle of cells, inclusive, counted from 0 with the fixed cells.
struct GridRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const GridRect&, const GridRect&) = default;
};
constexpr GridRect gridRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

using HeaderTexts = std::array<std::string_view, 5>;

// What a figure of the sheet is as a number, for files and programs that
// take numbers rather than texts: an amount as its text shows it (rounded as
// written), a percentage's number, a row number, a date's day number.
enum class FigureKind : std::uint8_t { Text, RowNumber, Date, Money, Number, Percent };
struct Figure {
    FigureKind kind = FigureKind::Text;
    long double value = 0;
};

// The outcome of one recomputation: the table's shape and cell texts, the
// summary texts, and whether the input sufficed or arithmetic faulted.
class ResultSheet {
public:
    explicit ResultSheet(SheetKind kind) : kind_(kind) { }

    SheetKind kind() const { return kind_; }
    bool valid() const { return valid_; }
    void markInvalid();

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    int fixedColumns() const { return fixedColumns_; }
    int fixedRows() const { return fixedRows_; }

    // Shapes the table and writes the header texts into row 0 (an empty
    // text clears a cell); every other cell starts empty.
    void dimensionGrid(int valueColumns, int periodRows, int fixedColumns, int fixedRows, const HeaderTexts& headers);

    std::string_view cell(int column, int row) const;
    void setCell(int column, int row, std::string_view text);
    // Keeps each cell's number beside its text from the next dimensionGrid
    // on; without it setFigure keeps nothing and every figure is Text.
    void keepFigures() { keepFigures_ = true; }
    bool keepsFigures() const { return keepFigures_; }
    // A cell's number; Text for a cell that holds only text.
    Figure figure(int column, int row) const
    {
        const std::size_t index = indexOf(column, row);
        if (figureKinds_.empty() || figureKinds_[index] == FigureKind::Text)
            return {};
        return {figureKinds_[index], figureValues_[index]};
    }
    void setFigure(int column, int row, FigureKind kind, long double value)
    {
        if (figureKinds_.empty())
            return;
        const std::size_t index = indexOf(column, row);
        figureKinds_[index] = kind;
        figureValues_[index] = value;
    }
    // The decimals the money texts are written with; number and percentage
    // texts have two.
    int moneyDecimals() const { return moneyDecimals_; }
    void setMoneyDecimals(int decimals) { moneyDecimals_ = decimals; }
    // Sets a cell to what write(char* room) puts into room for maxLength
    // bytes, returning the end: formatters write straight into the sheet,
    // without a copy through a string of their own.
    template <typename Write>
    void writeCell(int column, int row, std::size_t maxLength, Write write)
    {
        const std::size_t index = indexOf(column, row);
        if (text_.size() - textLength_ < maxLength)
            growText(maxLength);
        char* const room = text_.data() + textLength_;
        const auto length = static_cast<std::size_t>(write(room) - room);
        spans_[index] = Span{static_cast<std::uint32_t>(textLength_), static_cast<std::uint32_t>(length)};
        textLength_ += length;
        if (row >= fixedRows_ && length > 0)
            noteLength(column, row, static_cast<std::uint32_t>(length), *room);
    }

    // Where a column's longest texts stand, kept as its cells are written, so
    // that a view can size the column without reading every cell: the first
    // and the last row of the most bytes, and the row of the longest negative
    // text (beginning with "(" or "-"); -1 where there is none. A cell written
    // again shorter leaves a length here that its text no longer has.
    struct LongestTexts {
        int first = -1;
        int last = -1;
        int negative = -1;
        std::uint32_t length = 0;
        std::uint32_t negativeLength = 0;
    };
    const LongestTexts& longestTexts(int column) const { return longest_.at(static_cast<std::size_t>(column)); }

    const std::string& summaryLabels() const { return summaryLabels_; }
    const std::string& summaryValues() const { return summaryValues_; }
    // The summary's values as numbers, one per line of summaryValues, when
    // the figures are kept.
    const std::vector<Figure>& summaryFigures() const { return summaryFigures_; }
    void setSummary(std::string labels, std::string values, std::vector<Figure> figures = {});

    const std::optional<GridRect>& selection() const { return selection_; }
    void setSelection(GridRect rect) { selection_ = rect; }

    // Set when arithmetic left the number range; the rows not reached stay
    // empty and the summary texts are empty.
    const std::optional<ArithmeticFault>& fault() const { return fault_; }
    void setFault(ArithmeticFault fault);

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // Inline with writeCell: a recomputation writes some 50,000 cells.
    std::size_t indexOf(int column, int row) const
    {
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
            throwOutside();
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }
    [[noreturn]] static void throwOutside();
    void noteLength(int column, int row, std::uint32_t length, char first)
    {
        LongestTexts& longest = longest_[static_cast<std::size_t>(column)];
        if (length > longest.length) {
            longest.length = length;
            longest.first = row;
        }
        if (length == longest.length)
            longest.last = row;
        if ((first == '(' || first == '-') && length > longest.negativeLength) {
            longest.negativeLength = length;
            longest.negative = row;
        }
    }
    void growText(std::size_t maxLength);

    SheetKind kind_;
    bool valid_ = true;
    int columns_ = 0;
    int rows_ = 0;
    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    // Cell texts live end to end in one buffer: a 10,000-row table costs two
    // allocations instead of one per cell. The first textLength_ bytes are
    // in use; the rest is room for the next cells.
    std::string text_;
    std::size_t textLength_ = 0;
    std::vector<Span> spans_;
    std::vector<LongestTexts> longest_;
    // Beside the spans, cell by cell, when kept; a value counts only where
    // its kind is not Text.
    bool keepFigures_ = false;
    std::vector<FigureKind> figureKinds_;
    std::vector<long double> figureValues_;
    int moneyDecimals_ = 2;
    std::string summaryLabels_;
    std::string summaryValues_;
    std::vector<Figure> summaryFigures_;
    std::optional<GridRect> selection_;
    std::optional<ArithmeticFault> fault_;
};

}  // namespace pecunor
