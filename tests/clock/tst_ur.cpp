#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <cstdlib>
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
// hands so that their ends are exact, drawn crisp so that every pixel is.
void indstil(TUr &ur)
{
    ur.SetMaade(Tegnemaade::Skarp);
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

// The picture with its transparency, as a composited window shows it.
QImage tegnMedAlfa(TUr &ur)
{
    QImage billede(ur.size(), QImage::Format_ARGB32_Premultiplied);
    billede.fill(Qt::transparent);
    ur.render(&billede, QPoint(), QRegion(), QWidget::DrawChildren);
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
    void smoothDrawingBlendsOnlyTheEdges_data();
    void smoothDrawingBlendsOnlyTheEdges();
    void seeThroughKeyColourIsTransparent_data();
    void seeThroughKeyColourIsTransparent();
    void accessibleNameFollowsTheTime_data();
    void accessibleNameFollowsTheTime();
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
    QTest::addColumn<Tegnemaade>("maade");
    const Tegnemaade skarp = Tegnemaade::Skarp;
    const Tegnemaade glat = Tegnemaade::Glat;
    QTest::newRow("one second") << kl(10, 8, 20) << kl(10, 8, 21) << 1 << skarp;
    QTest::newRow("minute hand steps at the half minute")
        << kl(10, 8, 29) << kl(10, 8, 30) << 1 << skarp;
    QTest::newRow("second hand crosses twelve") << kl(23, 59, 59) << kl(0, 0, 0) << 1 << skarp;
    QTest::newRow("wide hands") << kl(3, 14, 59) << kl(3, 15, 0) << 6 << skarp;
    QTest::newRow("hours later") << kl(8, 0, 0) << kl(13, 37, 12) << 4 << skarp;
    // Smoothed edges reach a little beyond the pen.
    QTest::newRow("smooth, one second") << kl(10, 8, 20) << kl(10, 8, 21) << 1 << glat;
    QTest::newRow("smooth, wide hands") << kl(3, 14, 59) << kl(3, 15, 0) << 6 << glat;
    QTest::newRow("smooth, odd widths") << kl(8, 0, 0) << kl(13, 37, 12) << 3 << glat;
}

void TestUr::tickRepaintsOnlyTheHands()
{
    QFETCH(QDateTime, foer);
    QFETCH(QDateTime, efter);
    QFETCH(int, viserBredde);
    QFETCH(Tegnemaade, maade);
    FakeLocalTime tid;
    tid.set(foer);
    MaaltUr ur(tid);
    indstil(ur);
    ur.SetMaade(maade);
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

void TestUr::smoothDrawingBlendsOnlyTheEdges_data()
{
    QTest::addColumn<Tegnemaade>("maade");
    QTest::addColumn<bool>("blandet");
    QTest::newRow("crisp, for a mask") << Tegnemaade::Skarp << false;
    QTest::newRow("smooth, framed") << Tegnemaade::Glat << true;
}

void TestUr::smoothDrawingBlendsOnlyTheEdges()
{
    QFETCH(Tegnemaade, maade);
    QFETCH(bool, blandet);
    FakeLocalTime tid;
    tid.set(kl(4, 20, 40));
    TUr ur(tid);
    indstil(ur);
    ur.SetViserTime(6);
    ur.SetViserMin(4);
    ur.SetMaade(maade);
    const QImage billede = tegnHelt(ur);
    QSet<QRgb> egne;
    for (TColor farve : {baggrund, ydre, indre, skive, tegn, viserT, viserM, viserS, clBlack})
        egne.insert(c(farve).rgb());
    int blandinger = 0;
    for (int y = 0; y < billede.height(); ++y)
        for (int x = 0; x < billede.width(); ++x)
            blandinger += !egne.contains(billede.pixel(x, y));
    QCOMPARE(blandinger > 0, blandet);
    // Inside the areas the colours stay pure.
    QCOMPARE(billede.pixelColor(2, 2), c(baggrund));
    QCOMPARE(billede.pixelColor(5, 189), c(ydre));
    QCOMPARE(billede.pixelColor(60, 189), c(skive));
}

void TestUr::seeThroughKeyColourIsTransparent_data()
{
    QTest::addColumn<TColor>("baggrundFarve");
    QTest::addColumn<TColor>("skiveFarve");
    QTest::addColumn<TColor>("sekundFarve");
    // The standard design: only the background is the key colour.
    QTest::newRow("background") << clBtnFace << skive << viserS;
    // The see-through design: a hole for a dial, the hands over the desktop.
    QTest::newRow("dial hole") << clBtnFace << clBtnFace << viserS;
    // A hand in the key colour cuts through what lies beneath it.
    QTest::newRow("key-coloured hand") << baggrund << skive << clBtnFace;
}

void TestUr::seeThroughKeyColourIsTransparent()
{
    QFETCH(TColor, baggrundFarve);
    QFETCH(TColor, skiveFarve);
    QFETCH(TColor, sekundFarve);
    FakeLocalTime tid;
    tid.set(kl(6, 0, 15));
    TUr ur(tid);
    indstil(ur);
    ur.SetColorBaggrund(baggrundFarve);
    ur.SetColorSkive(skiveFarve);
    ur.SetColorViserS(sekundFarve);
    ur.SetViserSek(5);
    // Where the mask would let the desktop through.
    const QImage skarp = tegnHelt(ur);
    const QRgb noegle = ur.palette().color(QPalette::Button).rgb();
    ur.SetMaade(Tegnemaade::GlatGennemsigtig);
    const QImage alfa = tegnMedAlfa(ur);
    // Smoothing reaches up to two pixels from an edge, and the picture's own
    // border is an edge too.
    auto naboerEns = [&skarp, noegle](int x, int y, bool erNoegle) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (!skarp.rect().contains(p) || (skarp.pixel(p) == noegle) != erNoegle)
                    return false;
            }
        return true;
    };
    int huller = 0;
    int noegler = 0;
    int gennemsigtige = 0;
    int kanter = 0;
    for (int y = 0; y < skarp.height(); ++y) {
        for (int x = 0; x < skarp.width(); ++x) {
            const bool erNoegle = skarp.pixel(x, y) == noegle;
            const int a = qAlpha(alfa.pixel(x, y));
            const QString sted = QStringLiteral("%1,%2").arg(x).arg(y);
            noegler += erNoegle;
            gennemsigtige += a == 0;
            // Away from the edges the holes and the solid parts agree; on an
            // edge the smoothing decides.
            if (naboerEns(x, y, erNoegle)) {
                QVERIFY2(a == (erNoegle ? 0 : 255), qPrintable(sted));
                huller += erNoegle;
            } else {
                ++kanter;
            }
        }
    }
    QVERIFY(std::abs(gennemsigtige - noegler) < kanter / 2);
    QVERIFY(huller > 0);
}

