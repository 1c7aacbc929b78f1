#include "method_run.h"

#include <algorithm>
#include <cmath>

#include "digit_text.h"

namespace pecunor::detail {

namespace {

// How many rows a value may have been carried through: interest and the
// declining balance build each row on the last, while straight-line and
// sum-of-years values and the quotients come straight from the entries.
int computationSteps(const MethodInputs& in)
{
    const bool fromEntries = isRatioMethod(in.method) || in.method == CalcMethod::StraightLineDepreciation ||
                             in.method == CalcMethod::SumOfYearsDepreciation;
    return fromEntries ? 1 : in.count + 1;
}

}  // namespace

SheetWriter::SheetWriter(ResultSheet& sheet, const RegionalSettings& regional, const MethodInputs& inputs,
                         const TextCatalog& texts)
    : sheet_(sheet),
      regional_(regional),
      inputs_(inputs),
      texts_(texts),
      sheetDates_(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator),
      startDate_(civilDateOf(inputs.start)),
      source_(
          std::max({std::fabs(inputs.e(1)), std::fabs(inputs.e(2)), std::fabs(inputs.e(3)), std::fabs(inputs.e(4))})),
      steps_(computationSteps(inputs)),
      money_(AmountFormat::money(regional))
{
    money_.setSource(source_, steps_);
    sheet_.setMoneyDecimals(money_.decimals());
}

void SheetWriter::rowHead(int row, int stepsFromStart)
{
    constexpr std::size_t rowNumberLength = 10;  // the digits of any 32-bit number
    sheet_.writeCell(0, row, rowNumberLength,
                     [row](char* room) { return digit_text::putNumber(room, static_cast<std::uint32_t>(row)); });
    const long long steps = static_cast<long long>(stepsFromStart) * inputs_.step.count;
    const CivilDate date = addPeriods(steps, inputs_.step.kind, startDate_);
    sheet_.writeCell(1, row, sheetDates_.maxLength(), [&](char* room) { return sheetDates_.writeTo(room, date); });
    if (!sheet_.keepsFigures())
        return;
    sheet_.setFigure(0, row, FigureKind::RowNumber, row);
    if (const std::optional<DayNumber> day = dayNumberOf(date.year, date.month, date.day))
        sheet_.setFigure(1, row, FigureKind::Date, *day);
}

std::string SheetWriter::unitText(std::string_view pattern) const
{
    return fillUnitTemplate(pattern, texts_, inputs_.unit);
}

void SheetWriter::summary(std::string values)
{
    const std::string_view labels = texts_.summaryLabels[static_cast<std::size_t>(indexOf(inputs_.method))];
    sheet_.setSummary(unitText(labels), std::move(values), std::move(summaryFigures_));
    summaryFigures_.clear();
}

std::string SheetWriter::values(std::string_view pattern, std::initializer_list<long double> values)
{
    summaryFigures_.clear();
    if (!sheet_.keepsFigures())
        return formatValues(pattern, values, regional_, source_, steps_);
    std::vector<long double> shown;
    std::string text = formatValues(pattern, values, regional_, source_, steps_, &shown);
    // "%m" is money, "%n" a number, a percentage where "%%" follows it.
    auto value = shown.begin();
    for (std::size_t at = 0; at + 1 < pattern.size() && value != shown.end(); ++at) {
        if (pattern[at] != '%' || (pattern[at + 1] != 'm' && pattern[at + 1] != 'n'))
            continue;
        const bool percent = pattern.substr(at + 2, 2) == "%%";
        const FigureKind kind = pattern[at + 1] == 'm' ? FigureKind::Money
                                : percent              ? FigureKind::Percent
                                                       : FigureKind::Number;
        summaryFigures_.push_back({kind, *value++});
        ++at;
    }
    return text;
}

}  // namespace pecunor::detail
