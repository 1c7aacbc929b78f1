#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "platform/shell_folders.h"
#include "product/program_folders.h"
#include "product/setup_utilities.h"

namespace pecunor {

// The wizard's pages in the order of their index.
enum class InstallPage { Intro, InstallTo, StartMenu, Finish, PosResult, NegResult, OldVersion };
inline constexpr int installPageCount = 7;

QString productNameText();

// The chosen parent folder with one separator and the product's name.
QString installFolderFor(const QString& parentFolder);

// Where each shipped file goes, in the order of the shipped files.
QStringList destinationPaths(const QString& installFolder, const ProgramFolders& folders);

// The file of that name in folder, its name compared without regard to case;
// empty when there is none.
QString findFileIgnoringCase(const QString& folder, const QString& name);

// What a parent folder's new install folder turned out to be.
enum class FolderCreation { Created, Exists, Failed };

// Creates the install folder (its parent must exist); on failure reason
// receives the system's words for it.
FolderCreation createInstallFolder(const QString& folder, QString* reason);

// What a copy of the shipped files could not do.
struct CopyFailures {
    // A shipped file missing or unreadable in the source folder: the
    // distribution itself is at fault.
    bool sourceIncomplete = false;
    std::vector<FileFailure> unwritten;

    bool none() const { return !sourceIncomplete && unwritten.empty(); }
};

// Copies each shipped file of the source folder, found in any case, to its
// destination. A destination outside the install folder that is older than
// the shipped file is replaced only when replaceOlder says so. A file that
// is missing or cannot be copied is reported; the others are copied all the same.
CopyFailures installShippedFiles(const QString& sourceFolder, const QStringList& destinations,
                                 const QString& installFolder,
                                 const std::function<bool(const QString& destination)>& replaceOlder);

// The installed copy of the program: the shipped file of the running
// program's name in any case, else the first shipped program.
QString installedProgramName(const QString& runningProgramName);

// The shipped program or help file a shortcut starts, and where that
// shortcut goes.
struct Shortcut {
    QString file;  // the desktop entry's path
    QStringList command;
    bool onDesktop = false;  // the desktop launcher, which must be trusted to run
};

struct ShortcutChoice {
    bool startMenu = true;
    bool desktop = true;
    bool onStartup = true;
};

// The Start menu group's folder: Programs/<product>.
QString programGroupFolder(const QString& programsFolder);

// Every shortcut the choice asks for, in the order they are made: the
// group's entries, the login start, the desktop launcher. Folders the
// desktop does not have are left out. A help file's shortcut starts the
// program with "HELP".
std::vector<Shortcut> shortcutList(const ShortcutChoice& choice, const platform::ShellFolders& folders,
                                   const QString& installFolder, const QString& programName);

// The uninstall entry's path and what it starts.
QString uninstallEntryPath(const QString& entriesFolder);
QStringList uninstallCommand(const QString& installFolder, const QString& programName);

// The program file is more than 180 days older than today.
bool isOldVersion(const QDateTime& programDate, const QDate& today);

// The next page after Next, wrapping from the last to the first.
InstallPage pageAfterNext(InstallPage page);

struct PageButtons {
    bool backEnabled;
    bool backAndNextVisible;
    QString nextCaption;
    QString cancelCaption;

    friend bool operator==(const PageButtons&, const PageButtons&) = default;
};

PageButtons pageButtons(InstallPage page);

}  // namespace pecunor
