#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "engine_test_support.h"
#include "text_catalog.h"
#include "text_utils.h"

namespace pecunor::test {
namespace {

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

class GermanSheet : public testing::TestWithParam<GermanSheetCase> {};

TEST_P(GermanSheet, HeadingsAndSummaryCaptionsAreGerman)
{
    const GermanSheetCase& c = GetParam();
    const ResultSheet sheet = calculate({c.method, c.values, c.unit}, plainRegional(), germanCatalog());
    ASSERT_TRUE(sheet.valid());
    ASSERT_FALSE(sheet.fault());
    // A ratio sheet has no fixed rows: its labels are all of column 0.
    const Texts labels = sheet.kind() == SheetKind::Ratio ? column(sheet, 0) : headerRow(sheet);
    EXPECT_EQ(labels, c.labels);
    EXPECT_EQ(sheet.summaryLabels(), c.summaryLabels);
}

INSTANTIATE_TEST_SUITE_P(
    AllMethods, GermanSheet,
    testing::Values(
        GermanSheetCase{"FutureValue", CalcMethod::FutureValue, {"1000", "10", "3"}, PeriodUnit::Months,
                        interestHeaders, "Endwert : \n" + interestTail},
        GermanSheetCase{"FutureValueAnnuity", CalcMethod::FutureValueAnnuity, {"1000", "10", "100", "3"},
                        PeriodUnit::Months, paymentHeaders,
                        "Endwert mit Raten : \nZahlungen gesamt : \n" + interestTail},
        GermanSheetCase{"FutureValueInvestment", CalcMethod::FutureValueInvestment, {"1000", "10", "3"},
                        PeriodUnit::Months, paymentHeaders, "Zahlungen gesamt : \n" + interestTail},
        GermanSheetCase{"PresentValue", CalcMethod::PresentValue, {"1000", "10", "3"}, PeriodUnit::Months,
                        interestHeaders, "Barwert : \n" + interestTail},
        GermanSheetCase{"PresentValueAnnuity", CalcMethod::PresentValueAnnuity, {"1000", "10", "100", "3"},
                        PeriodUnit::Months, paymentHeaders,
                        "Barwert mit Raten : \nZahlungen gesamt : \n" + interestTail},
        GermanSheetCase{"LoanPayment", CalcMethod::PresentLoanPayment, {"1000", "10", "0", "3"}, PeriodUnit::Months,
                        {"#", "Datum", "Rate/Monat", "Zinsen/Monat", "Restschuld"},
                        "Raten gesamt (Laufzeit) : \n" + interestTail},
        GermanSheetCase{"StraightLine", CalcMethod::StraightLineDepreciation, {"1000", "100", "3"},
                        PeriodUnit::Quarters, {"#", "Datum", "Abschreibung/Quartal", "Buchwert"},
                        "Restbuchwert : \nAbschreibung gesamt : "},
        GermanSheetCase{"SumOfYears", CalcMethod::SumOfYearsDepreciation, {"1000", "100", "3"}, PeriodUnit::Years,
                        {"#", "Datum", "Abschreibung/Jahr", "Buchwert"},
                        "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / Jahr : "},
        GermanSheetCase{"DoubleDeclining", CalcMethod::DoubleDecliningDepreciation, {"1000", "100", "3"},
                        PeriodUnit::HalfYears, {"#", "Datum", "Abschreibung/Halbjahr", "Buchwert"},
                        "Restbuchwert : \nAbschreibung gesamt : \nØ Abschreibung / Halbjahr : "},
        GermanSheetCase{"ZeroCouponBonds", CalcMethod::ZeroCouponBonds, {"1000", "10", "3"}, PeriodUnit::Weeks,
                        {"#", "Datum", "Zinsen/Woche", "Wert"},
                        "Barwert : \nZinsen gesamt : \nØ Zinsen / Woche : \nZinssatz / Woche (%) : "},
        GermanSheetCase{"BondYield", CalcMethod::BondYield, {"8", "100"}, PeriodUnit::Days,
                        {"Kuponzins", "Kurs", "Laufende Rendite"}, ""},
        GermanSheetCase{"BondPrice", CalcMethod::BondPrice, {"8", "4"}, PeriodUnit::Days,
                        {"Kuponzins", "Laufende Rendite", "Kurs"}, ""},
        GermanSheetCase{"PriceEarnings", CalcMethod::PriceEarnings, {"40", "2"}, PeriodUnit::Days,
                        {"Schlusskurs", "Gewinn je Aktie", "Kurs-Gewinn-Verhältnis"}, ""},
        GermanSheetCase{"EarningsPerShare", CalcMethod::EarningsPerShare, {"40", "20"}, PeriodUnit::Days,
                        {"Schlusskurs", "Kurs-Gewinn-Verhältnis", "Gewinn je Aktie"}, ""}),
    [](const testing::TestParamInfo<GermanSheetCase>& info) { return info.param.name; });

// Every entry of a catalog, named, in a fixed order.
std::vector<std::pair<std::string, std::string_view>> entriesOf(const TextCatalog& texts)
{
    std::vector<std::pair<std::string, std::string_view>> entries;
    auto add = [&entries](std::string name, auto values) {
        int index = 0;
        for (std::string_view value : values)
            entries.emplace_back(name + std::to_string(index++), value);
    };
    add("method", texts.methodNames);
    for (const UnitTexts& unit : texts.units)
        add("unit", std::array{unit.listText, unit.word, unit.interestPer});
    add("timing", texts.paymentTimings);
    const InputCaptions& c = texts.inputCaptions;
    add("caption", std::array{c.method, c.startDate, c.periodsAre, c.paymentsDue});
    for (const auto& labels : texts.valueLabels)
        add("valueLabel", labels);
    const ScheduleHeadings& h = texts.headings;
    add("heading", std::array{h.rowNumber, h.date, h.paymentPer, h.interestPer, h.depreciationPer,
                              h.accumulatedTotal, h.remainingTotal, h.bookValue, h.bondValue});
    add("summary", texts.summaryLabels);
    for (const auto& labels : texts.ratioLabels)
        add("ratio", labels);
    add("fault", texts.faultMessages);
    add("invalid", std::array{texts.invalidInput});
    return entries;
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

TEST(GermanCatalog, FillsEveryEntryEnglishFillsWithTheSamePlaceholders)
{
    const auto english = entriesOf(englishCatalog());
    const auto german = entriesOf(germanCatalog());
    ASSERT_EQ(german.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const auto& [name, text] = german[i];
        EXPECT_EQ(text.empty(), english[i].second.empty()) << name << " " << text;
        EXPECT_EQ(placeholdersOf(text), placeholdersOf(english[i].second)) << name << " " << text;
        EXPECT_EQ(placeholdersOf(text).count("?"), 0u) << name << " " << text;
    }
}

TEST(GermanCatalog, MethodNamesFitTheBoxAndCaptionMnemonicsDiffer)
{
    for (const TextCatalog* texts : {&englishCatalog(), &germanCatalog()}) {
        std::set<std::string_view> names(texts->methodNames.begin(), texts->methodNames.end());
        EXPECT_EQ(names.size(), texts->methodNames.size());
        for (std::string_view name : texts->methodNames)
            EXPECT_LE(characterCount(name), 25u) << name;
        std::set<char> mnemonics;
        const InputCaptions& c = texts->inputCaptions;
        for (std::string_view caption : {c.method, c.startDate, c.periodsAre, c.paymentsDue}) {
            const std::size_t amp = caption.find('&');
            ASSERT_LT(amp + 1, caption.size()) << caption;
            mnemonics.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1]))));
        }
        EXPECT_EQ(mnemonics.size(), 4u);
    }
}

TEST(CatalogForLanguage, TakesGermanForAnyGermanRegion)
{
    for (const char* code : {"de", "de_DE", "de-AT", "DE_ch"})
        EXPECT_EQ(&catalogForLanguage(code), &germanCatalog()) << code;
    for (const char* code : {"en", "en_US", "", "d", "dex", "fr_DE", "C"})
        EXPECT_EQ(&catalogForLanguage(code), &englishCatalog()) << code;
}

}  // namespace
}  // namespace pecunor::test
