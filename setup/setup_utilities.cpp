#include "setup_utilities.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <array>
#include <optional>

namespace pecunor {
namespace {

// Windows 95 and NT 4.0: the lowest versions the installer accepts.
constexpr int PassingVersionNumber = 400;

std::optional<int>& versionNumberForTesting()
{
    static std::optional<int> number;
    return number;
}

QString describe(const QFile& file, const char* action)
{
    return QStringLiteral("Cannot %1 %2: %3").arg(QLatin1String(action), file.fileName(), file.errorString());
}

// The destination takes the source's modification date on every path.
class KeepDate {
public:
    KeepDate(QFile& destination, const QDateTime& modified) : destination_(destination), modified_(modified) {}
    ~KeepDate()
    {
        if (modified_.isValid() && destination_.isOpen())
            destination_.setFileTime(modified_, QFileDevice::FileModificationTime);
    }
    KeepDate(const KeepDate&) = delete;
    KeepDate& operator=(const KeepDate&) = delete;

private:
    QFile& destination_;
    QDateTime modified_;
};

}  // namespace

void copyFileKeepDate(const QString& source, const QString& destination)
{
    QFile in(QFileInfo(source).absoluteFilePath());
    QFile out(QFileInfo(destination).absoluteFilePath());
    const QDateTime modified = QFileInfo(in.fileName()).lastModified();
    // An unreadable source leaves the destination as it was.
    if (!in.open(QIODevice::ReadOnly))
        throw FileCopyError(describe(in, "read").toStdString());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileCopyError(describe(out, "write").toStdString());
    const KeepDate keepDate(out, modified);
    // The programs must stay executable; media without permission bits
    // refuse this, which does not matter there.
    out.setPermissions(in.permissions());

    std::array<char, 8192> block{};
    for (;;) {
        const qint64 got = in.read(block.data(), block.size());
        if (got < 0)
            throw FileCopyError(describe(in, "read").toStdString());
        if (got > 0 && (out.write(block.data(), got) != got || !out.flush()))
            throw FileCopyError(describe(out, "write").toStdString());
        if (got < static_cast<qint64>(block.size()))
            break;
    }
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

int windowsVersionNumber()
{
    return versionNumberForTesting().value_or(PassingVersionNumber);
}

void setWindowsVersionNumberForTesting(int number)
{
    versionNumberForTesting() = number;
}

}  // namespace pecunor
