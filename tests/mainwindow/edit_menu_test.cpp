#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../engine/engine_test_support.h"
#include "mainwindow/frm_calc.h"

namespace pecunor {
namespace {

const DayNumber today = *dayNumberOf(2026, 12, 7);

// The Edit commands in a main window on throw-away settings.
class EditMenuTest : public ::testing::Test {
protected:
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    std::unique_ptr<TfrmCalc> window;

    TfrmCalc& open(std::array<std::string, 4> values)
    {
        settings.MethodInputs.slot(CalcMethod::FutureValue).valueTexts = values;
        WindowServices services;
        services.today = [] { return today; };
        services.showError = [](QWidget*, const QString&) {};
        services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
        window = std::make_unique<TfrmCalc>(settings, test::usRegional(), services);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->pagRight->setCurrentWidget(window->tabCalc);
        QGuiApplication::clipboard()->clear();
        return *window;
    }

    void TearDown() override
    {
        if (window)
            window->close();
    }

    // Opening the menu refreshes the items, as a user's click on "Edit" does.
    std::array<bool, 3> itemStates()
    {
        window->mnuEditClick(window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit")));
        return {window->mnuCut->isEnabled(), window->mnuCopy->isEnabled(), window->mnuPaste->isEnabled()};
    }

    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(EditMenuTest, ItemStatesFollowTheFocusedControl)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    using States = std::array<bool, 3>;  // cut, copy, paste
    w.sgrFin->setFocus();
    EXPECT_EQ(itemStates(), (States{false, true, false}));
    w.txtValue[0]->setFocus();
    w.txtValue[0]->deselect();
    EXPECT_EQ(itemStates(), (States{false, false, false}));
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    EXPECT_EQ(itemStates(), (States{false, false, true}));
    w.txtValue[0]->setSelection(0, 2);
    EXPECT_EQ(itemStates(), (States{true, true, true}));
    w.cboStartDate->setFocus();
    w.cboStartDate->lineEdit()->selectAll();
    EXPECT_EQ(itemStates(), (States{true, true, true}));
    w.cboMethod->setFocus();
    EXPECT_EQ(itemStates(), (States{false, false, false}));
    EXPECT_TRUE(w.mnuSelectAll->isEnabled());
}

TEST_F(EditMenuTest, CopiesTheTableSelectionAndAllOfIt)
{
    TfrmCalc& w = open({"1000", "10", "12", ""});
    w.sgrFin->setFocus();
    w.sgrFin->setSelection(gridRect(1, 2, 3, 3));
    QTest::keyClick(w.sgrFin, Qt::Key_C, Qt::ControlModifier);
    const QStringList pair = clipboard().split(QStringLiteral("\r\n"));
    ASSERT_EQ(pair.size(), 3);  // two rows, each ending in CR LF
    EXPECT_EQ(pair[0].count(QLatin1Char('\t')), 2);
    EXPECT_EQ(pair[0], QStringLiteral("12/7/2028\t$110.00\t$1,210.00"));
    EXPECT_TRUE(pair[2].isEmpty());

    w.txtValue[0]->setFocus();
    w.mnuSelectAll->trigger();
    EXPECT_EQ(QApplication::focusWidget(), w.sgrFin);
    QGuiApplication::clipboard()->clear();
    // Ctrl+Insert copies as Ctrl+C does.
    QTest::keyClick(w.sgrFin, Qt::Key_Insert, Qt::ControlModifier);
    const QStringList all = clipboard().split(QStringLiteral("\r\n"));
    ASSERT_EQ(all.size(), 14);  // the header row and twelve periods
    EXPECT_EQ(all[0], QStringLiteral("#\tDate\tInterest/Year\tAccumulated Total"));
    EXPECT_EQ(all[12].split(QLatin1Char('\t')).size(), 4);
}

TEST_F(EditMenuTest, CutAndPasteInTheFieldsRecalculate)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    w.cboStartDate->setFocus();
    w.cboStartDate->setEditText(QStringLiteral("1/15/2026"));
    ASSERT_EQ(std::string(w.sgrFin->sheet().cell(1, 1)), "1/15/2027");
    const int before = w.calculationCount();
    w.cboStartDate->lineEdit()->setSelection(0, 2);  // "1/"
    QTest::keyClick(w.cboStartDate, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("1/"));
    EXPECT_EQ(w.cboStartDate->currentText(), QStringLiteral("15/2026"));
    EXPECT_GT(w.calculationCount(), before);
    EXPECT_EQ(std::string(w.sgrFin->sheet().cell(1, 1)), "12/7/2027");  // unreadable date: today

