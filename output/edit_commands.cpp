#include "edit_commands.h"

#include <algorithm>

namespace pecunor {

EditItemStates editItemStates(EditFocus focus, bool hasSelectedText, bool clipboardHasText)
{
    const bool textField = focus == EditFocus::TextField;
    return {
        .cut = textField && hasSelectedText,
        .copy = ((textField || focus == EditFocus::ReadOnlyText) && hasSelectedText) || focus == EditFocus::Table,
        .paste = textField && clipboardHasText,
    };
}

std::string selectionText(const ResultSheet& sheet, const GridRect& rect)
{
    // A selection never reaches past the table, but a stale one must not throw.
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, sheet.columnCount() - 1);
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, sheet.rowCount() - 1);
    std::string text;
    if (left > right)
        return text;
    std::size_t length = 0;
    for (int row = top; row <= bottom; ++row)
        for (int column = left; column <= right; ++column)
            length += sheet.cell(column, row).size() + 2;
    text.reserve(length);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left)
                text += '\t';
            text += sheet.cell(column, row);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace pecunor
