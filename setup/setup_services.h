#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "platform/shell_folders.h"

class QWidget;

namespace pecunor {

// A mounted volume, named by its mount point and its label.
struct Volume {
    QString root;
    QString label;
};

// What the installer and the uninstaller ask of the desktop. Tests replace
// the parts that would block or reach outside their temporary home.
struct SetupServices {
    // A message box titled with the product's name; returns the answer.
    std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        message;
    std::function<void(double seconds)> wait;
    std::function<QDate()> today;
    std::function<std::vector<Volume>()> volumes;
    std::function<platform::ShellFolders()> shellFolders;
    std::function<bool(const QString& path)> markTrusted;
    // Starts a program on its own, not waited for; false when it did not start.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
    // The package that the system's package manager installed the file
    // with; empty when none did.
    std::function<QString(const QString& file)> packageOwner;
    // The running program file: the installer copies from its folder, the
    // uninstaller removes the files of its folder.
    QString programFile;
    // The per-user settings, which the uninstaller removes.
    QString settingsFile;

    static SetupServices desktop();
};

}  // namespace pecunor
