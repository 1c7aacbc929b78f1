#pragma once

#include <QString>
#include <QStringList>

namespace pecunor::platform {

// The language of the interface: the first of the desktop's languages (in
// the order QLocale::uiLanguages gives them, "de-DE" counting as "de") that
// the program is translated into or that is English; English otherwise.
QString chooseInterfaceLanguage(const QStringList& uiLanguages);

// Installs the program's translations for the language and Qt's own (for its
// dialogs and buttons) on the running application, and remembers the
// language. Needs a QCoreApplication; English installs nothing.
void useInterfaceLanguage(const QString& language);

// The language installed last; "en" before any.
QString interfaceLanguage();

}  // namespace pecunor::platform
