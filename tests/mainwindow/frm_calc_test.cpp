#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "main_window_fixture.h"
#include "mainwindow/date_picker.h"
#include "mainwindow/window_layout.h"

namespace pecunor {
namespace {

TEST_F(MainWindowTest, FirstStartShowsFutureValueTodayAndTheErrorLine)
{
    TfrmCalc& w = open();
    EXPECT_EQ(w.size(), QSize(640, 480));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Ostrel Pecunor 97"));
    EXPECT_EQ(w.cboMethod->currentText(), QStringLiteral("Future Value"));
    EXPECT_EQ(w.cboStartDate->currentText(), QStringLiteral("12/7/26"));
    for (QLineEdit* edit : w.txtValue)
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(w.pagRight->currentWidget(), w.tabExplain);
    EXPECT_TRUE(w.lblError->isVisibleTo(w.tabCalc));
    EXPECT_FALSE(w.sgrFin->isVisibleTo(w.tabCalc));
    EXPECT_EQ(w.rtfExplain->toPlainText(), QStringLiteral("Future Value"));
    EXPECT_EQ(w.cboMethod->count(), 14);
    EXPECT_EQ(w.cboMethod->maxVisibleItems(), 14);
}

TEST_F(MainWindowTest, EveryKeystrokeRecalculates)
{
    TfrmCalc& w = open();
    type(w.txtValue[0], "1000");
    type(w.txtValue[1], "10");
    const int before = w.calculationCount();
    type(w.txtValue[2], "3");
    EXPECT_EQ(w.calculationCount(), before + 1);
    EXPECT_TRUE(w.sgrFin->isVisibleTo(w.tabCalc));
    EXPECT_FALSE(w.lblError->isVisibleTo(w.tabCalc));
    EXPECT_EQ(cell(3, 3), "$1,331.00");
    EXPECT_EQ(w.lblRight->text(), QStringLiteral("$1,331.00\n$331.00\n$110.33\n10.00%"));
    QTest::keyClick(w.txtValue[2], Qt::Key_Backspace);
    EXPECT_TRUE(w.lblError->isVisibleTo(w.tabCalc));
    EXPECT_FALSE(w.sgrFin->isVisibleTo(w.tabCalc));
    // The hidden table keeps the last result.
    EXPECT_EQ(cell(3, 3), "$1,331.00");
}

TEST_F(MainWindowTest, InvalidQuotientLeavesNoSummaryBehind)
{
    TfrmCalc& w = open();
    type(w.txtValue[0], "1000");
    type(w.txtValue[1], "10");
    type(w.txtValue[2], "3");
    ASSERT_FALSE(w.lblLeft->text().isEmpty());
    selectMethod(CalcMethod::BondYield);
    EXPECT_TRUE(w.lblError->isVisibleTo(w.tabCalc));
    EXPECT_TRUE(w.lblLeft->text().isEmpty());
    EXPECT_TRUE(w.lblRight->text().isEmpty());
    selectMethod(CalcMethod::FutureValue);
    type(w.txtValue[2], "");
    QTest::keyClick(w.txtValue[2], Qt::Key_Backspace);
    // A schedule's hidden summary stays as it was.
    EXPECT_EQ(w.lblRight->text(), QStringLiteral("$1,331.00\n$331.00\n$110.33\n10.00%"));
}

TEST_F(MainWindowTest, SwitchingMethodsAndBackRestoresTheInputs)
{
    TfrmCalc& w = open();
    selectMethod(CalcMethod::FutureValueAnnuity);
    w.cboStartDate->setEditText(QStringLiteral("3/1/27"));
    w.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Quarters));
    w.cboPaymentsDue->setCurrentIndex(indexOf(PaymentTiming::EndOfPeriod));
    w.cboInterestPer->setCurrentIndex(indexOf(PeriodUnit::Months));
    type(w.txtValue[0], "500");
    type(w.txtValue[1], "4.5");
    type(w.txtValue[2], "100");
    type(w.txtValue[3], "12");

