#pragma once

#include <QByteArray>
#include <QString>

namespace pecunor {

// The clean-up program that removes the calculator's program file and its
// empty folder after an uninstall, carried inside the calculator.
QByteArray cleanupProgramBytes();

// Writes the clean-up program byte for byte to path, replacing a file of that
// name, executable by everyone (mode 0755). On failure returns false and, when
// asked, says why.
bool writeCleanupProgram(const QString& path, QString* errorMessage = nullptr);

}  // namespace pecunor
