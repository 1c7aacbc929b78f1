#include <QColor>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../engine/engine_test_support.h"
#include "engine/number_format.h"
#include "engine/text_utils.h"
#include "mainwindow/explanation.h"
#include "platform/regional_settings_qt.h"
#include "platform/ui_language.h"
#include "resources/rcdata.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pecunor {
namespace {

// A language of the documents, with the regional settings its readers have.
struct DocumentLanguage {
    QString code;
    QString description;
    QString topResults;
    QString example;
    QString examples;
    RegionalSettings regional;
};

const DocumentLanguage english{"en", "Description", "Top Results", "Example", "Examples", test::plainRegional()};
const DocumentLanguage german{"de",       "Beschreibung", "Wichtigste Ergebnisse",
                              "Beispiel", "Beispiele",    test::germanRegional()};
const DocumentLanguage french{
    "fr",      "Description", "Principaux résultats",
    "Exemple", "Exemples",    platform::regionalSettingsNamed(QStringLiteral("fr_FR.UTF-8")).value()};

enum class Sections { DescriptionOnly, WithoutExample, WithExample, WithExamples };

struct ExpectedDocument {
    CalcMethod method;
    const DocumentLanguage* language;
    QString title;
    Sections sections;

    QStringList sectionNames() const
    {
        QStringList names{language->description};
        if (sections != Sections::DescriptionOnly)
            names << language->topResults;
        if (sections == Sections::WithExample)
            names << language->example;
        if (sections == Sections::WithExamples)
            names << language->examples;
        return names;
    }
};

void PrintTo(const ExpectedDocument& expected, std::ostream* out)
{
    *out << expected.language->code.toStdString() << ": " << expected.title.toStdString();
}

// A row's name of letters, digits and '_' alone, as gtest takes them: "FutureValueAnnuity_de".
std::string rowName(const ExpectedDocument& expected)
{
    std::string name;
    for (const char c : methodListText(expected.method))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name + '_' + expected.language->code.toStdString();
}

const std::vector<ExpectedDocument> expectedDocuments = {
    {CalcMethod::FutureValue, &english, "Future Value", Sections::WithExample},
    {CalcMethod::FutureValueAnnuity, &english, "Future Value Annuity", Sections::WithExamples},
    {CalcMethod::FutureValueInvestment, &english, "Future Value Investment", Sections::WithExample},
    {CalcMethod::PresentValue, &english, "Present Value", Sections::WithExample},
    {CalcMethod::PresentValueAnnuity, &english, "Present Value Annuity", Sections::WithExample},
    {CalcMethod::PresentLoanPayment, &english, "Present Loan Payment", Sections::WithExamples},
    {CalcMethod::StraightLineDepreciation, &english, "Straight Line Depreciation", Sections::WithExample},
    {CalcMethod::SumOfYearsDepreciation, &english, "Sum of Years Depreciation", Sections::WithExample},
    {CalcMethod::DoubleDecliningDepreciation, &english, "Double-Declining-Balance Depreciation", Sections::WithExample},
    {CalcMethod::ZeroCouponBonds, &english, "Zero Coupon Bonds", Sections::WithoutExample},
    {CalcMethod::BondYield, &english, "Bond Yield", Sections::DescriptionOnly},
    {CalcMethod::BondPrice, &english, "Bond Price", Sections::DescriptionOnly},
    {CalcMethod::PriceEarnings, &english, "Price / Earnings", Sections::DescriptionOnly},
    {CalcMethod::EarningsPerShare, &english, "Earnings / Share", Sections::DescriptionOnly},
    {CalcMethod::FutureValue, &german, "Endwert", Sections::WithExample},
    {CalcMethod::FutureValueAnnuity, &german, "Endwert mit Raten", Sections::WithExamples},
    {CalcMethod::FutureValueInvestment, &german, "Sparplan", Sections::WithExamples},
    {CalcMethod::PresentValue, &german, "Barwert", Sections::WithExample},
    {CalcMethod::PresentValueAnnuity, &german, "Barwert mit Raten", Sections::WithExamples},
    {CalcMethod::PresentLoanPayment, &german, "Annuitätendarlehen", Sections::WithExamples},
    {CalcMethod::StraightLineDepreciation, &german, "Lineare Abschreibung", Sections::WithExample},
    {CalcMethod::SumOfYearsDepreciation, &german, "Digitale Abschreibung", Sections::WithExample},
    {CalcMethod::DoubleDecliningDepreciation, &german, "Geometrisch-degressive Abschreibung", Sections::WithExamples},
    {CalcMethod::ZeroCouponBonds, &german, "Nullkuponanleihe", Sections::WithoutExample},
    {CalcMethod::BondYield, &german, "Laufende Rendite", Sections::DescriptionOnly},
    {CalcMethod::BondPrice, &german, "Anleihekurs", Sections::DescriptionOnly},
    {CalcMethod::PriceEarnings, &german, "Kurs-Gewinn-Verhältnis", Sections::DescriptionOnly},
    {CalcMethod::EarningsPerShare, &german, "Gewinn je Aktie", Sections::DescriptionOnly},
    {CalcMethod::FutureValue, &french, "Valeur acquise", Sections::WithExample},
    {CalcMethod::FutureValueAnnuity, &french, "Valeur acquise d’une suite d’annuités", Sections::WithExamples},
    {CalcMethod::FutureValueInvestment, &french, "Constitution de capital", Sections::WithExamples},
    {CalcMethod::PresentValue, &french, "Valeur actuelle", Sections::WithExample},
    {CalcMethod::PresentValueAnnuity, &french, "Valeur actuelle d’une suite d’annuités", Sections::WithExamples},
    {CalcMethod::PresentLoanPayment, &french, "Remboursement de prêt", Sections::WithExamples},
    {CalcMethod::StraightLineDepreciation, &french, "Amortissement linéaire", Sections::WithExample},
    {CalcMethod::SumOfYearsDepreciation, &french, "Amortissement SOFTY", Sections::WithExample},
    {CalcMethod::DoubleDecliningDepreciation, &french, "Amortissement dégressif", Sections::WithExamples},
    {CalcMethod::ZeroCouponBonds, &french, "Obligation à coupon zéro", Sections::WithoutExample},
    {CalcMethod::BondYield, &french, "Rendement courant", Sections::DescriptionOnly},
    {CalcMethod::BondPrice, &french, "Cours obligataire", Sections::DescriptionOnly},
    {CalcMethod::PriceEarnings, &french, "PER (cours / bénéfice)", Sections::DescriptionOnly},
    {CalcMethod::EarningsPerShare, &french, "Bénéfice par action", Sections::DescriptionOnly},
};

std::vector<ExpectedDocument> documentsWithTopResults()
{
    std::vector<ExpectedDocument> found;
    for (const ExpectedDocument& expected : expectedDocuments) {
        if (expected.sections != Sections::DescriptionOnly)
            found.push_back(expected);
    }
    return found;
}

// ---- The document as the rich-text view shows it ----

struct StyledBlock {
    QString text;
    QTextBlockFormat blockFormat;
    std::vector<QTextCharFormat> formats;  // of the fragments that show more than blanks

