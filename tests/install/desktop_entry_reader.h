#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pecunor::testing {

// The raw text of a key of the [Desktop Entry] group, as the file holds it.
std::optional<QString> desktopEntryValue(const QByteArray& fileText, const QString& key);

// Splits an Exec= value the way a desktop reads it: the string escapes
// first, then the quoting, then "%%". Gives nullopt for a value a strict
// reader refuses (an unquoted reserved character, an open quote, a bad
// escape, a field code).
std::optional<QStringList> splitExec(const QString& rawValue);

// Every line of desktop-file-validate about the file that is an error;
// empty when it passes.
QString desktopFileErrors(const QString& path);

}  // namespace pecunor::testing
