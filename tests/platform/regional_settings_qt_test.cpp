#include <gtest/gtest.h>

#include <QDate>

#include "engine/dates.h"
#include "engine/number_format.h"
#include "platform/regional_settings_qt.h"

namespace pecunor::platform {
namespace {

QLocale knownLocale(const char* name)
{
    const auto locale = localeNamed(QString::fromLatin1(name));
    EXPECT_TRUE(locale.has_value()) << name;
    return locale.value_or(QLocale::c());
}

// Values as Qt 6.4 writes them for these locales (CLDR data).
struct MappedFields {
    const char* locale;
    const char* decimalSeparator;
    const char* thousandsSeparator;
    const char* currencySymbol;
    int currencyPlacement;
    int negativeCurrencyPattern;
    int currencyDecimals;
    const char* shortDateFormat;
    const char* dateSeparator;
};
void PrintTo(const MappedFields& fields, std::ostream* out) { *out << fields.locale; }

class MappedFieldsTest : public testing::TestWithParam<MappedFields> { };

TEST_P(MappedFieldsTest, TakesSeparatorsCurrencyAndDateFormatFromTheLocale)
{
    const MappedFields& expected = GetParam();
    const RegionalSettings regional = regionalSettingsFrom(knownLocale(expected.locale));
    EXPECT_EQ(regional.decimalSeparator, expected.decimalSeparator);
    EXPECT_EQ(regional.thousandsSeparator, expected.thousandsSeparator);
    EXPECT_EQ(regional.currencySymbol, expected.currencySymbol);
    EXPECT_EQ(regional.currencyPlacement, expected.currencyPlacement);
    EXPECT_EQ(regional.negativeCurrencyPattern, expected.negativeCurrencyPattern);
    EXPECT_EQ(regional.currencyDecimals, expected.currencyDecimals);
    EXPECT_EQ(regional.shortDateFormat, expected.shortDateFormat);
    EXPECT_EQ(regional.dateSeparator, expected.dateSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, MappedFieldsTest,
    testing::Values(MappedFields{"en_US", ".", ",", "$", 0, 0, 2, "M/d/yy", "/"},
                    MappedFields{"de_DE", ",", ".", "\u20AC", 3, 8, 2, "dd.MM.yy", "."},
                    // Narrow no-break space between thousands; negative amounts in parentheses.
                    MappedFields{"fr_CH", ",", "\u202F", "CHF", 3, 15, 2, "dd.MM.yy", "."},
                    MappedFields{"de_CH", ".", "\u2019", "CHF", 3, 8, 2, "dd.MM.yy", "."},
                    MappedFields{"ja_JP", ".", ",", "\uFFE5", 0, 0, 0, "yyyy/MM/dd", "/"},
                    MappedFields{"nl_NL", ",", ".", "\u20AC", 2, 14, 2, "dd-MM-yyyy", "-"},
                    // Minus sign U+2212, no-break space between thousands.
                    MappedFields{"sv_SE", ",", "\u00A0", "kr", 3, 8, 2, "yyyy-MM-dd", "-"},
                    MappedFields{"pt_BR", ",", ".", "R$", 2, 12, 2, "dd/MM/yyyy", "/"},
                    MappedFields{"id_ID", ",", ".", "Rp", 0, 2, 2, "dd/MM/yy", "/"},
                    // Left-to-right mark before the minus.
                    MappedFields{"he_IL", ".", ",", "\u20AA", 3, 8, 2, "d.M.yyyy", "."},
                    // Arabic letter mark before the minus, right-to-left marks in the date format.
                    MappedFields{"ar_EG", "\u066B", "\u066C", "\u062C.\u0645.\u200F", 3, 8, 2, "d\u200F/M\u200F/yyyy",
                                 "/"},
                    MappedFields{"fa_IR", "\u066B", "\u066C", "\u0631\u06CC\u0627\u0644", 2, 14, 0, "yyyy/M/d", "/"},
                    MappedFields{"ko_KR", ".", ",", "\u20A9", 0, 0, 0, "yy. M. d.", "."},
                    MappedFields{"C", ".", ",", "", 0, 1, 2, "M/d/yy", "/"},
                    MappedFields{"POSIX", ".", ",", "", 0, 1, 2, "M/d/yy", "/"}),
    [](const testing::TestParamInfo<MappedFields>& info) { return std::string(info.param.locale); });

// Qt's blanks become the ASCII blank, its minus signs the ASCII minus, and
// bidi marks go: the engine writes none of them around an amount.
QString normalised(QString text)
{
    text.removeIf([](QChar c) { return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C); });
    text.replace(QChar(0x00A0), QChar(' '));
    text.replace(QChar(0x202F), QChar(' '));
    text.replace(QChar(0x2212), QChar('-'));
    return text;
}

class MoneyMatchesLocaleTest : public testing::TestWithParam<const char*> { };

TEST_P(MoneyMatchesLocaleTest, EngineMoneyFormatEqualsTheLocalesCurrencyText)
{
    const QLocale locale = knownLocale(GetParam());
    const RegionalSettings regional = regionalSettingsFrom(locale);
    for (const double amount :
         {0.0, 1.0, -1.0, 42.25, -42.25, 999.999, -999.999, 1234567.891, -1234567.891, 1000000000.0}) {
        const QString engine = QString::fromStdString(formatMoney(static_cast<long double>(amount), regional));
        EXPECT_EQ(normalised(engine), normalised(locale.toCurrencyString(amount))) << "amount " << amount;
    }
}

// Locales that write ASCII digits and group every three digits. Qt leaves
// some amounts ungrouped in Spanish and Polish and groups Indian amounts by
// twos; the engine groups by threes everywhere.
INSTANTIATE_TEST_SUITE_P(Locales, MoneyMatchesLocaleTest,
                         testing::Values("en_US", "de_DE", "fr_CH", "de_CH", "ja_JP", "nl_NL", "fr_FR", "en_GB",
                                         "it_IT", "sv_SE", "ru_RU", "pt_BR", "he_IL", "ko_KR", "de_AT", "nb_NO",
                                         "fr_CA", "tr_TR", "da_DK", "fi_FI", "cs_CZ", "hu_HU", "id_ID", "zh_CN",
                                         "en_ZA", "vi_VN", "th_TH", "el_GR"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

class DatesMatchLocaleTest : public testing::TestWithParam<const char*> { };

TEST_P(DatesMatchLocaleTest, EngineShortDateEqualsTheLocalesShortDate)
{
    const QLocale locale = knownLocale(GetParam());
    const RegionalSettings regional = regionalSettingsFrom(locale);
    const DateFormat format(regional.shortDateFormat, regional.dateSeparator);
    for (const QDate date : {QDate(2024, 1, 5), QDate(1999, 12, 31), QDate(2030, 10, 9)}) {
        const DayNumber day = *dayNumberOf(date.year(), date.month(), date.day());
        EXPECT_EQ(QString::fromStdString(format.format(day)), locale.toString(date, QLocale::ShortFormat));
        // What the locale writes reads back as the same day.
        const std::string typed = locale.toString(date, QLocale::ShortFormat).toStdString();
        EXPECT_EQ(readDate(typed, regional, day), day) << typed;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, DatesMatchLocaleTest,
                         testing::Values("en_US", "de_DE", "fr_CH", "ja_JP", "nl_NL", "sv_SE", "ko_KR", "hu_HU",
                                         "en_GB", "he_IL"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(CLocaleTest, FormatsMoneyWithoutSymbolAndWithLeadingMinus)
{
    const RegionalSettings regional = regionalSettingsFrom(QLocale::c());
    EXPECT_EQ(formatMoney(-1234.5L, regional), "-1,234.50");
    EXPECT_EQ(formatMoney(1234.5L, regional), "1,234.50");
}

struct PatternCase {
    const char* name;
    const char* text;  // "S" the symbol, "N" the amount
    int pattern;
};
void PrintTo(const PatternCase& c, std::ostream* out) { *out << c.text; }

// Writes a pattern case with Qt's blanks and marks: S is "EUR", N "1,00".
QString spelled(const char* shape, QChar blank)
{
    QString text;
    for (const char* c = shape; *c != '\0'; ++c) {
        if (*c == 'S')
            text += QStringLiteral("EUR");
        else if (*c == 'N')
            text += QStringLiteral("1,00");
        else if (*c == ' ')
            text += blank;
        else
            text += QChar(*c);
    }
    return text;
}

class NegativePatternTest : public testing::TestWithParam<PatternCase> { };

TEST_P(NegativePatternTest, ReadsWhereMinusParenthesesAndSymbolStand)
{
    const PatternCase& c = GetParam();
    for (const QChar blank : {QChar(' '), QChar(0x00A0), QChar(0x202F)}) {
        EXPECT_EQ(negativeCurrencyPatternOf(spelled(c.text, blank), QStringLiteral("EUR"), QStringLiteral("-")),
                  c.pattern);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, NegativePatternTest,
                         testing::Values(PatternCase{"p0", "(SN)", 0}, PatternCase{"p1", "-SN", 1},
                                         PatternCase{"p2", "S-N", 2}, PatternCase{"p3", "SN-", 3},
                                         PatternCase{"p4", "(NS)", 4}, PatternCase{"p5", "-NS", 5},
                                         PatternCase{"p6", "N-S", 6}, PatternCase{"p7", "NS-", 7},
                                         PatternCase{"p8", "-N S", 8}, PatternCase{"p9", "-S N", 9},
                                         PatternCase{"p10", "N S-", 10}, PatternCase{"p11", "S N-", 11},
                                         PatternCase{"p12", "S -N", 12}, PatternCase{"p13", "N- S", 13},
                                         PatternCase{"p14", "(S N)", 14}, PatternCase{"p15", "(N S)", 15}),
                         [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.name); });

TEST(NegativePatternTest, TakesTheLocalesMinusSignAndIgnoresBidiMarks)
{
    const QString symbol = QStringLiteral("kr");
    EXPECT_EQ(negativeCurrencyPatternOf(QString::fromUtf8("\u22121,00\u00A0kr"), symbol, QString::fromUtf8("\u2212")),
              8);
    EXPECT_EQ(negativeCurrencyPatternOf(QString::fromUtf8("\u200E-1.00\u00A0kr"), symbol, QString::fromUtf8("\u200E-")),
              8);
    EXPECT_EQ(
        negativeCurrencyPatternOf(QString::fromUtf8("\u061C-1.00\u00A0kr\u200F"), symbol, QString::fromUtf8("\u061C-")),
        8);
}

TEST(NegativePatternTest, RejectsTextsThatFitNoPattern)
{
    const QString symbol = QStringLiteral("$");
    const QString minus = QStringLiteral("-");
    EXPECT_EQ(negativeCurrencyPatternOf(QStringLiteral("1.00"), symbol, minus), std::nullopt);
    EXPECT_EQ(negativeCurrencyPatternOf(QStringLiteral("$1.00"), symbol, minus), std::nullopt);
    EXPECT_EQ(negativeCurrencyPatternOf(QStringLiteral("-$-1.00"), symbol, minus), std::nullopt);
    EXPECT_EQ(negativeCurrencyPatternOf(QStringLiteral("($1.00"), symbol, minus), std::nullopt);
}

TEST(CurrencyPlacementTest, ReadsTheFourPlacements)
{
    const QString symbol = QStringLiteral("CHF");
    EXPECT_EQ(currencyPlacementOf(QStringLiteral("CHF1.00"), symbol), 0);
    EXPECT_EQ(currencyPlacementOf(QStringLiteral("1.00CHF"), symbol), 1);
    EXPECT_EQ(currencyPlacementOf(QString::fromUtf8("CHF\u00A01.00"), symbol), 2);
    EXPECT_EQ(currencyPlacementOf(QString::fromUtf8("1.00\u202FCHF"), symbol), 3);
    EXPECT_EQ(currencyPlacementOf(QStringLiteral("1.00"), symbol), std::nullopt);
    EXPECT_EQ(currencyPlacementOf(QStringLiteral("(CHF1.00)"), symbol), std::nullopt);
}

TEST(LocaleNamedTest, KnowsLocalesAndLanguagesByName)
{
    const struct {
        const char* name;
        const char* qtName;
    } cases[] = {
        {"en_US", "en_US"}, {"de_DE", "de_DE"}, {"fr_CH", "fr_CH"},       {"ja_JP", "ja_JP"},
        {"de", "de_DE"},    {"de_XX", "de_DE"}, {"de_DE.UTF-8", "de_DE"}, {"de_DE@euro", "de_DE"},
        {"en-GB", "en_GB"}, {"C", "C"},         {"POSIX", "C"},           {"C.UTF-8", "C"},
    };
    for (const auto& c : cases) {
        const auto locale = localeNamed(QString::fromLatin1(c.name));
        ASSERT_TRUE(locale.has_value()) << c.name;
        EXPECT_EQ(locale->name(), QString::fromLatin1(c.qtName)) << c.name;
    }
}

TEST(LocaleNamedTest, RefusesUnknownNames)
{
    for (const char* name :
         {"xx_YY", "xx", "garbage", "", "123", "_DE", "en_US garbage", "de_DE ", "english", "und", "C_US"}) {
        EXPECT_FALSE(localeNamed(QString::fromLatin1(name)).has_value()) << '"' << name << '"';
    }
}

}  // namespace
}  // namespace pecunor::platform
