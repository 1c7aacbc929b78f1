#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

#include "engine/dates.h"
#include "engine/font_record.h"
#include "engine/method_input_memory.h"
#include "engine/regional_settings.h"

namespace pecunor {

// Everything the program remembers between runs, named after the settings
// values it persists.
struct AppSettings {
    // Every value at its default: today for every method's start date, the
    // export files in exportFolder (the program folder unless that is
    // read-only; it ends in a separator).
    AppSettings(DayNumber today, const QString& exportFolder);

    // The main window's last normal rectangle; Right and Bottom are edges.
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 640;
    std::int32_t Bottom = 480;
    // Not a stored value: whether the file held the window's size. A window
    // without one may size itself to its first sheet.
    bool sizeStored = false;
    std::uint8_t WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    std::uint8_t Page = 0;         // the selected method, bounded by the window
    bool HorGridlines = true;
    bool VerGridlines = true;
    bool Stretched = true;
    bool HideAbout = false;
    FontRecord TableFont;            // FontName, FontSize, FontBold, FontItalic
    std::uint8_t DivLeft = 30;       // splitter position, percent of the window width
    MethodInputMemory MethodInputs;  // Dates, Periods, PaymentsDue, Values1-4, InterestPer
    QString TXTFileName;
    std::uint8_t TXTFilterIndex = 1;
    QString BMPFileName;
    std::uint8_t BMPFilterIndex = 1;
    QString XLSXFileName;  // the last workbook of Save As Spreadsheet
    QString PDFFileName;   // the last file of the print options' Save as PDF
};

// What a save reports: the value that could not be stored, none on success.
struct SaveResult {
    QString failedValue;
    // The file that could not be written and the system's reason, for the user
    // to act on; empty when not known.
    QString filePath;
    QString reason;

    bool succeeded() const { return failedValue.isEmpty(); }
    // The text for the user: "Failed to set data for '<value>'", then the
    // file and the reason on a line of their own.
    QString message() const;
};

// Where QSettings keeps the native per-user settings of the organisation
// and application named by ProductRegistryKey:
// $XDG_CONFIG_HOME/Brackwell/Pecunor 97.conf.
QString userSettingsFilePath();

// No settings file the program writes comes near this size; a larger one is
// not read, so that a damaged or foreign file cannot stall the start.
inline constexpr qint64 largestSettingsFile = 1024 * 1024;

// Why the file at filePath cannot be read as settings, in words for the user:
// it is not a regular file (a pipe would block the start), may not be read,
// or is larger than largestSettingsFile. Empty when it can be read or does
// not exist.
QString settingsFileProblem(const QString& filePath);

// The message the calculator shows at start when the settings file has such
// a problem.
QString unreadableSettingsMessage(const QString& filePath, const QString& problem);

// Whether an uninstall took the program while it ran: the program file and
// the settings file are both gone. A program folder that was only moved or
// renamed (an unplugged stick) leaves the settings file, and they are saved.
bool settingsGoneWithProgram(const QString& programFile, const QString& settingsFile);

// Never fails: a file with a problem above, a missing or damaged file, a missing value or one of the
// wrong kind gives that value's default. Creates an empty file when there
// is none, so the store exists after the first start.
AppSettings loadSettings(DayNumber today, const RegionalSettings& regional, const QString& exportFolder,
                         const QString& filePath = userSettingsFilePath());

// The file's text: every value in a fixed order, AppPath and Version first.
QByteArray settingsFileText(const AppSettings& settings, const QString& programFolder);

// Replaces the file as a whole. On failure nothing was stored, the previous
// file stays as it was, and the result names AppPath, the first value.
SaveResult saveSettings(const AppSettings& settings, const QString& programFolder,
                        const QString& filePath = userSettingsFilePath());

}  // namespace pecunor
