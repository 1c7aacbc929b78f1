#include "spreadsheet_cells.h"

#include <array>
#include <cmath>

namespace pecunor {

namespace {

// Day 61 is 1 March 1900: from there on spreadsheets count days as the
// engine does.
constexpr long double firstSerialDay = 61;

// The powers of ten a double holds exactly.
constexpr int exactPowers = 23;
constexpr std::array<double, exactPowers> powersOfTen = [] {
    std::array<double, exactPowers> powers{};
    double power = 1;
    for (double& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// value / 10^shift as the double nearest to value's decimals: the whole
// units of the last decimal, divided once, round a single time, where
// converting the long double would round its own rounding again.
double nearestDouble(long double value, int decimals, int shift)
{
    const int scale = decimals + shift;
    if (decimals < 0 || scale >= exactPowers)
        return static_cast<double>(value / std::pow(10.0L, shift));
    const long double units = std::round(value * static_cast<long double>(powersOfTen[std::size_t(decimals)]));
    if (std::fabs(units) >= 0x1p53L)
        return static_cast<double>(value / static_cast<long double>(powersOfTen[std::size_t(shift)]));
    return static_cast<double>(units) / powersOfTen[std::size_t(scale)];
}

// Number and percentage texts have two decimals.
constexpr int numberDecimals = 2;

}  // namespace

SpreadsheetCell spreadsheetCell(Figure figure, int moneyDecimals)
{
    switch (figure.kind) {
    case FigureKind::Text: break;
    case FigureKind::Money: return {CellKind::Money, nearestDouble(figure.value, moneyDecimals, 0)};
    case FigureKind::Percent: return {CellKind::Percent, nearestDouble(figure.value, numberDecimals, 2)};
    case FigureKind::Number: return {CellKind::Number, nearestDouble(figure.value, numberDecimals, 0)};
    case FigureKind::RowNumber: return {CellKind::Number, static_cast<double>(figure.value)};
    case FigureKind::Date:
        if (figure.value >= firstSerialDay)
            return {CellKind::Date, static_cast<double>(figure.value)};
        break;
    }
    return {};
}

}  // namespace pecunor
