#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include "settings/app_settings.h"

// Readable QString values in failure messages.
void PrintTo(const QString& text, std::ostream* out);

namespace pecunor {

void PrintTo(const MethodInput& input, std::ostream* out);
void PrintTo(const FontRecord& font, std::ostream* out);

namespace test {

inline constexpr DayNumber today = 36892;  // 1 January 2001
inline const QString programFolder = QStringLiteral("/opt/Ostrel Pecunor 97/");

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Every value away from its default and every method's slot different.
AppSettings sampleSettings();

void expectSameSettings(const AppSettings& expected, const AppSettings& actual);

// Each test works in a folder of its own.
class SettingsFileTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }
    virtual QString settingsPath() const { return pathOf(QStringLiteral("Brackwell/Pecunor 97.conf")); }

private:
    QTemporaryDir folder_;
};

}  // namespace test
}  // namespace pecunor
