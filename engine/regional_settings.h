#pragma once

#include <string>
#include <string_view>

namespace pecunor {

// The system's number, currency and date conventions, taken once from the
// platform. Defaults are what applies when the system gives nothing.
struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    std::string currencySymbol;
    // Positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyPlacement = 0;
    // Negative amounts: the sixteen classic patterns, 0 "($1)" to 15 "(1 $)".
    int negativeCurrencyPattern = 0;
    int currencyDecimals = 0;
    // "d", "m" and "y" runs in any case; "/" stands for the date separator.
    std::string shortDateFormat = "m/d/yy";
    std::string dateSeparator = "/";
};

// The short date format with a four-digit year: "yy" goes before the first
// "y" unless the format already holds "yyyy".
std::string sheetDateFormat(std::string_view shortDateFormat);

}  // namespace pecunor
