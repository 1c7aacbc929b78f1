#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>

#include <gtest/gtest.h>

#include "font_record_qt.h"

namespace pecunor {
namespace {

struct FontCase {
    const char* name;
    FontRecord record;
};

class FontRecordQtTest : public ::testing::TestWithParam<FontCase> {};

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

// The dialog opens on the face the table shows, offers nothing the table would
// drop, and a face left as it was keeps its stored name.
TEST(TableFontDialog, OpensOnTheStoredFontAndOffersFaceSizeAndStyleOnly)
{
    const FontRecord stored{"Courier New", 10, false, true};
    QFontDialog dialog;
    prepareTableFontDialog(dialog, fontFromRecord(stored));
    dialog.show();
    const QFont shown = dialog.currentFont();
    EXPECT_EQ(shown.family(), QFontInfo(fontFromRecord(stored)).family());
    EXPECT_NE(shown.family(), QStringLiteral("Courier New")) << "an alias the dialog cannot list";
    EXPECT_EQ(shown.pointSize(), 10);
    EXPECT_TRUE(shown.italic());
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        EXPECT_FALSE(box->isVisibleTo(&dialog)) << box->text().toStdString();
    for (const QComboBox* box : dialog.findChildren<QComboBox*>())
        EXPECT_FALSE(box->isVisibleTo(&dialog));

    EXPECT_EQ(recordFromChoice(stored, shown), stored);
    QFont other = shown;
    other.setFamily(QStringLiteral("Liberation Sans"));
    other.setBold(true);
    EXPECT_EQ(recordFromChoice(stored, other), (FontRecord{"Liberation Sans", 10, true, true}));
}

}  // namespace
}  // namespace pecunor
