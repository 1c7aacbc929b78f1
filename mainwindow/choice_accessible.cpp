#include "choice_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>

#include "list_item_accessible.h"
#include "result_grid_accessible.h"

// Qt 6.4 tells readers of a changed choice only by a name change and a
// selection change on the box. Orca takes the first for redundant and finds
// the chosen item for the second through the AT-SPI Selection interface,
// which Qt's box offers only from 6.5 on; nor does the box expose its text,
// so Orca reads it as "Method combo box." and nothing more. Here the box has
// its items as children and its chosen item as text, and a key that changes
// the choice moves the focus to the new item, as the menu item of a GTK box
// does: Orca then says the item alone.
namespace pecunor {

namespace {

class ChoiceItemAccessible : public ListItemAccessible<QComboBox> {
public:
    ChoiceItemAccessible(QComboBox* box, int index) : ListItemAccessible(box), index_(index) { }

    bool isValid() const override { return owner_ && index_ < owner_->count(); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? owner_->itemText(index_) : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = choosableState(isValid() && chosen());
        state.invisible = !state.invalid && (!state.selected || !owner_->isVisible());
        return state;
    }
    // The closed box shows the chosen item only.
    QRect rect() const override
    {
        return isValid() && chosen() ? QRect(owner_->mapToGlobal(QPoint()), owner_->size()) : QRect();
    }

    int index() const { return index_; }

private:
    bool chosen() const { return index_ == owner_->currentIndex(); }

    int index_;
};

class ChoiceAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        changed_ = QObject::connect(box, &QComboBox::currentIndexChanged, box, [this](int index) { focusItem(index); });
    }
    ~ChoiceAccessible() override { QObject::disconnect(changed_); }

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return box()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return items_.at(index, [this, index] { return new ChoiceItemAccessible(box(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const ChoiceItemAccessible*>(child);
        return item && item->owner() == box() ? item->index() : -1;
    }

    // Without a name of its own the box is named by its choice, as Qt's is;
    // readers take the label for the name in either case.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && box()->accessibleName().isEmpty()))
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The chosen item, as read-only text.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    // The open list announces its own items as they get the focus.
    void focusItem(int index) const
    {
        if (index < 0 || !box()->hasFocus() || box()->view()->isVisible())
            return;
        QAccessibleEvent event(child(index), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }

    QMetaObject::Connection changed_;
    mutable AccessibleParts items_;
};

QAccessibleInterface* choiceBoxes(const QString&, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    return box && !box->isEditable() ? new ChoiceAccessible(box) : nullptr;
}

}  // namespace

void installChoiceAccessibility() { QAccessible::installFactory(&choiceBoxes); }

}  // namespace pecunor
