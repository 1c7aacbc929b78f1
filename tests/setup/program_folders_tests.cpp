#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

#include "../support/file_limits.h"
#include "product/program_folders.h"

namespace pecunor {
namespace {

TEST(WithTrailingSeparator, AddsOneSeparatorUnlessTheFolderEndsInOne)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"/home/anna/.local/share", "/home/anna/.local/share/"},
        {"/home/anna/.local/share/", "/home/anna/.local/share/"},
        {"/", "/"},
        {"relative", "relative/"},
        {"", "/"},
    };
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(withTrailingSeparator(folder), expected) << '"' << folder.toStdString() << '"';
}

// Sets an environment variable for one test and puts back what was there.
class EnvironmentVariable {
public:
    explicit EnvironmentVariable(const char* name) : name_(name)
    {
        if (qEnvironmentVariableIsSet(name))
            saved_ = qgetenv(name);
    }
    ~EnvironmentVariable()
    {
        if (saved_)
            qputenv(name_, *saved_);
        else
            qunsetenv(name_);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

    void set(const char* value) { qputenv(name_, value); }
    void unset() { qunsetenv(name_); }

private:
    const char* name_;
    std::optional<QByteArray> saved_;
};

class ProgramFoldersTest : public ::testing::Test {
protected:
    ProgramFoldersTest() { home.set("/home/anna"); }

    EnvironmentVariable home{"HOME"};
    EnvironmentVariable dataHome{"XDG_DATA_HOME"};
};

TEST_F(ProgramFoldersTest, TheWindowsFolderIsXdgDataHome)
{
    dataHome.set("/srv/data");
    EXPECT_EQ(discoverProgramFolders().WindowsFolder, "/srv/data/");
    dataHome.set("/srv/data/");
    EXPECT_EQ(discoverProgramFolders().WindowsFolder, "/srv/data/");
    dataHome.set("/");
    EXPECT_EQ(discoverProgramFolders().WindowsFolder, "/");
}

TEST_F(ProgramFoldersTest, WithoutXdgDataHomeTheWindowsFolderIsInHome)
{
    dataHome.unset();
    EXPECT_EQ(discoverProgramFolders().WindowsFolder, "/home/anna/.local/share/");
}

TEST_F(ProgramFoldersTest, TheSystemFolderIsInHome)
{
    EXPECT_EQ(discoverProgramFolders().SystemFolder, "/home/anna/.local/lib/");
}

TEST_F(ProgramFoldersTest, TheProgramFolderHoldsTheRunningProgram)
{
    const QString expected = QFileInfo(QStringLiteral(SETUP_TESTS_FOLDER)).canonicalFilePath() + '/';
    EXPECT_EQ(discoverProgramFolders().ProgramFolder, expected);
}

TEST_F(ProgramFoldersTest, TheFoldersAreWorkedOutOnceOnly)
{
    dataHome.set("/first");
    const ProgramFolders first = programFolders();
    dataHome.set("/second");

    EXPECT_EQ(programFolders(), first);
    EXPECT_EQ(discoverProgramFolders().WindowsFolder, "/second/");
}

// The user's own copy keeps the program's files; a system-wide layout (root
// may write it), a read-only folder and, for the export, a hidden per-user
// install send them to the user's folders.
TEST_F(ProgramFoldersTest, OnlyTheUsersOwnCopyHoldsTheProgramsFiles)
{
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("data/"));
    const QString documents = root.filePath(QStringLiteral("Documents/"));
    const QString userFiles = data + QStringLiteral("Ostrel Pecunor 97/");
    home.set(root.path().toUtf8());
    dataHome.set(data.toUtf8());
    ASSERT_TRUE(QDir().mkpath(documents));
    struct Row {
        QString folder;
        bool readOnly;
        QString ownFiles, exports;
    };
    const QString layout = root.filePath(QStringLiteral("prefix/lib/ostrel-pecunor-97/"));
    const QString perUser = root.filePath(QStringLiteral(".local/opt/Ostrel Pecunor 97/"));
    const QString portable = root.filePath(QStringLiteral("stick/Pecunor/"));
    const QString readOnly = root.filePath(QStringLiteral("readonly/"));
    for (const Row& row : {Row{layout, false, userFiles, documents}, Row{perUser, false, perUser, documents},
                           Row{portable, false, portable, portable}, Row{readOnly, true, userFiles, documents}}) {
        SCOPED_TRACE(row.folder.toStdString());
        ASSERT_TRUE(QDir().mkpath(row.folder));
        if (row.readOnly)
            QFile::setPermissions(row.folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const test::FileModesObeyed modes;
        EXPECT_EQ(ownFilesFolder(row.folder).toStdString(), row.ownFiles.toStdString());
        EXPECT_EQ(defaultExportFolder(row.folder).toStdString(), row.exports.toStdString());
    }
    EXPECT_TRUE(QFileInfo(userFiles).isDir());
    // Without a documents folder the export names home.
    ASSERT_TRUE(QDir(documents).removeRecursively());
    EXPECT_EQ(defaultExportFolder(layout).toStdString(), (root.path() + u'/').toStdString());
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Folders of the system, of a system-wide layout under any prefix and of
// another user are shared; a user's own copy anywhere else is not.
TEST(IsSharedProgramFolder, TellsSystemAndForeignFoldersFromTheUsersOwn)
{
    QTemporaryDir root;
    const QString layout = root.filePath(QStringLiteral("prefix/lib/ostrel-pecunor-97"));
    const QString own = root.filePath(QStringLiteral("stick/Pecunor"));
    const QString foreign = root.filePath(QStringLiteral("foreign"));
    for (const QString& folder : {layout, own, foreign})
        ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), ::geteuid() + 1, ::getegid()), 0);
    const std::vector<std::pair<QString, bool>> cases{
        {QStringLiteral("/usr/lib"), true},
        {QStringLiteral("/opt"), true},
        {layout, true},
        {layout + u'/', true},
        {foreign, true},
        {own, false},
        {root.path(), false},
        {QStringLiteral("/nonexistent/x"), false},
    };
    for (const auto& [folder, shared] : cases)
        EXPECT_EQ(isSharedProgramFolder(folder), shared) << folder.toStdString();
}

}  // namespace
}  // namespace pecunor
