#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regional_settings.h"

namespace pecunor {

// Money: rounded to the currency decimals (halves away from zero), grouped
// by threes, with the currency symbol placed as the settings say and
// negative amounts in the chosen pattern. Amounts of 10^18 and more are
// written in exponent form so that no cell grows without bound.
void appendMoney(std::string& out, long double value, const RegionalSettings& regional);
std::string formatMoney(long double value, const RegionalSettings& regional);

// Number: two decimals, grouped by threes, a leading minus when negative.
std::string formatNumber(long double value, const RegionalSettings& regional);

// The money or number format of the settings, worked out once for writing
// many amounts: symbol placement, sign pattern and separators are looked up
// here rather than for every amount, and each amount is written in one pass
// into the caller's buffer.
// Where a value's error comes from: the binary exponent of the largest
// amount it was worked out from and the steps it took.
struct ErrorSource {
    static constexpr int none = -100000;  // no source: the value's own ulps
    int exponent = none;
    int steps = 1;
};

class AmountFormat {
public:
    static AmountFormat money(const RegionalSettings& regional);   // as appendMoney
    static AmountFormat number(const RegionalSettings& regional);  // as formatNumber

    // The largest amount the values are worked out from, and in how many
    // steps (the rows of a running computation): a value within a few ulps of
    // that amount for each step of a half counts as a half, as far as that
    // stays a small part of a cent. Without it, a few of the value's own ulps.
    void setSource(long double largest, int steps = 1);

    // The longest text writeTo gives for any value.
    std::size_t maxLength() const { return maxLength_; }
    // Writes the text of value from out on, which needs room for
    // maxLength() bytes, and returns its end; nothing for a non-finite value.
    char* writeTo(char* out, long double value) const;
    // The same, and *shown, when given, becomes the value as the text shows
    // it: rounded to the decimals, or to the 15 digits of the exponent form;
    // NaN for none.
    char* writeTo(char* out, long double value, long double* shown) const;
    void appendTo(std::string& out, long double value) const;
    int decimals() const { return decimals_; }

private:
    // The texts before and after the amount.
    struct Affixes {
        std::string before;
        std::string after;
    };
    AmountFormat(const RegionalSettings& regional, int decimals, Affixes positive, Affixes negative);
    char* writeFixed(char* out, std::uint64_t scaled) const;
    char* writeExponentForm(char* out, std::uint64_t digits, int exponent) const;

    int decimals_;
    std::string decimalSeparator_;
    std::string thousandsSeparator_;
    Affixes positive_;
    Affixes negative_;
    std::size_t maxLength_;
    ErrorSource source_;
};

// Reads digits with the regional decimal separator, an optional sign and
// exponent, blanks around. nullopt when unreadable or beyond the range.
std::optional<long double> readAmount(std::string_view text, std::string_view decimalSeparator);

// readAmount; when that fails, once more after repairing a leading or
// trailing separator or a missing one. An empty text is 0.
std::optional<long double> readRepairedAmount(std::string_view text, const RegionalSettings& regional);

// readRepairedAmount; unreadable: 0, or
// std::runtime_error("Invalid floating point value") when asked to raise.
long double textToAmount(std::string_view text, bool raiseOnError, const RegionalSettings& regional);

// readAmount without repair; the fallback when unreadable.
long double textToAmountOr(std::string_view text, long double fallback, const RegionalSettings& regional);

// Fills a summary value format: "%m" money, "%n" number, "%%" a percent
// sign, every other character as it stands. Values are taken in order, each
// worked out from amounts up to source in that many steps (AmountFormat::setSource).
// Each value as its text shows it goes to shown, when given, in order.
std::string formatValues(std::string_view pattern, std::initializer_list<long double> values,
                         const RegionalSettings& regional, long double source = 0, int steps = 1,
                         std::vector<long double>* shown = nullptr);

}  // namespace pecunor
