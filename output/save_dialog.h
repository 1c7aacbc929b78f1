#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/wallpaper.h"
#include "settings/app_settings.h"

#include <QFileDialog>

class QWidget;

namespace pecunor {

// How a File command sets up the window's save dialog before showing it.
struct SaveDialogSetup {
    QString title;
    QStringList nameFilters;
    int filterIndex = 1;  // 1 for the first filter
    QString defaultSuffix;
    QString lastFile;  // gives the folder and the name shown first
};

// What the user chose in the save dialog.
struct SaveChoice {
    QString filePath;
    int filterIndex = 1;
};

// The desktop's answers to the File commands, replaceable in tests.
struct FileCommandServices {
    // Shows the prepared dialog; nothing when the user cancels.
    std::function<std::optional<SaveChoice>(QFileDialog& dialog)> askSaveFile;
    std::function<void(QWidget* parent, const QString& message)> showError;
    std::function<void()> beep;
    std::function<bool(const QString& file, platform::WallpaperStyle style)> setWallpaper;
    QString programFolder;  // holds the wallpaper file; ends in a separator

    // The save dialog, the system's beep and the desktop's wallpaper; the
    // window gives its own error box.
    static FileCommandServices desktop(const QString& programFolder);
};

// What the File commands work on, all owned by the main window.
struct FileCommandTarget {
    QFileDialog& dlgSave;
    QWidget& clientArea;
    QString caption;
    AppSettings& settings;
};

// The save dialog of the File commands. It refuses a name that cannot be
// written (its folder missing or not writable, the file read-only, a pipe or
// a device) before anything is written, says why, and lets the user choose again.
class SaveFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit SaveFileDialog(QWidget* parent = nullptr);

    // Shows why a name was refused; a message box unless replaced (tests).
    std::function<void(QWidget* parent, const QString& message)> refuse;

public slots:
    void accept() override;
};

// Why a chosen file cannot be written, in words for the user; empty when it can.
QString saveRefusal(const QString& path);

// Sets every property of the dialog that a save relies on: a save dialog
// asking before it overwrites, the filters with the chosen one selected,
// the folder and name of the last file, and no history.
void prepareSaveDialog(QFileDialog& dialog, const SaveDialogSetup& setup);

// The desktop's question: the dialog, modal.
std::optional<SaveChoice> execSaveDialog(QFileDialog& dialog);

// The chosen name as an absolute path, with "." + suffix added when the
// name has no extension of its own.
QString chosenFilePath(const QString& typed, const QString& defaultSuffix);

}  // namespace pecunor
