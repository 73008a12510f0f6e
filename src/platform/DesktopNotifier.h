#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <utility>

class QSystemTrayIcon;

// Notifications on the desktop beside the program's own windows (on Linux the
// freedesktop notification service over D-Bus, on Windows the tray icon's
// message). Posting never blocks; where no service answers, nothing happens.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    using Handlinger = QList<std::pair<QString, QString>>; // key, caption

    // Posts a notification; `tag` comes back with the action the user chose.
    virtual void notify(int tag, const QString &overskrift, const QString &tekst,
                        const Handlinger &handlinger) = 0;

    // The platform's notifier: D-Bus on Linux, the message of `tray` on
    // Windows, silent elsewhere.
    static std::unique_ptr<DesktopNotifier> make(QSystemTrayIcon *tray);

Q_SIGNALS:
    // The user chose the action `key` on the notification posted with `tag`.
    void handling(int tag, const QString &key);
    // The user clicked the notification posted with `tag` itself.
    void klikket(int tag);
};

// The login manager's word that the computer goes to sleep and wakes again (on
// Linux logind's PrepareForSleep on the system bus; without one, never).
class SleepWatch : public QObject
{
    Q_OBJECT

public:
    explicit SleepWatch(QObject *parent = nullptr);

Q_SIGNALS:
    void sover();
    void vaagner();

private Q_SLOTS:
    void prepareForSleep(bool sover);
};
