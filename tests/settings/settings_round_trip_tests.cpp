#include <QFileInfo>

#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings_test_support.h"

namespace pecunor::test {
namespace {

class SettingsRoundTrip : public SettingsFileTest { };

TEST_F(SettingsRoundTrip, EveryValueAndEverySlotComesBack)
{
    const AppSettings saved = sampleSettings();
    const SaveResult result = saveSettings(saved, programFolder, settingsPath());
    ASSERT_TRUE(result.succeeded()) << result.message().toStdString();

    const AppSettings loaded =
        loadSettings(today - 1, RegionalSettings{}, QStringLiteral("/elsewhere/"), settingsPath());

    expectSameSettings(saved, loaded);
    // Saving what was loaded writes the same file again.
    EXPECT_EQ(settingsFileText(loaded, programFolder), readBytes(settingsPath()));
}

TEST_F(SettingsRoundTrip, DatesComeBackUnderACommaDecimalSeparator)
{
    RegionalSettings regional;
    regional.decimalSeparator = ",";
    regional.thousandsSeparator = ".";
    const AppSettings saved = sampleSettings();
    ASSERT_TRUE(saveSettings(saved, programFolder, settingsPath()).succeeded());

    const AppSettings loaded = loadSettings(today, regional, programFolder, settingsPath());

    for (int m = 0; m < methodCount; ++m) {
        const auto method = static_cast<CalcMethod>(m);
        EXPECT_EQ(loaded.MethodInputs.slot(method).startDate, saved.MethodInputs.slot(method).startDate);
    }
}

TEST_F(SettingsRoundTrip, BarsTypedIntoAValueAreDroppedWithoutShiftingTheOthers)
{
    AppSettings saved = sampleSettings();
    saved.MethodInputs.slot(CalcMethod::PresentValue).valueTexts[1] = "|1|000|";
    ASSERT_TRUE(saveSettings(saved, programFolder, settingsPath()).succeeded());

    const AppSettings loaded = loadSettings(today, RegionalSettings{}, programFolder, settingsPath());

    EXPECT_EQ(loaded.MethodInputs.slot(CalcMethod::PresentValue).valueTexts[1], "1000");
    saved.MethodInputs.slot(CalcMethod::PresentValue).valueTexts[1] = "1000";
    expectSameSettings(saved, loaded);
}

TEST_F(SettingsRoundTrip, DefaultsAreWrittenInTheTableOrder)
{
    const AppSettings defaults(today, programFolder);
    ASSERT_TRUE(saveSettings(defaults, programFolder, settingsPath()).succeeded());

    EXPECT_EQ(readBytes(settingsPath()).toStdString(),
              "[General]\n"
              "AppPath=/opt/Ostrel Pecunor 97\n"
              "Version=1.02\n"
              "Left=0\n"
              "Top=0\n"
              "Right=640\n"
              "Bottom=480\n"
              "WindowState=0\n"
              "Page=0\n"
              "HorGridlines=1\n"
              "VerGridlines=1\n"
              "Stretched=1\n"
              "HideAbout=0\n"
              "FontName=Courier New\n"
              "FontSize=10\n"
              "FontBold=0\n"
              "FontItalic=0\n"
              "DivLeft=30\n"
              "Dates=|36892|36892|36892|36892|36892|36892|36892|36892|36892|36892|36892|36892|36892|36892|\n"
              "Periods=|0|0|0|0|0|0|0|0|0|0|0|0|0|0|\n"
              "PaymentsDue=|0|0|0|0|0|0|0|0|0|0|0|0|0|0|\n"
              "Values1=|||||||||||||||\n"
              "Values2=|||||||||||||||\n"
              "Values3=|||||||||||||||\n"
              "Values4=|||||||||||||||\n"
              "InterestPer=|0|0|0|0|0|0|0|0|0|0|0|0|0|0|\n"
              "TXTFileName=/opt/Ostrel Pecunor 97/Pecunor.txt\n"
              "TXTFilterIndex=1\n"
              "BMPFileName=/opt/Ostrel Pecunor 97/Pecunor.bmp\n"
              "BMPFilterIndex=1\n"
              "XLSXFileName=/opt/Ostrel Pecunor 97/Pecunor.xlsx\n"
              "PDFFileName=/opt/Ostrel Pecunor 97/Pecunor.pdf\n");
}

TEST_F(SettingsRoundTrip, AProgramInTheRootFolderKeepsTheSeparatorInAppPath)
{
    const QByteArray text = settingsFileText(AppSettings(today, QStringLiteral("/")), QStringLiteral("/"));

    EXPECT_TRUE(text.startsWith("[General]\nAppPath=/\nVersion=1.02\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nTXTFileName=/Pecunor.txt\n")) << text.toStdString();
}

TEST(SettingsLocation, TheUsersStoreLiesUnderXdgConfigHome)
{
    // The test program points XDG_CONFIG_HOME at a temporary folder.
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Brackwell/Pecunor 97.conf");
    ASSERT_EQ(userSettingsFilePath(), expected);
    AppSettings saved(today, programFolder);
    saved.Page = 9;

    ASSERT_TRUE(saveSettings(saved, programFolder).succeeded());
    const AppSettings loaded = loadSettings(today, RegionalSettings{}, programFolder);

    EXPECT_TRUE(QFileInfo::exists(expected));
    EXPECT_EQ(loaded.Page, 9);
}

}  // namespace
}  // namespace pecunor::test
