#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "save_dialog.h"
#include "shown_result.h"
#include "text_layout.h"

namespace pecunor {

// The text file of what the window shows. While the error line is shown
// it holds the inputs alone, and a comma-delimited file is empty.
std::string textFileBytes(TextLayout layout, const ShownResult& shown);

// Creates or replaces the file with the bytes, replacing an existing file
// only with a complete new one: a failed save keeps the old file as it was.
// On failure, reason receives the system's words for it.
bool writeTextFile(const QString& path, std::string_view bytes, QString* reason);

// The message of a failed save, the system's reason on a line of its own.
QString textWriteErrorMessage(const QString& path, const QString& reason);

// File > Save As Text: the dialog, then the file in the chosen layout, which
// the settings remember with its name for the next save.
void saveAsText(const FileCommandTarget& target, const ShownResult& shown, const FileCommandServices& services);

}  // namespace pecunor
