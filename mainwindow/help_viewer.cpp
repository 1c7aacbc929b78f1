#include "help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <utility>

#include "platform/ui_language.h"
#include "product/product_constants.h"
#include "utf8_text.h"
#include "window_layout.h"

namespace pecunor {
namespace {

constexpr int anchorRole = Qt::UserRole;

QSet<QString> anchorNames(const QTextDocument& document)
{
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            for (const QString& name : fragment.fragment().charFormat().anchorNames())
                names.insert(name);
        }
    }
    return names;
}

// Where the anchor of that name begins; -1 when the document lacks it.
int anchorPosition(const QTextDocument& document, const QString& anchor)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(anchor))
                return fragment.fragment().position();
        }
    }
    return -1;
}

void showMessageBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

// The help of another language than English travels inside the program;
// English and any language without its own help read the program folder.
QString helpFolderFor(const QString& programFolder, const QString& language)
{
    const QString translated = QStringLiteral(":/help/") + language;
    return QFileInfo::exists(translated + u'/' + QLatin1String(helpFileName)) ? translated : programFolder;
}

// Inside the available area of the screen at any scale: a new window
// centred over its parent, an open one left where it is while it fits.
void placeInsideScreen(HelpViewer& viewer, QWidget* parent)
{
    // A window's decorations are known once it was shown; until then its
    // parent's are the best guess.
    const QWidget& framed = viewer.isVisible() || parent == nullptr ? viewer : *parent;
    const QSize decorations = framed.frameGeometry().size() - framed.size();
    const QRect area = (parent ? parent->screen() : viewer.screen())->availableGeometry();
    QRect frame(viewer.pos(), viewer.size() + decorations);
    if (!viewer.isVisible())
        frame.moveCenter(parent ? parent->frameGeometry().center() : area.center());
    const QRect fitted = fitInsideArea(frame, area);
    viewer.move(fitted.topLeft());
    viewer.resize(fitted.size() - decorations);
}

HelpMessageHook& messageHook()
{
    static HelpMessageHook hook = showMessageBox;
    return hook;
}

}  // namespace

HelpViewer::HelpViewer(const QString& productName, QWidget* parent)
    : QWidget(parent, Qt::Window),
      topics_(new QTreeWidget),
      page_(new QTextBrowser)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 Help").arg(productName));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(topics_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({290, 510});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(800, 540);
    setPaperColours(*page_);
    makeReadingPage(*page_);

    connect(topics_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { topicChosen(item); });
    // A click on the current topic brings it back after the text was scrolled away.
    connect(topics_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { topicChosen(item); });
}

// Escape closes it, as it closes the program's dialogs; the topic list and
// the page leave the key to their window.
void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpViewer::setHelp(const HelpContents& contents, const QString& helpHtml)
{
    page_->setHtml(helpHtml);
    const QSet<QString> anchors = anchorNames(*page_->document());

    topics_->clear();
    topics_->setHeaderLabel(contents.title.isEmpty() ? tr("Contents") : contents.title);
    topics_->setAccessibleName(topics_->headerItem()->text(0));
    // lastAtDepth[d] is the latest item of depth d + 1; a deeper entry hangs under it.
    QList<QTreeWidgetItem*> lastAtDepth;
    for (const HelpContentsEntry& entry : contents.entries) {
        const auto depth = std::min<qsizetype>(entry.level, lastAtDepth.size() + 1);
        lastAtDepth.resize(depth - 1);
        auto* item = lastAtDepth.isEmpty() ? new QTreeWidgetItem(topics_) : new QTreeWidgetItem(lastAtDepth.last());
        item->setText(0, entry.title);
        if (!entry.anchor.isEmpty()) {
            item->setData(0, anchorRole, entry.anchor);
            item->setDisabled(!anchors.contains(entry.anchor));
        }
        lastAtDepth.append(item);
    }
    // Only headings open: a topic without subtopics is no branch, which
    // readers would call expanded.
    for (QTreeWidgetItemIterator it(topics_, QTreeWidgetItemIterator::HasChildren); *it; ++it)
        (*it)->setExpanded(true);
}

void HelpViewer::showTopic(const QString& anchor)
{
    for (QTreeWidgetItemIterator it(topics_); *it; ++it) {
        if ((*it)->data(0, anchorRole).toString() == anchor) {
            topics_->setCurrentItem(*it);
            break;
        }
    }
    goToAnchor(anchor);
}

void HelpViewer::goToAnchor(const QString& anchor)
{
    // Reading by lines starts at the topic.
    if (const int position = anchorPosition(*page_->document(), anchor); position >= 0) {
        QTextCursor caret(page_->document());
        caret.setPosition(position);
        page_->setTextCursor(caret);
    }
    page_->scrollToAnchor(anchor);
}

void HelpViewer::topicChosen(QTreeWidgetItem* item)
{
    if (item == nullptr || item->isDisabled())
        return;
    const QString anchor = item->data(0, anchorRole).toString();
    if (!anchor.isEmpty())
        goToAnchor(anchor);
}

void setPaperColours(QTextBrowser& page)
{
    QPalette paper = page.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
        paper.setColor(group, QPalette::Link, QColor(0, 0, 160));
        paper.setColor(group, QPalette::LinkVisited, QColor(96, 0, 128));
    }
    page.setPalette(paper);
    // Reading rich text colours its links from the application's palette,
    // not from the page's.
    page.document()->setDefaultStyleSheet(QStringLiteral("a[href] { color: #0000a0; }"));
}

HelpMessageHook setHelpMessageHook(HelpMessageHook hook)
{
    return std::exchange(messageHook(), hook ? std::move(hook) : HelpMessageHook(showMessageBox));
}

HelpViewer* openHelp(const QString& programFolder, QWidget* parent)
{
    return openHelp(programFolder, parent, platform::interfaceLanguage());
}

HelpViewer* openHelp(const QString& programFolder, QWidget* parent, const QString& language)
{
    const QDir folder(helpFolderFor(programFolder, language));
    const QString productName = fromView(Product.ProductName);

    QFile helpFile(folder.filePath(QString::fromLatin1(helpFileName)));
    if (!helpFile.open(QIODevice::ReadOnly)) {
        messageHook()(parent, productName,
                      HelpViewer::tr("Cannot open the help file\n%1\n%2")
                          .arg(QDir::toNativeSeparators(helpFile.fileName()), helpFile.errorString()));
        return nullptr;
    }
    HelpContents contents;
    QFile contentsFile(folder.filePath(QString::fromLatin1(helpContentsFileName)));
    if (contentsFile.open(QIODevice::ReadOnly))
        contents = parseHelpContents(QString::fromUtf8(contentsFile.readAll()));

    auto* viewer = parent ? parent->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (viewer == nullptr)
        viewer = new HelpViewer(productName, parent);
    viewer->setHelp(contents, QString::fromUtf8(helpFile.readAll()));
    placeInsideScreen(*viewer, parent);
    viewer->show();
    // Shown, it knows its own frame, which must fit too.
    placeInsideScreen(*viewer, parent);
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace pecunor
