#include <gtest/gtest.h>

#include "setup/install_steps.h"

namespace pecunor {
namespace {

const QString product = QStringLiteral("Ostrel Pecunor 97");

TEST(InstallSteps, TheInstallFolderHasOneSeparatorBeforeTheProductName)
{
    for (const auto& [parent, folder] : std::vector<std::pair<QString, QString>>{
             {"/", "/" + product},
             {"/home/anna/.local/opt", "/home/anna/.local/opt/" + product},
             {"/media/stick/", "/media/stick/" + product},
         })
        EXPECT_EQ(installFolderFor(parent), folder) << parent.toStdString();
}

TEST(InstallSteps, EveryShippedFileGoesIntoTheInstallFolderInOrder)
{
    const QStringList paths = destinationPaths("/opt/" + product, {"/p/", "/w/", "/s/"});
    const QString folder = "/opt/" + product + "/";
    EXPECT_EQ(paths,
              QStringList({folder + "OPecu97.exe", folder + "Setup.exe", folder + "OPecu97.hlp", folder + "OPecu97.cnt",
                           folder + "VendInfo.diz", folder + "File_Id.diz", folder + "Readme.txt"}));
}

TEST(InstallSteps, TheInstalledProgramIsTheShippedNameOfTheRunningOne)
{
    for (const auto& [running, installed] : std::vector<std::pair<QString, QString>>{{"OPecu97.exe", "OPecu97.exe"},
                                                                                     {"OPECU97.EXE", "OPecu97.exe"},
                                                                                     {"setup.exe", "Setup.exe"},
                                                                                     {"OPecu97", "OPecu97.exe"}})
        EXPECT_EQ(installedProgramName(running), installed) << running.toStdString();
}

TEST(InstallSteps, ShortcutsFollowTheChoiceAndTheFoldersTheDesktopHas)
{
    const platform::ShellFolders all{"/d/applications", "/c/autostart", "/h/Desktop"};
    const QString folder = "/opt/" + product;
    const QStringList program{folder + "/OPecu97.exe"};
    const QStringList help{folder + "/OPecu97.exe", "HELP"};
    const QString group = "/d/applications/" + product + "/";
    struct Case {
        const char* name;
        ShortcutChoice choice;
        platform::ShellFolders folders;
        QStringList files;
    };
    for (const Case& c : {
             Case{"all",
                  {},
                  all,
                  {group + product + ".desktop", group + product + " Help.desktop",
                   "/c/autostart/" + product + ".desktop", "/h/Desktop/" + product + ".desktop"}},
             Case{"no desktop folder",
                  {},
                  {all.programs, all.startup, ""},
                  {group + product + ".desktop", group + product + " Help.desktop",
                   "/c/autostart/" + product + ".desktop"}},
             Case{"desktop only", {false, true, false}, all, {"/h/Desktop/" + product + ".desktop"}},
             Case{"none", {false, false, false}, all, {}},
         }) {
        const std::vector<Shortcut> shortcuts = shortcutList(c.choice, c.folders, folder, "OPecu97.exe");
        QStringList files;
        for (const Shortcut& shortcut : shortcuts) {
            files << shortcut.file;
            EXPECT_EQ(shortcut.command, shortcut.file.contains(" Help.") ? help : program) << c.name;
            EXPECT_EQ(shortcut.onDesktop, shortcut.file.startsWith("/h/Desktop/")) << c.name;
        }
        EXPECT_EQ(files, c.files) << c.name;
    }
}

TEST(InstallSteps, AProgramFileMoreThan180DaysOldIsAnOldVersion)
{
    const QDate today(2026, 12, 7);
    for (const auto& [age, old] : {std::pair{0, false}, std::pair{180, false}, std::pair{181, true}})
        EXPECT_EQ(isOldVersion(QDateTime(today.addDays(-age), QTime(23, 59)), today), old) << age;
}

}  // namespace
}  // namespace pecunor
