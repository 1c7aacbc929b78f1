#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pecunor {

namespace {

constexpr long double exponentFormThreshold = 1e18L;

constexpr std::array<long double, 10> powersOfTen = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L,
                                                     1e5L, 1e6L, 1e7L, 1e8L, 1e9L};

int clampDecimals(int decimals) { return decimals < 0 ? 0 : (decimals > 9 ? 9 : decimals); }

// An amount rounded for showing: fixed digits, or too large for them.
struct RoundedAmount {
    bool exponentForm = false;
    std::uint64_t scaled = 0;  // |value| times 10^decimals, rounded
    long double magnitude = 0;
    bool negative = false;     // the shown amount is below zero
};

// Rounds |value| to the decimals, halves away from zero. A fraction within
// the last digit of the value's precision of a half counts as a half, as if
// the value had first been written with 18 significant digits. Rounds with
// the current (nearest) mode and corrects, which avoids switching the
// floating-point unit's rounding mode for every amount.
RoundedAmount roundAmount(long double value, int decimals)
{
    RoundedAmount amount;
    amount.magnitude = std::fabs(value);
    const long double scaled = amount.magnitude * powersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < 9.0e18L) || amount.magnitude >= exponentFormThreshold) {
        amount.exponentForm = amount.magnitude >= exponentFormThreshold;
        if (amount.exponentForm) {
            amount.negative = value < 0;
            return amount;
        }
    }
    if (scaled < 9.0e18L) {
        long long whole = std::llrint(scaled);
        long double fraction = scaled - static_cast<long double>(whole);
        if (fraction < 0) {
            --whole;
            fraction += 1.0L;
        }
        if (fraction >= 0.5L - scaled * 1e-18L)
            ++whole;
        amount.scaled = static_cast<std::uint64_t>(whole);
    } else {
        long double whole = std::floor(scaled);
        if (scaled - whole >= 0.5L - scaled * 1e-18L)
            whole += 1.0L;
        if (whole >= 1.8e19L) {
            amount.exponentForm = true;
            amount.negative = value < 0;
            return amount;
        }
        amount.scaled = static_cast<std::uint64_t>(whole);
    }
    amount.negative = value < 0 && amount.scaled != 0;
    return amount;
}

void appendGrouped(std::string& out, std::uint64_t scaled, int decimals, const RegionalSettings& regional)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    } while (scaled > 0);
    while (count <= decimals)
        digits[count++] = '0';
    const int integerDigits = count - decimals;
    const std::string_view thousands = regional.thousandsSeparator;
    char grouped[48];
    int length = 0;
    for (int i = integerDigits - 1; i >= 0; --i) {
        grouped[length++] = digits[i + decimals];
        if (i > 0 && i % 3 == 0) {
            if (thousands.size() == 1) {
                grouped[length++] = thousands.front();
            } else {
                out.append(grouped, static_cast<std::size_t>(length));
                out.append(thousands);
                length = 0;
            }
        }
    }
    out.append(grouped, static_cast<std::size_t>(length));
    if (decimals > 0) {
        out.append(regional.decimalSeparator);
        for (int i = decimals - 1; i >= 0; --i)
            out.push_back(digits[i]);
    }
}

// 10^k for every exponent a long double can reach, worked out once.
const long double* powersOfTenUpToMax()
{
    static const std::vector<long double> table = [] {
        std::vector<long double> powers(4933);
        for (std::size_t k = 0; k < powers.size(); ++k)
            powers[k] = std::pow(10.0L, static_cast<long double>(k));
        return powers;
    }();
    return table.data();
}

// Exponent form with 15 significant digits, for instance 1.23456789012346E+21,
// with the regional separator. Only for magnitudes of 10^18 and more.
void appendExponentForm(std::string& out, long double magnitude, const RegionalSettings& regional)
{
    constexpr int significant = 15;
    constexpr std::uint64_t digitsLimit = 1'000'000'000'000'000ULL;  // 10^15
    const long double* powers = powersOfTenUpToMax();
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    // log10(2) is close to 1233 / 4096; the estimate is corrected below.
    int exponent = std::clamp(((binaryExponent - 1) * 1233) >> 12, significant - 1, 4932);
    auto mantissaFor = [&](int e) { return magnitude / powers[e - (significant - 1)]; };
    long double mantissa = mantissaFor(exponent);
    if (mantissa >= static_cast<long double>(digitsLimit) && exponent < 4932)
        mantissa = mantissaFor(++exponent);
    else if (mantissa < static_cast<long double>(digitsLimit / 10) && exponent > significant - 1)
        mantissa = mantissaFor(--exponent);
    auto digits = static_cast<std::uint64_t>(std::llrint(mantissa));
    if (digits >= digitsLimit) {
        digits /= 10;
        ++exponent;
    }
    char text[significant];
    for (int i = significant - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    int last = significant - 1;
    while (last > 0 && text[last] == '0')
        --last;
    out.push_back(text[0]);
    if (last > 0) {
        out.append(regional.decimalSeparator);
        out.append(text + 1, static_cast<std::size_t>(last));
    }
    out.append("E+");
    char exponentDigits[6];
    int count = 0;
    do {
        exponentDigits[count++] = static_cast<char>('0' + exponent % 10);
        exponent /= 10;
    } while (exponent > 0 || count < 2);
    while (count > 0)
        out.push_back(exponentDigits[--count]);
}

void appendAmount(std::string& out, const RoundedAmount& amount, int decimals, const RegionalSettings& regional)
{
    if (amount.exponentForm)
        appendExponentForm(out, amount.magnitude, regional);
    else
        appendGrouped(out, amount.scaled, decimals, regional);
}

// "$" stands for the currency symbol and "1" for the amount: the four
// placements of positive amounts, then the sixteen negative patterns.
constexpr std::array<std::string_view, 4> positivePatterns = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> negativePatterns = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)",
};

