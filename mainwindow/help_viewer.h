#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "help_contents.h"

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace pecunor {

inline constexpr auto helpFileName = "OPecu97.hlp";
inline constexpr auto helpContentsFileName = "OPecu97.cnt";

// The program's help window: the topics of the contents file on the left, the
// help text on the right, scrolled to the chosen topic. Topics whose anchor
// the help text lacks are shown greyed.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    HelpViewer(const QString& productName, QWidget* parent = nullptr);

    void setHelp(const HelpContents& contents, const QString& helpHtml);
    // Selects the topic of that anchor and scrolls the text to it.
    void showTopic(const QString& anchor);

    QTreeWidget* topicTree() const { return topics_; }
    QTextBrowser* helpPage() const { return page_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void topicChosen(QTreeWidgetItem* item);
    // Scrolls the text to the anchor and puts the caret there.
    void goToAnchor(const QString& anchor);

    QTreeWidget* topics_;
    QTextBrowser* page_;
};

// White paper, dark ink and dark links whatever the theme: a dark or
// high-contrast theme's light ink stays off the documents, whose coloured
// headings are chosen for paper.
void setPaperColours(QTextBrowser& page);

// A read-only page that keyboard and screen reader users read line by line:
// the arrow keys move a caret that readers follow, a frame in the highlight
// colour shows the focus, and readers get its text without the characters
// that mark where tables begin and end.
void makeReadingPage(QTextBrowser& page);

// Shows a message with a single OK button.
using HelpMessageHook = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
// Replaces how openHelp reports a missing help file (tests keep modal boxes
// away this way); an empty hook restores the message box. Returns the
// previous hook.
HelpMessageHook setHelpMessageHook(HelpMessageHook hook);

// Opens the help file with its contents file as the list of topics, reusing
// the parent's help window when it has one; the window title names the
// product. The help is that of the interface language: the program's own
// where it carries one (German), else the program folder's. A help file that
// cannot be read is reported through the message hook and gives nullptr; a
// missing contents file only leaves the list of topics empty.
HelpViewer* openHelp(const QString& programFolder, QWidget* parent);
HelpViewer* openHelp(const QString& programFolder, QWidget* parent, const QString& language);

}  // namespace pecunor
