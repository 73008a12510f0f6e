#include "TestAlarmer.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "alarms/Alarmvaerk.h"
#include "base/DataFolders.h"
#include "base/LydListe.h"
#include "base/TextListFile.h"
#include "dialogs/Messages.h"
#include "platform/fake/FakePlatform.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The clockwork's notices, kept for the test to read.
class Notices final : public Messages
{
public:
    void information(const QString &text) override { informations.append(text); }
    void error(const QString &text) override { informations.append(text); }
    QStringList informations;
};

QDateTime idag(int time, int minut, int sekund = 0, int ms = 0)
{
    return QDateTime(QDate(2026, 12, 10), QTime(time, minut, sekund, ms));
}

// One user's folders with a sound, a fake clock and sound player, and the
// clockwork of as many running copies as a test makes.
struct Vaerk
{
    explicit Vaerk(const QDateTime &nu = idag(10, 15, 30))
    {
        platform.localTime.set(nu);
        putFile(tmp.path() + "/Alarmlydfiler/Klokkespil.wav", "RIFF");
        lyde.hent();
    }

    std::unique_ptr<Alarmvaerk> kopi()
    {
        auto vaerk = std::make_unique<Alarmvaerk>(folders, platform.localTime, platform.soundPlayer,
                                                  lyde, messages);
        vaerk->setVisning([this](const AlarmVisning &alarm) {
            viste.append(alarm);
            return true;
        });
        return vaerk;
    }

    void saet(const QDateTime &nu) { platform.localTime.set(nu); }

    // The state file as a run that last checked at that moment left it.
    void sidstTjekket(const QDateTime &tid)
    {
        AlarmTilstand tilstand(folders.optFile(QStringLiteral("alarmtilstand.txt")));
        tilstand.hent();
        tilstand.sidstTjekket = tid.toUTC();
        QVERIFY(tilstand.gem());
    }

    QTemporaryDir tmp;
    FakePlatform platform;
    Notices messages;
    DataFolders folders{tmp.path(), QStringLiteral("Anna")};
    LydListe lyde{folders.LydDir};
    QList<AlarmVisning> viste;
};

// Writes an alarm pair: year text "0000" daily, "3016" yearly, else dated.
TAlarmRecord skrivAlarm(const DataFolders &folders, const char *aar, int maaned, int dag, int time,
                        int minut, const char *overskrift)
{
    TAlarmRecord a;
    a.aarS = QString::fromLatin1(aar);
    a.maanedS = getStr(maaned);
    a.dagS = getStr(dag);
    a.aar = quint16(a.aarS.toInt());
    a.maaned = quint16(maaned);
    a.dag = quint16(dag);
    a.time = quint16(time);
    a.minut = quint16(minut);
    a.timeS = getStr(time);
    a.minutS = getStr(minut);
    a.alarmtype = a.aar == 0      ? AlarmType::Daglig
                  : a.aar == 3016 ? AlarmType::Aarlig
                                  : AlarmType::Dato;
    a.overskrift = QString::fromUtf8(overskrift);
    a.alarmfil = 1;
    a.gentagelse = 2;
    const QString stem = AlarmFile::stem(a.aarS, maaned, dag, time, minut) + ".txt";
    a.filnavn = folders.alarmDir + stem;
    a.tekstfilnavn = folders.alarmTekster + stem;
    if (!AlarmFile::skrivAlarmfil(a) || !putFile(a.tekstfilnavn, "{\\rtf1 Husk\\par}"))
        qFatal("could not write an alarm");
    return a;
}

} // namespace

class TestAlarmvaerk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void naesteTjek_data();
    void naesteTjek();
    void naesteForsoegIsTheNextMinute();
    void timerWakesAtTheSecondsBoundary();
    void timerSleepsToTheNextAlarmAndFollowsAJump();
    void lockHeldByAnotherCopyFiresNothing();
    void takeOverWithinAMinuteFiresNothingTwice();
    void twoAlarmsInOneMinuteSoundOneAfterTheOther();
    void dueAlarmWaitsBehindTheCountdownSound();
    void countdownWaitsBehindAnAlarmsSound();

    void forfaldOnSummerTimeDays_data();
    void forfaldOnSummerTimeDays();
    void iGabet_data();
    void iGabet();
    void gapOfEightHoursFiresTheLateAndListsTheRest();
    void restartAfterAGapListsNothingTwice();
    void clockSetBackFiresNothingTwice();
    void summerTimeEndsAndTheRepeatedHourFiresOnce();
    void summerTimeBeginsAndTheSkippedHourFiresAtThree();
    void snoozeFiresAgainAndSurvivesARestart();
    void snoozeDueWhileNotRunningIsMissed();
    void twoCopiesListAMissedAlarmOnce();
    void listOpenAtQuitIsListedAgain();
    void stateFileKeepsTheUnseenAndReadsTheEarlierForm();
    void zoneChangeIsAGap();
    void changingTheSoundingAlarmStopsItsSound_data();
    void changingTheSoundingAlarmStopsItsSound();
};

