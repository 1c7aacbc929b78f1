#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace pecunor {

// An item of a list that one widget draws itself (a summary line, a day of
// the picker, a choice of a box): no widget of its own and no children. It
// belongs to that widget, which may go while a reader still holds the item.
template <typename Owner>
class ListItemAccessible : public QAccessibleInterface {
public:
    explicit ListItemAccessible(Owner* owner) : owner_(owner) { }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override { }

    Owner* owner() const { return owner_; }

protected:
    // An item that may be chosen: focused when chosen while its owner has
    // the focus; invalid once it no longer stands for anything.
    QAccessible::State choosableState(bool chosen) const
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = chosen;
        state.focused = chosen && owner_->hasFocus();
        return state;
    }

    QPointer<Owner> owner_;
};

}  // namespace pecunor
