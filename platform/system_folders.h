#pragma once

#include <QString>

namespace pecunor::platform {

// The folders the program places its files in, as the system reports them
// now; callers add the trailing separator.

// The folder of the running program file. Read from /proc so that it works
// before the application object exists.
QString runningProgramFolder();

// Stands for the Windows folder: $XDG_DATA_HOME, else ~/.local/share.
QString windowsFolder();

// Stands for the Windows system folder: ~/.local/lib.
QString systemFolder();

}  // namespace pecunor::platform
