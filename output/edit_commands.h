#pragma once

#include <string>

#include "engine/result_sheet.h"

namespace pecunor {

// The kinds of control that the Edit menu tells apart.
enum class EditFocus {
    TextField,     // a value field or the start date's text
    ReadOnlyText,  // the explanation page
    Table,
    Other,  // a drop-down list, a tab, nothing
};

struct EditItemStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};

// Cut and Paste only for text fields, Paste only with text to paste, Copy
// for a selected text (also a read-only one) or the table.
EditItemStates editItemStates(EditFocus focus, bool hasSelectedText, bool clipboardHasText);

// The cells of a rectangle of the table as the clipboard takes them: a TAB
// between the cells of a row, CR LF after every row, the last one included.
std::string selectionText(const ResultSheet& sheet, const GridRect& rect);

}  // namespace pecunor
