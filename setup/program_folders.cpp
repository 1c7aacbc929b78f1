#include "program_folders.h"

#include <QDir>

#include "product_constants.h"
#include "system_folders.h"
#include "whole_file.h"

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

QString ownFilesFolder(const QString& programFolder)
{
    if (platform::mayWrite(programFolder))
        return programFolder;
    const QString own = withTrailingSeparator(platform::windowsFolder()) +
                        QString::fromUtf8(Product.ProductName.data(), Product.ProductName.size());
    QDir().mkpath(own);
    return withTrailingSeparator(own);
}

QString defaultExportFolder(const QString& programFolder)
{
    return platform::mayWrite(programFolder) ? programFolder : withTrailingSeparator(QDir::homePath());
}

const ProgramFolders& programFolders()
{
    static const ProgramFolders folders = discoverProgramFolders();
    return folders;
}

}  // namespace pecunor
