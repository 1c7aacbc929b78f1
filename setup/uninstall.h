#pragma once

#include <QString>

#include <vector>

#include "product/setup_utilities.h"
#include "setup_services.h"

namespace pecunor {

// How an uninstall run ended.
enum class UninstallOutcome {
    Cancelled,  // the user declined: nothing was removed, the calculator starts
    Ended,      // everything the installer made is gone or reported; the program ends
};

// Asks once, removes the settings, the uninstall entry, the shortcuts, the
// icon and the shipped files of the running program's folder, then leaves
// the program file itself to the clean-up program.
UninstallOutcome uninstall(const SetupServices& services);

// The removals after the question. One that fails does not stop the
// others; what is not there is passed over, what stays is returned with
// the system's reason.
std::vector<FileFailure> removeInstallation(const SetupServices& services);

// The clean-up program's file in the temporary folder.
QString cleanupProgramPath();

}  // namespace pecunor
