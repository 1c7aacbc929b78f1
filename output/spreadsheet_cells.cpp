#include "spreadsheet_cells.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace pecunor {

namespace {

// Day 61 is 1 March 1900: from there on spreadsheets count days as the
// engine does. Before it they count a 29 February 1900 that never was.
constexpr DayNumber firstSerialDay = 61;

template <typename Number>
std::optional<Number> readWhole(std::string_view text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

RegionalSettings withSheetDates(RegionalSettings regional)
{
    regional.shortDateFormat = sheetDateFormat(regional.shortDateFormat);
    return regional;
}

}  // namespace

ShownForms::ShownForms(const RegionalSettings& regional)
    : regional_(withSheetDates(regional)),
      money_(AmountFormat::money(regional)),
      number_(AmountFormat::number(regional)),
      dates_(regional_.shortDateFormat, regional_.dateSeparator)
{
}

std::string ShownForms::plainNumber(std::string_view text) const
{
    std::string digits;
    bool negative = false;
    const std::string_view symbol = regional_.currencySymbol;
    const std::string_view separator = regional_.decimalSeparator;
    for (std::size_t at = 0; at < text.size();) {
        if (!symbol.empty() && text.substr(at).starts_with(symbol)) {
            at += symbol.size();
        } else if (!separator.empty() && text.substr(at).starts_with(separator)) {
            digits.push_back('.');
            at += separator.size();
        } else {
            const char c = text[at++];
            if ((c >= '0' && c <= '9') || c == '+')
                digits.push_back(c);
            else if (c == 'E')
                digits.push_back('e');
            else if (c == '-' || c == '(')
                negative = true;
            // Anything else is grouping, blanks or the sign's brackets.
        }
    }
    return negative ? "-" + digits : digits;
}

SpreadsheetCell ShownForms::amount(std::string_view text) const
{
    const auto value = readWhole<double>(plainNumber(text));
    if (!value)
        return {};
    std::string shown;
    money_.appendTo(shown, *value);
    return shown == text ? SpreadsheetCell{CellKind::Money, *value} : SpreadsheetCell{};
}

SpreadsheetCell ShownForms::summaryValue(std::string_view text) const
{
    if (!text.ends_with('%'))
        return amount(text);
    const std::string plain = plainNumber(text.substr(0, text.size() - 1));
    const auto value = readWhole<double>(plain);
    if (!value)
        return {};
    std::string shown;
    number_.appendTo(shown, *value);
    if (shown + '%' != text)
        return {};
    // Read as hundredths at once: the share is then the double nearest to it.
    const bool exponentForm = plain.find('e') != std::string::npos;
    const double share = exponentForm ? *value / 100 : readWhole<double>(plain + "e-2").value_or(*value / 100);
    return SpreadsheetCell{CellKind::Percent, share};
}

SpreadsheetCell ShownForms::date(std::string_view text) const
{
    const std::optional<DayNumber> day = readDate(text, regional_, firstSerialDay);
    if (!day || *day < firstSerialDay || dates_.format(*day) != text)
        return {};
    return SpreadsheetCell{CellKind::Date, static_cast<double>(*day)};
}

SpreadsheetCell ShownForms::wholeNumber(std::string_view text) const
{
    const auto value = readWhole<std::int64_t>(text);
    if (!value || std::to_string(*value) != text)
        return {};
    return SpreadsheetCell{CellKind::Whole, static_cast<double>(*value)};
}

}  // namespace pecunor
