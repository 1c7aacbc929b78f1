#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "startup.h"
#include "startup_state.h"

namespace pecunor {
namespace {

struct ModeCase {
    QStringList arguments;
    ProgramMode mode;
};

TEST(ProgramMode, OnlyTheFirstArgumentCountsInAnyCase)
{
    const QString program = QStringLiteral("OPecu97");
    for (const ModeCase& c : {ModeCase{{program}, ProgramMode::Calculator},
                              ModeCase{{program, "SETUP"}, ProgramMode::Install},
                              ModeCase{{program, "setup"}, ProgramMode::Install},
                              ModeCase{{program, "SeTuP", "more"}, ProgramMode::Install},
                              ModeCase{{program, "Uninstall"}, ProgramMode::Uninstall},
                              ModeCase{{program, "x", "SETUP"}, ProgramMode::Calculator},
                              ModeCase{{program, "SETUP2"}, ProgramMode::Calculator},
                              ModeCase{{program, ""}, ProgramMode::Calculator}})
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

}  // namespace
}  // namespace pecunor
