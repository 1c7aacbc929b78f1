#pragma once

#include <QImage>
#include <QString>

#include "platform/wallpaper.h"
#include "save_dialog.h"

class QWidget;

namespace pecunor {

// The client area as it shows itself now, exactly as large as it is.
QImage windowPicture(QWidget& clientArea);

// Creates or replaces the file with the picture as a Windows bitmap,
// 24 bits per pixel, replacing an existing file only with a complete new
// one. False when the file cannot be created or written, and reason then
// holds the system's words for it.
bool writeBitmapFile(const QImage& picture, const QString& path, QString* reason);

// The message of a failed save, the system's reason on a line of its own.
QString cannotCreateFileMessage(const QString& path, const QString& reason);

// The wallpaper file beside the program; every wallpaper command replaces it.
QString wallpaperFilePath(const QString& programFolder);

// File > Save As Bitmap: the dialog, then the picture in the chosen file.
void saveAsBitmap(const FileCommandTarget& target, const FileCommandServices& services);

// File > Set As Wallpaper: the picture in the wallpaper file, then the
// desktop asked to show it tiled or centred; a picture the desktop refused
// is removed again.
void setAsWallpaper(const FileCommandTarget& target, const FileCommandServices& services,
                    platform::WallpaperStyle style);

}  // namespace pecunor
