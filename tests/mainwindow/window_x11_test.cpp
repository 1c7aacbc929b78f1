// Under a real X server, what other programs see of the window: what Copy
// puts on the clipboard reaches them byte for byte (xclip reads it while this
// program owns it), and each window's title is its own caption.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "../engine/engine_test_support.h"
#include "mainwindow/frm_calc.h"
#include "mainwindow/help_viewer.h"
#include "setup/startup.h"

namespace pecunor {
namespace {

const DayNumber today = *dayNumberOf(2026, 12, 7);

// Runs xclip while the event loop keeps answering its request for the text.
QByteArray clipboardFromOutside()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    QElapsedTimer waited;
    waited.start();
    while (xclip.state() != QProcess::NotRunning && waited.elapsed() < 10000)
        QTest::qWait(10);
    EXPECT_EQ(xclip.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xclip.readAllStandardError(), QByteArray());
    return xclip.readAllStandardOutput();
}

TEST(ClipboardX11, CopiedTableReachesAnotherProgram)
{
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    settings.MethodInputs.slot(CalcMethod::FutureValue).valueTexts = {"1000", "10", "2", ""};
    WindowServices services;
    services.today = [] { return today; };
    services.showError = [](QWidget*, const QString&) {};
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    TfrmCalc window(settings, test::usRegional(), services);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.pagRight->setCurrentWidget(window.tabCalc);
    window.mnuSelectAll->trigger();
    QTest::keyClick(window.sgrFin, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardFromOutside(), QByteArray("#\tDate\tInterest/Year\tAccumulated Total\r\n"
                                                 "1\t12/7/2027\t$100.00\t$1,100.00\r\n"
                                                 "2\t12/7/2028\t$110.00\t$1,210.00\r\n"));

    // A field's own copy goes the same way.
    window.txtValue[0]->setFocus();
    window.txtValue[0]->setSelection(0, 2);
    QTest::keyClick(window.txtValue[0], Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardFromOutside(), QByteArray("10"));
    window.close();
}

// The window manager's and the docks' view of the titles, as xdotool reads them.
QString titleSeenOutside(const QWidget& window)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window.winId())});
    EXPECT_TRUE(xdotool.waitForFinished(10000));
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

TEST(WindowTitlesX11, AreEachWindowsOwnCaption)
{
    setApplicationIdentity();
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    WindowServices services;
    services.today = [] { return today; };
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    TfrmCalc window(settings, test::usRegional(), services);
    window.show();
    HelpViewer help(QStringLiteral("Ostrel Pecunor 97"));
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(titleSeenOutside(window), QStringLiteral("Ostrel Pecunor 97"));
    EXPECT_EQ(titleSeenOutside(help), QStringLiteral("Ostrel Pecunor 97 Help"));
    window.close();
}

}  // namespace
}  // namespace pecunor

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "needs an X server: run under xvfb-run\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
