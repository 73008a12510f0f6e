#include "clock/Takt.h"

#include <QTest>

namespace {

QDateTime kl(int h, int m, int s, int ms)
{
    return QDateTime(QDate(2026, 12, 10), QTime(h, m, s, ms));
}

} // namespace

class TestTakt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sekund_data()
    {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<int>("vent");
        QTest::newRow("mid-second") << kl(10, 0, 0, 400) << 603;
        QTest::newRow("on the boundary") << kl(10, 0, 0, 0) << 3;
        QTest::newRow("inside the margin") << kl(10, 0, 0, 2) << 1;
        QTest::newRow("at the margin") << kl(10, 0, 0, 3) << 1000;
        QTest::newRow("last millisecond") << kl(10, 0, 0, 999) << 4;
        QTest::newRow("before midnight") << kl(23, 59, 59, 900) << 103;
    }
    void sekund()
    {
        QFETCH(QDateTime, nu);
        QFETCH(int, vent);
        QCOMPARE(Takt::msTilNaesteSekund(nu), vent);
    }

    void minut_data()
    {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<int>("vent");
        QTest::newRow("mid-minute") << kl(10, 0, 30, 0) << 30003;
        QTest::newRow("just after the tick") << kl(10, 5, 0, 3) << 60000;
        QTest::newRow("before midnight") << kl(23, 59, 59, 500) << 503;
    }
    void minut()
    {
        QFETCH(QDateTime, nu);
        QFETCH(int, vent);
        QCOMPARE(Takt::msTilNaesteMinut(nu), vent);
    }

    // A stopwatch steps on the seconds since its own start, not the clock's.
    void fraStart_data()
    {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<int>("vent");
        QTest::newRow("at start") << kl(10, 0, 0, 250) << 3;
        QTest::newRow("a little later") << kl(10, 0, 1, 0) << 253;
        QTest::newRow("a day later") << kl(10, 0, 0, 250).addDays(1).addMSecs(600) << 403;
        // The wall clock set back before the start: still whole seconds from it.
        QTest::newRow("set back") << kl(9, 0, 0, 750) << 503;
    }
    void fraStart()
    {
        QFETCH(QDateTime, nu);
        QFETCH(int, vent);
        QCOMPARE(Takt::msTilNaeste(kl(10, 0, 0, 250), nu, 1000), vent);
    }
};

QTEST_APPLESS_MAIN(TestTakt)
#include "tst_takt.moc"
