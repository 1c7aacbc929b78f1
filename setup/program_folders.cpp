#include "program_folders.h"

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

const ProgramFolders& programFolders()
{
    static const ProgramFolders folders = discoverProgramFolders();
    return folders;
}

}  // namespace pecunor
