#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "engine/dates.h"

namespace pecunor {

// One month as a 7 by 7 grid of equal cells: row 0 holds the short day names
// from Monday to Sunday in the widget's locale, rows 1 to 6 the days week by
// week. Cells before the 1st and after the last day stay empty and cannot be
// clicked. The date's day is highlighted. Keys are left to the window around it.
class MonthCalendar : public QWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    CivilDate date() const { return date_; }
    // Precondition: a real date of the years 1 to 9999. Reports a change.
    void setDate(CivilDate date);

    // Grid cells as (column, row). The day in a cell, 0 for the day names and the empty cells.
    int dayAt(QPoint cell) const;
    QPoint cellOfDay(int day) const;
    QRect cellRect(QPoint cell) const;

    // A listening screen reader hears the chosen day while the calendar has the focus.
    void announceDay();

signals:
    void dateChanged();
    // A day cell was pressed and released; follows the change the press made.
    void dayClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    static constexpr int gridSize = 7;

    int cellWidth() const { return width() / gridSize; }
    int cellHeight() const { return height() / gridSize; }
    // The day under a point of the widget, 0 where there is none.
    int dayUnder(QPoint position) const;
    // Column of the 1st of the shown month, Monday being 0.
    int firstColumn() const;

    CivilDate date_{2000, 1, 1};
    int pressedDay_ = 0;
};

}  // namespace pecunor
