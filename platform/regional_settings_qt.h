#pragma once

#include <optional>

#include <QLocale>
#include <QString>

#include "engine/regional_settings.h"

namespace pecunor::platform {

// The engine's settings derived from a Qt locale. Separators and the
// currency symbol are taken as the locale writes them; the currency
// placement and negative pattern are found by formatting amounts with it.
RegionalSettings regionalSettingsFrom(const QLocale& locale);

// The settings of a locale name such as "de_CH.UTF-8": Qt's data for the
// locale, with the currency's place and negative form as the machine's C
// library writes amounts in that locale, where the machine has it. nullopt
// when Qt knows no language of that name.
std::optional<RegionalSettings> regionalSettingsNamed(const QString& name);

// Numbers follow the locale that LC_NUMERIC names, amounts LC_MONETARY and
// dates LC_TIME, with LC_ALL before and LANG after each, as the C library
// reads them; the C locale where none is set or the name is unknown.
// LANGUAGE, the order of languages for texts, changes no form.
RegionalSettings systemRegionalSettings();

// The locale of a name such as "de_DE", "fr_CH.UTF-8", "de" or "C";
// nullopt when Qt knows no language of that name.
std::optional<QLocale> localeNamed(const QString& name);

// The locale name a category ("LC_TIME") takes from the environment, in the
// C library's order: LC_ALL, the category's own variable, then LANG; "C"
// when none is set.
QString localeNameOf(const char* category);

// The locale of the dates' category (LC_ALL, LC_TIME, LANG), whose month and
// day names go with the dates as they are written; C when none is known.
QLocale systemDateLocale();

// Reads a formatted amount of 1 as a placement 0-3 ("$1", "1$", "$ 1",
// "1 $") and of -1 as one of the sixteen negative patterns 0-15; nullopt
// when the text fits none. Any kind of blank counts as one blank; bidi
// marks are ignored.
std::optional<int> currencyPlacementOf(const QString& positive, const QString& symbol);
std::optional<int> negativeCurrencyPatternOf(const QString& negative, const QString& symbol, const QString& minus);

}  // namespace pecunor::platform
