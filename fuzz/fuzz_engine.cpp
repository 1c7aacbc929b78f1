// Feeds arbitrary bytes to the engine's text readers, formatters, date
// arithmetic and the whole recomputation, and traps when a result breaks
// what the window relies on: no exception, no "inf" or "nan" in a cell, an
// empty invalid sheet, a bounded table, empty summaries after a fault.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/calc_chart.h"
#include "engine/dates.h"
#include "engine/number_format.h"
#include "engine/text_utils.h"

namespace {

constexpr int maxSheetRows = 10001;  // 9,999 periods, the header and the opening row
constexpr int maxSheetColumns = 5;

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool showsNonNumber(std::string_view text)
{
    for (std::string_view word : {"inf", "nan", "INF", "NAN"})
        if (text.find(word) != std::string_view::npos)
            return true;
    return false;
}

bool isDate(pecunor::DayNumber day) { return day >= pecunor::firstDayNumber && day <= pecunor::lastDayNumber; }

// A few real conventions, among them multi-byte separators; the currency
// patterns, placement and decimals come from the input.
pecunor::RegionalSettings regionalVariant(FuzzedDataProvider& data)
{
    static const std::array<pecunor::RegionalSettings, 4> variants = {{
        {".", ",", "$", 0, 0, 2, "M/d/yy", "/"},
        {",", ".", "\u20AC", 3, 8, 2, "dd.MM.yy", "."},
        {",", "\u202F", "\u20AC", 3, 8, 2, "dd/MM/yyyy", "/"},
        {"\u066B", "\u066C", "\u0631.\u0633", 2, 9, 3, "yyyy/M/d", "-"},
    }};
    pecunor::RegionalSettings regional = variants[data.ConsumeIntegral<std::uint8_t>() % variants.size()];
    regional.negativeCurrencyPattern = data.ConsumeIntegralInRange(0, 15);
    regional.currencyPlacement = data.ConsumeIntegralInRange(0, 3);
    regional.currencyDecimals = data.ConsumeIntegralInRange(0, 9);
    return regional;
}

// Any finite extended value, denormals and the largest magnitudes included.
long double finiteValue(FuzzedDataProvider& data)
{
    const auto mantissa = static_cast<long double>(data.ConsumeIntegral<std::uint64_t>());
    const long double magnitude = std::ldexp(mantissa, data.ConsumeIntegralInRange(-16445, 16319));
    return data.ConsumeBool() ? -magnitude : magnitude;
}

pecunor::CalcRequest readRequest(FuzzedDataProvider& data)
{
    pecunor::CalcRequest request;
    const auto method = pecunor::methodFromIndex(data.ConsumeIntegral<std::uint8_t>() % pecunor::methodCount);
    const auto unit = pecunor::periodUnitFromIndex(data.ConsumeIntegral<std::uint8_t>() % pecunor::periodUnitCount);
    const auto timing =
        pecunor::paymentTimingFromIndex(data.ConsumeIntegral<std::uint8_t>() % pecunor::paymentTimingCount);
    const auto interestPer =
        pecunor::periodUnitFromIndex(data.ConsumeIntegral<std::uint8_t>() % pecunor::periodUnitCount);
    require(method && unit && timing && interestPer);
    request.method = *method;
    request.periodUnit = *unit;
    request.paymentTiming = *timing;
    request.interestPer = *interestPer;
    return request;
}

void checkAmountReaders(std::string_view text, const pecunor::RegionalSettings& regional)
{
    const std::string cleaned = pecunor::keepChars(text, "0123456789" + regional.decimalSeparator);
    require(cleaned.size() <= text.size());
    const long double entry = pecunor::textToAmount(cleaned, false, regional);
    require(std::isfinite(entry) && entry >= 0);

    require(std::isfinite(pecunor::textToAmount(text, false, regional)));
    try {
        require(std::isfinite(pecunor::textToAmount(text, true, regional)));
    } catch (const std::runtime_error&) {
        // Unreadable text, reported as asked.
    }
    require(std::isfinite(pecunor::textToAmountOr(text, 0.0L, regional)));
}

void checkDateReaders(std::string_view text, const pecunor::RegionalSettings& regional, pecunor::DayNumber today)
{
    if (const auto date = pecunor::readDate(text, regional, today))
        require(isDate(*date));
    require(isDate(pecunor::textToDateOr(text, false, today, regional, today)));
    try {
        require(isDate(pecunor::textToDateOr(text, true, today, regional, today)));
    } catch (const std::runtime_error&) {
        // Unreadable date, reported as asked.
    }
}

void checkDateSteps(FuzzedDataProvider& data, pecunor::DayNumber date)
{
    static constexpr std::array<pecunor::StepKind, 3> kinds = {pecunor::StepKind::Days, pecunor::StepKind::Months,
                                                               pecunor::StepKind::Years};
    const auto steps = data.ConsumeIntegral<long long>();
    const pecunor::StepKind kind = kinds[data.ConsumeIntegral<std::uint8_t>() % kinds.size()];
    require(isDate(pecunor::addPeriods(steps, kind, date)));
}

void checkFormats(FuzzedDataProvider& data, const pecunor::RegionalSettings& regional)
{
    const long double value = finiteValue(data);
    require(std::isfinite(value));
    const std::string money = pecunor::formatMoney(value, regional);
    const std::string number = pecunor::formatNumber(value, regional);
    require(!money.empty() && !showsNonNumber(money));
    require(!number.empty() && !showsNonNumber(number));
}

void checkFieldExtraction(FuzzedDataProvider& data, std::string_view text)
{
    const int k = data.ConsumeIntegral<int>();
    const char delimiter = data.ConsumeIntegral<char>();
    require(pecunor::extractField(text, k, delimiter).size() <= text.size());
}

pecunor::ResultSheet recompute(const pecunor::CalcRequest& request, pecunor::DayNumber today,
                               const pecunor::RegionalSettings& regional, pecunor::MethodInputMemory& memory)
{
    try {
        return pecunor::calcChart(request, today, regional, memory);
    } catch (...) {
        __builtin_trap();
    }
}

void checkSheet(const pecunor::ResultSheet& sheet)
{
    require(sheet.rowCount() <= maxSheetRows);
    require(sheet.columnCount() <= maxSheetColumns);
    if (!sheet.valid()) {
        require(sheet.rowCount() == 0);
        return;
    }
    if (sheet.fault())
        require(sheet.summaryLabels().empty() && sheet.summaryValues().empty());
    require(!showsNonNumber(sheet.summaryValues()));
    for (int row = 0; row < sheet.rowCount(); ++row)
        for (int column = 0; column < sheet.columnCount(); ++column)
            require(!showsNonNumber(sheet.cell(column, row)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    pecunor::CalcRequest request = readRequest(data);
    const pecunor::DayNumber today =
        data.ConsumeIntegralInRange<pecunor::DayNumber>(pecunor::firstDayNumber, pecunor::lastDayNumber);
    const pecunor::RegionalSettings regional = regionalVariant(data);
    request.startDateText = data.ConsumeRandomLengthString();
    for (std::string& text : request.valueTexts)
        text = data.ConsumeRandomLengthString();

    for (const std::string& text : request.valueTexts) {
        checkAmountReaders(text, regional);
        checkFieldExtraction(data, text);
    }
    checkDateReaders(request.startDateText, regional, today);
    checkDateSteps(data, today);
    checkFormats(data, regional);

    pecunor::MethodInputMemory memory(today);
    checkSheet(recompute(request, today, regional, memory));
    const pecunor::MethodInput& kept = memory.slot(request.method);
    require(kept.valueTexts == request.valueTexts && isDate(kept.startDate));
    return 0;
}
