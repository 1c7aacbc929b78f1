#include "sheet_numbers.h"

#include "plain_sheet.h"

namespace pecunor::cli {

namespace {

void appendField(std::string& out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

// One line of the cells that cell(i) gives for i below count.
template <typename Cell>
void appendLine(std::string& out, int count, Cell cell)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out.push_back(',');
        appendField(out, cell(i));
    }
    out.push_back('\n');
}

}  // namespace

std::string sheetNumbers(const PreparedRun& run, const TextCatalog& texts)
{
    const ResultSheet sheet = plainSheet(run.options.request, run.today, run.regional, texts).sheet;
    std::string out;
    if (!sheet.valid())
        return out;
    if (sheet.kind() == SheetKind::Ratio) {
        appendLine(out, sheet.rowCount(), [&](int row) { return sheet.cell(0, row); });
        appendLine(out, sheet.rowCount(), [&](int row) { return sheet.cell(1, row); });
        return out;
    }
    out.reserve(static_cast<std::size_t>(sheet.rowCount()) * static_cast<std::size_t>(sheet.columnCount()) * 12);
    for (int row = 0; row < sheet.rowCount(); ++row)
        appendLine(out, sheet.columnCount(), [&](int column) { return sheet.cell(column, row); });
    return out;
}

}  // namespace pecunor::cli
