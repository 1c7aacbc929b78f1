#include "font_record_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>

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

FontRecord recordFromChoice(const FontRecord& stored, const QFont& chosen)
{
    FontRecord record = recordFromFont(chosen);
    if (chosen.family() == QFontInfo(fontFromRecord(stored)).family())
        record.faceName = stored.faceName;
    return record;
}

void prepareTableFontDialog(QFontDialog& dialog, const QFont& stored)
{
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QFont shown(QFontInfo(stored).family());
    shown.setPointSize(stored.pointSize() > 0 ? stored.pointSize() : QFontInfo(stored).pointSize());
    shown.setBold(stored.bold());
    shown.setItalic(stored.italic());
    dialog.setCurrentFont(shown);
    // Underline, strike-out and the writing system would be dropped again:
    // the table keeps face, size, bold and italic only.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (!group->findChildren<QCheckBox*>().isEmpty())
            group->hide();
    for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
        box->hide();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() == box)
                label->hide();
    }
}

}  // namespace pecunor
