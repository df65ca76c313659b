#include "scheduler/bell_module.h"

#include <QtGlobal>

#include "scheduler/alarm_bell.h"

extern "C" Q_DECL_EXPORT velmora::Bell* velmora_make_bell()
{
    return new velmora::AlarmBell;
}
