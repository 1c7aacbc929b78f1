#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#pragma pop_macro("signals")

#include "desktop_entry_reader.h"
#include "install_test_support.h"
#include "platform/ui_language.h"
#include "setup/desktop_entries.h"
#include "setup/install_steps.h"

namespace pecunor {
namespace {

using testing::fileBytes;

// Folder names a desktop must not take apart: every character the quoting
// rules reserve, and a percent sign that looks like a field code.
const QStringList hostileFolders{
    "Ostrel Pecunor 97", "double\"quote",       "single'quote",       "dollar$HOME", "percent%f%%",    "back\\slash",
    "back`tick`",        "semi;colon&amp|pipe", "<angle>(paren)*?#~", "tab\there",   " leading blank",
};

// A script at that path writes its own path and arguments into a file
// beside the home, so a launch shows what really ran.
QString makeRecordingProgram(const QString& folder, const QString& record)
{
    QDir().mkpath(folder);
    const QString program = folder + "/run me.sh";
    QFile script(program);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + record.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return program;
}

// Launches the entry as GLib's desktop support does, the way menus and file
// managers start it.
bool launchWithGio(const QString& entryPath)
{
    GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(QFile::encodeName(entryPath).constData());
    if (info == nullptr)
        return false;
    GError* error = nullptr;
    const bool launched = g_app_info_launch(G_APP_INFO(info), nullptr, nullptr, &error);
    if (error != nullptr)
        g_error_free(error);
    g_object_unref(info);
    return launched;
}

QByteArray waitForFile(const QString& path)
{
    for (int i = 0; i < 200 && !QFileInfo::exists(path); ++i)
        QThread::msleep(10);
    QThread::msleep(20);
    return fileBytes(path);
}

TEST(DesktopEntry, AHostilePathIsQuotedSoThatTheRightFileRuns)
{
    testing::TemporaryHome home;
    for (const QString& folder : hostileFolders) {
        SCOPED_TRACE(folder.toStdString());
        const QString record = home.path("record");
        QFile::remove(record);
        const QString program = makeRecordingProgram(home.path(folder), record);
        const QString entryPath = home.path("entry.desktop");
        ASSERT_TRUE(writeDesktopEntry(entryPath, {.name = folder,
                                                  .command = {program, "Uninstall"},
                                                  .workingFolder = home.path(folder),
                                                  .icon = programIconName}));

        EXPECT_EQ(QFileInfo(entryPath).permissions() & 0x7077, QFileDevice::Permissions(0x7055)) << "mode 0755";
        EXPECT_EQ(testing::desktopFileErrors(entryPath), "");
        const QByteArray text = fileBytes(entryPath);
        const std::optional<QString> exec = testing::desktopEntryValue(text, "Exec");
        ASSERT_TRUE(exec.has_value());
        const QStringList command{program, "Uninstall"};
        EXPECT_EQ(testing::splitExec(*exec), program.contains('%') ? QStringList{"env"} + command : command)
            << exec->toStdString();
        ASSERT_TRUE(launchWithGio(entryPath));
        EXPECT_EQ(QString::fromUtf8(waitForFile(record)), program + "\nUninstall\n");
    }
}

TEST(DesktopEntry, TheUninstallEntryStartsTheInstalledProgramWithUninstall)
{
    testing::TemporaryHome home;
    const QString installFolder = installFolderFor(home.path("my $ files"));
    const QStringList command = uninstallCommand(installFolder, installedProgramName("OPECU97.EXE"));
    EXPECT_EQ(command, QStringList({home.path("my $ files/Ostrel Pecunor 97/OPecu97.exe"), "Uninstall"}));
    const QString entry = uninstallEntryPath(home.dataHome() + "/applications");
    ASSERT_TRUE(writeDesktopEntry(
        entry, {.name = "Uninstall Ostrel Pecunor 97", .command = command, .workingFolder = "", .icon = ""}));
    EXPECT_EQ(entry, home.dataHome() + "/applications/Ostrel Pecunor 97 Uninstall.desktop");
    EXPECT_EQ(testing::desktopFileErrors(entry), "");
    EXPECT_EQ(testing::desktopEntryValue(fileBytes(entry), "Exec"),
              "\"" + home.path("my \\\\$ files/Ostrel Pecunor 97/OPecu97.exe") + "\" Uninstall");
}

// A desktop in a language of the program reads the entries in it: the
// calculator's by the package's description in that language, the help and
// uninstall entries by their translated names (German checked word for word).
// Other names have no translated form. Each entry, as the package's, asks for
// launch feedback.
TEST(DesktopEntry, EachLanguagesKeysStandBesideTheEnglishOnes)
{
    struct Row {
        QString name;
        bool describesCalculator;
        std::optional<QString> germanName;
    };
    const std::vector<Row> rows = {
        {"Ostrel Pecunor 97", true, std::nullopt},
        {"Ostrel Pecunor 97 Help", true, "Hilfe zu Ostrel Pecunor 97"},
        {"Uninstall Ostrel Pecunor 97", false, "Ostrel Pecunor 97 deinstallieren"},
    };
    testing::TemporaryHome home;
    const QByteArray packaged = fileBytes(PACKAGE_DESKTOP_ENTRY);
    EXPECT_EQ(testing::desktopEntryValue(packaged, "StartupNotify"), "true");
    const QStringList languages = platform::translatedLanguages();
    ASSERT_TRUE(languages.contains("de"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        const QString path = home.path("entry.desktop");
        ASSERT_TRUE(writeDesktopEntry(path, {.name = row.name,
                                             .command = {"/bin/true"},
                                             .workingFolder = "",
                                             .icon = programIconName,
                                             .describesCalculator = row.describesCalculator}));
        EXPECT_EQ(testing::desktopFileErrors(path), "");
        const QByteArray text = fileBytes(path);
        EXPECT_EQ(testing::desktopEntryValue(text, "Name"), row.name);
        EXPECT_EQ(testing::desktopEntryValue(text, "Name[de]"), row.germanName);
        EXPECT_EQ(testing::desktopEntryValue(text, "StartupNotify"), "true");
        for (const QString& language : languages) {
            SCOPED_TRACE(language.toStdString());
            const auto name = testing::desktopEntryValue(text, "Name[" + language + "]");
            EXPECT_EQ(name.has_value(), row.germanName.has_value());
            EXPECT_NE(name, row.name);
            for (const QString key : {"GenericName", "Comment", "Keywords"}) {
                const QString localized = key + "[" + language + "]";
                const auto value = testing::desktopEntryValue(text, localized);
                EXPECT_TRUE(!row.describesCalculator || value) << localized.toStdString();
                const auto packagedValue = testing::desktopEntryValue(packaged, localized);
                EXPECT_EQ(value, row.describesCalculator ? packagedValue : std::nullopt) << localized.toStdString();
            }
        }
    }
}

TEST(DesktopEntry, TheProgramIconGoesIntoEachSizeOfTheTheme)
{
    testing::TemporaryHome home;
    const QString theme = home.dataHome() + "/icons/hicolor";
    ASSERT_TRUE(installProgramIcons(theme).empty());
    const QStringList files = programIconFiles(theme);
    EXPECT_EQ(files, QStringList(
                         {theme + "/48x48/apps/ostrel-pecunor-97.png", theme + "/256x256/apps/ostrel-pecunor-97.png"}));
    for (int i = 0; i < files.size(); ++i) {
        const QImage icon(files[i]);
        EXPECT_EQ(icon.size(), i == 0 ? QSize(48, 48) : QSize(256, 256));
    }
}

}  // namespace
}  // namespace pecunor
