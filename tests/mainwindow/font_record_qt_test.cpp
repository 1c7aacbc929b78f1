#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "mainwindow/font_record_qt.h"

namespace pecunor {
namespace {

struct FontCase {
    const char* name;
    FontRecord record;
};

class FontRecordQtTest : public ::testing::TestWithParam<FontCase> { };

TEST_P(FontRecordQtTest, FontCarriesFaceSizeAndStyleOnly)
{
    const FontRecord& record = GetParam().record;
    const QFont font = fontFromRecord(record);
    EXPECT_EQ(font.family().toStdString(), record.faceName);
    EXPECT_EQ(font.pointSize(), record.sizePoints);
    EXPECT_EQ(font.bold(), record.bold);
    EXPECT_EQ(font.italic(), record.italic);
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
}

TEST_P(FontRecordQtTest, RecordComesBackFromItsFont)
{
    EXPECT_EQ(recordFromFont(fontFromRecord(GetParam().record)), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(Records, FontRecordQtTest,
                         ::testing::Values(FontCase{"Default", FontRecord{}},
                                           FontCase{"BoldItalic", FontRecord{"Liberation Sans", 12, true, true}},
                                           FontCase{"BoldOnly", FontRecord{"Courier New", 8, true, false}},
                                           FontCase{"ItalicOnly", FontRecord{"Liberation Serif", 14, false, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FontRecordQt, UnderlineAndStrikeOutOfTheDialogAreDropped)
{
    QFont chosen("Liberation Mono", 11);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    const QFont applied = fontFromRecord(recordFromFont(chosen));
    EXPECT_FALSE(applied.underline());
    EXPECT_FALSE(applied.strikeOut());
    EXPECT_EQ(applied.pointSize(), 11);
}

TEST(FontRecordQt, FontInPixelsIsStoredWithAPointSize)
{
    QFont chosen("Liberation Mono");
    chosen.setPixelSize(16);
    EXPECT_GT(recordFromFont(chosen).sizePoints, 0);
}

// How many pixels of the sample differ from its background: none when it is empty.
int inkedPixels(QLabel& sample)
{
    const QImage picture = sample.grab().toImage();
    const QRgb background = picture.pixel(0, 0);
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            inked += picture.pixel(x, y) != background ? 1 : 0;
    return inked;
}

QStringList listed(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

struct FontChoice {
    const char* name;
    QString face;  // empty: left as shown
    int styleRow;
    const char* size;
    FontRecord stored;
};

// The dialog opens on the face the table shows, offers the four styles the
// table keeps and shows a sample of the choice; a face left as it was keeps
// its stored name.
TEST(TableFontDialog, ShowsTheChoiceInItsSampleAndStoresFaceSizeAndStyle)
{
    const FontRecord stored{"Courier New", 10, false, true};
    const QString shownFace = QFontInfo(fontFromRecord(stored)).family();
    ASSERT_NE(shownFace, QStringLiteral("Courier New")) << "an alias the dialog cannot list";
    const FontChoice choices[] = {
        {"unchanged", QString(), 1, "10", stored},
        {"bold face and size", QStringLiteral("Liberation Sans"), 2, "14", {"Liberation Sans", 14, true, false}},
        {"bold italic, a size not listed", QStringLiteral("DejaVu Sans"), 3, "13", {"DejaVu Sans", 13, true, true}},
        {"regular", shownFace, 0, "8", {"Courier New", 8, false, false}},
    };
    for (const FontChoice& choice : choices) {
        SCOPED_TRACE(choice.name);
        TableFontDialog dialog(fontFromRecord(stored));
        dialog.show();
        EXPECT_EQ(listed(*dialog.lstStyle), (QStringList{"Regular", "Italic", "Bold", "Bold Italic"}));
        EXPECT_EQ(dialog.lstFace->currentItem()->text(), shownFace);
        EXPECT_EQ(dialog.lstStyle->currentItem()->text(), QStringLiteral("Italic"));
        EXPECT_EQ(dialog.txtSize->text(), QStringLiteral("10"));

        if (!choice.face.isEmpty()) {
            const QList<QListWidgetItem*> faces = dialog.lstFace->findItems(choice.face, Qt::MatchExactly);
            ASSERT_EQ(faces.size(), 1);
            dialog.lstFace->setCurrentItem(faces.first());
        }
        dialog.lstStyle->setCurrentRow(choice.styleRow);
        dialog.txtSize->selectAll();
        QTest::keyClicks(dialog.txtSize, QString::fromLatin1(choice.size));

        EXPECT_EQ(recordFromChoice(stored, dialog.selectedFont()), choice.stored);
        const QFont sample = dialog.lblSample->font();
        EXPECT_EQ(recordFromChoice(stored, sample), choice.stored) << "the sample shows the choice";
        EXPECT_FALSE(dialog.lblSample->text().isEmpty());
        EXPECT_GT(inkedPixels(*dialog.lblSample), 50);
    }
}

}  // namespace
}  // namespace pecunor
