// GNOME's wallpaper through the real dconf store, whose writes travel over a
// session bus of the test's own that it then stops and ends.
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>

#include "../support/test_home.h"
#include "wallpaper.h"

namespace pecunor::platform {
namespace {

QString storedUri()
{
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"), {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
                                                  QStringLiteral("picture-uri")});
    gsettings.waitForFinished(10000);
    return QString::fromUtf8(gsettings.readAllStandardOutput()).trimmed();
}

TEST(GnomeWallpaper, CountsOnlyWhatTheStoreCommitted)
{
    const test::TestHome home;
    qputenv("GSETTINGS_BACKEND", "dconf");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    FILE* started = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    ASSERT_NE(started, nullptr);
    char address[512] = {};
    pid_t bus = -1;
    const bool running = std::fgets(address, sizeof address, started) && std::fscanf(started, "%d", &bus) == 1;
    ::pclose(started);
    ASSERT_TRUE(running);
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray(address).trimmed());

    const auto uri = [&](const char* name) {
        return QStringLiteral("'%1'").arg(QUrl::fromLocalFile(home.path() + u'/' + QLatin1String(name)).toString());
    };
    // Each row sets its own picture; the store must still hold the first one's.
    struct Step {
        const char* name;
        int busSignal;  // sent to the bus before setting, 0 for none
        bool set;
    };
    for (const Step& step : {Step{"Up.bmp", 0, true}, Step{"Hung.bmp", SIGSTOP, false},
                             Step{"Gone.bmp", SIGKILL, false}}) {
        SCOPED_TRACE(step.name);
        if (step.busSignal != 0)
            ::kill(bus, step.busSignal);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(setDesktopWallpaper(home.path() + u'/' + QLatin1String(step.name), WallpaperStyle::Tiled),
                  step.set);
        // A hung bus is given up on, not waited for.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
        EXPECT_EQ(storedUri(), uri("Up.bmp"));
    }
}

}  // namespace
}  // namespace pecunor::platform
