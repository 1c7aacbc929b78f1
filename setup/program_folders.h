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

// A system-wide install leaves the program folder read-only; what the program
// writes of its own then goes to the user's folders instead, so that no
// command fails only because of where the program lies.

// Where the wallpaper picture goes: the program folder, or else the
// product's folder in the user's data folder (created when missing). Ends in
// a separator.
QString ownFilesFolder(const QString& programFolder);

// Where the export files are proposed before the first save: the program
// folder, or else the user's home folder. Ends in a separator.
QString defaultExportFolder(const QString& programFolder);

// Asked once, on the first call; start-up makes that call before anything else.
const ProgramFolders& programFolders();

}  // namespace pecunor