    w.txtValue[2]->setFocus();
    w.txtValue[2]->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("123456"));
    itemStates();
    w.mnuPaste->trigger();
    EXPECT_EQ(w.txtValue[2]->text(), QStringLiteral("1234"));  // the count field holds four characters
    EXPECT_EQ(w.sgrFin->sheet().rowCount(), 1235);
}

// While the error line shows, the hidden table holds an earlier result:
// neither Select All nor Copy may reach it.
TEST_F(EditMenuTest, HiddenTableIsNeverCopied)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    w.txtValue[2]->setFocus();
    w.txtValue[2]->clear();
    ASSERT_TRUE(w.lblError->isVisible());
    const GridRect earlier = w.sgrFin->selection();
    QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
    w.mnuSelectAll->trigger();
    EXPECT_EQ(w.sgrFin->selection(), earlier);
    EXPECT_EQ(QApplication::focusWidget(), w.txtValue[2]);
    QTest::keyClick(w.txtValue[2], Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("keep"));
}

// Text selected on the Explanation page is copied by either key and the menu.
TEST_F(EditMenuTest, CopiesTheExplanationsSelection)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    w.pagRight->setCurrentWidget(w.tabExplain);
    w.rtfExplain->setPlainText(QStringLiteral("Future Value grows with interest."));
    w.rtfExplain->setFocus();
    const std::function<void()> ways[] = {
        [&w] { QTest::keyClick(w.rtfExplain, Qt::Key_C, Qt::ControlModifier); },
        [&w] { QTest::keyClick(w.rtfExplain, Qt::Key_Insert, Qt::ControlModifier); },
        [this, &w] {
            itemStates();
            ASSERT_TRUE(w.mnuCopy->isEnabled());
            w.mnuCopy->trigger();
        },
    };
    int way = 0;
    for (const auto& copy : ways) {
        SCOPED_TRACE(way++);
        QTextCursor selection = w.rtfExplain->textCursor();
        selection.setPosition(7);
        selection.setPosition(12, QTextCursor::KeepAnchor);
        w.rtfExplain->setTextCursor(selection);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        copy();
        EXPECT_EQ(clipboard(), QStringLiteral("Value"));
    }
    EXPECT_EQ(itemStates(), (std::array<bool, 3>{false, true, false}));
}

struct KeyboardCase {
    const char* name;
    Qt::Key item;  // the item's underlined letter
    const char* field;
    const char* clipboard;
};

void PrintTo(const KeyboardCase& c, std::ostream* out) { *out << c.name; }

class EditMenuByKeyboard : public EditMenuTest, public ::testing::WithParamInterface<KeyboardCase> { };

// Alt+E takes the keyboard to the menu bar; the field's selection is still
// what Cut, Copy and Paste act on.
TEST_P(EditMenuByKeyboard, ActsOnTheFieldsSelection)
{
    TfrmCalc& w = open({"1234", "10", "3", ""});
    QLineEdit* field = w.txtValue[0];
    field->setFocus();
    field->setSelection(0, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));

    QTest::keyClick(field, Qt::Key_E, Qt::AltModifier);
    auto* menu = w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, GetParam().item);
    QCoreApplication::processEvents();

    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(field->text(), QString::fromUtf8(GetParam().field));
    EXPECT_EQ(clipboard(), QString::fromUtf8(GetParam().clipboard));
    EXPECT_EQ(w.focusWidget(), field) << "the keyboard comes back to the field";
}

