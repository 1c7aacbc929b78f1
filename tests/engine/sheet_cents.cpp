// Reads one request a line from stdin and writes the amounts the engine
// shows for it, for comparing them with exact decimal arithmetic
// (exact_cents.py). One process serves a whole run: starting the
// command-line tool for each request would cost far more than the
// calculation.
//
// In:  method, period unit, payment timing, interest-per unit (indexes),
//      then the four value texts as typed; tab-separated.
// Out: "I" (insufficient input), "F" (arithmetic fault), or "V", the count
//      of amount cells, the amount cells row by row, then the summary
//      values; tab-separated. Amounts are plain: "." decimals, no grouping,
//      no currency symbol, a leading minus.

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine_test_support.h"

namespace {

using namespace pecunor;

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t at = 0;;) {
        const std::size_t tab = line.find('\t', at);
        out.push_back(line.substr(at, tab - at));
        if (tab == std::string_view::npos)
            return out;
        at = tab + 1;
    }
}

template <typename T>
std::optional<T> index(std::string_view text, std::optional<T> (*from)(long long))
{
    long long value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return from(value);
}

std::optional<CalcRequest> requestOf(std::string_view line)
{
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != 8)
        return std::nullopt;
    const auto method = index(f[0], methodFromIndex);
    const auto unit = index(f[1], periodUnitFromIndex);
    const auto timing = index(f[2], paymentTimingFromIndex);
    const auto interestPer = index(f[3], periodUnitFromIndex);
    if (!method || !unit || !timing || !interestPer)
        return std::nullopt;
    CalcRequest request;
    request.method = *method;
    request.startDateText = "1/15/2026";
    request.periodUnit = *unit;
    request.paymentTiming = *timing;
    request.interestPer = *interestPer;
    for (std::size_t i = 0; i < 4; ++i)
        request.valueTexts[i] = f[4 + i];
    return request;
}

void appendSheet(std::string& out, const ResultSheet& sheet)
{
    if (!sheet.valid()) {
        out += "I\n";
        return;
    }
    if (sheet.fault()) {
        out += "F\n";
        return;
    }
    const int columns = sheet.columnCount() - sheet.fixedColumns();
    const int rows = sheet.rowCount() - sheet.fixedRows();
    out += "V\t";
    out += std::to_string(columns * rows);
    for (int row = sheet.fixedRows(); row < sheet.rowCount(); ++row) {
        for (int column = sheet.fixedColumns(); column < sheet.columnCount(); ++column)
            out.append("\t").append(sheet.cell(column, row));
    }
    const std::string& values = sheet.summaryValues();
    for (std::size_t at = 0; at < values.size();) {
        const std::size_t end = std::min(values.find('\n', at), values.size());
        out.append("\t").append(values, at, end - at);
        at = end + 1;
    }
    out += '\n';
}

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    RegionalSettings regional = test::plainRegional();
    regional.thousandsSeparator.clear();
    const DayNumber today = test::date(2026, 12, 7);
    MethodInputMemory memory(today);
    std::string line;
    std::string out;
    for (long lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        const std::optional<CalcRequest> request = requestOf(line);
        if (!request) {
            std::fprintf(stderr, "sheet_cents: line %ld is not a request\n", lineNumber);
            return 2;
        }
        appendSheet(out, calcChart(*request, today, regional, memory));
        if (out.size() > (1U << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
