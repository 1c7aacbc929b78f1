// The text printout of a 9,999-row five-column table to a PDF printer under
// Qt's offscreen platform: laying out, measuring and drawing every cell.
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "engine/calc_chart.h"
#include "output/print_job.h"

namespace {

using namespace pecunor;

ResultSheet loanSchedule()
{
    const DayNumber today = *dayNumberOf(2024, 1, 15);
    RegionalSettings regional;
    regional.currencySymbol = "$";
    regional.currencyDecimals = 2;
    MethodInputMemory memory(today);
    CalcRequest request;
    request.method = CalcMethod::PresentLoanPayment;
    request.startDateText = "1/15/2024";
    request.periodUnit = PeriodUnit::Months;
    request.valueTexts = {"100000", "5", "0", "9999"};
    return calcChart(request, today, regional, memory);
}

void textPrintoutToPdf(benchmark::State& state)
{
    const ResultSheet sheet = loanSchedule();
    if (!sheet.valid() || sheet.rowCount() < 10000 || sheet.columnCount() != 5) {
        state.SkipWithError("the request does not give a full five-column sheet");
        return;
    }
    ShownResult shown;
    shown.inputRows[0] = {"&Method", "Present Loan Payment", false, true, true};
    shown.inputRows[4] = {"Loan Amount", "100000", true, true, true};
    shown.summaryLabels = sheet.summaryLabels();
    shown.summaryValues = sheet.summaryValues();
    shown.table = &sheet;
    QTemporaryDir folder;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("schedule.pdf")));
        const QString failure = printText(printer, QStringLiteral("Ostrel Pecunor 97"), shown, PrintRange::AllRows,
                                          QFont(QStringLiteral("Courier New"), 10), QStringLiteral("10/30/00"));
        if (!failure.isEmpty()) {
            state.SkipWithError(failure.toStdString().c_str());
            return;
        }
    }
    state.counters["rows"] = sheet.rowCount();
}
BENCHMARK(textPrintoutToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) { return pecunor::bench::runOffscreenBenchmarks(argc, argv); }
