#include "end_requests.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace pecunor::platform {

namespace {

constexpr int endSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Written by the handler, the only thing a handler may safely do.
int writeEnd = -1;

void passOn(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndRequests::EndRequests(QObject* parent) : QObject(parent)
{
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::readSignal);
    struct sigaction action { };
    action.sa_handler = &passOn;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : endSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

EndRequests::~EndRequests()
{
    if (notifier_ == nullptr)
        return;
    for (const int signalNumber : endSignals)
        std::signal(signalNumber, SIG_DFL);
    writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void EndRequests::readSignal()
{
    unsigned char byte = 0;
    while (::read(pipe_[0], &byte, 1) == 1)
        emit endRequested(byte);
}

}  // namespace pecunor::platform
