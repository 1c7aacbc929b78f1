// The setup launcher of the distribution folder: it clears out the old
// control libraries that earlier versions shipped, starts the calculator from
// its own folder in install mode, and ends at once. It reads no command line
// and reports nothing.

#include <dirent.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <string>

namespace {

constexpr std::array<const char*, 3> ObsoleteLibraries{"CTL3D32.DLL", "CTL3DV2.DLL", "CTL3D.DLL"};
constexpr const char* ProgramFile = "OPECU97.EXE";

// The folder of this program's own file, ending in "/"; empty when unknown.
// realpath, not readlink: into a buffer of known size it is checked when
// built fortified, and it ends the text itself.
std::string ownFolder()
{
    std::array<char, PATH_MAX> path{};
    if (realpath("/proc/self/exe", path.data()) == nullptr)
        return {};
    const std::string file(path.data());
    return file.substr(0, file.rfind('/') + 1);
}

// The names of the folder's entries that equal name without regard to case.
template <typename Visit>
void forEachEntryNamed(const std::string& folder, const char* name, Visit visit)
{
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return;
    while (const dirent* entry = readdir(directory)) {
        if (strcasecmp(entry->d_name, name) == 0)
            visit(folder + entry->d_name);
    }
    closedir(directory);
}

// Starts program in folder with the single argument SETUP in a session of its
// own; only the short-lived middle process is waited for.
void startDetached(const std::string& program, const std::string& folder)
{
    const pid_t middle = fork();
    if (middle < 0)
        return;
    if (middle == 0) {
        setsid();
        if (fork() == 0) {
            if (chdir(folder.c_str()) == 0) {
                char* const arguments[] = {const_cast<char*>(program.c_str()), const_cast<char*>("SETUP"), nullptr};
                execv(program.c_str(), arguments);
            }
            _exit(127);
        }
        _exit(0);
    }
    waitpid(middle, nullptr, 0);
}

}  // namespace

int main()
{
    const std::string folder = ownFolder();
    if (folder.empty())
        return 0;
    for (const char* library : ObsoleteLibraries)
        forEachEntryNamed(folder, library, [](const std::string& path) { unlink(path.c_str()); });

    std::string program;
    forEachEntryNamed(folder, ProgramFile, [&](const std::string& path) {
        if (program.empty())
            program = path;
    });
    if (!program.empty())
        startDetached(program, folder);
    return 0;
}