void TestUr::accessibleNameFollowsTheTime_data()
{
    QTest::addColumn<QDateTime>("tidspunkt");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("naesteMinut");
    QTest::newRow("14:05") << kl(14, 5, 0) << "Klokken er 14:05"
                           << "Klokken er 14:06";
    QTest::newRow("09:05") << kl(9, 5, 30) << "Klokken er 09:05"
                           << "Klokken er 09:06";
    QTest::newRow("midnight") << kl(23, 59, 10) << "Klokken er 23:59"
                              << "Klokken er 00:00";
}

void TestUr::accessibleNameFollowsTheTime()
{
    QFETCH(QDateTime, tidspunkt);
    QFETCH(QString, navn);
    QFETCH(QString, naesteMinut);
    FakeLocalTime tid;
    tid.set(tidspunkt);
    TUr ur(tid);
    ur.Stop();
    QAccessibleInterface *tilgang = QAccessible::queryAccessibleInterface(&ur);
    QVERIFY(tilgang);
    QCOMPARE(tilgang->role(), QAccessible::StaticText);
    QCOMPARE(tilgang->text(QAccessible::Name), navn);
    QCOMPARE(tilgang->text(QAccessible::Description), QStringLiteral("Analogt ur"));

    // The name follows the shown minute.
    tid.set(tidspunkt.addSecs(1));
    ur.Ur();
    QCOMPARE(tilgang->text(QAccessible::Name), navn);
    tid.set(tidspunkt.addSecs(60));
    ur.Ur();
    QCOMPARE(tilgang->text(QAccessible::Name), naesteMinut);
}

QTEST_MAIN(TestUr)
#include "tst_ur.moc"
