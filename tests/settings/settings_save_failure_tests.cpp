#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

#include "../support/file_limits.h"
#include "settings/app_settings.h"
#include "settings_test_support.h"

namespace pecunor::test {
namespace {

// The value's name, then the file and the system's reason, so the user can act.
void expectFailureReported(const SaveResult& result, const QString& filePath)
{
    EXPECT_FALSE(result.succeeded());
    const QStringList lines = result.message().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << result.message().toStdString();
    EXPECT_EQ(lines[0], "Failed to set data for 'AppPath'");
    EXPECT_TRUE(lines[1].startsWith(filePath + ": ")) << lines[1].toStdString();
    EXPECT_GT(lines[1].size(), filePath.size() + 2) << "no reason given";
}

class SaveFailure : public SettingsFileTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(saveSettings(previous, programFolder, settingsPath()).succeeded());
        previousBytes = readBytes(settingsPath());
        ASSERT_FALSE(previousBytes.isEmpty());
        changed.Page = 3;
        changed.MethodInputs.slot(CalcMethod::ZeroCouponBonds).valueTexts[0] = std::string(4000, '9');
    }

    void expectReportedAndPreviousFileKept(const SaveResult& result) const
    {
        expectFailureReported(result, settingsPath());
        EXPECT_EQ(readBytes(settingsPath()), previousBytes);
        // No half-written temporary file is left beside it.
        EXPECT_EQ(QDir(QFileInfo(settingsPath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QFileInfo(settingsPath()).fileName()});
        const AppSettings loaded = loadSettings(today, RegionalSettings{}, programFolder, settingsPath());
        expectSameSettings(previous, loaded);
    }

    AppSettings previous = sampleSettings();
    AppSettings changed = sampleSettings();
    QByteArray previousBytes;
};

TEST_F(SaveFailure, IntoAReadOnlyFolder)
{
    const QString folder = QFileInfo(settingsPath()).absolutePath();
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    SaveResult result;
    {
        const FileModesObeyed asOrdinaryUser;
        result = saveSettings(changed, programFolder, settingsPath());
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    expectReportedAndPreviousFileKept(result);
}

TEST_F(SaveFailure, CutShortPartWayThroughTheFile)
{
    SaveResult result;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(previousBytes.size() / 2));
        result = saveSettings(changed, programFolder, settingsPath());
    }

    expectReportedAndPreviousFileKept(result);
}

// A small tmpfs, filled up.
class FullDisk : public SaveFailure {
protected:
    void SetUp() override
    {
        disk_ = std::make_unique<SmallDisk>(pathOf(QStringLiteral("disk")));
        if (!disk_->mounted())
            GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
        SaveFailure::SetUp();
    }

    QString settingsPath() const override { return pathOf(QStringLiteral("disk/Brackwell/Pecunor 97.conf")); }
    void fillDisk() const { disk_->fill(); }
    QString fillerPath() const { return disk_->fillerPath(); }

private:
    std::unique_ptr<SmallDisk> disk_;
};

TEST_F(FullDisk, OntoAFullDisk)
{
    fillDisk();

    expectReportedAndPreviousFileKept(saveSettings(changed, programFolder, settingsPath()));

    // With room again the same save goes through.
    QFile::remove(fillerPath());
    EXPECT_TRUE(saveSettings(changed, programFolder, settingsPath()).succeeded());
    EXPECT_EQ(loadSettings(today, RegionalSettings{}, programFolder, settingsPath()).Page, 3);
}

TEST_F(SettingsFileTest, SaveWhereTheFolderWouldBeAFileFails)
{
    writeBytes(pathOf("config"), "not a folder");

    const SaveResult result = saveSettings(sampleSettings(), programFolder, pathOf("config/Brackwell/Pecunor 97.conf"));

    expectFailureReported(result, pathOf("config/Brackwell/Pecunor 97.conf"));
    EXPECT_EQ(readBytes(pathOf("config")), "not a folder");
}

TEST_F(SettingsFileTest, SaveOverAFolderOfTheSameNameFails)
{
    QDir().mkpath(settingsPath());

    const SaveResult result = saveSettings(sampleSettings(), programFolder, settingsPath());

    expectFailureReported(result, settingsPath());
    EXPECT_TRUE(QFileInfo(settingsPath()).isDir());
}

}  // namespace
}  // namespace pecunor::test
