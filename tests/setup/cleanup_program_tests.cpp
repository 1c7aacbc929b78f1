#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "setup/cleanup_program.h"

namespace pecunor {
namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CleanupProgram, IsWrittenByteForByteAndExecutable)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("bkUninstall.exe");
    writeFile(path, "an older, longer file of the same name");

    QString error;
    ASSERT_TRUE(writeCleanupProgram(path, &error)) << error.toStdString();

    const QByteArray built = readFile(QStringLiteral(CLEANUP_PROGRAM_FILE));
    ASSERT_FALSE(built.isEmpty());
    EXPECT_EQ(cleanupProgramBytes(), built);
    EXPECT_EQ(readFile(path), built);
    EXPECT_EQ(std::filesystem::status(path.toStdString()).permissions(), std::filesystem::perms(0755));
}

TEST(CleanupProgram, WritingIntoAMissingFolderIsReported)
{
    QTemporaryDir folder;
    QString error;

    EXPECT_FALSE(writeCleanupProgram(folder.filePath("missing/bkUninstall.exe"), &error));
    EXPECT_NE(error.indexOf(folder.filePath("missing/bkUninstall.exe")), -1) << error.toStdString();
}

struct Removal {
    const char* name;
    bool programPresent;
    const char* otherFile;  // a file of the user's own beside the program, or nullptr
    bool folderRemains;
};

const Removal removals[] = {
    {"ProgramAloneGoesWithItsFolder", true, nullptr, false},
    {"AFileOfTheUsersKeepsTheFolder", true, "notes.txt", true},
    {"AMissingProgramIsPassedOver", false, nullptr, false},
};

// The three runs go together, so the test waits the grace time only once.
TEST(CleanupProgramRun, WaitsThenRemovesTheProgramAndItsEmptyFolder)
{
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    QTemporaryDir root;
    const QString cleanup = root.filePath("bkUninstall.exe");
    ASSERT_TRUE(writeCleanupProgram(cleanup));

    std::vector<std::unique_ptr<QProcess>> runs;
    QElapsedTimer clock;
    clock.start();
    for (const Removal& removal : removals) {
        const QString folder = root.filePath(QString("%1/Ostrel Pecunor 97").arg(removal.name));
        ASSERT_TRUE(QDir().mkpath(folder));
        if (removal.programPresent)
            writeFile(folder + "/OPecu97.exe", "program");
        if (removal.otherFile)
            writeFile(folder + "/" + removal.otherFile, "mine");
        auto& run = runs.emplace_back(std::make_unique<QProcess>());
        run->start(cleanup, {folder + "/OPecu97.exe"});
        ASSERT_TRUE(run->waitForStarted());
    }

    QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, 4500 - clock.elapsed())));
    for (const Removal& removal : removals) {
        if (removal.programPresent) {
            EXPECT_TRUE(QFile::exists(root.filePath(QString("%1/Ostrel Pecunor 97/OPecu97.exe").arg(removal.name))))
                << removal.name << ": removed before the grace time";
        }
    }

    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Removal& removal = removals[i];
        ASSERT_TRUE(runs[i]->waitForFinished(10000)) << removal.name;
        EXPECT_GE(clock.elapsed(), 5000);
        EXPECT_EQ(runs[i]->exitStatus(), QProcess::NormalExit) << removal.name;
        EXPECT_EQ(runs[i]->exitCode(), 0) << removal.name;
        const QString folder = root.filePath(QString("%1/Ostrel Pecunor 97").arg(removal.name));
        EXPECT_FALSE(QFile::exists(folder + "/OPecu97.exe")) << removal.name;
        EXPECT_EQ(QFileInfo::exists(folder), removal.folderRemains) << removal.name;
        if (removal.otherFile) {
            EXPECT_EQ(readFile(folder + "/" + removal.otherFile), "mine") << removal.name;
        }
        // The folder above the install folder is never touched.
        EXPECT_TRUE(QFileInfo(root.filePath(removal.name)).isDir()) << removal.name;
    }
}

}  // namespace
}  // namespace pecunor
