#include "program_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/system_folders.h"
#include "platform/whole_file.h"
#include "product_constants.h"

namespace pecunor {

QString withTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

ProgramFolders discoverProgramFolders()
{
    return {
        .ProgramFolder = withTrailingSeparator(platform::runningProgramFolder()),
        .WindowsFolder = withTrailingSeparator(platform::windowsFolder()),
        .SystemFolder = withTrailingSeparator(platform::systemFolder()),
    };
}

bool isSharedProgramFolder(const QString& programFolder)
{
    const QFileInfo folder(QFileInfo(programFolder).canonicalFilePath());
    const QString path = folder.filePath();
    if (path.isEmpty())
        return false;
    static const char* const systemPrefixes[] = {"/usr",    "/opt", "/bin", "/sbin", "/lib",  "/lib32", "/lib64",
                                                 "/libx32", "/etc", "/var", "/srv",  "/snap", "/boot"};
    for (const char* prefix : systemPrefixes) {
        const QString system = QLatin1String(prefix);
        if (path == system || path.startsWith(system + u'/'))
            return true;
    }
    // The layout of cmake --install under any prefix: its bin/ links into the folder.
    if (folder.fileName() == QLatin1String(SystemPackageName.data(), SystemPackageName.size()) &&
        QFileInfo(folder.absolutePath()).fileName() == QLatin1String("lib"))
        return true;
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && status.st_uid != ::geteuid();
}

namespace {

// A copy the running user put there: it may be filled with its own files.
bool isOwnCopy(const QString& programFolder)
{
    return platform::mayWrite(programFolder) && !isSharedProgramFolder(programFolder);
}

// A per-user install lies in a hidden folder (~/.local/...), which the user
// does not browse and whose files go with the uninstall.
bool isInHiddenFolder(const QString& folder)
{
    const QStringList names = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()).split(u'/', Qt::SkipEmptyParts);
    return std::any_of(names.begin(), names.end(), [](const QString& name) { return name.startsWith(u'.'); });
}

}  // namespace

QString ownFilesFolder(const QString& programFolder)
{
    if (isOwnCopy(programFolder))
        return programFolder;
    const QString own = withTrailingSeparator(platform::windowsFolder()) +
                        QString::fromUtf8(Product.ProductName.data(), Product.ProductName.size());
    QDir().mkpath(own);
    return withTrailingSeparator(own);
}

QString defaultExportFolder(const QString& programFolder)
{
    if (isOwnCopy(programFolder) && !isInHiddenFolder(programFolder))
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withTrailingSeparator(!documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

const ProgramFolders& programFolders()
{
    static const ProgramFolders folders = discoverProgramFolders();
    return folders;
}

}  // namespace pecunor
