#include "calc_cli.h"

#include <QLocale>

#include "cli_texts.h"
#include "engine/calc_chart.h"
#include "engine/method_input_table.h"
#include "input_notes.h"
#include "output/spreadsheet_workbook.h"
#include "platform/ui_language.h"
#include "sheet_json.h"
#include "sheet_numbers.h"

namespace pecunor::cli {

std::string runLanguage(const std::vector<std::string>& arguments)
{
    if (auto named = languageArgument(arguments))
        return std::move(*named);
    return platform::chooseInterfaceLanguage(platform::desktopLanguages()).toStdString();
}

std::vector<InputRowText> inputRowTexts(const CalcRequest& request, const TextCatalog& texts)
{
    const CalcMethod method = request.method;
    const MethodInputRow& inputRow = methodInputRow(method);
    std::vector<InputRowText> rows;
    auto add = [&](InputRow row, std::string caption, std::string_view value, bool isEditField) {
        if (inputRow.shows(row))
            rows.push_back({std::move(caption), std::string(value), isEditField});
    };
    const InputCaptions& captions = texts.inputCaptions;
    add(InputRow::Method, std::string(captions.method), methodListText(method, texts), false);
    add(InputRow::StartDate, std::string(captions.startDate), request.startDateText, false);
    add(InputRow::PeriodsAre, std::string(captions.periodsAre), periodUnitText(request.periodUnit, texts), false);
    add(InputRow::PaymentsDue, std::string(captions.paymentsDue), paymentTimingText(request.paymentTiming, texts),
        false);
    constexpr InputRow valueRows[] = {InputRow::Value1, InputRow::Value2, InputRow::Value3, InputRow::Value4};
    for (int number = 1; number <= 4; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        add(valueRows[index], valueLabel(method, number, request.periodUnit, texts), request.valueTexts[index], true);
    }
    return rows;
}

CliOutput renderSheet(const PreparedRun& run, const ResultSheet& sheet, const TextCatalog& texts)
{
    const CalcRequest& request = run.options.request;
    CliOutput output;
    switch (run.options.format) {
    case OutputFormat::Json: output.out = programSheetJson(run, texts).json; break;
    case OutputFormat::Numbers: output.out = sheetNumbers(run, texts); break;
    case OutputFormat::Aligned:
        output.out = sheet.valid() ? layoutText(TextLayout::ColumnAligned, inputRowTexts(request, texts),
                                                sheet.summaryLabels(), sheet.summaryValues(), sheet)
                                   : layoutInputBlock(inputRowTexts(request, texts));
        break;
    case OutputFormat::Csv:
        if (sheet.valid())
            output.out = layoutText(TextLayout::CommaDelimited, {}, {}, {}, sheet);
        break;
    case OutputFormat::Xlsx: {
        const QString path = QString::fromStdString(run.options.outputPath.value_or(""));
        QString reason;
        if (!writeWorkbookFile(path, {request, run.today, inputRowTexts(request, texts)}, run.regional, texts,
                               &reason)) {
            output.err = "pecunor-calc: " + path.toStdString() + ": " + reason.toStdString() + "\n";
            output.exitStatus = exitNoValidSheet;
            return output;
        }
        break;
    }
    }
    if (!sheet.valid()) {
        output.err = "pecunor-calc: " + noSheetMessage(request, run.regional, texts) + "\n";
        output.exitStatus = exitNoValidSheet;
    } else if (const auto& fault = sheet.fault()) {
        output.err = std::string(faultMessage(*fault, texts)) + "\n";
        output.exitStatus = exitNoValidSheet;
    }
    return output;
}

CliOutput runPrepared(const PreparedRun& run, const TextCatalog& texts)
{
    MethodInputMemory memory(run.today);
    const CalcRequest& request = run.options.request;
    const ResultSheet sheet = calcChart(request, run.today, run.regional, memory, texts);
    CliOutput output = renderSheet(run, sheet, texts);
    std::string notes;
    for (const std::string& note : run.notes)
        notes += "pecunor-calc: " + note + "\n";
    output.err.insert(0, notes);
    return output;
}

CliOutput runCommandLine(const std::vector<std::string>& arguments)
{
    const TextCatalog& texts = platform::interfaceCatalog();
    const PreparedCommandLine prepared = prepareRun(arguments, texts);
    if (std::holds_alternative<HelpWanted>(prepared))
        return {usageText(texts), {}, exitValidSheet};
    if (std::holds_alternative<VersionWanted>(prepared))
        return {versionText(), {}, exitValidSheet};
    if (const auto* error = std::get_if<UsageError>(&prepared))
        return {{}, usageErrorText(error->message), exitUsageError};
    return runPrepared(std::get<PreparedRun>(prepared), texts);
}

}  // namespace pecunor::cli
