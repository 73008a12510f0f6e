#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

class DBusNotifier final : public DesktopNotifier
{
    Q_OBJECT

public:
    DBusNotifier()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
    }

    void notify(int tag, const QString &overskrift, const QString &tekst,
                const Handlinger &handlinger) override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QStringList actions;
        for (const auto &[key, caption] : handlinger)
            actions << key << caption;
        QDBusMessage kald =
            QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
        QVariantMap hints;
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2)));
        hints.insert(QStringLiteral("category"), QStringLiteral("alarm"));
        kald << QStringLiteral("Klokkeven") << uint(0) << QStringLiteral("alarm-symbolic")
             << overskrift << tekst << actions << hints << int(-1);
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(kald), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, tag](QDBusPendingCallWatcher *svar) {
                    const QDBusPendingReply<uint> id = *svar;
                    if (!id.isError())
                        m_tags.insert(id.value(), tag);
                    svar->deleteLater();
                });
    }

private Q_SLOTS:
    void actionInvoked(uint id, const QString &key)
    {
        const auto tag = m_tags.constFind(id);
        if (tag != m_tags.cend())
            Q_EMIT handling(*tag, key);
    }

private:
    QHash<uint, int> m_tags;
};

} // namespace

std::unique_ptr<DesktopNotifier> DesktopNotifier::make(QSystemTrayIcon *)
{
    return std::make_unique<DBusNotifier>();
}

SleepWatch::SleepWatch(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected())
        bus.connect(QStringLiteral("org.freedesktop.login1"),
                    QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void SleepWatch::prepareForSleep(bool sover)
{
    if (sover)
        Q_EMIT this->sover();
    else
        Q_EMIT vaagner();
}

#include "DesktopNotifier_dbus.moc"
