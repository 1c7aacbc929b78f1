// The whole cycle as a user runs it, with the real programs under a real X
// server: the setup launcher of a copied distribution folder, the wizard
// driven by mouse and keys, the installed calculator, and the command of the
// uninstall entry with the clean-up program finishing the removal.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include "desktop_entry_reader.h"
#include "install_test_support.h"

namespace pecunor {
namespace {

using testing::fileBytes;

const QString product = QStringLiteral("Ostrel Pecunor 97");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& arguments) { return run(QStringLiteral("xdotool"), arguments); }

QStringList shownWindows(const QString& title)
{
    return xdotool({"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"})
        .split(u'\n', Qt::SkipEmptyParts);
}

// The first visible window with exactly that title, other than those
// given, waiting up to the time given.
QString waitForWindow(const QString& title, int milliseconds = 15000, const QStringList& others = {})
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QStringList found = shownWindows(title);
        for (const QString& other : others)
            found.removeAll(other);
        if (!found.isEmpty())
            return found.first();
        QThread::msleep(20);
    }
    QStringList shown;
    for (const QString& id : xdotool({"search", "--onlyvisible", "--name", "."}).split(u'\n', Qt::SkipEmptyParts))
        shown << xdotool({"getwindowname", id});
    std::fprintf(stderr, "no window \"%s\"; shown: %s\n", qPrintable(title), qPrintable(shown.join(", ")));
    return QString();
}

