#pragma once

// Decimal digits written straight into a character buffer. A recomputation
// writes some 50,000 numbers, so digits go two at a time from a table of
// pairs instead of one character at a time through std::string.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pecunor::digit_text {

// 10^0 to 10^19, all a 64-bit number holds.
inline constexpr std::array<std::uint64_t, 20> powersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;  // wraps after the last entry, unused
    }
    return powers;
}();

// "00" to "99" end to end.
inline constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Digits of value, 1 for zero.
inline int digitCount(std::uint64_t value)
{
    // The bit width times log10(2) (1233 / 4096) is the count or one less;
    // zero counts as one.
    const std::uint64_t nonZero = value | 1;
    const int guess = (std::bit_width(nonZero) * 1233) >> 12;
    return guess + (nonZero >= powersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// Writes count digits of value, below 10^count, with zeros in front where it
// has fewer, so that they end just before end; returns where they start.
inline char* putDigitsBefore(char* end, std::uint32_t value, int count)
{
    for (; count >= 2; count -= 2) {
        const std::uint32_t pair = (value % 100) * 2;
        value /= 100;
        end -= 2;
        end[0] = digitPairs[pair];
        end[1] = digitPairs[pair + 1];
    }
    if (count == 1)
        *--end = static_cast<char>('0' + value);
    return end;
}

// The same for 64-bit values: eight digits at a time in 32-bit arithmetic,
// which is cheaper.
inline char* putDigitsBefore(char* end, std::uint64_t value, int count)
{
    constexpr std::uint32_t eightDigits = 100'000'000;
    for (; count > 8; count -= 8) {
        end = putDigitsBefore(end, static_cast<std::uint32_t>(value % eightDigits), 8);
        value /= eightDigits;
    }
    return putDigitsBefore(end, static_cast<std::uint32_t>(value), count);
}

// Writes the last count digits (at most 9) of value so that they end just
// before end and takes them off value; returns where they start.
inline char* takeDigitsBefore(char* end, std::uint64_t& value, int count)
{
    // Two at a time rather than dividing by a power of ten unknown to the
    // compiler, which costs a slow division instruction.
    for (; count >= 2; count -= 2) {
        end = putDigitsBefore(end, static_cast<std::uint32_t>(value % 100), 2);
        value /= 100;
    }
    if (count == 1) {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return end;
}

// Writes value with at least minDigits digits at out; returns the end.
inline char* putNumber(char* out, std::uint64_t value, int minDigits = 1)
{
    const int digits = digitCount(value);
    const int count = digits > minDigits ? digits : minDigits;
    putDigitsBefore(out + count, value, count);
    return out + count;
}

// Short texts (symbols, separators), copied byte by byte: for a few bytes a
// call to memcpy costs more than the copy.
inline char* putText(char* out, std::string_view text)
{
    for (char c : text)
        *out++ = c;
    return out;
}

inline char* putTextBefore(char* end, std::string_view text)
{
    for (auto at = text.size(); at > 0;)
        *--end = text[--at];
    return end;
}

}  // namespace pecunor::digit_text
