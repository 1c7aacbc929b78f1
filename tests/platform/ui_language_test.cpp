#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ui_language.h"

namespace pecunor::platform {
namespace {

TEST(InterfaceLanguage, FirstDesktopLanguageThatIsTranslatedOrEnglish)
{
    struct Case {
        const char* name;
        QStringList uiLanguages;
        QString expected;
    };
    const Case cases[] = {
        {"German desktop", {"de-DE", "de", "en-US"}, "de"},
        {"English first wins over a later German", {"en-US", "de"}, "en"},
        {"untranslated language skipped", {"fr-FR", "fr", "de-CH"}, "de"},
        {"underscore and capitals", {"DE_at"}, "de"},
        {"nothing translated", {"fr-FR", "ja"}, "en"},
        {"C locale", {"C"}, "en"},
        {"no languages", {}, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseInterfaceLanguage(c.uiLanguages), c.expected) << c.name;
}

TEST(InterfaceLanguage, GermanInstallsTheProgramsAndQtsTranslations)
{
    int argc = 1;
    char name[] = "ui_language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    ASSERT_EQ(interfaceLanguage(), "en");

    useInterfaceLanguage("de");
    EXPECT_EQ(interfaceLanguage(), "de");
    // Qt's own dialogs and buttons.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Speichern unter");
    // The program's own: the window's File menu.
    EXPECT_EQ(QCoreApplication::translate("pecunor::TfrmCalc", "&File"), "&Datei");
}

}  // namespace
}  // namespace pecunor::platform