    selectMethod(CalcMethod::StraightLineDepreciation);
    EXPECT_EQ(w.txtValue[0]->text(), QString());
    EXPECT_EQ(w.cboPeriodsAre->currentIndex(), 0);
    selectMethod(CalcMethod::FutureValueAnnuity);

    EXPECT_EQ(w.cboStartDate->currentText(), QStringLiteral("3/1/27"));
    EXPECT_EQ(w.cboPeriodsAre->currentIndex(), indexOf(PeriodUnit::Quarters));
    EXPECT_EQ(w.cboPaymentsDue->currentIndex(), indexOf(PaymentTiming::EndOfPeriod));
    EXPECT_EQ(w.cboInterestPer->currentIndex(), indexOf(PeriodUnit::Months));
    EXPECT_EQ(w.txtValue[0]->text(), QStringLiteral("500"));
    EXPECT_EQ(w.txtValue[1]->text(), QStringLiteral("4.5"));
    EXPECT_EQ(w.txtValue[2]->text(), QStringLiteral("100"));
    EXPECT_EQ(w.txtValue[3]->text(), QStringLiteral("12"));
    EXPECT_TRUE(w.sgrFin->isVisibleTo(w.tabCalc));
    EXPECT_EQ(w.sgrFin->sheet().rowCount(), 13);

    // A date of another century comes back with its century.
    w.cboStartDate->setEditText(QStringLiteral("1/15/1990"));
    selectMethod(CalcMethod::FutureValue);
    selectMethod(CalcMethod::FutureValueAnnuity);
    EXPECT_EQ(w.cboStartDate->currentText(), QStringLiteral("1/15/1990"));
    EXPECT_EQ(cell(1, 1), "4/15/1990");
}

// The Calculator page lies hidden behind the Explanation page at the start:
// brought to the front without a keystroke it must look as after one.
TEST_F(MainWindowTest, CalculatorPageIsPlacedForItsOwnSizeWhenBroughtToTheFront)
{
    const struct {
        const char* name;
        std::array<std::string, 4> values;
        bool table;
    } cases[] = {
        {"stored future value", {"1000", "10", "36", ""}, true},
        {"first start", {"", "", "", ""}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MethodInput& stored = settings.MethodInputs.slot(CalcMethod::FutureValue);
        stored.valueTexts = c.values;
        stored.periodUnit = 3;  // months
        TfrmCalc& w = open();
        ASSERT_EQ(w.pagRight->currentWidget(), w.tabExplain);
        const int calculations = w.calculationCount();
        QTest::keyClick(w.cboMethod, Qt::Key_C, Qt::AltModifier);
        ASSERT_EQ(w.pagRight->currentWidget(), w.tabCalc);
        EXPECT_EQ(w.calculationCount(), calculations);
        const int pageWidth = w.tabCalc->width();
        if (c.table) {
            EXPECT_EQ(w.sgrFin->geometry().right() + 1, pageWidth - 9);
            const int viewportWidth = w.sgrFin->viewport()->width();
            const int lastRight = w.sgrFin->cellRect(w.sgrFin->sheet().columnCount() - 1, 0).right();
            EXPECT_LT(lastRight, viewportWidth);
            EXPECT_GE(lastRight, viewportWidth - 5);
            EXPECT_TRUE(w.sgrFin->verticalScrollBar()->isVisible());
            EXPECT_EQ(w.lblLeft->x(), (pageWidth - w.lblLeft->width() - w.lblRight->width()) / 2);
            EXPECT_EQ(w.lblRight->x(), w.lblLeft->x() + w.lblLeft->width());
        } else {
            EXPECT_TRUE(w.lblError->isVisible());
            EXPECT_EQ(w.lblError->geometry(), QRect(9, 27, pageWidth - 18, w.lblError->height()));
            EXPECT_LE(w.lblError->sizeHint().width(), w.lblError->width());
        }
        window->close();
        window.reset();
    }
}

TEST_F(MainWindowTest, EachMethodChangeCalculatesExactlyOnce)
{
    TfrmCalc& w = open();
    for (int method = 1; method < methodCount; ++method) {
        const int before = w.calculationCount();
        w.cboMethod->setCurrentIndex(method);
        EXPECT_EQ(w.calculationCount(), before + 1) << method;
    }
}

TEST_F(MainWindowTest, PeriodUnitChangesCaptionsWithoutMovingControls)
{
    TfrmCalc& w = open();
    std::vector<QRect> before;
    for (int row = 0; row < inputRowCount; ++row)
        before.push_back(w.rowControl(row)->geometry());
    const int calculations = w.calculationCount();
    w.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Months));
    EXPECT_EQ(w.lblValue[2]->text(), QStringLiteral("Number of Months"));
    EXPECT_EQ(w.calculationCount(), calculations + 1);
    for (int row = 0; row < inputRowCount; ++row)
        EXPECT_EQ(w.rowControl(row)->geometry(), before[static_cast<std::size_t>(row)]) << row;
}

