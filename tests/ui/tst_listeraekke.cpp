#include "ui/ListeRaekke.h"

#include <QListWidget>
#include <QTest>

class TestListeRaekke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAreNineteenPixelsHigh();
    void drawsSquareTextAndLine_data();
    void drawsSquareTextAndLine();
};

void TestListeRaekke::rowsAreNineteenPixelsHigh()
{
    QListWidget liste;
    ListeRaekke::anvend(&liste, ListeRaekke::kPengegroen);
    liste.addItems({"Ingen alarmlyd", "Klokkespil"});
    QCOMPARE(liste.visualItemRect(liste.item(0)).height(), 19);
    QCOMPARE(liste.visualItemRect(liste.item(1)).top(), 19);
    QCOMPARE(liste.font().pixelSize(), 13);
}

void TestListeRaekke::drawsSquareTextAndLine_data()
{
    QTest::addColumn<TColor>("firkant");
    QTest::addColumn<bool>("valgt");
    QTest::newRow("green, normal row") << ListeRaekke::kPengegroen << false;
    QTest::newRow("green, selected row") << ListeRaekke::kPengegroen << true;
    QTest::newRow("blue, selected row") << ListeRaekke::kHimmelblaa << true;
}

void TestListeRaekke::drawsSquareTextAndLine()
{
    QFETCH(TColor, firkant);
    QFETCH(bool, valgt);
    QListWidget liste;
    liste.setFrameShape(QFrame::NoFrame);
    liste.resize(200, 60);
    ListeRaekke::anvend(&liste, firkant);
    liste.addItems({"Klokkespil", "Zylo"});
    liste.setCurrentRow(valgt ? 0 : 1);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
    const QImage billede = liste.viewport()->grab().toImage();
    const QPalette &p = liste.palette();
    const QColor grund = valgt ? p.color(QPalette::Highlight) : p.color(QPalette::Base);

    // Row 0 lies at the top of the viewport.
    QCOMPARE(billede.pixelColor(1, 1), grund);
    QCOMPARE(billede.pixelColor(150, 10), grund);
    for (const QPoint &i : {QPoint(2, 5), QPoint(11, 5), QPoint(2, 14), QPoint(11, 14)})
        QCOMPARE(billede.pixelColor(i), toQColor(firkant, p));
    QCOMPARE(billede.pixelColor(12, 10), grund);
    QCOMPARE(billede.pixelColor(2, 15), grund);
    for (int x : {0, 100, 199})
        QCOMPARE(billede.pixelColor(x, 18), QColor(0xC0, 0xC0, 0xC0));
    // The text begins right of the square: some pixel there differs from the row's colour.
    bool tekst = false;
    for (int x = 14; x < 80 && !tekst; ++x)
        for (int y = 1; y < 18 && !tekst; ++y)
            tekst = billede.pixelColor(x, y) != grund;
    QVERIFY(tekst);
    for (int y = 0; y < 18; ++y)
        QCOMPARE(billede.pixelColor(13, y) == toQColor(firkant, p), false);
}

QTEST_MAIN(TestListeRaekke)
#include "tst_listeraekke.moc"
