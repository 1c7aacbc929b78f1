#include "desktop_entry_reader.h"

#include <QProcess>

namespace pecunor::testing {

std::optional<QString> desktopEntryValue(const QByteArray& fileText, const QString& key)
{
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(fileText).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return std::nullopt;
}

namespace {

std::optional<QString> unescapeString(const QString& raw)
{
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\') {
            text += raw[i];
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        switch (raw[i].unicode()) {
        case 's': text += u' '; break;
        case 'n': text += u'\n'; break;
        case 't': text += u'\t'; break;
        case 'r': text += u'\r'; break;
        case '\\': text += u'\\'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

}  // namespace

std::optional<QStringList> splitExec(const QString& rawValue)
{
    const std::optional<QString> value = unescapeString(rawValue);
    if (!value)
        return std::nullopt;
    static const QString reserved = QStringLiteral("\t\n\"'\\><~|&;$*?#()`");
    static const QString escapable = QStringLiteral("\"`$\\");
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    const QString& text = *value;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'%') {
            if (i + 1 == text.size() || text[i + 1] != u'%')
                return std::nullopt;
            current += u'%';
            inArgument = true;
            ++i;
        } else if (quoted) {
            if (c == u'"') {
                quoted = false;
                if (i + 1 < text.size() && text[i + 1] != u' ')
                    return std::nullopt;
            } else if (c == u'\\') {
                if (i + 1 == text.size() || !escapable.contains(text[i + 1]))
                    return std::nullopt;
                current += text[++i];
            } else {
                current += c;
            }
        } else if (c == u' ') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == u'"') {
            // Quotes enclose a whole argument only.
            if (inArgument)
                return std::nullopt;
            quoted = true;
            inArgument = true;
        } else if (reserved.contains(c)) {
            return std::nullopt;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    return arguments;
}

QString desktopFileErrors(const QString& path)
{
    QProcess validator;
    validator.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validator.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not run");
    QStringList errors;
    const QString output = QString::fromUtf8(validator.readAllStandardOutput() + validator.readAllStandardError());
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
        if (line.contains(QLatin1String("error:")))
            errors << line;
    return errors.join(u'\n');
}

}  // namespace pecunor::testing
