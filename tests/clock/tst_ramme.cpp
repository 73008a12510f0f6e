#include "clock/TRammeFelt.h"

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

constexpr TColor lys{0xF0F0F0};
constexpr TColor skygge{0x505050};
constexpr TColor flad{0x0000A0};
constexpr TColor felt{0x00A000};
constexpr QRgb tom = 0xFF00FFFF;

QColor c(TColor farve)
{
    return toQColor(farve, QPalette());
}

void farvelaeg(TXRamme &r)
{
    r.SetFarveLys(lys);
    r.SetFarveSkygge(skygge);
    r.SetFarve(flad);
}

QImage tegn(const TXRamme &r, const TRekt &rekt, QSize stoerrelse = {20, 20})
{
    QImage billede(stoerrelse, QImage::Format_RGB32);
    billede.fill(tom);
    QPainter p(&billede);
    r.MakeRamme(p, rekt, QPalette());
    return billede;
}

// What the painted image says about ring i (0 outermost): top-left corner
// and bottom-right corner.
TRammeRetning laesRing(const QImage &billede, const TRekt &rekt, int i)
{
    const QColor oppe = billede.pixelColor(rekt.Left + i, rekt.Top + i);
    const QColor nede = billede.pixelColor(rekt.Right - i, rekt.Bottom - i);
    if (oppe == c(lys) && nede == c(skygge))
        return rrUd;
    if (oppe == c(skygge) && nede == c(lys))
        return rrInd;
    return oppe == c(flad) && nede == c(flad) ? rrIngen : TRammeRetning(-1);
}

} // namespace

class TestRamme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringSequences_data();
    void ringSequences();
    void oneRingCornersAndSides();
    void widthZeroFillsExactlyTheRectangle();
    void fillMeetsTheInnermostRing();
    void outlineAndFlatColours_data();
    void outlineAndFlatColours();
    void settersNotify_data();
    void settersNotify();
    void frameWiderThanTheField();

    void newFieldRectangles();
    void digitalFieldRectangles();
    void marginsMoveTheContent();
    void adjustClientRect();
    void backgroundPictureShowsAfterTheNextRepaint();
    void textFieldHasOneSunkenRing();
};

void TestRamme::ringSequences_data()
{
    QTest::addColumn<TRammeType>("art");
    QTest::addColumn<int>("bredde");
    QTest::addColumn<int>("dybde");
    QTest::addColumn<int>("rifle");
    QTest::addColumn<QList<TRammeRetning>>("ringe");
    const TRammeRetning U = rrUd, I = rrInd, F = rrIngen;
    QTest::newRow("text field default") << rtInd << 1 << 0 << 0 << QList{I};
    QTest::newRow("raised, depth 1") << rtUd << 3 << 1 << 0 << QList{U, F, I};
    QTest::newRow("sunken, depth 1") << rtInd << 3 << 1 << 0 << QList{I, F, U};
    QTest::newRow("depth beyond width") << rtUd << 2 << 3 << 0 << QList{U, U};
    QTest::newRow("flat") << rtIngen << 2 << 0 << 0 << QList{F, F};
    QTest::newRow("ridged 12/2/3")
        << rtRiflet << 12 << 2 << 3 << QList{U, U, F, F, F, I, I, U, U, F, F, F};
    QTest::newRow("ridged 10/2/0")
        << rtRiflet << 10 << 2 << 0 << QList{U, U, I, I, U, U, I, I, U, U};
    QTest::newRow("ridged without depth") << rtRiflet << 2 << 0 << 3 << QList{U, U};
}

void TestRamme::ringSequences()
{
    QFETCH(TRammeType, art);
    QFETCH(int, bredde);
    QFETCH(int, dybde);
    QFETCH(int, rifle);
    QFETCH(QList<TRammeRetning>, ringe);
    TXRamme r;
    farvelaeg(r);
    r.SetArt(art);
    r.SetBredde(bredde);
    r.SetDybde(dybde);
    r.SetRifleBredde(rifle);
    QCOMPARE(r.RingRetninger(), ringe);
    // And the painted rings say the same from the outside in.
    const TRekt rekt{1, 1, 28, 27};
    const QImage billede = tegn(r, rekt, {30, 30});
    for (int i = 0; i < bredde; ++i)
        QCOMPARE(laesRing(billede, rekt, i), ringe.at(i));
    QCOMPARE(billede.pixel(rekt.Left + bredde, rekt.Top + bredde), tom);
}

