#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <functional>

namespace {

constexpr TColor baggrund{0x203040};
constexpr TColor ydre{0x0000C0};
constexpr TColor indre{0xE0E0E0};
constexpr TColor skive{0xF0FFFF};
constexpr TColor tegn{0x404000};
constexpr TColor viserT{0xC00000};
constexpr TColor viserM{0x00C000};
constexpr TColor viserS{0x800080};

// Records the regions Qt asks the clock to paint.
class MaaltUr : public TUr
{
public:
    using TUr::TUr;
    QList<QRegion> regioner;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        regioner.append(event->region());
        TUr::paintEvent(event);
    }
};

QDateTime kl(int h, int m, int s)
{
    return QDateTime(QDate(2026, 12, 10), QTime(h, m, s));
}

// The main window's clock at 380 x 378, every colour distinct, one-pixel
// hands so that their ends are exact.
void indstil(TUr &ur)
{
    ur.resize(380, 378);
    ur.SetColorBaggrund(baggrund);
    ur.SetColorYdre(ydre);
    ur.SetColorIndre(indre);
    ur.SetColorSkive(skive);
    ur.SetColorTegn(tegn);
    ur.SetColorViserT(viserT);
    ur.SetColorViserM(viserM);
    ur.SetColorViserS(viserS);
    ur.SetMellemrum(10);
    ur.SetUrAfstand(1);
    ur.SetTegnBredde(16);
    ur.SetTegnTykkelse(1);
    ur.SetViserTime(1);
    ur.SetViserMin(1);
    ur.SetViserSek(1);
    ur.Stop();
}

QImage tegnHelt(TUr &ur)
{
    QImage billede(ur.size(), QImage::Format_RGB32);
    billede.fill(Qt::magenta);
    ur.render(&billede);
    return billede;
}

QColor c(TColor farve)
{
    return toQColor(farve, QPalette());
}

} // namespace

class TestUr : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void dialGeometry();
    void hourMarksDivideBeforeMultiplying();
    void ellipseRectangles_data();
    void ellipseRectangles();
    void tickMarkEnds_data();
    void tickMarkEnds();
    void handEnds_data();
    void handEnds();
    void noFrameLeavesBackgroundAroundTheDial();
    void tickRepaintsOnlyTheHands_data();
    void tickRepaintsOnlyTheHands();
    void startAfterHoursShowsTheTimeAtTheNextTick();
    void settersRepaintOnlyOnChange_data();
    void settersRepaintOnlyOnChange();
    void extremeValuesDrawWithoutCrashing_data();
    void extremeValuesDrawWithoutCrashing();
    void noneColourPaintsAsButtonFace();
};

void TestUr::defaults()
{
    FakeLocalTime tid;
    TUr ur(tid);
    QCOMPARE(ur.size(), QSize(80, 80));
    QCOMPARE(ur.Mellemrum(), 10);
    QCOMPARE(ur.ColorYdre(), clRed);
    QCOMPARE(ur.ColorIndre(), clWhite);
    QCOMPARE(ur.ColorBaggrund(), clBtnFace);
    QCOMPARE(ur.UrAfstand(), 1);
    QCOMPARE(ur.TegnBredde(), 12);
    QCOMPARE(ur.TegnTykkelse(), 1);
    QCOMPARE(ur.ColorTegn(), clBlack);
    QCOMPARE(ur.ColorSkive(), clWhite);
    QCOMPARE(ur.ColorViserT(), clBlue);
    QCOMPARE(ur.ColorViserM(), clBlue);
    QCOMPARE(ur.ColorViserS(), clBlack);
    QCOMPARE(ur.ViserTime(), 3);
    QCOMPARE(ur.ViserMin(), 2);
    QCOMPARE(ur.ViserSek(), 1);
    QVERIFY(ur.isTicking());
}

