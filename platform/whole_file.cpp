#include "whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pecunor::platform {

bool mayWrite(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

namespace {

// A device or pipe has no content of its own to keep, and a file renamed over
// it would replace the device itself: such a target is written straight.
bool writeSpecialFile(const QString& path, const std::function<bool(QFileDevice&)>& write, QString* reason)
{
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && write(file) && file.flush();
    if (!written && reason)
        *reason = file.errorString();
    return written;
}

}  // namespace

bool writeWholeFile(const QString& path, const std::function<bool(QFileDevice&)>& write, QString* reason)
{
    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeSpecialFile(path, write, reason);
    // A new file renamed over a read-only one would slip past its protection.
    if (target.isFile() && !mayWrite(target.filePath())) {
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QSaveFile file(path);
    // Never fall back to writing over the file in place.
    file.setDirectWriteFallback(false);
    const auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;  // without a commit the file beside it is removed
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() overlooks a failure of its final flush and of the sync to disk
    // (it would put an empty file in place on a full disk): both come first.
    if (!write(file) || !file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
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
    if (file.exists() && !mayWrite(file.absoluteFilePath()))
        return WriteObstacle::ReadOnlyFile;
    // The new file is written beside the old one first.
    if (!mayWrite(folder.absoluteFilePath()))
        return WriteObstacle::ReadOnlyFolder;
    return WriteObstacle::None;
}

}  // namespace pecunor::platform