bool waitUntilGone(const QString& title, int milliseconds = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        if (xdotool({"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"}).isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

// Presses a key in the window, giving it the keyboard first (there is no
// window manager to do that).
void pressKey(const QString& window, const QString& key)
{
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", key});
}

// A real click at a point of the window's client area.
void clickAt(const QString& window, QPoint point)
{
    xdotool({"mousemove", "--window", window, QString::number(point.x()), QString::number(point.y())});
    xdotool({"click", "1"});
}

// Where the wizard's Next and Close buttons are.
const QPoint nextButton(313 + 37, 278 + 12);
const QPoint cancelButton(406 + 37, 278 + 12);

void screenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("PECUNOR_SHOTS_DIR");
    if (!folder.isEmpty())
        run(QStringLiteral("/usr/bin/import"), {"-window", "root", folder + "/" + name + ".png"});
}

class InstallCycle : public ::testing::Test {
protected:
    InstallCycle()
    {
        // Qt would otherwise put its runtime folder into the temporary folder.
        QDir().mkpath(home.path("run"));
        QFile::setPermissions(home.path("run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", home.path("run").toUtf8());
        QDir().mkpath(home.path("Desktop"));
        QDir().mkpath(dist);
        for (const QString& file : QDir(DIST_FOLDER).entryList(QDir::Files))
            QFile::copy(QString(DIST_FOLDER) + "/" + file, dist + "/" + file);
    }

    // Setup.exe, then Next through the pages and Finish, Yes when the folder
    // exists (the question's default); the wizard closes. Screenshots are
    // named after the pages shown, in order.
    void install(const QList<int>& shownPages, const QString& setup = QString())
    {
        const bool folderExists = QFileInfo::exists(home.installFolder());
        ASSERT_EQ(QProcess::execute(setup.isEmpty() ? dist + "/Setup.exe" : setup, {}), 0);
        const QString wizard = waitForWindow(product + " Setup");
        ASSERT_FALSE(wizard.isEmpty()) << "the wizard did not open";
        QStringList calculatorWindows;
        for (qsizetype click = 0; click + 1 < shownPages.size(); ++click) {
            QThread::msleep(300);
            screenshot(QStringLiteral("install_%1").arg(shownPages[click]));
            calculatorWindows = shownWindows(product);
            clickAt(wizard, nextButton);
        }
        if (folderExists) {
            // A running calculator's windows have the question's title.
            const QString question = waitForWindow(product, 15000, calculatorWindows);
            ASSERT_FALSE(question.isEmpty()) << "no question about the existing folder";
            // A key pressed while the box is still coming up is lost.
            for (int attempt = 0; attempt < 10 && shownWindows(product).contains(question); ++attempt) {
                QThread::msleep(300);
                pressKey(question, "Return");
            }
        }
        // Finish: the copy, the entries and the three-second wait.
        ASSERT_TRUE(waitForFile(home.installFolder() + "/OPecu97.exe"));
        QThread::msleep(3800);
        screenshot(QStringLiteral("install_%1").arg(shownPages.last()));
        // Close is passed over while the installation still runs.
        for (int attempt = 0; attempt < 20 && !waitUntilGone(product + " Setup", 500); ++attempt)
            clickAt(wizard, cancelButton);
        ASSERT_TRUE(waitUntilGone(product + " Setup"));
    }

    // The installed files are those of the distribution folder, each whole.
    void expectTheDistributionInstalled() const
    {
        const QStringList files = QDir(dist).entryList(QDir::Files);
        EXPECT_EQ(QDir(home.installFolder()).entryList(QDir::Files), files);
        for (const QString& file : files)
            EXPECT_EQ(fileBytes(home.installFolder() + "/" + file), fileBytes(dist + "/" + file)) << file.toStdString();
    }

    // Every desktop entry and icon below the home, with its date.
    QMap<QString, QDateTime> entryDates() const
    {
        QMap<QString, QDateTime> dates;
        for (const QString& file : home.allFiles())
            if (file.endsWith(".desktop") || file.endsWith(".png"))
                dates.insert(file, QFileInfo(home.path(file)).lastModified());
        return dates;
    }

    // Runs exactly what the uninstall entry says, answers Yes and OK.
    void uninstallFromTheEntry()
    {
        const auto exec = testing::desktopEntryValue(fileBytes(uninstallEntry()), "Exec");
        ASSERT_TRUE(exec.has_value());
        const auto command = testing::splitExec(*exec);
        ASSERT_TRUE(command.has_value()) << exec->toStdString();
        ASSERT_EQ(command->value(1), "Uninstall");
        ASSERT_TRUE(QProcess::startDetached(command->first(), command->mid(1)));
        for (int box = 0; box < 2; ++box) {
            const QString window = waitForWindow(product);
            ASSERT_FALSE(window.isEmpty()) << "message box " << box;
            QThread::msleep(200);
            pressKey(window, "Return");
            QThread::msleep(300);
        }
        ASSERT_TRUE(waitUntilGone(product));
        // The clean-up program waits five seconds from its start.
        QThread::msleep(6500);
    }

    bool waitForFile(const QString& path)
    {
        for (int i = 0; i < 500 && !QFileInfo::exists(path); ++i)
            QThread::msleep(20);
        return QFileInfo::exists(path);
    }

    QString uninstallEntry() const { return home.dataHome() + "/applications/" + product + " Uninstall.desktop"; }
    QStringList entries() const
    {
        return {home.dataHome() + "/applications/" + product,
                uninstallEntry(),
                home.configHome() + "/autostart/" + product + ".desktop",
                home.path("Desktop/" + product + ".desktop"),
                home.dataHome() + "/icons/hicolor/48x48/apps/ostrel-pecunor-97.png",
                home.dataHome() + "/icons/hicolor/256x256/apps/ostrel-pecunor-97.png",
                home.configHome() + "/Brackwell/Pecunor 97.conf"};
    }

    testing::TemporaryHome home;
    const QString dist = home.path("my \"dist\" $copy");
};

TEST_F(InstallCycle, InstallRunUninstallLeavesOnlyTheCleanUpProgram)
{
    install({0, 1, 2, 3, 4});
    EXPECT_EQ(QDir(home.installFolder()).entryList(QDir::Files).size(), 7);
    for (const QString& entry : entries().mid(0, 6))
        EXPECT_TRUE(QFileInfo::exists(entry)) << entry.toStdString();

    // The installed program, started as its menu entry says.
    const auto exec = testing::desktopEntryValue(
        fileBytes(home.dataHome() + "/applications/" + product + "/" + product + ".desktop"), "Exec");
    const auto command = testing::splitExec(exec.value_or(""));
    ASSERT_TRUE(command.has_value());
    QProcess calculator;
    calculator.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    calculator.start(command->first(), command->mid(1));
    const QString window = waitForWindow(product, 20000);
    const qint64 startup = clock.elapsed();
    ASSERT_FALSE(window.isEmpty());
    std::printf("installed program started to its window in %lld ms\n", static_cast<long long>(startup));
    pressKey(window, "alt+F4");
    if (!calculator.waitForFinished(5000))
        calculator.terminate();
    calculator.waitForFinished(5000);
    EXPECT_TRUE(QFileInfo::exists(home.configHome() + "/Brackwell/Pecunor 97.conf"));

    // The menu's help entry opens the help window alone.
    const auto helpExec = testing::desktopEntryValue(
        fileBytes(home.dataHome() + "/applications/" + product + "/" + product + " Help.desktop"), "Exec");
    const auto helpCommand = testing::splitExec(helpExec.value_or(""));
    ASSERT_TRUE(helpCommand.has_value());
    QProcess helpViewer;
    helpViewer.start(helpCommand->first(), helpCommand->mid(1));
    const QString helpWindow = waitForWindow(product + " Help");
    EXPECT_FALSE(helpWindow.isEmpty());
    EXPECT_TRUE(waitForWindow(product, 300).isEmpty()) << "no calculator window beside it";
    helpViewer.terminate();
    helpViewer.waitForFinished(5000);

    uninstallFromTheEntry();
    for (const QString& entry : entries())
        EXPECT_FALSE(QFileInfo::exists(entry)) << entry.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.installFolder()));
    EXPECT_TRUE(QFileInfo::exists(home.configHome() + "/Brackwell")) << "the maker's folder stays";
    EXPECT_EQ(QDir(home.tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"bkUninstall.exe"});
}

