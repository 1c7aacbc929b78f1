// The wallpaper commands of the real window against real desktop settings:
// GNOME's and Cinnamon's through GSettings, XFCE's through xfconfd on the test's own bus,
// and Plasma's scripting call answered by a stand-in that records it.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "file_command_window.h"
#include "platform/wallpaper.h"

namespace pecunor::test {
namespace {

class WallpaperDesktopTest : public FileCommandWindow {
protected:
    void SetUp() override
    {
        FileCommandWindow::SetUp();
        WindowServices s = services();
        s.files.setWallpaper = &platform::setDesktopWallpaper;
        open(s);
    }

    void setDesktop(const char* names) { qputenv("XDG_CURRENT_DESKTOP", names); }

    void setWallpaper(platform::WallpaperStyle style)
    {
        run(style == platform::WallpaperStyle::Tiled ? window->mnuSetAsWallpaperTiled
                                                     : window->mnuSetAsWallpaperCentered);
    }

    QString wallpaperFile() const { return programFolder + QStringLiteral("Pecnor.bmp"); }

    static QString output(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    static QString gsettings(const char* schema, const char* key)
    {
        return output(QStringLiteral("gsettings"), {QStringLiteral("get"), QLatin1String(schema), QLatin1String(key)});
    }
    static QString xfconf(const QString& property, const QStringList& more = {})
    {
        return output(
            QStringLiteral("xfconf-query"),
            QStringList{QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"), property} + more);
    }
};

TEST_F(WallpaperDesktopTest, GSettingsKeepTheLastStyle)
{
    const QString uri = QStringLiteral("'") + QUrl::fromLocalFile(wallpaperFile()).toString() + QLatin1Char('\'');
    for (const auto& [desktop, schema] : {std::pair{"ubuntu:GNOME", "org.gnome.desktop.background"},
                                          std::pair{"X-Cinnamon", "org.cinnamon.desktop.background"}}) {
        SCOPED_TRACE(desktop);
        setDesktop(desktop);
        for (const auto& [style, options] : {std::pair{platform::WallpaperStyle::Tiled, "'wallpaper'"},
                                             std::pair{platform::WallpaperStyle::Centered, "'centered'"}}) {
            setWallpaper(style);
            EXPECT_EQ(gsettings(schema, "picture-options"), QLatin1String(options));
            EXPECT_EQ(gsettings(schema, "picture-uri"), uri);
        }
    }
    EXPECT_EQ(gsettings("org.gnome.desktop.background", "picture-uri-dark"), uri);
    // In the settings file, not in memory only.
    const QString keyfile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/glib-2.0/settings/keyfile");
    EXPECT_TRUE(fileBytes(keyfile).contains("picture-options='centered'"));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(WallpaperDesktopTest, XfceSetsEveryBackdropOrEachMonitorsFirst)
{
    setDesktop("XFCE");
    ASSERT_FALSE(QGuiApplication::screens().isEmpty());
    const QString monitor = QGuiApplication::primaryScreen()->name();
    const QString ownMonitor = QStringLiteral("/backdrop/screen0/monitor%1/workspace0/")
                                   .arg(monitor.isEmpty() ? QStringLiteral("0") : monitor);
    // No backdrop yet: one for each monitor.
    setWallpaper(platform::WallpaperStyle::Tiled);
    EXPECT_EQ(xfconf(ownMonitor + QStringLiteral("last-image")), wallpaperFile());
    EXPECT_EQ(xfconf(ownMonitor + QStringLiteral("image-style")), QStringLiteral("2"));

    const QString other = QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace1/");
    xfconf(other + QStringLiteral("last-image"), {QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("string"),
                                                  QStringLiteral("-s"), QStringLiteral("/usr/share/old.png")});
    xfconf(other + QStringLiteral("image-style"), {QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("int"),
                                                   QStringLiteral("-s"), QStringLiteral("5")});
    setWallpaper(platform::WallpaperStyle::Centered);
    for (const QString& backdrop : {ownMonitor, other}) {
        SCOPED_TRACE(backdrop.toStdString());
        EXPECT_EQ(xfconf(backdrop + QStringLiteral("last-image")), wallpaperFile());
        EXPECT_EQ(xfconf(backdrop + QStringLiteral("image-style")), QStringLiteral("1"));
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(WallpaperDesktopTest, PlasmaReceivesOneScriptPerCommand)
{
    setDesktop("KDE");
    // Nobody answers: the desktop refused.
    setWallpaper(platform::WallpaperStyle::Tiled);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("Could not set desktop wallpaper!")});

    const QString record = scratch.filePath(QStringLiteral("scripts"));
    QProcess shell;
    shell.start(QStringLiteral(FAKE_PLASMA_SHELL), {record});
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return bus->isServiceRegistered(QStringLiteral("org.kde.PlasmaShell")).value(); }));
    errors.clear();
    setWallpaper(platform::WallpaperStyle::Tiled);
    setWallpaper(platform::WallpaperStyle::Centered);
    shell.kill();
    shell.waitForFinished();

    const QStringList scripts =
        QString::fromUtf8(fileBytes(record)).split(QStringLiteral("\n----\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(scripts.size(), 2);
    const QString image = QStringLiteral("d.writeConfig(\"Image\", \"%1\");")
                              .arg(QUrl::fromLocalFile(wallpaperFile()).toString(QUrl::FullyEncoded));
    for (const auto& [script, fillMode] : {std::pair{scripts[0], 3}, std::pair{scripts[1], 6}}) {
        EXPECT_TRUE(script.contains(QStringLiteral("d.wallpaperPlugin = \"org.kde.image\";"))) << script.toStdString();
        EXPECT_TRUE(script.contains(image)) << script.toStdString();
        EXPECT_TRUE(script.contains(QStringLiteral("d.writeConfig(\"FillMode\", %1);").arg(fillMode)));
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(beeps, 1);
}

}  // namespace
}  // namespace pecunor::test
