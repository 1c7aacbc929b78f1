#include "ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <memory>

#include "regional_settings_qt.h"

namespace pecunor::platform {

namespace {

const QString english = QStringLiteral("en");
const QString translationFolder = QStringLiteral(":/i18n");
const QString filePrefix = QStringLiteral("pecunor_");
const QString engineArea = QStringLiteral("pecunor_engine");

QString& installedLanguage()
{
    static QString language = english;
    return language;
}

// "pecunor_window_pt_BR.qm" as its area "pecunor_window" and language "pt_BR".
struct TranslationFile {
    QString area;
    QString language;
};

QList<TranslationFile> translationFiles()
{
    QList<TranslationFile> files;
    for (QString name : QDir(translationFolder).entryList({filePrefix + QStringLiteral("*.qm")}, QDir::Files)) {
        name.chop(3);
        const qsizetype languageStart = name.indexOf(u'_', filePrefix.size());
        if (languageStart > 0)
            files.append({name.left(languageStart), name.mid(languageStart + 1)});
    }
    return files;
}

std::unique_ptr<QTranslator> loaded(const QString& language, const QString& area, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (language == english || !translator->load(QLocale(language), area, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

void install(std::unique_ptr<QTranslator> translator)
{
    if (!translator)
        return;
    // The application ends its translators' lives.
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

std::string translatedText(const QTranslator& translator, std::string_view context, std::string_view text,
                           std::string_view disambiguation)
{
    const std::string contextText(context);
    const std::string englishText(text);
    const std::string disambiguationText(disambiguation);
    const QString translated =
        translator.translate(contextText.c_str(), englishText.c_str(), disambiguationText.c_str());
    return translated.isEmpty() ? englishText : translated.toStdString();
}

}  // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    for (const TranslationFile& file : translationFiles())
        languages.append(file.language);
    languages.removeDuplicates();
    languages.sort();
    return languages;
}

QStringList desktopLanguages()
{
    const QString base = localeNameOf("LC_MESSAGES").section(u'.', 0, 0).section(u'@', 0, 0);
    if (base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return {};
    return QLocale::system().uiLanguages();
}

QString chooseInterfaceLanguage(const QStringList& uiLanguages, const QStringList& translated)
{
    for (QString code : uiLanguages) {
        code.replace(u'-', u'_');
        if (code.section(u'_', 0, 0).compare(english, Qt::CaseInsensitive) == 0)
            return english;
        // "pt_BR", then "pt"; "DE_at" names "de" as well.
        for (; !code.isEmpty(); code = code.section(u'_', 0, -2))
            for (const QString& language : translated)
                if (language.compare(code, Qt::CaseInsensitive) == 0)
                    return language;
    }
    return english;
}

void useInterfaceLanguage(const QString& language)
{
    installedLanguage() = language;
    if (language == english)
        return;
    QStringList areas;
    for (const TranslationFile& file : translationFiles())
        areas.append(file.area);
    areas.removeDuplicates();
    for (const QString& area : areas)
        install(loadTranslation(area, language));
    install(loaded(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

QString interfaceLanguage() { return installedLanguage(); }

std::unique_ptr<QTranslator> loadTranslation(const QString& area, const QString& language)
{
    return loaded(language, area, translationFolder);
}

const TextCatalog& catalogForLanguage(const QString& language)
{
    static std::map<QString, std::unique_ptr<TranslatedCatalog>> catalogs;
    const auto [made, isNew] = catalogs.try_emplace(language);
    if (isNew)
        if (const auto translator = loadTranslation(engineArea, language))
            made->second = std::make_unique<TranslatedCatalog>(
                [&translator](std::string_view context, std::string_view text, std::string_view disambiguation) {
                    return translatedText(*translator, context, text, disambiguation);
                });
    return made->second ? made->second->texts() : englishCatalog();
}

const TextCatalog& interfaceCatalog() { return catalogForLanguage(interfaceLanguage()); }

}  // namespace pecunor::platform
