#include "month_calendar.h"

#include <QAccessible>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace pecunor {

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void MonthCalendar::setDate(CivilDate date)
{
    if (date.year == date_.year && date.month == date_.month && date.day == date_.day)
        return;
    date_ = date;
    update();
    announceDay();
    emit dateChanged();
}

void MonthCalendar::announceDay()
{
    if (!QAccessible::isActive() || !hasFocus())
        return;
    if (QAccessibleInterface* days = QAccessible::queryAccessibleInterface(this)) {
        if (QAccessibleInterface* day = days->child(date_.day - 1)) {
            QAccessibleEvent focus(day, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void MonthCalendar::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    announceDay();
}

int MonthCalendar::firstColumn() const
{
    // Day number 0, 30 December 1899, was a Saturday: column 5.
    const DayNumber first = *dayNumberOf(date_.year, date_.month, 1);
    return ((first % gridSize) + gridSize + 5) % gridSize;
}

int MonthCalendar::dayAt(QPoint cell) const
{
    if (cell.x() < 0 || cell.x() >= gridSize || cell.y() < 1 || cell.y() >= gridSize)
        return 0;
    const int day = (cell.y() - 1) * gridSize + cell.x() - firstColumn() + 1;
    return (day >= 1 && day <= monthLength(date_.year, date_.month)) ? day : 0;
}

QPoint MonthCalendar::cellOfDay(int day) const
{
    const int index = firstColumn() + day - 1;
    return {index % gridSize, index / gridSize + 1};
}

QRect MonthCalendar::cellRect(QPoint cell) const
{
    return {cell.x() * cellWidth(), cell.y() * cellHeight(), cellWidth(), cellHeight()};
}

int MonthCalendar::dayUnder(QPoint position) const
{
    if (position.x() < 0 || position.y() < 0 || cellWidth() == 0 || cellHeight() == 0)
        return 0;
    return dayAt({position.x() / cellWidth(), position.y() / cellHeight()});
}

void MonthCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    for (int column = 0; column < gridSize; ++column)
        painter.drawText(cellRect({column, 0}), Qt::AlignCenter, locale().dayName(column + 1, QLocale::ShortFormat));

    const QRect chosen = cellRect(cellOfDay(date_.day));
    painter.fillRect(chosen, palette().color(QPalette::Highlight));
    for (int day = 1; day <= monthLength(date_.year, date_.month); ++day) {
        const QRect cell = cellRect(cellOfDay(day));
        painter.setPen(palette().color(cell == chosen ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(cell, Qt::AlignCenter, QString::number(day));
    }
}

void MonthCalendar::mousePressEvent(QMouseEvent* event)
{
    pressedDay_ = event->button() == Qt::LeftButton ? dayUnder(event->position().toPoint()) : 0;
    if (pressedDay_ != 0)
        setDate({date_.year, date_.month, pressedDay_});
}

void MonthCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    const bool sameDay =
        event->button() == Qt::LeftButton && pressedDay_ != 0 && dayUnder(event->position().toPoint()) == pressedDay_;
    pressedDay_ = 0;
    if (sameDay)
        emit dayClicked();
}

}  // namespace pecunor
