// The clean-up program that the uninstaller leaves behind: once the
// calculator has had time to end, it deletes the calculator's program file
// and then its folder, if nothing else is left in it. It shows nothing and
// always ends with exit code 0.

#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace {

// The time the calculator has to end after starting this program.
constexpr std::chrono::seconds GraceTime{5};

void removeProgramAndEmptyFolder(const std::filesystem::path& programFile)
{
    std::error_code ignored;
    std::filesystem::remove(programFile, ignored);
    const std::filesystem::path folder = std::filesystem::absolute(programFile, ignored).parent_path();
    // Removing a folder succeeds only while it is empty, so a folder that
    // still holds files of the user's own stays.
    if (!folder.empty() && folder != folder.root_path())
        std::filesystem::remove(folder, ignored);
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto start = std::chrono::steady_clock::now();
    try {
        std::this_thread::sleep_until(start + GraceTime);
        if (argc >= 2 && argv[1][0] != '\0')
            removeProgramAndEmptyFolder(argv[1]);
    } catch (...) {
        // Nothing is reported: whatever could not be removed stays.
    }
    return 0;
}
