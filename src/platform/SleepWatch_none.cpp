#include "platform/DesktopNotifier.h"

// Without the login manager's word the program never hears of sleep: a wake
// is found as a gap by the alarm check.
SleepWatch::SleepWatch(QObject *parent) : QObject(parent) {}

void SleepWatch::prepareForSleep(bool) {}
