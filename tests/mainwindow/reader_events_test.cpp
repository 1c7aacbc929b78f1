// What screen readers are sent while the picker, the setup wizard and the
// copy dialog are used: under a real X server and D-Bus session, with Qt's
// bridge to the accessibility bus switched on, the events are caught before
// they reach the bus.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "install_test_support.h"
#include "mainwindow/about_window.h"
#include "mainwindow/date_picker.h"
#include "mainwindow/result_grid_accessible.h"
#include "product/copy_program.h"
#include "setup/folder_tree.h"
#include "setup/frm_install.h"

namespace pecunor {
namespace {

struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessible::Id object;
};
std::vector<Heard> heard;

// Focus moves and notifications, which readers speak.
void listen(QAccessibleEvent* event)
{
    QAccessibleInterface* source = event->accessibleInterface();
    const bool notice =
        event->type() == QAccessible::ObjectShow && source && source->role() == QAccessible::Notification;
    if (source && (event->type() == QAccessible::Focus || notice))
        heard.push_back({event->type(), source->text(QAccessible::Name), QAccessible::uniqueId(source)});
}

class ReaderEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        installAccessibility();
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "no accessibility bus";
        QAccessible::installUpdateHandler(&listen);
        heard.clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }
    QStringList notices() const
    {
        QStringList names;
        for (const Heard& h : heard)
            if (h.type == QAccessible::ObjectShow)
                names << h.name;
        return names;
    }
};

// Each step ends with a focus move to an object of its own named by the new
// date, also where the day of the month stays.
TEST_F(ReaderEvents, PickerFocusesEachNewDateAsAnObjectOfItsOwn)
{
    // The picker speaks dates in the dates' locale, as the run's variables name it.
    struct DatesInUsEnglish {
        QByteArray before = qgetenv("LC_ALL");
        DatesInUsEnglish() { qputenv("LC_ALL", "en_US.UTF-8"); }
        ~DatesInUsEnglish() { qputenv("LC_ALL", before); }
    } const datesInUsEnglish;
    RegionalSettings regional;
    QWidget window;
    auto* box = new QComboBox(&window);
    box->setEditable(true);
    box->setEditText(QStringLiteral("1/15/2027"));
    window.show();
    TfrmCal picker(regional, [] { return *dayNumberOf(2026, 12, 7); });
    picker.execute(box, box->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == picker.windowHandle(); }, 5000));
    QTest::qWait(50);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().name, QStringLiteral("Friday, January 15, 2027"));

    const std::vector<std::pair<QKeyCombination, const char*>> steps{
        {Qt::Key_PageDown, "Monday, February 15, 2027"},
        {Qt::CTRL | Qt::Key_PageDown, "Tuesday, February 15, 2028"},
        {Qt::CTRL | Qt::Key_PageUp, "Monday, February 15, 2027"},
        {Qt::Key_PageUp, "Friday, January 15, 2027"},
        {Qt::Key_Down, "Friday, January 22, 2027"},
        {Qt::Key_Left, "Thursday, January 21, 2027"}};
    std::set<QAccessible::Id> objects{heard.back().object};
    for (const auto& [key, date] : steps) {
        QTest::keyClick(picker.windowHandle(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(heard.back().type, QAccessible::Focus) << date;
        EXPECT_EQ(heard.back().name, QString::fromLatin1(date));
        EXPECT_TRUE(objects.insert(heard.back().object).second) << date << " reuses an object";
    }
}

// Each page is announced as it appears, a folder as it is chosen, and the
// result page with its message.
TEST_F(ReaderEvents, WizardTellsPagesFoldersAndTheResult)
{
    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    SetupServices services = testing::testServices(
        messages, testing::makeDistFolder(home.path(QStringLiteral("dist")), {QStringLiteral("Readme.txt")}));
    services.wait = [](double) {};
    TfrmInstall wizard(services);
    wizard.show();
    wizard.btnControls(wizard.btnNext);
    wizard.flbInstallTo->setCurrentFolder(home.path());
    const QString folderLine = wizard.lblInstallTo->text();
    while (wizard.currentPage() != InstallPage::NegResult)
        wizard.btnControls(wizard.btnNext);
    EXPECT_EQ(notices(), (QStringList{QStringLiteral("Install Folder"), folderLine, QStringLiteral("Shortcuts"),
                                      QStringLiteral("Ready to Install"),
                                      wizard.lblNegResult->text() + u'\n' + wizard.lblWWW1->text()}));
    EXPECT_TRUE(folderLine.startsWith(home.path())) << folderLine.toStdString();
}

TEST_F(ReaderEvents, CopyDialogTellsTheNewTarget)
{
    CopyProgramServices services;
    services.volumes = [] { return QList<CopyVolume>{{"/media/a", "A", true, false}, {"/media/b", "", true, false}}; };
    TfrmCopyProgram dialog(services);
    dialog.show();
    dialog.cboDrive->setCurrentIndex(1);
    EXPECT_EQ(notices(), QStringList{dialog.lblTarget->text()});
    const QString target = dialog.lblTarget->text();
    EXPECT_TRUE(target.contains(QStringLiteral("/media/b/"))) << target.toStdString();
}

}  // namespace
}  // namespace pecunor

int main(int argc, char** argv)
{
    const pecunor::testing::TemporaryHome home;
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    // Qt's bridge to the accessibility bus stays on without a reader running.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication application(argc, argv);
    // The accessibility bus of this D-Bus session, which Qt's bridge finds when it appears.
    QProcess bus;
    bus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    bus.terminate();
    bus.waitForFinished();
    return failed;
}
