#pragma once

#include <string>
#include <vector>

#include "engine/calc_chart.h"

namespace pecunor::test {

// United States conventions: "$" before the amount, a leading minus.
inline RegionalSettings usRegional()
{
    RegionalSettings regional;
    regional.decimalSeparator = ".";
    regional.thousandsSeparator = ",";
    regional.currencySymbol = "$";
    regional.currencyPlacement = 0;
    regional.negativeCurrencyPattern = 1;
    regional.currencyDecimals = 2;
    regional.shortDateFormat = "M/d/yy";
    regional.dateSeparator = "/";
    return regional;
}

// German conventions: "1.331,00 €".
inline RegionalSettings germanRegional()
{
    RegionalSettings regional;
    regional.decimalSeparator = ",";
    regional.thousandsSeparator = ".";
    regional.currencySymbol = "€";
    regional.currencyPlacement = 3;
    regional.negativeCurrencyPattern = 8;
    regional.currencyDecimals = 2;
    regional.shortDateFormat = "dd.MM.yyyy";
    regional.dateSeparator = ".";
    return regional;
}

// United States conventions without a currency symbol: amounts read as plain numbers.
inline RegionalSettings plainRegional()
{
    RegionalSettings regional = usRegional();
    regional.currencySymbol.clear();
    return regional;
}

inline DayNumber date(int year, int month, int day) { return *dayNumberOf(year, month, day); }

struct Inputs {
    CalcMethod method = CalcMethod::FutureValue;
    std::vector<std::string> values;
    PeriodUnit unit = PeriodUnit::Years;
    PaymentTiming timing = PaymentTiming::EndOfPeriod;
    PeriodUnit interestPer = PeriodUnit::Years;
    std::string start = "1/15/2026";
};

inline CalcRequest requestOf(const Inputs& in)
{
    CalcRequest request;
    request.method = in.method;
    request.startDateText = in.start;
    request.periodUnit = in.unit;
    request.paymentTiming = in.timing;
    request.interestPer = in.interestPer;
    for (std::size_t i = 0; i < in.values.size() && i < 4; ++i)
        request.valueTexts[i] = in.values[i];
    return request;
}

inline ResultSheet calculate(const Inputs& in, const RegionalSettings& regional = plainRegional(),
                             const TextCatalog& texts = englishCatalog())
{
    const DayNumber today = date(2026, 12, 7);
    MethodInputMemory memory(today);
    return calcChart(requestOf(in), today, regional, memory, texts);
}

// The texts of one column from the first data row down.
inline std::vector<std::string> column(const ResultSheet& sheet, int col)
{
    std::vector<std::string> texts;
    for (int row = sheet.fixedRows(); row < sheet.rowCount(); ++row)
        texts.emplace_back(sheet.cell(col, row));
    return texts;
}

inline std::vector<std::string> headerRow(const ResultSheet& sheet)
{
    std::vector<std::string> texts;
    for (int col = 0; col < sheet.columnCount(); ++col)
        texts.emplace_back(sheet.cell(col, 0));
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace pecunor::test
