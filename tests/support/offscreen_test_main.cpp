#include <QApplication>

#include <gtest/gtest.h>

#include "test_home.h"

int main(int argc, char** argv)
{
    const pecunor::test::TestHome home;
    // Widgets without a display, also when CTest lists the tests at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
