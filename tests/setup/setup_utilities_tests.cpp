#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

#include "../support/file_limits.h"
#include "product/setup_utilities.h"

namespace pecunor {
namespace {

QByteArray patternBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    if (modified.isValid()) {
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QDateTime sourceDate = QDateTime(QDate(1997, 8, 15), QTime(10, 30, 0), Qt::UTC);
const QFileDevice::Permissions executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ExeGroup;

class CopyFileKeepDate : public ::testing::TestWithParam<qsizetype> {
protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

// Sizes around the block length, and a longer file already in the way. The
// source lies on a read-only medium: the copy stays the user's to replace,
// so a second install over it succeeds.
TEST_P(CopyFileKeepDate, CopiesEveryByteAndTheDate)
{
    const QByteArray bytes = patternBytes(GetParam());
    writeFile(pathOf("source"), bytes, sourceDate);
    ASSERT_TRUE(QFile::setPermissions(pathOf("source"), executable & ~QFileDevice::WriteOwner));
    writeFile(pathOf("destination"), patternBytes(30000));

    for (int install = 1; install <= 2; ++install) {
        SCOPED_TRACE(install);
        copyFileKeepDate(pathOf("source"), pathOf("destination"));

        EXPECT_EQ(readFile(pathOf("destination")), bytes);
        EXPECT_EQ(QFileInfo(pathOf("destination")).lastModified().toUTC(), sourceDate);
        // The *User bits say what the test's user may do, not the file's mode.
        const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        EXPECT_EQ(QFileInfo(pathOf("destination")).permissions() & ~userBits, executable);
        EXPECT_TRUE(QFileInfo(pathOf("destination")).isExecutable());
    }
}
INSTANTIATE_TEST_SUITE_P(Sizes, CopyFileKeepDate, ::testing::Values(0, 1, 8191, 8192, 8193, 16384, 20000),
                         [](const auto& info) { return std::to_string(info.param) + "Bytes"; });

TEST(CopyFileKeepDateFailure, AWriteCutShortThrowsNamingTheFileAndLeavesTheDestinationAsItWas)
{
    QTemporaryDir folder;
    const QString source = folder.filePath("source");
    const QString destination = folder.filePath("destination");
    writeFile(source, patternBytes(40000), sourceDate);
    writeFile(destination, "installed before");

    std::string message;
    {
        const test::FileSizeLimit limit(10000);
        try {
            copyFileKeepDate(source, destination);
        } catch (const FileCopyError& error) {
            message = error.what();
        }
    }

    EXPECT_NE(message.find(destination.toStdString()), std::string::npos) << message;
    EXPECT_EQ(readFile(destination), "installed before");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"destination", "source"}));
}

struct SameFile {
    const char* name;
    const char* destination;  // the file "folder/file", reached another way
};

class CopyFileKeepDateOntoItself : public ::testing::TestWithParam<SameFile> { };

TEST_P(CopyFileKeepDateOntoItself, LeavesTheFileWhole)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link(folder.filePath("folder"), folder.filePath("link")));
    writeFile(folder.filePath("folder/file"), patternBytes(20000), sourceDate);

    copyFileKeepDate(folder.filePath("folder/file"), folder.filePath(GetParam().destination));

    EXPECT_EQ(readFile(folder.filePath("folder/file")), patternBytes(20000));
    EXPECT_EQ(QDir(folder.filePath("folder")).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
}
INSTANTIATE_TEST_SUITE_P(Paths, CopyFileKeepDateOntoItself,
                         ::testing::Values(SameFile{"SamePath", "folder/file"},
                                           SameFile{"SpelledAnotherWay", "folder/../folder/./file"},
                                           SameFile{"ThroughALinkedFolder", "link/file"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailingCopy {
    const char* name;
    // Relative to a folder holding the files "present" and "existing" and the folder "folder".
    const char* source;
    const char* destination;
    const char* namedInMessage;
};

class CopyFileKeepDateFails : public ::testing::TestWithParam<FailingCopy> { };

TEST_P(CopyFileKeepDateFails, ThrowsNamingTheFile)
{
    QTemporaryDir folder;
    writeFile(folder.filePath("present"), "shipped");
    writeFile(folder.filePath("existing"), "left alone");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    const FailingCopy& copy = GetParam();

    try {
        copyFileKeepDate(folder.filePath(copy.source), folder.filePath(copy.destination));
        FAIL() << "no error";
    } catch (const FileCopyError& error) {
        EXPECT_NE(std::string(error.what()).find(folder.filePath(copy.namedInMessage).toStdString()), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(readFile(folder.filePath("existing")), "left alone");
}
INSTANTIATE_TEST_SUITE_P(Cases, CopyFileKeepDateFails,
                         ::testing::Values(FailingCopy{"MissingSource", "absent", "existing", "absent"},
                                           FailingCopy{"SourceIsAFolder", "folder", "existing", "folder"},
                                           FailingCopy{"DestinationFolderMissing", "present", "nowhere/file",
                                                       "nowhere/file"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaitSeconds, WaitsTheTimeWhileHandlingEvents)
{
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    bool timerFired = false;
    QTimer::singleShot(100, [&] { timerFired = true; });
    QElapsedTimer clock;
    clock.start();

    waitSeconds(0.4);

    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_TRUE(timerFired);
}

TEST(WindowsVersionNumber, PassesTheInstallersCheckUnlessATestSaysOtherwise)
{
    EXPECT_GE(windowsVersionNumber(), 390);
    setWindowsVersionNumberForTesting(351);
    EXPECT_EQ(windowsVersionNumber(), 351);
    setWindowsVersionNumberForTesting(400);
}

}  // namespace
}  // namespace pecunor
