// GNOME's wallpaper through the real dconf store, whose writes travel over a
// session bus of the test's own that it then stops and ends.
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <tuple>

#include "../support/test_home.h"
#include "platform/wallpaper.h"

namespace pecunor::platform {
namespace {

TEST(GnomeWallpaper, CountsOnlyWhatTheStoreCommitted)
{
    const test::TestHome home;
    qputenv("GSETTINGS_BACKEND", "dconf");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    FILE* started = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    char address[512] = {};
    pid_t bus = -1;
    ASSERT_TRUE(started && std::fgets(address, sizeof address, started) && std::fscanf(started, "%d", &bus) == 1);
    ::pclose(started);
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray(address).trimmed());

    const QString first = QUrl::fromLocalFile(home.path() + QStringLiteral("/Up.bmp")).toString();
    // Each step sets its own picture; the store must keep the first one's.
    for (const auto& [busSignal, picture, set] : {std::tuple{0, "Up.bmp", true}, std::tuple{SIGSTOP, "Hung.bmp", false},
                                                  std::tuple{SIGKILL, "Gone.bmp", false}}) {
        SCOPED_TRACE(picture);
        if (busSignal != 0)
            ::kill(bus, busSignal);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(setDesktopWallpaper(home.path() + u'/' + QLatin1String(picture), WallpaperStyle::Tiled), set);
        // A hung bus is given up on, not waited for.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
        QProcess gsettings;
        gsettings.start(QStringLiteral("gsettings"), QStringList{"get", "org.gnome.desktop.background", "picture-uri"});
        gsettings.waitForFinished(10000);
        EXPECT_EQ(gsettings.readAllStandardOutput().trimmed().toStdString(), "'" + first.toStdString() + "'");
    }
}

}  // namespace
}  // namespace pecunor::platform
