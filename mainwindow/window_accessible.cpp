#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>

#include "date_picker.h"
#include "frm_calc.h"
#include "list_item_accessible.h"
#include "picker_accessible.h"
#include "platform/reader_events.h"
#include "result_grid.h"
#include "result_grid_accessible.h"
#include "splitter_bar.h"
#include "window_parts.h"

// What screen readers see of the program's own widgets beyond the table: the
// summary as "caption: value" lines, the date picker inside the window that
// opened it, and its days by their full dates.
namespace pecunor {

namespace {

// A child that is not a widget of its own: a summary line.
class PartAccessible : public ListItemAccessible<QWidget> {
public:
    PartAccessible(QWidget* owner, int index) : ListItemAccessible(owner), index_(index) { }

    int index() const { return index_; }

protected:
    int index_;
};

QStringList summaryLines(const QWidget* label) { return static_cast<const SummaryCaptions*>(label)->readerLines(); }

class SummaryLineAccessible : public PartAccessible {
public:
    using PartAccessible::PartAccessible;
    bool isValid() const override { return owner_ && index_ < summaryLines(owner_).size(); }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? summaryLines(owner_).at(index_) : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !owner_ || !owner_->isVisible();
        return state;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        // The label's lines are of equal height.
        const int lines = static_cast<int>(summaryLines(owner_).size());
        const QRect band(0, owner_->height() * index_ / lines, owner_->width(), owner_->height() / lines);
        return {owner_->mapToGlobal(band.topLeft()), band.size()};
    }
};

// A list whose items are parts of one widget, made when first asked for.
template <typename Item>
class PartListAccessible : public QAccessibleWidget {
public:
    explicit PartListAccessible(QWidget* owner) : QAccessibleWidget(owner, QAccessible::List) { }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return items_.at(index, [this, index] { return new Item(widget(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const Item*>(child);
        return item && item->owner() == widget() ? item->index() : -1;
    }

private:
    mutable AccessibleParts items_;
};

// The captions' label reads as the whole summary, a line per result; the
// values' label, whose lines it already speaks, stays out of the way.
class SummaryAccessible : public PartListAccessible<SummaryLineAccessible> {
public:
    using PartListAccessible::PartListAccessible;
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->accessibleName() : QString();
    }
    int childCount() const override { return static_cast<int>(summaryLines(widget()).size()); }
};

class SummaryValuesAccessible : public QAccessibleWidget {
public:
    explicit SummaryValuesAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) { }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

TfrmCal* openPickerOf(const QWidget* window)
{
    auto* picker = qobject_cast<TfrmCal*>(QApplication::activePopupWidget());
    if (!picker || !picker->isVisible() || !picker->openedFor() || picker->openedFor()->window() != window)
        return nullptr;
    return picker;
}

class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) { }
    int childCount() const override { return QAccessibleWidget::childCount() + (openPickerOf(widget()) ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        if (index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(openPickerOf(widget()));
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->object() && child->object() == openPickerOf(widget()))
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }
};

// Asked first with the object's own class, so each type is recognised at once.
QAccessibleInterface* programWidgets(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* grid = qobject_cast<ResultGrid*>(widget))
        return new ResultGridAccessible(grid);
    if (QAccessibleInterface* picker = pickerAccessible(widget))
        return picker;
    if (qobject_cast<TfrmCalc*>(widget))
        return new MainWindowAccessible(widget);
    // A plain frame reads as a window frame, which readers take for a window
    // of its own and stop at: the input panel is a panel, the bar a separator.
    if (qobject_cast<InputPanel*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (qobject_cast<SplitterBar*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (qobject_cast<SummaryCaptions*>(widget))
        return new SummaryAccessible(widget);
    if (qobject_cast<SummaryValues*>(widget))
        return new SummaryValuesAccessible(widget);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&programWidgets);
        platform::replaceQtsDescriptionEvents();
        return true;
    }();
    (void)installed;
}

}  // namespace pecunor
