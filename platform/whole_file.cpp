#include "whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace pecunor::platform {

bool mayWrite(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

namespace {

// What the name leads to, through any links; nothing when nothing is there.
std::optional<struct stat> targetStatus(const QString& path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString notRegularReason() { return QCoreApplication::translate("WholeFile", "Not a regular file"); }

// Why a file already there must not be replaced; empty when it may. A pipe
// or device would be replaced by a file (or, opened, block or take the
// bytes), and a file without its owner's write bit is read-only even for
// root, who passes every other check.
QString replaceRefusal(const QString& path, const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        return systemReason(EISDIR);
    if (!S_ISREG(status.st_mode))
        return notRegularReason();
    if ((status.st_mode & S_IWUSR) == 0)
        return systemReason(EACCES);
    if (!mayWrite(path))
        return systemReason(errno);
    return {};
}

// Why writing the new file failed. A write cut short (a full disk, a size
// limit) leaves Qt without the system's reason; the next write, to a file
// that is thrown away anyway, gives it.
QString writeFailure(QSaveFile& file)
{
    const char probe = 0;
    if (::write(file.handle(), &probe, 1) < 0)
        return systemReason(errno);
    return file.errorString();
}

}  // namespace

bool writeWholeFile(const QString& path, const std::function<bool(QFileDevice&)>& write, QString* reason)
{
    const auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;  // without a commit the file beside it is removed
    };
    // The target itself is never opened: only the new file beside it is.
    const std::optional<struct stat> old = targetStatus(path);
    if (old) {
        if (const QString refusal = replaceRefusal(path, *old); !refusal.isEmpty())
            return fail(refusal);
    }
    QSaveFile file(path);
    // Never fall back to writing over the file in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (old) {
        // QSaveFile copies the permissions as they apply to the saving user,
        // which for root adds the write bit. The owner goes first, since a
        // change of owner clears the set-id bits; a user who may not give the
        // file back to its owner keeps it, and media without modes refuse both.
        if (::fchown(file.handle(), old->st_uid, old->st_gid) != 0 && errno != EPERM)
            return fail(systemReason(errno));
        ::fchmod(file.handle(), old->st_mode & 07777);
    }
    // commit() overlooks a failure of its final flush and of the sync to disk
    // (it would put an empty file in place on a full disk): both come first.
    if (!write(file) || !file.flush())
        return fail(writeFailure(file));
    if (::fsync(file.handle()) != 0)
        return fail(systemReason(errno));
    // A pipe or device put there meanwhile stays: the rename would replace it.
    if (const std::optional<struct stat> now = targetStatus(path); now && !S_ISREG(now->st_mode))
        return fail(notRegularReason());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

WriteObstacle writeObstacle(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return WriteObstacle::MissingFolder;
    if (const std::optional<struct stat> old = targetStatus(path)) {
        if (!S_ISREG(old->st_mode))
            return WriteObstacle::NotRegularFile;
        if (!replaceRefusal(path, *old).isEmpty())
            return WriteObstacle::ReadOnlyFile;
    }
    // The new file is written beside the old one first.
    if (!mayWrite(folder.absoluteFilePath()))
        return WriteObstacle::ReadOnlyFolder;
    return WriteObstacle::None;
}

}  // namespace pecunor::platform
