#pragma once

#include <QString>
#include <QTreeWidget>

namespace pecunor {

// The folders of one volume as a tree, read when a branch is first opened,
// so that a large volume costs nothing until the user looks into it.
class FolderTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit FolderTree(QWidget* parent = nullptr);

    // Shows the tree below root and selects root.
    void setRoot(const QString& root);
    // Opens the branches down to folder (inside the root) and selects it.
    void setCurrentFolder(const QString& folder);
    QString currentFolder() const;

signals:
    void currentFolderChanged();

private:
    QTreeWidgetItem* addFolder(QTreeWidgetItem* parent, const QString& path, const QString& name);
    void fillBranch(QTreeWidgetItem* item);
    static QString pathOf(const QTreeWidgetItem* item);

    QString root_;
};

}  // namespace pecunor
