#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

#include "dates.h"
#include "font_record.h"
#include "method_input_memory.h"
#include "regional_settings.h"

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
    FontRecord TableFont;           // FontName, FontSize, FontBold, FontItalic
    std::uint8_t DivLeft = 30;      // splitter position, percent of the window width
    MethodInputMemory MethodInputs; // Dates, Periods, PaymentsDue, Values1-4, InterestPer
    QString TXTFileName;
    std::uint8_t TXTFilterIndex = 1;
    QString BMPFileName;
    std::uint8_t BMPFilterIndex = 1;
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

// Never fails: a missing or damaged file, a missing value or one of the
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
