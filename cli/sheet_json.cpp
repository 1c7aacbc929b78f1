#include "sheet_json.h"

#include "text_utils.h"

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

void appendNumber(std::string& out, std::string_view key, int value)
{
    out.append(", \"").append(key).append("\": ").append(std::to_string(value));
}

void appendCells(std::string& out, const ResultSheet& sheet)
{
    out.append(", \"cells\": [");
    for (int row = 0; row < sheet.rowCount(); ++row) {
        out.append(row == 0 ? "[" : ", [");
        for (int column = 0; column < sheet.columnCount(); ++column) {
            if (column > 0)
                out.append(", ");
            appendJsonString(out, sheet.cell(column, row));
        }
        out.push_back(']');
    }
    out.push_back(']');
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

std::string sheetJson(const ResultSheet& sheet, const TextCatalog& texts)
{
    std::string out;
    const std::size_t cellCount =
        static_cast<std::size_t>(sheet.columnCount()) * static_cast<std::size_t>(sheet.rowCount());
    out.reserve(256 + cellCount * 16 + sheet.summaryLabels().size() + sheet.summaryValues().size());
    out.append("{\"valid\": ").append(sheet.valid() ? "true" : "false");
    out.append(", \"kind\": ").append(sheet.kind() == SheetKind::Schedule ? "\"schedule\"" : "\"ratio\"");
    appendNumber(out, "columnCount", sheet.columnCount());
    appendNumber(out, "rowCount", sheet.rowCount());
    appendNumber(out, "fixedColumns", sheet.fixedColumns());
    appendNumber(out, "fixedRows", sheet.fixedRows());
    appendCells(out, sheet);
    out.append(", \"summaryLabels\": ");
    appendJsonString(out, sheet.summaryLabels());
    out.append(", \"summaryValues\": ");
    appendJsonString(out, sheet.summaryValues());
    out.append(", \"selection\": ");
    if (const auto& rect = sheet.selection()) {
        out.append("[").append(std::to_string(rect->left)).append(", ").append(std::to_string(rect->top));
        out.append(", ").append(std::to_string(rect->right)).append(", ").append(std::to_string(rect->bottom));
        out.append("]");
    } else {
        out.append("null");
    }
    out.append(", \"fault\": ");
    if (const auto& fault = sheet.fault())
        appendJsonString(out, faultMessage(*fault, texts));
    else
        out.append("null");
    out.append("}\n");
    return out;
}

}  // namespace pecunor::cli
