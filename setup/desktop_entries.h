#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

#include "product/setup_utilities.h"

namespace pecunor {

// A desktop entry that starts a program: the Linux form of a shortcut file.
struct DesktopEntry {
    QString name;
    QStringList command;    // the program's path and its arguments, as given to it
    QString workingFolder;  // empty: none
    QString icon;           // an icon theme name; empty: none
    // Describes the calculator as the package's menu entry does, so that a
    // search in the menu finds it; the uninstall entry does not.
    bool describesCalculator = true;
};

// The icon that the installer puts into the user's icon theme.
inline constexpr auto programIconName = "ostrel-pecunor-97";
// The name of the menu entry that the package installs, without ".desktop":
// Wayland ties a window to its launcher and icon by it.
inline constexpr auto desktopFileId = "example.brackwell.OstrelPecunor97";

// One argument as Exec= holds it: quoted when it holds a reserved character,
// with "%" doubled.
QString execArgument(const QString& argument);

// The whole file, escaped as a desktop entry's values are.
QByteArray desktopEntryText(const DesktopEntry& entry);

// Writes the entry with mode 0755, creating its folder when missing. The
// entry is written whole beside its place and then renamed into it, so a
// full disk leaves the earlier entry or none, never a cut one. On failure
// reason (when given) receives the system's words for it.
bool writeDesktopEntry(const QString& path, const DesktopEntry& entry, QString* reason = nullptr);

}  // namespace pecunor

namespace pecunor {

// The program's icon in each size of the user's icon theme folder, from the
// pictures compiled into the program, each written whole as an entry is.
QStringList programIconFiles(const QString& themeFolder);
std::vector<FileFailure> installProgramIcons(const QString& themeFolder);

// The program's icons, which the entry names, then the uninstall entry that
// starts programName of installFolder with "Uninstall"; what could not be written.
std::vector<FileFailure> writeUninstallEntry(const QString& installFolder, const QString& programName);

}  // namespace pecunor
