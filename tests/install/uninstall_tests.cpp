#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>

#include "../support/file_limits.h"
#include "install_test_support.h"
#include "mainwindow/url_opener.h"
#include "setup/cleanup_program.h"
#include "setup/frm_install.h"
#include "setup/uninstall.h"

namespace pecunor {
namespace {

using testing::fileBytes;

const QString product = QStringLiteral("Ostrel Pecunor 97");
const QString uninstalledText = product + " has been uninstalled.";

// The question, naming the folder it empties.
QString questionFor(const QString& folder)
{
    return "Are you sure you want to uninstall " + product + "?\n\n" + folder;
}

void writeFile(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A default installation from a distribution folder of the temporary home,
// then the uninstaller as the installed program runs it.
class Uninstall : public ::testing::Test {
protected:
    Uninstall()
    {
        urlOpener() = [](const QUrl&) { return true; };
        QDir().mkpath(home.path("Desktop"));
        testing::ScriptedMessages installMessages;
        {
            TfrmInstall wizard(testing::testServices(installMessages, testing::makeDistFolder(home.path("dist"))));
            while (wizard.currentPage() != InstallPage::Finish)
                wizard.btnControls(wizard.btnNext);
            wizard.btnControls(wizard.btnNext);
        }
        QDir(home.path("dist")).removeRecursively();
        writeFile(home.configHome() + "/Brackwell/Pecunor 97.conf");
        writeFile(home.configHome() + "/Brackwell/Other Product.conf");
        writeFile(home.installFolder() + "/OPecu97.gid");
        services = testing::testServices(messages, home.installFolder() + "/OPecu97.exe");
        services.startDetached = [this](const QString& program, const QStringList& arguments) {
            started << program << arguments;
            return startSucceeds;
        };
    }

    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    SetupServices services;
    QStringList started;
    bool startSucceeds = true;
};

TEST_F(Uninstall, CancelAtTheQuestionRemovesNothing)
{
    const QStringList before = home.allFiles();
    EXPECT_EQ(uninstall(services), UninstallOutcome::Cancelled);
    EXPECT_EQ(messages.texts, QStringList{questionFor(home.installFolder())});
    EXPECT_EQ(home.allFiles(), before);
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(Uninstall, APackagesProgramOrAReadOnlyCopyIsLeftAndTheMessageSaysWhich)
{
    struct Case {
        const char* name;
        QString package;
        bool readOnly;
        QString says;
    };
    for (const Case& c : {Case{"owned by a package", "ostrel-pecunor-97", false,
                               "by the system's package manager.\nPlease remove it with the package manager "
                               "(package \"ostrel-pecunor-97\")."},
                          Case{"a read-only copy no package owns", "", true,
                               "cannot be uninstalled from the folder\n\n" + home.installFolder() +
                                   "\n\nbecause you may not change that folder. Nothing has been removed."}}) {
        SCOPED_TRACE(c.name);
        const QStringList before = home.allFiles();
        messages = {};
        QString asked;
        services.packageOwner = [&](const QString& file) {
            asked = file;
            return c.package;
        };
        if (c.readOnly)
            QFile::setPermissions(home.installFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            const test::FileModesObeyed modes;
            EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);
        }
        QFile::setPermissions(home.installFolder(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(asked, home.installFolder() + "/OPecu97.exe");
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].endsWith(c.says)) << messages.texts[0].toStdString();
        EXPECT_EQ(home.allFiles(), before);
        EXPECT_TRUE(started.isEmpty());
    }
}

// What cmake --install lays out under any prefix: the program folder and a
// link to the program in bin/. Root may change it, but it is not the user's.
TEST_F(Uninstall, ASystemWideLayoutIsLeftWhoeverRunsTheProgram)
{
    const QString folder = home.path("prefix/lib/ostrel-pecunor-97");
    const QString program = testing::makeDistFolder(folder);
    QDir().mkpath(home.path("prefix/bin"));
    ASSERT_TRUE(QFile::link("../lib/ostrel-pecunor-97/OPecu97.exe", home.path("prefix/bin/opecu97")));
    for (const QString& started : {program, home.path("prefix/bin/opecu97")}) {
        const QStringList before = home.allFiles();
        messages = {};
        services.programFile = started;
        EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);
        EXPECT_EQ(messages.texts, QStringList{product + " cannot be uninstalled from the folder\n\n" + folder +
                                              "\n\nbecause you may not change that folder. Nothing has been removed."});
        EXPECT_EQ(home.allFiles(), before);
        EXPECT_TRUE(QFileInfo(home.path("prefix/bin/opecu97")).isFile());
    }
}

TEST(PackageOwner, IsThePackageThatInstalledTheFile)
{
    const testing::TemporaryHome home;
    const auto owner = SetupServices::desktop().packageOwner;
    EXPECT_EQ(owner("/usr/bin/dpkg"), "dpkg");
    EXPECT_EQ(owner(home.path()), "");
}

TEST_F(Uninstall, YesLeavesOnlyTheRunningProgramTheUsersFileAndTheCleanUpProgram)
{
    for (const bool byHandFirst : {false, true}) {
        SCOPED_TRACE(byHandFirst ? "entries already removed by hand" : "a default installation");
        if (byHandFirst) {
            QDir(home.dataHome() + "/applications").removeRecursively();
            QFile::remove(home.configHome() + "/autostart/" + product + ".desktop");
            QFile::remove(home.path("Desktop/" + product + ".desktop"));
            QFile::remove(home.path("tmp/bkUninstall.exe"));
        }
        // Another program's files whose names differ from ours only in case.
        for (const char* foreign : {"my notes.txt", "README.TXT", "setup.exe", "FILE_ID.DIZ", "opecu97.HLP"})
            writeFile(home.installFolder() + "/" + foreign);
        messages = {};
        messages.answers = {QMessageBox::Yes};
        started.clear();
        EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);

        const QString folder = ".local/opt/Ostrel Pecunor 97/";
        EXPECT_EQ(home.allFiles(), QStringList({".config/Brackwell/Other Product.conf", folder + "FILE_ID.DIZ",
                                                folder + "OPecu97.exe", folder + "README.TXT", folder + "my notes.txt",
                                                folder + "opecu97.HLP", folder + "setup.exe", "tmp/bkUninstall.exe"}));
        EXPECT_FALSE(QFileInfo::exists(home.dataHome() + "/applications/" + product)) << "the group folder";
        const QString cleanup = home.path("tmp/bkUninstall.exe");
        EXPECT_EQ(fileBytes(cleanup), cleanupProgramBytes());
        EXPECT_TRUE(QFileInfo(cleanup).isExecutable());
        EXPECT_EQ(started, QStringList({cleanup, home.installFolder() + "/OPecu97.exe"}));
        EXPECT_EQ(messages.texts, QStringList({questionFor(home.installFolder()), uninstalledText}));
    }
}

TEST_F(Uninstall, EntriesInAReadOnlyMenuFolderAreListedAsLeftBehind)
{
    const QString applications = home.dataHome() + "/applications";
    QFile::setPermissions(applications, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    messages.answers = {QMessageBox::Yes};
    {
        const test::FileModesObeyed modes;
        EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);
    }
    QFile::setPermissions(applications, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(messages.texts[1], "The uninstallation of " + product +
                                     " is incomplete.\n\nThese files could not be "
                                     "removed; please delete them yourself:\n\nPermission denied:\n" +
                                     applications + "/" + product + " Uninstall.desktop\n" + applications + "/" +
                                     product);
    EXPECT_TRUE(QFileInfo::exists(applications + "/" + product + " Uninstall.desktop"));
    EXPECT_FALSE(QFileInfo::exists(home.installFolder() + "/Setup.exe")) << "the rest is removed";
}

TEST_F(Uninstall, ACleanUpProgramThatCannotBeWrittenOrStartedIsReportedAndTheProgramStays)
{
    for (const bool writable : {false, true}) {
        SCOPED_TRACE(writable ? "cannot be started" : "cannot be written");
        if (!writable) {
            QDir(home.tempFolder()).removeRecursively();
            writeFile(home.tempFolder());  // a file where the temporary folder belongs
        } else {
            QFile::remove(home.tempFolder());
            QDir().mkpath(home.tempFolder());
            startSucceeds = false;
        }
        messages = {};
        messages.answers = {QMessageBox::Yes};
        EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);
        ASSERT_EQ(messages.texts.size(), 2);
        EXPECT_TRUE(messages.texts[1].startsWith(
            "The uninstallation of " + product + " is incomplete. " +
            (writable ? "Its clean-up program\n\n" + home.path("tmp/bkUninstall.exe") + "\n\ncould not be started.\n\n"
                      : "Cannot write " + home.path("tmp/bkUninstall.exe"))))
            << messages.texts[1].toStdString();
        EXPECT_TRUE(messages.texts[1].endsWith(home.installFolder() + "/OPecu97.exe\n\nand its folder yourself."));
        EXPECT_TRUE(QFileInfo::exists(home.installFolder() + "/OPecu97.exe"));
    }
}

}  // namespace
}  // namespace pecunor

