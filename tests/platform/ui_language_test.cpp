#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cctype>
#include <set>

#include "../engine/engine_test_support.h"
#include "engine/text_utils.h"
#include "platform/ui_language.h"

namespace pecunor::platform {
namespace {

TEST(InterfaceLanguage, FirstDesktopLanguageThatIsTranslatedOrEnglish)
{
    struct Case {
        const char* name;
        QStringList uiLanguages;
        QStringList translated;
        QString expected;
    };
    const QStringList germanOnly = {"de"};
    const Case cases[] = {
        {"German desktop", {"de-DE", "de", "en-US"}, germanOnly, "de"},
        {"English first wins over a later German", {"en-US", "de"}, germanOnly, "en"},
        {"untranslated language skipped", {"fr-FR", "fr", "de-CH"}, germanOnly, "de"},
        {"underscore and capitals", {"DE_at"}, germanOnly, "de"},
        {"the region's own translation first", {"pt-BR"}, {"de", "pt", "pt_BR"}, "pt_BR"},
        {"the language's where the region has none", {"pt-BR"}, {"de", "pt"}, "pt"},
        {"another region's is not the language's", {"pt-PT", "de"}, {"de", "pt_BR"}, "de"},
        {"nothing translated", {"fr-FR", "ja"}, germanOnly, "en"},
        {"C locale", {"C"}, germanOnly, "en"},
        {"no languages", {}, germanOnly, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseInterfaceLanguage(c.uiLanguages, c.translated), c.expected) << c.name;
    EXPECT_EQ(chooseInterfaceLanguage({"de-AT"}), "de") << "the languages built";
}

TEST(InterfaceLanguage, GermanInstallsTheProgramsAndQtsTranslations)
{
    int argc = 1;
    char name[] = "ui_language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    ASSERT_EQ(interfaceLanguage(), "en");

    useInterfaceLanguage("de");
    EXPECT_EQ(interfaceLanguage(), "de");
    // Qt's own dialogs and buttons.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Speichern unter");
    // The program's own: the window's File menu and the engine's texts.
    EXPECT_EQ(QCoreApplication::translate("pecunor::TfrmCalc", "&File"), "&Datei");
    EXPECT_EQ(interfaceCatalog().methodNames[0], "Endwert");
}

// The placeholders of a template; an unknown one is returned as "?".
std::multiset<std::string> placeholdersOf(std::string_view text)
{
    std::multiset<std::string> found;
    for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
        const std::string_view token = text.substr(at, 3);
        found.insert(token == "{P}" || token == "{U}" ? std::string(token) : "?");
    }
    return found;
}

std::vector<std::string> entriesOf(const TextCatalog& texts)
{
    std::vector<std::string> entries;
    forEachText(texts, [&entries](std::string_view text, std::string_view) { entries.emplace_back(text); });
    return entries;
}

// Each language the program is built with: every entry English fills, with
// the same placeholders; a regional form finds the language's texts.
TEST(EngineCatalog, EveryTranslatedLanguageFillsEveryEntryWithItsPlaceholders)
{
    const std::vector<std::string> english = entriesOf(englishCatalog());
    ASSERT_FALSE(translatedLanguages().isEmpty());
    for (const QString& language : translatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const TextCatalog& texts = catalogForLanguage(language);
        ASSERT_NE(&texts, &englishCatalog());
        const std::vector<std::string> translated = entriesOf(texts);
        ASSERT_EQ(translated.size(), english.size());
        for (std::size_t i = 0; i < english.size(); ++i) {
            EXPECT_EQ(translated[i].empty(), english[i].empty()) << english[i];
            EXPECT_EQ(placeholdersOf(translated[i]), placeholdersOf(english[i])) << translated[i];
            EXPECT_EQ(placeholdersOf(translated[i]).count("?"), 0u) << translated[i];
        }
        EXPECT_EQ(entriesOf(catalogForLanguage(language.section(u'_', 0, 0) + "_AQ")), translated);
    }
    EXPECT_EQ(&catalogForLanguage("xx"), &englishCatalog());
}

TEST(EngineCatalog, MethodNamesFitTheBoxAndCaptionMnemonicsDiffer)
{
    for (const QString& language : QStringList{"en"} + translatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const TextCatalog& texts = catalogForLanguage(language);
        const std::set<std::string_view> names(texts.methodNames.begin(), texts.methodNames.end());
        EXPECT_EQ(names.size(), texts.methodNames.size());
        for (std::string_view name : texts.methodNames)
            EXPECT_LE(characterCount(name), 25u) << name;
        std::set<char> mnemonics;
        const InputCaptions& c = texts.inputCaptions;
        for (std::string_view caption : {c.method, c.startDate, c.periodsAre, c.paymentsDue}) {
            const std::size_t amp = caption.find('&');
            ASSERT_LT(amp + 1, caption.size()) << caption;
            mnemonics.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1]))));
        }
        EXPECT_EQ(mnemonics.size(), 4u);
    }
}

struct GermanSheetCase {
    const char* name;
    CalcMethod method;
    std::vector<std::string> values;
    PeriodUnit unit;
    std::vector<std::string> labels;  // the header row, or column 0 of a ratio sheet
    std::string summaryLabels;
};

const std::string interestTail = "Zinsen gesamt : \nØ Zinsen / Monat : \nZinssatz / Monat (%) : ";
const std::vector<std::string> interestHeaders = {"#", "Datum", "Zinsen/Monat", "Kontostand"};
const std::vector<std::string> paymentHeaders = {"#", "Datum", "Rate/Monat", "Zinsen/Monat", "Kontostand"};

