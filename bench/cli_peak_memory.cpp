// Starts pecunor-calc for a 9,999-row sheet in each output format and
// reports the peak resident memory of each run.
//
// Usage: cli_peak_memory PATH-TO-pecunor-calc

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr long limitKiB = 20L * 1024;

struct Run {
    bool succeeded;
    long peakKiB;
};

std::vector<std::string> sheetArguments(const std::string& program, const std::string& format)
{
    return {program, "--method", "1",    "--periods", "3",    "--today", "2024-01-15", "--v1", "1000",
            "--v2",  "10",       "--v3", "100",       "--v4", "9999",    "--format",   format};
}

// Runs the program with its output thrown away; nullopt when it cannot start.
std::optional<Run> runMeasured(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(error));
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return std::nullopt;
    }
    const bool succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return Run{succeeded, usage.ru_maxrss};  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-pecunor-calc\n", argv[0]);
        return 2;
    }
    bool allWithin = true;
    for (const char* format : {"aligned", "csv", "json"}) {
        const std::optional<Run> run = runMeasured(sheetArguments(argv[1], format));
        if (!run)
            return 1;
        const bool within = run->succeeded && run->peakKiB <= limitKiB;
        allWithin = allWithin && within;
        std::printf("%-8s peak %6.1f MB  %s\n", format, static_cast<double>(run->peakKiB) / 1024.0,
                    !run->succeeded ? "FAILED (the program exited with an error)"
                    : within        ? "within 20 MB"
                                    : "OVER 20 MB");
    }
    return allWithin ? 0 : 1;
}
