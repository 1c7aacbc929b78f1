#pragma once

#include <QString>

namespace pecunor::platform {

// The folders shortcuts go into; empty when the desktop has none.
struct ShellFolders {
    QString programs;  // $XDG_DATA_HOME/applications
    QString startup;   // $XDG_CONFIG_HOME/autostart
    QString desktop;   // the XDG desktop folder, only when it exists
};

ShellFolders shellFolders();

// Per-user program files: ~/.local/opt, created when missing.
QString programFilesFolder();

// Where the uninstall entry lives: $XDG_DATA_HOME/applications.
QString uninstallEntriesFolder();

// The user's icon theme: $XDG_DATA_HOME/icons/hicolor.
QString iconThemeFolder();

// Marks a desktop launcher as one the user trusts, so that a double click
// starts it. False when the desktop's metadata store is not running.
bool markLauncherTrusted(const QString& path);

}  // namespace pecunor::platform
