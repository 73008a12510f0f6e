#include "clock/StopUrTid.h"
#include "clock/TStopUr.h"
#include "platform/fake/FakePlatform.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

QDateTime kl(int h, int m, int s)
{
    return QDateTime(QDate(2026, 12, 10), QTime(h, m, s));
}

// The digital field as the main window sets it up.
struct Felt
{
    FakeLocalTime tid;
    TStopUr ur{tid};
    QSignalSpy onTid{&ur, &TStopUr::OnTid};
    QSignalSpy onAlarm{&ur, &TStopUr::OnAlarm};

    Felt()
    {
        tid.set(kl(10, 0, 0));
        ur.resize(380, 49);
        ur.GrundRamme().SetBredde(0);
        ur.GrundRamme().SetArt(rtIngen);
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(32);
        ur.setFont(f);
        ur.SetFeltFarve(clBtnFace);
    }
    // A tick `sekunder` after the last.
    void tik(int sekunder = 1)
    {
        tid.set(tid.now().addSecs(sekunder));
        ur.OnTim();
    }
    void nedtaelling(quint16 t, quint16 m, quint16 s)
    {
        ur.SetUrType(utAlarm);
        ur.SetTimer(t);
        ur.SetMinutter(m);
        ur.SetSekunder(s);
        ur.Start();
    }
};

} // namespace

class TestStopUr : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void timeOfDay_data();
    void timeOfDay();
    void timeOfDayRedrawsWhenTheMinuteChanges();
    void stopwatchCountsTheClock();
    void stopwatchIgnoresLateAndLostTicks();
    void stopwatchRaisesOnTid();
    void countdownOfZeroAlarmsAtTheFirstTick();
    void countdownOf25HoursCountsDownInFull();
    void lateTickStillReachesTheAlarm();
    void nulStilInCountdown();
    void repaintInCountdownAtZeroRaisesOnAlarmOnce();
    void setUrType();
    void valuesShowAtTheNextDisplay();
    void drawsTheTextInTheContentRectangle();
};

void TestStopUr::text_data()
{
    QTest::addColumn<int>("vaerdi");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("5") << 5 << "05";
    QTest::newRow("59") << 59 << "59";
    QTest::newRow("123") << 123 << "123";
}

void TestStopUr::text()
{
    QFETCH(int, vaerdi);
    QFETCH(QString, tekst);
    QCOMPARE(STid(quint16(vaerdi)), tekst);
}

void TestStopUr::timeOfDay_data()
{
    QTest::addColumn<QDateTime>("nu");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("9:05") << kl(9, 5, 12) << "09:05";
    QTest::newRow("14:30") << kl(14, 30, 0) << "14:30";
    QTest::newRow("midnight") << kl(0, 0, 59) << "00:00";
}

void TestStopUr::timeOfDay()
{
    QFETCH(QDateTime, nu);
    QFETCH(QString, tekst);
    Felt f;
    f.tid.set(nu);
    QCOMPARE(f.ur.UrType(), utNormal);
    QVERIFY(!f.ur.isTicking());
    f.ur.Start();
    QVERIFY(f.ur.isTicking());
    QCOMPARE(f.ur.TidS(), tekst);
    QCOMPARE(f.onTid.count(), 0);
}

void TestStopUr::timeOfDayRedrawsWhenTheMinuteChanges()
{
    Felt f;
    f.tid.set(kl(9, 5, 58));
    f.ur.Start();
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("09:05"));
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("09:06"));
    QCOMPARE(f.ur.Timer(), quint16(9));
    QCOMPARE(f.ur.Minutter(), quint16(6));
}

void TestStopUr::stopwatchCountsTheClock()
{
    Felt f;
    f.ur.SetUrType(utStop);
    f.ur.SetTimer(7);
    f.ur.Start();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    for (int i = 0; i < 60; ++i)
        f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:01:00"));
    f.tik(100 * 3600 - 60);
    QCOMPARE(f.ur.TidS(), QStringLiteral("100:00:00"));
}

void TestStopUr::stopwatchIgnoresLateAndLostTicks()
{
    Felt f;
    f.ur.SetUrType(utStop);
    f.ur.Start();
    // A busy second: the tick comes 1.9 s late, then two are lost.
    f.tid.set(kl(10, 0, 2).addMSecs(900));
    f.ur.OnTim();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:02"));
    f.tik(3);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:05"));
    // NulStil counts on from zero.
    f.ur.NulStil();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    f.tik(61);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:01:01"));
}

