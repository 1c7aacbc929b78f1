#include <cstdio>
#include <string>
#include <vector>

#include "calc_cli.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const pecunor::cli::CliOutput output = pecunor::cli::runCommandLine(arguments);
    const bool written = std::fwrite(output.out.data(), 1, output.out.size(), stdout) == output.out.size() &&
                         std::fflush(stdout) == 0;
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    if (!written) {
        std::fputs("pecunor-calc: the output could not be written\n", stderr);
        return pecunor::cli::exitNoValidSheet;
    }
    return output.exitStatus;
}
