#include "picker_accessible.h"

#include <QAccessibleWidget>
#include <QDate>
#include <QLocale>
#include <QPointer>

#include <array>

#include "date_picker.h"
#include "list_item_accessible.h"
#include "month_calendar.h"
#include "result_grid_accessible.h"

namespace pecunor {

namespace {

bool sameMonth(CivilDate a, CivilDate b) { return a.year == b.year && a.month == b.month; }

// One date of the calendar, valid while its month is shown.
class DayAccessible : public ListItemAccessible<MonthCalendar> {
public:
    DayAccessible(MonthCalendar* calendar, CivilDate date) : ListItemAccessible(calendar), date_(date) { }

    bool isValid() const override { return owner_ && sameMonth(owner_->date(), date_); }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return owner_->locale().toString(QDate(date_.year, date_.month, date_.day), QLocale::LongFormat);
    }
    QAccessible::State state() const override { return choosableState(isValid() && owner_->date().day == date_.day); }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = owner_->cellRect(owner_->cellOfDay(date_.day));
        return {owner_->mapToGlobal(cell.topLeft()), cell.size()};
    }

    int day() const { return date_.day; }

private:
    CivilDate date_;
};

// The days of the shown month. The days of the month shown before stay
// until the next month is shown: a reader may still hold the day it left.
class MonthCalendarAccessible : public QAccessibleWidget {
public:
    explicit MonthCalendarAccessible(MonthCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::List) { }

    MonthCalendar* calendar() const { return static_cast<MonthCalendar*>(widget()); }
    int childCount() const override
    {
        const CivilDate shown = calendar()->date();
        return monthLength(shown.year, shown.month);
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const CivilDate shown = calendar()->date();
        if (!sameMonth(shown, months_[current_])) {
            current_ = 1 - current_;
            days_[current_].clear();
            months_[current_] = shown;
        }
        const CivilDate date{shown.year, shown.month, index + 1};
        return days_[current_].at(index, [this, date] { return new DayAccessible(calendar(), date); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* day = dynamic_cast<const DayAccessible*>(child);
        return day && day->owner() == calendar() && day->isValid() ? day->day() - 1 : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return calendar()->hasFocus() ? child(calendar()->date().day - 1) : nullptr;
    }

private:
    // The days of two months by their index in the month, and which months they are.
    mutable std::array<AccessibleParts, 2> days_;
    mutable std::array<CivilDate, 2> months_{CivilDate{0, 0, 0}, CivilDate{0, 0, 0}};
    mutable int current_ = 0;
};

// The popup belongs to the window of the box that opened it: a reader finds
// it there while it is open.
class DatePickerAccessible : public QAccessibleWidget {
public:
    explicit DatePickerAccessible(TfrmCal* picker) : QAccessibleWidget(picker, QAccessible::Dialog) { }
    QAccessibleInterface* parent() const override
    {
        const QWidget* box = static_cast<TfrmCal*>(widget())->openedFor();
        return box ? QAccessible::queryAccessibleInterface(box->window()) : QAccessibleWidget::parent();
    }
};

}  // namespace

QAccessibleInterface* pickerAccessible(QWidget* widget)
{
    if (auto* calendar = qobject_cast<MonthCalendar*>(widget))
        return new MonthCalendarAccessible(calendar);
    if (auto* picker = qobject_cast<TfrmCal*>(widget))
        return new DatePickerAccessible(picker);
    return nullptr;
}

}  // namespace pecunor
