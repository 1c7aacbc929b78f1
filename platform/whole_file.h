#pragma once

#include <QFileDevice>
#include <QString>

#include <functional>

namespace pecunor::platform {

// Creates or replaces the file at path with what write puts into the device,
// and only once all of it is on the disk: until then it is written beside
// the file, so that a failure (a full disk, a quota) leaves the old file byte
// for byte and no partial copy behind. A replaced file keeps its owner and
// mode; a link is followed and stays a link. A read-only file (no write bit
// for its owner, whoever saves) and anything but a regular file (a pipe, a
// device, a socket) are refused without being opened, so a save never waits
// for a reader. On failure, reason (when given) receives the system's words
// for it.
bool writeWholeFile(const QString& path, const std::function<bool(QFileDevice&)>& write, QString* reason = nullptr);

// Whether the effective user, with its capabilities, may write the file or
// folder at path, as opening it would judge.
bool mayWrite(const QString& path);

// What would keep writeWholeFile from writing a file at path, checked before
// anything is written. NotRegularFile: a pipe, a device, a socket or a folder.
enum class WriteObstacle { None, MissingFolder, ReadOnlyFile, ReadOnlyFolder, NotRegularFile };
WriteObstacle writeObstacle(const QString& path);

}  // namespace pecunor::platform
