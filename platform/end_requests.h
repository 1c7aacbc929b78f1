#pragma once

#include <QObject>

class QSocketNotifier;

namespace pecunor::platform {

// Turns the signals by which a session or a shell asks a program to end
// (SIGTERM, SIGHUP, SIGINT) into a Qt signal in the event loop, where the
// program may still save what the user typed. One at a time per process;
// the default handlers return when it goes.
class EndRequests : public QObject {
    Q_OBJECT

public:
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

signals:
    void endRequested(int signalNumber);

private:
    void readSignal();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pecunor::platform