void TestUr::dialGeometry()
{
    FakeLocalTime tid;
    TUr ur(tid);
    indstil(ur);
    ur.BeregnValues();
    QCOMPARE(ur.CirkelV().CentrumX(), 190);
    QCOMPARE(ur.CirkelV().CentrumY(), 189);
    QCOMPARE(ur.CirkelV().CirkelGrader(), 60);
    QCOMPARE(ur.UrRadius1(), 178);
    QCOMPARE(ur.UrRadius2(), 162);
    QCOMPARE(ur.UrRadius3(), 166);
    QCOMPARE(ur.UrRadius4(), 174);
    QCOMPARE(ur.ViserS(), 148);
    QCOMPARE(ur.ViserM(), 142);
    QCOMPARE(ur.ViserT(), 106);
}

void TestUr::hourMarksDivideBeforeMultiplying()
{
    FakeLocalTime tid;
    TUr ur(tid);
    indstil(ur);
    ur.SetTegnBredde(10);
    ur.BeregnValues();
    QCOMPARE(ur.UrRadius1() - ur.UrRadius3(), 6);
    QCOMPARE(ur.UrRadius1() - ur.UrRadius4(), 2);
}

void TestUr::ellipseRectangles_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<TColor>("farve");
    // Outer disc (0, 0, 380, 378): its top and bottom rows at the centre column.
    QTest::newRow("outer top") << QPoint(190, 0) << ydre;
    QTest::newRow("outer bottom") << QPoint(190, 377) << ydre;
    QTest::newRow("outside the outer disc") << QPoint(2, 2) << baggrund;
    // Inner disc (10, 10, 370, 368) with its black outline.
    QTest::newRow("inner left") << QPoint(10, 189) << clBlack;
    QTest::newRow("left of inner") << QPoint(9, 189) << ydre;
    QTest::newRow("inner right") << QPoint(369, 189) << clBlack;
    QTest::newRow("right of inner") << QPoint(370, 189) << ydre;
    QTest::newRow("inner top") << QPoint(190, 10) << clBlack;
    QTest::newRow("above inner") << QPoint(190, 9) << ydre;
    QTest::newRow("inner bottom") << QPoint(190, 367) << skive;
    QTest::newRow("below inner") << QPoint(190, 368) << ydre;
    // Dial disc (12, 11, 369, 368) without outline.
    QTest::newRow("dial left") << QPoint(12, 189) << skive;
    QTest::newRow("left of dial") << QPoint(11, 189) << indre;
    QTest::newRow("dial right") << QPoint(368, 189) << skive;
    QTest::newRow("dial top") << QPoint(190, 11) << skive;
}

void TestUr::ellipseRectangles()
{
    QFETCH(QPoint, punkt);
    QFETCH(TColor, farve);
    FakeLocalTime tid;
    tid.set(kl(10, 0, 0));
    TUr ur(tid);
    indstil(ur);
    // Marks in the dial colour leave the discs' edges bare.
    ur.SetColorTegn(skive);
    QCOMPARE(tegnHelt(ur).pixelColor(punkt), c(farve));
}

void TestUr::tickMarkEnds_data()
{
    QTest::addColumn<QPoint>("daekket");
    QTest::addColumn<QPoint>("fri");
    // Each mark covers its outer end (radius 178) and stops short of its inner end.
    QTest::newRow("three o'clock, quarter mark") << QPoint(353, 189) << QPoint(352, 189);
    QTest::newRow("three o'clock, outer end") << QPoint(368, 189) << QPoint(369, 189);
    QTest::newRow("twelve, quarter mark") << QPoint(190, 26) << QPoint(190, 27);
    QTest::newRow("twelve, outer end") << QPoint(190, 11) << QPoint(190, 10);
    QTest::newRow("two o'clock, hour mark") << QPoint(344, 100) << QPoint(334, 106);
    QTest::newRow("minute mark at 6 degrees") << QPoint(367, 170) << QPoint(363, 171);
    QTest::newRow("nine o'clock") << QPoint(12, 189) << QPoint(28, 189);
}

