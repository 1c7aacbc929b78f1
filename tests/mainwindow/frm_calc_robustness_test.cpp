#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <climits>

#include "main_window_fixture.h"

// What keeps the window readable and within reach: texts that do not fit,
// fonts, screens, the splitter, the explanation's colours, a failing save.
namespace pecunor {
namespace {

// In a narrow page the summary and the error line stay inside it: the
// figures stay whole, the captions yield, marked "…" and kept whole in a tip.
TEST_F(MainWindowTest, NarrowPageShortensTheSummaryVisiblyAndWrapsTheErrorLine)
{
    settings.Right = 470;
    TfrmCalc& w = open();
    QTest::keyClick(w.cboMethod, Qt::Key_C, Qt::AltModifier);
    type(w.txtValue[0], "1000");
    type(w.txtValue[1], "10");
    type(w.txtValue[2], "9999");
    ASSERT_TRUE(w.lblRight->isVisible());
    const int pageWidth = w.tabCalc->width();
    EXPECT_GE(w.lblLeft->x(), 0);
    EXPECT_LE(w.lblRight->geometry().right(), pageWidth - 1);
    const QString whole = QString::fromStdString(w.sgrFin->sheet().summaryValues()).section('\n', 0, 0);
    EXPECT_EQ(w.lblRight->text().section('\n', 0, 0), whole);
    const QString caption = w.lblLeft->text().section('\n', 2, 2);
    ASSERT_TRUE(caption.endsWith(QChar(0x2026))) << caption.toStdString();
    const QPoint third(4, w.lblLeft->height() / 2);
    QHelpEvent hover(QEvent::ToolTip, third, w.lblLeft->mapToGlobal(third));
    QCoreApplication::sendEvent(w.lblLeft, &hover);
    EXPECT_TRUE(QToolTip::text().startsWith("Average Interest / Year :")) << QToolTip::text().toStdString();

    QTest::keyClick(w.txtValue[2], Qt::Key_Backspace);
    w.txtValue[2]->clear();
    ASSERT_TRUE(w.lblError->isVisible());
    EXPECT_LE(w.lblError->geometry().right(), pageWidth - 9);
    EXPECT_GE(w.lblError->height(), w.lblError->heightForWidth(w.lblError->width()));
    EXPECT_GT(w.lblError->height(), w.lblError->fontMetrics().height()) << "wrapped onto more lines";
}

// At the first start's size every method's name shows whole in the list box.
TEST_F(MainWindowTest, EveryMethodNameFitsTheMethodBox)
{
    TfrmCalc& w = open();
    QStyleOptionComboBox option;
    option.initFrom(w.cboMethod);
    option.editable = false;
    const QRect field =
        w.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w.cboMethod);
    for (int m = 0; m < w.cboMethod->count(); ++m)
        EXPECT_LE(w.cboMethod->fontMetrics().horizontalAdvance(w.cboMethod->itemText(m)), field.width())
            << w.cboMethod->itemText(m).toStdString();
}

// Whatever the settings file holds, the window opens on the screen at a
// usable size, and what it saves at close describes that window.
TEST_F(MainWindowTest, StoredRectangleOpensAUsableWindowOnTheScreen)
{
    constexpr int areas = -1;  // as large as the screen's area allows, with the frame
    const struct {
        const char* name;
        std::int32_t left, top, right, bottom;
        QSize expected;
    } cases[] = {
        {"beyond every screen", -3000, -3000, -2500, -2600, {500, 400}},
        {"larger than the screen", 0, 0, 3000, 2000, {areas, areas}},
        {"top at the largest integer", 0, INT_MAX, 640, 480, {640, 480}},
        {"right at the largest integer", 0, 0, INT_MAX, 480, {areas, 480}},
        {"left at the smallest integer", INT_MIN, 0, 640, 480, {areas, 480}},
        {"every edge at its end", INT_MIN, INT_MIN, INT_MAX, INT_MAX, {areas, areas}},
        {"inverted", 600, 500, 20, 10, {640, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings.Left = c.left;
        settings.Top = c.top;
        settings.Right = c.right;
        settings.Bottom = c.bottom;
        TfrmCalc& w = open();
        const QRect area = w.screen()->availableGeometry();
        const QSize frame = w.frameGeometry().size() - w.size();
        EXPECT_EQ(w.size().width(), c.expected.width() == areas ? area.width() - frame.width() : c.expected.width());
        EXPECT_EQ(w.size().height(),
                  c.expected.height() == areas ? area.height() - frame.height() : c.expected.height());
        EXPECT_TRUE(area.contains(w.frameGeometry()));
        w.close();
        ASSERT_FALSE(saved.empty());
        const AppSettings& kept = saved.back();
        EXPECT_EQ(QRect(QPoint(kept.Left, kept.Top), QPoint(kept.Right - 1, kept.Bottom - 1)),
                  QRect(w.frameGeometry().topLeft(), w.size()));
        window.reset();
    }
}

// A window too short for the rows scrolls the input panel; every field the
// keyboard reaches is scrolled into view, and none is cut at the right.
TEST_F(MainWindowTest, EveryInputIsReachableInAShortWindow)
{
    const struct {
        const char* name;
        int height;
        bool scrolls;
    } cases[] = {{"first start's size", 480, false}, {"short", 260, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings.Bottom = settings.Top + c.height;
        settings.Page = static_cast<std::uint8_t>(indexOf(CalcMethod::FutureValueAnnuity));
        TfrmCalc& w = open();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QWidget* view = w.scrLeft->viewport();
        EXPECT_EQ(w.scrLeft->verticalScrollBar()->isVisible(), c.scrolls);
        EXPECT_EQ(w.tabLeft->width(), view->width());
        EXPECT_EQ(w.tabLeft->height() > view->height(), c.scrolls);
        const QWidget* lastRow = w.txtValue[3];
        EXPECT_GE(w.tabLeft->height(), lastRow->geometry().bottom() + 9);
        w.cboMethod->setFocus();
        for (QWidget* next :
             std::initializer_list<QWidget*>{w.cboStartDate, w.cboPeriodsAre, w.cboPaymentsDue, w.txtValue[0],
                                             w.txtValue[1], w.cboInterestPer, w.txtValue[2], w.txtValue[3]}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ASSERT_TRUE(next->isAncestorOf(QApplication::focusWidget()) || next == QApplication::focusWidget());
            const QRect shown(next->mapTo(view, QPoint(0, 0)), next->size());
            EXPECT_TRUE(view->rect().contains(shown)) << next->objectName().toStdString();
        }
        // The label above a field comes into view with it.
        QTest::mouseClick(w.lblStartDate, Qt::LeftButton);
        EXPECT_GE(w.lblStartDate->mapTo(view, QPoint(0, 0)).y(), 0);
        window->close();
        window.reset();
    }
}

// Neither a narrower window nor a stored position beyond it loses the bar.
TEST_F(MainWindowTest, SplitterStaysInsideTheWindow)
{
    const struct {
        const char* name;
        int storedPercent;
        int dragBy;
        int narrowTo;
    } cases[] = {{"dragged right, then narrowed", 30, 2000, 300}, {"stored beyond the window", 171, 0, 640}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings.DivLeft = static_cast<std::uint8_t>(c.storedPercent);
        settings.Right = settings.Left + 640;
        TfrmCalc& w = open();
        drag(w.panDiv, c.dragBy);
        w.resize(c.narrowTo, 480);
        const int client = w.centralWidget()->width();
        EXPECT_EQ(w.panDiv->geometry().right(), client - 7);
        EXPECT_TRUE(w.panDiv->isVisible());
        EXPECT_EQ(w.pagRight->width(), 0);
        window->close();
        EXPECT_LE(saved.back().DivLeft, 100);
        window.reset();
    }
}

// The failure is told with its file and reason; the user chooses between
// staying (and freeing the folder) and leaving without the settings.
TEST_F(MainWindowTest, FailedSaveAsksWhetherToCloseWithoutSaving)
{
    for (const bool closeAnyway : {false, true}) {
        SCOPED_TRACE(closeAnyway ? "Yes" : "No");
        TfrmCalc& w = open();
        nextSave = {QStringLiteral("AppPath"), QStringLiteral("/home/u/.config/Brackwell/Pecunor 97.conf"),
                    QStringLiteral("Permission denied")};
        nextAnswer = closeAnyway;
        questions.clear();
        EXPECT_EQ(w.close(), closeAnyway);
        EXPECT_EQ(w.isVisible(), !closeAnyway);
        EXPECT_TRUE(errors.empty());
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions.front(), QStringLiteral("Failed to set data for 'AppPath'\n"
                                                    "/home/u/.config/Brackwell/Pecunor 97.conf: Permission denied\n\n"
                                                    "Close without saving the settings?"));
        nextSave = {};
        window.reset();
    }
}

// Uninstalled while it ran, the program leaves no settings file behind.
TEST_F(MainWindowTest, ClosingAfterTheProgramWasUninstalledWritesNoSettings)
{
    TfrmCalc& w = open();
    uninstalled = true;
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(saved.empty());
    EXPECT_TRUE(questions.empty());
}

// Under a dark theme the explanation stays dark ink on white paper.
TEST_F(MainWindowTest, ExplanationIsReadableUnderADarkTheme)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    TfrmCalc& w = open();
    const QPalette page = w.rtfExplain->palette();
    QApplication::setPalette(before);

    const int paper = page.color(QPalette::Base).lightness();
    const int ink = page.color(QPalette::Text).lightness();
    EXPECT_GT(paper - ink, 160) << "paper " << paper << ", ink " << ink;
    // What is painted: the body text is darker than mid-grey somewhere.
    const QImage shot = w.rtfExplain->viewport()->grab().toImage();
    bool darkInk = false;
    for (int y = 0; y < shot.height() && !darkInk; ++y)
        for (int x = 0; x < shot.width() && !darkInk; ++x)
            darkInk = qGray(shot.pixel(x, y)) < 96;
    EXPECT_TRUE(darkInk);
}

}  // namespace
}  // namespace pecunor
