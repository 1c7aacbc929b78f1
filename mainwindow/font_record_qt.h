#pragma once

#include <QFont>
#include <QFontDialog>

#include "font_record.h"

namespace pecunor {

// The table font between its stored form and Qt. Only face, size in points,
// bold and italic travel; underline and strike-out never do.
QFont fontFromRecord(const FontRecord& record);
FontRecord recordFromFont(const QFont& font);

// What a font dialog's choice stores. A face the dialog showed as the stored
// one resolves to (an alias such as "Courier New" shows as the installed face
// standing in for it) keeps its stored name, so that confirming the dialog
// unchanged changes nothing.
FontRecord recordFromChoice(const FontRecord& stored, const QFont& chosen);

// The table font dialog, non-native, offering face, size, bold and italic
// only, and open on the stored font as the system resolves it.
void prepareTableFontDialog(QFontDialog& dialog, const QFont& stored);

}  // namespace pecunor
