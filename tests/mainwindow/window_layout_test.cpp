#include <gtest/gtest.h>

#include <climits>

#include "mainwindow/window_layout.h"

namespace pecunor {
namespace {

// The four edges as the settings file holds them, and where the window opens.
struct ScreenCase {
    const char* name;
    std::int64_t left, top, right, bottom;
    QList<QRect> screens;
    QRect expected;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }

class PlaceOnScreens : public ::testing::TestWithParam<ScreenCase> { };

TEST_P(PlaceOnScreens, OpensWhereItCanBeReached)
{
    const ScreenCase& c = GetParam();
    EXPECT_EQ(placeOnScreens(storedWindowRectangle(c.left, c.top, c.right, c.bottom), c.screens), c.expected);
}

const QRect laptop(0, 0, 1366, 768);
const QRect monitorRight(1366, 0, 1920, 1080);
const QRect small(0, 0, 1024, 768);

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceOnScreens,
    ::testing::Values(
        ScreenCase{"OnScreenAsStored", 100, 80, 740, 560, {laptop}, {100, 80, 640, 480}},
        ScreenCase{"AnOddSizeKeptExactly", 37, 55, 838, 654, {small}, {37, 55, 801, 599}},
        ScreenCase{"TheSmallestUsableKept", 10, 10, 170, 130, {small}, {10, 10, 160, 120}},
        ScreenCase{"PartlyOffButReachable", 1000, 500, 1640, 980, {laptop}, {1000, 500, 640, 480}},
        ScreenCase{"FarLeftAndAbove", -3000, -3000, -2360, -2520, {laptop}, {0, 0, 640, 480}},
        ScreenCase{"UnpluggedMonitor", 2000, 300, 2800, 900, {laptop}, {566, 168, 800, 600}},
        ScreenCase{"OnTheSecondMonitor", 2000, 300, 2800, 900, {laptop, monitorRight}, {2000, 300, 800, 600}},
        ScreenCase{"TitleAboveTheScreen", 200, -30, 840, 450, {laptop}, {200, 0, 640, 480}},
        ScreenCase{"LargerThanTheScreen", 5000, 0, 7000, 1000, {laptop}, {0, 0, 1366, 768}},
        ScreenCase{"LargerThanTheScreenItIsOn", 0, 0, 3000, 2000, {small}, {0, 0, 1024, 768}},
        ScreenCase{"LargerAndLowerDown", 300, 200, 3300, 2200, {small}, {0, 0, 1024, 768}},
        ScreenCase{"WiderThanTheMonitorItIsOn", 1500, 100, 4000, 700, {laptop, monitorRight}, {1366, 100, 1920, 600}},
        ScreenCase{"RightAtIntMax", 0, 0, INT_MAX, 480, {small}, {0, 0, 1024, 480}},
        ScreenCase{"BottomAtIntMax", 0, 0, 640, INT_MAX, {small}, {0, 0, 640, 768}},
        ScreenCase{"LeftAtIntMin", INT_MIN, 0, 640, 480, {small}, {0, 0, 1024, 480}},
        ScreenCase{"EveryEdgeAtItsEnd", INT_MIN, INT_MIN, INT_MAX, INT_MAX, {small}, {0, 0, 1024, 768}},
        ScreenCase{"TopAtIntMax", 0, INT_MAX, 640, 480, {small}, {0, 0, 640, 480}},
        ScreenCase{"RightAtIntMin", 0, 0, INT_MIN, 480, {small}, {0, 0, 640, 480}},
        ScreenCase{"EveryEdgeAtIntMax", INT_MAX, INT_MAX, INT_MAX, INT_MAX, {small}, {0, 0, 640, 480}},
        ScreenCase{"Inverted", 500, 400, 100, 100, {small}, {0, 0, 640, 480}},
        ScreenCase{"TooSmallToUse", 300, 200, 459, 319, {small}, {0, 0, 640, 480}},
        ScreenCase{"UnusableOnAScreenAwayFromTheOrigin", 50, 50, 50, 50, {monitorRight}, {1366, 0, 640, 480}},
        ScreenCase{"NoScreenKnown", -3000, 0, -2360, 480, {}, {-3000, 0, 640, 480}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
