#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "../support/file_limits.h"
#include "engine/calc_chart.h"
#include "engine/method_input_table.h"
#include "engine/text_utils.h"
#include "output/spreadsheet_cells.h"
#include "output/spreadsheet_save.h"
#include "platform/regional_settings_qt.h"
#include "platform/ui_language.h"

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
        const CalcRequest request{CalcMethod::PresentLoanPayment,
                                  start,
                                  PeriodUnit::Months,
                                  PaymentTiming::EndOfPeriod,
                                  {"250000", rate, "1000", "9999"},
                                  PeriodUnit::Years};
        MethodInputMemory memory(today);
        sheet = calcChart(request, today, regional, memory, texts);
        const std::string method(methodListText(request.method, texts));
        content = {request,
                   today,
                   {{std::string(texts.inputCaptions.method), method, false},
                    {std::string(texts.inputCaptions.startDate), start, false}}};
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
                                                           : column == 0 ? CellKind::Number
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

// Every cell as openpyxl reads it (text, number or date, the format, whole
// cents, the column widths) and as LibreOffice shows it under the locale
// (numbers unquoted in its text export, in the window's forms).
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
        const QJsonObject book = QJsonDocument::fromJson(run(QStringLiteral("/usr/bin/python3"),
                                                             {QStringLiteral(READ_WORKBOOK_SCRIPT), path}, environment))
                                     .object();
        EXPECT_EQ(book[QStringLiteral("title")].toString().toStdString(),
                  methodListText(CalcMethod::PresentLoanPayment, loan.texts));
        const std::map<CellKind, std::string> typeAndFormat{
            {CellKind::Text, "s General"},
            {CellKind::Number, "n General"},
            {CellKind::Percent, "n 0.00%"},
            {CellKind::Money, "n " + moneyNumberFormat(loan.regional, loan.sheet.moneyDecimals())},
            {CellKind::Date, "d " + dateNumberFormat(loan.regional)}};
        const auto wholeCents = std::size_t(loan.regional.currencyDecimals) + 1;
        std::size_t differing = 0;
        std::string firstDifference;
        const QJsonArray cells = book[QStringLiteral("cells")].toArray();  // [row, column, type, value, format]
        for (const QJsonValue& cell : cells) {
            const QJsonArray got = cell.toArray();
            const ShownCell& want = loan.rows.at(std::size_t(got[0].toInt())).at(std::size_t(got[1].toInt()));
            std::string value = got[3].toString().toStdString();
            if (want.kind == CellKind::Money && value.size() - std::min(value.find('.'), value.size()) <= wholeCents)
                value = "whole cents";
            const std::string expected =
                typeAndFormat.at(want.kind) + " " + (want.kind == CellKind::Money ? "whole cents" : want.text);
            // Percentages and dates are compared as LibreOffice shows them, below.
            const bool shownBelow = want.kind == CellKind::Percent || want.kind == CellKind::Date;
            const std::string read = got[2].toString().toStdString() + " " + got[4].toString().toStdString() + " " +
                                     (shownBelow ? want.text : value);
            if (read != expected && differing++ == 0)
                firstDifference = read + " in place of " + expected;
        }
        EXPECT_EQ(differing, 0u) << "first: " << firstDifference;
        for (std::size_t column = 0; column < columns; ++column) {
            std::size_t longest = 0;
            for (const auto& row : loan.rows)
                longest = std::max(longest, characterCount(row[column].text));
            EXPECT_GE(book[QStringLiteral("widths")][int(column)].toDouble(), double(longest)) << column;
        }

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
        std::string shown;
        for (const auto& row : loan.rows)
            for (std::size_t column = 0; column < columns; ++column) {
                const ShownCell& cell = row[column];
                shown += cell.kind != CellKind::Text || cell.text.empty() ? cell.text : '"' + cell.text + '"';
                shown += column + 1 < columns ? '\t' : '\n';
            }
        EXPECT_EQ(converted.readAll().toStdString(), shown);
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
        saveAsSpreadsheet({dialog, window, QStringLiteral("Ostrel Pecunor 97"), settings}, loan.content, loan.regional,
                          loan.texts, services);
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