void TestAlarmvaerk::naesteTjek_data()
{
    QTest::addColumn<QDateTime>("nu");
    QTest::addColumn<QDate>("indlaest");
    QTest::addColumn<QList<QDateTime>>("tider");
    QTest::addColumn<QDateTime>("naeste");

    const QDate dag(2026, 12, 10);
    QTest::newRow("alarm later today")
        << idag(10, 15, 30, 250) << dag << QList<QDateTime>{idag(11, 0), idag(12, 30)}
        << idag(11, 0);
    QTest::newRow("folder order is not time order")
        << idag(10, 15, 30) << dag << QList<QDateTime>{idag(12, 30), idag(11, 0)} << idag(11, 0);
    QTest::newRow("no alarms: midnight")
        << idag(10, 15, 30) << dag << QList<QDateTime>{} << QDateTime(dag.addDays(1), QTime(0, 0));
    QTest::newRow("due within the minute: next second")
        << idag(10, 59, 1, 400) << dag << QList<QDateTime>{idag(11, 0)} << idag(10, 59, 2);
    QTest::newRow("a minute and a bit: sleeps")
        << idag(10, 58, 59) << dag << QList<QDateTime>{idag(11, 0)} << idag(11, 0);
    QTest::newRow("due and waiting: next second")
        << idag(10, 15, 59, 999) << dag << QList<QDateTime>{idag(10, 15)} << idag(10, 16, 0);
    QTest::newRow("late evening, across midnight")
        << idag(23, 59, 30) << dag << QList<QDateTime>{} << QDateTime(dag.addDays(1), QTime(0, 0));
    QTest::newRow("list of yesterday: reload at once")
        << QDateTime(dag.addDays(1), QTime(0, 0, 0, 20)) << dag << QList<QDateTime>{idag(7, 0)}
        << QDateTime(dag.addDays(1), QTime(0, 0, 1));
    QTest::newRow("clock jumped past an alarm")
        << idag(14, 0, 3) << dag << QList<QDateTime>{idag(11, 0)} << idag(14, 0, 4);
    QTest::newRow("put off until after midnight: midnight first")
        << idag(23, 0) << dag << QList<QDateTime>{QDateTime(dag.addDays(1), QTime(0, 5))}
        << QDateTime(dag.addDays(1), QTime(0, 0));
    QTest::newRow("clock jumped back to yesterday")
        << QDateTime(dag.addDays(-1), QTime(22, 0)) << dag << QList<QDateTime>{idag(7, 0)}
        << QDateTime(dag.addDays(-1), QTime(22, 0, 1));
}

void TestAlarmvaerk::naesteTjek()
{
    QFETCH(QDateTime, nu);
    QFETCH(QDate, indlaest);
    QFETCH(QList<QDateTime>, tider);
    QFETCH(QDateTime, naeste);
    QCOMPARE(Alarmvaerk::naesteTjek(nu, indlaest, tider), naeste);
}

void TestAlarmvaerk::naesteForsoegIsTheNextMinute()
{
    QCOMPARE(Alarmvaerk::naesteForsoeg(idag(10, 15, 30, 500)), idag(10, 16));
    QCOMPARE(Alarmvaerk::naesteForsoeg(idag(23, 59, 59)),
             QDateTime(QDate(2026, 12, 11), QTime(0, 0)));
}

