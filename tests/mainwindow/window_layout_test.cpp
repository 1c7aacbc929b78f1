#include <gtest/gtest.h>

#include "window_layout.h"

namespace pecunor {
namespace {

struct ScreenCase {
    const char* name;
    QRect stored;
    QList<QRect> screens;
    QRect expected;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }

class PlaceOnScreens : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(PlaceOnScreens, OpensWhereItCanBeReached)
{
    EXPECT_EQ(placeOnScreens(GetParam().stored, GetParam().screens), GetParam().expected);
}

const QRect laptop(0, 0, 1366, 768);
const QRect monitorRight(1366, 0, 1920, 1080);

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceOnScreens,
    ::testing::Values(
        ScreenCase{"OnScreenAsStored", {100, 80, 640, 480}, {laptop}, {100, 80, 640, 480}},
        ScreenCase{"PartlyOffButReachable", {1000, 500, 640, 480}, {laptop}, {1000, 500, 640, 480}},
        ScreenCase{"FarLeftAndAbove", {-3000, -3000, 640, 480}, {laptop}, {0, 0, 640, 480}},
        ScreenCase{"UnpluggedMonitor", {2000, 300, 800, 600}, {laptop}, {566, 168, 800, 600}},
        ScreenCase{"OnTheSecondMonitor", {2000, 300, 800, 600}, {laptop, monitorRight}, {2000, 300, 800, 600}},
        ScreenCase{"TitleAboveTheScreen", {200, -30, 640, 480}, {laptop}, {200, 0, 640, 480}},
        ScreenCase{"LargerThanTheScreen", {5000, 0, 2000, 1000}, {laptop}, {0, 0, 1366, 768}},
        ScreenCase{"NoScreenKnown", {-3000, 0, 640, 480}, {}, {-3000, 0, 640, 480}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
