#include "setup_utilities.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "platform/whole_file.h"

namespace pecunor {
namespace {

// Windows 95 and NT 4.0: the lowest versions the installer accepts.
constexpr int PassingVersionNumber = 400;

std::optional<int>& versionNumberForTesting()
{
    static std::optional<int> number;
    return number;
}

FileCopyError readFailure(const QFile& file)
{
    return FileCopyError(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()),
                         file.errorString(), true);
}

// Both paths lead to one file: a folder reached through a link, a hard link,
// or the same path written another way.
bool isSameFile(const QString& first, const QString& second)
{
    std::error_code ignored;
    return std::filesystem::equivalent(QFile::encodeName(first).toStdString(), QFile::encodeName(second).toStdString(),
                                       ignored);
}

}  // namespace

void copyFileKeepDate(const QString& source, const QString& destination)
{
    QFile in(QFileInfo(source).absoluteFilePath());
    // Opening the destination for writing would empty the source first.
    if (isSameFile(in.fileName(), destination))
        return;
    if (!in.open(QIODevice::ReadOnly))
        throw readFailure(in);
    // Written beside the destination and renamed over it: a running program
    // cannot be opened for writing, but it can be replaced.
    const QString target = QFileInfo(destination).absoluteFilePath();
    bool readFailed = false;
    QString reason;
    const bool copied = platform::writeWholeFile(
        target,
        [&](QFileDevice& out) {
            std::array<char, 8192> block{};
            for (;;) {
                const qint64 got = in.read(block.data(), block.size());
                if (got < 0) {
                    readFailed = true;
                    return false;
                }
                if (got > 0 && out.write(block.data(), got) != got)
                    return false;
                if (got < static_cast<qint64>(block.size()))
                    break;
            }
            // The date goes on last: a later write would move it.
            if (!out.flush())
                return false;
            // The programs must stay executable, and a copy from a read-only
            // medium must stay the user's to replace by the next install;
            // media without permission bits refuse this, which does not
            // matter there.
            out.setPermissions(in.permissions() | QFileDevice::WriteOwner);
            out.setFileTime(QFileInfo(in.fileName()).lastModified(), QFileDevice::FileModificationTime);
            return true;
        },
        &reason);
    if (readFailed)
        throw readFailure(in);
    if (!copied)
        throw FileCopyError(QStringLiteral("Cannot write %1: %2").arg(target, reason), reason, false);
}

QString systemReason(int error) { return qt_error_string(error); }

bool isDiskFull(const QString& reason)
{
    // Qt's words and, where they differ, those of the C library.
    for (const int error : {ENOSPC, EDQUOT})
        if (reason == qt_error_string(error) || reason == QString::fromLocal8Bit(std::strerror(error)))
            return true;
    return false;
}

bool makeFolders(const QString& folder, QString* reason)
{
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !makeFolders(parent, reason))
        return false;
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return true;
    // Made meanwhile by someone else, or a file standing where the folder belongs.
    const int error = errno;
    if (QFileInfo(path).isDir())
        return true;
    if (reason)
        *reason = systemReason(error == EEXIST ? ENOTDIR : error);
    return false;
}

QString failureListText(const std::vector<FileFailure>& failures)
{
    QStringList reasons;
    QList<QStringList> paths;
    for (const FileFailure& failure : failures) {
        qsizetype index = reasons.indexOf(failure.reason);
        if (index < 0) {
            index = reasons.size();
            reasons << failure.reason;
            paths << QStringList();
        }
        paths[index] << QDir::toNativeSeparators(failure.path);
    }
    QStringList groups;
    for (qsizetype i = 0; i < reasons.size(); ++i)
        groups << reasons[i] + QStringLiteral(":\n") + paths[i].join(u'\n');
    return groups.join(QStringLiteral("\n\n"));
}

void waitSeconds(double seconds)
{
    const QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000.0));
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // Sleep a little between rounds rather than keep a processor busy.
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(10, deadline.remainingTime())));
    }
}

int windowsVersionNumber() { return versionNumberForTesting().value_or(PassingVersionNumber); }

void setWindowsVersionNumberForTesting(int number) { versionNumberForTesting() = number; }

}  // namespace pecunor