INSTANTIATE_TEST_SUITE_P(Items, EditMenuByKeyboard,
                         ::testing::Values(KeyboardCase{"Cut", Qt::Key_T, "34", "12"},
                                           KeyboardCase{"Copy", Qt::Key_C, "1234", "12"},
                                           KeyboardCase{"Paste", Qt::Key_P, "9934", "99"}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Entry { Typed, PastedByKey, PastedByMenu };

struct BarCase {
    const char* name;
    int field;
    int selectFrom;  // the cursor, and the start of the selection
    int selectLength;
    Entry entry;
    const char* input;
    const char* shown;
    int cursor;
};

void PrintTo(const BarCase& c, std::ostream* out) { *out << c.name; }

class BarInValueField : public EditMenuTest, public ::testing::WithParamInterface<BarCase> { };

// "|" separates the stored inputs: it never enters a field, and the rest of
// what is typed or pasted does.
TEST_P(BarInValueField, IsDroppedAndTheRestKept)
{
    const BarCase& c = GetParam();
    TfrmCalc& w = open({"1000", "10", "3", ""});
    QLineEdit* field = w.txtValue[static_cast<std::size_t>(c.field)];
    field->setFocus();
    field->setSelection(c.selectFrom, c.selectLength);
    const QString input = QString::fromUtf8(c.input);
    switch (c.entry) {
    case Entry::Typed: QTest::keyClicks(field, input); break;
    case Entry::PastedByKey:
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Entry::PastedByMenu:
        QGuiApplication::clipboard()->setText(input);
        itemStates();
        w.mnuPaste->trigger();
        break;
    }
    EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(field->cursorPosition(), c.cursor);
    // The table follows what the fields show.
    if (c.field == 2) {
        EXPECT_EQ(w.sgrFin->sheet().rowCount(), field->text().toInt() + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BarInValueField,
    ::testing::Values(BarCase{"TypedBarOnly", 0, 4, 0, Entry::Typed, "5|0", "100050", 6},
                      BarCase{"PastedOverTheSelection", 0, 0, 4, Entry::PastedByKey, "1|2|3", "123", 3},
                      BarCase{"PastedInTheMiddle", 0, 1, 0, Entry::PastedByKey, "|5|", "15000", 2},
                      BarCase{"PastedBarsAlone", 0, 2, 0, Entry::PastedByMenu, "||", "1000", 2},
                      BarCase{"PastedIntoTheCountField", 2, 0, 1, Entry::PastedByMenu, "1|2", "12", 2},
                      BarCase{"TypedIntoTheCountField", 2, 1, 0, Entry::Typed, "|4|", "34", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Ctrl+Z takes back what was typed in any input field, and Ctrl+Shift+Z
// brings it again, while the table follows each step.
TEST_F(EditMenuTest, TypingCanBeUndoneAndRedoneInEveryField)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    const std::vector<QLineEdit*> fields{w.txtValue[0], w.txtValue[1], w.txtValue[2], w.cboStartDate->lineEdit()};
    for (QLineEdit* field : fields) {
        field->setFocus();
        field->end(false);
        const QString before = field->text();
        QTest::keyClicks(field, QStringLiteral("12"));
        const QString typed = field->text();
        ASSERT_NE(typed, before) << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field->text(), before) << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(field->text(), typed) << field->objectName().toStdString();
    }
    EXPECT_EQ(w.sgrFin->sheet().rowCount(), w.txtValue[2]->text().toInt() + 1);
}

// Save, print and quit answer the desktop's keys, shown on their items, and
// no two items of the menus share a key.
TEST_F(EditMenuTest, DesktopKeysSitOnTheirItemsAndClashWithNoOther)
{
    TfrmCalc& w = open({"1000", "10", "3", ""});
    EXPECT_EQ(w.mnuSaveAsText->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(w.mnuPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(w.mnuExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_TRUE(w.mnuExit->shortcuts().contains(QKeySequence(QStringLiteral("Alt+F4"))));
    QStringList keys;
    for (const QAction* action : w.menuBar()->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString();
    keys.sort();
    EXPECT_EQ(keys.removeDuplicates(), 0) << keys.join(u' ').toStdString();
    w.txtValue[0]->setFocus();
    QTest::keyClick(w.txtValue[0], Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace pecunor
