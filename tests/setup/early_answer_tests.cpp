#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

// A run of the real program without a graphical session: what it prints,
// and that it ends instead of aborting.
// A display number no X server listens on here.
QString absentDisplay()
{
    int number = 4000;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    return QStringLiteral(":%1").arg(number);
}

struct WindowlessRun {
    const char* name;
    QStringList arguments;
    bool absentDisplay;  // false: DISPLAY unset
    int exitCode;
    const char* standardOutputStart;
    const char* standardErrorStart;
};

class WindowlessRunTest : public ::testing::TestWithParam<WindowlessRun> { };

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
    const QString display = absentDisplay();
    if (run.absentDisplay)
        environment.insert("DISPLAY", display);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(CALCULATOR_FILE, run.arguments);
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(process.exitCode(), run.exitCode) << err.toStdString();
    EXPECT_EQ(out.toStdString().rfind(run.standardOutputStart, 0), 0U) << out.toStdString();
    EXPECT_EQ(err.toStdString().rfind(QString::fromUtf8(run.standardErrorStart).arg(display).toStdString(), 0), 0U)
        << err.toStdString();
    EXPECT_EQ(err.count(u'\n'), err.isEmpty() ? 0 : 1) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, WindowlessRunTest,
    ::testing::Values(WindowlessRun{"Version", {"--version"}, false, 0, "Ostrel Pecunor 97 1.02\n", ""},
                      WindowlessRun{"ShortVersion", {"-V"}, true, 0, "Ostrel Pecunor 97 1.02\n", ""},
                      WindowlessRun{"Help", {"--help"}, false, 0, "Usage: opecu97 [SETUP | UNINSTALL | HELP]\n", ""},
                      WindowlessRun{"ShortHelp", {"-h"}, false, 0, "Usage: opecu97", ""},
                      WindowlessRun{"NoDisplay", {}, false, 1, "", "opecu97: no display to open a window on"},
                      WindowlessRun{"DisplayGone", {"HELP"}, true, 1, "", "opecu97: cannot connect to the display %1"}),
    [](const ::testing::TestParamInfo<WindowlessRun>& info) { return info.param.name; });

}  // namespace
