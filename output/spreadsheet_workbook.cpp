#include "spreadsheet_workbook.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "engine/calc_chart.h"
#include "engine/number_format.h"
#include "engine/text_utils.h"
#include "platform/whole_file.h"
#include "spreadsheet_cells.h"

namespace pecunor {

namespace {

constexpr double widestColumn = 80;

// Text as a spreadsheet format shows it literally.
std::string quotedLiteral(std::string_view text)
{
    if (text.empty())
        return {};
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\\\"\"") : std::string(1, c);
    return quoted + '"';
}

// The amount's format between the texts the engine writes around the
// number 1 (symbol, blanks, sign and brackets), so that the spreadsheet
// shows amounts as the window does.
std::string amountSection(const RegionalSettings& regional, long double one, const std::string& digits)
{
    const std::string text = formatMoney(one, regional);
    const std::size_t first = text.find_first_of("0123456789");
    const std::size_t last = text.find_last_of("0123456789");
    return quotedLiteral(text.substr(0, first)) + digits + quotedLiteral(text.substr(last + 1));
}

// A caption as the window shows it: the mnemonic's "&" gone, "&&" one "&";
// a summary label without its closing ":".
std::string shownCaption(std::string_view caption)
{
    std::string shown;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size())
            ++at;
        shown += caption[at];
    }
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == ':'))
        shown.pop_back();
    return shown;
}

// A worksheet name the spreadsheets accept: none of []:*?/\ and at most 31 characters.
std::string worksheetName(std::string_view methodName)
{
    std::string name(firstCharacters(methodName, LXW_SHEETNAME_MAX));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return std::strchr("[]:*?/\\", c) != nullptr; }, ' ');
    return name.empty() ? std::string("Sheet1") : name;
}

// Writes the cells of one worksheet, each a number where the engine kept
// one, and keeps every column's longest text.
class WorksheetFiller {
public:
    WorksheetFiller(lxw_workbook* book, lxw_worksheet* sheet, const RegionalSettings& regional, int moneyDecimals)
        : sheet_(sheet),
          moneyDecimals_(moneyDecimals)
    {
        auto format = [book](const std::string& numberFormat) {
            lxw_format* made = workbook_add_format(book);
            format_set_num_format(made, numberFormat.c_str());
            return made;
        };
        money_ = format(moneyNumberFormat(regional, moneyDecimals));
        date_ = format(dateNumberFormat(regional));
        percent_ = format("0.00%");
        header_ = workbook_add_format(book);
        format_set_bold(header_);
        rightAligned_ = workbook_add_format(book);
        format_set_align(rightAligned_, LXW_ALIGN_RIGHT);
    }

    void text(lxw_row_t row, lxw_col_t column, std::string_view value, lxw_format* format = nullptr)
    {
        if (value.empty())
            return;
        worksheet_write_string(sheet_, row, column, std::string(value).c_str(), format);
        note(column, value);
    }

    void typed(lxw_row_t row, lxw_col_t column, std::string_view shown, Figure figure)
    {
        const SpreadsheetCell cell = spreadsheetCell(figure, moneyDecimals_);
        if (cell.kind == CellKind::Text) {
            text(row, column, shown);
            return;
        }
        lxw_format* const format = cell.kind == CellKind::Money     ? money_
                                   : cell.kind == CellKind::Percent ? percent_
                                   : cell.kind == CellKind::Date    ? date_
                                                                    : nullptr;
        worksheet_write_number(sheet_, row, column, cell.number, format);
        note(column, shown);
    }

    lxw_row_t inputs(const std::vector<InputRowText>& rows)
    {
        lxw_row_t row = 0;
        for (const InputRowText& input : rows) {
            text(row, 0, shownCaption(input.caption));
            text(row++, 1, input.value, input.isEditField ? rightAligned_ : nullptr);
        }
        return row;
    }

    lxw_row_t summary(lxw_row_t row, const ResultSheet& sheet)
    {
        const std::vector<Figure>& figures = sheet.summaryFigures();
        std::size_t line = 0;
        for (const SummaryLine& shown : summaryLines(sheet.summaryLabels(), sheet.summaryValues())) {
            text(row, 0, shownCaption(shown.label));
            typed(row++, 1, shown.value, line < figures.size() ? figures[line] : Figure{});
            ++line;
        }
        return row;
    }

    void table(lxw_row_t top, const ResultSheet& sheet)
    {
        for (int row = 0; row < sheet.rowCount(); ++row) {
            const auto at = static_cast<lxw_row_t>(top + static_cast<lxw_row_t>(row));
            for (int column = 0; column < sheet.columnCount(); ++column) {
                const auto to = static_cast<lxw_col_t>(column);
                if (row < sheet.fixedRows())
                    text(at, to, sheet.cell(column, row), header_);
                else
                    typed(at, to, sheet.cell(column, row), sheet.figure(column, row));
            }
        }
    }

    void fitColumns()
    {
        for (std::size_t column = 0; column < widths_.size(); ++column)
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                                 std::min(static_cast<double>(widths_[column] + 2), widestColumn), nullptr);
    }

