#include "ui/Skrifter.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class TestSkrifter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aMissingFontIsDrawnInItsStandIn_data();
    void aMissingFontIsDrawnInItsStandIn();
    void anInstalledFontIsDrawnAsItself();
};

void TestSkrifter::initTestCase()
{
    Skrifter::indsaetStedfortraedere();
}

void TestSkrifter::aMissingFontIsDrawnInItsStandIn_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("tegnet");
    // The Liberation fonts come with the package; they keep the metrics.
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
    // The calligraphic face: the first script family installed here.
    for (const Skrifter::Stedfortraeder &s : Skrifter::tabel())
        if (s.navn == QLatin1String("Lucida Calligraphy"))
            for (const QString &kandidat : s.kandidater)
                if (QFontDatabase::hasFamily(kandidat)) {
                    QTest::newRow("Lucida Calligraphy") << s.navn << kandidat;
                    break;
                }
}

void TestSkrifter::aMissingFontIsDrawnInItsStandIn()
{
    QFETCH(QString, navn);
    QFETCH(QString, tegnet);
    if (QFontDatabase::hasFamily(navn))
        QSKIP("the font is installed here and is drawn as itself");
    QVERIFY2(QFontDatabase::hasFamily(tegnet), qPrintable(tegnet + " is not installed"));
    // The font box lists the face by this name (with its foundry where Qt adds one).
    QVERIFY(QFontDatabase::families().contains(Skrifter::tegnetFamilie(navn)));
    QCOMPARE(Skrifter::tegnetFamilie(navn).section(" [", 0, 0), tegnet);
    // Qt's font matching draws the same: what the font box shows is what is drawn.
    QCOMPARE(QFontInfo(QFont(navn)).family(), Skrifter::tegnetFamilie(navn));
    // The font keeps its name.
    QCOMPARE(QFont(navn).family(), navn);
}

void TestSkrifter::anInstalledFontIsDrawnAsItself()
{
    QCOMPARE(Skrifter::tegnetFamilie(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    QCOMPARE(Skrifter::tegnetFamilie(QString()), QString());
}

QTEST_MAIN(TestSkrifter)
#include "tst_skrifter.moc"
