#include "OddFiles.h"
#include "alarms/DagensAlarmer.h"
#include "base/DataFolders.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate kIdag(2026, 12, 10);

QDateTime at(int hour, int minute, int second = 0, QDate date = kIdag)
{
    return QDateTime(date, QTime(hour, minute, second));
}

QString nameOf(const TAlarmRecord &alarm)
{
    return QFileInfo(alarm.filnavn).fileName();
}

QStringList namesOf(const QList<TAlarmRecord> &alarms)
{
    QStringList names;
    for (const TAlarmRecord &a : alarms)
        names.append(nameOf(a));
    return names;
}

// A user's alarm folders in a temporary data folder, a clock the test sets, and
// today's list over them.
struct Fixture
{
    QTemporaryDir tmp;
    DataFolders folders{tmp.path(), QStringLiteral("Anna")};
    FakeLocalTime clock;
    DagensAlarmer dagens{folders.alarmDir, clock};

    // Writes the pair of the alarm that a name like "0000-00-00-10-15.txt" stands for.
    TAlarmRecord put(const QString &name)
    {
        const QStringList f = name.chopped(4).split(u'-');
        TAlarmRecord a;
        a.aarS = f.at(0);
        a.maanedS = f.at(1);
        a.dagS = f.at(2);
        a.timeS = f.at(3);
        a.minutS = f.at(4);
        a.aar = static_cast<quint16>(a.aarS.toInt());
        a.alarmtype = a.aar == 0      ? AlarmType::Daglig
                      : a.aar == 3016 ? AlarmType::Aarlig
                                      : AlarmType::Dato;
        a.alarmfil = 1;
        a.gentagelse = 1;
        a.overskrift = name;
        a.filnavn = folders.alarmDir + name;
        a.tekstfilnavn = folders.alarmTekster + name;
        if (!AlarmFile::skrivAlarmfil(a))
            qFatal("cannot write %s", qPrintable(a.filnavn));
        QFile text(a.tekstfilnavn);
        if (!text.open(QIODevice::WriteOnly) || text.write("{\\rtf1 x}") < 0)
            qFatal("cannot write %s", qPrintable(a.tekstfilnavn));
        return a;
    }

    void putBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(folders.alarmDir + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }

    // The given names in the order in which the folder lists them.
    QStringList inFolderOrder(const QStringList &names) const
    {
        QStringList ordered;
        for (const QString &path : AlarmFile::addAlarmer(folders.alarmDir)) {
            if (names.contains(QFileInfo(path).fileName()))
                ordered.append(QFileInfo(path).fileName());
        }
        return ordered;
    }

    // What the next tick at the given time fires, or "" for nothing.
    QString tickAt(const QDateTime &now)
    {
        clock.set(now);
        const DagensAlarmer::Tick tick = dagens.alarmTimerTimer();
        return tick.fire ? nameOf(*tick.fire) : QString();
    }
};

} // namespace

class TestDagensAlarmer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filter_data();
    void filter();
    void dueRule_data();
    void dueRule();
    void sameMinuteFiresOneByOneInFolderOrder();
    void dailyReloadedFiresAgainDatedDoesNot();
    void reloadWhileFiringSkipsTheEntryBeingFired();
    void dateChange_data();
    void dateChange();
    void badFilesSkippedAndReportedOnce_data();
    void badFilesSkippedAndReportedOnce();
    void skippedMessage_data();
    void skippedMessage();
    void tenThousandBadFilesGiveOneMessage();
};

