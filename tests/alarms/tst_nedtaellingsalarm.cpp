#include "alarms/NedtaellingsAlarm.h"

#include <QTest>

using Tilstand = NedtaellingsAlarm::Tilstand;

class TestNedtaellingsAlarm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spanIsChecked_data();
    void spanIsChecked();
    void countdownFiresOnce();
    void countUpFiresAtTheTargetAlsoWhenATickIsLate();
    void plainStopwatchNeverFires();
    void startOverKeepsTheFirstView();
};

void TestNedtaellingsAlarm::spanIsChecked_data()
{
    QTest::addColumn<QStringList>("span");
    QTest::addColumn<QString>("besked");
    const QString ingen = QStringLiteral("Der mangler et tidsinterval til alarmen skal udløses.");
    QTest::newRow("0:00:00") << QStringList{"0", "0", "0"} << ingen;
    QTest::newRow("all empty") << QStringList{"", "", ""} << ingen;
    QTest::newRow("0:00:05") << QStringList{"0", "0", "5"} << QString();
    QTest::newRow("100:00:00") << QStringList{"100", "0", "0"} << QString();
    QTest::newRow("101 hours")
        << QStringList{"101", "0", "0"}
        << QStringLiteral("Timer er forkert.\rVærdien skal være mellem 0 og 100 begge medregnet.");
    QTest::newRow("60 minutes")
        << QStringList{"0", "60", "0"}
        << QStringLiteral(
               "Minutter er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet.");
    QTest::newRow("seconds with letters")
        << QStringList{"0", "1", "x"}
        << QStringLiteral(
               "Sekunder er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet.");
    QTest::newRow("hours of 20 digits")
        << QStringList{"12345678901234567890", "0", "0"}
        << QStringLiteral("Timer er forkert.\rVærdien skal være mellem 0 og 100 begge medregnet.");
}

void TestNedtaellingsAlarm::spanIsChecked()
{
    QFETCH(QStringList, span);
    QFETCH(QString, besked);
    NedtaellingsAlarm alarm;
    const NedtaellingsAlarm::Start start =
        alarm.start(span.at(0), span.at(1), span.at(2), false, true);
    QCOMPARE(start.besked, besked);
    QCOMPARE(start.startet, besked.isEmpty());
    QCOMPARE(alarm.tilstand(), besked.isEmpty() ? Tilstand::NedTaelling : Tilstand::Hvile);
}

void TestNedtaellingsAlarm::countdownFiresOnce()
{
    NedtaellingsAlarm alarm;
    QVERIFY(alarm.start("0", "0", "5", false, true).startet);
    QCOMPARE(alarm.timer(), 0);
    QCOMPARE(alarm.sekunder(), 5);
    // The stopwatch's event means nothing to a countdown.
    QVERIFY(!alarm.StopUrTid(0, 0, 5));
    QVERIFY(alarm.StopUrAlarm());
    QCOMPARE(alarm.tilstand(), Tilstand::Udloest);
    // Repaints at 00:00:00 raise the event again.
    QVERIFY(!alarm.StopUrAlarm());
    QVERIFY(!alarm.StopUrAlarm());
    QCOMPARE(alarm.slut(), std::optional<bool>(true));
    QCOMPARE(alarm.slut(), std::nullopt);
    QVERIFY(!alarm.StopUrAlarm());
}

void TestNedtaellingsAlarm::countUpFiresAtTheTargetAlsoWhenATickIsLate()
{
    NedtaellingsAlarm alarm;
    QVERIFY(alarm.start("0", "1", "0", true, false).startet);
    QCOMPARE(alarm.suMinutter(), 1);
    QVERIFY(!alarm.StopUrAlarm());
    QVERIFY(!alarm.StopUrTid(0, 0, 0));
    QVERIFY(!alarm.StopUrTid(0, 0, 58));
    // The tick at 0:00:59 came late: the field went from 0:00:58 to 0:01:01.
    QVERIFY(alarm.StopUrTid(0, 1, 1));
    QVERIFY(!alarm.StopUrTid(0, 1, 1));
    QCOMPARE(alarm.slut(), std::optional<bool>(false));

    NedtaellingsAlarm lang;
    QVERIFY(lang.start("100", "0", "0", true, true).startet);
    QVERIFY(!lang.StopUrTid(99, 59, 59));
    QVERIFY(lang.StopUrTid(100, 0, 0));
}

void TestNedtaellingsAlarm::plainStopwatchNeverFires()
{
    NedtaellingsAlarm alarm;
    QVERIFY(alarm.start("0", "0", "5", false, true).startet);
    alarm.stopurStart();
    QCOMPARE(alarm.tilstand(), Tilstand::Stopur);
    QCOMPARE(alarm.suTimer(), -1);
    QCOMPARE(alarm.suMinutter(), -1);
    QCOMPARE(alarm.suSekunder(), -1);
    QVERIFY(!alarm.StopUrTid(0, 0, 0));
    QVERIFY(!alarm.StopUrTid(5, 0, 0));
    QVERIFY(!alarm.StopUrAlarm());
    QCOMPARE(alarm.slut(), std::nullopt);
}

void TestNedtaellingsAlarm::startOverKeepsTheFirstView()
{
    NedtaellingsAlarm alarm;
    QVERIFY(alarm.start("0", "0", "5", false, true).startet);
    // Started again while the digital field shows the first countdown.
    QVERIFY(alarm.start("0", "0", "9", false, false).startet);
    QCOMPARE(alarm.sekunder(), 9);
    QVERIFY(alarm.StopUrAlarm());
    QCOMPARE(alarm.slut(), std::optional<bool>(true));
    // A start after the end takes the view of its own moment.
    QVERIFY(alarm.start("0", "0", "1", false, false).startet);
    QVERIFY(alarm.StopUrAlarm());
    QCOMPARE(alarm.slut(), std::optional<bool>(false));
}

QTEST_GUILESS_MAIN(TestNedtaellingsAlarm)
#include "tst_nedtaellingsalarm.moc"
