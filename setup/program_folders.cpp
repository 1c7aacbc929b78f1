#include "program_folders.h"

#include <QDir>

#include <fcntl.h>
#include <unistd.h>

#include "product_constants.h"
#include "system_folders.h"

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

namespace {

// By the effective rights, as a file created there would be judged.
bool canWriteInto(const QString& folder)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

QString ownFilesFolder(const QString& programFolder)
{
    if (canWriteInto(programFolder))
        return programFolder;
    const QString own = withTrailingSeparator(platform::windowsFolder()) +
                        QString::fromUtf8(Product.ProductName.data(), Product.ProductName.size());
    QDir().mkpath(own);
    return withTrailingSeparator(own);
}

QString defaultExportFolder(const QString& programFolder)
{
    return canWriteInto(programFolder) ? programFolder : withTrailingSeparator(QDir::homePath());
}

const ProgramFolders& programFolders()
{
    static const ProgramFolders folders = discoverProgramFolders();
    return folders;
}

}  // namespace pecunor