void TestDagensAlarmer::filter_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("caption");

    const QStringList none;
    QTest::newRow("empty folder") << at(10, 0) << none << none << "0 aktive alarmer";
    QTest::newRow("load within the minute takes it")
        << at(10, 15, 30) << QStringList{"0000-00-00-10-15.txt"}
        << QStringList{"0000-00-00-10-15.txt"} << "1 aktiv alarm";
    QTest::newRow("load in the next minute does not")
        << at(10, 16, 0) << QStringList{"0000-00-00-10-15.txt"} << none << "0 aktive alarmer";
    QTest::newRow("hours and minutes around now")
        << at(10, 15)
        << QStringList{"0000-00-00-09-59.txt", "0000-00-00-10-14.txt", "0000-00-00-10-16.txt",
                       "0000-00-00-11-00.txt", "0000-00-00-23-59.txt", "0000-00-00-00-00.txt"}
        << QStringList{"0000-00-00-10-16.txt", "0000-00-00-11-00.txt", "0000-00-00-23-59.txt"}
        << "3 aktive alarmer";
    QTest::newRow("dated and yearly on other days")
        << at(8, 0)
        << QStringList{"2026-12-10-09-00.txt", "2026-12-11-09-00.txt", "2026-11-10-09-00.txt",
                       "3016-12-10-09-00.txt", "3016-12-09-09-00.txt", "3016-01-10-09-00.txt"}
        << QStringList{"2026-12-10-09-00.txt", "3016-12-10-09-00.txt"} << "2 aktive alarmer";
    QTest::newRow("dated of an earlier year never taken")
        << at(8, 0) << QStringList{"2025-12-10-09-00.txt", "2015-12-10-09-00.txt"} << none
        << "0 aktive alarmer";
    QTest::newRow("dated of a later year waits")
        << at(8, 0) << QStringList{"2027-12-10-09-00.txt", "3015-12-10-09-00.txt"} << none
        << "0 aktive alarmer";
    QTest::newRow("dated of a later year in its own year")
        << at(8, 0, 0, QDate(2027, 12, 10)) << QStringList{"2027-12-10-09-00.txt"}
        << QStringList{"2027-12-10-09-00.txt"} << "1 aktiv alarm";
    QTest::newRow("yearly every year")
        << at(8, 0, 0, QDate(2040, 12, 10)) << QStringList{"3016-12-10-09-00.txt"}
        << QStringList{"3016-12-10-09-00.txt"} << "1 aktiv alarm";
    QTest::newRow("yearly on 29 February")
        << at(8, 0, 0, QDate(2028, 2, 29)) << QStringList{"3016-02-29-08-00.txt"}
        << QStringList{"3016-02-29-08-00.txt"} << "1 aktiv alarm";
}

void TestDagensAlarmer::filter()
{
    QFETCH(QDateTime, now);
    QFETCH(QStringList, files);
    QFETCH(QStringList, taken);
    QFETCH(QString, caption);

    Fixture f;
    for (const QString &name : files)
        f.put(name);
    QCOMPARE(f.dagens.caption(), QString("0 aktive alarmer")); // before the first load
    f.clock.set(now);
    QCOMPARE(f.dagens.hentAlarmer(), QStringList());
    QCOMPARE(namesOf(f.dagens.alarm()), f.inFolderOrder(taken));
    QCOMPARE(f.dagens.index(), taken.size() - 1);
    QCOMPARE(f.dagens.caption(), caption);
}

void TestDagensAlarmer::dueRule_data()
{
    QTest::addColumn<QDateTime>("load");
    QTest::addColumn<QDateTime>("tick");
    QTest::addColumn<bool>("fires");

    QTest::newRow("a minute early") << at(10, 0) << at(10, 14, 59) << false;
    QTest::newRow("in its minute") << at(10, 0) << at(10, 15, 0) << true;
    QTest::newRow("tick after a load within the minute")
        << at(10, 15, 30) << at(10, 15, 31) << true;
    QTest::newRow("slept past its minute, same day") << at(10, 0) << at(13, 40) << true;
}

void TestDagensAlarmer::dueRule()
{
    QFETCH(QDateTime, load);
    QFETCH(QDateTime, tick);
    QFETCH(bool, fires);

    Fixture f;
    f.put("0000-00-00-10-15.txt");
    f.clock.set(load);
    f.dagens.hentAlarmer();
    QCOMPARE(f.tickAt(tick), fires ? QString("0000-00-00-10-15.txt") : QString());
    QCOMPARE(f.dagens.index(), fires ? -1 : 0);
}

