#include <QAccessible>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "mainwindow/date_picker.h"
#include "mainwindow/month_calendar.h"
#include "mainwindow/result_grid_accessible.h"

namespace pecunor {
namespace {

RegionalSettings regionalWith(const std::string& shortDateFormat, const std::string& dateSeparator)
{
    RegionalSettings regional;
    regional.shortDateFormat = shortDateFormat;
    regional.dateSeparator = dateSeparator;
    return regional;
}

// A window with the start date box, listening to its edits the way the main
// window does, and the picker opened from it.
class DatePicker : public testing::Test {
protected:
    DatePicker() : picker(regionalWith("m/d/yy", "/"), [this] { return today; })
    {
        box->setEditable(true);
        box->setGeometry(20, 20, 120, 21);
        host.setGeometry(100, 100, 300, 200);
        host.show();
        QObject::connect(box, &QComboBox::editTextChanged, [this] { ++recalculations; });
        picker.onDateChosen = [this] { ++recalculations; };
    }

    void open(const QString& text)
    {
        box->setEditText(text);
        recalculations = 0;
        picker.execute(box, box->mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(picker.isVisible());
    }
    // Through the window system, as a real key stroke arrives.
    void key(Qt::Key key) { QTest::keyClick(picker.windowHandle(), key); }
    void press(const char* buttonName)
    {
        auto* button = picker.findChild<QPushButton*>(QString::fromLatin1(buttonName));
        ASSERT_NE(button, nullptr) << buttonName;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString shown() const { return picker.findChild<QLabel*>(QStringLiteral("lblDate"))->text(); }
    MonthCalendar* calendar() const { return picker.findChild<MonthCalendar*>(QStringLiteral("cal")); }
    // The calendar's highlighted date as m/d/yyyy.
    QString calendarDate() const
    {
        const CivilDate date = calendar()->date();
        return QString("%1/%2/%3").arg(date.month).arg(date.day).arg(date.year, 4, 10, QChar('0'));
    }

    DayNumber today = *dayNumberOf(2026, 12, 7);
    QWidget host;
    QComboBox* box = new QComboBox(&host);
    TfrmCal picker;
    int recalculations = 0;
};

TEST_F(DatePicker, TextOfLettersOpensOnToday)
{
    open(QStringLiteral("tomorrow"));
    EXPECT_EQ(shown(), QStringLiteral("12/7/2026"));
    EXPECT_EQ(calendarDate(), shown());
    EXPECT_TRUE(calendar()->hasFocus());
    EXPECT_EQ(box->currentText(), QStringLiteral("tomorrow"));
}

struct PlacementCase {
    const char* name;
    // Box origin as offsets from the screen's right and bottom edges, or from its left and top when positive.
    int x;
    int y;
    bool pushedLeft;
    bool above;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class DatePickerPlacement : public DatePicker, public testing::WithParamInterface<PlacementCase> { };

TEST_P(DatePickerPlacement, OpensBelowTheBoxUnlessTheScreenEdgeIsInTheWay)
{
    const PlacementCase& c = GetParam();
    const QRect screen = box->screen()->geometry();
    const QPoint origin(c.x >= 0 ? screen.left() + c.x : screen.right() + 1 + c.x,
                        c.y >= 0 ? screen.top() + c.y : screen.bottom() + 1 + c.y);
    picker.execute(box, origin);
    ASSERT_TRUE(picker.isVisible());

    const int expectedX = c.pushedLeft ? screen.right() + 1 - 194 : origin.x();
    const int expectedY = c.above ? origin.y() - 148 : origin.y() + box->height();
    EXPECT_EQ(picker.geometry(), QRect(expectedX, expectedY, 194, 148));
    EXPECT_LE(picker.geometry().right(), screen.right());
    EXPECT_LE(picker.geometry().bottom(), screen.bottom());
}

INSTANTIATE_TEST_SUITE_P(Edges, DatePickerPlacement,
                         testing::Values(PlacementCase{"RoomEverywhere", 100, 100, false, false},
                                         PlacementCase{"RightEdge", -60, 100, true, false},
                                         PlacementCase{"JustFitsOnTheRight", -194, 100, false, false},
                                         PlacementCase{"BottomEdge", 100, -30, false, true},
                                         PlacementCase{"JustFitsBelow", 100, -(148 + 21), false, false},
                                         PlacementCase{"BottomRightCorner", -10, -25, true, true}),
                         [](const testing::TestParamInfo<PlacementCase>& info) {
                             return std::string(info.param.name);
                         });

struct StepCase {
    const char* name;
    const char* start;
    std::vector<const char*> buttons;
    const char* expected;
};

void PrintTo(const StepCase& c, std::ostream* out) { *out << c.name; }

class DatePickerButtons : public DatePicker, public testing::WithParamInterface<StepCase> { };

TEST_P(DatePickerButtons, StepMonthsAndYearsWithinTheirLimits)
{
    const StepCase& c = GetParam();
    open(QString::fromLatin1(c.start));
    for (const char* button : c.buttons)
        press(button);
    EXPECT_EQ(shown(), QString::fromLatin1(c.expected));
    EXPECT_EQ(calendarDate(), shown());
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(calendar()->hasFocus());
    EXPECT_EQ(box->currentText(), QString::fromLatin1(c.start));
    EXPECT_EQ(recalculations, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DatePickerButtons,
    testing::Values(StepCase{"MonthForeEndsAtTheEndOfFebruary", "1/31/2001", {"btnMonthFore"}, "2/28/2001"},
                    StepCase{"MonthForeInALeapYear", "1/31/2004", {"btnMonthFore"}, "2/29/2004"},
                    StepCase{"MonthBackFromTheEndOfMarch", "3/31/2001", {"btnMonthBack"}, "2/28/2001"},
                    StepCase{
                        "MonthStepsKeepNoShortenedDay", "1/31/2001", {"btnMonthFore", "btnMonthFore"}, "3/28/2001"},
                    StepCase{"MonthForeAcrossTheYearEnd", "12/15/2001", {"btnMonthFore"}, "1/15/2002"},
                    StepCase{"MonthBackIntoTheYearOne", "1/15/0002", {"btnMonthBack"}, "12/15/0001"},
                    StepCase{"NoMonthBackInTheYearOne", "3/10/0001", {"btnMonthBack"}, "3/10/0001"},
                    StepCase{"NoYearBackInTheYearOne", "3/10/0001", {"btnYearBack"}, "3/10/0001"},
                    StepCase{"YearBackFromALeapDay", "2/29/2004", {"btnYearBack"}, "2/28/2003"},
                    StepCase{"YearForeFromALeapDay", "2/29/2004", {"btnYearFore"}, "2/28/2005"},
                    StepCase{"MonthForeIntoTheYear3000", "12/10/2999", {"btnMonthFore"}, "1/10/3000"},
                    StepCase{"NoMonthForeInTheYear3000", "6/10/3000", {"btnMonthFore"}, "6/10/3000"},
                    StepCase{"NoYearForeInTheYear3000", "6/10/3000", {"btnYearFore"}, "6/10/3000"},
                    StepCase{"OnlyBackStepsBeyondTheYear3000",
                             "12/31/9999",
                             {"btnYearFore", "btnMonthFore", "btnYearBack", "btnMonthBack"},
                             "11/30/9998"},
                    StepCase{"TodayFromAnywhere", "5/5/1999", {"btnYearBack", "btnToday"}, "12/7/2026"}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    const char* start;
    std::vector<QKeyCombination> keys;
    const char* expected;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class DatePickerKeys : public DatePicker, public testing::WithParamInterface<KeyCase> { };

TEST_P(DatePickerKeys, MoveThroughTheWholeDateRange)
{
    const KeyCase& c = GetParam();
    open(QString::fromLatin1(c.start));
    for (QKeyCombination k : c.keys)
        QTest::keyClick(picker.windowHandle(), k.key(), k.keyboardModifiers());
    EXPECT_EQ(shown(), QString::fromLatin1(c.expected));
    EXPECT_EQ(calendarDate(), shown());
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(box->currentText(), QString::fromLatin1(c.start));
    EXPECT_EQ(recalculations, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DatePickerKeys,
    testing::Values(KeyCase{"DownAcrossTheYearEnd", "12/28/2001", {Qt::Key_Down}, "1/4/2002"},
                    KeyCase{"UpAcrossTheYearStart", "1/3/2002", {Qt::Key_Up}, "12/27/2001"},
                    KeyCase{"LeftOntoALeapDay", "3/1/2000", {Qt::Key_Left}, "2/29/2000"},
                    KeyCase{"RightOutOfFebruary", "2/28/2001", {Qt::Key_Right}, "3/1/2001"},
                    KeyCase{"PageDownAsMonthFore", "1/31/2001", {Qt::Key_PageDown}, "2/28/2001"},
                    KeyCase{"PageUpAsMonthBack", "3/31/2001", {Qt::Key_PageUp}, "2/28/2001"},
                    KeyCase{"HomeAsToday", "3/31/2001", {Qt::Key_Home}, "12/7/2026"},
                    KeyCase{"CtrlPageDownAsYearFore", "2/29/2004", {Qt::CTRL | Qt::Key_PageDown}, "2/28/2005"},
                    KeyCase{"CtrlPageUpAsYearBack", "3/31/2001", {Qt::CTRL | Qt::Key_PageUp}, "3/31/2000"},
                    KeyCase{"NoCtrlPageDownInTheYear3000", "6/10/3000", {Qt::CTRL | Qt::Key_PageDown}, "6/10/3000"},
                    KeyCase{"ArrowsStopAtTheFirstDate",
                            "1/3/0001",
                            {Qt::Key_Up, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp},
                            "1/1/0001"},
                    KeyCase{"ArrowsStopAtTheLastDate",
                            "12/28/9999",
                            {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown},
                            "12/31/9999"},
                    KeyCase{"BackFromTheLastDate", "12/31/9999", {Qt::Key_Right, Qt::Key_Left}, "12/30/9999"},
                    KeyCase{"OtherKeysDoNothing",
                            "6/10/2001",
                            {Qt::Key_A, Qt::Key_Tab, Qt::Key_Space, Qt::Key_End, Qt::Key_5},
                            "6/10/2001"}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(DatePicker, AltTIsTheTodayButton)
{
    open(QStringLiteral("3/5/01"));
    QTest::keyClick(picker.windowHandle(), Qt::Key_T, Qt::AltModifier);
    // The button shows itself pressed for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown() == QStringLiteral("12/7/2026"); }, 2000))
        << shown().toStdString();
    EXPECT_TRUE(picker.isVisible());
}

TEST_F(DatePicker, EscapeAfterNavigatingLeavesTheBoxAlone)
{
    open(QStringLiteral("3/5/01"));
    key(Qt::Key_Down);
    press("btnYearFore");
    key(Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(box->currentText(), QStringLiteral("3/5/01"));
    EXPECT_EQ(recalculations, 0);
}

TEST_F(DatePicker, ClickElsewhereLeavesTheBoxAlone)
{
    open(QStringLiteral("3/5/01"));
    key(Qt::Key_Down);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(250, 150));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(box->currentText(), QStringLiteral("3/5/01"));
    EXPECT_EQ(recalculations, 0);
}

TEST_F(DatePicker, ClickOnThePopupOutsideTheDaysKeepsItOpen)
{
    open(QStringLiteral("3/5/01"));
    QTest::mouseClick(picker.windowHandle(), Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseClick(picker.windowHandle(), Qt::LeftButton, {}, calendar()->geometry().topLeft() + QPoint(30, 5));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(shown(), QStringLiteral("3/5/2001"));
}

TEST_F(DatePicker, EnterWritesTheDateAndRecalculatesOnce)
{
    open(QStringLiteral("3/5/01"));
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(box->currentText(), QStringLiteral("3/6/2001"));
    EXPECT_EQ(recalculations, 1);
}

TEST_F(DatePicker, ClickOnADayWritesItAndRecalculatesOnce)
{
    open(QStringLiteral("3/5/2001"));
    MonthCalendar* cal = calendar();
    auto* under = new QPushButton(QStringLiteral("under the popup"), &host);
    under->setGeometry(20, 60, 120, 24);
    under->show();
    int underPressed = 0;
    QObject::connect(under, &QPushButton::pressed, [&underPressed] { ++underPressed; });

    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->cellRect(cal->cellOfDay(20)).center());
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(box->currentText(), QStringLiteral("3/20/2001"));
    EXPECT_EQ(recalculations, 1);

    // The second click of a double click on the day ends with the choice ...
    QTest::mouseClick(under, Qt::LeftButton);
    EXPECT_EQ(underPressed, 0);
    // ... and a click after the double-click time reaches the control again.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    QTest::mouseClick(under, Qt::LeftButton);
    EXPECT_EQ(underPressed, 1);
}

TEST_F(DatePicker, ReopenedPickerWaitsForANewChoice)
{
    open(QStringLiteral("3/5/2001"));
    key(Qt::Key_Enter);
    open(QStringLiteral("3/5/2001"));
    key(Qt::Key_Down);
    press("btnMonthFore");
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(shown(), QStringLiteral("4/12/2001"));
    EXPECT_EQ(box->currentText(), QStringLiteral("3/5/2001"));
    EXPECT_EQ(recalculations, 0);
}

// The regional variables a run starts with; LANGUAGE orders the texts' languages only.
struct FormatCase {
    const char* name;
    std::vector<const char*> environment;
    const char* shortDateFormat;
    const char* separator;
    const char* typed;
    const char* written;
    const char* spoken;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

class DatePickerFormats : public testing::TestWithParam<FormatCase> {
protected:
    void SetUp() override
    {
        for (const char* variable : regionalVariables) {
            kept_.push_back(qgetenv(variable));
            qunsetenv(variable);
        }
        for (const QString setting : GetParam().environment)
            qputenv(setting.section(u'=', 0, 0).toLatin1(), setting.section(u'=', 1).toUtf8());
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < regionalVariables.size(); ++i)
            kept_[i].isEmpty() ? qunsetenv(regionalVariables[i]) : qputenv(regionalVariables[i], kept_[i]);
    }

private:
    static constexpr std::array regionalVariables{"LC_ALL", "LC_TIME", "LANG", "LANGUAGE"};
    std::vector<QByteArray> kept_;
};

TEST_P(DatePickerFormats, ChosenDateHasAFourDigitYearAndIsSpokenInTheDatesLanguage)
{
    const FormatCase& c = GetParam();
    installAccessibility();
    QComboBox box;
    box.setEditable(true);
    box.setEditText(QString::fromLatin1(c.typed));
    TfrmCal picker(regionalWith(c.shortDateFormat, c.separator), [] { return *dayNumberOf(2026, 12, 7); });
    int chosen = 0;
    picker.onDateChosen = [&] { ++chosen; };
    picker.execute(&box, QPoint(50, 50));
    auto* calendar = picker.findChild<MonthCalendar*>(QStringLiteral("cal"));
    QAccessibleInterface* day = QAccessible::queryAccessibleInterface(calendar)->child(calendar->date().day - 1);
    EXPECT_EQ(day->text(QAccessible::Name), QString::fromUtf8(c.spoken));
    QTest::keyClick(picker.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(box.currentText(), QString::fromLatin1(c.written));
    EXPECT_EQ(chosen, 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, DatePickerFormats,
                         testing::Values(FormatCase{"MonthDayYear",
                                                    {"LANG=C.UTF-8", "LANGUAGE=de"},
                                                    "M/d/yy",
                                                    "/",
                                                    "3/5/01",
                                                    "3/5/2001",
                                                    "Monday, 5 March 2001"},
                                         FormatCase{"DayMonthYearWithDots",
                                                    {"LC_ALL=de_DE.UTF-8", "LANGUAGE=en"},
                                                    "dd.MM.yy",
                                                    ".",
                                                    "5.3.01",
                                                    "05.03.2001",
                                                    "Montag, 5. März 2001"},
                                         FormatCase{"YearFirst",
                                                    {"LANG=en_US.UTF-8", "LC_TIME=fr_CA.UTF-8"},
                                                    "yy-MM-dd",
                                                    "-",
                                                    "01-3-5",
                                                    "2001-03-05",
                                                    "lundi 5 mars 2001"},
                                         FormatCase{"AlreadyFourDigits",
                                                    {"LC_TIME=de_CH.UTF-8", "LANG=en_GB.UTF-8"},
                                                    "dd/MM/yyyy",
                                                    "/",
                                                    "5/3/2001",
                                                    "05/03/2001",
                                                    "Montag, 5. März 2001"},
                                         FormatCase{"LettersGiveToday",
                                                    {"LANG=en_US.UTF-8", "LANGUAGE=fr"},
                                                    "d.M.yy",
                                                    ".",
                                                    "soon",
                                                    "7.12.2026",
                                                    "Monday, December 7, 2026"}),
                         [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor
