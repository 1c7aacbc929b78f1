#include "local_date.h"

#include <QDate>

namespace pecunor::platform {

DayNumber localToday()
{
    const QDate today = QDate::currentDate();
    return dayNumberOf(today.year(), today.month(), today.day()).value_or(0);
}

}  // namespace pecunor::platform