void TestDagensAlarmer::sameMinuteFiresOneByOneInFolderOrder()
{
    Fixture f;
    const QStringList three{"0000-00-00-10-15.txt", "2026-12-10-10-15.txt", "3016-12-10-10-15.txt"};
    for (const QString &name : three)
        f.put(name);
    const QStringList order = f.inFolderOrder(three);
    f.clock.set(at(10, 14, 50));
    f.dagens.hentAlarmer();
    QCOMPARE(f.dagens.caption(), QString("3 aktive alarmer"));

    QCOMPARE(f.tickAt(at(10, 14, 59)), QString());
    QCOMPARE(f.tickAt(at(10, 15, 0)), order.at(0));
    QCOMPARE(f.dagens.caption(), QString("2 aktive alarmer"));

    // While the first one sounds, ticks fire nothing and remove nothing.
    f.dagens.setFiring(true);
    QVERIFY(f.dagens.firing());
    QCOMPARE(f.tickAt(at(10, 15, 1)), QString());
    QCOMPARE(f.tickAt(at(10, 16, 20)), QString());
    QCOMPARE(namesOf(f.dagens.alarm()), order.mid(1));
    f.dagens.setFiring(false);

    // Its minute passed while the first one sounded; it fires all the same.
    QCOMPARE(f.tickAt(at(10, 16, 21)), order.at(1));
    QCOMPARE(f.dagens.caption(), QString("1 aktiv alarm"));
    QCOMPARE(f.tickAt(at(10, 16, 22)), order.at(2));
    QCOMPARE(f.dagens.caption(), QString("Ingen alarmer"));
    QCOMPARE(f.dagens.index(), -1);
    QCOMPARE(f.tickAt(at(10, 16, 23)), QString());
    QCOMPARE(f.dagens.caption(), QString("Ingen alarmer"));
}

void TestDagensAlarmer::dailyReloadedFiresAgainDatedDoesNot()
{
    Fixture f;
    f.put("0000-00-00-10-15.txt");
    f.put("2026-12-10-10-15.txt");
    f.clock.set(at(9, 0));
    f.dagens.hentAlarmer();

    // Fire both as the main window does: a dated alarm's pair goes after firing.
    for (int second : {1, 2}) {
        f.clock.set(at(10, 15, second));
        const DagensAlarmer::Tick tick = f.dagens.alarmTimerTimer();
        QVERIFY(tick.fire);
        f.dagens.setFiring(true);
        if (tick.fire->alarmtype == AlarmType::Dato)
            AlarmFile::sletAlarm(*tick.fire, f.folders.alarmDir, f.folders.alarmTekster);
        f.dagens.setFiring(false);
    }
    QCOMPARE(f.dagens.index(), -1);

    f.clock.set(at(10, 15, 40));
    f.dagens.hentAlarmer();
    QCOMPARE(namesOf(f.dagens.alarm()), QStringList{"0000-00-00-10-15.txt"});
    QCOMPARE(f.tickAt(at(10, 15, 41)), QString("0000-00-00-10-15.txt"));
}

void TestDagensAlarmer::reloadWhileFiringSkipsTheEntryBeingFired()
{
    Fixture f;
    f.put("2026-12-10-10-15.txt");
    f.put("0000-00-00-10-15.txt");
    f.clock.set(at(10, 0));
    f.dagens.hentAlarmer();

    f.clock.set(at(10, 15, 1));
    const DagensAlarmer::Tick first = f.dagens.alarmTimerTimer();
    QVERIFY(first.fire);
    f.dagens.setFiring(true);

    // A reload while it sounds (an alarm saved meanwhile) must not queue it again.
    f.clock.set(at(10, 15, 20));
    f.dagens.hentAlarmer();
    const QStringList both{"2026-12-10-10-15.txt", "0000-00-00-10-15.txt"};
    QStringList others = both;
    others.removeOne(nameOf(*first.fire));
    QCOMPARE(namesOf(f.dagens.alarm()), others);

    f.dagens.setFiring(false);
    f.clock.set(at(10, 15, 40));
    f.dagens.hentAlarmer();
    QCOMPARE(namesOf(f.dagens.alarm()), f.inFolderOrder(both));
}

