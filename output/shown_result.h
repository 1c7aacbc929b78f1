#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/result_sheet.h"
#include "text_layout.h"

namespace pecunor {

// One of the main window's eight input rows as it stands on screen.
struct ShownInputRow {
    std::string caption;  // the label's caption as shown, "&" included
    std::string value;    // the box's or the edit's text
    bool isEditField = false;
    bool labelVisible = false;
    bool valueVisible = false;
};

// What the main window shows, gathered for the output commands. While the
// error line is shown there is no table and no summary: what the hidden table
// still holds belongs to earlier inputs and must not appear beside these.
struct ShownResult {
    std::array<ShownInputRow, 8> inputRows;
    std::string summaryLabels;
    std::string summaryValues;
    const ResultSheet* table = nullptr;
    GridRect selection{};  // the table's, fixed cells included
};

// The rows whose label is visible, as the text file lists them.
inline std::vector<InputRowText> visibleInputRows(const ShownResult& shown)
{
    std::vector<InputRowText> rows;
    for (const ShownInputRow& row : shown.inputRows)
        if (row.labelVisible)
            rows.push_back({row.caption, row.value, row.isEditField});
    return rows;
}

}  // namespace pecunor