void TestRamme::oneRingCornersAndSides()
{
    TXRamme r;
    farvelaeg(r);
    r.SetBredde(1);
    r.SetArt(rtInd);
    const TRekt rekt{2, 3, 12, 10};
    const QImage b = tegn(r, rekt);
    // Shadow at top and left, light at bottom and right; the right-hand
    // corners take the second colour, the left-hand ones the first.
    QCOMPARE(b.pixelColor(2, 3), c(skygge));
    QCOMPARE(b.pixelColor(2, 10), c(skygge));
    QCOMPARE(b.pixelColor(11, 3), c(skygge));
    QCOMPARE(b.pixelColor(12, 3), c(lys));
    QCOMPARE(b.pixelColor(12, 10), c(lys));
    QCOMPARE(b.pixelColor(3, 10), c(lys));
    QCOMPARE(b.pixel(3, 4), tom);
    QCOMPARE(b.pixel(13, 10), tom);
    QCOMPARE(b.pixel(12, 11), tom);
}

void TestRamme::widthZeroFillsExactlyTheRectangle()
{
    TXRamme r;
    farvelaeg(r);
    r.SetFeltFarve(felt);
    QImage b = tegn(r, {2, 2, 8, 6});
    QCOMPARE(b.pixel(2, 2), tom);
    r.SetFarveFelt(true);
    b = tegn(r, {2, 2, 8, 6});
    QCOMPARE(b.pixelColor(2, 2), c(felt));
    QCOMPARE(b.pixelColor(7, 5), c(felt));
    QCOMPARE(b.pixel(8, 5), tom);
    QCOMPARE(b.pixel(7, 6), tom);
    QCOMPARE(b.pixel(1, 2), tom);
}

void TestRamme::fillMeetsTheInnermostRing()
{
    TXRamme r;
    farvelaeg(r);
    r.SetBredde(2);
    r.SetArt(rtUd);
    r.SetFarveFelt(true);
    r.SetFeltFarve(felt);
    const QImage b = tegn(r, {0, 0, 10, 10});
    QCOMPARE(b.pixelColor(2, 2), c(felt));
    QCOMPARE(b.pixelColor(8, 8), c(felt));
    QCOMPARE(b.pixelColor(9, 9), c(skygge));
}

void TestRamme::outlineAndFlatColours_data()
{
    QTest::addColumn<bool>("aktiv");
    QTest::addColumn<bool>("over");
    QTest::addColumn<TColor>("farve");
    QTest::newRow("plain") << false << false << flad;
    QTest::newRow("over") << false << true << TColor(0x111111);
    QTest::newRow("active") << true << false << TColor(0x222222);
    QTest::newRow("active wins") << true << true << TColor(0x222222);
}

void TestRamme::outlineAndFlatColours()
{
    QFETCH(bool, aktiv);
    QFETCH(bool, over);
    QFETCH(TColor, farve);
    TXRamme r;
    farvelaeg(r);
    r.SetBredde(3);
    r.SetArt(rtIngen);
    r.SetOverFarve(TColor(0x111111));
    r.SetAktivFarve(TColor(0x222222));
    r.SetFarveOver(over);
    r.SetFarveAktiv(aktiv);
    r.SetAnvendOmrids(true);
    const QImage b = tegn(r, {0, 0, 10, 10});
    QCOMPARE(b.pixelColor(1, 1), c(farve));
    QCOMPARE(b.pixelColor(8, 8), c(farve));
    // The outline lies on the fill's border, in Farve: over ring 0 at the
    // top-left, beside the last column of the rings at the bottom-right.
    QCOMPARE(b.pixelColor(0, 0), c(flad));
    QCOMPARE(b.pixelColor(9, 9), c(flad));
}

