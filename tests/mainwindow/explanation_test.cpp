#include <QColor>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../engine/engine_test_support.h"
#include "explanation.h"
#include "number_format.h"
#include "rcdata.h"
#include "text_utils.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pecunor {
namespace {

struct ExpectedDocument {
    CalcMethod method;
    QString title;
    QStringList sections;
};

void PrintTo(const ExpectedDocument& expected, std::ostream* out) { *out << expected.title.toStdString(); }

const QString description = QStringLiteral("Description");
const QString topResults = QStringLiteral("Top Results");
const QString example = QStringLiteral("Example");
const QString examples = QStringLiteral("Examples");

const std::vector<ExpectedDocument> expectedDocuments = {
    {CalcMethod::FutureValue, "Future Value", {description, topResults, example}},
    {CalcMethod::FutureValueAnnuity, "Future Value Annuity", {description, topResults, examples}},
    {CalcMethod::FutureValueInvestment, "Future Value Investment", {description, topResults, example}},
    {CalcMethod::PresentValue, "Present Value", {description, topResults, example}},
    {CalcMethod::PresentValueAnnuity, "Present Value Annuity", {description, topResults, example}},
    {CalcMethod::PresentLoanPayment, "Present Loan Payment", {description, topResults, examples}},
    {CalcMethod::StraightLineDepreciation, "Straight Line Depreciation", {description, topResults, example}},
    {CalcMethod::SumOfYearsDepreciation, "Sum of Years Depreciation", {description, topResults, example}},
    {CalcMethod::DoubleDecliningDepreciation, "Double-Declining-Balance Depreciation",
     {description, topResults, example}},
    {CalcMethod::ZeroCouponBonds, "Zero Coupon Bonds", {description, topResults}},
    {CalcMethod::BondYield, "Bond Yield", {description}},
    {CalcMethod::BondPrice, "Bond Price", {description}},
    {CalcMethod::PriceEarnings, "Price / Earnings", {description}},
    {CalcMethod::EarningsPerShare, "Earnings / Share", {description}},
};

std::vector<ExpectedDocument> documentsWithTopResults()
{
    std::vector<ExpectedDocument> found;
    for (const ExpectedDocument& expected : expectedDocuments) {
        if (expected.sections.contains(topResults))
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

std::vector<StyledBlock> loadBlocks(CalcMethod method)
{
    QTextDocument document;
    document.setHtml(explanationDocument(method));
    return styledBlocks(document);
}

class ExplanationDocumentTest : public ::testing::TestWithParam<ExpectedDocument> {};

TEST_P(ExplanationDocumentTest, OpensWithTheIndentedTealTitle)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam().method);
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
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam().method);
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
    EXPECT_EQ(headings, GetParam().sections);
    for (std::size_t i = 0; i < bodyBlocksPerSection.size(); ++i)
        EXPECT_GT(bodyBlocksPerSection[i], 0) << "empty section " << headings.value(int(i)).toStdString();
}

TEST_P(ExplanationDocumentTest, SetsHeadingsAndBodyInTenPointArial)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam().method);
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
// An element of class "example" declares one set of inputs:
//   data-example   its name within the document
//   data-values    the four value entries as typed, separated by "|"
//   data-periods   the period unit as listed (default "Years")
//   data-due       the payment timing as listed (default "End of Period")
//   data-rate-per  the unit of the interest rate as listed (default "/ Year")
// A <span class="figure"> quotes what the calculation shows for its example:
//   data-cell="column,row" a table cell, data-summary="label" a summary value.
// A <span class="entry" data-entry="n"> quotes value entry n of its example.

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

