#pragma once

#include <QStringList>

class QWidget;

namespace pecunor {

// Which program a run is: only the first argument counts, in any case.
enum class ProgramMode { Calculator, Install, Uninstall };
ProgramMode programMode(const QStringList& arguments);

// Minimised, maximised or normal, as the starting process asked.
void applyStartupShowState(QWidget& window);

// The whole run after the application object exists: settings, windows,
// the requested show state and the message loop. Returns the exit code.
int runProgram(const QStringList& arguments);

}  // namespace pecunor
