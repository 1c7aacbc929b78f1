#include "app_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ini_text.h"
#include "method_lists.h"
#include "platform/whole_file.h"
#include "product/product_constants.h"
#include "settings_readers.h"

namespace pecunor {

namespace {

std::uint8_t lowByte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

QString flagText(bool flag) { return flag ? QStringLiteral("1") : QStringLiteral("0"); }

// The program folder without its trailing separator, unless it is the root.
QString appPathOf(const QString& programFolder)
{
    if (programFolder.size() > 1 && programFolder.endsWith(u'/'))
        return programFolder.chopped(1);
    return programFolder;
}

void createIfMissing(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        return;
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // Loading reports nothing, so a store that cannot be created stays missing.
    QFile(filePath).open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

}  // namespace

AppSettings::AppSettings(DayNumber today, const QString& exportFolder)
    : MethodInputs(today),
      TXTFileName(exportFolder + QStringLiteral("Pecunor.txt")),
      BMPFileName(exportFolder + QStringLiteral("Pecunor.bmp")),
      XLSXFileName(exportFolder + QStringLiteral("Pecunor.xlsx")),
      PDFFileName(exportFolder + QStringLiteral("Pecunor.pdf"))
{
}

QString SaveResult::message() const
{
    // The value's name is the settings file's own word and stays as it is.
    if (filePath.isEmpty())
        return QCoreApplication::translate("Settings", "Failed to set data for '%1'").arg(failedValue);
    return QCoreApplication::translate("Settings", "Failed to set data for '%1'\n%2: %3")
        .arg(failedValue, QDir::toNativeSeparators(filePath), reason);
}

QString userSettingsFilePath()
{
    // Software\<organisation>\<application>, as QSettings maps them into the
    // registry; not asked of a QSettings, which would read the file (and block
    // on a pipe) only to name it.
    const QString key = QString::fromUtf8(Product.ProductRegistryKey);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + key.section(u'\\', 1, 1) +
           u'/' + key.section(u'\\', 2, 2) + QStringLiteral(".conf");
}

QString settingsFileProblem(const QString& filePath)
{
    const QByteArray path = QFile::encodeName(filePath);
    struct stat status { };
    if (::stat(path.constData(), &status) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return QCoreApplication::translate("Settings", "it is not a regular file");
    if (::faccessat(AT_FDCWD, path.constData(), R_OK, AT_EACCESS) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (status.st_size > largestSettingsFile)
        return QCoreApplication::translate("Settings", "it is larger than %1 KB").arg(largestSettingsFile / 1024);
    return {};
}

QString unreadableSettingsMessage(const QString& filePath, const QString& problem)
{
    return QCoreApplication::translate("Settings", "The settings file\n%1\ncannot be read: %2.\n\nThe calculator "
                                                   "starts with its default settings.")
        .arg(QDir::toNativeSeparators(filePath), problem);
}

bool settingsGoneWithProgram(const QString& programFile, const QString& settingsFile)
{
    return !QFileInfo::exists(programFile) && !QFileInfo::exists(settingsFile);
}

AppSettings loadSettings(DayNumber today, const RegionalSettings& regional, const QString& exportFolder,
                         const QString& filePath)
{
    AppSettings settings(today, exportFolder);
    if (!settingsFileProblem(filePath).isEmpty())
        return settings;
    createIfMissing(filePath);
    const QSettings store(filePath, QSettings::IniFormat);
    // No ranges are checked here: the users of Page and of the indexes bound them.
    settings.Left = readIntOr(store, "Left", settings.Left);
    settings.Top = readIntOr(store, "Top", settings.Top);
    settings.Right = readIntOr(store, "Right", settings.Right);
    settings.Bottom = readIntOr(store, "Bottom", settings.Bottom);
    settings.sizeStored = toInt32(store.value("Right").toString()) && toInt32(store.value("Bottom").toString());
    settings.WindowState = lowByte(readIntOr(store, "WindowState", settings.WindowState));
    settings.Page = lowByte(readIntOr(store, "Page", settings.Page));
    settings.HorGridlines = readBoolOr(store, "HorGridlines", settings.HorGridlines);
    settings.VerGridlines = readBoolOr(store, "VerGridlines", settings.VerGridlines);
    settings.Stretched = readBoolOr(store, "Stretched", settings.Stretched);
    settings.HideAbout = readBoolOr(store, "HideAbout", settings.HideAbout);
    FontRecord& font = settings.TableFont;
    font.faceName = readTextOr(store, "FontName", QString::fromStdString(font.faceName)).toStdString();
    font.sizePoints = readIntOr(store, "FontSize", font.sizePoints);
    font.bold = readBoolOr(store, "FontBold", font.bold);
    font.italic = readBoolOr(store, "FontItalic", font.italic);
    settings.DivLeft = lowByte(readIntOr(store, "DivLeft", settings.DivLeft));
    for (const MethodList list : methodLists) {
        const QString text = readTextOr(store, QString::fromLatin1(methodListName(list)), QString());
        restoreMethodList(list, text.toStdString(), settings.MethodInputs, today, regional);
    }
    settings.TXTFileName = readTextOr(store, "TXTFileName", settings.TXTFileName);
    settings.TXTFilterIndex = lowByte(readIntOr(store, "TXTFilterIndex", settings.TXTFilterIndex));
    settings.BMPFileName = readTextOr(store, "BMPFileName", settings.BMPFileName);
    settings.BMPFilterIndex = lowByte(readIntOr(store, "BMPFilterIndex", settings.BMPFilterIndex));
    settings.XLSXFileName = readTextOr(store, "XLSXFileName", settings.XLSXFileName);
    settings.PDFFileName = readTextOr(store, "PDFFileName", settings.PDFFileName);
    return settings;
}

QByteArray settingsFileText(const AppSettings& settings, const QString& programFolder)
{
    const FontRecord& font = settings.TableFont;
    std::vector<IniValue> values{
        {"AppPath", appPathOf(programFolder)},
        {"Version", QString::fromUtf8(Product.ProductVersion)},
        {"Left", QString::number(settings.Left)},
        {"Top", QString::number(settings.Top)},
        {"Right", QString::number(settings.Right)},
        {"Bottom", QString::number(settings.Bottom)},
        {"WindowState", QString::number(settings.WindowState)},
        {"Page", QString::number(settings.Page)},
        {"HorGridlines", flagText(settings.HorGridlines)},
        {"VerGridlines", flagText(settings.VerGridlines)},
        {"Stretched", flagText(settings.Stretched)},
        {"HideAbout", flagText(settings.HideAbout)},
        {"FontName", QString::fromStdString(font.faceName)},
        {"FontSize", QString::number(font.sizePoints)},
        {"FontBold", flagText(font.bold)},
        {"FontItalic", flagText(font.italic)},
        {"DivLeft", QString::number(settings.DivLeft)},
    };
    for (const MethodList list : methodLists)
        values.push_back({QString::fromLatin1(methodListName(list)),
                          QString::fromStdString(methodListText(list, settings.MethodInputs))});
    values.push_back({"TXTFileName", settings.TXTFileName});
    values.push_back({"TXTFilterIndex", QString::number(settings.TXTFilterIndex)});
    values.push_back({"BMPFileName", settings.BMPFileName});
    values.push_back({"BMPFilterIndex", QString::number(settings.BMPFilterIndex)});
    values.push_back({"XLSXFileName", settings.XLSXFileName});
    values.push_back({"PDFFileName", settings.PDFFileName});
    return iniFileText(values);
}

SaveResult saveSettings(const AppSettings& settings, const QString& programFolder, const QString& filePath)
{
    const QByteArray text = settingsFileText(settings, programFolder);
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return SaveResult{QStringLiteral("AppPath"), filePath,
                          QCoreApplication::translate("Settings", "its folder could not be created")};
    // Renamed over the old file only when complete, so a failed or
    // interrupted save leaves the last good file.
    QString reason;
    const bool written = platform::writeWholeFile(
        filePath, [&text](QIODevice& file) { return file.write(text) == text.size(); }, &reason);
    if (written)
        return {};
    // Nothing is stored unless everything is, so the first value is the one that failed.
    return SaveResult{QStringLiteral("AppPath"), filePath, reason};
}

}  // namespace pecunor
