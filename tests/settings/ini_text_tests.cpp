#include <QSettings>

#include <gtest/gtest.h>

#include "settings/ini_text.h"
#include "settings_test_support.h"

namespace pecunor::test {
namespace {

class IniText : public SettingsFileTest { };

TEST_F(IniText, QSettingsReadsBackEveryTextAsWritten)
{
    const std::vector<QString> texts{
        QString(),
        QStringLiteral("Courier New"),
        QStringLiteral(" leading and trailing blanks "),
        QStringLiteral("a,b"),
        QStringLiteral("a;b"),
        QStringLiteral("a=b"),
        QStringLiteral("say \"hi\""),
        QStringLiteral("C:\\Program Files\\"),
        QStringLiteral("@at"),
        QStringLiteral("@@two"),
        QStringLiteral("@Variant(x)"),
        QStringLiteral("tab\tnew\nline\rbell\a"),
        QStringLiteral("\x01"
                       "9f"),
        QString(QChar(u'\0')) + QStringLiteral("7"),
        QStringLiteral("\x1f"
                       "a"
                       "\x02"),
        QStringLiteral("été € 😀"),
        QStringLiteral("#hash [section] ;"),
        QStringLiteral("\\x41 \\n"),
        QString(3000, u'x'),
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // A file per text: QSettings keeps files it read in memory, keyed by name.
        const QString path = pathOf(QStringLiteral("text-%1.conf").arg(i));
        writeBytes(path, iniFileText({{QStringLiteral("Before"), QStringLiteral("1")},
                                      {QStringLiteral("Text"), texts[i]},
                                      {QStringLiteral("After"), QStringLiteral("2")}}));
        const QSettings store(path, QSettings::IniFormat);

        const QVariant value = store.value("Text");

        EXPECT_EQ(value.typeId(), QMetaType::QString) << "text " << i;
        EXPECT_EQ(value.toString(), texts[i]) << "text " << i;
        EXPECT_EQ(store.value("Before").toString(), "1") << "text " << i;
        EXPECT_EQ(store.value("After").toString(), "2") << "text " << i;
    }
}

TEST(IniValueText, PlainTextsStayAsTheyAreAndOthersAreQuotedLikeQSettingsDoes)
{
    EXPECT_EQ(iniValueText(QStringLiteral("|36892|0|")), "|36892|0|");
    EXPECT_EQ(iniValueText(QStringLiteral("/home/anna/Pecunor.txt")), "/home/anna/Pecunor.txt");
    EXPECT_EQ(iniValueText(QStringLiteral("|1,000.50|")), "\"|1,000.50|\"");
    EXPECT_EQ(iniValueText(QStringLiteral("@Arial")), "@@Arial");
    EXPECT_EQ(iniValueText(QStringLiteral("Überblick")), "\xC3\x9c"
                                                         "berblick");
}

}  // namespace
}  // namespace pecunor::test
