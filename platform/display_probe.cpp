#include "display_probe.h"

#include <QCoreApplication>
#include <QDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <xcb/xcb.h>

namespace pecunor::platform {

namespace {

// libxcb writes a refusing server's reason to standard error itself; it is
// caught here so that the run's one line can carry it.
bool xDisplayReachable(const QByteArray& display, QString& refusal)
{
    int pipeEnds[2];
    const int savedError = ::dup(STDERR_FILENO);
    const bool caught = savedError >= 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) == 0;
    if (caught)
        ::dup2(pipeEnds[1], STDERR_FILENO);
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (caught) {
        ::dup2(savedError, STDERR_FILENO);
        ::close(pipeEnds[1]);
        char said[512];
        const ssize_t length = ::read(pipeEnds[0], said, sizeof said);
        ::close(pipeEnds[0]);
        if (length > 0)
            refusal = QString::fromLocal8Bit(said, length).simplified();
    }
    if (savedError >= 0)
        ::close(savedError);
    return reached;
}

// A Wayland display is a socket in the runtime folder, or an absolute path.
bool waylandDisplayReachable(const QByteArray& display)
{
    const QString path = QDir::isAbsolutePath(QString::fromLocal8Bit(display))
                             ? QString::fromLocal8Bit(display)
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + QString::fromLocal8Bit(display);
    const QByteArray encoded = path.toLocal8Bit();
    sockaddr_un address{};
    if (encoded.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), static_cast<size_t>(encoded.size()));
    const int socketHandle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketHandle < 0)
        return false;
    const bool reached = ::connect(socketHandle, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socketHandle);
    return reached;
}

}  // namespace

std::optional<DisplayFault> unreachableDisplay(const QStringList& arguments)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(QLatin1String("-platform")))
        return std::nullopt;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!wayland.isEmpty() && waylandDisplayReachable(wayland))
        return std::nullopt;
    const QByteArray x = qgetenv("DISPLAY");
    QString refusal;
    if (!x.isEmpty() && xDisplayReachable(x, refusal))
        return std::nullopt;
    return DisplayFault{QString::fromLocal8Bit(x), refusal};
}

QString describeDisplayFault(const DisplayFault& fault)
{
    if (fault.display.isEmpty())
        return QCoreApplication::translate("pecunor::platform::DisplayProbe",
                                           "no display to open a window on (DISPLAY is not set)");
    const QString line =
        QCoreApplication::translate("pecunor::platform::DisplayProbe", "cannot connect to the display %1")
            .arg(fault.display);
    return fault.serverSaid.isEmpty() ? line : line + QStringLiteral(" (") + fault.serverSaid + u')';
}

}  // namespace pecunor::platform