void TestAlarmvaerk::timerWakesAtTheSecondsBoundary()
{
    Vaerk v(idag(10, 14, 59, 250));
    dagligAlarm(v.folders, 10, 15);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    QVERIFY(vaerk->alarmTimer()->isActive());
    QVERIFY(vaerk->alarmTimer()->isSingleShot());
    QCOMPARE(vaerk->alarmTimer()->interval(), 750);
    // The timer itself fires the alarm at 10:15:00.
    v.saet(idag(10, 15, 0, 0));
    QTRY_COMPARE(v.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(v.viste.size(), 1);
}

void TestAlarmvaerk::timerSleepsToTheNextAlarmAndFollowsAJump()
{
    Vaerk v(idag(10, 15, 30));
    dagligAlarm(v.folders, 11, 0);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    QCOMPARE(vaerk->alarmTimer()->interval(), (44 * 60 + 30) * 1000);
    // A change of the list is a new wait: nothing more today sleeps to midnight.
    QFile::remove(v.folders.alarmDir + "0000-00-00-11-00.txt");
    vaerk->hentAlarmer();
    QCOMPARE(vaerk->alarmTimer()->interval(), (13 * 3600 + 44 * 60 + 30) * 1000);
    // The wall clock is set to a new day: the list is read anew at once.
    dagligAlarm(v.folders, 11, 0);
    QSignalSpy aendret(vaerk.get(), &Alarmvaerk::captionAendret);
    v.saet(QDateTime(QDate(2026, 12, 11), QTime(10, 59, 59, 900)));
    QCOMPARE(vaerk->alarmTimer()->interval(), 100);
    QTRY_COMPARE(aendret.size(), 1);
    QCOMPARE(aendret.first().first().toString(), QStringLiteral("1 aktiv alarm"));
    v.saet(QDateTime(QDate(2026, 12, 11), QTime(11, 0)));
    QTRY_COMPARE(v.platform.soundPlayer.plays.size(), 1);
}

void TestAlarmvaerk::lockHeldByAnotherCopyFiresNothing()
{
    Vaerk v(idag(10, 14, 30));
    dagligAlarm(v.folders, 10, 15);
    auto foerste = v.kopi();
    auto anden = v.kopi();
    foerste->hentAlarmer();
    anden->hentAlarmer();
    QCOMPARE(foerste->caption(), QStringLiteral("1 aktiv alarm"));
    QCOMPARE(anden->caption(), QStringLiteral("0 aktive alarmer"));
    // The copy without the lock looks in once a minute, at the minute.
    QCOMPARE(anden->alarmTimer()->interval(), 30 * 1000);

    v.saet(idag(10, 15, 0));
    anden->alarmTimerTimer();
    QVERIFY(v.platform.soundPlayer.plays.isEmpty());
    foerste->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
}

void TestAlarmvaerk::takeOverWithinAMinuteFiresNothingTwice()
{
    Vaerk v(idag(10, 14, 30));
    dagligAlarm(v.folders, 10, 15);
    dagligAlarm(v.folders, 10, 17);
    auto foerste = v.kopi();
    auto anden = v.kopi();
    foerste->hentAlarmer();
    anden->hentAlarmer();
    v.saet(idag(10, 15, 0));
    foerste->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    v.platform.soundPlayer.finish();

    // The first copy ends; the second takes the lock at its next look and
    // reads the list only at the start of the next minute.
    foerste.reset();
    v.saet(idag(10, 15, 40));
    anden->alarmTimerTimer();
    QCOMPARE(anden->alarmTimer()->interval(), 20 * 1000);
    QCOMPARE(anden->caption(), QStringLiteral("0 aktive alarmer"));
    v.saet(idag(10, 16, 0));
    anden->alarmTimerTimer();
    QCOMPARE(anden->caption(), QStringLiteral("1 aktiv alarm"));
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    v.saet(idag(10, 17, 0));
    anden->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 2);
}

void TestAlarmvaerk::twoAlarmsInOneMinuteSoundOneAfterTheOther()
{
    Vaerk v(idag(10, 15, 10));
    dagligAlarm(v.folders, 10, 15);
    // A dated alarm of today at the same minute.
    TAlarmRecord dato;
    dato.aarS = QStringLiteral("2026");
    dato.maanedS = QStringLiteral("12");
    dato.dagS = QStringLiteral("10");
    dato.time = 10;
    dato.minut = 15;
    dato.timeS = getStr(10);
    dato.minutS = getStr(15);
    dato.alarmtype = AlarmType::Dato;
    dato.overskrift = QStringLiteral("Tandlæge");
    dato.alarmfil = 1;
    dato.gentagelse = 1;
    const QString stem = AlarmFile::stem(dato.aarS, 12, 10, 10, 15) + ".txt";
    dato.filnavn = v.folders.alarmDir + stem;
    dato.tekstfilnavn = v.folders.alarmTekster + stem;
    QVERIFY(AlarmFile::skrivAlarmfil(dato));
    QVERIFY(putFile(dato.tekstfilnavn, "{\\rtf1 Tid\\par}"));

    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    QCOMPARE(vaerk->caption(), QStringLiteral("2 aktive alarmer"));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    QVERIFY(vaerk->dagensAlarmer().firing());
    // While the first sounds, the second waits, ticking each second.
    v.saet(idag(10, 16, 5));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(vaerk->alarmTimer()->interval(), 1000);
    v.platform.soundPlayer.finish();
    QVERIFY(!vaerk->dagensAlarmer().firing());
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(v.viste.size(), 2);
    QCOMPARE(vaerk->caption(), QStringLiteral("Ingen alarmer"));
    QVERIFY(!QFile::exists(dato.filnavn));
}

void TestAlarmvaerk::dueAlarmWaitsBehindTheCountdownSound()
{
    Vaerk v(idag(10, 15, 10));
    dagligAlarm(v.folders, 10, 15);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    int slut = 0;
    vaerk->naarLydenErFri(
        [&] { v.platform.soundPlayer.play(QStringLiteral("nedtaelling"), 1, false); },
        [&] { ++slut; });
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);

    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    QVERIFY(v.viste.isEmpty());
    QCOMPARE(vaerk->caption(), QStringLiteral("1 aktiv alarm"));
    v.platform.soundPlayer.finish();
    QCOMPARE(slut, 1);
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(v.viste.size(), 1);
    // The alarm's own sound ending is not the countdown's end.
    v.platform.soundPlayer.finish();
    QCOMPARE(slut, 1);
}

