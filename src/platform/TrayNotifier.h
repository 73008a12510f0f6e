#pragma once

#include "platform/DesktopNotifier.h"

class QSystemTrayIcon;

// Notifications as the message of the program's tray icon (Windows' balloon or
// toast). Such a message has no buttons, so "Luk" and "Udsæt" cannot be
// offered there: a click on the message is the one answer, told as klikket()
// for the notification shown last. A hidden icon shows no message; the alarm
// window on top then tells alone.
class TrayNotifier final : public DesktopNotifier
{
    Q_OBJECT

public:
    explicit TrayNotifier(QSystemTrayIcon &tray);

    void notify(int tag, const QString &overskrift, const QString &tekst,
                const Handlinger &handlinger) override;

private:
    QSystemTrayIcon &m_tray;
    int m_tag = 0;
};
