#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <sys/stat.h>

#include "../support/file_limits.h"
#include "settings/app_settings.h"
#include "settings/settings_readers.h"
#include "settings_test_support.h"

namespace pecunor::test {
namespace {

const MethodInput& slotOf(const AppSettings& settings, int method)
{
    return settings.MethodInputs.slot(static_cast<CalcMethod>(method));
}

std::vector<std::int32_t> periodsOf(const AppSettings& settings)
{
    std::vector<std::int32_t> periods;
    for (int m = 0; m < methodCount; ++m)
        periods.push_back(slotOf(settings, m).periodUnit);
    return periods;
}

class SettingsLoad : public SettingsFileTest {
protected:
    AppSettings loadFile(const QByteArray& body, const RegionalSettings& regional = {})
    {
        writeBytes(settingsPath(), body);
        return loadSettings(today, regional, programFolder, settingsPath());
    }
};

TEST_F(SettingsLoad, NoFileGivesEveryDefaultAndCreatesTheStore)
{
    const AppSettings loaded = loadSettings(today, RegionalSettings{}, programFolder, settingsPath());

    expectSameSettings(AppSettings(today, programFolder), loaded);
    for (int m = 0; m < methodCount; ++m)
        EXPECT_EQ(slotOf(loaded, m).startDate, today) << "method " << m;
    EXPECT_EQ(loaded.TableFont.faceName, "Courier New");
    EXPECT_EQ(loaded.TXTFileName, programFolder + "Pecunor.txt");
    EXPECT_TRUE(QFileInfo(settingsPath()).isFile());
}

struct LoadCase {
    const char* name;
    QByteArray body;
    std::function<void(const AppSettings&)> check;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class SettingsLoadCases : public SettingsLoad, public ::testing::WithParamInterface<LoadCase> { };

TEST_P(SettingsLoadCases, ReadsWhatItCanAndDefaultsTheRest) { GetParam().check(loadFile(GetParam().body)); }

const std::vector<std::int32_t> fivePeriods{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const std::vector<std::int32_t> shiftedPeriods{2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, SettingsLoadCases,
    ::testing::Values(
        LoadCase{"PeriodsWithFiveItems", "[General]\nPeriods=|1|2|3|4|5|\n",
                 [](const AppSettings& s) { EXPECT_EQ(periodsOf(s), fivePeriods); }},
        LoadCase{"ListWithoutItsLeadingBarShifts", "[General]\nPeriods=1|2|3|4|5|\n",
                 [](const AppSettings& s) { EXPECT_EQ(periodsOf(s), shiftedPeriods); }},
        LoadCase{"PageOutOfRangeIsKept", "[General]\nPage=20\n", [](const AppSettings& s) { EXPECT_EQ(s.Page, 20); }},
        LoadCase{"DivLeftKeepsItsLowEightBits", "[General]\nDivLeft=300\n",
                 [](const AppSettings& s) { EXPECT_EQ(s.DivLeft, 44); }},
        LoadCase{"NegativeWindowStateKeepsItsLowEightBits", "[General]\nWindowState=-1\n",
                 [](const AppSettings& s) { EXPECT_EQ(s.WindowState, 255); }},
        LoadCase{"EmptyFontNameGivesCourierNew", "[General]\nFontName=\nFontSize=12\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(s.TableFont.faceName, "Courier New");
                     EXPECT_EQ(s.TableFont.sizePoints, 12);
                 }},
        LoadCase{"IntegersBeyond32BitsGiveDefaults", "[General]\nLeft=5000000000\nRight=-2147483649\nTop=2147483647\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(s.Left, 0);
                     EXPECT_EQ(s.Right, 640);
                     EXPECT_EQ(s.Top, 2147483647);
                     EXPECT_FALSE(s.sizeStored) << "no readable right edge";
                 }},
        LoadCase{"BothFarEdgesMakeAStoredSize", "[General]\nRight=640\nBottom=480\n",
                 [](const AppSettings& s) { EXPECT_TRUE(s.sizeStored); }},
        LoadCase{"NonIntegersGiveDefaults", "[General]\nBottom=12.5\nFontSize=ten\nTXTFilterIndex=0x2\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(s.Bottom, 480);
                     EXPECT_EQ(s.TableFont.sizePoints, 10);
                     EXPECT_EQ(s.TXTFilterIndex, 1);
                 }},
        LoadCase{"AnyNonZeroIntegerIsTrueAndOtherTextsDefault",
                 "[General]\nHorGridlines=0\nHideAbout=-7\nFontBold=true\nVerGridlines=no\nStretched=\n",
                 [](const AppSettings& s) {
                     EXPECT_FALSE(s.HorGridlines);
                     EXPECT_TRUE(s.HideAbout);
                     EXPECT_FALSE(s.TableFont.bold);
                     EXPECT_TRUE(s.VerGridlines);
                     EXPECT_TRUE(s.Stretched);
                 }},
        LoadCase{"AListOrTypedValueIsNotAText", "[General]\nTXTFileName=a,b\nBMPFileName=@ByteArray(x.bmp)\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(s.TXTFileName, programFolder + "Pecunor.txt");
                     EXPECT_EQ(s.BMPFileName, programFolder + "Pecunor.bmp");
                 }},
        LoadCase{"DateItemsOutsideTheYears1To9999GiveToday",
                 "[General]\nDates=|-693593|2958465|-693594|2958466|abc||1e4|36000.75|-0.5|99999999999999999999|\n",
                 [](const AppSettings& s) {
                     const std::vector<DayNumber> expected{firstDayNumber, lastDayNumber, today, today, today,
                                                           today,          10000,         36000, 0,     today,
                                                           today,          today,         today, today};
                     for (int m = 0; m < methodCount; ++m)
                         EXPECT_EQ(slotOf(s, m).startDate, expected[static_cast<std::size_t>(m)]) << "method " << m;
                 }},
        LoadCase{"IndexItemsThatAreNoIntegersGiveZero",
                 "[General]\nPaymentsDue=|1|x||2.0|-3|\nInterestPer=|300|-1|5|z|\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(slotOf(s, 0).paymentTiming, 1);
                     EXPECT_EQ(slotOf(s, 1).paymentTiming, 0);
                     EXPECT_EQ(slotOf(s, 2).paymentTiming, 0);
                     EXPECT_EQ(slotOf(s, 3).paymentTiming, 0);
                     EXPECT_EQ(slotOf(s, 4).paymentTiming, -3);
                     EXPECT_EQ(slotOf(s, 0).interestPer, 44);
                     EXPECT_EQ(slotOf(s, 1).interestPer, 255);
                     EXPECT_EQ(slotOf(s, 2).interestPer, 5);
                     EXPECT_EQ(slotOf(s, 3).interestPer, 0);
                 }},
        LoadCase{"ValuesKeepTheirTextsAsTyped", "[General]\nValues3=\"| 1,5 |@x|\"\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(slotOf(s, 0).valueTexts[2], " 1,5 ");
                     EXPECT_EQ(slotOf(s, 1).valueTexts[2], "@x");
                     EXPECT_EQ(slotOf(s, 2).valueTexts[2], "");
                 }},
        LoadCase{"ValuesOutsideTheGeneralSectionAreNotOurs", "[Other]\nPage=5\n[General]\nTop=3\n",
                 [](const AppSettings& s) {
                     EXPECT_EQ(s.Page, 0);
                     EXPECT_EQ(s.Top, 3);
                 }}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// A settings file that is not one the program could have written is not read
