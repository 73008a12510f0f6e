#include "RunningProgram.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmTilstand.h"
#include "base/DataFolders.h"
#include "base/TextListFile.h"
#include "platform/UserName.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>

namespace {

// A stand-in for the desktop's notification service on a private session bus:
// it keeps what the program posts.
class StandInNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Besked
    {
        uint id = 0;
        QString overskrift;
        QString tekst;
        QStringList handlinger;
    };
    QList<Besked> beskeder;

    const Besked *find(const QString &overskrift) const
    {
        for (const Besked &besked : beskeder)
            if (besked.overskrift == overskrift)
                return &besked;
        return nullptr;
    }

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        beskeder.append({uint(beskeder.size() + 1), summary, body, actions});
        return uint(beskeder.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
};

void dagligAlarm(const DataFolders &folders, int time, int minut, const QString &overskrift)
{
    TAlarmRecord a;
    a.aarS = QStringLiteral("0000");
    a.maanedS = a.dagS = QStringLiteral("00");
    a.time = quint16(time);
    a.minut = quint16(minut);
    a.timeS = getStr(time);
    a.minutS = getStr(minut);
    a.overskrift = overskrift;
    a.alarmfil = 0;
    a.gentagelse = 1;
    const QString stem = AlarmFile::stem(a.aarS, 0, 0, time, minut) + ".txt";
    a.filnavn = folders.alarmDir + stem;
    a.tekstfilnavn = folders.alarmTekster + stem;
    QVERIFY(AlarmFile::skrivAlarmfil(a));
    QVERIFY(putFile(a.tekstfilnavn, "{\\rtf1 Husk\\par}"));
}

} // namespace

class TestAlarmProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void startedLateListsTheMissedAlarmAndTellsTheDesktop();

private:
    QProcess m_bus;
    QString m_adresse;
};

void TestAlarmProgram::initTestCase()
{
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address")});
    QVERIFY2(m_bus.waitForStarted(10000), "dbus-daemon is missing");
    while (!m_bus.canReadLine())
        QVERIFY(m_bus.waitForReadyRead(10000));
    m_adresse = QString::fromLocal8Bit(m_bus.readLine()).trimmed();
    QVERIFY(!m_adresse.isEmpty());
}

void TestAlarmProgram::cleanupTestCase()
{
    m_bus.kill();
    m_bus.waitForFinished(5000);
}

void TestAlarmProgram::startedLateListsTheMissedAlarmAndTellsTheDesktop()
{
    QDBusConnection bus = QDBusConnection::connectToBus(m_adresse, QStringLiteral("standin"));
    QVERIFY(bus.isConnected());
    StandInNotifications service;
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                               QDBusConnection::ExportAllSlots));

    const std::optional<QString> user = SystemUserName().loginName();
    QVERIFY(user && !user->isEmpty());
    QTemporaryDir home;
    const DataFolders folders(home.path() + "/Urmappe", *user);
    dagligAlarm(folders, 7, 0, QStringLiteral("Op"));
    dagligAlarm(folders, 7, 6, QStringLiteral("Kaffe"));
    // The last run checked the alarms last night; the user lets missed alarms
    // sound up to 3 minutes late, so 07:00 is too late at 07:05.
    AlarmTilstand tilstand(folders.optFile(QStringLiteral("alarmtilstand.txt")));
    tilstand.sidstTjekket = QDateTime(QDate(2026, 12, 9), QTime(22, 0)).toUTC();
    tilstand.forsinkelse = 3;
    QVERIFY(tilstand.gem());

    // The program starts at 07:05:50 by its clock, on the private bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_adresse.toLocal8Bit());
    qputenv("LD_PRELOAD", KLOKKEVEN_FAKETIME);
    qputenv("FAKETIME", "@2026-12-10 07:05:50");
    RunningProgram program(QStringLiteral(KLOKKEVEN_PROGRAM), home.path(),
                           QStringLiteral("offscreen"));
    qunsetenv("LD_PRELOAD");
    qunsetenv("FAKETIME");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    const QString mistet = QStringLiteral("Alarmer, mens du var væk");
    QVERIFY(program.waitUntil([&] { return service.find(mistet); }));
    QCOMPARE(service.find(mistet)->tekst, QStringLiteral("10-12 07:00 Op"));

    // At 07:06 the next alarm fires, and the desktop hears of it with its actions.
    QVERIFY(program.waitUntil([&] { return service.find(QStringLiteral("Kaffe")); }));
    const StandInNotifications::Besked kaffe = *service.find(QStringLiteral("Kaffe"));
    QCOMPARE(kaffe.tekst, QStringLiteral("Kl. 07:06"));
    QCOMPARE(kaffe.handlinger, (QStringList{"luk", "Luk", "udsaet", "Udsæt"}));

    // "Udsæt" on the notification puts the alarm off, as the window's button does.
    QDBusMessage handling = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
    handling << kaffe.id << QStringLiteral("udsaet");
    QVERIFY(bus.send(handling));
    QVERIFY(program.waitUntil([&] {
        const std::optional<QStringList> linjer =
            TextListFile::read(folders.optFile(QStringLiteral("alarmtilstand.txt")));
        return linjer && linjer->contains(QStringLiteral("Kaffe"));
    }));
    QVERIFY(program.endWith(SIGTERM));
}

QTEST_GUILESS_MAIN(TestAlarmProgram)
#include "tst_alarmprogram.moc"
