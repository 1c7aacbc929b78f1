#include "cleanup_program.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include "resources/rcdata.h"

namespace pecunor {
namespace {

constexpr int CleanupProgramResource = 4;

constexpr QFileDevice::Permissions Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                QFileDevice::ReadOther | QFileDevice::ExeOther;

bool fail(QString* errorMessage, const QString& text)
{
    if (errorMessage)
        *errorMessage = text;
    return false;
}

}  // namespace

QByteArray cleanupProgramBytes()
{
    try {
        return readRcdata(CleanupProgramResource);
    } catch (const MissingResource&) {
        return {};
    }
}

bool writeCleanupProgram(const QString& path, QString* errorMessage)
{
    const QByteArray bytes = cleanupProgramBytes();
    if (bytes.isEmpty())
        return fail(errorMessage, QCoreApplication::translate(
                                      "Uninstall", "The clean-up program is missing from this program file."));
    // A new file renamed into place: an earlier copy may still be running.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(errorMessage,
                    QCoreApplication::translate("Uninstall", "Cannot write %1: %2").arg(path, file.errorString()));
    if (!QFile::setPermissions(path, Executable))
        return fail(errorMessage, QCoreApplication::translate("Uninstall", "Cannot make %1 executable.").arg(path));
    return true;
}

}  // namespace pecunor