class GermanSheet : public testing::TestWithParam<GermanSheetCase> { };

TEST_P(GermanSheet, HeadingsAndSummaryCaptionsAreGerman)
{
    const GermanSheetCase& c = GetParam();
    const ResultSheet sheet =
        test::calculate({c.method, c.values, c.unit}, test::plainRegional(), catalogForLanguage("de"));
    ASSERT_TRUE(sheet.valid());
    ASSERT_FALSE(sheet.fault());
    // A ratio sheet has no fixed rows: its labels are all of column 0.
    const auto labels = sheet.kind() == SheetKind::Ratio ? test::column(sheet, 0) : test::headerRow(sheet);
    EXPECT_EQ(labels, c.labels);
    EXPECT_EQ(sheet.summaryLabels(), c.summaryLabels);
}

INSTANTIATE_TEST_SUITE_P(
    AllMethods, GermanSheet,
    testing::Values(GermanSheetCase{"FutureValue",
                                    CalcMethod::FutureValue,
                                    {"1000", "10", "3"},
                                    PeriodUnit::Months,
                                    interestHeaders,
                                    "Endwert : \n" + interestTail},
                    GermanSheetCase{"FutureValueAnnuity",
                                    CalcMethod::FutureValueAnnuity,
                                    {"1000", "10", "100", "3"},
                                    PeriodUnit::Months,
                                    paymentHeaders,
                                    "Endwert mit Raten : \nZahlungen gesamt : \n" + interestTail},
                    GermanSheetCase{"FutureValueInvestment",
                                    CalcMethod::FutureValueInvestment,
                                    {"1000", "10", "3"},
                                    PeriodUnit::Months,
                                    paymentHeaders,
                                    "Zahlungen gesamt : \n" + interestTail},
                    GermanSheetCase{"PresentValue",
                                    CalcMethod::PresentValue,
                                    {"1000", "10", "3"},
                                    PeriodUnit::Months,
                                    interestHeaders,
                                    "Barwert : \n" + interestTail},
                    GermanSheetCase{"PresentValueAnnuity",
                                    CalcMethod::PresentValueAnnuity,
                                    {"1000", "10", "100", "3"},
                                    PeriodUnit::Months,
                                    paymentHeaders,
                                    "Barwert mit Raten : \nZahlungen gesamt : \n" + interestTail},
                    GermanSheetCase{"LoanPayment",
                                    CalcMethod::PresentLoanPayment,
                                    {"1000", "10", "0", "3"},
                                    PeriodUnit::Months,
                                    {"#", "Datum", "Rate/Monat", "Zinsen/Monat", "Restschuld"},
                                    "Raten gesamt (Laufzeit) : \n" + interestTail},
                    GermanSheetCase{"StraightLine",
                                    CalcMethod::StraightLineDepreciation,
                                    {"1000", "100", "3"},
                                    PeriodUnit::Quarters,
                                    {"#", "Datum", "Abschreibung/Quartal", "Buchwert"},
                                    "Restbuchwert : \nAbschreibung gesamt : "},
                    GermanSheetCase{"SumOfYears",
                                    CalcMethod::SumOfYearsDepreciation,
                                    {"1000", "100", "3"},
                                    PeriodUnit::Years,
                                    {"#", "Datum", "Abschreibung/Jahr", "Buchwert"},
                                    "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / Jahr : "},
                    GermanSheetCase{"DoubleDeclining",
                                    CalcMethod::DoubleDecliningDepreciation,
                                    {"1000", "100", "3"},
                                    PeriodUnit::HalfYears,
                                    {"#", "Datum", "Abschreibung/Halbjahr", "Buchwert"},
                                    "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / Halbjahr : "},
                    GermanSheetCase{"ZeroCouponBonds",
                                    CalcMethod::ZeroCouponBonds,
                                    {"1000", "10", "3"},
                                    PeriodUnit::Weeks,
                                    {"#", "Datum", "Zinsen/Woche", "Wert"},
                                    "Barwert : \nZinsen gesamt : \nØ Zinsen / Woche : \nZinssatz / Woche (%) : "},
                    GermanSheetCase{"BondYield",
                                    CalcMethod::BondYield,
                                    {"8", "100"},
                                    PeriodUnit::Days,
                                    {"Kuponzins", "Kurs", "Laufende Rendite"},
                                    ""},
                    GermanSheetCase{"BondPrice",
                                    CalcMethod::BondPrice,
                                    {"8", "4"},
                                    PeriodUnit::Days,
                                    {"Kuponzins", "Laufende Rendite", "Kurs"},
                                    ""},
                    GermanSheetCase{"PriceEarnings",
                                    CalcMethod::PriceEarnings,
                                    {"40", "2"},
                                    PeriodUnit::Days,
                                    {"Schlusskurs", "Gewinn je Aktie", "Kurs-Gewinn-Verhältnis"},
                                    ""},
                    GermanSheetCase{"EarningsPerShare",
                                    CalcMethod::EarningsPerShare,
                                    {"40", "20"},
                                    PeriodUnit::Days,
                                    {"Schlusskurs", "Kurs-Gewinn-Verhältnis", "Gewinn je Aktie"},
                                    ""}),
    [](const testing::TestParamInfo<GermanSheetCase>& info) { return info.param.name; });

}  // namespace
}  // namespace pecunor::platform
