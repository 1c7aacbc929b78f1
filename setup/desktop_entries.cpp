#include "desktop_entries.h"

#include <QFile>
#include <QFileInfo>
#include <QTranslator>

#include <memory>

#include "install_steps.h"
#include "platform/shell_folders.h"
#include "platform/ui_language.h"
#include "platform/whole_file.h"

namespace pecunor {

namespace {

bool needsQuotes(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument)
        if (reserved.contains(c))
            return true;
    return false;
}

// The escapes of every string value: a backslash and the control
// characters a value cannot hold as they are.
QString escapedValue(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        default: escaped += c;
        }
    }
    if (escaped.startsWith(u' '))
        escaped.replace(0, 1, QStringLiteral("\\s"));
    return escaped;
}

// As in the package's menu entry; each language's from its setup translation.
constexpr auto entryContext = "pecunor::DesktopEntry";
constexpr auto genericName = QT_TRANSLATE_NOOP("pecunor::DesktopEntry", "Financial Calculator");
constexpr auto comment =
    QT_TRANSLATE_NOOP("pecunor::DesktopEntry", "Future and present values, loan payments, depreciation and bonds, "
                                               "period by period");
// A translation lists its own words, the English ones not repeated.
constexpr auto keywords =
    QT_TRANSLATE_NOOP("pecunor::DesktopEntry", "finance;loan;annuity;interest;depreciation;bond;calculator;");
// The names of the help and uninstall entries, which the installer gives in
// English; %1 is the product's name.
constexpr auto helpName = QT_TRANSLATE_NOOP("pecunor::DesktopEntry", "%1 Help");
constexpr auto uninstallName = QT_TRANSLATE_NOOP("pecunor::DesktopEntry", "Uninstall %1");

// The entry's texts in one language: "GenericName[de]=…" and the like.
struct LocalizedEntry {
    QString language;
    std::unique_ptr<QTranslator> translator;

    QString text(const char* english) const { return translator->translate(entryContext, english); }
    QString key(const char* name) const { return QStringLiteral("%1[%2]=").arg(QLatin1String(name), language); }
};

std::vector<LocalizedEntry> localizedEntries()
{
    std::vector<LocalizedEntry> entries;
    for (const QString& language : platform::translatedLanguages())
        if (auto translator = platform::loadTranslation(QStringLiteral("pecunor_setup"), language))
            entries.push_back({language, std::move(translator)});
    return entries;
}

// The name in that language of a help or uninstall entry; empty for any
// other name or where the language lacks it.
QString localizedName(const QString& name, const LocalizedEntry& entry)
{
    const QString product = productNameText();
    for (const char* english : {helpName, uninstallName}) {
        const QString translated = entry.text(english);
        if (!translated.isEmpty() && name == QString::fromLatin1(english).arg(product))
            return translated.arg(product);
    }
    return {};
}

}  // namespace

QString execArgument(const QString& argument)
{
    QString quoted = argument;
    quoted.replace(u'%', QStringLiteral("%%"));
    if (!needsQuotes(argument))
        return quoted;
    QString inner;
    for (const QChar c : quoted) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            inner += u'\\';
        inner += c;
    }
    return u'"' + inner + u'"';
}