TEST_F(InstallCycle, AUsersOwnFileKeepsItsFolder)
{
    install({0, 1, 2, 3, 4});
    QFile notes(home.installFolder() + "/my notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("mine");
    notes.close();
    uninstallFromTheEntry();
    EXPECT_EQ(QDir(home.installFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"my notes.txt"});
    EXPECT_EQ(fileBytes(home.installFolder() + "/my notes.txt"), "mine");
    for (const QString& entry : entries())
        EXPECT_FALSE(QFileInfo::exists(entry)) << entry.toStdString();
}

TEST_F(InstallCycle, AnOldDistributionWithoutItsReadmeWarnsAndEndsIncomplete)
{
    QFile::remove(dist + "/Readme.txt");
    QFile program(dist + "/OPecu97.exe");
    ASSERT_TRUE(program.open(QIODevice::ReadWrite));
    ASSERT_TRUE(program.setFileTime(QDateTime::currentDateTime().addDays(-200), QFileDevice::FileModificationTime));
    program.close();
    // The old-version page, the introduction and on to the incomplete result.
    install({6, 0, 1, 2, 3, 5});
    EXPECT_EQ(QDir(home.installFolder()).entryList(QDir::Files).size(), 6);
    EXPECT_FALSE(QFileInfo::exists(home.installFolder() + "/Readme.txt"));
    EXPECT_TRUE(entryDates().isEmpty()) << "no entries for a program that is not all there";
}

// Setup.exe of the installed folder, then a newer distribution while the
// installed program runs.
TEST_F(InstallCycle, ReinstallingLeavesEveryFileWholeAndCurrent)
{
    install({0, 1, 2, 3, 4});
    install({0, 1, 2, 3, 4}, home.installFolder() + "/Setup.exe");
    expectTheDistributionInstalled();

    QProcess calculator;
    calculator.start(home.installFolder() + "/OPecu97.exe", {});
    ASSERT_FALSE(waitForWindow(product, 20000).isEmpty());
    // Trailing bytes leave the programs able to run.
    for (const QString& file : QDir(dist).entryList(QDir::Files)) {
        QFile newer(dist + "/" + file);
        ASSERT_TRUE(newer.open(QIODevice::Append));
        newer.write("\nversion 1.03\n");
    }
    install({0, 1, 2, 3, 4});
    expectTheDistributionInstalled();
    calculator.kill();
    calculator.waitForFinished(5000);
}

TEST_F(InstallCycle, AFailedCopyLeavesTheEarlierInstallationsEntriesAsTheyWere)
{
    install({0, 1, 2, 3, 4});
    const QMap<QString, QDateTime> entries = entryDates();
    ASSERT_EQ(entries.size(), 7) << "five entries and two icons";
    QFile::remove(dist + "/Readme.txt");
    install({0, 1, 2, 3, 5});
    EXPECT_EQ(entryDates(), entries);
    EXPECT_TRUE(QFileInfo::exists(home.installFolder() + "/Readme.txt"));
}

}  // namespace
}  // namespace pecunor

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
