#include "platform/TrayNotifier.h"

#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

// The tray's message has no buttons: a click on it stands for the newest
// notification, whatever actions were asked for.
class TestTrayNotifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aClickTellsTheNewestNotification();
};

void TestTrayNotifier::aClickTellsTheNewestNotification()
{
    QSystemTrayIcon tray;
    TrayNotifier notifier(tray);
    QSignalSpy klikket(&notifier, &DesktopNotifier::klikket);
    QSignalSpy handling(&notifier, &DesktopNotifier::handling);
    notifier.notify(7, QStringLiteral("Tandlæge"), QStringLiteral("Kl. 10:15"),
                    {{QStringLiteral("luk"), QStringLiteral("Luk")}});
    Q_EMIT tray.messageClicked();
    notifier.notify(0, QStringLiteral("Alarmer, mens du var væk"), QStringLiteral("10-12 07:00 Op"),
                    {});
    Q_EMIT tray.messageClicked();
    QCOMPARE(klikket.size(), 2);
    QCOMPARE(klikket.at(0).first().toInt(), 7);
    QCOMPARE(klikket.at(1).first().toInt(), 0);
    QCOMPARE(handling.size(), 0);
}

QTEST_MAIN(TestTrayNotifier)
#include "tst_traynotifier.moc"
