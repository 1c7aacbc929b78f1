#include "ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace pecunor::platform {

namespace {

const QString english = QStringLiteral("en");
const QString translationFolder = QStringLiteral(":/i18n");

QString& installedLanguage()
{
    static QString language = english;
    return language;
}

// "de-DE", "de_AT" and "DE" all name German.
QString languagePart(const QString& uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

QStringList programTranslations(const QString& language)
{
    return QDir(translationFolder)
        .entryList({QStringLiteral("*_%1.qm").arg(language)}, QDir::Files, QDir::Name);
}

void install(const QString& fileName, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

QString chooseInterfaceLanguage(const QStringList& uiLanguages)
{
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = languagePart(uiLanguage);
        if (language == english || !programTranslations(language).isEmpty())
            return language;
    }
    return english;
}

void useInterfaceLanguage(const QString& language)
{
    installedLanguage() = language;
    if (language == english)
        return;
    for (const QString& file : programTranslations(language))
        install(file, translationFolder);
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString interfaceLanguage() { return installedLanguage(); }

}  // namespace pecunor::platform
