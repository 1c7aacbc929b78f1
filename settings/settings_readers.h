#pragma once

#include <QAnyStringView>
#include <QSettings>
#include <QString>

#include <cstdint>
#include <optional>

namespace pecunor {

// Readers of single settings values. The INI file keeps no kinds, so every
// value arrives as text and is judged by what that text holds.

// A 32-bit integer in decimal; nullopt otherwise (5000000000 does not fit).
std::optional<std::int32_t> toInt32(const QString& text);

// The integer, or the fallback when the value is missing or not an integer.
std::int32_t readIntOr(const QSettings& store, QAnyStringView name, std::int32_t fallback);

// Any non-zero integer is true; the fallback when missing or not an integer.
bool readBoolOr(const QSettings& store, QAnyStringView name, bool fallback);

// The text, or the fallback when it is missing, not a text or empty.
QString readTextOr(const QSettings& store, QAnyStringView name, const QString& fallback);

}  // namespace pecunor
