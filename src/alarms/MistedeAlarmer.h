#pragma once

#include "alarms/AlarmFile.h"

#include <QDateTime>
#include <QList>

// An alarm of the folder and the moment it fell due.
struct ForfaldenAlarm
{
    QDateTime tid;
    TAlarmRecord alarm;
};

// The alarms that fell due while nobody checked: the program was not running,
// the computer slept, or the wall clock jumped forwards.
namespace MistedeAlarmer {

// The local moment an alarm of that hour and minute falls due on that day. An
// alarm in the hour that summer time skips falls due when the hour ends (03:00);
// one in the hour that is repeated falls due the first time round.
QDateTime forfald(const QDate &dag, int time, int minut);

// Every alarm of the folder that fell due after `fra` and before `til`: daily
// alarms each day, dated ones on their date, yearly ones on their day of each
// year; newest first. Files that cannot be read are left out (the alarm check
// tells of them). A gap longer than a year counts its last year only.
QList<ForfaldenAlarm> iGabet(const QString &alarmDir, const QDateTime &fra, const QDateTime &til);

} // namespace MistedeAlarmer
