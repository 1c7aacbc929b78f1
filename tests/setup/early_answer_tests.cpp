#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

// A run of the real program without a graphical session: what it prints,
// and that it ends instead of aborting.
struct WindowlessRun {
    const char* name;
    QStringList arguments;
    const char* display;  // nullptr: unset
    int exitCode;
    const char* standardOutputStart;
    const char* standardErrorStart;
};

class WindowlessRunTest : public ::testing::TestWithParam<WindowlessRun> {};

TEST_P(WindowlessRunTest, AnswersOrSaysWhyInOneLine)
{
    const WindowlessRun& run = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("DISPLAY");
    environment.insert("LANG", "C.UTF-8");
    environment.remove("LANGUAGE");
    environment.remove("LC_ALL");
    if (run.display)
        environment.insert("DISPLAY", run.display);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(CALCULATOR_FILE, run.arguments);
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(process.exitCode(), run.exitCode) << err.toStdString();
    EXPECT_TRUE(out.startsWith(QString::fromUtf8(run.standardOutputStart))) << out.toStdString();
    EXPECT_TRUE(err.startsWith(QString::fromUtf8(run.standardErrorStart))) << err.toStdString();
    EXPECT_EQ(err.count(u'\n'), err.isEmpty() ? 0 : 1) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, WindowlessRunTest,
    ::testing::Values(
        WindowlessRun{"Version", {"--version"}, nullptr, 0, "Ostrel Pecunor 97 1.02\n", ""},
        WindowlessRun{"ShortVersion", {"-V"}, ":99", 0, "Ostrel Pecunor 97 1.02\n", ""},
        WindowlessRun{"Help", {"--help"}, nullptr, 0, "Usage: opecu97 [SETUP | UNINSTALL | HELP]\n", ""},
        WindowlessRun{"ShortHelp", {"-h"}, nullptr, 0, "Usage: opecu97", ""},
        WindowlessRun{"NoDisplay", {}, nullptr, 1, "", "opecu97: no display to open a window on"},
        WindowlessRun{"DisplayGone", {"HELP"}, ":99", 1, "", "opecu97: cannot connect to the display :99"}),
    [](const ::testing::TestParamInfo<WindowlessRun>& info) { return info.param.name; });

}  // namespace
