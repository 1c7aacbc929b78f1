#include "system_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pecunor::platform {

QString runningProgramFolder()
{
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    if (program.fileName().isEmpty())
        return QDir::currentPath();
    return program.absolutePath();
}

QString windowsFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

QString systemFolder() { return QDir::homePath() + QStringLiteral("/.local/lib"); }

}  // namespace pecunor::platform
