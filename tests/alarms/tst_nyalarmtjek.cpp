#include "alarms/NyAlarmTjek.h"

#include <QTest>

namespace {

const QString kAlarmDir = QStringLiteral("/u/Alarmer/");
const QString kTekster = QStringLiteral("/u/Alarmtekster/");

const QString kAar = QStringLiteral("År er forkert.\rDer skal anføres 4 cifre.");
const QString kMaaned =
    QStringLiteral("Måned er forkert.\rVærdien skal være mellem 1 og 12 begge medregnet.");
const QString kDag =
    QStringLiteral("Dag er forkert.\rVærdien skal være mellem 1 og 31 begge medregnet.");
const QString kTime = QStringLiteral(
    "Time er forkert.\rVærdien skal være mellem 0 og 23 begge medregnet.\rMidnat hører til den "
    "nye dag, altså \rTime: 0 Minut: 0");
const QString kMinut =
    QStringLiteral("Minut er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet.");
const QString kGentagelse =
    QStringLiteral("Gentagelse er forkert.\rVærdien skal være mellem 1 og 16 begge medregnet.");

} // namespace

class TestNyAlarmTjek : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void savedAlarmHoldsTheFields();
    void overwriteQuestion();
    void headingMustFitTheCodePage_data();
    void headingMustFitTheCodePage();
};

void TestNyAlarmTjek::checks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("felter"); // year, month, day, hour, minute, repetitions
    QTest::addColumn<QString>("navn");       // the file name written, or empty
    QTest::addColumn<QString>("besked");     // the message shown, or empty

    const auto row = [](const char *name, AlarmType type, QStringList felter, QString navn,
                        QString besked) {
        QTest::newRow(name) << int(type) << felter << navn << besked;
    };
    const AlarmType D = AlarmType::Daglig, T = AlarmType::Dato, G = AlarmType::Aarlig;
    // The date fields of a daily alarm do not count, whatever they hold.
    row("daily 7:5", D, {"x", "", "99", "7", "5", "3"}, "0000-00-00-07-05.txt", {});
    row("dated", T, {"2015", "12", "24", "18", "0", "1"}, "2015-12-24-18-00.txt", {});
    row("yearly 17 May 08:00", G, {"", "5", "17", "8", "0", "1"}, "3016-05-17-08-00.txt", {});
    row("yearly ignores a typed year", G, {"12", "5", "17", "8", "0", "1"}, "3016-05-17-08-00.txt",
        {});
    row("31 February is accepted", T, {"2027", "2", "31", "8", "0", "1"}, "2027-02-31-08-00.txt",
        {});
    row("limits accepted", T, {"2027", "1", "1", "23", "59", "16"}, "2027-01-01-23-59.txt", {});
    row("midnight", D, {"", "", "", "0", "0", "1"}, "0000-00-00-00-00.txt", {});

    row("year of 3 digits", T, {"201", "12", "24", "18", "0", "1"}, {}, kAar);
    row("year empty", T, {"", "12", "24", "18", "0", "1"}, {}, kAar);
    row("year with letters", T, {"20a5", "12", "24", "18", "0", "1"}, {}, kAar);
    row("month 13 and day 40: only the month", T, {"2027", "13", "40", "18", "0", "1"}, {},
        kMaaned);
    row("month 0", T, {"2027", "0", "1", "18", "0", "1"}, {}, kMaaned);
    row("month empty", T, {"2027", "", "1", "18", "0", "1"}, {}, kMaaned);
    row("month with a blank", G, {"", " 5", "1", "18", "0", "1"}, {}, kMaaned);
    row("day 32", T, {"2027", "1", "32", "18", "0", "1"}, {}, kDag);
    row("day empty", G, {"", "1", "", "18", "0", "1"}, {}, kDag);
    row("hour 24", D, {"", "", "", "24", "0", "1"}, {}, kTime);
    row("hour empty", D, {"", "", "", "", "0", "1"}, {}, kTime);
    row("hour negative", D, {"", "", "", "-1", "0", "1"}, {}, kTime);
    row("hour of 20 digits", D, {"", "", "", "12345678901234567890", "0", "1"}, {}, kTime);
    row("minute 60", D, {"", "", "", "10", "60", "1"}, {}, kMinut);
    row("minute letters", D, {"", "", "", "10", "ab", "1"}, {}, kMinut);
    row("minute empty", D, {"", "", "", "10", "", "1"}, {}, kMinut);
    row("repetitions 17", D, {"", "", "", "10", "0", "17"}, {}, kGentagelse);
    row("repetitions 0", D, {"", "", "", "10", "0", "0"}, {}, kGentagelse);
    row("repetitions empty", D, {"", "", "", "10", "0", ""}, {}, kGentagelse);
    row("repetitions with a sign", D, {"", "", "", "10", "0", "+3"}, {}, kGentagelse);
}