void TestAlarmvaerk::countdownWaitsBehindAnAlarmsSound()
{
    Vaerk v(idag(10, 15, 10));
    dagligAlarm(v.folders, 10, 15);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);

    int start = 0;
    int slut = 0;
    const auto spil = [&] {
        ++start;
        v.platform.soundPlayer.play(QStringLiteral("nedtaelling"), 1, false);
    };
    vaerk->naarLydenErFri(spil, [&] { ++slut; });
    QCOMPARE(start, 0);
    v.platform.soundPlayer.finish();
    QCOMPARE(start, 1);
    QCOMPARE(slut, 0);
    QCOMPARE(v.platform.soundPlayer.plays.last().path, QStringLiteral("nedtaelling"));
    v.platform.soundPlayer.finish();
    QCOMPARE(slut, 1);

    // A request dropped while it waits never sounds.
    dagligAlarm(v.folders, 10, 16);
    v.saet(idag(10, 16, 0));
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    vaerk->naarLydenErFri(spil, [&] { ++slut; });
    vaerk->glemVentende();
    v.platform.soundPlayer.finish();
    QCOMPARE(start, 1);
}

void TestAlarmvaerk::forfaldOnSummerTimeDays_data()
{
    QTest::addColumn<QDate>("dag");
    QTest::addColumn<QTime>("tid");
    QTest::addColumn<QDateTime>("forfald");
    // Europe/Copenhagen: 2027-03-28 02:00 becomes 03:00; 2026-10-25 03:00 becomes 02:00.
    QTest::newRow("skipped hour") << QDate(2027, 3, 28) << QTime(2, 30)
                                  << QDateTime(QDate(2027, 3, 28), QTime(3, 0));
    QTest::newRow("skipped hour, its start")
        << QDate(2027, 3, 28) << QTime(2, 0) << QDateTime(QDate(2027, 3, 28), QTime(3, 0));
    QTest::newRow("after the skipped hour")
        << QDate(2027, 3, 28) << QTime(3, 10) << QDateTime(QDate(2027, 3, 28), QTime(3, 10));
    QTest::newRow("repeated hour: the first time round")
        << QDate(2026, 10, 25) << QTime(2, 30)
        << QDateTime::fromString(QStringLiteral("2026-10-25T02:30:00+02:00"), Qt::ISODate);
}

void TestAlarmvaerk::forfaldOnSummerTimeDays()
{
    QFETCH(QDate, dag);
    QFETCH(QTime, tid);
    QFETCH(QDateTime, forfald);
    const QDateTime beregnet = MistedeAlarmer::forfald(dag, tid.hour(), tid.minute());
    QCOMPARE(beregnet.toMSecsSinceEpoch(), forfald.toMSecsSinceEpoch());
}

void TestAlarmvaerk::iGabet_data()
{
    QTest::addColumn<QDateTime>("fra");
    QTest::addColumn<QDateTime>("til");
    QTest::addColumn<QStringList>("forfaldne");

    QTest::newRow("eight hours") << idag(0, 30) << idag(8, 30)
                                 << QStringList{"2026-12-10 08:25 Tandlæge", "2026-12-10 07:00 Op",
                                                "2026-12-10 06:00 Tog",
                                                "2026-12-10 03:00 Fødselsdag"};
    QTest::newRow("over midnight and several days")
        << QDateTime(QDate(2026, 12, 8), QTime(22, 0)) << idag(7, 30)
        << QStringList{"2026-12-10 07:00 Op",         "2026-12-10 06:00 Tog",
                       "2026-12-10 03:00 Fødselsdag", "2026-12-09 23:00 Sengetid",
                       "2026-12-09 07:00 Op",         "2026-12-08 23:00 Sengetid"};
    QTest::newRow("the ends are not in the gap") << idag(7, 0) << idag(8, 25) << QStringList{};
    QTest::newRow("clock set back: no gap") << idag(9, 0) << idag(6, 0) << QStringList{};
}

void TestAlarmvaerk::iGabet()
{
    QFETCH(QDateTime, fra);
    QFETCH(QDateTime, til);
    QFETCH(QStringList, forfaldne);
    Vaerk v;
    skrivAlarm(v.folders, "0000", 0, 0, 7, 0, "Op");
    skrivAlarm(v.folders, "0000", 0, 0, 23, 0, "Sengetid");
    skrivAlarm(v.folders, "2026", 12, 10, 6, 0, "Tog");
    skrivAlarm(v.folders, "2026", 12, 10, 8, 25, "Tandlæge");
    skrivAlarm(v.folders, "3016", 12, 10, 3, 0, "Fødselsdag");
    QStringList fundet;
    for (const ForfaldenAlarm &f : MistedeAlarmer::iGabet(v.folders.alarmDir, fra, til))
        fundet << f.tid.toString(QStringLiteral("yyyy-MM-dd HH:mm ")) + f.alarm.overskrift;
    QCOMPARE(fundet, forfaldne);
}

