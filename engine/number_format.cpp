#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace pecunor {

namespace {

constexpr long double exponentFormThreshold = 1e18L;

constexpr std::array<long double, 10> powersOfTen = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L,
                                                     1e5L, 1e6L, 1e7L, 1e8L, 1e9L};

int clampDecimals(int decimals) { return decimals < 0 ? 0 : (decimals > 9 ? 9 : decimals); }

// |value| scaled by 10^decimals and rounded, halves away from zero. A
// fraction within the last decimal digit of the value's precision of a half
// counts as a half, as if the value had first been written with 18
// significant digits.
long double roundedScaled(long double magnitude, int decimals)
{
    const long double scaled = magnitude * powersOfTen[static_cast<std::size_t>(decimals)];
    long double whole = std::floor(scaled);
    if (scaled - whole >= 0.5L - scaled * 1e-18L)
        whole += 1.0L;
    return whole;
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
    for (int i = integerDigits - 1; i >= 0; --i) {
        out.push_back(digits[i + decimals]);
        if (i > 0 && i % 3 == 0)
            out.append(regional.thousandsSeparator);
    }
    if (decimals > 0) {
        out.append(regional.decimalSeparator);
        for (int i = decimals - 1; i >= 0; --i)
            out.push_back(digits[i]);
    }
}

// Exponent form, for instance 1.23456789012346E+21, with the regional separator.
void appendExponentForm(std::string& out, long double magnitude, const RegionalSettings& regional)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.14Le", magnitude);
    const std::string_view text(buffer, static_cast<std::size_t>(length));
    const std::size_t e = text.find('e');
    std::string_view mantissa = text.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.remove_suffix(1);
    if (mantissa.back() == '.')
        mantissa.remove_suffix(1);
    const std::size_t point = mantissa.find('.');
    out.append(mantissa.substr(0, point));
    if (point != std::string_view::npos) {
        out.append(regional.decimalSeparator);
        out.append(mantissa.substr(point + 1));
    }
    out.push_back('E');
    std::string_view exponent = text.substr(e + 1);
    out.push_back(exponent.front());
    exponent.remove_prefix(1);
    while (exponent.size() > 2 && exponent.front() == '0')
        exponent.remove_prefix(1);
    out.append(exponent);
}

// Appends |value| as digits; returns whether the shown amount is below zero.
bool appendMagnitude(std::string& out, long double value, int decimals, const RegionalSettings& regional)
{
    const long double magnitude = std::fabs(value);
    const long double scaled = roundedScaled(magnitude, decimals);
    if (scaled < exponentFormThreshold * powersOfTen[static_cast<std::size_t>(decimals)] &&
        scaled < 1.8e19L) {
        const auto whole = static_cast<std::uint64_t>(scaled);
        appendGrouped(out, whole, decimals, regional);
        return value < 0 && whole != 0;
    }
    appendExponentForm(out, magnitude, regional);
    return value < 0;
}

// Places the currency symbol S around the amount A: 0 "SA", 1 "AS", 2 "S A", 3 "A S".
void appendPositiveMoney(std::string& out, std::string_view amount, const RegionalSettings& regional)
{
    const std::string_view symbol = regional.currencySymbol;
    switch (regional.currencyPlacement) {
    case 1: out.append(amount).append(symbol); break;
    case 2: out.append(symbol).append(" ").append(amount); break;
    case 3: out.append(amount).append(" ").append(symbol); break;
    default: out.append(symbol).append(amount); break;
    }
}

void appendNegativeMoney(std::string& out, std::string_view amount, const RegionalSettings& regional)
{
    // "$" stands for the symbol and "1" for the amount.
    static constexpr std::array<std::string_view, 16> patterns = {
        "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
        "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)",
    };
    const int index = regional.negativeCurrencyPattern;
    const std::string_view pattern = patterns[static_cast<std::size_t>(index >= 0 && index < 16 ? index : 0)];
    for (char c : pattern) {
        if (c == '$')
            out.append(regional.currencySymbol);
        else if (c == '1')
            out.append(amount);
        else
            out.push_back(c);
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void appendMoney(std::string& out, long double value, const RegionalSettings& regional)
{
    if (!std::isfinite(value))
        return;  // never shown: faults stop a calculation before such a value
    std::string amount;
    const bool negative = appendMagnitude(amount, value, clampDecimals(regional.currencyDecimals), regional);
    if (negative)
        appendNegativeMoney(out, amount, regional);
    else
        appendPositiveMoney(out, amount, regional);
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
    std::string amount;
    if (appendMagnitude(amount, value, 2, regional))
        out.push_back('-');
    out.append(amount);
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
