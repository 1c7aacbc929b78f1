#pragma once

#include <QString>

namespace pecunor {

// Folders worked out once when the program loads, each ending in a separator.
struct ProgramFolders {
    QString ProgramFolder;  // the folder of the running program file
    QString WindowsFolder;  // for shipped files placed with code "1"
    QString SystemFolder;   // for shipped files placed with code "2"

    friend bool operator==(const ProgramFolders&, const ProgramFolders&) = default;
};

// folder with "/" appended, unless it already ends in one (the root stays "/").
QString withTrailingSeparator(const QString& folder);

// Asks the system now.
ProgramFolders discoverProgramFolders();

// Asked once, on the first call; start-up makes that call before anything else.
const ProgramFolders& programFolders();

}  // namespace pecunor
