#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "../support/file_limits.h"
#include "desktop_entry_reader.h"
#include "install_test_support.h"
#include "mainwindow/about_window.h"
#include "mainwindow/url_opener.h"
#include "product/setup_utilities.h"
#include "setup/folder_tree.h"
#include "setup/frm_install.h"

namespace pecunor {
namespace {

using testing::fileBytes;

const QString product = QStringLiteral("Ostrel Pecunor 97");
const QDate today(2026, 12, 7);

class Wizard : public ::testing::Test {
protected:
    Wizard()
    {
        urlOpener() = [this](const QUrl& url) {
            opened << url.toString();
            return true;
        };
    }
    ~Wizard() override
    {
        urlOpener() = [](const QUrl&) { return false; };
    }

    // The wizard over a distribution folder that lacks the given files.
    TfrmInstall& open(const QStringList& leaveOut = {}, int ageInDays = 0)
    {
        const QString program = testing::makeDistFolder(home.path(QStringLiteral("dist")), leaveOut);
        QFile file(program);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(
            file.setFileTime(QDateTime(today.addDays(-ageInDays), QTime(12, 0)), QFileDevice::FileModificationTime));
        file.close();
        services = testing::testServices(messages, program);
        services.today = [] { return today; };
        services.wait = [this](double seconds) {
            waits.push_back(seconds);
            if (duringWait)
                duringWait();
        };
        services.shellFolders = [this] {
            ++shellLookups;
            return platform::shellFolders();
        };
        services.markTrusted = [this](const QString& path) {
            trusted << path;
            return true;
        };
        wizard = std::make_unique<TfrmInstall>(services);
        wizard->show();
        return *wizard;
    }

    void clickTo(InstallPage page)
    {
        while (wizard->currentPage() < page)
            wizard->btnControls(wizard->btnNext);
    }

