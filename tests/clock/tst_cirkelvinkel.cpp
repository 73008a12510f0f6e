#include "clock/TCirkelVinkel.h"
#include "clock/Tegning.h"

#include <QTest>

class TestCirkelVinkel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void pointOnCircle_data();
    void pointOnCircle();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void handAngles_data();
    void handAngles();
    void outOfRangeArgumentsGiveZeroBase();
    void handLengths_data();
    void handLengths();
    void linePixels_data();
    void linePixels();
};

void TestCirkelVinkel::defaults()
{
    TCirkelVinkel v;
    QCOMPARE(v.Vinkel(), 100);
    QCOMPARE(v.CirkelGrader(), 400);
    QCOMPARE(v.Radius(), 100);
    QCOMPARE(v.CentrumX(), 100);
    QCOMPARE(v.CentrumY(), 100);
    // A quarter turn: straight up from the centre.
    QCOMPARE(v.GetCirkelX(), 100);
    QCOMPARE(v.GetCirkelY(), 0);
}

void TestCirkelVinkel::pointOnCircle_data()
{
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("grader");
    QTest::addColumn<int>("vinkel");
    QTest::addColumn<QPoint>("punkt");
    QTest::newRow("2.5000000000000004 rounds up") << 5 << 120 << 20 << QPoint(103, 96);
    QTest::newRow("twelve on 120") << 100 << 120 << 30 << QPoint(100, 0);
    QTest::newRow("one unit on 60") << 100 << 60 << 1 << QPoint(199, 90);
    QTest::newRow("three o'clock") << 10 << 60 << 0 << QPoint(110, 100);
    QTest::newRow("twelve on 60") << 10 << 60 << 15 << QPoint(100, 90);
    QTest::newRow("five on 60") << 10 << 60 << 5 << QPoint(109, 95);
    QTest::newRow("nine o'clock") << 10 << 60 << 30 << QPoint(90, 100);
    QTest::newRow("six o'clock") << 10 << 60 << 45 << QPoint(100, 110);
    QTest::newRow("full turn on 120") << 10 << 120 << 120 << QPoint(110, 100);
}

void TestCirkelVinkel::pointOnCircle()
{
    QFETCH(int, radius);
    QFETCH(int, grader);
    QFETCH(int, vinkel);
    QFETCH(QPoint, punkt);
    TCirkelVinkel v;
    v.SetCentrumX(100);
    v.SetCentrumY(100);
    v.SetRadius(radius);
    v.SetCirkelGrader(grader);
    v.SetVinkel(vinkel);
    QCOMPARE(QPoint(v.GetCirkelX(), v.GetCirkelY()), punkt);
}

void TestCirkelVinkel::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("vaerdi");
    QTest::addColumn<int>("heltal");
    QTest::newRow("148.5") << 148.5 << 148;
    QTest::newRow("87.5") << 87.5 << 88;
    QTest::newRow("106.5") << 106.5 << 106;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("141.75") << 141.75 << 142;
    QTest::newRow("2.4999") << 2.4999 << 2;
}

void TestCirkelVinkel::roundsHalvesToEven()
{
    QFETCH(double, vaerdi);
    QFETCH(int, heltal);
    QCOMPARE(RundAf(vaerdi), heltal);
}

void TestCirkelVinkel::handAngles_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("sek");
    QTest::addColumn<int>("timeVinkel");
    QTest::addColumn<int>("minVinkel");
    QTest::addColumn<int>("sekVinkel");
    QTest::newRow("00:00:00") << 0 << 0 << 0 << 30 << 30 << 30;
    QTest::newRow("12:00:00") << 12 << 0 << 0 << 30 << 30 << 30;
    QTest::newRow("03:00:00") << 3 << 0 << 0 << 120 << 30 << 30;
    QTest::newRow("15:14:59") << 15 << 14 << 59 << 118 << 1 << 32;
    QTest::newRow("15:15:30") << 15 << 15 << 30 << 118 << 119 << 90;
    QTest::newRow("06:30:45") << 6 << 30 << 45 << 85 << 89 << 60;
    QTest::newRow("09:45:15") << 9 << 45 << 15 << 53 << 60 << 0;
    QTest::newRow("23:59:59") << 23 << 59 << 59 << 31 << 31 << 32;
    QTest::newRow("04:16:16") << 4 << 16 << 16 << 108 << 118 << 118;
}

