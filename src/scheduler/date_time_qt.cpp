#include "scheduler/date_time_qt.h"

namespace velmora {

QDateTime ToQDateTime(DateTime dateTime)
{
    return QDateTime(QDate(dateTime.Year(), dateTime.Month(), dateTime.Day()),
                     QTime(dateTime.Hour(), dateTime.Minute(), dateTime.Second()));
}

DateTime FromQDateTime(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return DateTime::FromFields(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

} // namespace velmora
