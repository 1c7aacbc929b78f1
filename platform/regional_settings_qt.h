#pragma once

#include <optional>

#include <QLocale>
#include <QString>

#include "regional_settings.h"

namespace pecunor::platform {

// The engine's settings derived from a Qt locale. Separators and the
// currency symbol are taken as the locale writes them; the currency
// placement and negative pattern are found by formatting amounts with it.
RegionalSettings regionalSettingsFrom(const QLocale& locale);
RegionalSettings systemRegionalSettings();

// The locale of a name such as "de_DE", "fr_CH.UTF-8", "de" or "C";
// nullopt when Qt knows no language of that name.
std::optional<QLocale> localeNamed(const QString& name);

// Reads a formatted amount of 1 as a placement 0-3 ("$1", "1$", "$ 1",
// "1 $") and of -1 as one of the sixteen negative patterns 0-15; nullopt
// when the text fits none. Any kind of blank counts as one blank; bidi
// marks are ignored.
std::optional<int> currencyPlacementOf(const QString& positive, const QString& symbol);
std::optional<int> negativeCurrencyPatternOf(const QString& negative, const QString& symbol, const QString& minus);

}  // namespace pecunor::platform