void TestUr::tickMarkEnds()
{
    QFETCH(QPoint, daekket);
    QFETCH(QPoint, fri);
    FakeLocalTime tid;
    // At 10:00:00 no hand lies on these marks.
    tid.set(kl(10, 0, 0));
    TUr ur(tid);
    indstil(ur);
    const QImage billede = tegnHelt(ur);
    QCOMPARE(billede.pixelColor(daekket), c(tegn));
    QVERIFY(billede.pixelColor(fri) != c(tegn));
}

void TestUr::handEnds_data()
{
    QTest::addColumn<QDateTime>("tidspunkt");
    QTest::addColumn<QPoint>("daekket");
    QTest::addColumn<QPoint>("fri");
    QTest::addColumn<TColor>("farve");
    // 06:00:15: hour hand down (106), minute hand up (142), second hand right (148).
    QTest::newRow("hour hand") << kl(6, 0, 15) << QPoint(190, 294) << QPoint(190, 295) << viserT;
    QTest::newRow("minute hand") << kl(6, 0, 15) << QPoint(190, 48) << QPoint(190, 47) << viserM;
    QTest::newRow("second hand") << kl(6, 0, 15) << QPoint(337, 189) << QPoint(338, 189) << viserS;
    QTest::newRow("second hand on top at the centre")
        << kl(6, 0, 15) << QPoint(190, 189) << QPoint(189, 189) << viserS;
    // 21:45:00: minute hand left, second hand up, hour hand short of both ends.
    QTest::newRow("minute hand left")
        << kl(21, 45, 0) << QPoint(49, 189) << QPoint(48, 189) << viserM;
    QTest::newRow("second hand up")
        << kl(21, 45, 0) << QPoint(190, 42) << QPoint(190, 41) << viserS;
}

void TestUr::handEnds()
{
    QFETCH(QDateTime, tidspunkt);
    QFETCH(QPoint, daekket);
    QFETCH(QPoint, fri);
    QFETCH(TColor, farve);
    FakeLocalTime tid;
    tid.set(tidspunkt);
    TUr ur(tid);
    indstil(ur);
    const QImage billede = tegnHelt(ur);
    QCOMPARE(billede.pixelColor(daekket), c(farve));
    QCOMPARE(billede.pixelColor(fri), c(skive));
}

void TestUr::noFrameLeavesBackgroundAroundTheDial()
{
    FakeLocalTime tid;
    tid.set(kl(10, 0, 0));
    TUr ur(tid);
    indstil(ur);
    ur.SetMellemrum(0);
    ur.SetColorTegn(skive);
    // Radius 378 / 2 - 1 = 188: the dial disc is (2, 1, 379, 378).
    const QImage billede = tegnHelt(ur);
    QCOMPARE(billede.pixelColor(1, 189), c(baggrund));
    QCOMPARE(billede.pixelColor(2, 189), c(skive));
    QCOMPARE(billede.pixelColor(190, 0), c(baggrund));
    QCOMPARE(billede.pixelColor(190, 1), c(skive));
}

void TestUr::tickRepaintsOnlyTheHands_data()
{
    QTest::addColumn<QDateTime>("foer");
    QTest::addColumn<QDateTime>("efter");
    QTest::addColumn<int>("viserBredde");
    QTest::newRow("one second") << kl(10, 8, 20) << kl(10, 8, 21) << 1;
    QTest::newRow("minute hand steps at the half minute") << kl(10, 8, 29) << kl(10, 8, 30) << 1;
    QTest::newRow("second hand crosses twelve") << kl(23, 59, 59) << kl(0, 0, 0) << 1;
    QTest::newRow("wide hands") << kl(3, 14, 59) << kl(3, 15, 0) << 6;
    QTest::newRow("hours later") << kl(8, 0, 0) << kl(13, 37, 12) << 4;
}

