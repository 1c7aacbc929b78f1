#include "ini_text.h"

namespace pecunor {

namespace {

bool isHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

QString hexEscape(char16_t c) { return QStringLiteral("\\x") + QString::number(c, 16); }

// The escape QSettings reads as c; empty when c stands for itself.
QString namedEscape(char16_t c)
{
    switch (c) {
    case u'\a': return QStringLiteral("\\a");
    case u'\b': return QStringLiteral("\\b");
    case u'\f': return QStringLiteral("\\f");
    case u'\n': return QStringLiteral("\\n");
    case u'\r': return QStringLiteral("\\r");
    case u'\t': return QStringLiteral("\\t");
    case u'\v': return QStringLiteral("\\v");
    case u'"': return QStringLiteral("\\\"");
    case u'\\': return QStringLiteral("\\\\");
    default: return {};
    }
}

bool needsQuotes(const QString& text, const QString& escaped)
{
    // Unquoted, a comma makes a list, ";" starts a comment, "=" ends a key
    // and blanks at either end are trimmed.
    return text.contains(u',') || text.contains(u';') || text.contains(u'=') || escaped.startsWith(u' ') ||
           escaped.endsWith(u' ');
}

}  // namespace

QByteArray iniValueText(const QString& text)
{
    QString escaped;
    // A leading "@" marks Qt's typed values; doubled, it reads as a plain "@".
    if (text.startsWith(u'@'))
        escaped += u'@';
    // A hex escape runs on over hex digits, so digits right after one are escaped too.
    bool afterHexEscape = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (afterHexEscape && isHexDigit(c)) {
            escaped += hexEscape(c);
            continue;
        }
        afterHexEscape = false;
        if (const QString named = namedEscape(c); !named.isEmpty()) {
            escaped += named;
        } else if (c < 0x20) {
            escaped += hexEscape(c);
            afterHexEscape = true;
        } else {
            escaped += ch;
        }
    }
    QByteArray bytes = escaped.toUtf8();
    if (needsQuotes(text, escaped))
        bytes = '"' + bytes + '"';
    return bytes;
}

QByteArray iniFileText(const std::vector<IniValue>& values)
{
    QByteArray file = "[General]\n";
    for (const IniValue& value : values)
        file += value.name.toLatin1() + '=' + iniValueText(value.text) + '\n';
    return file;
}

}  // namespace pecunor
