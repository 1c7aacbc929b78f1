#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pecunor {

// What a run answers from its command line alone, with no window and no
// display: the usage for --help/-h, the version for --version/-V. Only the
// first argument counts, as for SETUP, UNINSTALL and HELP.
enum class EarlyRequest { Usage, Version };
std::optional<EarlyRequest> earlyRequest(const QStringList& arguments);

// The answer for standard output, in the interface language, ending in a
// newline.
QString earlyAnswer(EarlyRequest request);

// The one line a run without a display ends with, before any window.
QString noDisplayLine(const QString& problem);

}  // namespace pecunor