    bool isHeading() const
    {
        for (const QTextCharFormat& format : formats) {
            if (format.fontWeight() < QFont::Bold || !format.fontItalic())
                return false;
        }
        return !formats.empty();
    }
};

std::vector<StyledBlock> styledBlocks(const QTextDocument& document)
{
    std::vector<StyledBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        StyledBlock styled{block.text().simplified(), block.blockFormat(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().text().trimmed().isEmpty())
                styled.formats.push_back(it.fragment().charFormat());
        }
        if (!styled.formats.empty())
            blocks.push_back(styled);
    }
    return blocks;
}

QString family(const QTextCharFormat& format) { return format.fontFamilies().toStringList().value(0); }

std::vector<StyledBlock> loadBlocks(const ExpectedDocument& expected)
{
    QTextDocument document;
    document.setHtml(explanationDocumentIn(expected.method, expected.language->code, expected.language->regional));
    return styledBlocks(document);
}

class ExplanationDocumentTest : public ::testing::TestWithParam<ExpectedDocument> { };

TEST_P(ExplanationDocumentTest, OpensWithTheIndentedTealTitle)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam());
    ASSERT_FALSE(blocks.empty());
    const StyledBlock& title = blocks.front();
    EXPECT_EQ(title.text, GetParam().title);
    EXPECT_GT(title.blockFormat.leftMargin() + title.blockFormat.indent(), 0);
    for (const QTextCharFormat& format : title.formats) {
        EXPECT_EQ(family(format), "Arial");
        EXPECT_EQ(format.fontPointSize(), 12);
        EXPECT_GE(format.fontWeight(), QFont::Bold);
        EXPECT_EQ(format.foreground().color(), QColor(0, 128, 128));
    }
}