void TestAlarmvaerk::gapOfEightHoursFiresTheLateAndListsTheRest()
{
    Vaerk v(idag(8, 30));
    v.sidstTjekket(idag(0, 30));
    const TAlarmRecord op = skrivAlarm(v.folders, "0000", 0, 0, 7, 0, "Op");
    const TAlarmRecord tog = skrivAlarm(v.folders, "2026", 12, 10, 6, 0, "Tog");
    const TAlarmRecord tandlaege = skrivAlarm(v.folders, "2026", 12, 10, 8, 25, "Tandlæge");
    skrivAlarm(v.folders, "3016", 12, 10, 3, 0, "Fødselsdag");
    skrivAlarm(v.folders, "0000", 0, 0, 9, 0, "Møde");
    auto vaerk = v.kopi();
    QSignalSpy mistede(vaerk.get(), &Alarmvaerk::mistede);
    vaerk->hentAlarmer();

    QCOMPARE(mistede.size(), 1);
    const auto liste = mistede.first().first().value<QList<ForfaldenAlarm>>();
    QStringList navne;
    for (const ForfaldenAlarm &f : liste)
        navne << f.tid.toString(QStringLiteral("HH:mm ")) + f.alarm.overskrift;
    QCOMPARE(navne, (QStringList{"07:00 Op", "06:00 Tog", "03:00 Fødselsdag"}));
    QCOMPARE(vaerk->caption(), QStringLiteral("1 aktiv alarm"));

    // Five minutes late is within the ten: it fires, marked late, and goes as fired.
    QCOMPARE(vaerk->alarmTimer()->interval(), 1000);
    vaerk->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 1);
    QCOMPARE(v.viste.first().overskrift, QStringLiteral("Tandlæge"));
    QCOMPARE(v.viste.first().skulleHaveLydt, idag(8, 25));
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    QVERIFY(!QFile::exists(tandlaege.filnavn));
    v.platform.soundPlayer.finish();
    vaerk->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 1);

    // The dated alarm in the list stays on disk until the list has been seen.
    QVERIFY(QFile::exists(tog.filnavn));
    vaerk->mistedeSet(liste);
    QVERIFY(!QFile::exists(tog.filnavn));
    QVERIFY(!QFile::exists(tog.tekstfilnavn));
    QVERIFY(QFile::exists(op.filnavn));

    // The next one fires on time, unmarked.
    v.saet(idag(9, 0));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 2);
    QVERIFY(!v.viste.last().skulleHaveLydt.isValid());
}

void TestAlarmvaerk::restartAfterAGapListsNothingTwice()
{
    Vaerk v(idag(7, 5));
    v.sidstTjekket(idag(6, 0));
    skrivAlarm(v.folders, "0000", 0, 0, 7, 0, "Op");
    auto foerste = v.kopi();
    foerste->hentAlarmer();
    foerste->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 1);
    foerste.reset();

    v.saet(idag(7, 6));
    auto igen = v.kopi();
    QSignalSpy mistede(igen.get(), &Alarmvaerk::mistede);
    igen->hentAlarmer();
    igen->alarmTimerTimer();
    QCOMPARE(mistede.size(), 0);
    QCOMPARE(v.viste.size(), 1);

    // A limit of 0 lists even the alarm of a minute ago.
    igen->setForsinkelse(0);
    igen.reset();
    v.sidstTjekket(idag(6, 0));
    auto tredje = v.kopi();
    QCOMPARE(tredje->forsinkelse(), 0);
    QSignalSpy mistede3(tredje.get(), &Alarmvaerk::mistede);
    tredje->hentAlarmer();
    tredje->alarmTimerTimer();
    QCOMPARE(mistede3.size(), 1);
    QCOMPARE(v.viste.size(), 1);
}

void TestAlarmvaerk::clockSetBackFiresNothingTwice()
{
    Vaerk v(idag(10, 14, 50));
    dagligAlarm(v.folders, 10, 15);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    v.saet(idag(10, 15, 0));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    v.platform.soundPlayer.finish();

    v.saet(idag(10, 10, 0));
    vaerk->alarmTimerTimer();
    vaerk->hentAlarmer();
    QCOMPARE(vaerk->caption(), QStringLiteral("0 aktive alarmer"));
    v.saet(idag(10, 15, 0));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
}

void TestAlarmvaerk::summerTimeEndsAndTheRepeatedHourFiresOnce()
{
    const QDateTime foerste =
        QDateTime::fromString(QStringLiteral("2026-10-25T02:29:58+02:00"), Qt::ISODate);
    Vaerk v(foerste.toLocalTime());
    dagligAlarm(v.folders, 2, 30);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    v.saet(foerste.addSecs(2).toLocalTime());
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    v.platform.soundPlayer.finish();
    // An hour later the clock shows 02:30 again.
    v.saet(foerste.addSecs(3602).toLocalTime());
    QCOMPARE(v.platform.localTime.now().time(), QTime(2, 30));
    vaerk->alarmTimerTimer();
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
}

