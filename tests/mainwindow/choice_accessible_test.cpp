// What a screen reader learns of the main window's drop-down lists, read
// in-process from the events Qt hands to the accessibility bridge. Qt sends
// them only while a bridge is active, so this program runs under a real X
// server and starts the AT-SPI bus itself.
#include <QAccessible>
#include <QComboBox>
#include <QProcess>

#include <set>

#include "../support/test_home.h"
#include "main_window_fixture.h"
#include "mainwindow/choice_accessible.h"

namespace pecunor {
namespace {

std::vector<QAccessibleInterface*> focused;  // the objects given the focus, in order

using ChoiceForReaders = MainWindowTest;

// Each list reads its choice as its text, and each key that changes the
// choice hands the focus to the new item, a child of the list named by it;
// a key that changes nothing says nothing.
TEST_F(ChoiceForReaders, EveryListSpeaksItsChoiceOnFocusAndOnEachChange)
{
    ASSERT_TRUE(QAccessible::isActive());
    open().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus)
            focused.push_back(event->accessibleInterface());
    });
    std::set<QComboBox*> heardFrom;  // each list once, under the first method that shows it
    for (int method = 0; method < window->cboMethod->count(); ++method) {
        window->cboMethod->setCurrentIndex(method);
        for (QComboBox* box : window->findChildren<QComboBox*>()) {
            if (box->isEditable() || !box->isVisible() || !heardFrom.insert(box).second)
                continue;
            box->setFocus();
            box->setCurrentIndex(0);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
            ASSERT_NE(reader->textInterface(), nullptr) << box->objectName().toStdString();
            EXPECT_EQ(reader->textInterface()->text(0, reader->textInterface()->characterCount()), box->itemText(0));
            focused.clear();
            for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End})
                QTest::keyClick(box, key);
            QStringList heard;
            for (QAccessibleInterface* item : focused) {
                heard << item->text(QAccessible::Name);
                EXPECT_EQ(item->parent(), reader);
            }
            const QStringList said{box->itemText(1), box->itemText(0), box->itemText(box->count() - 1)};
            EXPECT_EQ(heard.join(u'|').toStdString(), said.join(u'|').toStdString());
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(heardFrom.size(), 4U);  // method, periods, payments due, interest per
}

}  // namespace
}  // namespace pecunor

int main(int argc, char** argv)
{
    const pecunor::test::TestHome home;
    QProcess bus;
    bus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication application(argc, argv);
    pecunor::installChoiceAccessibility();
    for (int waited = 0; !QAccessible::isActive() && waited < 10000; waited += 20)
        QTest::qWait(20);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    bus.terminate();
    bus.waitForFinished();
    return result;
}
