#include <QApplication>

#include <csignal>

#include "startup.h"

int main(int argc, char* argv[])
{
    // A reader that goes away (a pipe chosen as a save's target) is a failed
    // write to report, not the end of the program and of what was typed.
    std::signal(SIGPIPE, SIG_IGN);
    // Likewise a save that reaches the file-size limit.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    return pecunor::runProgram(QApplication::arguments());
}
