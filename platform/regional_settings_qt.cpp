#include "regional_settings_qt.h"

#include <array>
#include <string>
#include <string_view>

#include <QRegularExpression>
#include <QStringView>

namespace pecunor::platform {

namespace {

// Stands in for the currency symbol while a formatted amount is read, so
// that a symbol holding digits, points or blanks cannot be taken for the
// amount. A private-use character: no locale writes it.
const QString symbolMark(QChar(0xE000));

constexpr std::array<std::string_view, 4> placementShapes = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> negativeShapes = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)",
};
// A leading minus before the positive form, when the locale's negative
// form matches no pattern.
constexpr std::array<int, 4> leadingMinusPattern = {1, 5, 9, 8};

bool isBidiMark(QChar c) { return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C); }

// Qt separates symbol and amount with any of these.
bool isBlank(QChar c) { return c == QChar(' ') || c == QChar(0x00A0) || c == QChar(0x202F); }

QString withoutBidiMarks(QString text)
{
    text.removeIf(isBidiMark);
    return text;
}

// The formatted amount in pattern notation: "$" the symbol, "1" the
// digits and separators, "-" a minus, parentheses, and " " for a blank.
std::string currencyShape(const QString& formatted, const QString& symbol, const QString& minus)
{
    const QString text = withoutBidiMarks(formatted);
    const QString plainSymbol = withoutBidiMarks(symbol);
    const QString plainMinus = withoutBidiMarks(minus);
    std::string shape;
    auto put = [&shape](char c) {
        const bool repeats = !shape.empty() && shape.back() == c && (c == '1' || c == ' ');
        if (!repeats)
            shape.push_back(c);
    };
    for (qsizetype at = 0; at < text.size();) {
        const QStringView rest = QStringView(text).mid(at);
        if (!plainSymbol.isEmpty() && rest.startsWith(plainSymbol)) {
            put('$');
            at += plainSymbol.size();
        } else if (!plainMinus.isEmpty() && rest.startsWith(plainMinus)) {
            put('-');
            at += plainMinus.size();
        } else {
            const QChar c = text[at++];
            if (c == QChar('(') || c == QChar(')'))
                put(static_cast<char>(c.unicode()));
            else if (c == QChar('-') || c == QChar(0x2212))
                put('-');
            else if (isBlank(c))
                put(' ');
            else
                put('1');
        }
    }
    return shape;
}

template <std::size_t N>
std::optional<int> indexOfShape(const std::array<std::string_view, N>& shapes, const std::string& shape)
{
    for (std::size_t i = 0; i < N; ++i)
        if (shapes[i] == shape)
            return static_cast<int>(i);
    return std::nullopt;
}

// The digits after the decimal separator in the locale's own form of 1.
int currencyDecimalsOf(const QLocale& locale)
{
    const QString one = withoutBidiMarks(locale.toCurrencyString(1.0, symbolMark));
    const QString point = withoutBidiMarks(locale.decimalPoint());
    const qsizetype at = point.isEmpty() ? -1 : one.indexOf(point);
    if (at < 0)
        return 0;
    int decimals = 0;
    for (qsizetype i = at + point.size(); i < one.size() && one[i].isDigit(); ++i)
        ++decimals;
    return decimals;
}

// The first character of the short date format that is neither a date
// letter nor a blank nor inside quotes; "/" when there is none.
QString dateSeparatorOf(const QString& shortDateFormat)
{
    bool quoted = false;
    for (const QChar c : shortDateFormat) {
        if (c == QChar('\'')) {
            quoted = !quoted;
            continue;
        }
        const QChar lower = c.toLower();
        const bool dateLetter = lower == QChar('d') || lower == QChar('m') || lower == QChar('y');
        if (!quoted && !dateLetter && !isBlank(c) && !c.isSpace() && !isBidiMark(c))
            return QString(c);
    }
    return QStringLiteral("/");
}

RegionalSettings cLocaleSettings()
{
    RegionalSettings regional;
    regional.decimalSeparator = ".";
    regional.thousandsSeparator = ",";
    regional.currencySymbol.clear();
    regional.currencyPlacement = 0;
    regional.negativeCurrencyPattern = 1;
    regional.currencyDecimals = 2;
    regional.shortDateFormat = "M/d/yy";
    regional.dateSeparator = "/";
    return regional;
}

}  // namespace

std::optional<int> currencyPlacementOf(const QString& positive, const QString& symbol)
{
    return indexOfShape(placementShapes, currencyShape(positive, symbol, QString()));
}

std::optional<int> negativeCurrencyPatternOf(const QString& negative, const QString& symbol, const QString& minus)
{
    return indexOfShape(negativeShapes, currencyShape(negative, symbol, minus));
}

RegionalSettings regionalSettingsFrom(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return cLocaleSettings();
    RegionalSettings regional;
    regional.decimalSeparator = locale.decimalPoint().toStdString();
    regional.thousandsSeparator = locale.groupSeparator().toStdString();
    regional.currencySymbol = locale.currencySymbol().toStdString();
    regional.currencyDecimals = currencyDecimalsOf(locale);
    regional.currencyPlacement = currencyPlacementOf(locale.toCurrencyString(1.0, symbolMark), symbolMark).value_or(0);
    regional.negativeCurrencyPattern =
        negativeCurrencyPatternOf(locale.toCurrencyString(-1.0, symbolMark), symbolMark, locale.negativeSign())
            .value_or(leadingMinusPattern[static_cast<std::size_t>(regional.currencyPlacement)]);
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    regional.shortDateFormat = shortDate.toStdString();
    regional.dateSeparator = dateSeparatorOf(shortDate).toStdString();
    return regional;
}

RegionalSettings systemRegionalSettings()
{
    const QLocale system = QLocale::system();
    RegionalSettings regional = regionalSettingsFrom(system);
    if (system.language() == QLocale::C)
        return regional;
    // Qt writes the system's amounts in the pattern of the first LANGUAGE
    // entry when that differs from the locale ("€1.100,00" under LANGUAGE=en
    // and de_DE); the currency's shape follows the monetary locale instead,
    // so that the language of the texts never changes a figure.
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (name.isEmpty())
            continue;
        if (const std::optional<QLocale> monetary = localeNamed(name); monetary && monetary->language() != QLocale::C) {
            const RegionalSettings money = regionalSettingsFrom(*monetary);
            regional.currencyPlacement = money.currencyPlacement;
            regional.negativeCurrencyPattern = money.negativeCurrencyPattern;
            regional.currencyDecimals = money.currencyDecimals;
        }
        break;
    }
    return regional;
}

std::optional<QLocale> localeNamed(const QString& name)
{
    // language[_Script][_TERRITORY][.codeset][@modifier], "_" or "-" between the parts.
    static const QRegularExpression cName(QStringLiteral(R"(^(C|POSIX)(\.[A-Za-z0-9_-]+)?$)"));
    static const QRegularExpression localeName(QStringLiteral(
        R"(^[A-Za-z]{2,3}([_-][A-Za-z]{4})?([_-]([A-Za-z]{2}|[0-9]{3}))?(\.[A-Za-z0-9_-]+)?(@[A-Za-z0-9_]+)?$)"));
    if (cName.match(name).hasMatch())
        return QLocale::c();
    if (!localeName.match(name).hasMatch())
        return std::nullopt;
    QLocale locale(name);
    // Qt answers an unknown language with the C locale.
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return locale;
}

}  // namespace pecunor::platform