QByteArray desktopEntryText(const DesktopEntry& entry)
{
    QStringList exec;
    // GLib looks for the program before it turns "%%" back into "%", so a
    // program whose path holds a "%" is started through env, which it finds.
    if (!entry.command.isEmpty() && entry.command.first().contains(u'%'))
        exec << QStringLiteral("env");
    for (const QString& argument : entry.command)
        exec << execArgument(argument);
    QString text = QStringLiteral("[Desktop Entry]\nVersion=1.0\nType=Application\n");
    text += QStringLiteral("Name=") + escapedValue(entry.name) + u'\n';
    const std::vector<LocalizedEntry> languages = localizedEntries();
    for (const LocalizedEntry& language : languages)
        if (const QString name = localizedName(entry.name, language); !name.isEmpty())
            text += language.key("Name") + escapedValue(name) + u'\n';
    text += QStringLiteral("Exec=") + escapedValue(exec.join(u' ')) + u'\n';
    if (!entry.workingFolder.isEmpty())
        text += QStringLiteral("Path=") + escapedValue(entry.workingFolder) + u'\n';
    if (!entry.icon.isEmpty())
        text += QStringLiteral("Icon=") + escapedValue(entry.icon) + u'\n';
    if (entry.describesCalculator) {
        text += QStringLiteral("GenericName=%1\nComment=%2\nKeywords=%3\n")
                    .arg(QLatin1String(genericName), QLatin1String(comment), QLatin1String(keywords));
        for (const LocalizedEntry& language : languages)
            for (const auto& [key, english] : {std::pair{"GenericName", genericName}, std::pair{"Comment", comment},
                                               std::pair{"Keywords", keywords}})
                if (const QString translated = language.text(english); !translated.isEmpty())
                    text += language.key(key) + escapedValue(translated) + u'\n';
    }
    // The class of the program's windows (the application's name), which
    // ties them to their entry; every entry starts a program that opens a
    // window, so the desktop may show it starting until that window maps.
    text += QStringLiteral("StartupNotify=true\nStartupWMClass=") + productNameText() + u'\n';
    text += QStringLiteral("Terminal=false\nCategories=Office;Finance;\n");
    return text.toUtf8();
}

bool writeDesktopEntry(const QString& path, const DesktopEntry& entry, QString* reason)
{
    if (!makeFolders(QFileInfo(path).absolutePath(), reason))
        return false;
    const QByteArray text = desktopEntryText(entry);
    if (!platform::writeWholeFile(
            path, [&text](QFileDevice& file) { return file.write(text) == text.size(); }, reason))
        return false;
    // A launcher runs only when it is executable; set once it is in place,
    // since a replaced entry keeps the mode it had.
    QFile file(path);
    if (file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::ExeOther))
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

}  // namespace pecunor

namespace pecunor {

namespace {
constexpr int iconSizes[] = {48, 256};
}

QStringList programIconFiles(const QString& themeFolder)
{
    QStringList files;
    for (const int size : iconSizes)
        files << QStringLiteral("%1/%2x%2/apps/%3.png").arg(themeFolder).arg(size).arg(QLatin1String(programIconName));
    return files;
}

std::vector<FileFailure> installProgramIcons(const QString& themeFolder)
{
    std::vector<FileFailure> failures;
    const QStringList files = programIconFiles(themeFolder);
    for (qsizetype i = 0; i < files.size(); ++i) {
        QFile picture(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(programIconName)).arg(iconSizes[i]));
        if (!picture.open(QIODevice::ReadOnly)) {
            failures.push_back({files.at(i), picture.errorString()});
            continue;
        }
        const QByteArray bytes = picture.readAll();
        QString reason;
        if (!makeFolders(QFileInfo(files.at(i)).absolutePath(), &reason) ||
            !platform::writeWholeFile(
                files.at(i), [&bytes](QFileDevice& file) { return file.write(bytes) == bytes.size(); }, &reason))
            failures.push_back({files.at(i), reason});
    }
    return failures;
}

std::vector<FileFailure> writeUninstallEntry(const QString& installFolder, const QString& programName)
{
    std::vector<FileFailure> failures = installProgramIcons(platform::iconThemeFolder());
    const QString entry = uninstallEntryPath(platform::uninstallEntriesFolder());
    QString reason;
    if (!writeDesktopEntry(entry,
                           {.name = QStringLiteral("Uninstall ") + productNameText(),
                            .command = uninstallCommand(installFolder, programName),
                            .workingFolder = QString(),
                            .icon = QLatin1String(programIconName),
                            .describesCalculator = false},
                           &reason))
        failures.push_back({entry, reason});
    return failures;
}

}  // namespace pecunor
