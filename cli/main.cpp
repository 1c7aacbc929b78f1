#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "batch_run.h"
#include "calc_cli.h"
#include "cli_texts.h"
#include "platform/ui_language.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The application carries the installed translations.
    const QCoreApplication application(argc, argv);
    pecunor::platform::useInterfaceLanguage(QString::fromStdString(pecunor::cli::runLanguage(arguments)));
    if (const auto runArguments = pecunor::cli::batchArguments(arguments)) {
        std::ios::sync_with_stdio(false);
        return pecunor::cli::runBatch(std::cin, std::cout, std::cerr, *runArguments);
    }
    const pecunor::cli::CliOutput output = pecunor::cli::runCommandLine(arguments);
    const bool written =
        std::fwrite(output.out.data(), 1, output.out.size(), stdout) == output.out.size() && std::fflush(stdout) == 0;
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    if (!written) {
        const std::string message = pecunor::cli::translated(
            QT_TRANSLATE_NOOP("pecunor-calc", "pecunor-calc: the output could not be written\n"));
        std::fputs(message.c_str(), stderr);
        return pecunor::cli::exitNoValidSheet;
    }
    return output.exitStatus;
}