namespace pecunor {
namespace {

// A temporary folder mounted noexec: the test runs itself again in a mount
// namespace of its own, where it may mount a tmpfs over the temporary folder
// without touching the machine's mounts.
TEST(UninstallNoexec, ACleanUpProgramThatCannotRunLeavesTheProgramAndSaysSo)
{
    const char* const inside = "PECUNOR_TEST_IN_MOUNT_NAMESPACE";
    if (!qEnvironmentVariableIsSet(inside)) {
        if (QProcess::execute("unshare", {"--mount", "true"}) != 0)
            GTEST_SKIP() << "no mount namespaces here";
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(inside), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral("unshare"),
                    {"--mount", "--propagation", "private", QCoreApplication::applicationFilePath(),
                     "--gtest_filter=UninstallNoexec.*"});
        ASSERT_TRUE(child.waitForFinished(60000));
        if (child.exitCode() == 77)
            GTEST_SKIP() << "mounting is not allowed here";
        EXPECT_EQ(child.exitCode(), 0);
        return;
    }
    testing::TemporaryHome home;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "noexec", "tmpfs", home.tempFolder()}) != 0)
        std::exit(77);
    const QString program = home.installFolder() + "/OPecu97.exe";
    writeFile(program);
    testing::ScriptedMessages messages;
    messages.answers = {QMessageBox::Yes};
    SetupServices services = testing::testServices(messages, program);
    services.startDetached = SetupServices::desktop().startDetached;
    EXPECT_EQ(uninstall(services), UninstallOutcome::Ended);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(messages.texts[1], "The uninstallation of " + product + " is incomplete. Its clean-up program\n\n" +
                                     home.path("tmp/bkUninstall.exe") +
                                     "\n\ncould not be started: programs may not run from its folder.\n\n"
                                     "Please delete the file\n\n" +
                                     program + "\n\nand its folder yourself.");
    EXPECT_TRUE(QFileInfo(home.path("tmp/bkUninstall.exe")).isFile());
    EXPECT_TRUE(QFileInfo::exists(program));
    QProcess::execute("umount", {home.tempFolder()});
}

}  // namespace
}  // namespace pecunor