void TestCirkelVinkel::handAngles()
{
    QFETCH(int, time);
    QFETCH(int, min);
    QFETCH(int, sek);
    QFETCH(int, timeVinkel);
    QFETCH(int, minVinkel);
    QFETCH(int, sekVinkel);
    QCOMPARE(int(UrVinkler::TimeVinkel(quint8(time), quint8(min))), timeVinkel);
    QCOMPARE(int(UrVinkler::MinVinkel(quint8(min), quint8(sek))), minVinkel);
    QCOMPARE(int(UrVinkler::SekVinkel(quint8(sek))), sekVinkel);
}

void TestCirkelVinkel::outOfRangeArgumentsGiveZeroBase()
{
    QCOMPARE(int(UrVinkler::SekVinkel(60)), 0);
    // Base 0 less one for the second half minute wraps in 8 bits.
    QCOMPARE(int(UrVinkler::MinVinkel(60, 30)), 255);
    QCOMPARE(int(UrVinkler::MinVinkel(60, 0)), 0);
    QCOMPARE(int(UrVinkler::TimeVinkel(24, 0)), 0);
}

void TestCirkelVinkel::handLengths_data()
{
    QTest::addColumn<int>("urRadius2");
    QTest::addColumn<int>("viserS");
    QTest::addColumn<int>("viserM");
    QTest::addColumn<int>("viserT");
    QTest::newRow("162") << 162 << 148 << 142 << 106;
    QTest::newRow("100") << 100 << 92 << 88 << 66;
    QTest::newRow("0") << 0 << 0 << 0 << 0;
}

void TestCirkelVinkel::handLengths()
{
    QFETCH(int, urRadius2);
    QFETCH(int, viserS);
    QFETCH(int, viserM);
    QFETCH(int, viserT);
    const UrVinkler::ViserLaengder l = UrVinkler::BeregnViserLaengder(urRadius2);
    QCOMPARE(l.ViserS, viserS);
    QCOMPARE(l.ViserM, viserM);
    QCOMPARE(l.ViserT, viserT);
}

void TestCirkelVinkel::linePixels_data()
{
    QTest::addColumn<QPoint>("fra");
    QTest::addColumn<QPoint>("til");
    QTest::addColumn<QList<QPoint>>("punkter");
    QTest::newRow("right") << QPoint(1, 1) << QPoint(4, 1) << QList<QPoint>{{1, 1}, {2, 1}, {3, 1}};
    QTest::newRow("up") << QPoint(2, 5) << QPoint(2, 2) << QList<QPoint>{{2, 5}, {2, 4}, {2, 3}};
    QTest::newRow("left and up, shallow")
        << QPoint(8, 10) << QPoint(1, 8)
        << QList<QPoint>{{8, 10}, {7, 10}, {6, 9}, {5, 9}, {4, 9}, {3, 9}, {2, 8}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3)
                              << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("one pixel long") << QPoint(5, 5) << QPoint(6, 5) << QList<QPoint>{{5, 5}};
    QTest::newRow("no length") << QPoint(5, 5) << QPoint(5, 5) << QList<QPoint>{};
}

void TestCirkelVinkel::linePixels()
{
    QFETCH(QPoint, fra);
    QFETCH(QPoint, til);
    QFETCH(QList<QPoint>, punkter);
    QCOMPARE(LinjePunkter(fra, til), punkter);
}

QTEST_APPLESS_MAIN(TestCirkelVinkel)
#include "tst_cirkelvinkel.moc"
