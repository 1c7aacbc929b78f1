// The File commands of the main window under Qt's offscreen platform, with
// the save dialog answered at once: Save As Text of a 9,999-row table and
// Save As Bitmap of an 800 by 600 window.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "frm_calc.h"

namespace {

using namespace pecunor;

const DayNumber today = *dayNumberOf(2026, 12, 7);

RegionalSettings usRegional()
{
    RegionalSettings regional;
    regional.currencySymbol = "$";
    regional.negativeCurrencyPattern = 1;
    regional.currencyDecimals = 2;
    regional.shortDateFormat = "M/d/yy";
    return regional;
}

// Every save goes to the one file, in the layout given.
WindowServices answeringServices(const QString& file, int filterIndex)
{
    WindowServices services;
    services.today = [] { return today; };
    services.showError = [](QWidget*, const QString& message) { qFatal("%s", qPrintable(message)); };
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    services.files.askSaveFile = [file, filterIndex](QFileDialog&) { return std::optional(SaveChoice{file, filterIndex}); };
    services.files.showError = services.showError;
    return services;
}

// A future value annuity over 9,999 periods: a header row and 9,999 rows of five columns.
void showFullTable(TfrmCalc& window)
{
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    window.cboMethod->setCurrentIndex(indexOf(CalcMethod::FutureValueAnnuity));
    window.txtValue[0]->setText(QStringLiteral("1000"));
    window.txtValue[1]->setText(QStringLiteral("10"));
    window.txtValue[2]->setText(QStringLiteral("10"));
    window.txtValue[3]->setText(QStringLiteral("9999"));
    window.pagRight->setCurrentWidget(window.tabCalc);
    QCoreApplication::processEvents();
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
