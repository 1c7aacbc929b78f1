#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/startup_state.h"
#include "setup/startup.h"

namespace pecunor {
namespace {

struct ModeCase {
    QStringList arguments;
    ProgramMode mode;
};

TEST(ProgramMode, OnlyTheFirstArgumentCountsInAnyCase)
{
    const QString program = QStringLiteral("OPecu97");
    for (const ModeCase& c :
         {ModeCase{{program}, ProgramMode::Calculator}, ModeCase{{program, "SETUP"}, ProgramMode::Install},
          ModeCase{{program, "setup"}, ProgramMode::Install},
          ModeCase{{program, "SeTuP", "more"}, ProgramMode::Install},
          ModeCase{{program, "Uninstall"}, ProgramMode::Uninstall}, ModeCase{{program, "help"}, ProgramMode::Help},
          ModeCase{{program, "x", "HELP"}, ProgramMode::Calculator},
          ModeCase{{program, "x", "SETUP"}, ProgramMode::Calculator},
          ModeCase{{program, "SETUP2"}, ProgramMode::Calculator}, ModeCase{{program, ""}, ProgramMode::Calculator}})
        EXPECT_EQ(programMode(c.arguments), c.mode) << c.arguments.join(' ').toStdString();
}

class ShowState : public ::testing::Test {
protected:
    void TearDown() override { platform::setStartupShowStateForTesting(platform::showNormal); }
};

TEST_F(ShowState, FollowsWhatTheStartingProcessAsked)
{
    QWidget normal;
    applyStartupShowState(normal);
    EXPECT_TRUE(normal.isVisible());
    EXPECT_EQ(normal.windowState(), Qt::WindowNoState);

    platform::setStartupShowStateForTesting(platform::showMaximized);
    QWidget maximised;
    applyStartupShowState(maximised);
    EXPECT_TRUE(maximised.windowState().testFlag(Qt::WindowMaximized));

    platform::setStartupShowStateForTesting(platform::showMinimizedNoActive);
    QWidget minimised;
    applyStartupShowState(minimised);
    EXPECT_TRUE(minimised.windowState().testFlag(Qt::WindowMinimized));
}

// Notes every About window that was shown while it watched.
class SplashWatcher : public QObject {
public:
    int aboutWindowsShown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmAbout"))
            ++aboutWindowsShown;
        return false;
    }
};

class StartCalculator : public ::testing::TestWithParam<bool> { };

TEST_P(StartCalculator, ShowsTheSplashUnlessHiddenAndClosesIt)
{
    const bool hideAbout = GetParam();
    const DayNumber today = *dayNumberOf(2026, 12, 7);
    AppSettings settings(today, QStringLiteral("/opt/pecunor/"));
    settings.HideAbout = hideAbout;
    WindowServices services;
    services.today = [today] { return today; };
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    SplashWatcher watcher;
    qApp->installEventFilter(&watcher);
    CalculatorWindows windows = startCalculator(settings, RegionalSettings{}, services);
    qApp->removeEventFilter(&watcher);

    EXPECT_EQ(watcher.aboutWindowsShown, hideAbout ? 0 : 1);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->objectName() == QLatin1String("frmAbout") && window->isVisible());
    EXPECT_TRUE(windows.frmCalc->isVisible());
    EXPECT_FALSE(windows.frmCal->isVisible());
    EXPECT_EQ(windows.frmCal->objectName(), QStringLiteral("frmCal"));
    windows.frmCalc->close();
}

INSTANTIATE_TEST_SUITE_P(HideAbout, StartCalculator, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AboutHidden" : "AboutShown"; });

TEST(ProgramIcon, CarriesTheSizesOfTheIconTheme)
{
    EXPECT_EQ(programIcon().availableSizes(), QList<QSize>({QSize(48, 48), QSize(256, 256)}));
}

// Wayland ties the window to the menu entry of this name, and its icon.
TEST(ApplicationIdentity, NamesTheInstalledMenuEntry)
{
    setApplicationIdentity();
    const QString entry = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../packaging/") +
                          QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    EXPECT_TRUE(QFile::exists(entry)) << entry.toStdString();
    EXPECT_EQ(QGuiApplication::applicationName(), QStringLiteral("Ostrel Pecunor 97"));
}

TEST(HelpMode, ShowsTheHelpViewerAloneAndEndsWhenItCloses)
{
    QTemporaryDir folder;
    QFile help(folder.filePath("OPecu97.hlp"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<p>Help text</p>");
    help.close();
    QStringList shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window->metaObject()->className();
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    });
    EXPECT_EQ(runHelpViewer(folder.path() + "/"), 0);
    EXPECT_EQ(shown, QStringList{"pecunor::HelpViewer"});
}

}  // namespace
}  // namespace pecunor
