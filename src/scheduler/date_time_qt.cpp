#include "scheduler/date_time_qt.h"

namespace velmora {

QDateTime ToQDateTime(DateTime dateTime)
{
    return QDateTime(QDate(dateTime.Year(), dateTime.Month(), dateTime.Day()),
                     QTime(dateTime.Hour(), dateTime.Minute(), dateTime.Second()));
}

} // namespace velmora
