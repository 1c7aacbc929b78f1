#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // QSettings keeps the per-user folder it found first for the whole
    // process, so the throw-away home must be in place before any test runs.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