void TestAlarmvaerk::summerTimeBeginsAndTheSkippedHourFiresAtThree()
{
    Vaerk v(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 30)));
    dagligAlarm(v.folders, 2, 30);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    QCOMPARE(vaerk->caption(), QStringLiteral("1 aktiv alarm"));
    QCOMPARE(vaerk->alarmTimer()->interval(), 1000);
    vaerk->alarmTimerTimer();
    QVERIFY(v.platform.soundPlayer.plays.isEmpty());
    v.saet(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 30)).addSecs(30));
    QCOMPARE(v.platform.localTime.now().time(), QTime(3, 0));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.platform.soundPlayer.plays.size(), 1);
    QVERIFY(!v.viste.first().skulleHaveLydt.isValid());
}

void TestAlarmvaerk::snoozeFiresAgainAndSurvivesARestart()
{
    Vaerk v(idag(10, 15, 0));
    skrivAlarm(v.folders, "2026", 12, 10, 10, 15, "Tandlæge");
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 1);
    v.platform.soundPlayer.finish();
    QCOMPARE(vaerk->udsaetMinutter(), 5);
    QVERIFY(!vaerk->udsaet(v.viste.first().id, 7));
    QVERIFY(vaerk->udsaet(v.viste.first().id, 10));
    QCOMPARE(vaerk->udsaetMinutter(), 10);
    QCOMPARE(vaerk->caption(), QStringLiteral("1 aktiv alarm"));
    QCOMPARE(vaerk->udsatte().size(), 1);
    QCOMPARE(vaerk->alarmTimer()->interval(), 10 * 60 * 1000);
    vaerk.reset();

    v.saet(idag(10, 20));
    auto igen = v.kopi();
    igen->hentAlarmer();
    QCOMPARE(igen->udsatte().size(), 1);
    QCOMPARE(igen->udsaetMinutter(), 10);
    QCOMPARE(igen->caption(), QStringLiteral("1 aktiv alarm"));
    v.saet(idag(10, 25));
    igen->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 2);
    QCOMPARE(v.viste.last().overskrift, QStringLiteral("Tandlæge"));
    QVERIFY(!v.viste.last().skulleHaveLydt.isValid());
    QCOMPARE(v.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(v.platform.soundPlayer.plays.last().times, 2);
    QVERIFY(igen->udsatte().isEmpty());
    v.platform.soundPlayer.finish();

    // Put off again and cancelled from the overview: it never fires.
    QVERIFY(igen->udsaet(v.viste.last().id, 5));
    const QString tekst = igen->udsatte().first().tekstfil;
    QVERIFY(QFile::exists(tekst));
    igen->annullerUdsat(0);
    QVERIFY(!QFile::exists(tekst));
    v.saet(idag(10, 31));
    igen->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 2);
    QCOMPARE(igen->caption(), QStringLiteral("0 aktive alarmer"));
}

void TestAlarmvaerk::snoozeDueWhileNotRunningIsMissed()
{
    Vaerk v(idag(10, 15, 0));
    dagligAlarm(v.folders, 10, 15);
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    v.platform.soundPlayer.finish();
    QVERIFY(vaerk->udsaet(v.viste.first().id, 5));
    vaerk.reset();

    v.saet(idag(11, 0));
    auto igen = v.kopi();
    QSignalSpy mistede(igen.get(), &Alarmvaerk::mistede);
    igen->hentAlarmer();
    QCOMPARE(mistede.size(), 1);
    const auto liste = mistede.first().first().value<QList<ForfaldenAlarm>>();
    QCOMPARE(liste.size(), 1);
    QCOMPARE(liste.first().tid, idag(10, 20));
    QVERIFY(igen->udsatte().isEmpty());
    QVERIFY(QFile::exists(liste.first().alarm.tekstfilnavn));
    igen->mistedeSet(liste);
    QVERIFY(!QFile::exists(liste.first().alarm.tekstfilnavn));
    QCOMPARE(v.viste.size(), 1);
}

void TestAlarmvaerk::twoCopiesListAMissedAlarmOnce()
{
    Vaerk v(idag(7, 5));
    v.sidstTjekket(idag(6, 0));
    skrivAlarm(v.folders, "0000", 0, 0, 6, 30, "Op");
    auto foerste = v.kopi();
    auto anden = v.kopi();
    QSignalSpy mistede1(foerste.get(), &Alarmvaerk::mistede);
    QSignalSpy mistede2(anden.get(), &Alarmvaerk::mistede);
    foerste->hentAlarmer();
    anden->hentAlarmer();
    QCOMPARE(mistede1.size(), 1);
    QCOMPARE(mistede2.size(), 0);

    // Seen in the first copy's list: the copy that takes over lists nothing.
    foerste->mistedeSet(mistede1.first().first().value<QList<ForfaldenAlarm>>());
    foerste.reset();
    v.saet(idag(7, 5, 30));
    anden->alarmTimerTimer();
    v.saet(idag(7, 6));
    anden->alarmTimerTimer();
    QCOMPARE(mistede2.size(), 0);
    QVERIFY(v.viste.isEmpty());
}

