#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

#include "engine/text_catalog.h"

namespace pecunor::platform {

// The languages the program is translated into, as its translation files
// "pecunor_<area>_<language>.qm" name them ("de", "pt_BR"), sorted; English,
// the language of the sources, is not among them.
QStringList translatedLanguages();

// The desktop's languages for texts, in QLocale::uiLanguages's order (from
// LANGUAGE on); none where the messages' locale (LC_ALL, LC_MESSAGES, then
// LANG) is C or POSIX, with an encoding or without: there, as for the C
// library, the language list has no say, and C.UTF-8 is C.
QStringList desktopLanguages();

// The language of the interface: the first of the desktop's languages (in
// the order QLocale::uiLanguages gives them) that is English or one of the
// translated ones, as that list names it; a regional form falls back to its
// language ("pt-BR" finds "pt_BR", else "pt"). English otherwise.
QString chooseInterfaceLanguage(const QStringList& uiLanguages, const QStringList& translated = translatedLanguages());

// Installs the program's translations of every area for the language and
// Qt's own (for its dialogs and buttons) on the running application, each
// with the regional fallbacks of QTranslator, and remembers the language.
// Needs a QCoreApplication; English installs nothing.
void useInterfaceLanguage(const QString& language);

// The language installed last; "en" before any.
QString interfaceLanguage();

// The program's translation of one area ("pecunor_setup") into that
// language, with the same fallbacks, not installed; null where the program
// has none.
std::unique_ptr<QTranslator> loadTranslation(const QString& area, const QString& language);

// The engine's texts in that language, from its translation file with the
// same fallbacks; English where there is none. Made once per language.
const TextCatalog& catalogForLanguage(const QString& language);

// The engine's texts in the interface language.
const TextCatalog& interfaceCatalog();

}  // namespace pecunor::platform
