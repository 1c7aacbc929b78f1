#include "calc_cli.h"

#include <QDate>

#include "calc_chart.h"
#include "method_input_table.h"
#include "regional_settings_qt.h"
#include "sheet_json.h"

namespace pecunor::cli {

namespace {

CliOutput usageFailure(const std::string& message)
{
    return {{}, "pecunor-calc: " + message + "\n" + usageText(), exitUsageError};
}

DayNumber localToday()
{
    const QDate date = QDate::currentDate();
    return dayNumberOf(date.year(), date.month(), date.day()).value_or(0);
}

}  // namespace

std::vector<InputRowText> inputRowTexts(const CalcRequest& request)
{
    const CalcMethod method = request.method;
    const MethodInputRow& inputRow = methodInputRow(method);
    std::vector<InputRowText> rows;
    auto add = [&](InputRow row, std::string caption, std::string_view value, bool isEditField) {
        if (inputRow.shows(row))
            rows.push_back({std::move(caption), std::string(value), isEditField});
    };
    add(InputRow::Method, "&Method", methodListText(method), false);
    add(InputRow::StartDate, "Start &Date", request.startDateText, false);
    add(InputRow::PeriodsAre, "&Periods are", periodUnitInfo(request.periodUnit).listText, false);
    add(InputRow::PaymentsDue, "P&ayments Due at", paymentTimingText(request.paymentTiming), false);
    constexpr InputRow valueRows[] = {InputRow::Value1, InputRow::Value2, InputRow::Value3, InputRow::Value4};
    for (int number = 1; number <= 4; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        add(valueRows[index], valueLabel(method, number, request.periodUnit), request.valueTexts[index], true);
    }
    return rows;
}

CliOutput renderSheet(const CalcRequest& request, const ResultSheet& sheet, OutputFormat format)
{
    CliOutput output;
    switch (format) {
    case OutputFormat::Json:
        output.out = sheetJson(sheet);
        break;
    case OutputFormat::Aligned:
        output.out = sheet.valid() ? layoutText(TextLayout::ColumnAligned, inputRowTexts(request),
                                                sheet.summaryLabels(), sheet.summaryValues(), sheet)
                                   : layoutInputBlock(inputRowTexts(request));
        break;
    case OutputFormat::Csv:
        if (sheet.valid())
            output.out = layoutText(TextLayout::CommaDelimited, {}, {}, {}, sheet);
        break;
    }
    if (!sheet.valid()) {
        output.err = std::string(invalidInputMessage) + "\n";
        output.exitStatus = exitNoValidSheet;
    } else if (const auto& fault = sheet.fault()) {
        output.err = std::string(faultMessage(*fault)) + "\n";
        output.exitStatus = exitNoValidSheet;
    }
    return output;
}

CliOutput runCommandLine(const std::vector<std::string>& arguments)
{
    const ParsedCommandLine parsed = parseArguments(arguments);
    if (std::holds_alternative<HelpWanted>(parsed))
        return {usageText(), {}, exitValidSheet};
    if (const auto* error = std::get_if<UsageError>(&parsed))
        return usageFailure(error->message);
    const CliOptions& options = std::get<CliOptions>(parsed);

    RegionalSettings regional;
    if (options.localeName) {
        const auto locale = platform::localeNamed(QString::fromStdString(*options.localeName));
        if (!locale)
            return usageFailure("--locale: unknown locale '" + *options.localeName + "'");
        regional = platform::regionalSettingsFrom(*locale);
    } else {
        regional = platform::systemRegionalSettings();
    }
    const DayNumber today = options.today.value_or(localToday());
    MethodInputMemory memory(today);
    const ResultSheet sheet = calcChart(options.request, today, regional, memory);
    return renderSheet(options.request, sheet, options.format);
}

}  // namespace pecunor::cli