TEST_F(MainWindowTest, InterestUnitOnlyBesideRates)
{
    TfrmCalc& w = open();
    for (int m = 0; m < methodCount; ++m) {
        const CalcMethod method = *methodFromIndex(m);
        selectMethod(method);
        const bool offered = methodInputRow(method).interestPerOffered;
        EXPECT_EQ(w.cboInterestPer->isVisibleTo(w.tabLeft), offered) << m;
        const int fullWidth = w.tabLeft->width() - 18;
        EXPECT_EQ(w.txtValue[1]->width(), offered ? fullWidth / 3 : fullWidth) << m;
        for (int row = 0; row < inputRowCount; ++row)
            EXPECT_EQ(w.rowControl(row)->isVisibleTo(w.tabLeft),
                      methodInputRow(method).shows(static_cast<InputRow>(row)))
                << m << " row " << row;
    }
}

TEST_F(MainWindowTest, CountFieldsTakeFourCharactersOthersSeventeen)
{
    TfrmCalc& w = open();
    selectMethod(CalcMethod::PresentLoanPayment);
    EXPECT_EQ(w.txtValue[3]->maxLength(), 4);
    EXPECT_EQ(w.txtValue[2]->maxLength(), 17);
    selectMethod(CalcMethod::FutureValue);
    EXPECT_EQ(w.txtValue[2]->maxLength(), 4);
    type(w.txtValue[2], "123456");
    EXPECT_EQ(w.txtValue[2]->text(), QStringLiteral("1234"));
    type(w.txtValue[0], QString(20, QLatin1Char('9')));
    EXPECT_EQ(w.txtValue[0]->text().size(), 17);
}

TEST_F(MainWindowTest, ValueFieldsRefuseTheListSeparator)
{
    TfrmCalc& w = open();
    type(w.txtValue[0], "12|34");
    EXPECT_EQ(w.txtValue[0]->text(), QStringLiteral("1234"));
}

TEST_F(MainWindowTest, ArithmeticFaultShowsTheFilledTableAndOneMessage)
{
    TfrmCalc& w = open();
    type(w.txtValue[0], "1000");
    type(w.txtValue[1], "1000");
    type(w.txtValue[2], "5000");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("Floating point overflow"));
    EXPECT_TRUE(w.sgrFin->isVisibleTo(w.tabCalc));
    EXPECT_TRUE(w.lblLeft->text().isEmpty());
    EXPECT_EQ(cell(0, 5000), "");
    EXPECT_EQ(cell(0, 1), "1");
}