void TestAlarmvaerk::listOpenAtQuitIsListedAgain()
{
    Vaerk v(idag(8, 30));
    v.sidstTjekket(idag(0, 30));
    skrivAlarm(v.folders, "0000", 0, 0, 7, 0, "Op");
    const TAlarmRecord tog = skrivAlarm(v.folders, "2026", 12, 10, 6, 0, "Tog");
    auto foerste = v.kopi();
    QSignalSpy mistede1(foerste.get(), &Alarmvaerk::mistede);
    foerste->hentAlarmer();
    QCOMPARE(mistede1.size(), 1);
    QCOMPARE(mistede1.first().first().value<QList<ForfaldenAlarm>>().size(), 2);
    // The program quits while the list is open: nothing was seen.
    foerste.reset();
    QVERIFY(QFile::exists(tog.filnavn));

    // The next start lists them again, with what fell due since, each once.
    v.saet(idag(9, 0));
    skrivAlarm(v.folders, "0000", 0, 0, 8, 40, "Kaffe");
    auto anden = v.kopi();
    QSignalSpy mistede2(anden.get(), &Alarmvaerk::mistede);
    anden->hentAlarmer();
    anden->alarmTimerTimer();
    QCOMPARE(mistede2.size(), 1);
    const auto liste = mistede2.first().first().value<QList<ForfaldenAlarm>>();
    QStringList navne;
    for (const ForfaldenAlarm &f : liste)
        navne << f.tid.toString(QStringLiteral("HH:mm ")) + f.alarm.overskrift;
    QCOMPARE(navne, (QStringList{"08:40 Kaffe", "07:00 Op", "06:00 Tog"}));
    QCOMPARE(liste.last().alarm.alarmtype, AlarmType::Dato);
    QVERIFY(v.viste.isEmpty());

    // Seen now: the dated one goes, and no later start lists any of them.
    anden->mistedeSet(liste);
    QVERIFY(!QFile::exists(tog.filnavn));
    QVERIFY(!QFile::exists(tog.tekstfilnavn));
    anden.reset();
    v.saet(idag(9, 1));
    auto tredje = v.kopi();
    QSignalSpy mistede3(tredje.get(), &Alarmvaerk::mistede);
    tredje->hentAlarmer();
    tredje->alarmTimerTimer();
    QCOMPARE(mistede3.size(), 0);
}

void TestAlarmvaerk::stateFileKeepsTheUnseenAndReadsTheEarlierForm()
{
    Vaerk v;
    const QString sti = v.folders.optFile(QStringLiteral("alarmtilstand.txt"));
    // A file from before the unseen alarms were kept: three lines and the alarms put off.
    QVERIFY(TextListFile::write(sti,
                                {"2026-12-10T09:00:00.000Z", "15", "10", "2026-12-10T09:30:00.000Z",
                                 "Tandlæge", "/a/udsat.rtf", "1", "2"}));
    AlarmTilstand gammel(sti);
    gammel.hent();
    QCOMPARE(gammel.sidstTjekket, QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC));
    QCOMPARE(gammel.forsinkelse, 15);
    QCOMPARE(gammel.udsaetMinutter, 10);
    QCOMPARE(gammel.udsatte.size(), 1);
    QVERIFY(gammel.mistede.isEmpty());

    // A stored alarm comes back from its file, a put-off one from its lines;
    // one whose file is gone is left out.
    const TAlarmRecord tog = skrivAlarm(v.folders, "2026", 12, 10, 6, 0, "Tog");
    const TAlarmRecord vaek = skrivAlarm(v.folders, "2026", 12, 10, 5, 0, "Væk");
    TAlarmRecord udsat;
    udsat.overskrift = QStringLiteral("Kaffe");
    udsat.tekstfilnavn = v.folders.optFile(QStringLiteral("udsat-1-1.rtf"));
    udsat.alarmfil = 3;
    udsat.gentagelse = 4;
    gammel.mistede = {{idag(7, 0), udsat},
                      {idag(6, 0), *AlarmFile::loadAlarm(tog.filnavn)},
                      {idag(5, 0), *AlarmFile::loadAlarm(vaek.filnavn)}};
    QVERIFY(gammel.gem());
    QVERIFY(QFile::remove(vaek.filnavn));

    AlarmTilstand ny(sti);
    ny.hent();
    QCOMPARE(ny.udsatte, gammel.udsatte);
    QCOMPARE(ny.mistede.size(), 2);
    QVERIFY(AlarmTilstand::sammeMistede(ny.mistede.at(0), gammel.mistede.at(0)));
    QCOMPARE(ny.mistede.at(0).alarm.overskrift, QStringLiteral("Kaffe"));
    QCOMPARE(ny.mistede.at(0).alarm.alarmfil, 3);
    QCOMPARE(ny.mistede.at(0).alarm.gentagelse, 4);
    QVERIFY(ny.mistede.at(0).alarm.filnavn.isEmpty());
    QVERIFY(AlarmTilstand::sammeMistede(ny.mistede.at(1), gammel.mistede.at(1)));
    QCOMPARE(ny.mistede.at(1).alarm.overskrift, QStringLiteral("Tog"));
    QCOMPARE(ny.mistede.at(1).alarm.alarmtype, AlarmType::Dato);
}

