// The main window under Qt's offscreen platform: the time from the start of
// the program to the first painted window, one keystroke with a 9,999-row
// table in view, copying that whole table, and the peak memory with it.
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "bench_support.h"
#include "full_table_window.h"
#include "mainwindow/date_picker.h"
#include "mainwindow/frm_calc.h"
#include "platform/ui_language.h"

namespace {

using namespace pecunor;
using bench::today;
using bench::usRegional;
using bench::showFullTable;

WindowServices quietServices()
{
    WindowServices services;
    services.today = [] { return today; };
    services.showError = [](QWidget*, const QString&) {};
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    return services;
}

// Stops the wait once the window has painted itself.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

double startupMilliseconds(std::chrono::steady_clock::time_point programStart, AppSettings& settings)
{
    const RegionalSettings regional = usRegional();
    auto window = std::make_unique<TfrmCalc>(settings, regional, quietServices());
    TfrmCal picker(regional, [] { return today; });
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const auto painted = std::chrono::steady_clock::now();
    window->removeEventFilter(&watcher);
    window->close();
    return std::chrono::duration<double, std::milli>(painted - programStart).count();
}

void keystrokeWithFullTable(benchmark::State& state)
{
    AppSettings settings(today, QStringLiteral("/tmp/"));
    TfrmCalc window(settings, usRegional(), quietServices());
    showFullTable(window);
    window.txtValue[2]->setFocus();
    window.txtValue[2]->end(false);
    bool typed = false;
    for (auto _ : state) {
        // Typing a digit and taking it back again: one recalculation each.
        QTest::keyClick(window.txtValue[2], typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        window.repaint();
    }
    state.counters["rows"] = window.sgrFin->sheet().rowCount();
    window.close();
}
BENCHMARK(keystrokeWithFullTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Select All, then Copy of the whole table to the clipboard.
void copyWholeTable(benchmark::State& state)
{
    AppSettings settings(today, QStringLiteral("/tmp/"));
    TfrmCalc window(settings, usRegional(), quietServices());
    showFullTable(window);
    window.mnuSelectAll->trigger();
    for (auto _ : state)
        window.mnuEditClick(window.mnuCopy);
    state.counters["bytes"] = static_cast<double>(QGuiApplication::clipboard()->text().size());
    window.close();
}
BENCHMARK(copyWholeTable)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    const auto programStart = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication application(argc, argv);
    // As the program starts: the desktop's language, with its translations loaded.
    platform::useInterfaceLanguage(platform::chooseInterfaceLanguage(platform::desktopLanguages()));
    AppSettings settings(today, QStringLiteral("/tmp/"));
    const double startup = startupMilliseconds(programStart, settings);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("startup to first painted window: %.1f ms (target 300 ms)\n", startup);
    std::printf("peak memory with a 9,999-row table: %.1f MB (target 100 MB)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