void TestDagensAlarmer::dateChange_data()
{
    QTest::addColumn<QDateTime>("load");
    QTest::addColumn<QDateTime>("tick");
    QTest::addColumn<bool>("firing");
    QTest::addColumn<bool>("reloaded");
    QTest::addColumn<QStringList>("listAfter");
    QTest::addColumn<QString>("fired");

    const QDate morgen = kIdag.addDays(1);
    QTest::newRow("same day: no reload")
        << at(23, 0) << at(23, 29, 59) << false << false
        << QStringList{"0000-00-00-23-30.txt", "2026-12-10-23-30.txt"} << "";
    QTest::newRow("midnight: yesterday's dated entry is gone")
        << at(23, 0) << at(0, 0, 0, morgen) << false << true
        << QStringList{"0000-00-00-07-00.txt", "0000-00-00-23-30.txt"} << "";
    QTest::newRow("midnight while firing: reloads, fires nothing")
        << at(23, 0) << at(0, 0, 1, morgen) << true << true
        << QStringList{"0000-00-00-07-00.txt", "0000-00-00-23-30.txt"} << "";
    QTest::newRow("waking on a later day at 08:00")
        << at(23, 0) << at(8, 0, 0, morgen.addDays(2)) << false << true
        << QStringList{"0000-00-00-23-30.txt"} << "";
    QTest::newRow("waking after the daily minute of a later day")
        << at(6, 0) << at(7, 0, 0, morgen) << false << true << QStringList{"0000-00-00-23-30.txt"}
        << "0000-00-00-07-00.txt";
    QTest::newRow("clock set back a day") << at(23, 0) << at(23, 0, 0, kIdag.addDays(-1)) << false
                                          << true << QStringList{"0000-00-00-23-30.txt"} << "";
}

void TestDagensAlarmer::dateChange()
{
    QFETCH(QDateTime, load);
    QFETCH(QDateTime, tick);
    QFETCH(bool, firing);
    QFETCH(bool, reloaded);
    QFETCH(QStringList, listAfter);
    QFETCH(QString, fired);

    Fixture f;
    const QStringList files{"0000-00-00-07-00.txt", "0000-00-00-23-30.txt", "2026-12-10-23-30.txt"};
    for (const QString &name : files)
        f.put(name);
    f.clock.set(load);
    f.dagens.hentAlarmer();
    f.dagens.setFiring(firing);

    f.clock.set(tick);
    const DagensAlarmer::Tick t = f.dagens.alarmTimerTimer();
    QCOMPARE(t.reloaded, reloaded);
    QCOMPARE(t.fire ? nameOf(*t.fire) : QString(), fired);
    QCOMPARE(namesOf(f.dagens.alarm()), f.inFolderOrder(listAfter));
}

void TestDagensAlarmer::badFilesSkippedAndReportedOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = "0000\r\n00\r\n00\r\n11\r\n00\r\n0\r\n1\r\n1\r\nx\r\nt\r\nd\r\n";
    QTest::newRow("empty") << "0000-00-00-11-00.txt" << QByteArray();
    QTest::newRow("short") << "0000-00-00-11-00.txt" << good.left(good.indexOf("x\r\n"));
    QTest::newRow("text in a number line")
        << "0000-00-00-11-00.txt" << QByteArray(good).replace("\r\n11\r\n", "\r\nelleve\r\n");
    QTest::newRow("name with four fields") << "2026-12-10-11.txt" << good;
    QTest::newRow("name with text") << "noter.txt" << good;
    QTest::newRow("name without .txt") << "0000-00-00-11-00.bak" << good;
}

