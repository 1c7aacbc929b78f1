#include <QApplication>

#include <csignal>
#include <cstdio>

#include "early_answer.h"
#include "platform/display_probe.h"
#include "platform/ui_language.h"
#include "startup.h"

namespace {

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Answers --help and --version, and says in one line why no window can
// open; Qt alone would abort the process there. A core application, gone
// again before the window's, carries the translations.
std::optional<int> endBeforeWindow(int argc, char* argv[])
{
    const QStringList arguments = argumentList(argc, argv);
    const std::optional<pecunor::EarlyRequest> request = pecunor::earlyRequest(arguments);
    const std::optional<pecunor::platform::DisplayFault> fault =
        request ? std::nullopt : pecunor::platform::unreachableDisplay(arguments);
    if (!request && !fault)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    pecunor::platform::useInterfaceLanguage(
        pecunor::platform::chooseInterfaceLanguage(pecunor::platform::desktopLanguages()));
    if (request) {
        std::fputs(pecunor::earlyAnswer(*request).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "%s\n",
                 pecunor::noDisplayLine(pecunor::platform::describeDisplayFault(*fault)).toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    // A reader that goes away (a pipe chosen as a save's target) is a failed
    // write to report, not the end of the program and of what was typed.
    std::signal(SIGPIPE, SIG_IGN);
    // Likewise a save that reaches the file-size limit.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const std::optional<int> exitCode = endBeforeWindow(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    return pecunor::runProgram(QApplication::arguments());
}
