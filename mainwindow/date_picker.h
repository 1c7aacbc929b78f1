#pragma once

#include <QComboBox>
#include <QDeadlineTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "engine/dates.h"
#include "engine/regional_settings.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPushButton;

namespace pecunor {

class MonthCalendar;

// The calendar popup of the start date box. One exists for the whole run and
// is only shown and hidden. A chosen date is written into the box in the
// sheet date format, then onDateChosen runs; Escape or a click elsewhere
// closes it and leaves the box as it was.
class TfrmCal : public QWidget {
    Q_OBJECT

public:
    TfrmCal(const RegionalSettings& regional, std::function<DayNumber()> today, QWidget* parent = nullptr);

    // Opens below the box, or above it when there is no room below; origin
    // is the box's top-left corner on the screen.
    void execute(QComboBox* box, QPoint origin);

    // The box the open picker writes into; none while closed.
    QWidget* openedFor() const { return isVisible() ? pickerTarget.data() : nullptr; }

    // Runs after a chosen date was written into the box. Writing it raises
    // no change signal of the box, so this is the one notification.
    std::function<void()> onDateChosen;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, const QString& hint, QRect geometry);
    QString calendarDateText() const;
    void calChange();
    void calClick();
    void returnDate();
    void checkDate();
    void btnTodayClick(QPushButton* sender);
    void FormKeyDown(QKeyEvent* event);
    void FormDeactivate();
    void stepDays(int days);

    const DateFormat dateFormat;
    const RegionalSettings regional;
    const std::function<DayNumber()> todayProvider;

    QFrame* panMain;
    QLabel* lblDate;
    MonthCalendar* cal;
    QPushButton* btnYearBack;
    QPushButton* btnMonthBack;
    QPushButton* btnToday;
    QPushButton* btnMonthFore;
    QPushButton* btnYearFore;

    QPointer<QComboBox> pickerTarget;
    CivilDate pickedDate{2000, 1, 1};
    // While false, changes of the calendar's date are the picker's own doing.
    bool calendarLive = false;
    // A day was clicked or Enter pressed: the next date the calendar reports is returned.
    bool dateChosen = false;
    // After a day was chosen by a click, the rest of a double click belongs
    // to that choice and must not reach the control under the closed popup.
    QDeadlineTimer doubleClickEnds;
    bool doubleClickPressEaten = false;
    bool swallowsDoubleClick(QObject* watched, QEvent* event);
};

}  // namespace pecunor
