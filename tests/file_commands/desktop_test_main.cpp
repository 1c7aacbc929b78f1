#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "test_home.h"

namespace {

// A session bus of the test program's own, so that the desktop services it
// starts (xfconfd) keep their settings in the test home.
class PrivateSessionBus {
public:
    PrivateSessionBus()
    {
        FILE* started = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        char address[512] = {};
        if (started && std::fgets(address, sizeof address, started) && std::fscanf(started, "%d", &pid_) == 1)
            qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray(address).trimmed());
        if (started)
            ::pclose(started);
    }
    ~PrivateSessionBus()
    {
        if (pid_ > 0)
            ::kill(pid_, SIGTERM);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // The services the bus started for the tests end with it.
    static void stopStartedServices()
    {
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        if (!bus)
            return;
        const QDBusReply<uint> owner = bus->servicePid(QStringLiteral("org.xfce.Xfconf"));
        if (owner.isValid())
            ::kill(static_cast<pid_t>(owner.value()), SIGTERM);
    }

private:
    pid_t pid_ = -1;
};

bool listingTests(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const pecunor::test::TestHome home;
    // GNOME's settings in a file of the test home, read back by gsettings.
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    std::optional<PrivateSessionBus> bus;
    if (!listingTests(argc, argv))
        bus.emplace();
    // Widgets without a display, also when CTest lists the tests at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (bus)
        PrivateSessionBus::stopStartedServices();
    return result;
}