void TestNyAlarmTjek::checks()
{
    QFETCH(int, type);
    QFETCH(QStringList, felter);
    QFETCH(QString, navn);
    QFETCH(QString, besked);

    NyAlarmFelter f;
    f.type = AlarmType(type);
    f.aar = felter.at(0);
    f.maaned = felter.at(1);
    f.dag = felter.at(2);
    f.time = felter.at(3);
    f.minut = felter.at(4);
    f.gentagelse = felter.at(5);
    const NyAlarmTjek::Resultat r = NyAlarmTjek::gemAlarm(f, kAlarmDir, kTekster);
    QCOMPARE(r.besked, besked);
    QCOMPARE(r.alarm.has_value(), besked.isEmpty());
    if (r.alarm) {
        QCOMPARE(r.alarm->filnavn, kAlarmDir + navn);
        QCOMPARE(r.alarm->tekstfilnavn, kTekster + navn);
    }
}

void TestNyAlarmTjek::savedAlarmHoldsTheFields()
{
    NyAlarmFelter f{AlarmType::Daglig, "x", "y", "z", "7", "5", 2, "3", ""};
    const NyAlarmTjek::Resultat r = NyAlarmTjek::gemAlarm(f, kAlarmDir, kTekster);
    QVERIFY(r.alarm);
    const TAlarmRecord &a = *r.alarm;
    QCOMPARE((QStringList{a.aarS, a.maanedS, a.dagS, a.timeS, a.minutS}),
             (QStringList{"0000", "00", "00", "07", "05"}));
    QCOMPARE(a.alarmtype, AlarmType::Daglig);
    QCOMPARE(a.alarmfil, 2);
    QCOMPARE(a.gentagelse, 3);
    QCOMPARE(a.overskrift, QStringLiteral("Ingen overskrift"));

    f = {AlarmType::Aarlig, "", "5", "17", "8", "0", -1, "1", QString(36, u'Æ')};
    const NyAlarmTjek::Resultat g = NyAlarmTjek::gemAlarm(f, kAlarmDir, kTekster);
    QVERIFY(g.alarm);
    QCOMPARE(g.alarm->aarS, QStringLiteral("3016"));
    QCOMPARE(g.alarm->aar, 3016);
    QCOMPARE(g.alarm->maanedS, QStringLiteral("05"));
    QCOMPARE(g.alarm->alarmfil, -1);
    QCOMPARE(g.alarm->overskrift, QString(36, u'Æ'));
}

void TestNyAlarmTjek::overwriteQuestion()
{
    TAlarmRecord a;
    a.filnavn = kAlarmDir + "3016-05-17-08-00.txt";
    a.tekstfilnavn = kTekster + "3016-05-17-08-00.txt";
    QCOMPARE(
        NyAlarmTjek::overskrivSpoergsmaal(a),
        (QStringList{"Alarmen eksisterer allerede.", "Skal filerne overskrives?", "",
                     "..Alarmer/3016-05-17-08-00.txt", "..Alarmtekster/3016-05-17-08-00.txt"}));
}

void TestNyAlarmTjek::headingMustFitTheCodePage_data()
{
    QTest::addColumn<QString>("overskrift");
    QTest::addColumn<bool>("gemmes");
    QTest::newRow("Danish letters") << QStringLiteral("Æblegrød på én søndag ½ €") << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("Polish letter") << QStringLiteral("Łódź") << false;
    QTest::newRow("Greek") << QStringLiteral("Ωmega") << false;
    QTest::newRow("emoji") << QStringLiteral("Kaffe ☕") << false;
}

void TestNyAlarmTjek::headingMustFitTheCodePage()
{
    QFETCH(QString, overskrift);
    QFETCH(bool, gemmes);
    QCOMPARE(NyAlarmTjek::kanGemmesAnsi(overskrift), gemmes);
    const NyAlarmFelter f{AlarmType::Daglig, "", "", "", "7", "5", 0, "1", overskrift};
    const NyAlarmTjek::Resultat r = NyAlarmTjek::gemAlarm(f, kAlarmDir, kTekster);
    QCOMPARE(r.alarm.has_value(), gemmes);
    if (!gemmes)
        QVERIFY(r.besked.startsWith("Overskriften indeholder tegn"));
}

QTEST_GUILESS_MAIN(TestNyAlarmTjek)
#include "tst_nyalarmtjek.moc"