TEST_P(ExplanationDocumentTest, HasItsSectionsInOrderEachWithBodyText)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam());
    ASSERT_GE(blocks.size(), 2U);
    EXPECT_TRUE(blocks[1].isHeading()) << "text before the first section: " << blocks[1].text.toStdString();

    QStringList headings;
    std::vector<int> bodyBlocksPerSection;
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        if (blocks[i].isHeading()) {
            headings << blocks[i].text;
            bodyBlocksPerSection.push_back(0);
        } else if (!bodyBlocksPerSection.empty()) {
            ++bodyBlocksPerSection.back();
        }
    }
    EXPECT_EQ(headings, GetParam().sectionNames());
    for (std::size_t i = 0; i < bodyBlocksPerSection.size(); ++i)
        EXPECT_GT(bodyBlocksPerSection[i], 0) << "empty section " << headings.value(int(i)).toStdString();
}

TEST_P(ExplanationDocumentTest, SetsHeadingsAndBodyInTenPointArial)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam());
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        for (const QTextCharFormat& format : blocks[i].formats) {
            EXPECT_EQ(family(format), "Arial") << blocks[i].text.toStdString();
            EXPECT_EQ(format.fontPointSize(), 10) << blocks[i].text.toStdString();
            EXPECT_EQ(format.foreground().color(), QColor(Qt::black)) << blocks[i].text.toStdString();
        }
    }
}

// ---- The worked figures ----
//
// The documents are templates (explanation_fill.h): each figure, entry and
// amount of the prose is filled in the reader's regional forms. Every
// document of every language names its inputs and summary lines by their
// English texts.

using Attributes = QHash<QString, QString>;

