#include "text_layout.h"

#include <algorithm>
#include <array>
#include <set>

#include "engine/text_catalog.h"
#include "engine/text_utils.h"

namespace pecunor {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::size_t maxWidthColumns = 5;
constexpr std::size_t summaryRemainderLimit = 250;

// The captions of the English window, every unit filled in. Their files keep
// letters, blanks and "/" only, as they always have.
bool isEnglishCaption(std::string_view caption)
{
    static const std::set<std::string, std::less<>> captions = [] {
        const TextCatalog& english = englishCatalog();
        const InputCaptions& fixed = english.inputCaptions;
        std::set<std::string, std::less<>> all{std::string(fixed.method), std::string(fixed.startDate),
                                               std::string(fixed.periodsAre), std::string(fixed.paymentsDue)};
        for (const auto& labels : english.valueLabels)
            for (std::string_view label : labels)
                for (int unit = 0; unit < periodUnitCount; ++unit)
                    all.insert(fillUnitTemplate(label, english, *periodUnitFromIndex(unit)));
        return all;
    }();
    return captions.contains(caption);
}

void appendInputLines(std::string& out, const std::vector<InputRowText>& inputRows)
{
    for (const InputRowText& row : inputRows) {
        out.append(padLeft(filterCaption(row.caption), 25)).append(" : ");
        out.append(row.isEditField ? padLeft(row.value, 15) : row.value);
        out.append(lineEnd);
    }
}

// "label :" right-aligned in 27 characters, then the value right-aligned in 16.
void appendSummaryLines(std::string& out, std::string_view labels, std::string_view values)
{
    for (const SummaryLine& line : summaryLines(labels, values)) {
        out.append(padLeft(line.label, 27));
        out.append(padLeft(line.value, 16));
        out.append(lineEnd);
    }
}

std::array<std::size_t, maxWidthColumns> columnWidths(const ResultSheet& table)
{
    std::array<std::size_t, maxWidthColumns> widths{};
    const int columns = std::min(table.columnCount(), static_cast<int>(maxWidthColumns));
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < columns; ++column)
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)], characterCount(table.cell(column, row)));
    for (std::size_t& width : widths)
        width += 2;
    return widths;
}

void appendTable(std::string& out, TextLayout layout, const ResultSheet& table)
{
    const auto widths = columnWidths(table);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const std::string_view text = table.cell(column, row);
            if (layout == TextLayout::ColumnAligned) {
                const std::size_t width =
                    column < static_cast<int>(maxWidthColumns) ? widths[static_cast<std::size_t>(column)] : 0;
                out.append(padLeft(text, width));
            } else {
                out.append("\"").append(text).append("\"");
                if (column + 1 < table.columnCount())
                    out.push_back(',');
            }
        }
        out.append(lineEnd);
    }
}

}  // namespace

std::vector<SummaryLine> summaryLines(std::string_view labels, std::string_view values)
{
    std::vector<SummaryLine> lines;
    std::string left(labels);
    std::string right(values);
    for (std::size_t colon = left.find(':'); colon != std::string::npos; colon = left.find(':')) {
        const std::size_t feed = right.find('\n');
        lines.push_back({left.substr(0, colon + 1), right.substr(0, feed)});
        // Past the colon, its blank and the line feed.
        const std::string_view nextLeft = colon + 3 < left.size() ? std::string_view(left).substr(colon + 3) : "";
        const std::string_view nextRight =
            feed == std::string::npos ? std::string_view(right) : std::string_view(right).substr(feed + 1);
        left = std::string(firstCharacters(nextLeft, summaryRemainderLimit));
        right = std::string(firstCharacters(nextRight, summaryRemainderLimit));
    }
    return lines;
}

std::string filterCaption(std::string_view caption)
{
    const bool english = isEnglishCaption(caption);
    std::string kept;
    kept.reserve(caption.size());
    for (std::size_t at = 0; at < caption.size(); ++at) {
        const char c = caption[at];
        if (english) {
            if (c == ' ' || c == '/' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                kept.push_back(c);
        } else if (c == '&' && at + 1 < caption.size()) {
            // The mnemonic's "&" goes; "&&" stands for one "&".
            kept.push_back(caption[++at]);
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::string layoutInputBlock(const std::vector<InputRowText>& inputRows)
{
    std::string out(lineEnd);
    appendInputLines(out, inputRows);
    out.append(lineEnd);
    return out;
}

std::string layoutText(TextLayout layout, const std::vector<InputRowText>& inputRows, std::string_view summaryLabels,
                       std::string_view summaryValues, const ResultSheet& table)
{
    std::string out;
    if (layout == TextLayout::ColumnAligned) {
        out = layoutInputBlock(inputRows);
        appendSummaryLines(out, summaryLabels, summaryValues);
        out.append(lineEnd).append(lineEnd).append(lineEnd);
    }
    appendTable(out, layout, table);
    return out;
}

}  // namespace pecunor
