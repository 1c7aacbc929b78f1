#include "text_utils.h"

namespace pecunor {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameCharacter(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (a.size() == 1)
        return asciiUpper(a[0]) == asciiUpper(b[0]);
    return a == b;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    return length;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        ++count;
    return count;
}

std::string keepChars(std::string_view text, std::string_view allowed)
{
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        const std::string_view ch = text.substr(at, length);
        for (std::size_t a = 0; a < allowed.size(); a += characterLength(allowed, a)) {
            if (sameCharacter(ch, allowed.substr(a, characterLength(allowed, a)))) {
                kept.append(ch);
                break;
            }
        }
        at += length;
    }
    return kept;
}

std::string extractField(std::string_view text, int k, char delimiter)
{
    if (k < 1)
        return {};
    std::size_t from = std::string_view::npos;
    std::size_t at = 0;
    for (int found = 0; found < k; ++found) {
        from = text.find(delimiter, at);
        if (from == std::string_view::npos)
            return {};
        at = from + 1;
    }
    const std::size_t to = text.find(delimiter, at);
    if (to == std::string_view::npos)
        return {};
    return std::string(text.substr(at, to - at));
}

std::string padLeft(std::string_view text, std::size_t width)
{
    const std::size_t count = characterCount(text);
    std::string padded;
    if (count < width)
        padded.assign(width - count, ' ');
    padded.append(text);
    return padded;
}

std::string_view firstCharacters(std::string_view text, std::size_t limit)
{
    std::size_t at = 0;
    for (std::size_t n = 0; n < limit && at < text.size(); ++n)
        at += characterLength(text, at);
    return text.substr(0, at);
}

}  // namespace pecunor
