#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include "../support/file_limits.h"
#include "program_folders.h"

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

// A program folder the user may not write (a system-wide install) sends the
// wallpaper picture to the user's data folder and the export names home.
TEST_F(ProgramFoldersTest, UnwritableProgramFolderUsesTheUsersFolders)
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("lib/")), data = root.filePath(QStringLiteral("data/"));
    ASSERT_TRUE(QDir().mkpath(program));
    home.set(root.path().toUtf8());
    dataHome.set(data.toUtf8());
    EXPECT_EQ(ownFilesFolder(program), program);
    EXPECT_EQ(defaultExportFolder(program), program);

    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        const test::FileModesObeyed modes;
        EXPECT_EQ(ownFilesFolder(program), data + QStringLiteral("Ostrel Pecunor 97/"));
        EXPECT_EQ(defaultExportFolder(program), root.path() + u'/');
    }
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("Ostrel Pecunor 97")).isDir());
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace pecunor
