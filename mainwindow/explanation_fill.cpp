#include "explanation_fill.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calc_chart.h"
#include "engine/number_format.h"

namespace pecunor {

namespace {

using Attributes = QHash<QString, QString>;

Attributes attributesOf(const QString& tagText)
{
    static const QRegularExpression attribute(QStringLiteral(R"(([\w-]+)="([^"]*)\")"));
    Attributes attributes;
    for (const QRegularExpressionMatch& match : attribute.globalMatch(tagText))
        attributes.insert(match.captured(1), match.captured(2));
    return attributes;
}

template <typename Enum, int Count, typename TextOf>
std::optional<Enum> itemNamed(const QString& text, TextOf textOf)
{
    for (int i = 0; i < Count; ++i) {
        const std::string_view itemText = textOf(static_cast<Enum>(i));
        if (QString::fromUtf8(itemText.data(), qsizetype(itemText.size())) == text)
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

// A plain value ("7.5") as the reader types it ("7,5" where the comma is the decimal separator).
QString typedForm(QString plain, const RegionalSettings& regional)
{
    return plain.replace(QChar('.'), QString::fromStdString(regional.decimalSeparator));
}

struct Example {
    QStringList values;
    std::optional<ResultSheet> sheet;  // none when the inputs name no list item or the entries do not suffice
};

std::optional<ResultSheet> sheetOf(CalcMethod method, const Attributes& example, const QStringList& values,
                                   const RegionalSettings& regional)
{
    const auto unit = itemNamed<PeriodUnit, periodUnitCount>(example.value("data-periods", "Years"),
                                                             [](PeriodUnit u) { return periodUnitText(u); });
    const auto ratePer = itemNamed<PeriodUnit, periodUnitCount>(example.value("data-rate-per", "/ Year"),
                                                                [](PeriodUnit u) { return interestPerText(u); });
    const auto timing = itemNamed<PaymentTiming, paymentTimingCount>(
        example.value("data-due", "End of Period"), [](PaymentTiming t) { return paymentTimingText(t); });
    if (!unit || !ratePer || !timing)
        return std::nullopt;
    CalcRequest request;
    request.method = method;
    request.periodUnit = *unit;
    request.interestPer = *ratePer;
    request.paymentTiming = *timing;
    for (qsizetype i = 0; i < values.size() && i < qsizetype(request.valueTexts.size()); ++i)
        request.valueTexts[std::size_t(i)] = typedForm(values[i], regional).toStdString();
    // No figure depends on the dates: any day serves as the start.
    const DayNumber start = *dayNumberOf(2000, 1, 1);
    MethodInputMemory memory(start);
    ResultSheet sheet = calcChart(request, start, regional, memory);
    if (!sheet.valid())
        return std::nullopt;
    return sheet;
}

std::map<QString, Example> examplesIn(const QString& page, CalcMethod method, const RegionalSettings& regional)
{
    static const QRegularExpression element(QStringLiteral(R"(<\w+\s([^>]*)>)"));
    std::map<QString, Example> examples;
    for (const QRegularExpressionMatch& match : element.globalMatch(page)) {
        const Attributes attributes = attributesOf(match.captured(1));
        if (attributes.value("class") != "example")
            continue;
        const QStringList values = attributes.value("data-values").split('|');
        examples[attributes.value("data-example")] = {values, sheetOf(method, attributes, values, regional)};
    }
    return examples;
}

// The summary value beside the label, the label without its " : ".
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

std::optional<std::string> cellText(const ResultSheet& sheet, const QString& place)
{
    const QStringList parts = place.split(',');
    bool columnRead = false;
    bool rowRead = false;
    const int column = parts.value(0).toInt(&columnRead);
    const int row = parts.value(1).toInt(&rowRead);
    if (parts.size() != 2 || !columnRead || !rowRead || column < 0 || row < 0 || column >= sheet.columnCount() ||
        row >= sheet.rowCount())
        return std::nullopt;
    return std::string(sheet.cell(column, row));
}

std::optional<std::string> figureText(const Example& example, const Attributes& figure)
{
    if (!example.sheet)
        return std::nullopt;
    if (figure.contains("data-summary"))
        return summaryValue(*example.sheet, figure.value("data-summary"));
    return cellText(*example.sheet, figure.value("data-cell"));
}

std::optional<std::string> amountText(const QString& plain, const QString& form, const RegionalSettings& regional)
{
    if (form.isEmpty())
        return typedForm(plain, regional).toStdString();
    const std::optional<long double> value = readAmount(plain.toStdString(), ".");
    if (!value)
        return std::nullopt;
    if (form == "money")
        return formatMoney(*value, regional);
    if (form == "number")
        return formatNumber(*value, regional);
    return std::nullopt;
}

std::optional<std::string> markedText(const Attributes& span, const std::map<QString, Example>& examples,
                                      const RegionalSettings& regional)
{
    const QString kind = span.value("class");
    if (kind == "amount")
        return amountText(span.value("data-value"), span.value("data-form"), regional);
    const auto example = examples.find(span.value("data-example"));
    if (example == examples.end())
        return std::nullopt;
    if (kind == "figure")
        return figureText(example->second, span);
    const qsizetype entry = span.value("data-entry").toInt() - 1;
    if (entry < 0 || entry >= example->second.values.size())
        return std::nullopt;
    return amountText(example->second.values[entry], span.value("data-form"), regional);
}

bool isMarked(const Attributes& span)
{
    const QString kind = span.value("class");
    return kind == "figure" || kind == "entry" || kind == "amount";
}

// A figure stays on one line: its blanks do not break. Qt's rich text keeps
// no other kind of blank, so a narrow one (fr_FR's thousands) widens.
QString asRichText(const std::string& text)
{
    QString written;
    for (const QChar c : QString::fromStdString(text).toHtmlEscaped())
        written += c.isSpace() ? QStringLiteral("&nbsp;") : QString(c);
    return written;
}

}  // namespace

QString filledExplanation(const QString& page, CalcMethod method, const RegionalSettings& regional)
{
    static const QRegularExpression span(QStringLiteral(R"((<span\s([^>]*)>)[^<]*</span>)"));
    const std::map<QString, Example> examples = examplesIn(page, method, regional);
    QString filled;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : span.globalMatch(page)) {
        const Attributes attributes = attributesOf(match.captured(2));
        if (!isMarked(attributes))
            continue;
        const std::optional<std::string> text = markedText(attributes, examples, regional);
        filled += QStringView(page).mid(copied, match.capturedStart() - copied);
        filled += match.captured(1) + (text ? asRichText(*text) : QString()) + QStringLiteral("</span>");
        copied = match.capturedEnd();
    }
    filled += QStringView(page).mid(copied);
    return filled;
}

}  // namespace pecunor