private:
    void note(lxw_col_t column, std::string_view shown)
    {
        if (widths_.size() <= column)
            widths_.resize(column + 1u, 0);
        widths_[column] = std::max(widths_[column], characterCount(shown));
    }

    lxw_worksheet* sheet_;
    int moneyDecimals_;
    lxw_format* money_;
    lxw_format* date_;
    lxw_format* percent_;
    lxw_format* header_;
    lxw_format* rightAligned_;
    std::vector<std::size_t> widths_;
};

// The window's own sheet keeps no figures: the screen needs only the texts.
ResultSheet sheetWithFigures(const WorkbookContent& content, const RegionalSettings& regional, const TextCatalog& texts)
{
    CalcRequest request = content.request;
    request.withFigures = true;
    // A memory of its own: the save must not change what the window remembers.
    MethodInputMemory memory(content.today);
    return calcChart(request, content.today, regional, memory, texts);
}

// Midnight at the start of today, UTC; 0, the library's "now", before 1970.
std::time_t createdOn(DayNumber today)
{
    const DayNumber firstOf1970 = *dayNumberOf(1970, 1, 1);
    constexpr std::time_t secondsPerDay = 86400;
    return today > firstOf1970 ? static_cast<std::time_t>(today - firstOf1970) * secondsPerDay : 0;
}

}  // namespace

std::string moneyNumberFormat(const RegionalSettings& regional, int decimals)
{
    std::string digits = regional.thousandsSeparator.empty() ? "0" : "#,##0";
    decimals = std::clamp(decimals, 0, 9);
    if (decimals > 0)
        digits += "." + std::string(static_cast<std::size_t>(decimals), '0');
    return amountSection(regional, 1, digits) + ';' + amountSection(regional, -1, digits);
}

std::string dateNumberFormat(const RegionalSettings& regional)
{
    // Read as the engine's date format reads it: runs of d, m and y, the
    // date separator for "/", quoted text and every other sign literally.
    const std::string format = sheetDateFormat(regional.shortDateFormat);
    std::string spreadsheet;
    std::string literal;
    auto endLiteral = [&] {
        spreadsheet += quotedLiteral(literal);
        literal.clear();
    };
    for (std::size_t at = 0; at < format.size();) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[at])));
        if (c == 'd' || c == 'm' || c == 'y') {
            std::size_t run = 0;
            while (at + run < format.size() && std::tolower(static_cast<unsigned char>(format[at + run])) == c)
                ++run;
            at += run;
            endLiteral();
            spreadsheet += c == 'y' ? (run <= 2 ? "yy" : "yyyy") : std::string(std::min<std::size_t>(run, 2), c);
        } else if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, at + 1);
            const std::size_t end = close == std::string::npos ? format.size() : close;
            literal += format.substr(at + 1, end - at - 1);
            at = end == format.size() ? end : end + 1;
        } else {
            literal += c == '/' ? regional.dateSeparator : std::string(1, format[at]);
            ++at;
        }
    }
    endLiteral();
    return spreadsheet;
}

bool workbookBytes(const WorkbookContent& content, const RegionalSettings& regional, const TextCatalog& texts,
                   const QString& scratchFolder, std::string& bytes, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QTemporaryFile scratch(scratchFolder + QStringLiteral("/.pecunor-XXXXXX.xlsx"));
    if (!scratch.open())
        return fail(scratch.errorString());
    scratch.close();
    QByteArray folder = QFile::encodeName(scratchFolder);
    // The library's own part files go to the same folder, not to a /tmp that may be small.
    // The rows are written in order, so each goes to its part file as the next begins:
    // a 9,999-row table never lies in memory whole.
    lxw_workbook_options options{LXW_TRUE, folder.data(), LXW_FALSE};
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(scratch.fileName()).constData(), &options);
    if (!book)
        return fail(QString::fromLocal8Bit(std::strerror(ENOMEM)));
    lxw_doc_properties properties{};
    properties.created = createdOn(content.today);
    workbook_set_properties(book, &properties);
    const ResultSheet figures = sheetWithFigures(content, regional, texts);
    lxw_worksheet* sheet =
        workbook_add_worksheet(book, worksheetName(methodListText(content.request.method, texts)).c_str());
    WorksheetFiller filler(book, sheet, regional, figures.moneyDecimals());
    lxw_row_t row = filler.inputs(content.inputs);
    // An invalid sheet is the window's error line: the inputs alone.
    if (figures.valid()) {
        row = filler.summary(row + 1, figures);
        filler.table(row + 1, figures);
    }
    filler.fitColumns();
    errno = 0;
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        return fail(QString::fromLocal8Bit(errno != 0 ? std::strerror(errno) : lxw_strerror(error)));
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return fail(written.errorString());
    const QByteArray data = written.readAll();
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

bool writeWorkbookFile(const QString& path, const WorkbookContent& content, const RegionalSettings& regional,
                       const TextCatalog& texts, QString* reason)
{
    std::string bytes;
    if (!workbookBytes(content, regional, texts, QFileInfo(path).absolutePath(), bytes, reason))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    return platform::writeWholeFile(
        path, [&](QIODevice& file) { return file.write(bytes.data(), size) == size; }, reason);
}

}  // namespace pecunor
