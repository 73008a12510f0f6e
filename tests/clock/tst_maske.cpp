#include "clock/Maske.h"

#include <QPainter>
#include <QTest>
#include <cmath>

namespace {

constexpr QRgb noegle = 0xFFD4D0C8;

// A 60 x 40 picture at that device pixel ratio: the key colour with a
// rectangle, a disc and a one-pixel line on it.
QImage billede(qreal dpr)
{
    QImage b(QSize(60, 40) * dpr, QImage::Format_RGB32);
    b.setDevicePixelRatio(dpr);
    b.fill(noegle);
    QPainter p(&b);
    p.fillRect(QRect(4, 6, 10, 7), Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(QRect(24, 4, 30, 30));
    p.fillRect(QRect(2, 37, 55, 1), Qt::blue);
    return b;
}

} // namespace

class TestMaske : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void logicalPixelsFollowTheirCentres_data();
    void logicalPixelsFollowTheirCentres();
    void wholeScalesGiveTheExactShapes_data();
    void wholeScalesGiveTheExactShapes();
    void onlyTheKeyColourIsLeftOut();
};

void TestMaske::logicalPixelsFollowTheirCentres_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.25") << 1.25;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestMaske::logicalPixelsFollowTheirCentres()
{
    QFETCH(qreal, dpr);
    const QImage b = billede(dpr);
    const QRegion synlig = SynligDel(b, noegle);
    // Logical pixels: nothing beyond the window's own size.
    QVERIFY(QRect(0, 0, 60, 40).contains(synlig.boundingRect()));
    qint64 vist = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QPoint midt(int((x + 0.5) * dpr), int((y + 0.5) * dpr));
            const bool tegnet = (b.pixel(midt) | 0xFF000000) != noegle;
            QVERIFY2(synlig.contains(QPoint(x, y)) == tegnet,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            vist += tegnet;
        }
    }
    // The shown area is the painted one, measured in logical pixels.
    qint64 tegnetFysisk = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            tegnetFysisk += (b.pixel(x, y) | 0xFF000000) != noegle;
    QVERIFY(std::abs(vist - tegnetFysisk / (dpr * dpr)) < 0.05 * vist);
    // The one-pixel line stays whole at every scale.
    for (int x = 2; x < 57; ++x)
        QVERIFY(synlig.contains(QPoint(x, 37)));
}

void TestMaske::wholeScalesGiveTheExactShapes_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1") << 1.0;
    QTest::newRow("2") << 2.0;
    QTest::newRow("3") << 3.0;
}

void TestMaske::wholeScalesGiveTheExactShapes()
{
    QFETCH(qreal, dpr);
    const QRegion synlig = SynligDel(billede(dpr), noegle);
    QCOMPARE(synlig & QRect(0, 0, 20, 20), QRegion(4, 6, 10, 7));
    QCOMPARE(synlig & QRect(0, 36, 60, 4), QRegion(2, 37, 55, 1));
}

void TestMaske::onlyTheKeyColourIsLeftOut()
{
    QImage b(3, 1, QImage::Format_RGB32);
    b.setPixel(0, 0, noegle);
    // One step away from the key is another colour.
    b.setPixel(1, 0, noegle + 1);
    b.setPixel(2, 0, noegle);
    QCOMPARE(SynligDel(b, noegle), QRegion(1, 0, 1, 1));
    QVERIFY(SynligDel(QImage(), noegle).isEmpty());
}

QTEST_MAIN(TestMaske)
#include "tst_maske.moc"
