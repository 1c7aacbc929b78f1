#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace pecunor {
namespace {

// Stands in for the calculator: notes its arguments, its folder and its
// session, after a pause that the launcher must not wait for.
constexpr char FakeProgram[] = R"(#!/bin/sh
read -r pid name state ppid pgrp session rest < /proc/$$/stat
sleep 2
{ printf '%s\n' "$#" "$@"; pwd; echo "$session"; } > record.tmp
mv record.tmp record
)";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray waitForFile(const QString& path, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SetupLauncher : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(SETUP_LAUNCHER_FILE), launcher()));
        writeFile(folder.filePath("Readme.txt"), "shipped");
    }

    QString launcher() const { return folder.filePath("Setup.exe"); }

    // Runs the launcher as a user would and returns how long it took.
    qint64 runLauncher()
    {
        QProcess run;
        QElapsedTimer clock;
        clock.start();
        run.start(launcher(), {});
        EXPECT_TRUE(run.waitForFinished(5000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), 0);
        return clock.elapsed();
    }

    int argc = 0;
    QCoreApplication application{argc, nullptr};
    QTemporaryDir folder;
};

TEST_F(SetupLauncher, RemovesTheOldLibrariesAndStartsTheProgramInInstallModeWithoutWaiting)
{
    for (const char* name : {"ctl3d32.dll", "Ctl3dV2.Dll", "CTL3D.DLL"})
        writeFile(folder.filePath(name), "old");
    writeFile(folder.filePath("CTL3D64.DLL"), "not one of them");
    writeFile(folder.filePath("OPecu97.exe"), FakeProgram);
    ASSERT_TRUE(QFile::setPermissions(folder.filePath("OPecu97.exe"), QFile::ReadOwner | QFile::ExeOwner));

    EXPECT_LT(runLauncher(), 1500);

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"CTL3D64.DLL", "OPecu97.exe", "Readme.txt", "Setup.exe"}));
    const QList<QByteArray> record = waitForFile(folder.filePath("record"), 10000).split('\n');
    ASSERT_GE(record.size(), 4);
    EXPECT_EQ(record[0], "1");
    EXPECT_EQ(record[1], "SETUP");
    EXPECT_EQ(QDir(QString::fromLocal8Bit(record[2])).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_NE(record[3].toLong(), static_cast<long>(getsid(0)));
}

TEST_F(SetupLauncher, WithoutTheProgramEndsQuietly)
{
    writeFile(folder.filePath("CTL3D32.DLL"), "old");

    EXPECT_LT(runLauncher(), 1500);

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Readme.txt", "Setup.exe"}));
}

}  // namespace
}  // namespace pecunor
