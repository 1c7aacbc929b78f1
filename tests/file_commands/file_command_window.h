#pragma once

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "../engine/engine_test_support.h"
#include "mainwindow/frm_calc.h"

namespace pecunor::test {

// How the save dialog stood when it was shown.
struct DialogSeen {
    QString title;
    QStringList nameFilters;
    QString selectedFilter;
    QString defaultSuffix;
    QString folder;
    QStringList selectedFiles;
    bool savesAndConfirmsOverwrite = false;
};

// The main window on throw-away settings with a program folder of its own;
// the save dialog, the message boxes, the beep and the wallpaper are recorders.
class FileCommandWindow : public ::testing::Test {
protected:
    static inline const DayNumber today = *dayNumberOf(2026, 12, 7);

    QTemporaryDir scratch;
    QString programFolder = scratch.path() + QStringLiteral("/program/");
    AppSettings settings{today, programFolder};
    std::unique_ptr<TfrmCalc> window;
    std::vector<DialogSeen> dialogs;
    std::optional<SaveChoice> nextChoice;
    std::vector<QString> errors;
    std::vector<bool> cursorOverriddenAtError;
    std::vector<std::pair<QString, platform::WallpaperStyle>> wallpapers;
    bool desktopAccepts = true;
    int beeps = 0;

    void SetUp() override { QDir().mkpath(programFolder); }

    void TearDown() override
    {
        if (window)
            window->close();
    }

    WindowServices services()
    {
        WindowServices s;
        s.today = [] { return today; };
        s.showError = [this](QWidget*, const QString& message) { recordError(message); };
        s.saveSettings = [](const AppSettings&) { return SaveResult{}; };
        s.files.askSaveFile = [this](QFileDialog& dialog) {
            dialogs.push_back({dialog.windowTitle(), dialog.nameFilters(), dialog.selectedNameFilter(),
                               dialog.defaultSuffix(), dialog.directory().absolutePath(), dialog.selectedFiles(),
                               dialog.acceptMode() == QFileDialog::AcceptSave &&
                                   !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
            return nextChoice;
        };
        s.files.showError = s.showError;
        s.files.beep = [this] { ++beeps; };
        s.files.setWallpaper = [this](const QString& file, platform::WallpaperStyle style) {
            wallpapers.emplace_back(file, style);
            return desktopAccepts;
        };
        s.files.programFolder = programFolder;
        return s;
    }

    TfrmCalc& open(WindowServices withServices)
    {
        window = std::make_unique<TfrmCalc>(settings, usRegional(), std::move(withServices));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    TfrmCalc& open() { return open(services()); }

    void recordError(const QString& message)
    {
        errors.push_back(message);
        cursorOverriddenAtError.push_back(QGuiApplication::overrideCursor() != nullptr);
    }

    // Inputs as a user types them, after choosing the method.
    void enter(CalcMethod method, const QString& start, const std::vector<QString>& values)
    {
        window->cboMethod->setCurrentIndex(indexOf(method));
        window->cboStartDate->setEditText(start);
        for (std::size_t i = 0; i < window->txtValue.size(); ++i)
            window->txtValue[i]->setText(i < values.size() ? values[i] : QString());
    }

    // The command as the File menu runs it.
    void run(QAction* item, std::optional<SaveChoice> choice = std::nullopt)
    {
        nextChoice = std::move(choice);
        item->trigger();
    }
};

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace pecunor::test