// (a pipe would block the start, a huge file stall it): each gives every
// default and a reason; the file stays as it was.
TEST_F(SettingsLoad, AFileThatCannotBeSettingsIsNotRead)
{
    const QByteArray storedPage = "[General]\nPage=5\n";
    const QByteArray huge = storedPage + QByteArray(largestSettingsFile, 'x');
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> kinds{
        {"pipe", [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        {"folder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }},
        {"larger than the limit", [&](const QString& path) { writeBytes(path, huge); }},
        {"unreadable",
         [&](const QString& path) {
             writeBytes(path, storedPage);
             QFile::setPermissions(path, QFileDevice::WriteOwner);
         }},
    };
    for (const auto& [name, make] : kinds) {
        SCOPED_TRACE(name);
        const QString path = pathOf(QString::fromLatin1(name) + QStringLiteral(".conf"));
        make(path);
        const QFileInfo before(path);
        const FileModesObeyed modes;
        EXPECT_FALSE(settingsFileProblem(path).isEmpty());
        EXPECT_EQ(loadSettings(today, RegionalSettings{}, programFolder, path).Page, 0);
        EXPECT_EQ(QFileInfo(path).size(), before.size());
        EXPECT_EQ(QFileInfo(path).isFile(), before.isFile());
    }
    writeBytes(settingsPath(), storedPage);
    EXPECT_TRUE(settingsFileProblem(settingsPath()).isEmpty());
    EXPECT_TRUE(settingsFileProblem(pathOf(QStringLiteral("missing.conf"))).isEmpty());
    EXPECT_EQ(loadSettings(today, RegionalSettings{}, programFolder, settingsPath()).Page, 5);
}

// Only an uninstall, which takes the settings file with the program, keeps a
// closing program from saving; a program folder moved away does not.
TEST_F(SettingsLoad, OnlyAProgramGoneWithItsSettingsIsUninstalled)
{
    const QString program = pathOf(QStringLiteral("OPecu97.exe")), settings = settingsPath();
    for (const bool programThere : {false, true})
        for (const bool settingsThere : {false, true}) {
            QFile::remove(program);
            QFile::remove(settings);
            if (programThere)
                writeBytes(program, "program");
            if (settingsThere)
                writeBytes(settings, "[General]\n");
            EXPECT_EQ(settingsGoneWithProgram(program, settings), !programThere && !settingsThere)
                << programThere << settingsThere;
        }
}

TEST_F(SettingsLoad, DateItemsUseTheRegionalDecimalSeparator)
{
    RegionalSettings comma;
    comma.decimalSeparator = ",";

    const AppSettings loaded = loadFile("[General]\nDates=\"|36892,5|36892.5|\"\n", comma);

    EXPECT_EQ(slotOf(loaded, 0).startDate, 36892);
    EXPECT_EQ(slotOf(loaded, 1).startDate, today);
}

TEST_F(SettingsLoad, AFileOfRandomBytesGivesEveryDefault)
{
    const QByteArray defaults = settingsFileText(AppSettings(today, programFolder), programFolder);
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        QByteArray garbage(static_cast<qsizetype>(random() % 8192), '\0');
        for (char& byte : garbage)
            byte = static_cast<char>(random());
        const QString path = pathOf(QStringLiteral("random-%1.conf").arg(round));
        writeBytes(path, garbage);

        const AppSettings loaded = loadSettings(today, RegionalSettings{}, programFolder, path);

        EXPECT_EQ(settingsFileText(loaded, programFolder), defaults) << "round " << round;
    }
}

// Cut a good file at every byte: every value whose line survived whole keeps
// its value, every value whose line is gone takes its default.
TEST_F(SettingsLoad, ATruncatedFileKeepsItsWholeLinesAndDefaultsTheRest)
{
    const QByteArray full = settingsFileText(sampleSettings(), programFolder);
    const QList<QByteArray> fullLines = full.split('\n');
    const QList<QByteArray> defaultLines =
        settingsFileText(AppSettings(today, programFolder), programFolder).split('\n');
    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        const QString path = pathOf(QStringLiteral("cut-%1.conf").arg(cut));
        writeBytes(path, full.left(cut));

        const QList<QByteArray> loadedLines =
            settingsFileText(loadSettings(today, RegionalSettings{}, programFolder, path), programFolder).split('\n');

        ASSERT_EQ(loadedLines.size(), fullLines.size());
        qsizetype lineStart = 0;
        for (qsizetype i = 1; i < fullLines.size(); ++i) {  // line 0 is the section header
            lineStart += fullLines[i - 1].size() + 1;
            const qsizetype lineEnd = lineStart + fullLines[i].size();
            if (lineEnd <= cut) {
                EXPECT_EQ(loadedLines[i], fullLines[i]) << "cut at " << cut;
            } else if (lineStart >= cut) {
                EXPECT_EQ(loadedLines[i], defaultLines[i]) << "cut at " << cut;
            }
        }
    }
}

struct IntCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST_F(SettingsLoad, ReadersJudgeTheTextOfAValue)
{
    const std::vector<IntCase> cases{
        {"640", 640},
        {"-5", -5},
        {"+7", 7},
        {" 42 ", 42},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},
        {"5000000000", {}},
        {"", {}},
        {"12abc", {}},
        {"0x10", {}},
        {"1.0", {}},
        {"1e3", {}},
    };
    QByteArray body = "[General]\n";
    for (std::size_t i = 0; i < cases.size(); ++i)
        body += "V" + QByteArray::number(qsizetype(i)) + "=" + cases[i].text + "\n";
    writeBytes(settingsPath(), body);
    const QSettings store(settingsPath(), QSettings::IniFormat);

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QString name = "V" + QString::number(i);
        const IntCase& c = cases[i];
        EXPECT_EQ(readIntOr(store, name, -99), c.value.value_or(-99)) << '"' << c.text << '"';
        EXPECT_EQ(readBoolOr(store, name, true), c.value.value_or(1) != 0) << '"' << c.text << '"';
        EXPECT_EQ(readBoolOr(store, name, false), c.value.value_or(0) != 0) << '"' << c.text << '"';
    }
    EXPECT_EQ(readIntOr(store, "Missing", 3), 3);
    EXPECT_EQ(readTextOr(store, "V0", "x"), "640");
    EXPECT_EQ(readTextOr(store, "Missing", "x"), "x");
}

}  // namespace
}  // namespace pecunor::test
