#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

namespace pecunor {

// A file that could not be read or written while copying; what() names it.
class FileCopyError : public std::runtime_error {
public:
    FileCopyError(const QString& message, const QString& reason, bool sourceFault)
        : std::runtime_error(message.toStdString()),
          reason_(reason),
          sourceFault_(sourceFault)
    {
    }
    // The system's words for it, without the file's name.
    QString reason() const { return reason_; }
    // The source could not be read: a new copy of it helps, room on the target does not.
    bool sourceFault() const { return sourceFault_; }

private:
    QString reason_;
    bool sourceFault_;
};

// A file or folder that could not be written or removed, with the system's
// words for why.
struct FileFailure {
    QString path;
    QString reason;
};

// The system's words for an error number, as Qt's own file errors give them.
QString systemReason(int error);

// Whether reason is what the system says of a full disk or a used-up quota,
// where only room on that disk helps.
bool isDiskFull(const QString& reason);

// Creates the folder with the folders above it that are missing; on failure
// reason (when given) receives the system's words for it.
bool makeFolders(const QString& folder, QString* reason = nullptr);

// Each reason on a line of its own, followed by the paths it kept from being
// written or removed, one a line; reasons in the order they first occur.
QString failureListText(const std::vector<FileFailure>& failures);

// Copies source to destination in 8192-byte blocks, giving the copy the
// source's permissions and modification date. The copy is written beside the
// destination and renamed into place once complete, so a running program can
// be replaced and a failed copy leaves the destination as it was, with no
// partial file beside it. Copying a file onto itself, by whatever path, does
// nothing. Throws FileCopyError when the source cannot be read or the copy
// cannot be written.
void copyFileKeepDate(const QString& source, const QString& destination);

// Waits the given seconds while still handling the pending events, so the
// windows stay responsive.
void waitSeconds(double seconds);

// Major * 100 + minor of the system the installer checks. Linux always
// passes that check; tests can make it report another number.
int windowsVersionNumber();
void setWindowsVersionNumberForTesting(int number);

}  // namespace pecunor