void TestDagensAlarmer::badFilesSkippedAndReportedOnce()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    Fixture f;
    const QStringList good{"0000-00-00-10-30.txt", "0000-00-00-12-00.txt"};
    for (const QString &n : good)
        f.put(n);
    f.putBytes(name, bytes);
    const QString path = f.folders.alarmDir + name;

    f.clock.set(at(10, 0));
    QCOMPARE(f.dagens.hentAlarmer(), QStringList{path});
    QVERIFY(!f.dagens.skipReason(path).isEmpty());
    QCOMPARE(namesOf(f.dagens.alarm()), f.inFolderOrder(good));
    QCOMPARE(f.dagens.caption(), QString("2 aktive alarmer"));

    // Reported once: neither a reload nor the reload of a new day names it again; the
    // reload of the new day names only a bad file that came meanwhile.
    f.clock.set(at(10, 5));
    QCOMPARE(f.dagens.hentAlarmer(), QStringList());
    f.putBytes("kladde.txt", "x");
    f.clock.set(at(9, 0, 0, kIdag.addDays(1)));
    const DagensAlarmer::Tick tick = f.dagens.alarmTimerTimer();
    QVERIFY(tick.reloaded);
    QCOMPARE(tick.skipped, QStringList{f.folders.alarmDir + "kladde.txt"});
    QCOMPARE(namesOf(f.dagens.alarm()), f.inFolderOrder(good));

    // The others still fire.
    QCOMPARE(f.tickAt(at(10, 30, 0, kIdag.addDays(1))), QString("0000-00-00-10-30.txt"));
    QCOMPARE(f.dagens.skipReason(f.folders.alarmDir + good.at(0)), QString());
}

void TestDagensAlarmer::skippedMessage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");
    const QString reason = "navnet er ikke år-måned-dag-time-minut.txt";
    const auto line = [&](int i) {
        return QStringLiteral("\rnoter%1.txt: ").arg(i) + reason;
    };
    const QString five = line(0) + line(1) + line(2) + line(3) + line(4);

    QTest::newRow("none") << 0 << QString();
    QTest::newRow("one") << 1
                         << "Alarmfilen noter0.txt kan ikke læses og er sprunget over.\r" + reason;
    QTest::newRow("two") << 2
                         << "2 alarmfiler kan ikke læses og er sprunget over:" + line(0) + line(1);
    QTest::newRow("five") << 5 << "5 alarmfiler kan ikke læses og er sprunget over:" + five;
    QTest::newRow("six") << 6
                         << "6 alarmfiler kan ikke læses og er sprunget over:" + five +
                                "\rog 1 anden.";
    QTest::newRow("seven") << 7
                           << "7 alarmfiler kan ikke læses og er sprunget over:" + five +
                                  "\rog 2 andre.";
}

void TestDagensAlarmer::skippedMessage()
{
    QFETCH(int, count);
    QFETCH(QString, message);
    Fixture f;
    QStringList expected;
    for (int i = 0; i < count; ++i) {
        f.putBytes(QStringLiteral("noter%1.txt").arg(i), "x");
        expected.append(f.folders.alarmDir + QStringLiteral("noter%1.txt").arg(i));
    }
    f.clock.set(at(10, 0));
    QStringList skipped = f.dagens.hentAlarmer();
    skipped.sort();
    QCOMPARE(skipped, expected);
    QCOMPARE(f.dagens.skippedMessage(skipped), message);
}

void TestDagensAlarmer::tenThousandBadFilesGiveOneMessage()
{
    Fixture f;
    f.put("0000-00-00-10-30.txt");
    for (int i = 0; i < 10000; ++i)
        f.putBytes(QStringLiteral("kladde %1.txt").arg(i), "x");
    // One named well that is no file to read: it must not hold up the load.
    const QString fifo = f.folders.alarmDir + "0000-00-00-11-00.txt";
    QVERIFY(OddFiles::make("fifo", fifo));

    f.clock.set(at(10, 0));
    QStringList skipped;
    QVERIFY2(OddFiles::finishesUnaided(fifo, [&] { skipped = f.dagens.hentAlarmer(); }),
             "reading the FIFO blocked");
    QCOMPARE(skipped.size(), 10001);
    QVERIFY(skipped.contains(fifo));
    QCOMPARE(namesOf(f.dagens.alarm()), QStringList{"0000-00-00-10-30.txt"});

    const QStringList lines = f.dagens.skippedMessage(skipped).split(u'\r');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.first(), QString("10001 alarmfiler kan ikke læses og er sprunget over:"));
    for (int i = 1; i <= 5; ++i) {
        const QString &path = skipped.at(i - 1);
        QCOMPARE(lines.at(i), QFileInfo(path).fileName() + ": " + f.dagens.skipReason(path));
    }
    QCOMPARE(lines.last(), QString("og 9996 andre."));
}

QTEST_GUILESS_MAIN(TestDagensAlarmer)
#include "tst_dagensalarmer.moc"