void TestRamme::settersNotify_data()
{
    QTest::addColumn<std::function<void(TXCompoRamme &)>>("saet");
    QTest::addColumn<int>("forste");
    QTest::addColumn<int>("igen");
    using S = std::function<void(TXCompoRamme &)>;
    QTest::newRow("Bredde") << S([](TXCompoRamme &r) { r.SetBredde(4); }) << 1 << 0;
    QTest::newRow("Art") << S([](TXCompoRamme &r) { r.SetArt(rtRiflet); }) << 1 << 0;
    QTest::newRow("FarveLys") << S([](TXCompoRamme &r) { r.SetFarveLys(TColor(0x1)); }) << 1 << 0;
    QTest::newRow("Omrids") << S([](TXCompoRamme &r) { r.SetOmrids(true); }) << 1 << 0;
    QTest::newRow("FeltFarve") << S([](TXCompoRamme &r) { r.SetFeltFarve(TColor(0x1)); }) << 1 << 0;
    QTest::newRow("AfstandLodret") << S([](TXCompoRamme &r) { r.SetAfstandLodret(2); }) << 1 << 0;
    QTest::newRow("EkstraNede") << S([](TXCompoRamme &r) { r.SetEkstraNede(2); }) << 1 << 0;
    QTest::newRow("NytClientRect")
        << S([](TXCompoRamme &r) { r.SetNytClientRect(true); }) << 1 << 0;
    QTest::newRow("TilpasAlign always")
        << S([](TXCompoRamme &r) { r.SetTilpasAlign(false); }) << 1 << 1;
    QTest::newRow("FarveAktiv never")
        << S([](TXCompoRamme &r) { r.SetFarveAktiv(true); }) << 0 << 0;
    QTest::newRow("FarveOver never") << S([](TXCompoRamme &r) { r.SetFarveOver(true); }) << 0 << 0;
    QTest::newRow("AnvendOmrids never")
        << S([](TXCompoRamme &r) { r.SetAnvendOmrids(true); }) << 0 << 0;
}

void TestRamme::settersNotify()
{
    QFETCH(std::function<void(TXCompoRamme &)>, saet);
    QFETCH(int, forste);
    QFETCH(int, igen);
    TXCompoRamme r;
    QSignalSpy spy(&r, &TXRamme::OnChange);
    saet(r);
    QCOMPARE(spy.count(), forste);
    saet(r);
    QCOMPARE(spy.count(), forste + igen);
}

void TestRamme::frameWiderThanTheField()
{
    TXRamme r;
    farvelaeg(r);
    r.SetBredde(100);
    r.SetDybde(100);
    r.SetArt(rtRiflet);
    r.SetFarveFelt(true);
    r.SetOmrids(true);
    const QImage b = tegn(r, {0, 0, 5, 3}, {8, 8});
    QCOMPARE(b.pixelColor(0, 0), c(flad));
    QCOMPARE(b.pixel(7, 7), tom);
    TRammeFelt feld;
    feld.GrundRamme().SetBredde(100);
    feld.resize(10, 10);
    QVERIFY(!feld.grab().isNull());
}

void TestRamme::newFieldRectangles()
{
    TRammeFelt f;
    QCOMPARE(f.size(), QSize(64, 64));
    QCOMPARE(f.Color(), clWindow);
    QCOMPARE(f.GrundRamme().Bredde(), 1);
    QCOMPARE(f.GrundRamme().Art(), rtUd);
    f.BeregnRekter();
    QCOMPARE(f.GrundRekt(), (TRekt{0, 0, 63, 63}));
    QCOMPARE(f.IndreRekt(), (TRekt{1, 1, 63, 63}));
    QCOMPARE(f.CompoRekt(), (TRekt{1, 1, 62, 62}));
    QVERIFY(f.CompoBeregnet());
    f.GrundRamme().SetFarveLys(lys);
    f.GrundRamme().SetFarveSkygge(skygge);
    const QImage b = f.grab().toImage();
    QCOMPARE(b.pixelColor(0, 0), c(lys));
    QCOMPARE(b.pixelColor(63, 63), c(skygge));
    QCOMPARE(b.pixelColor(1, 1), c(clWindow));
}

