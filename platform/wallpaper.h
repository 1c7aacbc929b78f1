#pragma once

#include <QString>
#include <QStringList>

namespace pecunor::platform {

enum class WallpaperStyle { Tiled, Centered };

// The desktops whose wallpaper the program can set.
enum class DesktopFamily { Unsupported, Gnome, Cinnamon, Kde, Xfce };

// The first desktop of a colon-separated XDG_CURRENT_DESKTOP list that the
// program knows, in any case ("ubuntu:GNOME" is GNOME). Unity, Budgie and
// Pantheon keep their wallpaper in GNOME's settings.
DesktopFamily desktopFamily(const QString& currentDesktops);

// Makes the picture file the wallpaper of the running desktop, named by
// XDG_CURRENT_DESKTOP. False when the desktop is unknown or refuses.
bool setDesktopWallpaper(const QString& file, WallpaperStyle style);

// Plasma's script that gives every desktop the picture in the given style.
QString plasmaWallpaperScript(const QString& file, WallpaperStyle style);

// The xfconf properties of the XFCE desktop channel to point at a new
// picture: every existing ".../last-image", or, when there is none yet, the
// first workspace of each named monitor.
QStringList xfceLastImageProperties(const QStringList& existingProperties, const QStringList& monitorNames);

}  // namespace pecunor::platform
