#include "regional_settings_qt.h"

#include <array>
#include <string>
#include <string_view>

#include <langinfo.h>
#include <locale.h>
#include <monetary.h>

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
    "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
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

// The C library's data of a locale's monetary category; "de_CH" also finds
// "de_CH.UTF-8", as machines often generate the UTF-8 form only.
class MonetaryLocale {
public:
    explicit MonetaryLocale(const QString& name) : locale_(opened(name))
    {
        if (locale_ == locale_t(0) && !name.contains(QChar('.'))) {
            const qsizetype modifier = name.contains(QChar('@')) ? name.indexOf(QChar('@')) : name.size();
            locale_ = opened(name.left(modifier) + QStringLiteral(".UTF-8") + name.mid(modifier));
        }
    }
    ~MonetaryLocale()
    {
        if (locale_ != locale_t(0))
            freelocale(locale_);
    }
    MonetaryLocale(const MonetaryLocale&) = delete;
    MonetaryLocale& operator=(const MonetaryLocale&) = delete;

    bool exists() const { return locale_ != locale_t(0); }
    QString text(nl_item item) const { return QString::fromUtf8(nl_langinfo_l(item, locale_)); }
    // strfmon_l places symbol, blank and sign by the locale's own rules
    // (p_cs_precedes, p_sep_by_space, n_sign_posn and the others of localeconv).
    QString amount(double value) const
    {
        std::array<char, 128> written{};
        if (strfmon_l(written.data(), written.size(), locale_, "%^n", value) < 0)
            return {};
        return QString::fromUtf8(written.data());
    }

private:
    static locale_t opened(const QString& name)
    {
        return newlocale(LC_MONETARY_MASK, name.toLocal8Bit().constData(), locale_t(0));
    }

    locale_t locale_;
};

struct CurrencyPatterns {
    int placement;
    int negative;
};

std::string withoutBlanksAtMinus(const std::string& shape)
{
    std::string kept;
    for (std::size_t at = 0; at < shape.size(); ++at) {
        const bool atMinus = (at > 0 && shape[at - 1] == '-') || (at + 1 < shape.size() && shape[at + 1] == '-');
        if (shape[at] != ' ' || !atMinus)
            kept.push_back(shape[at]);
    }
    return kept;
}

// The placement and negative pattern of amounts as the machine's monetary
// locale of that name writes them; nullopt when it has no such locale.
std::optional<CurrencyPatterns> monetaryPatternsOf(const QString& name)
{
    const MonetaryLocale monetary(name);
    const QString symbol = monetary.exists() ? monetary.text(CURRENCY_SYMBOL) : QString();
    if (symbol.isEmpty())
        return std::nullopt;
    const std::optional<int> placement =
        indexOfShape(placementShapes, currencyShape(monetary.amount(1.0), symbol, QString()));
    if (!placement)
        return std::nullopt;
    const QString sign = monetary.text(NEGATIVE_SIGN);
    const std::string negative =
        currencyShape(monetary.amount(-1.0), symbol, sign.isEmpty() ? QStringLiteral("-") : sign);
    // de_CH writes "CHF- 1.00", a blank between sign and digits that no
    // pattern has; the nearest keeps the sign against the symbol.
    std::optional<int> pattern = indexOfShape(negativeShapes, negative);
    if (!pattern)
        pattern = indexOfShape(negativeShapes, withoutBlanksAtMinus(negative));
    return CurrencyPatterns{*placement, pattern.value_or(leadingMinusPattern[static_cast<std::size_t>(*placement)])};
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

std::optional<RegionalSettings> regionalSettingsNamed(const QString& name)
{
    const std::optional<QLocale> locale = localeNamed(name);
    if (!locale)
        return std::nullopt;
    RegionalSettings regional = regionalSettingsFrom(*locale);
    if (locale->language() == QLocale::C)
        return regional;
    if (const std::optional<CurrencyPatterns> patterns = monetaryPatternsOf(name)) {
        regional.currencyPlacement = patterns->placement;
        regional.negativeCurrencyPattern = patterns->negative;
    }
    return regional;
}

RegionalSettings systemRegionalSettings()
{
    // QLocale::system() is not used: under LANG=C.UTF-8 it takes its forms
    // from the first LANGUAGE entry, the language of the texts.
    const auto settingsOf = [](const char* category) {
        return regionalSettingsNamed(localeNameOf(category)).value_or(cLocaleSettings());
    };
    const RegionalSettings numbers = settingsOf("LC_NUMERIC");
    const RegionalSettings dates = settingsOf("LC_TIME");
    RegionalSettings regional = settingsOf("LC_MONETARY");
    regional.decimalSeparator = numbers.decimalSeparator;
    regional.thousandsSeparator = numbers.thousandsSeparator;
    regional.shortDateFormat = dates.shortDateFormat;
    regional.dateSeparator = dates.dateSeparator;
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

QString localeNameOf(const char* category)
{
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("C");
}

QLocale systemDateLocale() { return localeNamed(localeNameOf("LC_TIME")).value_or(QLocale::c()); }

}  // namespace pecunor::platform
