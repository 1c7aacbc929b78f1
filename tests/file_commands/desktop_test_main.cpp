#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "../support/test_home.h"

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

// Cinnamon's copy of the background keys, which only Cinnamon installs: its
// schema, compiled into a folder GIO reads beside the system's.
void installCinnamonSchema(const QString& home)
{
    const QString folder = home + QStringLiteral("/schemas");
    QDir().mkpath(folder);
    QFile schema(folder + QStringLiteral("/org.cinnamon.desktop.background.gschema.xml"));
    if (!schema.open(QIODevice::WriteOnly))
        return;
    schema.write(R"(<schemalist>
  <enum id="org.cinnamon.desktop.background.options">
    <value nick="none" value="0"/><value nick="wallpaper" value="1"/><value nick="centered" value="2"/>
    <value nick="scaled" value="3"/><value nick="stretched" value="4"/><value nick="zoom" value="5"/>
  </enum>
  <schema id="org.cinnamon.desktop.background" path="/org/cinnamon/desktop/background/">
    <key name="picture-uri" type="s"><default>''</default></key>
    <key name="picture-options" enum="org.cinnamon.desktop.background.options"><default>'zoom'</default></key>
  </schema>
</schemalist>
)");
    schema.close();
    if (std::system(("glib-compile-schemas " + folder.toStdString()).c_str()) == 0)
        qputenv("GSETTINGS_SCHEMA_DIR", folder.toLocal8Bit());
}

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
    if (!listingTests(argc, argv)) {
        bus.emplace();
        installCinnamonSchema(home.path());
    }
    // Widgets without a display, also when CTest lists the tests at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (bus)
        PrivateSessionBus::stopStartedServices();
    return result;
}