std::vector<Quote> quotesIn(const QString& html, const QString& quoteClass)
{
    static const QRegularExpression span(QStringLiteral(R"(<span\s([^>]*)>([^<]*)</span>)"));
    std::vector<Quote> found;
    for (const QRegularExpressionMatch& match : span.globalMatch(html)) {
        Attributes attributes = attributesOf(match.captured(1));
        if (attributes.value("class") == quoteClass)
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

std::optional<test::Inputs> inputsOf(CalcMethod method, const Attributes& example)
{
    const auto unit = itemByText<PeriodUnit, periodUnitCount>(
        example.value("data-periods", "Years"), [](PeriodUnit u) { return periodUnitInfo(u).listText; });
    const auto ratePer = itemByText<PeriodUnit, periodUnitCount>(
        example.value("data-rate-per", "/ Year"), [](PeriodUnit u) { return periodUnitInfo(u).interestPerText; });
    const auto timing = itemByText<PaymentTiming, paymentTimingCount>(example.value("data-due", "End of Period"),
                                                                      paymentTimingText);
    if (!unit || !ratePer || !timing || !example.contains("data-values"))
        return std::nullopt;
    test::Inputs inputs;
    inputs.method = method;
    inputs.unit = *unit;
    inputs.interestPer = *ratePer;
    inputs.timing = *timing;
    for (const QString& value : example.value("data-values").split('|'))
        inputs.values.push_back(value.toStdString());
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

long double enteredAmount(const std::string& typed)
{
    return textToAmount(keepChars(typed, "0123456789."), false, test::plainRegional());
}

TEST_P(ExplanationDocumentTest, QuotesTheFiguresTheCalculationShows)
{
    const CalcMethod method = GetParam().method;
    const QString html = explanationDocument(method);
    std::map<QString, test::Inputs> inputsByExample;
    std::map<QString, ResultSheet> sheetByExample;
    for (const Attributes& example : examplesIn(html)) {
        const QString name = example.value("data-example");
        const auto inputs = inputsOf(method, example);
        ASSERT_TRUE(inputs) << "unreadable inputs of example " << name.toStdString();
        inputsByExample.emplace(name, *inputs);
        sheetByExample.emplace(name, test::calculate(*inputs));
        EXPECT_TRUE(sheetByExample.at(name).valid()) << name.toStdString();
    }
    ASSERT_FALSE(sheetByExample.empty()) << "no worked example";

    std::set<QString> quotedExamples;
    for (const Quote& figure : quotesIn(html, "figure")) {
        const QString name = figure.attributes.value("data-example");
        const auto sheet = sheetByExample.find(name);
        ASSERT_NE(sheet, sheetByExample.end()) << "figure " << figure.text.toStdString() << " of no example";
        const auto shown = quotedFigure(sheet->second, figure.attributes);
        ASSERT_TRUE(shown) << "figure " << figure.text.toStdString() << " points at nothing";
        EXPECT_EQ(figure.text.toStdString(), *shown)
            << "example " << name.toStdString() << ", cell " << figure.attributes.value("data-cell").toStdString()
            << figure.attributes.value("data-summary").toStdString();
        quotedExamples.insert(name);
    }
    for (const auto& [name, sheet] : sheetByExample)
        EXPECT_TRUE(quotedExamples.count(name)) << "example " << name.toStdString() << " quotes no figure";

    for (const Quote& entry : quotesIn(html, "entry")) {
        const auto inputs = inputsByExample.find(entry.attributes.value("data-example"));
        ASSERT_NE(inputs, inputsByExample.end()) << "entry " << entry.text.toStdString() << " of no example";
        const auto index = std::size_t(entry.attributes.value("data-entry").toInt() - 1);
        ASSERT_LT(index, inputs->second.values.size()) << entry.text.toStdString();
        EXPECT_EQ(enteredAmount(entry.text.toStdString()), enteredAmount(inputs->second.values[index]))
            << "text says " << entry.text.toStdString() << ", entry is " << inputs->second.values[index];
    }
}

INSTANTIATE_TEST_SUITE_P(AllMethods, ExplanationDocumentTest, ::testing::ValuesIn(expectedDocuments));

// "Top Results" names each line of the summary beside the table.
class TopResultsTest : public ::testing::TestWithParam<ExpectedDocument> {};

TEST_P(TopResultsTest, NamesEverySummaryLine)
{
    const std::vector<StyledBlock> blocks = loadBlocks(GetParam().method);
    QString sectionText;
    bool inSection = false;
    for (const StyledBlock& block : blocks) {
        if (block.isHeading())
            inSection = block.text == topResults;
        else if (inSection)
            sectionText += block.text + '\n';
    }
    const ResultSheet sheet = test::calculate({GetParam().method, {"1000", "10", "3", "3"}});
    ASSERT_TRUE(sheet.valid());
    const QStringList labels = QString::fromStdString(sheet.summaryLabels()).split('\n');
    ASSERT_FALSE(labels.isEmpty());
    for (const QString& line : labels) {
        const QString label = line.trimmed().chopped(1).trimmed();
        EXPECT_TRUE(sectionText.contains(label)) << label.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(ScheduleMethods, TopResultsTest, ::testing::ValuesIn(documentsWithTopResults()));

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
