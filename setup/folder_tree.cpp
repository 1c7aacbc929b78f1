#include "folder_tree.h"

#include <QDir>
#include <QHeaderView>

namespace pecunor {

namespace {
constexpr int pathRole = Qt::UserRole;
constexpr int filledRole = Qt::UserRole + 1;
}  // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::fillBranch);
    connect(this, &QTreeWidget::currentItemChanged, this, &FolderTree::currentFolderChanged);
}

QString FolderTree::pathOf(const QTreeWidgetItem* item) { return item->data(0, pathRole).toString(); }

QTreeWidgetItem* FolderTree::addFolder(QTreeWidgetItem* parent, const QString& path, const QString& name)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, name);
    item->setData(0, pathRole, path);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void FolderTree::fillBranch(QTreeWidgetItem* item)
{
    if (item->data(0, filledRole).toBool())
        return;
    item->setData(0, filledRole, true);
    const QDir folder(pathOf(item));
    const QStringList names =
        folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        addFolder(item, folder.filePath(name), name);
    if (names.isEmpty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void FolderTree::setRoot(const QString& root)
{
    QSignalBlocker quiet(this);
    clear();
    root_ = QDir::cleanPath(root);
    QTreeWidgetItem* top = addFolder(nullptr, root_, QDir::toNativeSeparators(root_));
    fillBranch(top);
    top->setExpanded(true);
    quiet.unblock();
    setCurrentItem(top);
}

void FolderTree::setCurrentFolder(const QString& folder)
{
    const QString target = QDir::cleanPath(folder);
    QTreeWidgetItem* item = topLevelItem(0);
    if (item == nullptr)
        return;
    const QString relative = QDir(root_).relativeFilePath(target);
    if (!relative.startsWith(QLatin1String(".."))) {
        for (const QString& name : relative.split(u'/', Qt::SkipEmptyParts)) {
            if (name == QLatin1String("."))
                continue;
            fillBranch(item);
            item->setExpanded(true);
            QTreeWidgetItem* child = nullptr;
            for (int i = 0; i < item->childCount() && child == nullptr; ++i)
                if (item->child(i)->text(0) == name)
                    child = item->child(i);
            if (child == nullptr)
                break;
            item = child;
        }
    }
    setCurrentItem(item);
    scrollToItem(item);
}

QString FolderTree::currentFolder() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? pathOf(item) : root_;
}

}  // namespace pecunor