void TestUr::tickRepaintsOnlyTheHands()
{
    QFETCH(QDateTime, foer);
    QFETCH(QDateTime, efter);
    QFETCH(int, viserBredde);
    FakeLocalTime tid;
    tid.set(foer);
    MaaltUr ur(tid);
    indstil(ur);
    ur.SetViserTime(viserBredde);
    ur.SetViserMin(viserBredde);
    ur.SetViserSek(viserBredde);
    ur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ur));
    QTRY_VERIFY(!ur.regioner.isEmpty());
    const QImage foerBillede = ur.screen()->grabWindow(ur.winId()).toImage();
    QCOMPARE(foerBillede.convertToFormat(QImage::Format_RGB32), tegnHelt(ur));

    ur.regioner.clear();
    tid.set(efter);
    ur.Ur();
    QTRY_VERIFY(!ur.regioner.isEmpty());
    for (const QRegion &region : std::as_const(ur.regioner))
        QVERIFY(region != QRegion(ur.rect()));
    const QImage vist =
        ur.screen()->grabWindow(ur.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(vist, tegnHelt(ur));
}

void TestUr::startAfterHoursShowsTheTimeAtTheNextTick()
{
    FakeLocalTime tid;
    tid.set(kl(7, 10, 0));
    MaaltUr ur(tid);
    indstil(ur);
    ur.Start();
    ur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ur));
    ur.Stop();
    QVERIFY(!ur.isTicking());
    tid.set(kl(12, 47, 33));
    ur.Start();
    QVERIFY(ur.isTicking());
    ur.regioner.clear();
    // The timer's own tick, within a second of Start.
    QTRY_VERIFY_WITH_TIMEOUT(!ur.regioner.isEmpty(), 3000);
    const QImage vist =
        ur.screen()->grabWindow(ur.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(vist, tegnHelt(ur));
}

void TestUr::settersRepaintOnlyOnChange_data()
{
    QTest::addColumn<std::function<void(TUr &, bool)>>("saet");
    QTest::addColumn<bool>("altid");
    using S = std::function<void(TUr &, bool)>;
    QTest::newRow("Mellemrum") << S([](TUr &u, bool ny) {
        u.SetMellemrum(ny ? 12 : u.Mellemrum());
    }) << false;
    QTest::newRow("ColorYdre") << S([](TUr &u, bool ny) {
        u.SetColorYdre(ny ? TColor(0x123456) : u.ColorYdre());
    }) << false;
    QTest::newRow("ColorIndre") << S([](TUr &u, bool ny) {
        u.SetColorIndre(ny ? TColor(0x123456) : u.ColorIndre());
    }) << false;
    QTest::newRow("ColorBaggrund")
        << S([](TUr &u, bool ny) { u.SetColorBaggrund(ny ? TColor(0x123456) : u.ColorBaggrund()); })
        << true;
    QTest::newRow("UrAfstand") << S([](TUr &u, bool ny) { u.SetUrAfstand(ny ? 3 : u.UrAfstand()); })
                               << false;
    QTest::newRow("TegnBredde") << S([](TUr &u, bool ny) {
        u.SetTegnBredde(ny ? 8 : u.TegnBredde());
    }) << false;
    QTest::newRow("TegnTykkelse") << S([](TUr &u, bool ny) {
        u.SetTegnTykkelse(ny ? 2 : u.TegnTykkelse());
    }) << false;
    QTest::newRow("ColorTegn") << S([](TUr &u, bool ny) {
        u.SetColorTegn(ny ? TColor(0x123456) : u.ColorTegn());
    }) << false;
    QTest::newRow("ColorSkive") << S([](TUr &u, bool ny) {
        u.SetColorSkive(ny ? TColor(0x123456) : u.ColorSkive());
    }) << false;
    QTest::newRow("ColorViserT") << S([](TUr &u, bool ny) {
        u.SetColorViserT(ny ? TColor(0x123456) : u.ColorViserT());
    }) << false;
    QTest::newRow("ColorViserM") << S([](TUr &u, bool ny) {
        u.SetColorViserM(ny ? TColor(0x123456) : u.ColorViserM());
    }) << false;
    QTest::newRow("ColorViserS") << S([](TUr &u, bool ny) {
        u.SetColorViserS(ny ? TColor(0x123456) : u.ColorViserS());
    }) << false;
    QTest::newRow("ViserTime") << S([](TUr &u, bool ny) { u.SetViserTime(ny ? 5 : u.ViserTime()); })
                               << false;
    QTest::newRow("ViserMin") << S([](TUr &u, bool ny) { u.SetViserMin(ny ? 5 : u.ViserMin()); })
                              << false;
    QTest::newRow("ViserSek") << S([](TUr &u, bool ny) { u.SetViserSek(ny ? 5 : u.ViserSek()); })
                              << false;
}

