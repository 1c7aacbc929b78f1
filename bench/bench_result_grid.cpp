// What the result table adds to every keystroke: taking the new sheet,
// measuring rows and columns, and painting the visible part, for the
// largest table of 10,000 rows by 5 columns.

#include <QApplication>

#include <string>

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "mainwindow/result_grid.h"

namespace {

pecunor::ResultSheet largestSheet()
{
    constexpr int periods = 9999;
    pecunor::ResultSheet sheet(pecunor::SheetKind::Schedule);
    sheet.dimensionGrid(3, periods + 1, 2, 1, {"#", "Date", "Payment/Month", "Interest/Month", "Accumulated Total"});
    for (int row = 1; row <= periods + 1; ++row) {
        sheet.setCell(0, row, std::to_string(row));
        sheet.setCell(1, row, "10/30/2000");
        for (int column = 2; column < 5; ++column)
            sheet.setCell(column, row, "$1,234,567.89");
    }
    return sheet;
}

void showNewSheet(benchmark::State& state)
{
    pecunor::ResultGrid grid;
    grid.resize(600, 450);
    grid.show();
    QApplication::processEvents();
    const pecunor::ResultSheet prepared = largestSheet();
    for (auto _ : state) {
        state.PauseTiming();
        pecunor::ResultSheet sheet = prepared;
        state.ResumeTiming();
        grid.setSheet(std::move(sheet));
        grid.remeasure();
        grid.viewport()->repaint();
    }
}
BENCHMARK(showNewSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return pecunor::bench::runOffscreenBenchmarks(argc, argv); }