std::string_view moneyPattern(bool negative, const RegionalSettings& regional)
{
    if (negative) {
        const int index = regional.negativeCurrencyPattern;
        return negativePatterns[static_cast<std::size_t>(index >= 0 && index < 16 ? index : 0)];
    }
    const int placement = regional.currencyPlacement;
    return positivePatterns[static_cast<std::size_t>(placement >= 0 && placement < 4 ? placement : 0)];
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void appendMoney(std::string& out, long double value, const RegionalSettings& regional)
{
    if (!std::isfinite(value))
        return;  // never shown: faults stop a calculation before such a value
    const int decimals = clampDecimals(regional.currencyDecimals);
    const RoundedAmount amount = roundAmount(value, decimals);
    for (char c : moneyPattern(amount.negative, regional)) {
        if (c == '$')
            out.append(regional.currencySymbol);
        else if (c == '1')
            appendAmount(out, amount, decimals, regional);
        else
            out.push_back(c);
    }
}

std::string formatMoney(long double value, const RegionalSettings& regional)
{
    std::string out;
    appendMoney(out, value, regional);
    return out;
}

std::string formatNumber(long double value, const RegionalSettings& regional)
{
    std::string out;
    if (!std::isfinite(value))
        return out;
    const RoundedAmount amount = roundAmount(value, 2);
    if (amount.negative)
        out.push_back('-');
    appendAmount(out, amount, 2, regional);
    return out;
}

std::optional<long double> readAmount(std::string_view text, std::string_view decimalSeparator)
{
    // Checks the grammar and rewrites the text into the plain form that
    // from_chars reads: [-]digits.digits[e[-]digits].
    std::size_t at = 0;
    auto skipBlanks = [&] {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    };
    auto takeDigits = [&](std::string& into) {
        while (at < text.size() && isDigit(text[at]))
            into.push_back(text[at++]);
    };
    skipBlanks();
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    std::string integerDigits;
    std::string fractionDigits;
    takeDigits(integerDigits);
    if (!decimalSeparator.empty() && text.substr(at, decimalSeparator.size()) == decimalSeparator) {
        at += decimalSeparator.size();
        takeDigits(fractionDigits);
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return std::nullopt;
    long long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            exponentNegative = text[at++] == '-';
        std::string exponentDigits;
        takeDigits(exponentDigits);
        if (exponentDigits.empty())
            return std::nullopt;
        for (char c : exponentDigits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (exponentNegative)
            exponent = -exponent;
    }
    skipBlanks();
    if (at != text.size())
        return std::nullopt;

    const std::string digits = integerDigits + fractionDigits;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return 0.0L;
    // The value is 0.d... times 10^order; beyond the range either way.
    const long long order = static_cast<long long>(integerDigits.size()) - static_cast<long long>(firstNonZero) + exponent;
    if (order > 4933)
        return std::nullopt;
    if (order < -4952)
        return 0.0L;

    std::string plain;
    plain.reserve(digits.size() + 24);
    if (negative)
        plain.push_back('-');
    plain.append(integerDigits.empty() ? "0" : integerDigits);
    if (!fractionDigits.empty())
        plain.append(".").append(fractionDigits);
    plain.append("e").append(std::to_string(exponent));

    long double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range)
        return order > 0 ? std::nullopt : std::optional<long double>(0.0L);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

long double textToAmount(std::string_view text, bool raiseOnError, const RegionalSettings& regional)
{
    if (text.empty())
        return 0.0L;
    const std::string_view separator = regional.decimalSeparator;
    if (const auto value = readAmount(text, separator))
        return *value;
    std::string repaired;
    if (text.starts_with(separator))
        repaired.push_back('0');
    repaired.append(text);
    if (repaired.ends_with(separator))
        repaired.append("0");
    if (repaired.find(separator) == std::string::npos)
        repaired.append(separator).append("0");
    if (const auto value = readAmount(repaired, separator))
        return *value;
    if (raiseOnError)
        throw std::runtime_error("Invalid floating point value");
    return 0.0L;
}

long double textToAmountOr(std::string_view text, long double fallback, const RegionalSettings& regional)
{
    return readAmount(text, regional.decimalSeparator).value_or(fallback);
}

std::string formatValues(std::string_view pattern, std::initializer_list<long double> values,
                         const RegionalSettings& regional)
{
    std::string out;
    const long double* next = values.begin();
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] != '%' || at + 1 == pattern.size()) {
            out.push_back(pattern[at]);
            continue;
        }
        const char code = pattern[++at];
        if (code == '%') {
            out.push_back('%');
        } else if ((code == 'm' || code == 'n') && next != values.end()) {
            const long double value = *next++;
            if (code == 'm')
                appendMoney(out, value, regional);
            else
                out.append(formatNumber(value, regional));
        }
    }
    return out;
}

}  // namespace pecunor