void TestUr::settersRepaintOnlyOnChange()
{
    QFETCH(std::function<void(TUr &, bool)>, saet);
    QFETCH(bool, altid);
    FakeLocalTime tid;
    MaaltUr ur(tid);
    indstil(ur);
    ur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ur));
    QTRY_VERIFY(!ur.regioner.isEmpty());

    ur.regioner.clear();
    saet(ur, false);
    QCoreApplication::processEvents();
    QCOMPARE(ur.regioner.isEmpty(), !altid);

    ur.regioner.clear();
    saet(ur, true);
    QTRY_VERIFY(!ur.regioner.isEmpty());
    QCOMPARE(ur.regioner.last(), QRegion(ur.rect()));
    const QImage vist =
        ur.screen()->grabWindow(ur.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(vist, tegnHelt(ur));
}

void TestUr::extremeValuesDrawWithoutCrashing_data()
{
    QTest::addColumn<QSize>("stoerrelse");
    QTest::addColumn<int>("bredde");
    QTest::newRow("widths 0") << QSize(380, 378) << 0;
    QTest::newRow("widths 100") << QSize(380, 378) << 100;
    QTest::newRow("smaller than the frame") << QSize(30, 20) << 100;
    QTest::newRow("one pixel") << QSize(1, 1) << 100;
    QTest::newRow("no size") << QSize(0, 0) << 0;
}

void TestUr::extremeValuesDrawWithoutCrashing()
{
    QFETCH(QSize, stoerrelse);
    QFETCH(int, bredde);
    FakeLocalTime tid;
    tid.set(kl(4, 20, 40));
    TUr ur(tid);
    indstil(ur);
    ur.resize(stoerrelse);
    ur.SetMellemrum(bredde);
    ur.SetUrAfstand(bredde);
    ur.SetTegnBredde(bredde);
    ur.SetTegnTykkelse(bredde);
    ur.SetViserTime(bredde);
    ur.SetViserMin(bredde);
    ur.SetViserSek(bredde);
    if (stoerrelse.isEmpty()) {
        ur.Ur();
        QVERIFY(ur.grab().isNull());
        return;
    }
    const QImage billede = tegnHelt(ur);
    // The background always shows in the corner, whatever lies on top.
    QVERIFY(billede.pixelColor(0, 0) != QColor(Qt::magenta));
    ur.Ur();
}

void TestUr::noneColourPaintsAsButtonFace()
{
    FakeLocalTime tid;
    tid.set(kl(10, 0, 0));
    TUr ur(tid);
    indstil(ur);
    ur.SetColorBaggrund(clNone);
    ur.SetColorYdre(clNone);
    ur.SetColorSkive(clNone);
    const QImage billede = tegnHelt(ur);
    const QColor knap = ur.palette().color(QPalette::Button);
    QCOMPARE(billede.pixelColor(2, 2), knap);
    QCOMPARE(billede.pixelColor(190, 0), knap);
    QCOMPARE(billede.pixelColor(150, 250), knap);
}

QTEST_MAIN(TestUr)
#include "tst_ur.moc"
