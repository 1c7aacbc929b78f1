#include "sheet_json.h"

#include <algorithm>

#include "engine/method_input_table.h"
#include "engine/text_utils.h"
#include "input_notes.h"
#include "plain_sheet.h"

namespace pecunor::cli {

namespace {

void appendControlEscape(std::string& out, unsigned char c)
{
    switch (c) {
    case '\b': out.append("\\b"); return;
    case '\f': out.append("\\f"); return;
    case '\n': out.append("\\n"); return;
    case '\r': out.append("\\r"); return;
    case '\t': out.append("\\t"); return;
    default: break;
    }
    static constexpr char hex[] = "0123456789abcdef";
    out.append("\\u00");
    out.push_back(hex[c >> 4]);
    out.push_back(hex[c & 0x0F]);
}

// The writer of the sheet for programs: each add puts a comma before all
// but the first member of the object or array it is in.
class JsonLine {
public:
    explicit JsonLine(std::string& out) : out_(out) { }
    JsonLine& open(char bracket, std::string_view name = {})
    {
        member(name);
        out_.push_back(bracket);
        first_ = true;
        return *this;
    }
    JsonLine& close(char bracket)
    {
        out_.push_back(bracket);
        first_ = false;
        return *this;
    }
    JsonLine& text(std::string_view name, std::string_view value)
    {
        member(name);
        appendJsonString(out_, value);
        return *this;
    }
    // A number as the plain sheet writes it; an empty cell is null.
    JsonLine& number(std::string_view name, std::string_view digits)
    {
        member(name);
        out_.append(digits.empty() ? std::string_view("null") : digits);
        return *this;
    }
    JsonLine& number(std::string_view name, int value) { return number(name, std::to_string(value)); }
    JsonLine& null(std::string_view name) { return number(name, std::string_view()); }

private:
    void member(std::string_view name)
    {
        if (!first_)
            out_.push_back(',');
        first_ = false;
        if (!name.empty()) {
            appendJsonString(out_, name);
            out_.push_back(':');
        }
    }
    std::string& out_;
    bool first_ = true;
};

void appendChoice(JsonLine& json, std::string_view option, std::string_view caption, int index, std::string_view key,
                  std::string_view text)
{
    json.open('{').text("option", option).text("caption", plainCaption(caption)).number("value", index);
    json.text("key", key).text("text", text).close('}');
}

void appendInputs(JsonLine& json, const PreparedRun& run, const ReadEntries& read, const TextCatalog& texts)
{
    const CalcRequest& request = run.options.request;
    const CalcMethod method = request.method;
    const MethodInputRow& shown = methodInputRow(method);
    const InputCaptions& captions = texts.inputCaptions;
    json.open('[', "inputs");
    appendChoice(json, "method", captions.method, indexOf(method), methodKey(method), methodListText(method, texts));
    if (shown.shows(InputRow::StartDate)) {
        json.open('{').text("option", "start").text("caption", plainCaption(captions.startDate));
        json.text("typed", run.typedStart).text("value", isoDate(read.start)).close('}');
    }
    const PeriodUnit unit = request.periodUnit;
    if (shown.shows(InputRow::PeriodsAre))
        appendChoice(json, "periods", captions.periodsAre, indexOf(unit), periodUnitKey(unit),
                     periodUnitText(unit, texts));
    if (shown.shows(InputRow::PaymentsDue))
        appendChoice(json, "timing", captions.paymentsDue, indexOf(request.paymentTiming),
                     paymentTimingKey(request.paymentTiming), paymentTimingText(request.paymentTiming, texts));
    if (shown.interestPerOffered)
        appendChoice(json, "interest-per", "", indexOf(request.interestPer), periodUnitKey(request.interestPer),
                     interestPerText(request.interestPer, texts));
    constexpr InputRow valueRows[] = {InputRow::Value1, InputRow::Value2, InputRow::Value3, InputRow::Value4};
    for (int number = 1; number <= 4; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (!shown.shows(valueRows[index]))
            continue;
        json.open('{').text("option", "v" + std::to_string(number)).text("key", valueKey(method, number));
        json.text("caption", plainCaption(valueLabel(method, number, unit, texts)));
        json.text("typed", request.valueTexts[index]).number("value", plainDecimal(read.values[index])).close('}');
    }
    json.close(']');
}

void appendSummaryLine(JsonLine& json, std::string_view key, std::string_view caption, std::string_view value)
{
    // The percentage as its number: the key says that it is one.
    if (value.ends_with('%'))
        value.remove_suffix(1);
    json.open('{').text("key", key).text("caption", plainCaption(caption)).number("value", value).close('}');
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t feed = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, feed - at));
        at = feed + 1;
    }
    return lines;
}