Attributes attributesOf(const QString& tagText)
{
    static const QRegularExpression attribute(QStringLiteral(R"(([\w-]+)="([^"]*)\")"));
    Attributes attributes;
    for (const QRegularExpressionMatch& match : attribute.globalMatch(tagText))
        attributes.insert(match.captured(1), match.captured(2));
    return attributes;
}

struct Quote {
    Attributes attributes;
    QString text;
};

std::vector<Attributes> examplesIn(const QString& html)
{
    static const QRegularExpression element(QStringLiteral(R"(<\w+\s([^>]*)>)"));
    std::vector<Attributes> found;
    for (const QRegularExpressionMatch& match : element.globalMatch(html)) {
        Attributes attributes = attributesOf(match.captured(1));
        if (attributes.value("class") == "example")
            found.push_back(attributes);
    }
    return found;
}

std::vector<Quote> marksIn(const QString& html)
{
    static const QRegularExpression span(QStringLiteral(R"(<span\s([^>]*)>([^<]*)</span>)"));
    static const QStringList marks{"figure", "entry", "amount"};
    std::vector<Quote> found;
    for (const QRegularExpressionMatch& match : span.globalMatch(html)) {
        Attributes attributes = attributesOf(match.captured(1));
        if (marks.contains(attributes.value("class")))
            found.push_back({attributes, match.captured(2)});
    }
    return found;
}

template <typename Enum, int Count, typename TextOf>
std::optional<Enum> itemByText(const QString& text, TextOf textOf)
{
    for (int i = 0; i < Count; ++i) {
        if (QString::fromUtf8(std::string(textOf(static_cast<Enum>(i)))) == text)
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

// The inputs of an example as a reader of those regional forms types them.
std::optional<test::Inputs> inputsOf(CalcMethod method, const Attributes& example, const RegionalSettings& regional)
{
    const auto unit = itemByText<PeriodUnit, periodUnitCount>(example.value("data-periods", "Years"),
                                                              [](PeriodUnit u) { return periodUnitText(u); });
    const auto ratePer = itemByText<PeriodUnit, periodUnitCount>(example.value("data-rate-per", "/ Year"),
                                                                 [](PeriodUnit u) { return interestPerText(u); });
    const auto timing = itemByText<PaymentTiming, paymentTimingCount>(
        example.value("data-due", "End of Period"), [](PaymentTiming t) { return paymentTimingText(t); });
    if (!unit || !ratePer || !timing || !example.contains("data-values"))
        return std::nullopt;
    test::Inputs inputs;
    inputs.method = method;
    inputs.unit = *unit;
    inputs.interestPer = *ratePer;
    inputs.timing = *timing;
    for (QString value : example.value("data-values").split('|'))
        inputs.values.push_back(value.replace('.', QString::fromStdString(regional.decimalSeparator)).toStdString());
    return inputs;
}

// The summary value beside the summary label, the label without its " : ".
std::optional<std::string> summaryValue(const ResultSheet& sheet, const QString& label)
{
    const QStringList labels = QString::fromStdString(sheet.summaryLabels()).split('\n');
    const QStringList values = QString::fromStdString(sheet.summaryValues()).split('\n');
    for (qsizetype i = 0; i < labels.size() && i < values.size(); ++i) {
        if (labels[i].trimmed().chopped(1).trimmed() == label)
            return values[i].toStdString();
    }
    return std::nullopt;
}

std::optional<std::string> quotedFigure(const ResultSheet& sheet, const Attributes& figure)
{
    if (figure.contains("data-summary"))
        return summaryValue(sheet, figure.value("data-summary"));
    const QStringList cell = figure.value("data-cell").split(',');
    bool columnOk = false;
    bool rowOk = false;
    const int column = cell.value(0).toInt(&columnOk);
    const int row = cell.value(1).toInt(&rowOk);
    if (cell.size() != 2 || !columnOk || !rowOk || column >= sheet.columnCount() || row >= sheet.rowCount())
        return std::nullopt;
    return std::string(sheet.cell(column, row));
}

// What the engine reads from a text typed into a value entry.
long double enteredAmount(const QString& typed, const RegionalSettings& regional)
{
    const std::string digits = keepChars(typed.toStdString(), "0123456789" + regional.decimalSeparator);
    return textToAmount(digits, false, regional);
}

// A text with each blank, of whatever kind, as a plain one: rich text keeps
// no narrow no-break space.
std::string withPlainBlanks(QString text)
{
    std::replace_if(
        text.begin(), text.end(), [](QChar c) { return c.isSpace(); }, QChar(' '));
    return text.toStdString();
}

// A quote as the page shows it: entities decoded.
QString shownText(const Quote& quote) { return QTextDocumentFragment::fromHtml(quote.text).toPlainText(); }

struct FilledDocument {
    ExpectedDocument document;
    QString localeName;
};

void PrintTo(const FilledDocument& filled, std::ostream* out)
{
    PrintTo(filled.document, out);
    *out << " under " << filled.localeName.toStdString();
}

std::vector<FilledDocument> documentsUnderEachLocale()
{
    std::vector<FilledDocument> found;
    for (const ExpectedDocument& document : expectedDocuments) {
        for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8", "de_CH.UTF-8", "fr_FR.UTF-8"})
            found.push_back({document, locale});
    }
    return found;
}

class FilledFiguresTest : public ::testing::TestWithParam<FilledDocument> { };

TEST_P(FilledFiguresTest, ShowWhatTheCalculationShowsAndTypeAsTheExampleEntries)
{
    const CalcMethod method = GetParam().document.method;
    const RegionalSettings regional = *platform::regionalSettingsNamed(GetParam().localeName);
    const QString html = explanationDocumentIn(method, GetParam().document.language->code, regional);
    std::map<QString, test::Inputs> inputsByExample;
    std::map<QString, ResultSheet> sheetByExample;
    for (const Attributes& example : examplesIn(html)) {
        const QString name = example.value("data-example");
        const auto inputs = inputsOf(method, example, regional);
        ASSERT_TRUE(inputs) << "unreadable inputs of example " << name.toStdString();
        inputsByExample.emplace(name, *inputs);
        sheetByExample.emplace(name, test::calculate(*inputs, regional));
        EXPECT_TRUE(sheetByExample.at(name).valid()) << name.toStdString();
    }
    ASSERT_FALSE(sheetByExample.empty()) << "no worked example";

    std::set<QString> quotedExamples;
    for (const Quote& mark : marksIn(html)) {
        const QString shown = shownText(mark);
        const QString name = mark.attributes.value("data-example");
        const std::string where = name.toStdString() + " " + mark.attributes.value("data-cell").toStdString() +
                                  mark.attributes.value("data-summary").toStdString() +
                                  mark.attributes.value("data-entry").toStdString();
        EXPECT_FALSE(shown.isEmpty()) << "unfilled: " << where;
        if (mark.attributes.value("class") == "amount") {
            EXPECT_EQ(enteredAmount(shown, regional),
                      textToAmount(mark.attributes.value("data-value").toStdString(), false, test::plainRegional()))
                << shown.toStdString();
            continue;
        }
        const auto inputs = inputsByExample.find(name);
        ASSERT_NE(inputs, inputsByExample.end()) << "quote of no example: " << where;
        if (mark.attributes.value("class") == "entry") {
            const auto index = std::size_t(mark.attributes.value("data-entry").toInt() - 1);
            ASSERT_LT(index, inputs->second.values.size()) << where;
            const QString typed = QString::fromStdString(inputs->second.values[index]);
            EXPECT_EQ(enteredAmount(shown, regional), enteredAmount(typed, regional))
                << "text says " << shown.toStdString() << ", entry is " << typed.toStdString();
            continue;
        }
        const auto figure = quotedFigure(sheetByExample.at(name), mark.attributes);
        ASSERT_TRUE(figure) << "figure points at nothing: " << where;
        EXPECT_EQ(withPlainBlanks(shown), withPlainBlanks(QString::fromStdString(*figure))) << where;
        quotedExamples.insert(name);
    }
    for (const auto& [name, sheet] : sheetByExample)
        EXPECT_TRUE(quotedExamples.count(name)) << "example " << name.toStdString() << " quotes no figure";
}

INSTANTIATE_TEST_SUITE_P(AllMethods, FilledFiguresTest, ::testing::ValuesIn(documentsUnderEachLocale()),
                         [](const auto& info) {
                             return rowName(info.param.document) + "_under_" +
                                    info.param.localeName.section('.', 0, 0).toStdString();
                         });

// Outside the marks a document holds no figure in one country's form.
TEST_P(ExplanationDocumentTest, WritesNoFigureAsFixedText)
{
    const QTextDocumentFragment templateText = QTextDocumentFragment::fromHtml(
        QString::fromUtf8(readRcdata(explanationResourceId(GetParam().method), GetParam().language->code)));
    static const QRegularExpression regionalFigure(QStringLiteral(R"(\d[.,’'\s]\d)"));
    const QRegularExpressionMatch fixed = regionalFigure.match(templateText.toPlainText());
    EXPECT_FALSE(fixed.hasMatch()) << fixed.captured().toStdString();
}

// The examples written as the window writes them in the reader's forms,
// whatever the language of the texts.
TEST(FilledExplanation, WritesTheAmountsOfTheRegionalSettings)
{
    const std::vector<std::tuple<CalcMethod, QString, QString, QString>> cases = {
        {CalcMethod::FutureValue, "de", "de_CH.UTF-8", "Endwert von CHF 1’331.00;"},
        {CalcMethod::FutureValue, "de", "en_US.UTF-8", "Endwert von $1,331.00;"},
        {CalcMethod::FutureValue, "en", "de_DE.UTF-8", "future value of 1.331,00 €,"},
        {CalcMethod::BondPrice, "en", "de_DE.UTF-8", "yield of 0,1, that is"},
        {CalcMethod::BondPrice, "de", "de_CH.UTF-8", "Rendite von 0.1, also"},
    };
    for (const auto& [method, language, locale, expected] : cases) {
        QTextDocument document;
        document.setHtml(explanationDocumentIn(method, language, *platform::regionalSettingsNamed(locale)));
        EXPECT_TRUE(document.toPlainText().simplified().contains(expected))
            << locale.toStdString() << ": " << document.toPlainText().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllMethods, ExplanationDocumentTest, ::testing::ValuesIn(expectedDocuments),
                         [](const auto& info) { return rowName(info.param); });

// "Top Results" names each line of the summary beside the table, as the
// window of the document's language shows it.
class TopResultsTest : public ::testing::TestWithParam<ExpectedDocument> { };

TEST_P(TopResultsTest, NamesEverySummaryLine)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam());
    QString sectionText;
    bool inSection = false;
    for (const StyledBlock& block : blocks) {
        if (block.isHeading())
            inSection = block.text == GetParam().language->topResults;
        else if (inSection)
            sectionText += block.text + '\n';
    }
    const DayNumber today = test::date(2026, 12, 7);
    MethodInputMemory memory(today);
    const ResultSheet sheet =
        calcChart(test::requestOf({GetParam().method, {"1000", "10", "3", "3"}}), today, GetParam().language->regional,
                  memory, platform::catalogForLanguage(GetParam().language->code));
    ASSERT_TRUE(sheet.valid());
    const QStringList labels = QString::fromStdString(sheet.summaryLabels()).split('\n');
    ASSERT_FALSE(labels.isEmpty());
    for (const QString& line : labels) {
        const QString label = line.trimmed().chopped(1).trimmed();
        EXPECT_TRUE(sectionText.contains(label)) << label.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(ScheduleMethods, TopResultsTest, ::testing::ValuesIn(documentsWithTopResults()),
                         [](const auto& info) { return rowName(info.param); });

// The installer's introduction, whose heading keeps the product's placeholder.
TEST(Rcdata, ComesInTheAskedLanguageOrElseInEnglish)
{
    const std::vector<std::pair<QString, QString>> headingByLanguage = {
        {"en", "Welcome to %s Setup!"},
        {"de", "Willkommen bei der Installation von %s!"},
        {"de_AT", "Willkommen bei der Installation von %s!"},
        {"fr", "Bienvenue dans l’installation d’%s !"},
        {"xx", "Welcome to %s Setup!"}};
    for (const auto& [language, heading] : headingByLanguage) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(readRcdata(3, language)));
        EXPECT_EQ(document.begin().text().simplified(), heading) << language.toStdString();
    }
}

TEST(Rcdata, AMissingResourceIsReportedWithItsNumber)
{
    try {
        readRcdata(4711);
        FAIL() << "no error";
    } catch (const MissingResource& missing) {
        EXPECT_EQ(missing.identifier(), 4711);
        EXPECT_STREQ(missing.what(), "Resource 4711 not found");
    }
}

}  // namespace
}  // namespace pecunor
