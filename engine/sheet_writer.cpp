#include "method_run.h"

#include "number_format.h"

namespace pecunor::detail {

SheetWriter::SheetWriter(ResultSheet& sheet, const RegionalSettings& regional, const MethodInputs& inputs)
    : sheet_(sheet),
      regional_(regional),
      inputs_(inputs),
      sheetDates_(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator)
{
}

void SheetWriter::rowHead(int row, int stepsFromStart)
{
    sheet_.setCell(0, row, std::to_string(row));
    scratch_.clear();
    const long long steps = static_cast<long long>(stepsFromStart) * inputs_.step.count;
    sheetDates_.appendTo(scratch_, addPeriods(steps, inputs_.step.kind, inputs_.start));
    sheet_.setCell(1, row, scratch_);
}

void SheetWriter::money(int column, int row, long double value)
{
    scratch_.clear();
    appendMoney(scratch_, value, regional_);
    sheet_.setCell(column, row, scratch_);
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
