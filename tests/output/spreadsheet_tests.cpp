#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../support/file_limits.h"
#include "calc_chart.h"
#include "method_input_table.h"
#include "regional_settings_qt.h"
#include "spreadsheet_cells.h"
#include "spreadsheet_save.h"
#include "text_utils.h"
#include "ui_language.h"

namespace pecunor::test {
namespace {

constexpr DayNumber today = 45658;  // 1 January 2025
constexpr int columns = 5;

// One cell as the window shows it, and the kind of number it must be.
struct ShownCell {
    std::string text;
    CellKind kind = CellKind::Text;
};

// A 9,999-month loan as a user of the locale types it, in its language,
// and every cell its workbook must hold: the inputs, a blank row, the
// summary, a blank row, the table.
struct Loan {
    RegionalSettings regional;
    const TextCatalog& texts;
    ResultSheet sheet{SheetKind::Schedule};
    WorkbookContent content;
    std::vector<std::array<ShownCell, columns>> rows;

    Loan(const char* locale, const char* language, const std::string& start, const std::string& rate)
        : regional(*platform::regionalSettingsNamed(QString::fromLatin1(locale))),
          texts(platform::catalogForLanguage(QString::fromLatin1(language)))
    {
        const CalcRequest request{CalcMethod::PresentLoanPayment, start, PeriodUnit::Months,
                                  PaymentTiming::EndOfPeriod, {"250000", rate, "1000", "9999"}, PeriodUnit::Years};
        MethodInputMemory memory(today);
        sheet = calcChart(request, today, regional, memory, texts);
        const std::string method(methodListText(request.method, texts));
        content = {request.method,
                   {{std::string(texts.inputCaptions.method), method, false},
                    {std::string(texts.inputCaptions.startDate), start, false}},
                   &sheet};
        for (int number = 1; number <= 4; ++number)
            content.inputs.push_back({valueLabel(request.method, number, PeriodUnit::Months, texts),
                                      request.valueTexts[static_cast<std::size_t>(number - 1)], true});
        for (InputRowText input : content.inputs) {
            std::erase(input.caption, '&');
            rows.push_back({ShownCell{input.caption}, {input.value}});
        }
        rows.emplace_back();
        for (const SummaryLine& line : summaryLines(sheet.summaryLabels(), sheet.summaryValues()))
            rows.push_back({ShownCell{line.label.substr(0, line.label.find_last_not_of(": ") + 1)},
                            {line.value, line.value.ends_with('%') ? CellKind::Percent : CellKind::Money}});
        rows.emplace_back();
        for (int row = 0; row < sheet.rowCount(); ++row) {
            auto& cells = rows.emplace_back();
            for (int column = 0; column < columns; ++column)
                cells[static_cast<std::size_t>(column)] = {std::string(sheet.cell(column, row)),
                                                           row == 0      ? CellKind::Text
                                                           : column == 0 ? CellKind::Whole
                                                           : column == 1 ? CellKind::Date
                                                                         : CellKind::Money};
        }
    }
};

QByteArray run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(300'000) && process.exitCode() == 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// A cell as openpyxl reads it ([row, column, type, value, number format])
// written back in the window's forms, with its type and format; an amount
// only when the value holds whole cents.
std::string readAsShown(const QJsonArray& cell, CellKind kind, const RegionalSettings& regional)
{
    const std::string value = cell[3].toString().toStdString();
    const std::string typed = cell[2].toString().toStdString() + " " + cell[4].toString().toStdString() + " ";
    const std::size_t point = value.find('.');
    switch (kind) {
    case CellKind::Text:
    case CellKind::Whole: return typed + value;
    case CellKind::Money:
        if (point != std::string::npos && value.size() - point - 1 > std::size_t(regional.currencyDecimals))
            return typed + "not whole cents: " + value;
        return typed + formatMoney(std::stold(value), regional);
    case CellKind::Percent: return typed + formatNumber(std::stold(value) * 100, regional) + "%";
    case CellKind::Date: {
        const DateFormat dates(sheetDateFormat(regional.shortDateFormat), regional.dateSeparator);
        const auto day = dayNumberOf(std::stoi(value), std::stoi(value.substr(5)), std::stoi(value.substr(8)));
        return typed + dates.format(*day);
    }
    }
    return {};
}

// Every cell as openpyxl reads it (numbers, dates, formats, widths) and as
// LibreOffice shows it under the locale (numbers unquoted in its text
// export, in the window's forms), against the window's sheet.
TEST(SpreadsheetWorkbook, EveryCellReadsBackAsTheWindowShowsIt)
{
    const QTemporaryDir folder;
    using LoanInputs = std::array<const char*, 4>;  // locale, language, start date, rate
    for (const auto& [locale, language, start, rate] :
         {LoanInputs{"en_US.UTF-8", "en", "1/15/2024", "6.5"}, LoanInputs{"de_DE.UTF-8", "de", "15.01.2024", "6,5"}}) {
        SCOPED_TRACE(locale);
        const Loan loan(locale, language, start, rate);
        ASSERT_EQ(loan.sheet.rowCount(), 10000);
        const QString path = folder.path() + QStringLiteral("/loan.xlsx");
        QString reason;
        ASSERT_TRUE(writeWorkbookFile(path, loan.content, loan.regional, loan.texts, &reason)) << reason.toStdString();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QJsonObject book =
            QJsonDocument::fromJson(run(QStringLiteral("/usr/bin/python3"),
                                        {QStringLiteral(READ_WORKBOOK_SCRIPT), path}, environment))
                .object();
        EXPECT_EQ(book[QStringLiteral("title")].toString().toStdString(),
                  methodListText(CalcMethod::PresentLoanPayment, loan.texts));
        std::vector<std::string> differences;
        std::array<std::size_t, columns> longest{};
        std::size_t expectedCells = 0;
        for (const auto& cells : loan.rows)
            for (std::size_t column = 0; column < columns; ++column) {
                expectedCells += cells[column].text.empty() ? 0 : 1;
                longest[column] = std::max(longest[column], characterCount(cells[column].text));
            }
        const QJsonArray cells = book[QStringLiteral("cells")].toArray();
        EXPECT_EQ(std::size_t(cells.size()), expectedCells);
        for (const QJsonValue& value : cells) {
            const QJsonArray cell = value.toArray();
            const ShownCell& want = loan.rows.at(std::size_t(cell[0].toInt())).at(std::size_t(cell[1].toInt()));
            const std::string format = want.kind == CellKind::Money     ? moneyNumberFormat(loan.regional)
                                       : want.kind == CellKind::Date    ? dateNumberFormat(loan.regional)
                                       : want.kind == CellKind::Percent ? "0.00%"
                                                                        : "General";
            const std::string type = want.kind == CellKind::Text ? "s" : want.kind == CellKind::Date ? "d" : "n";
            if (readAsShown(cell, want.kind, loan.regional) != type + " " + format + " " + want.text)
                differences.push_back(readAsShown(cell, want.kind, loan.regional) + " for " + want.text);
        }
        EXPECT_TRUE(differences.empty()) << differences.size() << " cells differ, first: " << differences.front();
        for (std::size_t column = 0; column < columns; ++column)
            EXPECT_GE(book[QStringLiteral("widths")][int(column)].toDouble(), double(longest[column]));

        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        // Tab-separated, UTF-8, text cells quoted, cells as shown.
        run(QStringLiteral("soffice"),
            {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + folder.path() + "/lo",
             QStringLiteral("--convert-to"),
             QStringLiteral("csv:Text - txt - csv (StarCalc):9,34,76,1,,0,true,true,true"), QStringLiteral("--outdir"),
             folder.path(), path},
            environment);
        QFile converted(folder.path() + QStringLiteral("/loan.csv"));
        ASSERT_TRUE(converted.open(QIODevice::ReadOnly));
        std::string expected;
        for (const auto& row : loan.rows)
            for (std::size_t column = 0; column < columns; ++column) {
                const ShownCell& cell = row[column];
                expected += cell.kind != CellKind::Text || cell.text.empty() ? cell.text : '"' + cell.text + '"';
                expected += column + 1 < columns ? '\t' : '\n';
            }
        EXPECT_EQ(converted.readAll().toStdString(), expected);
    }
}

// A save that fails (a folder the user may not write, a full disk) says so
// with the system's reason and leaves the old file and nothing else; the
// same save goes through once the obstacle is gone, and the name is kept.
TEST(SpreadsheetSave, AFailedSaveKeepsTheOldFile)
{
    const QTemporaryDir scratch;
    const QString folder = scratch.path() + QStringLiteral("/disk");
    const QString path = folder + QStringLiteral("/loan.xlsx");
    const Loan loan("en_US.UTF-8", "en", "1/15/2024", "6.5");
    AppSettings settings(today, scratch.path() + QLatin1Char('/'));
    SaveFileDialog dialog;
    QWidget window;
    std::vector<QString> errors;
    QString dialogFolder;
    FileCommandServices services;
    services.askSaveFile = [&](QFileDialog& shown) {
        dialogFolder = shown.directory().absolutePath();
        return std::optional<SaveChoice>(SaveChoice{path, 1});
    };
    services.showError = [&](QWidget*, const QString& message) { errors.push_back(message); };
    const auto writeOld = [&] {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    };
    const auto save = [&] {
        errors.clear();
        saveAsSpreadsheet({dialog, window, QStringLiteral("Ostrel Pecunor 97"), settings}, loan.content,
                          loan.regional, loan.texts, services);
        QFile saved(path);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    };
    const auto expectRefused = [&](const QByteArray& kept, const char* reason, const QStringList& left) {
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_TRUE(errors[0].contains(path) && errors[0].endsWith(QLatin1String(reason))) << errors[0].toStdString();
        EXPECT_EQ(kept, "old");
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), left);
    };
    QDir().mkpath(folder);
    writeOld();
    {
        const FileModesObeyed asAnyUser;
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        const QByteArray kept = save();
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        expectRefused(kept, "Permission denied", {QStringLiteral("loan.xlsx")});
    }
    const SmallDisk disk(folder, "16m");  // room for the workbook and its parts once the filler is gone
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
    writeOld();
    disk.fill();
    expectRefused(save(), "No space left on device", {QStringLiteral("filler"), QStringLiteral("loan.xlsx")});

    QFile::remove(disk.fillerPath());
    EXPECT_TRUE(save().startsWith("PK"));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(settings.XLSXFileName, path);
    EXPECT_EQ(dialogFolder, folder);
}

}  // namespace
}  // namespace pecunor::test
