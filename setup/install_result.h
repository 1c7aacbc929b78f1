#pragma once

#include <QString>

#include <vector>

#include "install_steps.h"
#include "product/setup_utilities.h"

namespace pecunor {

// What the wizard's last page says of one installation.
struct InstallResult {
    bool complete = true;
    QString text;  // the incomplete page's text
    QString link;  // the address it offers, or empty
};

// Judged by the first failure in the order of the installation: the shipped
// files, then the uninstall entry and the icons, then the shortcuts. A file
// the system would not write is named with the system's reason, and a full
// disk sends the user to make room rather than to fetch another copy.
InstallResult installResult(const CopyFailures& copy, const std::vector<FileFailure>& entries,
                            const std::vector<FileFailure>& shortcuts);

}  // namespace pecunor
