#include "help_viewer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace pecunor {

namespace {

constexpr auto readingPageProperty = "pecunorReadingPage";

// The document's text position by position, as readers get it: the marks
// Qt keeps where a table or other frame begins and ends and between
// paragraphs are line breaks, so that no reader spells out a private-use
// character.
QString readableText(const QTextDocument& document)
{
    QString text = document.toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
        case 0xfdd0:  // beginning of a frame
        case 0xfdd1:  // end of a frame
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: c = u'\n'; break;
        case QChar::Nbsp: c = u' '; break;
        default: break;
        }
    }
    return text;
}

// A read-only page's text for readers, by lines as the page shows them.
class ReadingPageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadingPageAccessible(QTextBrowser* page) : QAccessibleWidget(page, QAccessible::EditableText) { }

    QTextBrowser* page() const { return static_cast<QTextBrowser*>(widget()); }
    QTextDocument* document() const { return page()->document(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    int characterCount() const override { return std::max(document()->characterCount() - 1, 0); }
    QString text(int startOffset, int endOffset) const override
    {
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = endOffset < 0 ? characterCount() : std::clamp(endOffset, start, characterCount());
        return readableText(*document()).mid(start, end - start);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        QTextCursor line = cursorAt(offset);
        line.movePosition(QTextCursor::StartOfLine);
        line.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        *start = line.selectionStart();
        *end = line.selectionEnd();
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
        return neighbouringLine(offset, false, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
        return neighbouringLine(offset, true, start, end);
    }

    int cursorPosition() const override { return page()->textCursor().position(); }
    void setCursorPosition(int position) override { page()->setTextCursor(cursorAt(position)); }
    int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = page()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = cursorAt(start);
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
    }
    void removeSelection(int) override
    {
        QTextCursor cursor = page()->textCursor();
        cursor.clearSelection();
        page()->setTextCursor(cursor);
    }

    QRect characterRect(int offset) const override
    {
        const QRect caret = page()->cursorRect(cursorAt(offset));
        const QRect glyph(caret.topLeft(), QSize(page()->fontMetrics().averageCharWidth(), caret.height()));
        return {page()->viewport()->mapToGlobal(glyph.topLeft()), glyph.size()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return page()->cursorForPosition(page()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int) override
    {
        page()->setTextCursor(cursorAt(startIndex));
        page()->ensureCursorVisible();
    }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    // The line before or after the one at offset; none, at the page's start
    // or end, beyond the first or last line.
    QString neighbouringLine(int offset, bool after, int* start, int* end) const
    {
        QTextCursor cursor = cursorAt(offset);
        cursor.movePosition(after ? QTextCursor::EndOfLine : QTextCursor::StartOfLine);
        if (!cursor.movePosition(after ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter)) {
            *start = *end = after ? characterCount() : 0;
            return {};
        }
        return textAtOffset(cursor.position(), QAccessible::LineBoundary, start, end);
    }

    QTextCursor cursorAt(int offset) const
    {
        QTextCursor cursor(document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        return cursor;
    }
};

QAccessibleInterface* readingPageAccessible(const QString&, QObject* object)
{
    auto* page = qobject_cast<QTextBrowser*>(object);
    return page && page->property(readingPageProperty).toBool() ? new ReadingPageAccessible(page) : nullptr;
}

}  // namespace

void makeReadingPage(QTextBrowser& page)
{
    static const bool installed = [] {
        QAccessible::installFactory(&readingPageAccessible);
        return true;
    }();
    (void)installed;
    page.setProperty(readingPageProperty, true);
    // An interface made before, by an event of the page's making, is Qt's own;
    // Qt makes and keeps one for such an event also while no reader listens.
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(&page);
    if (known && !dynamic_cast<ReadingPageAccessible*>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    // The arrow keys move a caret through the lines, which readers follow.
    page.setTextInteractionFlags(page.textInteractionFlags() | Qt::TextSelectableByKeyboard);
    // The frame shows the focus in the highlight colour, as wide either way
    // so that the text does not move.
    page.setStyleSheet(QStringLiteral("QTextBrowser { border: 1px solid palette(mid); margin: 1px; }"
                                      "QTextBrowser:focus { border: 2px solid palette(highlight); margin: 0px; }"));
}

}  // namespace pecunor
