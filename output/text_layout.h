#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/result_sheet.h"

namespace pecunor {

enum class TextLayout { ColumnAligned = 1, CommaDelimited = 2 };

// One visible input row as the window shows it: the label's caption and the
// control's text. Edit fields are right-aligned, drop-down texts are not.
struct InputRowText {
    std::string caption;
    std::string value;
    bool isEditField;
};

// One summary line: the label up to and including its ":" and its value.
struct SummaryLine {
    std::string label;
    std::string value;
};

// Pairs the summary's label lines ("label : ", LF between lines) with its
// value lines (LF between lines), as long as a label with ":" remains.
std::vector<SummaryLine> summaryLines(std::string_view labels, std::string_view values);

// A caption as a text file writes it. An English caption of the window keeps
// its blanks, "/" and letters A to Z only; any other caption (a translated
// one) keeps its hyphens, brackets and other signs and loses only the
// mnemonic's "&" and control characters.
std::string filterCaption(std::string_view caption);

// The text file of a result, CR LF after every line. The column-aligned
// layout starts with the inputs and the summary; both layouts hold every
// row of the table.
std::string layoutText(TextLayout layout, const std::vector<InputRowText>& inputRows, std::string_view summaryLabels,
                       std::string_view summaryValues, const ResultSheet& table);

// Only the inputs: the block that opens a column-aligned file.
std::string layoutInputBlock(const std::vector<InputRowText>& inputRows);

}  // namespace pecunor
