#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "mainwindow/help_viewer.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pecunor {
namespace {

// The help files as they ship, beside the sources.
QString shippedHelpFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources/help");
}

struct Message {
    QWidget* parent = nullptr;
    QString title;
    QString text;
};

// Catches what openHelp reports instead of a modal box, for one test.
class CapturedMessages {
public:
    CapturedMessages()
        : previous_(setHelpMessageHook([this](QWidget* parent, const QString& title, const QString& text) {
              messages.push_back({parent, title, text});
          }))
    {
    }
    ~CapturedMessages() { setHelpMessageHook(previous_); }

    std::vector<Message> messages;

private:
    HelpMessageHook previous_;
};

class HelpViewerTest : public ::testing::Test {
protected:
    static void writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& content)
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QTreeWidgetItem* topicItem(const HelpViewer& viewer, const QString& title)
    {
        for (QTreeWidgetItemIterator it(viewer.topicTree()); *it; ++it) {
            if ((*it)->text(0) == title)
                return *it;
        }
        return nullptr;
    }

    // The text of the block at the top of the help page's view.
    static QString topLine(const HelpViewer& viewer)
    {
        return viewer.helpPage()->cursorForPosition(QPoint(20, 10)).block().text();
    }

    static void clickTopic(const HelpViewer& viewer, QTreeWidgetItem* item)
    {
        QTreeWidget* tree = viewer.topicTree();
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    QWidget mainWindow;
    CapturedMessages captured;
};

