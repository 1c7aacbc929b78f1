#include "method_run.h"

#include "digit_text.h"

namespace pecunor::detail {

SheetWriter::SheetWriter(ResultSheet& sheet, const RegionalSettings& regional, const MethodInputs& inputs)
    : sheet_(sheet),
      regional_(regional),
      inputs_(inputs),
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

void SheetWriter::summary(std::string_view labelPattern, std::string values)
{
    // "%s" takes the unit word and "%%" is a percent sign.
    std::string labels;
    for (std::size_t at = 0; at < labelPattern.size(); ++at) {
        if (labelPattern[at] == '%' && at + 1 < labelPattern.size()) {
            const char code = labelPattern[++at];
            if (code == 's')
                labels.append(inputs_.unitWord);
            else if (code == '%')
                labels.push_back('%');
            continue;
        }
        labels.push_back(labelPattern[at]);
    }
    sheet_.setSummary(std::move(labels), std::move(values));
}

}  // namespace pecunor::detail
