#include "platform/DesktopNotifier.h"
#include "platform/TrayNotifier.h"

std::unique_ptr<DesktopNotifier> DesktopNotifier::make(QSystemTrayIcon *tray)
{
    return std::make_unique<TrayNotifier>(*tray);
}

// Windows tells of sleep through its power messages, which the program does
// not watch: a wake is found as a gap by the alarm check.
SleepWatch::SleepWatch(QObject *parent) : QObject(parent) {}

void SleepWatch::prepareForSleep(bool) {}
