#pragma once

#include <QString>

#include <stdexcept>

namespace pecunor {

// A file that could not be read or written while copying; what() names it.
class FileCopyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
