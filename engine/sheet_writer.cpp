#include "method_run.h"

#include "digit_text.h"

namespace pecunor::detail {

SheetWriter::SheetWriter(ResultSheet& sheet, const RegionalSettings& regional, const MethodInputs& inputs,
                         const TextCatalog& texts)
    : sheet_(sheet),
      regional_(regional),
      inputs_(inputs),
      texts_(texts),
      sheetDates_(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator),
      startDate_(civilDateOf(inputs.start)),
      money_(AmountFormat::money(regional))
{
}

void SheetWriter::rowHead(int row, int stepsFromStart)
{
    constexpr std::size_t rowNumberLength = 10;  // the digits of any 32-bit number
    sheet_.writeCell(0, row, rowNumberLength, [row](char* room) {
        return digit_text::putNumber(room, static_cast<std::uint32_t>(row));
    });
    const long long steps = static_cast<long long>(stepsFromStart) * inputs_.step.count;
    const CivilDate date = addPeriods(steps, inputs_.step.kind, startDate_);
    sheet_.writeCell(1, row, sheetDates_.maxLength(), [&](char* room) { return sheetDates_.writeTo(room, date); });
}

std::string SheetWriter::unitText(std::string_view pattern) const
{
    return fillUnitTemplate(pattern, texts_, inputs_.unit);
}

void SheetWriter::summary(std::string values)
{
    const std::string_view labels = texts_.summaryLabels[static_cast<std::size_t>(indexOf(inputs_.method))];
    sheet_.setSummary(unitText(labels), std::move(values));
}

}  // namespace pecunor::detail
