#include "platform/LocalTime.h"

QDateTime SystemLocalTime::now() const
{
    return QDateTime::currentDateTime();
}
