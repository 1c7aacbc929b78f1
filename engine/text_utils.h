#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace pecunor {

// Texts are UTF-8. A "character" is one code point; a byte that starts no
// valid sequence counts as a character of its own, so no input is rejected.
std::size_t characterLength(std::string_view text, std::size_t at);
std::size_t characterCount(std::string_view text);

// The characters of text that occur in allowed, compared without regard to
// the case of ASCII letters, in their order.
std::string keepChars(std::string_view text, std::string_view allowed);

// Field k (from 1) between the k-th and (k+1)-th delimiter; empty when the
// text has fewer than k + 1 delimiters.
std::string extractField(std::string_view text, int k, char delimiter);

// text right-aligned in width characters; longer texts stay whole.
std::string padLeft(std::string_view text, std::size_t width);

// The first limit characters of text.
std::string_view firstCharacters(std::string_view text, std::size_t limit);

constexpr int pickInt(bool flag, int ifSet, int ifClear) { return flag ? ifSet : ifClear; }
inline std::string pickText(bool flag, std::string ifSet, std::string ifClear)
{
    return flag ? std::move(ifSet) : std::move(ifClear);
}
constexpr int minInt(int a, int b) { return a < b ? a : b; }
constexpr int maxInt(int a, int b) { return a > b ? a : b; }

}  // namespace pecunor
