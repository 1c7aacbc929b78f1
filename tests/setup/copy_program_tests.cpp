#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sched.h>
#include <sys/mount.h>

#include "../support/file_limits.h"
#include "product/copy_program.h"
#include "product/product_constants.h"

namespace pecunor {
namespace {

const QString product = QString::fromLatin1(Product.ProductName.data(), Product.ProductName.size());

QStringList shippedFiles()
{
    QStringList names;
    for (std::string_view name : Product.ShippedFiles)
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return names;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    ASSERT_TRUE(file.flush());
    if (modified.isValid()) {
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

QDateTime shippedDate(int index) { return QDateTime(QDate(1997, 3, 1 + index), QTime(12, 0), Qt::UTC); }

// This process's own view of the mounts, so that a test may mount file systems.
bool privateMounts()
{
    static const bool possible =
        unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return possible;
}

bool mountTmpfs(const QString& folder, unsigned long flags = 0)
{
    return mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", flags, "size=4m") == 0;
}

bool remountReadOnly(const QString& folder)
{
    return mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

enum class Medium { Folder, ProgramsOwnFolder, ReadOnlyEmpty, ReadOnlyHoldingTheFolder, Full };

struct CopyCase {
    const char* name;
    Medium medium;
    const char* missingSource;  // a shipped file absent from the program folder, or nullptr
    const char* message;        // %1: the mount point
    int copiedFiles;            // shipped files on the target afterwards, in list order
    int beeps;
};

class CopyProgram : public ::testing::TestWithParam<CopyCase> {
protected:
    void SetUp() override
    {
        medium = root.filePath("medium");
        ASSERT_TRUE(QDir().mkpath(medium));
        target = medium + "/" + product;
        folders.ProgramFolder = root.filePath("program") + "/";
        folders.WindowsFolder = root.filePath("windows") + "/";
        folders.SystemFolder = root.filePath("system") + "/";
    }
    void TearDown() override
    {
        if (mounted)
            umount2(QFile::encodeName(medium).constData(), MNT_DETACH);
    }

    void shipInto(const QString& folder, const char* missing)
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        for (int i = 0; i < shippedFiles().size(); ++i) {
            if (!missing || shippedFiles()[i] != QLatin1String(missing))
                writeFile(folder + shippedFiles()[i], "shipped " + shippedFiles()[i].toUtf8(), shippedDate(i));
        }
    }

    // Clicks Copy in a shown dialog whose drive list holds the medium alone.
    void copy()
    {
        CopyProgramServices services;
        services.volumes = [this] { return QList<CopyVolume>{{medium, "STICK", true, false}}; };
        services.showMessage = [this](QWidget*, const CopyMessage& message) { messages << message.text; };
        services.beep = [this] { ++beeps; };
        services.folders = folders;
        TfrmCopyProgram dialog(services);
        dialog.show();
        dialog.btnCopy->click();
        EXPECT_FALSE(dialog.isVisible());
    }

    QTemporaryDir root;
    QString medium;
    QString target;
    ProgramFolders folders;
    bool mounted = false;
    std::optional<test::SmallDisk> fullDisk;
    QStringList messages;
    int beeps = 0;
};

TEST_P(CopyProgram, CopiesTheShippedFilesOrSaysWhyNot)
{
    const CopyCase& copyCase = GetParam();
    switch (copyCase.medium) {
    case Medium::Folder:
        // An earlier copy with an older program, and a file of the friend's own.
        ASSERT_TRUE(QDir().mkpath(target));
        writeFile(target + "/OPecu97.exe", "an older program that is longer than the new one");
        writeFile(target + "/mine.txt", "mine");
        break;
    case Medium::ProgramsOwnFolder: folders.ProgramFolder = target + "/"; break;
    case Medium::ReadOnlyEmpty:
    case Medium::ReadOnlyHoldingTheFolder:
        if (!privateMounts())
            GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
        ASSERT_TRUE(mounted = mountTmpfs(medium));
        if (copyCase.medium == Medium::ReadOnlyHoldingTheFolder) {
            ASSERT_TRUE(QDir().mkpath(target));
        }
        ASSERT_TRUE(remountReadOnly(medium));
        break;
    case Medium::Full:
        fullDisk.emplace(medium);
        if (!fullDisk->mounted())
            GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
        fullDisk->fill();
        break;
    }
    shipInto(folders.ProgramFolder, copyCase.missingSource);

    copy();

    EXPECT_EQ(messages, QStringList{QString::fromLatin1(copyCase.message).replace("%1", medium)});
    EXPECT_EQ(beeps, copyCase.beeps);
    for (int i = 0; i < shippedFiles().size(); ++i) {
        const QString copied = target + "/" + shippedFiles()[i];
        if (copyCase.medium == Medium::ProgramsOwnFolder) {
            EXPECT_EQ(readFile(copied), "shipped " + shippedFiles()[i].toUtf8()) << "the source itself is untouched";
        } else if (i < copyCase.copiedFiles) {
            EXPECT_EQ(readFile(copied), "shipped " + shippedFiles()[i].toUtf8()) << copied.toStdString();
            EXPECT_EQ(QFileInfo(copied).lastModified().toUTC(), shippedDate(i)) << copied.toStdString();
        } else {
            EXPECT_FALSE(QFileInfo::exists(copied)) << copied.toStdString();
        }
    }
    if (copyCase.medium == Medium::Folder) {
        EXPECT_EQ(readFile(target + "/mine.txt"), "mine");
    }
}

// The system's reason follows the advice.
constexpr char driveError[] = "Error writing to drive %1. If this is a removable drive make sure there is a disk in "
                              "the drive and try again.\n\nRead-only file system";
constexpr char copyError[] = "An error occurred copying the files. Please make sure you have a disk in the floppy "
                             "drive and try again.\n\nRead-only file system";
constexpr char missingError[] =
    "One or more files are missing from the original installation. Please obtain a new copy from our web site.";

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyProgram,
    ::testing::Values(
        CopyCase{"IntoAnEarlierCopyReplacingItsFiles", Medium::Folder, nullptr, "Done!", 7, 1},
        CopyCase{"NotIntoTheProgramsOwnFolder", Medium::ProgramsOwnFolder, nullptr,
                 "Cannot copy to the same directory this program is running from.", 0, 0},
        CopyCase{"MissingContentsFileStopsAfterTheHelpFile", Medium::Folder, "OPecu97.cnt", missingError, 3, 1},
        CopyCase{"ReadOnlyMediumWithoutTheFolder", Medium::ReadOnlyEmpty, nullptr, driveError, 0, 1},
        CopyCase{"ReadOnlyMediumHoldingTheFolder", Medium::ReadOnlyHoldingTheFolder, nullptr, copyError, 0, 1},
        CopyCase{"FullMediumAsksForRoomNotForADisk", Medium::Full, nullptr,
                 "An error occurred copying the files: drive %1 is full. Please make room on it and try again.\n\n"
                 "No space left on device",
                 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyProgramDialog, ListsRemovableMediaFirstAndNamesTheTargetFolder)
{
    CopyProgramServices services;
    services.volumes = [] {
        return removableFirst({{"/", "", false, false},
                               {"/media/b", "STICK", true, false},
                               {"/net/share", "", false, true},
                               {"/media/a", "", true, false}});
    };
    TfrmCopyProgram dialog(services);

    EXPECT_EQ(dialog.windowTitle(), "Copy " + product + " for a Friend");
    EXPECT_EQ(dialog.size(), QSize(324, 192));
    EXPECT_NE(dialog.lblCopy->text().indexOf(product), -1);
    QStringList items;
    for (int i = 0; i < dialog.cboDrive->count(); ++i)
        items << dialog.cboDrive->itemText(i);
    EXPECT_EQ(items, (QStringList{"/media/a", "/media/b [STICK]", "/", "/net/share"}));
    EXPECT_EQ(dialog.cboDrive->currentIndex(), 0);
    EXPECT_EQ(dialog.lblTarget->text(), "Copy to folder /media/a/" + product);

    dialog.cboDrive->setCurrentIndex(2);
    EXPECT_EQ(dialog.lblTarget->text(), "Copy to folder /" + product);
}

TEST(MountedCopyVolumes, PutsMediaFirstAndLeavesOutReadOnlyDisks)
{
    if (!privateMounts() || !QFileInfo(QStringLiteral("/media")).isDir())
        GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
    QTemporaryDir root;
    const QString readOnlyDisk = root.filePath("cdrom-image");
    ASSERT_TRUE(QDir().mkpath(readOnlyDisk));
    // A fresh /media in this process alone, with a stick mounted in it.
    ASSERT_TRUE(mountTmpfs(QStringLiteral("/media")));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("/media/stick")));
    ASSERT_TRUE(mountTmpfs(QStringLiteral("/media/stick")));
    ASSERT_TRUE(mountTmpfs(readOnlyDisk, MS_RDONLY));

    const QList<CopyVolume> volumes = mountedCopyVolumes();

    umount2("/media/stick", MNT_DETACH);
    umount2("/media", MNT_DETACH);
    umount2(QFile::encodeName(readOnlyDisk).constData(), MNT_DETACH);
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.front().mountPoint, "/media/stick");
    EXPECT_TRUE(volumes.front().removable);
    for (const CopyVolume& volume : volumes)
        EXPECT_NE(volume.mountPoint, readOnlyDisk);
}

}  // namespace
}  // namespace pecunor
