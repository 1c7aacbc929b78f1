#include "result_sheet.h"

#include <algorithm>
#include <stdexcept>

#include "text_catalog.h"

namespace pecunor {

std::string_view faultMessage(ArithmeticFault fault, const TextCatalog& texts)
{
    return texts.faultMessages.at(static_cast<std::size_t>(fault));
}

void ResultSheet::markInvalid()
{
    valid_ = false;
    columns_ = rows_ = fixedColumns_ = fixedRows_ = 0;
    text_.clear();
    textLength_ = 0;
    spans_.clear();
    longest_.clear();
    figureKinds_.clear();
    summaryLabels_.clear();
    summaryValues_.clear();
    summaryFigures_.clear();
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
    longest_.assign(static_cast<std::size_t>(columns_), LongestTexts{});
    if (keepFigures_) {
        figureKinds_.assign(spans_.size(), FigureKind::Text);
        figureValues_.resize(spans_.size());
    }
    textLength_ = 0;
    // Room for a schedule's usual texts, so that the buffer rarely grows.
    text_.resize(spans_.size() * 16);
    if (rows_ == 0)
        return;
    for (int column = 0; column < columns_ && column < static_cast<int>(headers.size()); ++column)
        setCell(column, 0, headers[static_cast<std::size_t>(column)]);
}

void ResultSheet::throwOutside() { throw std::out_of_range("cell outside the sheet"); }

std::string_view ResultSheet::cell(int column, int row) const
{
    const Span span = spans_[indexOf(column, row)];
    return std::string_view(text_.data() + span.offset, span.length);
}

void ResultSheet::setCell(int column, int row, std::string_view text)
{
    writeCell(column, row, text.size(), [text](char* room) { return std::copy(text.begin(), text.end(), room); });
}

void ResultSheet::growText(std::size_t maxLength) { text_.resize(std::max(text_.size() * 2, textLength_ + maxLength)); }

void ResultSheet::setSummary(std::string labels, std::string values, std::vector<Figure> figures)
{
    summaryLabels_ = std::move(labels);
    summaryValues_ = std::move(values);
    summaryFigures_ = std::move(figures);
}

void ResultSheet::setFault(ArithmeticFault fault)
{
    fault_ = fault;
    summaryLabels_.clear();
    summaryValues_.clear();
    summaryFigures_.clear();
}

}  // namespace pecunor
