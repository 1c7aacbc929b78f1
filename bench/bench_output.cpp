// The File commands of the main window under Qt's offscreen platform, with
// the save dialog answered at once: Save As Text of a 9,999-row table and
// Save As Bitmap of an 800 by 600 window.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "full_table_window.h"
#include "mainwindow/frm_calc.h"

namespace {

using namespace pecunor;
using bench::today;
using bench::usRegional;
using bench::showFullTable;

// Every save goes to the one file, in the layout given.
WindowServices answeringServices(const QString& file, int filterIndex)
{
    WindowServices services;
    services.today = [] { return today; };
    services.showError = [](QWidget*, const QString& message) { qFatal("%s", qPrintable(message)); };
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    services.files.askSaveFile = [file, filterIndex](QFileDialog&) {
        return std::optional(SaveChoice{file, filterIndex});
    };
    services.files.showError = services.showError;
    return services;
}

void runFileCommand(benchmark::State& state, bool text)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(text ? QStringLiteral("table.txt") : QStringLiteral("window.bmp"));
    AppSettings settings(today, folder.path() + QLatin1Char('/'));
    TfrmCalc window(settings, usRegional(), answeringServices(file, 1));
    showFullTable(window);
    QAction* command = text ? window.mnuSaveAsText : window.mnuSaveAsBitmap;
    for (auto _ : state)
        command->trigger();
    state.counters["rows"] = window.sgrFin->sheet().rowCount();
    state.counters["columns"] = window.sgrFin->sheet().columnCount();
    state.counters["bytes"] = static_cast<double>(QFile(file).size());
    window.close();
}

void saveAsText(benchmark::State& state) { runFileCommand(state, true); }
BENCHMARK(saveAsText)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void saveAsBitmap(benchmark::State& state) { runFileCommand(state, false); }
BENCHMARK(saveAsBitmap)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