void appendSummary(JsonLine& json, CalcMethod method, const ResultSheet& sheet)
{
    const std::vector<std::string_view> keys = summaryKeys(method);
    json.open('[', "summary");
    if (sheet.kind() == SheetKind::Ratio) {
        for (int row = 0; row < sheet.rowCount(); ++row)
            appendSummaryLine(json, keys.at(static_cast<std::size_t>(row)), sheet.cell(0, row), sheet.cell(1, row));
    } else {
        const auto captions = linesOf(sheet.summaryLabels());
        const auto values = linesOf(sheet.summaryValues());
        for (std::size_t line = 0; line < values.size() && line < captions.size() && line < keys.size(); ++line)
            appendSummaryLine(json, keys[line], captions[line], values[line]);
    }
    json.close(']');
}

void appendTable(JsonLine& json, CalcMethod method, const ResultSheet& sheet)
{
    json.open('{', "table").open('[', "columns");
    const bool schedule = sheet.kind() == SheetKind::Schedule && sheet.rowCount() > 0;
    const std::vector<std::string_view> keys = schedule ? columnKeys(method) : std::vector<std::string_view>{};
    for (std::size_t column = 0; column < keys.size(); ++column)
        json.open('{').text("key", keys[column]).text("header", sheet.cell(static_cast<int>(column), 0)).close('}');
    json.close(']').open('[', "rows");
    for (int row = 1; schedule && row < sheet.rowCount(); ++row) {
        json.open('[');
        for (int column = 0; column < sheet.columnCount(); ++column) {
            const std::string_view cell = sheet.cell(column, row);
            if (column == 1 && !cell.empty())
                json.text({}, cell);
            else
                json.number({}, cell);
        }
        json.close(']');
    }
    json.close(']').close('}');
}

void appendNotes(JsonLine& json, const std::vector<std::string>& notes)
{
    json.open('[', "notes");
    for (const std::string& note : notes)
        json.text({}, note);
    json.close(']');
}

void appendFault(JsonLine& json, const PreparedRun& run, const ResultSheet& sheet, const TextCatalog& texts)
{
    if (!sheet.valid())
        json.open('{', "fault")
            .text("code", "insufficientInput")
            .text("message", noSheetMessage(run.options.request, run.regional, texts))
            .close('}');
    else if (const auto& fault = sheet.fault())
        json.open('{', "fault").text("code", faultKey(*fault)).text("message", faultMessage(*fault, texts)).close('}');
    else
        json.null("fault");
}

void openSheetLine(JsonLine& json, int batchLine)
{
    json.open('{').number("schema", sheetSchemaVersion);
    if (batchLine > 0)
        json.number("line", batchLine);
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        const std::size_t length = characterLength(text, at);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            appendControlEscape(out, c);
        } else if (c >= 0x80 && length == 1) {
            out.append("\\ufffd");
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    out.push_back('"');
}

ProgramSheet programSheetJson(const PreparedRun& run, const TextCatalog& texts, int batchLine)
{
    const CalcRequest& request = run.options.request;
    const PlainSheet plain = plainSheet(request, run.today, run.regional, texts);
    const ResultSheet& sheet = plain.sheet;
    std::string out;
    out.reserve(512 + static_cast<std::size_t>(sheet.rowCount()) * static_cast<std::size_t>(sheet.columnCount()) * 12);
    JsonLine json(out);
    openSheetLine(json, batchLine);
    json.text("kind", sheet.kind() == SheetKind::Schedule ? "schedule" : "ratio");
    appendInputs(json, run, plain.entries, texts);
    appendSummary(json, request.method, sheet);
    appendTable(json, request.method, sheet);
    appendNotes(json, run.notes);
    appendFault(json, run, sheet, texts);
    json.close('}');
    out.push_back('\n');
    return {std::move(out), sheet.valid() && !sheet.fault()};
}

std::string requestFaultJson(int batchLine, std::string_view message)
{
    std::string out;
    JsonLine json(out);
    openSheetLine(json, batchLine);
    json.open('{', "fault").text("code", "request").text("message", message).close('}').close('}');
    out.push_back('\n');
    return out;
}

}  // namespace pecunor::cli