void TestAlarmvaerk::zoneChangeIsAGap()
{
    Vaerk v(idag(10, 0));
    skrivAlarm(v.folders, "0000", 0, 0, 12, 0, "Frokost");
    skrivAlarm(v.folders, "0000", 0, 0, 13, 55, "Møde");
    skrivAlarm(v.folders, "0000", 0, 0, 16, 0, "Hjem");
    auto vaerk = v.kopi();
    QSignalSpy mistede(vaerk.get(), &Alarmvaerk::mistede);
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    QCOMPARE(vaerk->alarmTimer()->interval(), 2 * 3600 * 1000);

    // Four hours east: the system says nothing of a set clock, only of the
    // zone. The timer wakes at once; the alarm five minutes late fires marked
    // late, the older one is listed.
    v.platform.localTime.changeZone(idag(14, 0));
    QVERIFY(vaerk->alarmTimer()->interval() <= 1000);
    QTRY_COMPARE(v.viste.size(), 1);
    QCOMPARE(v.viste.first().overskrift, QStringLiteral("Møde"));
    QCOMPARE(v.viste.first().skulleHaveLydt, idag(13, 55));
    QCOMPARE(mistede.size(), 1);
    const auto liste = mistede.first().first().value<QList<ForfaldenAlarm>>();
    QCOMPARE(liste.size(), 1);
    QCOMPARE(liste.first().alarm.overskrift, QStringLiteral("Frokost"));
    v.platform.soundPlayer.finish();

    // Back again: the hours already checked fire nothing a second time.
    v.platform.localTime.changeZone(idag(10, 5));
    vaerk->alarmTimerTimer();
    for (const QDateTime &nu : {idag(12, 0), idag(13, 55)}) {
        v.saet(nu);
        vaerk->alarmTimerTimer();
    }
    QCOMPARE(v.viste.size(), 1);
    QCOMPARE(mistede.size(), 1);
    v.saet(idag(16, 0));
    vaerk->alarmTimerTimer();
    QCOMPARE(v.viste.size(), 2);
    QCOMPARE(v.viste.last().overskrift, QStringLiteral("Hjem"));
}

void TestAlarmvaerk::changingTheSoundingAlarmStopsItsSound_data()
{
    QTest::addColumn<QString>("aendring");
    QTest::addColumn<bool>("stopper");
    QTest::newRow("deleted") << "slet" << true;
    QTest::newRow("heading edited") << "overskrift" << true;
    QTest::newRow("text edited") << "tekst" << true;
    QTest::newRow("another alarm added") << "anden" << false;
}

void TestAlarmvaerk::changingTheSoundingAlarmStopsItsSound()
{
    QFETCH(QString, aendring);
    QFETCH(bool, stopper);
    Vaerk v(idag(10, 15, 0));
    TAlarmRecord alarm = skrivAlarm(v.folders, "0000", 0, 0, 10, 15, "Kaffe");
    auto vaerk = v.kopi();
    vaerk->hentAlarmer();
    vaerk->alarmTimerTimer();
    QVERIFY(v.platform.soundPlayer.isPlaying());

    if (aendring == QLatin1String("slet")) {
        QVERIFY(AlarmFile::sletAlarmfiler(QFileInfo(alarm.filnavn).fileName(), v.folders.alarmDir,
                                          v.folders.alarmTekster));
    } else if (aendring == QLatin1String("overskrift")) {
        alarm.overskrift = QStringLiteral("Te");
        QVERIFY(AlarmFile::skrivAlarmfil(alarm));
    } else if (aendring == QLatin1String("tekst")) {
        QVERIFY(putFile(alarm.tekstfilnavn, "{\\rtf1 Husk koppen\\par}"));
    } else {
        skrivAlarm(v.folders, "0000", 0, 0, 11, 0, "Frokost");
    }
    vaerk->hentAlarmer();
    QCOMPARE(v.platform.soundPlayer.isPlaying(), !stopper);
    QCOMPARE(vaerk->dagensAlarmer().firing(), !stopper);
}

int main(int argc, char **argv)
{
    // The summer-time days are those of Denmark.
    qputenv("TZ", "Europe/Copenhagen");
    QCoreApplication app(argc, argv);
    TestAlarmvaerk test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_alarmvaerk.moc"
