#include "font_record_qt.h"

#include <QFontInfo>

namespace pecunor {

QFont fontFromRecord(const FontRecord& record)
{
    QFont font(QString::fromStdString(record.faceName));
    // A stored size of 0 or less would make Qt warn and keep its default anyway.
    if (record.sizePoints > 0)
        font.setPointSize(record.sizePoints);
    font.setBold(record.bold);
    font.setItalic(record.italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

FontRecord recordFromFont(const QFont& font)
{
    FontRecord record;
    record.faceName = font.family().toStdString();
    // A font given in pixels has no point size of its own; ask what it resolved to.
    record.sizePoints = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    record.bold = font.bold();
    record.italic = font.italic();
    return record;
}

}  // namespace pecunor
