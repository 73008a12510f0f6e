#include "platform/DesktopNotifier.h"
#include "platform/TrayNotifier.h"

std::unique_ptr<DesktopNotifier> DesktopNotifier::make(QSystemTrayIcon *tray)
{
    return std::make_unique<TrayNotifier>(*tray);
}