TEST_F(MainWindowTest, AltLettersNeverReachTheFields)
{
    TfrmCalc& w = open();
    w.txtValue[0]->setFocus();
    QTest::keyClick(w.txtValue[0], Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(w.txtValue[0]->text().isEmpty());
    QTest::keyClick(w.txtValue[0], Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(w.pagRight->currentWidget(), w.tabCalc);
    EXPECT_TRUE(w.txtValue[0]->text().isEmpty());
    const int loads = explanationsLoaded;
    QTest::keyClick(w.txtValue[0], Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(w.pagRight->currentWidget(), w.tabExplain);
    EXPECT_EQ(explanationsLoaded, loads + 1);
    QTest::keyClick(w.txtValue[0], Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(explanationsLoaded, loads + 2);  // reloads while already shown
}

TEST_F(MainWindowTest, DropDownOfTheStartDateAsksForThePicker)
{
    QComboBox* openedFor = nullptr;
    window = std::make_unique<TfrmCalc>(settings, usRegional(), [&] {
        WindowServices s = services();
        s.openDatePicker = [&](QComboBox* box, QPoint) { openedFor = box; };
        return s;
    }());
    window->show();
    window->cboStartDate->setFocus();
    QTest::keyClick(window->cboStartDate, Qt::Key_F4);
    EXPECT_EQ(openedFor, window->cboStartDate);
}

TEST_F(MainWindowTest, ExplanationFollowsThePageInFront)
{
    TfrmCalc& w = open();
    w.pagRight->setCurrentWidget(w.tabCalc);
    const int loads = explanationsLoaded;
    selectMethod(CalcMethod::BondPrice);
    EXPECT_EQ(explanationsLoaded, loads);
    w.pagRight->setCurrentWidget(w.tabExplain);
    EXPECT_EQ(explanationsLoaded, loads + 1);
    EXPECT_EQ(w.rtfExplain->toPlainText(), QStringLiteral("Bond Price"));
}

TEST_F(MainWindowTest, EnterWalksTheFields)
{
    TfrmCalc& w = open();
    w.txtValue[0]->setFocus();
    QTest::keyClick(w.txtValue[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtValue[1]);
    QTest::keyClick(w.txtValue[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.cboInterestPer);
    QTest::keyClick(w.cboInterestPer, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), w.txtValue[2]);
}

TEST_F(MainWindowTest, LabelClickFocusesItsControl)
{
    TfrmCalc& w = open();
    QTest::mouseClick(w.lblPeriodsAre, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.cboPeriodsAre);
    QTest::mouseClick(w.lblValue[1], Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.txtValue[1]);
}

TEST_F(MainWindowTest, SplitterClosesEitherPaneAndComesBack)
{
    TfrmCalc& w = open();
    const int start = w.panDiv->x();
    EXPECT_EQ(start, splitterLeftFromPercent(w.frameGeometry().width(), 30));
    drag(w.panDiv, -1000);
    EXPECT_EQ(w.tabLeft->width(), 0);
    EXPECT_EQ(w.panDiv->x(), 6);
    drag(w.panDiv, 2000);
    EXPECT_EQ(w.pagRight->width(), 0);
    drag(w.panDiv, start - w.panDiv->x());
    EXPECT_EQ(w.panDiv->x(), start);
    EXPECT_EQ(w.tabLeft->width(), start - 6);
    EXPECT_TRUE(w.txtValue[0]->isVisible());
    EXPECT_EQ(w.txtValue[0]->width(), w.tabLeft->width() - 18);
}

// A window narrowed for a moment draws the bar inside it; widened again it
// shows the bar where it was, and closing stores that place.
TEST_F(MainWindowTest, ResizeKeepsTheSplitterPixelPosition)
{
    TfrmCalc& w = open();
    const int start = w.panDiv->x();
    w.resize(900, 600);
    EXPECT_EQ(w.panDiv->x(), start);
    EXPECT_EQ(w.pagRight->geometry().right(), w.centralWidget()->width() - 7);
    w.resize(120, 600);
    EXPECT_EQ(w.panDiv->geometry().right(), w.centralWidget()->width() - 7);
    w.resize(900, 600);
    EXPECT_EQ(w.panDiv->x(), start);
    EXPECT_EQ(w.scrLeft->width(), start - 6);
    w.close();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.back().DivLeft, splitterPercent(start, w.frameGeometry().width()));
}

// Texts the window puts into the inputs show from their first character,
// also in fields too narrow for them; typing still shows where it types.
TEST_F(MainWindowTest, InputsTheWindowFillsShowTheirBeginning)
{
    settings.DivLeft = 10;  // a narrow input panel
    MethodInput& stored = settings.MethodInputs.slot(CalcMethod::FutureValue);
    stored.valueTexts = {"12345678.9012", "12.3456789", "36", ""};
    TfrmCal picker(usRegional(), [] { return today; });
    picker.onDateChosen = [this] { window->txtValue1Change(window->cboStartDate); };
    window = std::make_unique<TfrmCalc>(settings, usRegional(), [&] {
        WindowServices s = services();
        s.openDatePicker = [&picker](QComboBox* box, QPoint origin) { picker.execute(box, origin); };
        return s;
    }());
    TfrmCalc& w = *window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const std::vector<QLineEdit*> fields = {w.cboStartDate->lineEdit(), w.txtValue[0], w.txtValue[1]};
    // The character at the field's left edge, as painted.
    const auto firstShown = [](QLineEdit* field) {
        field->grab();
        return field->cursorPositionAt(QPoint(field->contentsRect().left() + 3, field->height() / 2));
    };
    const auto expectBeginningsShown = [&](const char* when) {
        SCOPED_TRACE(when);
        for (QLineEdit* field : fields) {
            ASSERT_GT(field->fontMetrics().horizontalAdvance(field->text()), field->width())
                << field->text().toStdString();
            EXPECT_EQ(firstShown(field), 0) << field->text().toStdString();
        }
    };
    expectBeginningsShown("at the start");
    selectMethod(CalcMethod::PresentValue);
    selectMethod(CalcMethod::FutureValue);
    expectBeginningsShown("after a method switch");
    w.resize(700, 480);
    expectBeginningsShown("after a resize");

    w.cboStartDate->setFocus();
    QTest::keyClick(w.cboStartDate, Qt::Key_F4);
    ASSERT_TRUE(picker.isVisible());
    QTest::keyClick(picker.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(w.cboStartDate->currentText(), QStringLiteral("12/7/2026"));
    expectBeginningsShown("after the date picker");

    QLineEdit* typedIn = w.txtValue[0];
    typedIn->setFocus();
    QTest::keyClick(typedIn, Qt::Key_End);
    QTest::keyClicks(typedIn, "5");
    EXPECT_EQ(typedIn->text(), QStringLiteral("12345678.90125"));
    typedIn->grab();
    EXPECT_EQ(typedIn->cursorPositionAt(QPoint(typedIn->contentsRect().right() - 3, typedIn->height() / 2)),
              typedIn->text().size());
}

TEST_F(MainWindowTest, CloseWritesTheWindowStateAndSettingsComeBack)
{
    settings.Left = 20;
    settings.Top = 30;
    settings.Right = 720;
    settings.Bottom = 530;
    TfrmCalc& w = open();
    selectMethod(CalcMethod::ZeroCouponBonds);
    type(w.txtValue[0], "1000");
    EXPECT_TRUE(w.close());
    ASSERT_EQ(saved.size(), 1u);
    const AppSettings& kept = saved.back();
    EXPECT_EQ(kept.Page, indexOf(CalcMethod::ZeroCouponBonds));
    EXPECT_EQ(kept.DivLeft, 30);
    EXPECT_EQ(kept.WindowState, 0);
    EXPECT_EQ(kept.Right - kept.Left, 700);
    EXPECT_EQ(kept.Bottom - kept.Top, 500);
    EXPECT_EQ(kept.MethodInputs.slot(CalcMethod::ZeroCouponBonds).valueTexts[0], "1000");
    window.reset();

    TfrmCalc& again = open();
    EXPECT_EQ(again.cboMethod->currentIndex(), indexOf(CalcMethod::ZeroCouponBonds));
    EXPECT_EQ(again.txtValue[0]->text(), QStringLiteral("1000"));
}

TEST(MainWindowSettingsFile, WrittenAtCloseAndReadAtTheNextStart)
{
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("Brackwell/Pecunor 97.conf"));
    const QString programFolder = QStringLiteral("/opt/pecunor/");
    WindowServices services;
    services.today = [] { return today; };
    services.showError = [](QWidget*, const QString& message) { ADD_FAILURE() << message.toStdString(); };
    services.saveSettings = [&](const AppSettings& settings) { return saveSettings(settings, programFolder, file); };

    AppSettings first = loadSettings(today, usRegional(), programFolder, file);
    {
        TfrmCalc window(first, usRegional(), services);
        window.show();
        window.cboMethod->setCurrentIndex(indexOf(CalcMethod::PresentLoanPayment));
        window.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Months));
        window.txtValue[0]->setText(QStringLiteral("250,000"));
        window.mnuStretched->trigger();
        ASSERT_TRUE(window.close());
    }
    AppSettings second = loadSettings(today, usRegional(), programFolder, file);
    TfrmCalc again(second, usRegional(), services);
    again.show();
    EXPECT_EQ(again.cboMethod->currentIndex(), indexOf(CalcMethod::PresentLoanPayment));
    EXPECT_EQ(again.cboPeriodsAre->currentIndex(), indexOf(PeriodUnit::Months));
    EXPECT_EQ(again.txtValue[0]->text(), QStringLiteral("250,000"));
    EXPECT_FALSE(again.mnuStretched->isChecked());
    EXPECT_EQ(again.size(), QSize(640, 480));
    again.close();
}

TEST_F(MainWindowTest, ClosingMaximisedKeepsTheLastNormalRectangle)
{
    TfrmCalc& w = open();
    w.resize(700, 500);
    const int right = settings.Right;
    const int bottom = settings.Bottom;
    w.showMaximized();
    QApplication::processEvents();
    w.close();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.back().WindowState, 2);
    EXPECT_EQ(saved.back().Right, right);
    EXPECT_EQ(saved.back().Bottom, bottom);
}

TEST_F(MainWindowTest, AltF4AndFileExitClose)
{
    TfrmCalc& w = open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.cboMethod, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(saved.size(), 1u);
    w.show();
    w.mnuExit->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(saved.size(), 2u);
}

TEST_F(MainWindowTest, SetupMenuSwitchesGridlinesAndFont)
{
    TfrmCalc& w = open();
    w.mnuVerGridlines->trigger();
    EXPECT_FALSE(settings.VerGridlines);
    EXPECT_FALSE(w.sgrFin->options().verGridlines);
    w.mnuHideAbout->trigger();
    EXPECT_TRUE(settings.HideAbout);
    QFont chosen(QStringLiteral("Liberation Sans"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    chosen.setUnderline(true);
    nextFont = chosen;
    w.mnuChartFont->trigger();
    EXPECT_EQ(settings.TableFont.faceName, "Liberation Sans");
    EXPECT_EQ(settings.TableFont.sizePoints, 14);
    EXPECT_TRUE(settings.TableFont.bold);
    EXPECT_EQ(w.lblLeft->font().pointSize(), 14);
    nextFont.reset();
    w.mnuChartFont->trigger();
    EXPECT_EQ(settings.TableFont.sizePoints, 14);
}

TEST_F(MainWindowTest, StoredIndexesOutOfRangeRestoreTheFirstItem)
{
    settings.Page = 20;
    settings.MethodInputs.slot(CalcMethod::FutureValue).periodUnit = 9;
    settings.MethodInputs.slot(CalcMethod::FutureValue).paymentTiming = -1;
    settings.MethodInputs.slot(CalcMethod::FutureValue).interestPer = 200;
    TfrmCalc& w = open();
    EXPECT_EQ(w.cboMethod->currentIndex(), 0);
    EXPECT_EQ(w.cboPeriodsAre->currentIndex(), 0);
    EXPECT_EQ(w.cboPaymentsDue->currentIndex(), 0);
    EXPECT_EQ(w.cboInterestPer->currentIndex(), 0);
}

}  // namespace
}  // namespace pecunor
