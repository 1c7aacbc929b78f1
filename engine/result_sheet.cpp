#include "result_sheet.h"

#include <stdexcept>

namespace pecunor {

std::string_view faultMessage(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::Overflow: return "Floating point overflow";
    case ArithmeticFault::DivisionByZero: return "Floating point division by zero";
    case ArithmeticFault::InvalidOperation: return "Invalid floating point operation";
    }
    return {};
}

void ResultSheet::markInvalid()
{
    valid_ = false;
    columns_ = rows_ = fixedColumns_ = fixedRows_ = 0;
    text_.clear();
    spans_.clear();
    summaryLabels_.clear();
    summaryValues_.clear();
    selection_.reset();
}

void ResultSheet::dimensionGrid(int valueColumns, int periodRows, int fixedColumns, int fixedRows,
                                const HeaderTexts& headers)
{
    columns_ = valueColumns + fixedColumns;
    rows_ = periodRows + fixedRows;
    fixedColumns_ = fixedColumns;
    fixedRows_ = fixedRows;
    spans_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), Span{});
    text_.clear();
    text_.reserve(spans_.size() * 12);
    if (rows_ == 0)
        return;
    for (int column = 0; column < columns_ && column < static_cast<int>(headers.size()); ++column)
        setCell(column, 0, headers[static_cast<std::size_t>(column)]);
}

std::size_t ResultSheet::indexOf(int column, int row) const
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        throw std::out_of_range("cell outside the sheet");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

std::string_view ResultSheet::cell(int column, int row) const
{
    const Span span = spans_[indexOf(column, row)];
    return std::string_view(text_).substr(span.offset, span.length);
}

void ResultSheet::setCell(int column, int row, std::string_view text)
{
    Span& span = spans_[indexOf(column, row)];
    span.offset = static_cast<std::uint32_t>(text_.size());
    span.length = static_cast<std::uint32_t>(text.size());
    text_.append(text);
}

void ResultSheet::setSummary(std::string labels, std::string values)
{
    summaryLabels_ = std::move(labels);
    summaryValues_ = std::move(values);
}

void ResultSheet::setFault(ArithmeticFault fault)
{
    fault_ = fault;
    summaryLabels_.clear();
    summaryValues_.clear();
}

}  // namespace pecunor
