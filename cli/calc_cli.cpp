#include "calc_cli.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "calc_chart.h"
#include "cli_texts.h"
#include "method_input_table.h"
#include "regional_settings_qt.h"
#include "sheet_json.h"
#include "ui_language.h"

namespace pecunor::cli {

namespace {

CliOutput usageFailure(const std::string& message, const TextCatalog& texts)
{
    return {{}, "pecunor-calc: " + message + "\n" + usageText(texts), exitUsageError};
}

DayNumber localToday()
{
    const QDate date = QDate::currentDate();
    return dayNumberOf(date.year(), date.month(), date.day()).value_or(0);
}

}  // namespace

std::string runLanguage(const std::vector<std::string>& arguments)
{
    if (auto named = languageArgument(arguments))
        return std::move(*named);
    return platform::chooseInterfaceLanguage(QLocale::system().uiLanguages()).toStdString();
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

CliOutput renderSheet(const CalcRequest& request, const ResultSheet& sheet, OutputFormat format,
                      const TextCatalog& texts)
{
    CliOutput output;
    switch (format) {
    case OutputFormat::Json:
        output.out = sheetJson(sheet, texts);
        break;
    case OutputFormat::Aligned:
        output.out = sheet.valid() ? layoutText(TextLayout::ColumnAligned, inputRowTexts(request, texts),
                                                sheet.summaryLabels(), sheet.summaryValues(), sheet)
                                   : layoutInputBlock(inputRowTexts(request, texts));
        break;
    case OutputFormat::Csv:
        if (sheet.valid())
            output.out = layoutText(TextLayout::CommaDelimited, {}, {}, {}, sheet);
        break;
    }
    if (!sheet.valid()) {
        output.err = std::string(texts.invalidInput) + "\n";
        output.exitStatus = exitNoValidSheet;
    } else if (const auto& fault = sheet.fault()) {
        output.err = std::string(faultMessage(*fault, texts)) + "\n";
        output.exitStatus = exitNoValidSheet;
    }
    return output;
}

CliOutput runCommandLine(const std::vector<std::string>& arguments)
{
    const TextCatalog& texts = platform::interfaceCatalog();
    const ParsedCommandLine parsed = parseArguments(arguments, texts);
    if (std::holds_alternative<HelpWanted>(parsed))
        return {usageText(texts), {}, exitValidSheet};
    if (const auto* error = std::get_if<UsageError>(&parsed))
        return usageFailure(error->message, texts);
    const CliOptions& options = std::get<CliOptions>(parsed);

    RegionalSettings regional;
    if (options.localeName) {
        // The same forms as under LC_ALL of that name.
        const auto named = platform::regionalSettingsNamed(QString::fromStdString(*options.localeName));
        if (!named)
            return usageFailure(
                translated(QT_TRANSLATE_NOOP("pecunor-calc", "--locale: unknown locale '%1'"), {*options.localeName}),
                texts);
        regional = *named;
    } else {
        regional = platform::systemRegionalSettings();
    }
    const DayNumber today = options.today.value_or(localToday());
    MethodInputMemory memory(today);
    const ResultSheet sheet = calcChart(options.request, today, regional, memory, texts);
    return renderSheet(options.request, sheet, options.format, texts);
}

}  // namespace pecunor::cli
