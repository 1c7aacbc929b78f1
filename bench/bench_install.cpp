// The whole installation of the distribution folder by the setup wizard:
// the seven files, the uninstall entry, the icon and the four shortcuts,
// without the three-second wait, under Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "mainwindow/url_opener.h"
#include "setup/frm_install.h"

namespace {

using namespace pecunor;

void installTheDistributionFolder(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", home->path().toUtf8());
        qputenv("XDG_DATA_HOME", (home->path() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home->path() + "/.config").toUtf8());
        QDir().mkpath(home->path() + "/Desktop");
        SetupServices services = SetupServices::desktop();
        services.wait = [](double) {};
        services.programFile = QStringLiteral(DIST_FOLDER "/OPecu97.exe");
        auto wizard = std::make_unique<TfrmInstall>(services);
        while (wizard->currentPage() != InstallPage::Finish)
            wizard->btnControls(wizard->btnNext);
        state.ResumeTiming();
        wizard->btnControls(wizard->btnNext);
        state.PauseTiming();
        if (wizard->currentPage() != InstallPage::PosResult)
            state.SkipWithError("the installation did not complete");
        wizard.reset();
        home.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(installTheDistributionFolder)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    urlOpener() = [](const QUrl&) { return true; };
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
