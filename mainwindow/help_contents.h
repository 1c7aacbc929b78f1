#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace pecunor {

struct HelpContentsEntry {
    int level;  // 1 for the outermost
    QString title;
    QString anchor;  // empty for a heading that only groups the topics below it

    friend bool operator==(const HelpContentsEntry&, const HelpContentsEntry&) = default;
};

struct HelpContents {
    QString title;
    QList<HelpContentsEntry> entries;  // in file order
};

// Reads a contents file in the classic text form: command lines starting with
// ":" (":Title <text>" is kept, the others such as ":Base" are skipped) and
// entry lines "<level> <title>" for a heading or "<level> <title>=<anchor>"
// for a topic; an "@file" or ">window" after the anchor is ignored. Lines of
// any other form, and topics with an empty title or anchor, are skipped.
HelpContents parseHelpContents(QStringView text);

}  // namespace pecunor