    QStringList desktopEntries() const
    {
        QStringList entries;
        for (const QString& file : home.allFiles())
            if (file.endsWith(QLatin1String(".desktop")))
                entries << file;
        return entries;
    }

    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    SetupServices services;
    std::unique_ptr<TfrmInstall> wizard;
    QStringList opened;
    QStringList trusted;
    std::vector<double> waits;
    int shellLookups = 0;
    std::function<void()> duringWait;
};

TEST_F(Wizard, NamesTheProductEverywhereAndStartsByTheProgramFilesAge)
{
    for (const auto& [age, page] : {std::pair{180, InstallPage::Intro}, std::pair{181, InstallPage::OldVersion}}) {
        TfrmInstall& w = open({}, age);
        EXPECT_EQ(w.currentPage(), page) << age << " days";
        EXPECT_EQ(w.windowTitle(), product + " Setup");
        EXPECT_EQ(w.size(), QSize(489, 311));
        for (const QLabel* label : w.findChildren<QLabel*>())
            EXPECT_FALSE(label->text().contains("%s")) << label->objectName().toStdString();
        EXPECT_EQ(w.chkOnWinStartup->text(), "Run Ostrel Pecunor 97 on startup");
        EXPECT_EQ(w.chkStartMenu->text(), "Add Ostrel Pecunor 97 to the Start Menu");
        EXPECT_EQ(w.lblWWW2->text(), "https://www.brackwell.example/");
        const QString intro = w.rtfIntro->toPlainText();
        EXPECT_TRUE(intro.contains("Welcome to Ostrel Pecunor 97 Setup!")) << intro.toStdString();
        EXPECT_TRUE(intro.contains("No changes will be made to your system at this time."));
        EXPECT_FALSE(intro.contains("%s"));
    }
}

TEST_F(Wizard, CancelOnTheOldVersionPageClosesWithoutAskingAndNextLeadsToTheIntroduction)
{
    TfrmInstall& w = open({}, 400);
    EXPECT_TRUE(w.btnBack->isVisible());
    EXPECT_FALSE(w.btnBack->isEnabled());
    w.btnControls(w.btnNext);
    EXPECT_EQ(w.currentPage(), InstallPage::Intro);

    TfrmInstall& again = open({}, 400);
    again.btnControls(again.btnCancel);
    EXPECT_FALSE(again.isVisible());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(Wizard, CancelAsksAndOnlyYesCloses)
{
    TfrmInstall& w = open();
    clickTo(InstallPage::StartMenu);
    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    w.btnControls(w.btnCancel);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.currentPage(), InstallPage::StartMenu);
    w.reject();  // Escape
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(messages.texts, QStringList(2, "Are you sure you want to cancel the installation of " + product + "?"));
}

TEST_F(Wizard, ButtonsFollowThePage)
{
    struct Step {
        QPushButton* TfrmInstall::*button;
        InstallPage page;
        bool backEnabled;
        QString next;
    };
    TfrmInstall& w = open();
    for (const Step& step : {Step{&TfrmInstall::btnNext, InstallPage::InstallTo, true, "Next >"},
                             Step{&TfrmInstall::btnNext, InstallPage::StartMenu, true, "Next >"},
                             Step{&TfrmInstall::btnNext, InstallPage::Finish, true, "Finish"},
                             Step{&TfrmInstall::btnBack, InstallPage::StartMenu, true, "Next >"},
                             Step{&TfrmInstall::btnBack, InstallPage::InstallTo, true, "Next >"},
                             Step{&TfrmInstall::btnBack, InstallPage::Intro, false, "Next >"},
                             Step{&TfrmInstall::btnBack, InstallPage::Intro, false, "Next >"}}) {
        w.btnControls(w.*step.button);
        EXPECT_EQ(w.currentPage(), step.page);
        EXPECT_EQ(w.btnBack->isEnabled(), step.backEnabled);
        EXPECT_EQ(w.btnNext->text(), step.next);
        EXPECT_EQ(w.btnCancel->text(), "Cancel");
    }
}

TEST_F(Wizard, AnotherVolumeMovesTheInstallFolderAndARootGivesOneSeparator)
{
    const QString first = home.path("first");
    const QString second = home.path("second");
    QDir().mkpath(second + "/apps/finance");
    QDir().mkpath(first);
    TfrmInstall& w = open();
    EXPECT_EQ(w.lblInstallTo->text(), home.installFolder()) << "starts in the program files folder";

    wizard.reset();
    services.volumes = [&] { return std::vector<Volume>{{"/", ""}, {first, ""}, {second, "USB"}}; };
    wizard = std::make_unique<TfrmInstall>(services);
    TfrmInstall& moved = *wizard;
    EXPECT_EQ(moved.drvInstallTo->itemText(2), second + "  [USB]");
    moved.drvInstallTo->setCurrentIndex(2);
    EXPECT_EQ(moved.lblInstallTo->text(), second + "/" + product);
    moved.flbInstallTo->setCurrentFolder(second + "/apps/finance");
    EXPECT_EQ(moved.lblInstallTo->text(), second + "/apps/finance/" + product);
    moved.drvInstallTo->setCurrentIndex(0);
    EXPECT_EQ(moved.lblInstallTo->text(), home.installFolder()) << "back on the program files folder's volume";
    moved.flbInstallTo->setCurrentFolder("/");
    EXPECT_EQ(moved.lblInstallTo->text(), "/" + product);
    moved.drvInstallTo->setCurrentIndex(2);
    EXPECT_EQ(moved.lblInstallTo->text(), second + "/apps/finance/" + product) << "the volume's own folder";
}

TEST_F(Wizard, BackAndANewFolderRebuildTheDestinationList)
{
    TfrmInstall& w = open();
    clickTo(InstallPage::Finish);
    ASSERT_EQ(w.lstFinish->count(), 7);
    EXPECT_EQ(w.lstFinish->item(0)->text(), home.installFolder() + "/OPecu97.exe");
    EXPECT_EQ(w.lstFinish->item(6)->text(), home.installFolder() + "/Readme.txt");
    w.btnControls(w.btnBack);
    w.btnControls(w.btnBack);
    QDir().mkpath(home.path("apps"));
    w.flbInstallTo->setRoot(home.path());
    w.flbInstallTo->setCurrentFolder(home.path("apps"));
    clickTo(InstallPage::Finish);
    ASSERT_EQ(w.lstFinish->count(), 7);
    EXPECT_EQ(w.lstFinish->item(3)->text(), home.path("apps/") + product + "/OPecu97.cnt");
}

TEST_F(Wizard, ADefaultInstallCopiesTheFilesAndWritesEveryEntry)
{
    QDir().mkpath(home.path("Desktop"));
    TfrmInstall& w = open();
    clickTo(InstallPage::Finish);
    w.btnControls(w.btnNext);

    EXPECT_EQ(w.currentPage(), InstallPage::PosResult);
    EXPECT_FALSE(w.btnNext->isVisible());
    EXPECT_FALSE(w.btnBack->isVisible());
    EXPECT_EQ(w.btnCancel->text(), "Close");
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(waits, std::vector<double>{3});
    for (const char* name : {"OPecu97.exe", "Setup.exe", "OPecu97.hlp", "Readme.txt"})
        EXPECT_EQ(fileBytes(home.installFolder() + "/" + name), QByteArray(name));
    const QStringList entries{
        ".config/autostart/" + product + ".desktop", ".local/share/applications/" + product + " Uninstall.desktop",
        ".local/share/applications/" + product + "/" + product + " Help.desktop",
        ".local/share/applications/" + product + "/" + product + ".desktop", "Desktop/" + product + ".desktop"};
    EXPECT_EQ(desktopEntries(), entries);
    const QByteArray packaged = fileBytes(PACKAGE_DESKTOP_ENTRY);
    for (const QString& entry : entries) {
        const QByteArray text = fileBytes(home.path(entry));
        EXPECT_EQ(testing::desktopFileErrors(home.path(entry)), "") << entry.toStdString();
        EXPECT_TRUE(QFileInfo(home.path(entry)).isExecutable()) << entry.toStdString();
        EXPECT_EQ(testing::desktopEntryValue(text, "Icon"), "ostrel-pecunor-97");
        // The uninstall entry shares only the window class: it is no calculator.
        for (const char* key : {"GenericName", "Comment", "Keywords", "StartupWMClass"}) {
            const bool shared = !entry.contains("Uninstall") || key == std::string_view("StartupWMClass");
            EXPECT_EQ(testing::desktopEntryValue(text, key),
                      shared ? testing::desktopEntryValue(packaged, key) : std::nullopt)
                << entry.toStdString() << " " << key;
        }
    }
    const auto help = testing::desktopEntryValue(fileBytes(home.path(entries[2])), "Exec");
    EXPECT_EQ(testing::splitExec(help.value_or("")), QStringList({home.installFolder() + "/OPecu97.exe", "HELP"}));
    EXPECT_EQ(trusted, QStringList{home.path(entries[4])});
    EXPECT_EQ(opened, QStringList{QUrl::fromLocalFile(home.path(".local/share/applications/") + product).toString()});
    for (const char* size : {"48x48", "256x256"})
        EXPECT_TRUE(fileBytes(home.path(QString(".local/share/icons/hicolor/") + size + "/apps/ostrel-pecunor-97.png"))
                        .startsWith("\x89PNG"));
}

TEST_F(Wizard, AnExistingFolderAsksOnceYesOverwritesCancelReturnsWithNothingWritten)
{
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Yes}) {
        QDir().mkpath(home.installFolder());
        QFile old(home.installFolder() + "/Readme.txt");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        messages = {};
        messages.answers = {answer};
        TfrmInstall& w = open();
        clickTo(InstallPage::Finish);
        w.btnControls(w.btnNext);
        ASSERT_GE(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts[0], "The folder\n\n" + home.installFolder() +
                                         "\n\napparently already exists. Do you want to overwrite existing files?");
        if (answer == QMessageBox::Yes) {
            EXPECT_EQ(messages.texts.size(), 1);
            EXPECT_EQ(fileBytes(home.installFolder() + "/Readme.txt"), "Readme.txt");
            EXPECT_EQ(w.currentPage(), InstallPage::PosResult);
        } else {
            EXPECT_EQ(messages.texts, QStringList({messages.texts[0], "No changes have been made. Please select a "
                                                                      "different folder to install to."}));
            EXPECT_EQ(w.currentPage(), InstallPage::InstallTo);
            EXPECT_EQ(fileBytes(home.installFolder() + "/Readme.txt"), "old");
            EXPECT_EQ(QDir(home.installFolder()).count(), 3u) << "only the old file";
            EXPECT_TRUE(desktopEntries().isEmpty());
            EXPECT_TRUE(waits.empty());
        }
    }
}

