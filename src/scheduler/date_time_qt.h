#pragma once

#include <QDateTime>

#include "scheduler/date_time.h"

namespace velmora {

/// The moment as Qt's date-time controls hold it.
QDateTime ToQDateTime(DateTime dateTime);

/// The moment a date-time control holds, cut to whole seconds.
DateTime FromQDateTime(const QDateTime& dateTime);

} // namespace velmora
