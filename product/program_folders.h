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

// What the program writes of its own goes to its folder only when that is a
// copy the running user put there. A system-wide install, read-only or shared
// even when root may write it, sends it to the user's folders: no command
// fails for a read-only folder, and no user's file lands among shared ones.

// Where the wallpaper picture goes: the program folder of the user's own copy
// (a per-user install included), or else the product's folder in the user's
// data folder (created when missing). Ends in a separator.
QString ownFilesFolder(const QString& programFolder);

// Where the export files are proposed before the first save: the program
// folder of a user's own copy that is not hidden (a portable copy), or else
// the user's documents folder, or the home folder when there is none. Ends in
// a separator.
QString defaultExportFolder(const QString& programFolder);

// A folder that is not the running user's to fill: one under a system prefix
// (/usr, /opt, ...), one laid out by a system-wide install
// (<prefix>/lib/ostrel-pecunor-97), or one another user owns. Whoever runs
// the program, root included, writes nothing of its own there and the
// uninstaller leaves such a folder to whoever installed it.
bool isSharedProgramFolder(const QString& programFolder);

// Asked once, on the first call; start-up makes that call before anything else.
const ProgramFolders& programFolders();

}  // namespace pecunor