void TestStopUr::stopwatchRaisesOnTid()
{
    Felt f;
    f.ur.SetUrType(utStop);
    f.ur.Start();
    QCOMPARE(f.onTid.count(), 1);
    QCOMPARE(f.onTid.last(), (QList<QVariant>{quint16(0), quint16(0), quint16(0)}));
    f.tik(3725);
    QCOMPARE(f.onTid.count(), 2);
    QCOMPARE(f.onTid.last(), (QList<QVariant>{quint16(1), quint16(2), quint16(5)}));
    f.ur.NulStil();
    QCOMPARE(f.onTid.count(), 3);
    QCOMPARE(f.onTid.last(), (QList<QVariant>{quint16(0), quint16(0), quint16(0)}));
    f.ur.Stop();
    // A repaint shows the values again and says so once; Display's own
    // repaints do not repeat what Display raised.
    f.ur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.ur));
    QTRY_COMPARE(f.onTid.count(), 4);
    f.ur.update();
    QTRY_COMPARE(f.onTid.count(), 5);
    f.ur.Display();
    QCOMPARE(f.onTid.count(), 6);
    QTest::qWait(50);
    QCOMPARE(f.onTid.count(), 6);
}

void TestStopUr::countdownOfZeroAlarmsAtTheFirstTick()
{
    Felt f;
    f.nedtaelling(0, 0, 0);
    QVERIFY(f.ur.isTicking());
    QCOMPARE(f.onAlarm.count(), 0);
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(f.onAlarm.count(), 1);
    QVERIFY(!f.ur.isTicking());
}

void TestStopUr::countdownOf25HoursCountsDownInFull()
{
    Felt f;
    f.nedtaelling(25, 0, 0);
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("25:00:00"));
    f.tik(24 * 3600);
    QCOMPARE(f.ur.TidS(), QStringLiteral("01:00:00"));
    f.tik(3599);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:01"));
    QCOMPARE(f.onAlarm.count(), 0);
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(f.onAlarm.count(), 1);
    QVERIFY(!f.ur.isTicking());
}

void TestStopUr::lateTickStillReachesTheAlarm()
{
    Felt f;
    f.nedtaelling(0, 0, 10);
    f.tik(5);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:06"));
    // The program was busy for 25 seconds: the remainder is below zero.
    f.tik(25);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(f.onAlarm.count(), 1);
    QVERIFY(!f.ur.isTicking());
}

void TestStopUr::nulStilInCountdown()
{
    Felt f;
    f.nedtaelling(0, 5, 0);
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:05:00"));
    f.ur.NulStil();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(f.onAlarm.count(), 1);
    QVERIFY(!f.ur.isTicking());
}

void TestStopUr::repaintInCountdownAtZeroRaisesOnAlarmOnce()
{
    Felt f;
    f.ur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.ur));
    f.nedtaelling(0, 0, 1);
    f.tik();
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:01"));
    f.tik();
    QCOMPARE(f.onAlarm.count(), 1);
    // The tick's own repaint raises nothing more.
    QTest::qWait(50);
    QCOMPARE(f.onAlarm.count(), 1);
    // A repaint from outside is a Display of its own.
    f.ur.update();
    QTRY_COMPARE(f.onAlarm.count(), 2);
}

void TestStopUr::setUrType()
{
    Felt f;
    f.tid.set(kl(8, 15, 0));
    f.ur.SetUrType(utNormal);
    QVERIFY(!f.ur.isTicking());
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00"));
    f.ur.SetUrType(utStop);
    QVERIFY(!f.ur.isTicking());
    f.ur.Start();
    QVERIFY(f.ur.isTicking());
    f.ur.SetUrType(utStop);
    QVERIFY(f.ur.isTicking());
    f.ur.SetUrType(utNormal);
    QVERIFY(f.ur.isTicking());
    QCOMPARE(f.ur.TidS(), QStringLiteral("08:15"));
    f.ur.SetUrType(utAlarm);
    QVERIFY(!f.ur.isTicking());
    // The text stays until Start.
    QCOMPARE(f.ur.TidS(), QStringLiteral("08:15"));
}

void TestStopUr::valuesShowAtTheNextDisplay()
{
    Felt f;
    f.ur.SetUrType(utStop);
    f.ur.Start();
    f.ur.Stop();
    f.ur.SetTimer(3);
    f.ur.SetMinutter(4);
    f.ur.SetSekunder(5);
    QCOMPARE(f.ur.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(f.onTid.count(), 1);
    f.ur.Display();
    QCOMPARE(f.ur.TidS(), QStringLiteral("03:04:05"));
    QCOMPARE(f.onTid.last(), (QList<QVariant>{quint16(3), quint16(4), quint16(5)}));
}

void TestStopUr::drawsTheTextInTheContentRectangle()
{
    Felt f;
    f.ur.SetFeltFarve(TColor(0x400000));
    f.ur.SetColor(TColor(0x400000));
    f.tid.set(kl(18, 18, 0));
    f.ur.Start();
    const QImage b = f.ur.grab().toImage();
    const QColor hvid(Qt::white);
    int forsteHvide = b.width();
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.pixelColor(x, y) == hvid)
                forsteHvide = qMin(forsteHvide, x);
        }
    }
    QVERIFY2(forsteHvide >= 12 && forsteHvide < 40, qPrintable(QString::number(forsteHvide)));
    QCOMPARE(b.pixelColor(5, 5), QColor(0, 0, 0x40));
}

QTEST_MAIN(TestStopUr)
#include "tst_stopur.moc"