TEST_F(HelpViewerTest, ShippedHelpOffersEveryTopicItsContentsList)
{
    HelpViewer* viewer = openHelp(shippedHelpFolder(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(captured.messages.empty());
    EXPECT_EQ(viewer->windowTitle(), "Ostrel Pecunor 97 Help");

    const QStringList methodTitles = {"Future Value",
                                      "Future Value Annuity",
                                      "Future Value Investment",
                                      "Present Value",
                                      "Present Value Annuity",
                                      "Present Loan Payment",
                                      "Straight Line Depreciation",
                                      "Sum of Years Depreciation",
                                      "Double-Declining-Balance Depreciation",
                                      "Zero Coupon Bonds",
                                      "Bond Yield",
                                      "Bond Price",
                                      "Price / Earnings",
                                      "Earnings / Share"};
    for (const QString& title : methodTitles + QStringList{"Menus, Keys and the Date Picker"}) {
        QTreeWidgetItem* item = topicItem(*viewer, title);
        ASSERT_NE(item, nullptr) << title.toStdString();
        EXPECT_FALSE(item->data(0, Qt::UserRole).toString().isEmpty()) << title.toStdString();
    }
    for (QTreeWidgetItemIterator it(viewer->topicTree()); *it; ++it)
        EXPECT_FALSE((*it)->isDisabled()) << "no such anchor: " << (*it)->text(0).toStdString();
}

// Translated help travels inside the program; a language without help of its
// own gets the program folder's. Either offers every topic of the English.
TEST_F(HelpViewerTest, ShippedHelpOfTheLanguageOffersTheSameTopics)
{
    const std::vector<std::pair<QString, QString>> firstTopicByLanguage = {{"en", "The Calculator Window"},
                                                                           {"de", "Das Rechnerfenster"},
                                                                           {"fr", "La fenêtre de la calculatrice"},
                                                                           {"xx", "The Calculator Window"}};
    QFile englishContents(shippedHelpFolder() + "/" + helpContentsFileName);
    ASSERT_TRUE(englishContents.open(QIODevice::ReadOnly));
    QStringList englishAnchors;
    for (const HelpContentsEntry& entry : parseHelpContents(QString::fromUtf8(englishContents.readAll())).entries)
        englishAnchors << entry.anchor;

    for (const auto& [language, firstTopic] : firstTopicByLanguage) {
        SCOPED_TRACE(language.toStdString());
        HelpViewer* viewer = openHelp(shippedHelpFolder(), &mainWindow, language);
        ASSERT_NE(viewer, nullptr);
        QStringList anchors;
        QStringList titles;
        for (QTreeWidgetItemIterator it(viewer->topicTree()); *it; ++it) {
            anchors << (*it)->data(0, Qt::UserRole).toString();
            titles << (*it)->text(0);
            EXPECT_FALSE((*it)->isDisabled()) << "no such anchor: " << (*it)->text(0).toStdString();
        }
        EXPECT_EQ(anchors, englishAnchors);
        EXPECT_EQ(titles.value(1), firstTopic);
    }
}

TEST_F(HelpViewerTest, ChoosingATopicScrollsItsHeadingToTheTop)
{
    HelpViewer* viewer = openHelp(shippedHelpFolder(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    ASSERT_EQ(viewer->helpPage()->verticalScrollBar()->value(), 0);

    // Topics far enough from the end for the page to scroll them to the top.
    const QStringList titles = {"Present Loan Payment", "Menus, Keys and the Date Picker", "Future Value Annuity"};
    for (const QString& title : titles) {
        clickTopic(*viewer, topicItem(*viewer, title));
        EXPECT_EQ(viewer->topicTree()->currentItem()->text(0), title);
        EXPECT_EQ(topLine(*viewer), title);
        // Reading by lines starts there.
        EXPECT_EQ(viewer->helpPage()->textCursor().block().text(), title);
    }

    viewer->showTopic(QStringLiteral("present_value"));
    EXPECT_EQ(topLine(*viewer), "Present Value");
    EXPECT_EQ(viewer->topicTree()->currentItem()->text(0), "Present Value");

    // Escape from the topic list closes the window.
    const QPointer<HelpViewer> open(viewer);
    QTest::keyClick(viewer->topicTree(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

// Readers find the topics in a named list where only headings are open
// branches, and read the page line by line as it shows it, without the
// characters that mark its tables; the focused page has a frame of its own.
TEST_F(HelpViewerTest, ReadersFindNamedTopicsAndReadThePageByItsLines)
{
    HelpViewer* viewer = openHelp(shippedHelpFolder(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTreeWidget* topics = viewer->topicTree();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(topics)->text(QAccessible::Name), "Help Topics");
    for (QTreeWidgetItemIterator it(topics); *it; ++it)
        EXPECT_EQ((*it)->isExpanded(), (*it)->childCount() > 0) << (*it)->text(0).toStdString();

    QTextBrowser* page = viewer->helpPage();
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(page)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), page->document()->toPlainText());
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "The Calculator Window");
    const QString paragraph = page->document()->findBlock(end + 1).text();
    const QString line = text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_TRUE(paragraph.startsWith(line) && line.size() < paragraph.size()) << line.toStdString();
    EXPECT_EQ(text->textAfterOffset(start, QAccessible::LineBoundary, &start, &end),
              paragraph.mid(line.size() + 1, end - start));

    topics->setFocus();
    const QColor unfocused = page->grab().toImage().pixelColor(0, page->height() / 2);
    page->setFocus();
    const QColor focused = page->grab().toImage().pixelColor(0, page->height() / 2);
    EXPECT_EQ(focused, page->palette().color(QPalette::Highlight));
    EXPECT_NE(unfocused, focused);
}

TEST_F(HelpViewerTest, ATopicWithoutItsAnchorIsGreyedAndGoesNowhere)
{
    QTemporaryDir folder;
    writeFile(folder, helpFileName, "<h1><a name=\"here\">Here</a></h1>" + QByteArray("<p>Text</p>").repeated(200));
    writeFile(folder, helpContentsFileName, "1 Here=here\n1 Nowhere=nowhere\n");
    HelpViewer* viewer = openHelp(folder.path(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    QScrollBar* scrollBar = viewer->helpPage()->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum() / 2);

    QTreeWidgetItem* nowhere = topicItem(*viewer, "Nowhere");
    ASSERT_NE(nowhere, nullptr);
    EXPECT_TRUE(nowhere->isDisabled());
    EXPECT_FALSE(topicItem(*viewer, "Here")->isDisabled());
    clickTopic(*viewer, nowhere);
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum() / 2);
}

TEST_F(HelpViewerTest, AMissingHelpFileIsReportedAndOpensNothing)
{
    QTemporaryDir emptyFolder;
    EXPECT_EQ(openHelp(emptyFolder.path(), &mainWindow), nullptr);

    ASSERT_EQ(captured.messages.size(), 1U);
    EXPECT_EQ(captured.messages[0].parent, &mainWindow);
    EXPECT_EQ(captured.messages[0].title, "Ostrel Pecunor 97");
    EXPECT_TRUE(captured.messages[0].text.startsWith("Cannot open the help file\n"));
    EXPECT_TRUE(captured.messages[0].text.contains(QDir(emptyFolder.path()).filePath("OPecu97.hlp")));
    EXPECT_EQ(mainWindow.findChild<HelpViewer*>(), nullptr);
}

TEST_F(HelpViewerTest, AMissingContentsFileLeavesOnlyTheTopicListEmpty)
{
    QTemporaryDir folder;
    writeFile(folder, helpFileName, "<p>Only text</p>");
    HelpViewer* viewer = openHelp(folder.path(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(captured.messages.empty());
    EXPECT_EQ(viewer->topicTree()->topLevelItemCount(), 0);
    EXPECT_EQ(viewer->helpPage()->toPlainText(), "Only text");
}

TEST_F(HelpViewerTest, OpeningAgainReusesTheWindowWithTheFileAsItIsNow)
{
    QTemporaryDir folder;
    writeFile(folder, helpFileName, "<p>First</p>");
    HelpViewer* first = openHelp(folder.path(), &mainWindow);
    writeFile(folder, helpFileName, "<p>Second</p>");
    HelpViewer* second = openHelp(folder.path(), &mainWindow);

    EXPECT_EQ(first, second);
    EXPECT_EQ(mainWindow.findChildren<HelpViewer*>().size(), 1);
    EXPECT_EQ(second->helpPage()->toPlainText(), "Second");
}

TEST_F(HelpViewerTest, OpensInsideTheScreenWhateverSizeItAsksFor)
{
    HelpViewer* viewer = openHelp(shippedHelpFolder(), &mainWindow);
    ASSERT_NE(viewer, nullptr);
    const QRect area = viewer->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(viewer->frameGeometry()));

    viewer->move(area.left() - 500, area.top() + 300);
    viewer->resize(3000, 2000);
    ASSERT_EQ(openHelp(shippedHelpFolder(), &mainWindow), viewer);
    EXPECT_TRUE(area.contains(viewer->frameGeometry()));
    EXPECT_EQ(viewer->frameGeometry().size(), area.size());

    // One that fits stays where it was put.
    const QPoint placed = area.topLeft() + QPoint(40, 30);
    viewer->move(placed);
    viewer->resize(400, 300);
    openHelp(shippedHelpFolder(), &mainWindow);
    EXPECT_EQ(viewer->pos(), placed);
    EXPECT_EQ(viewer->size(), QSize(400, 300));
}

// WCAG 2 contrast ratio: 1 for equal colours up to 21 for black on white.
double contrast(const QColor& one, const QColor& other)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette paletteOf(std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = QApplication::style()->standardPalette();
    for (const auto& [role, colour] : colours)
        palette.setColor(role, colour);
    return palette;
}

// Headings and links at least 3:1 against the page, body text 4.5:1, in the
// themes a user may choose.
TEST_F(HelpViewerTest, HelpIsReadableInEveryTheme)
{
    const struct {
        const char* name;
        QPalette palette;
    } themes[] = {
        {"light", QApplication::style()->standardPalette()},
        {"dark", paletteOf({{QPalette::Window, QColor(0x222020)},
                            {QPalette::WindowText, Qt::white},
                            {QPalette::Base, QColor(0x3d3d3d)},
                            {QPalette::Text, Qt::white},
                            {QPalette::Button, QColor(0x424245)},
                            {QPalette::ButtonText, Qt::white},
                            {QPalette::Link, QColor(0x0986d3)},
                            {QPalette::LinkVisited, QColor(0xa70b06)}})},
        {"high-contrast black", paletteOf({{QPalette::Window, Qt::black},
                                           {QPalette::WindowText, Qt::white},
                                           {QPalette::Base, Qt::black},
                                           {QPalette::Text, Qt::white},
                                           {QPalette::Button, Qt::black},
                                           {QPalette::ButtonText, Qt::white},
                                           {QPalette::Link, Qt::yellow},
                                           {QPalette::LinkVisited, Qt::cyan}})},
    };
    // The shipped help, with a cross reference as a topic would carry one.
    QFile shipped(shippedHelpFolder() + "/" + helpFileName);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QTemporaryDir folder;
    writeFile(folder, helpFileName,
              shipped.readAll().replace("</body>", "<p>See <a href=\"#window\">The Calculator Window</a>.</p></body>"));
    const QPalette before = QApplication::palette();
    for (const auto& theme : themes) {
        SCOPED_TRACE(theme.name);
        QApplication::setPalette(theme.palette);
        QWidget owner;
        HelpViewer* viewer = openHelp(folder.path(), &owner);
        ASSERT_NE(viewer, nullptr);
        const QTextBrowser* page = viewer->helpPage();
        const QTextFrameFormat root = page->document()->rootFrame()->frameFormat();
        const QColor paper = root.background().style() != Qt::NoBrush
                                 ? root.background().color()
                                 : page->viewport()->palette().color(page->viewport()->backgroundRole());
        const QColor ink = page->palette().color(QPalette::Text);
        std::map<std::string, double> worst = {{"heading", 21.0}, {"link", 21.0}, {"body", 21.0}};
        for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (it.fragment().text().trimmed().isEmpty())
                    continue;
                const QColor colour = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : ink;
                const QColor ground = format.background().style() != Qt::NoBrush ? format.background().color() : paper;
                const std::string kind = !format.anchorHref().isEmpty()           ? "link"
                                         : block.blockFormat().headingLevel() > 0 ? "heading"
                                                                                  : "body";
                worst[kind] = std::min(worst[kind], contrast(colour, ground));
            }
        }
        EXPECT_GE(worst["heading"], 3.0);
        EXPECT_GE(worst["link"], 3.0);
        EXPECT_GE(worst["body"], 4.5);
    }
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace pecunor
