#include "bitmap_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QWidget>

#include "platform/whole_file.h"

namespace pecunor {

QImage windowPicture(QWidget& clientArea) { return clientArea.grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool writeBitmapFile(const QImage& picture, const QString& path, QString* reason)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    return platform::writeWholeFile(
        path,
        [&rgb](QIODevice& file) {
            // Qt writes a picture without a palette with 24 bits per pixel.
            QImageWriter writer(&file, "bmp");
            return writer.write(rgb);
        },
        reason);
}

QString cannotCreateFileMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("FileCommands", "Cannot create file %1").arg(QDir::toNativeSeparators(path)) +
           QLatin1Char('\n') + reason;
}

QString wallpaperFilePath(const QString& programFolder) { return programFolder + QStringLiteral("Pecnor.bmp"); }

void saveAsBitmap(const FileCommandTarget& target, const FileCommandServices& services)
{
    // The first filter always, whatever was chosen last time.
    const SaveDialogSetup setup{QCoreApplication::translate("FileCommands", "Save %1 Bitmap").arg(target.caption),
                                {QCoreApplication::translate("FileCommands", "Bitmap Image (*.BMP *.bmp)"),
                                 QCoreApplication::translate("FileCommands", "All Files (*)")},
                                1,
                                QStringLiteral("BMP"),
                                target.settings.BMPFileName};
    prepareSaveDialog(target.dlgSave, setup);
    const std::optional<SaveChoice> choice = services.askSaveFile(target.dlgSave);
    if (!choice)
        return;
    const QString path = chosenFilePath(choice->filePath, setup.defaultSuffix);
    target.settings.BMPFileName = path;
    target.settings.BMPFilterIndex = static_cast<std::uint8_t>(choice->filterIndex);
    if (QString reason; !writeBitmapFile(windowPicture(target.clientArea), path, &reason))
        services.showError(target.clientArea.window(), cannotCreateFileMessage(path, reason));
}

void setAsWallpaper(const FileCommandTarget& target, const FileCommandServices& services,
                    platform::WallpaperStyle style)
{
    const QString path = wallpaperFilePath(services.programFolder);
    // An earlier picture may be the desktop's wallpaper still: only a new one goes again.
    const bool pictureIsNew = !QFileInfo::exists(path);
    if (QString reason; !writeBitmapFile(windowPicture(target.clientArea), path, &reason)) {
        services.showError(target.clientArea.window(), cannotCreateFileMessage(path, reason));
        return;
    }
    if (!services.setWallpaper(path, style)) {
        if (pictureIsNew)
            QFile::remove(path);
        services.beep();
        services.showError(target.clientArea.window(),
                           QCoreApplication::translate("FileCommands", "Could not set desktop wallpaper!"));
    }
}

}  // namespace pecunor
