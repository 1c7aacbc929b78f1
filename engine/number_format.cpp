#include "number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <vector>

#include "digit_text.h"

namespace pecunor {

namespace {

using digit_text::digitCount;
using digit_text::powersOfTen;
using digit_text::putDigitsBefore;
using digit_text::putNumber;
using digit_text::putText;
using digit_text::putTextBefore;
using digit_text::takeDigitsBefore;

constexpr long double exponentFormThreshold = 1e18L;

int clampDecimals(int decimals) { return decimals < 0 ? 0 : (decimals > 9 ? 9 : decimals); }

// Whether the platform's long double is the x87 extended format, whose
// bits some hot paths below read directly.
constexpr bool extendedFormat =
    std::numeric_limits<long double>::digits == 64 && std::endian::native == std::endian::little;

// A value split at its nearest integer (ties to even, as std::llrint).
struct NearestSplit {
    long long whole;
    long double fraction;  // value - whole, within -0.5..0.5
};

// For 0 <= value < 2^63. In the extended format, adding 2^63 leaves no
// fraction bits, so the sum less 2^63 is the nearest integer and its low
// mantissa bits are that integer: no library call (which takes the value
// through memory), no rounding-mode switch, no integer-to-float conversion.
NearestSplit splitAtNearest(long double value)
{
    if constexpr (extendedFormat) {
        const long double shifted = value + 0x1p63L;
        std::uint64_t mantissa = 0;
        std::memcpy(&mantissa, &shifted, sizeof mantissa);
        return {static_cast<long long>(mantissa - (1ULL << 63)), value - (shifted - 0x1p63L)};
    } else {
        const long long whole = std::llrint(value);
        return {whole, value - static_cast<long double>(whole)};
    }
}

// A finite value as digits / 2^(64 - exponent), exponent as std::frexp
// gives it for a normal value; in the extended format, its bits as they
// stand (without the sign), with no library call. Elsewhere a wider
// significand loses its bits beyond 64.
struct Significand {
    std::uint64_t digits;
    int exponent;
};

Significand significandOf(long double value)
{
    if constexpr (extendedFormat) {
        std::array<unsigned char, sizeof(long double)> bytes{};
        std::memcpy(bytes.data(), &value, sizeof value);
        std::uint64_t digits = 0;
        std::memcpy(&digits, bytes.data(), sizeof digits);
        const int biasedExponent = (bytes[9] & 0x7f) << 8 | bytes[8];
        return {digits, biasedExponent - 16382};
    } else {
        int exponent = 0;
        const long double fraction = std::fabs(std::frexp(value, &exponent));
        return {static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent};
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

constexpr int significantDigits = 15;

// An amount rounded for showing, as whole numbers only: once rounded, the
// writing needs no floating point.
struct RoundedAmount {
    enum class Form { Fixed, Exponent, Nothing };
    Form form = Form::Nothing;
    // Fixed: |value| times 10^decimals. Exponent form: 15 significant
    // digits, the first of them standing for 10^exponent.
    std::uint64_t digits = 0;
    int exponent = 0;
    bool negative = false;  // the shown amount is below zero
};

// Exponent form with 15 significant digits, for magnitudes of 10^18 and more.
RoundedAmount roundToSignificantDigits(long double value)
{
    const long double magnitude = std::fabs(value);
    constexpr std::uint64_t digitsLimit = powersOfTen[significantDigits];
    const long double* powers = powersOfTenUpToMax();
    // log10(2) is close to 1233 / 4096; the estimate is corrected below.
    int exponent = std::clamp(((significandOf(value).exponent - 1) * 1233) >> 12, significantDigits - 1, 4932);
    auto mantissaFor = [&](int e) { return magnitude / powers[e - (significantDigits - 1)]; };
    long double mantissa = mantissaFor(exponent);
    if (mantissa >= static_cast<long double>(digitsLimit) && exponent < 4932)
        mantissa = mantissaFor(++exponent);
    else if (mantissa < static_cast<long double>(digitsLimit / 10) && exponent > significantDigits - 1)
        mantissa = mantissaFor(--exponent);
    auto digits = static_cast<std::uint64_t>(splitAtNearest(mantissa).whole);
    if (digits >= digitsLimit) {
        digits /= 10;
        ++exponent;
    }
    return {RoundedAmount::Form::Exponent, digits, exponent, value < 0};
}

// How close to a half a value may lie and still count as one: the error
// that reading typed amounts and a method's operations leave behind, some
// ulps of the largest amount the value was worked out from for each step it
// took, but never more than a small part of a cent, so that where an ulp
// approaches a fraction of a cent (10^13 and above) only half an ulp, what
// reading a typed half can cost, still counts. Both sizes were chosen by
// measuring against exact decimal arithmetic (tests/engine/exact_cents.py):
// of 100,000 random requests, the halves lost below 10^12 fell from 2,335
// cells to 1, and no value farther from a half than the arithmetic can err
// is taken for one.
constexpr unsigned halfToleranceUlps = 8;  // for each step of the computation
constexpr int halfToleranceCentBits = 14;  // at most 2^-14 of the last decimal

// |value| times 10^decimals rounded, halves away from zero; nullopt from
// 1.8e19 on (no room left in 64 bits). Worked out in integers from the
// magnitude's 64 significant bits, so that the product loses nothing, not
// even the half cent of an amount of 10^17.
//
// An ulp of the magnitude is 10^decimals units of the product: a value
// counts as a half when its rest lies within the tolerance of half a unit.
// Past 18 significant digits with the decimals (10^17 scaled) half an ulp
// grows toward a whole last digit, where any value would count; there the
// value rounds as it stands.
std::optional<std::uint64_t> roundToDecimals(long double magnitude, int decimals, const ErrorSource& source)
{
    __extension__ using Wide = unsigned __int128;
    const auto [significand, exponent] = significandOf(magnitude);
    const std::uint64_t scale = powersOfTen[static_cast<std::size_t>(decimals)];
    // magnitude = significand / 2^shift, the shift at least 4 below 10^18.
    // Capped at 120 for magnitudes that round to nothing anyway: the
    // product has at most 94 bits.
    const int shift = std::min(64 - exponent, 120);
    const Wide unit = Wide{1} << shift;
    const Wide product = Wide{significand} * scale;
    const Wide whole = product >> shift;
    const Wide twiceRest = (product - (whole << shift)) << 1;
    bool up = twiceRest >= unit;
    if (!up && whole < 100'000'000'000'000'000ULL) {
        // Twice the distance to the half against twice the tolerance: half an
        // ulp at least, else the ulps allowed as long as they stay within the
        // cap. An ulp of the source is 2^(its exponent - ours) of ours.
        const int sourceUlps = std::clamp(source.exponent - exponent, 0, 60);
        const Wide tolerance = Wide{2 * halfToleranceUlps} * scale * static_cast<unsigned>(source.steps) << sourceUlps;
        const Wide shortfall = unit - twiceRest;
        up = shortfall <= scale || (shortfall <= tolerance && shortfall <= unit >> (halfToleranceCentBits - 1));
    }
    const Wide rounded = whole + (up ? 1 : 0);
    if (rounded >= 18'000'000'000'000'000'000ULL)
        return std::nullopt;
    return static_cast<std::uint64_t>(rounded);
}

// Amounts of 10^18 and more, and those whose digits with their decimals
// would pass 19 digits (more than 18 significant ones), take the exponent form. Each helper is called once, so that all of this is
// one function: a long double handed to a call goes through memory.
RoundedAmount roundAmount(long double value, int decimals, const ErrorSource& source)
{
    if (!std::isfinite(value))
        return {};  // never shown: faults stop a calculation before such a value
    const long double magnitude = std::fabs(value);
    if (magnitude < exponentFormThreshold) {
        if (const auto scaled = roundToDecimals(magnitude, decimals, source))
            return {RoundedAmount::Form::Fixed, *scaled, 0, value < 0 && *scaled != 0};
    }
    return roundToSignificantDigits(value);
}

// The amount a rounded text stands for.
long double shownValueOf(const RoundedAmount& amount, int decimals)
{
    const long double* powers = powersOfTenUpToMax();
    long double magnitude = 0;
    switch (amount.form) {
    case RoundedAmount::Form::Nothing: return std::numeric_limits<long double>::quiet_NaN();
    case RoundedAmount::Form::Fixed: magnitude = static_cast<long double>(amount.digits) / powers[decimals]; break;
    case RoundedAmount::Form::Exponent:
        magnitude = static_cast<long double>(amount.digits) * powers[amount.exponent - (significantDigits - 1)];
        break;
    }
    return amount.negative ? -magnitude : magnitude;
}

// "$" stands for the currency symbol and "1" for the amount: the four
// placements of positive amounts, then the sixteen negative patterns.
constexpr std::array<std::string_view, 4> positivePatterns = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> negativePatterns = {
    "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
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

AmountFormat::AmountFormat(const RegionalSettings& regional, int decimals, Affixes positive, Affixes negative)
    : decimals_(decimals),
      decimalSeparator_(regional.decimalSeparator),
      thousandsSeparator_(regional.thousandsSeparator),
      positive_(std::move(positive)),
      negative_(std::move(negative))
{
    // Fixed form: at most 20 digits (the scaled amount stays below 1.8e19)
    // in at most 7 groups. Exponent form: 15 digits, "E+" and 4 digits.
    const std::size_t fixedLength = 20 + 6 * thousandsSeparator_.size();
    const std::size_t exponentLength = 21;
    const std::size_t amountLength = std::max(fixedLength, exponentLength) + decimalSeparator_.size();
    const std::size_t affixLength =
        std::max(positive_.before.size() + positive_.after.size(), negative_.before.size() + negative_.after.size());
    maxLength_ = amountLength + affixLength;
}

AmountFormat AmountFormat::money(const RegionalSettings& regional)
{
    auto affixesOf = [&](std::string_view pattern) {
        Affixes affixes;
        std::string* into = &affixes.before;
        for (char c : pattern) {
            if (c == '1')
                into = &affixes.after;
            else if (c == '$')
                into->append(regional.currencySymbol);
            else
                into->push_back(c);
        }
        return affixes;
    };
    return AmountFormat(regional, clampDecimals(regional.currencyDecimals), affixesOf(moneyPattern(false, regional)),
                        affixesOf(moneyPattern(true, regional)));
}

AmountFormat AmountFormat::number(const RegionalSettings& regional)
{
    return AmountFormat(regional, 2, Affixes{}, Affixes{"-", ""});
}

void AmountFormat::setSource(long double largest, int steps)
{
    source_.exponent = largest != 0 && std::isfinite(largest) ? significandOf(largest).exponent : ErrorSource::none;
    source_.steps = std::clamp(steps, 1, 1 << 16);
}

char* AmountFormat::writeTo(char* out, long double value) const { return writeTo(out, value, nullptr); }

char* AmountFormat::writeTo(char* out, long double value, long double* shown) const
{
    // Rounded first, so that the value is only read once: each hand-over of
    // a long double goes through memory.
    const RoundedAmount amount = roundAmount(value, decimals_, source_);
    if (shown)
        *shown = shownValueOf(amount, decimals_);
    if (amount.form == RoundedAmount::Form::Nothing)
        return out;
    const Affixes& affixes = amount.negative ? negative_ : positive_;
    out = putText(out, affixes.before);
    if (amount.form == RoundedAmount::Form::Fixed)
        out = writeFixed(out, amount.digits);
    else
        out = writeExponentForm(out, amount.digits, amount.exponent);
    return putText(out, affixes.after);
}

void AmountFormat::appendTo(std::string& out, long double value) const
{
    const std::size_t start = out.size();
    out.resize(start + maxLength_);
    char* const end = writeTo(out.data() + start, value);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

// Grouped by threes with the decimals after the separator. The length is
// known beforehand, so the digits go in from the right.
char* AmountFormat::writeFixed(char* out, std::uint64_t scaled) const
{
    const int integerDigits = std::max(digitCount(scaled) - decimals_, 1);
    const auto groupSeparators = static_cast<std::size_t>((integerDigits - 1) / 3);
    std::size_t length = static_cast<std::size_t>(integerDigits) + groupSeparators * thousandsSeparator_.size();
    if (decimals_ > 0)
        length += decimalSeparator_.size() + static_cast<std::size_t>(decimals_);
    char* const end = out + length;
    char* at = end;
    std::uint64_t whole = scaled;
    if (decimals_ > 0) {
        at = takeDigitsBefore(at, whole, decimals_);
        at = putTextBefore(at, decimalSeparator_);
    }
    for (; whole >= 1000; whole /= 1000) {
        at = putDigitsBefore(at, static_cast<std::uint32_t>(whole % 1000), 3);
        at = putTextBefore(at, thousandsSeparator_);
    }
    putDigitsBefore(at, static_cast<std::uint32_t>(whole), digitCount(whole));
    return end;
}

// Exponent form, for instance 1.23456789012346E+21 with the regional
// separator: the 15 significant digits without trailing zeros.
char* AmountFormat::writeExponentForm(char* out, std::uint64_t digits, int exponent) const
{
    constexpr std::uint64_t leadingUnit = powersOfTen[significantDigits - 1];
    *out++ = static_cast<char>('0' + digits / leadingUnit);
    // All fourteen others after the separator, then the text ends before
    // their trailing zeros, and before the separator if nothing is left.
    char* const fraction = putText(out, decimalSeparator_);
    char* end = fraction + (significantDigits - 1);
    putDigitsBefore(end, digits % leadingUnit, significantDigits - 1);
    while (end > fraction && end[-1] == '0')
        --end;
    if (end == fraction)
        end = out;
    *end++ = 'E';
    *end++ = '+';
    return putNumber(end, static_cast<std::uint64_t>(exponent), 2);
}

void appendMoney(std::string& out, long double value, const RegionalSettings& regional)
{
    AmountFormat::money(regional).appendTo(out, value);
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
    AmountFormat::number(regional).appendTo(out, value);
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
    const long long order =
        static_cast<long long>(integerDigits.size()) - static_cast<long long>(firstNonZero) + exponent;
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

std::optional<long double> readRepairedAmount(std::string_view text, const RegionalSettings& regional)
{
    if (text.empty())
        return 0.0L;
    const std::string_view separator = regional.decimalSeparator;
    if (const auto value = readAmount(text, separator))
        return value;
    std::string repaired;
    if (text.starts_with(separator))
        repaired.push_back('0');
    repaired.append(text);
    if (repaired.ends_with(separator))
        repaired.append("0");
    if (repaired.find(separator) == std::string::npos)
        repaired.append(separator).append("0");
    return readAmount(repaired, separator);
}

long double textToAmount(std::string_view text, bool raiseOnError, const RegionalSettings& regional)
{
    if (const auto value = readRepairedAmount(text, regional))
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
                         const RegionalSettings& regional, long double source, int steps,
                         std::vector<long double>* shown)
{
    AmountFormat money = AmountFormat::money(regional);
    AmountFormat number = AmountFormat::number(regional);
    money.setSource(source, steps);
    number.setSource(source, steps);
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
            const AmountFormat& format = code == 'm' ? money : number;
            const std::size_t start = out.size();
            out.resize(start + format.maxLength());
            long double value;
            out.resize(static_cast<std::size_t>(format.writeTo(out.data() + start, *next++, &value) - out.data()));
            if (shown)
                shown->push_back(value);
        }
    }
    return out;
}

}  // namespace pecunor