TEST_F(Wizard, AFolderThatCannotBeCreatedIsNamedWithTheReasonAndNothingIsWritten)
{
    QFile(home.path("a file")).open(QIODevice::WriteOnly);
    for (const auto& [folder, reason] : {std::pair{home.path("a file/") + product, "Not a directory"},
                                         std::pair{home.path(QString(256, 'x')), "File name too long"}}) {
        messages = {};
        TfrmInstall& w = open();
        clickTo(InstallPage::Finish);
        w.lblInstallTo->setText(folder);
        w.btnControls(w.btnNext);
        EXPECT_EQ(messages.texts, QStringList{"The folder\n\n" + folder + "\n\ncannot be created:\n" + reason +
                                              "\n\nNo changes have been made. Please select a different folder to "
                                              "install to."});
        EXPECT_EQ(w.currentPage(), InstallPage::InstallTo);
        EXPECT_TRUE(waits.empty());
        EXPECT_TRUE(desktopEntries().isEmpty());
    }
}

TEST_F(Wizard, AllBoxesClearedMakesNoShortcutAndNoLookupButStillWaits)
{
    QDir().mkpath(home.path("Desktop"));
    TfrmInstall& w = open();
    clickTo(InstallPage::StartMenu);
    for (QCheckBox* box : {w.chkStartMenu, w.chkDesktop, w.chkOnWinStartup})
        box->setChecked(false);
    clickTo(InstallPage::Finish);
    w.btnControls(w.btnNext);
    EXPECT_EQ(w.currentPage(), InstallPage::PosResult);
    EXPECT_EQ(shellLookups, 0);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(waits, std::vector<double>{3});
    EXPECT_EQ(desktopEntries(), QStringList{".local/share/applications/" + product + " Uninstall.desktop"});
}

