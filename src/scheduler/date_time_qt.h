#pragma once

#include <QDateTime>

#include "scheduler/date_time.h"

namespace velmora {

/// The moment as Qt's date-time controls hold it.
QDateTime ToQDateTime(DateTime dateTime);

} // namespace velmora
