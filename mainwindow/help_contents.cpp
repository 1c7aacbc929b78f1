#include "help_contents.h"

#include <optional>

namespace pecunor {
namespace {

constexpr int deepestLevel = 9;

std::optional<HelpContentsEntry> parseEntry(QStringView line)
{
    qsizetype digits = 0;
    while (digits < line.size() && line[digits].isDigit())
        ++digits;
    if (digits == 0 || digits == line.size() || !line[digits].isSpace())
        return std::nullopt;
    const int level = line.left(digits).toInt();
    if (level < 1 || level > deepestLevel)
        return std::nullopt;

    const QStringView body = line.mid(digits).trimmed();
    const qsizetype equals = body.lastIndexOf(u'=');
    if (equals < 0)
        return body.isEmpty() ? std::nullopt : std::optional(HelpContentsEntry{level, body.toString(), {}});

    const QStringView title = body.left(equals).trimmed();
    QStringView anchor = body.mid(equals + 1);
    for (const char16_t suffix : {u'@', u'>'}) {
        if (const qsizetype at = anchor.indexOf(suffix); at >= 0)
            anchor = anchor.left(at);
    }
    anchor = anchor.trimmed();
    if (title.isEmpty() || anchor.isEmpty())
        return std::nullopt;
    return HelpContentsEntry{level, title.toString(), anchor.toString()};
}

}  // namespace

HelpContents parseHelpContents(QStringView text)
{
    HelpContents contents;
    for (const QStringView rawLine : text.tokenize(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.startsWith(u':')) {
            if (line.startsWith(u":Title", Qt::CaseInsensitive) && (line.size() == 6 || line[6].isSpace()))
                contents.title = line.mid(6).trimmed().toString();
        } else if (const auto entry = parseEntry(line)) {
            contents.entries.append(*entry);
        }
    }
    return contents;
}

}  // namespace pecunor