void TestRamme::digitalFieldRectangles()
{
    TRammeFelt f;
    f.GrundRamme().SetBredde(0);
    f.GrundRamme().SetArt(rtIngen);
    f.SetColor(felt);
    f.resize(380, 49);
    f.BeregnRekter();
    QCOMPARE(f.GrundRekt(), (TRekt{0, 0, 379, 48}));
    QCOMPARE(f.IndreRekt(), (TRekt{0, 0, 380, 49}));
    QCOMPARE(f.CompoRekt(), (TRekt{0, 0, 379, 48}));
    const QImage b = f.grab().toImage();
    QCOMPARE(b.pixelColor(0, 0), c(felt));
    QCOMPARE(b.pixelColor(379, 48), c(felt));
}

void TestRamme::marginsMoveTheContent()
{
    TRammeFelt f;
    f.resize(128, 24);
    f.GrundRamme().SetEkstraVenstre(5);
    f.GrundRamme().SetAfstandLodret(2);
    f.GrundRamme().SetAfstandVandret(1);
    f.GrundRamme().SetEkstraNede(3);
    f.BeregnFelt();
    QCOMPARE(f.Cx1(), 8);
    QCOMPARE(f.Cx2(), 124);
    QCOMPARE(f.Cy1(), 2);
    QCOMPARE(f.Cy2(), 24 - (1 + 1 + 3) - 1);
}

void TestRamme::adjustClientRect()
{
    TRammeFelt f;
    f.resize(64, 64);
    f.BeregnRekter();
    // After a paint the field answers with its content rectangle...
    QCOMPARE(f.AdjustClientRect({0, 0, 64, 64}), (TRekt{1, 1, 62, 62}));
    // ...until the frame changes: then it insets the given rectangle by the frame width.
    f.GrundRamme().SetBredde(3);
    QVERIFY(!f.CompoBeregnet());
    QCOMPARE(f.AdjustClientRect({0, 0, 64, 64}), (TRekt{3, 3, 61, 61}));
    // The children were realigned before the change took hold: in the old
    // content rectangle, until the next alignment.
    QCOMPARE(f.contentsMargins(), QMargins(1, 1, 2, 2));
    f.resize(64, 65);
    f.show();
    QCOMPARE(f.contentsMargins(), QMargins(3, 3, 3, 3));
    f.hide();
    f.resize(64, 64);
    // With NytClientRekt a fresh content rectangle.
    f.GrundRamme().SetNytClientRect(true);
    QCOMPARE(f.AdjustClientRect({0, 0, 64, 64}), (TRekt{3, 3, 60, 60}));
    // TilpasAlign keeps every later paint from fixing the rectangle.
    f.GrundRamme().SetNytClientRect(false);
    f.GrundRamme().SetTilpasAlign(true);
    f.BeregnRekter();
    QVERIFY(!f.CompoBeregnet());
    QCOMPARE(f.AdjustClientRect({0, 0, 64, 64}), (TRekt{3, 3, 61, 61}));
}

void TestRamme::backgroundPictureShowsAfterTheNextRepaint()
{
    TRammeFelt f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QPixmap bild(4, 4);
    bild.fill(c(felt));
    f.SetGrundBitmap(bild);
    QCoreApplication::processEvents();
    QVERIFY(f.screen()->grabWindow(f.winId()).toImage().pixelColor(30, 30) != c(felt));
    f.update();
    QTRY_COMPARE(f.screen()->grabWindow(f.winId()).toImage().pixelColor(30, 30), c(felt));
    QVERIFY(f.grab().toImage().pixelColor(0, 0) != c(felt));
}

void TestRamme::textFieldHasOneSunkenRing()
{
    TPreTekstFelt f;
    QCOMPARE(f.size(), QSize(128, 24));
    QCOMPARE(f.GrundRamme().Art(), rtInd);
    QCOMPARE(f.GrundRamme().Bredde(), 1);
    QCOMPARE(f.GrundRamme().RingRetninger(), QList<TRammeRetning>{rrInd});
}

QTEST_MAIN(TestRamme)
#include "tst_ramme.moc"