TEST_F(Wizard, AMissingReadmeEndsOnTheIncompletePageWithTheLink)
{
    TfrmInstall& w = open({"Readme.txt"});
    clickTo(InstallPage::Finish);
    w.btnControls(w.btnNext);
    EXPECT_EQ(w.currentPage(), InstallPage::NegResult);
    EXPECT_EQ(w.lblNegResult->text(),
              "Could not find or copy one or more files to the target folder. This installation is incomplete.\n\n"
              "Please download another complete copy from the following web site:");
    EXPECT_EQ(w.lblWWW1->text(), "https://www.brackwell.example/");
    EXPECT_EQ(QDir(home.installFolder()).entryList(QDir::Files).size(), 6);
    EXPECT_EQ(home.allFiles().filter(QRegularExpression("^\\.(local/share|config)/")), QStringList())
        << "no entries and no icon for a program that is not all there";
    EXPECT_TRUE(opened.isEmpty());
    w.lblWWW1Click(w.lblWWW1);
    EXPECT_EQ(opened.last(), "https://www.brackwell.example/");
}

TEST_F(Wizard, AShortcutThatCannotBeMadeIsReportedWithoutALink)
{
    // A file where the login start folder belongs.
    QFile blocker(home.configHome() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TfrmInstall& w = open();
    clickTo(InstallPage::Finish);
    w.btnControls(w.btnNext);
    EXPECT_EQ(w.currentPage(), InstallPage::NegResult);
    EXPECT_EQ(w.lblNegResult->text(), "Could not create one or more of the shortcuts you specified. Please do so "
                                      "manually or run Setup again.\n\nNot a directory:\n" +
                                          home.configHome() + "/autostart/" + product + ".desktop");
    EXPECT_EQ(w.lblWWW1->text(), "");
    EXPECT_EQ(desktopEntries().size(), 3) << "the others are still made";
}

// A full disk under the install folder or the data folder, or a read-only
// menu folder: the page names each file the system would not write, with
// its reason ("~" the home, "%" the product), and no file is left cut short.
struct Unwritten {
    const char* name;
    const char* fullDisk;  // below the home; none: the menu folder is read-only
    const char* opening;
    const char* reasonAndFirstFiles;
    const char* advice;
};

class WizardUnwritten : public Wizard, public ::testing::WithParamInterface<Unwritten> { };

TEST_P(WizardUnwritten, NamesEachFileWithItsReasonAndLeavesNoneCutShort)
{
    const auto expand = [&](const char* text) {
        return QString::fromUtf8(text).replace("~", home.path()).replace("%", product);
    };
    const Unwritten& c = GetParam();
    std::optional<test::SmallDisk> disk;
    const QString applications = home.dataHome() + "/applications";
    if (c.fullDisk) {
        disk.emplace(home.path(c.fullDisk));
        if (!disk->mounted())
            GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
        disk->fill();
    } else {
        QDir().mkpath(applications);
        QFile::setPermissions(applications, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    TfrmInstall& w = open();
    clickTo(InstallPage::Finish);
    {
        const test::FileModesObeyed modes;
        w.btnControls(w.btnNext);
    }
    QFile::setPermissions(applications, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(w.currentPage(), InstallPage::NegResult);
    const QString shown = w.lblNegResult->text();
    EXPECT_TRUE(shown.startsWith(expand(c.opening) + "\n\n" + expand(c.reasonAndFirstFiles))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QString("\n\n") + c.advice)) << shown.toStdString();
    EXPECT_EQ(w.lblWWW1->text(), "");
    for (const QString& file : home.allFiles())
        EXPECT_GT(QFileInfo(home.path(file)).size(), 0) << file.toStdString();
    EXPECT_FALSE(QFileInfo::exists(applications + "/" + product + " Uninstall.desktop"));
}

constexpr char noUninstallEntry[] = "The files were copied, but the uninstall entry could not be written, so % cannot "
                                    "be uninstalled from the menu. This installation is incomplete.";
constexpr char diskFull[] = "The disk is full. Please make room on it and run Setup again.";

INSTANTIATE_TEST_SUITE_P(
    Cases, WizardUnwritten,
    ::testing::Values(
        Unwritten{"FullInstallDisk", ".local/opt",
                  "Could not copy one or more files to the target folder. This installation is incomplete.",
                  "No space left on device:\n~/.local/opt/%/OPecu97.exe\n~/.local/opt/%/Setup.exe\n", diskFull},
        Unwritten{"FullDataFolder", ".local/share", noUninstallEntry,
                  "No space left on device:\n~/.local/share/icons/hicolor/48x48/apps/ostrel-pecunor-97.png\n",
                  diskFull},
        Unwritten{"ReadOnlyMenuFolder", nullptr, noUninstallEntry,
                  "Permission denied:\n~/.local/share/applications/% Uninstall.desktop\n"
                  "~/.local/share/applications/%/%.desktop\n",
                  "Please put this right and run Setup again."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Wizard, ASecondFinishOrCancelDuringTheInstallationStartsNothing)
{
    TfrmInstall& w = open();
    clickTo(InstallPage::Finish);
    duringWait = [&] {
        w.btnNext->click();
        w.btnCancel->click();
        w.reject();
        w.close();
    };
    w.btnNext->click();
    EXPECT_EQ(waits.size(), 1u);
    EXPECT_TRUE(messages.texts.isEmpty()) << "neither the folder question nor the cancel question";
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.currentPage(), InstallPage::PosResult);
    w.btnCancel->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(WizardExecute, RefusesASystemOlderThanVersion390)
{
    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    setWindowsVersionNumberForTesting(351);
    EXPECT_EQ(TfrmInstall::execute(testing::testServices(messages, home.path("OPecu97.exe"))), 0);
    setWindowsVersionNumberForTesting(400);
    EXPECT_EQ(messages.texts,
              QStringList{"Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0."});
    EXPECT_TRUE(home.allFiles().isEmpty());
}

}  // namespace
}  // namespace pecunor
