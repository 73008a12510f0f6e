#include "TestFiles.h"
#include "info/SideSoegning.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestSideSoegning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeWordWithoutCase_data();
    void wholeWordWithoutCase();
    void pageText_data();
    void pageText();
    void findsTheFilesDirectlyInTheFolder();
    void aThousandPages();
    void webSearchEncodesTheText_data();
    void webSearchEncodesTheText();
};

void TestSideSoegning::wholeWordWithoutCase_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("ord");
    QTest::addColumn<bool>("fundet");
    QTest::newRow("other case") << "<h1>Alarm</h1>"
                                << "alarm" << true;
    QTest::newRow("longer word only") << "Flere alarmer her"
                                      << "alarm" << false;
    QTest::newRow("word inside a word") << "Nedtællingsalarm"
                                        << "alarm" << false;
    QTest::newRow("later whole occurrence") << "alarmer og alarm."
                                            << "alarm" << true;
    QTest::newRow("at the very end") << "en alarm"
                                     << "ALARM" << true;
    QTest::newRow("Danish letters in other case") << "Turen til Ålborg"
                                                  << "ålborg" << true;
    QTest::newRow("Danish letter ends the word") << "Ålborgå"
                                                 << "ålborg" << false;
    QTest::newRow("inside a tag") << "<a href=\"Ny alarm.html\">"
                                  << "alarm" << true;
    QTest::newRow("star") << "5 * 3"
                          << "*" << true;
    QTest::newRow("star absent") << "ingen stjerne"
                                 << "*" << false;
    QTest::newRow("phrase") << "Ny alarm..."
                            << "ny alarm" << true;
    QTest::newRow("empty word") << "alarm"
                                << "" << false;
    QTest::newRow("empty text") << ""
                                << "alarm" << false;
    QTest::newRow("a near miss just before") << "alalarm, alarm"
                                             << "alarm" << true;
    QTest::newRow("repeated letters") << "aaab aab"
                                      << "aab" << true;
    QTest::newRow("Kelvin sign folds to k") << u"\u212Alokkeven"_s << "KLOKKEVEN" << true;
    QTest::newRow("long s folds to s") << u"\u017Fe her"_s << "se" << true;
    QTest::newRow("sharp s is not ss") << u"Gro\u00DF"_s << "gross" << false;
    QTest::newRow("letters beyond the BMP in other case")
        << u"ord \U00010400\U00010401 ord"_s << u"\U00010428\U00010429"_s << true;
    QTest::newRow("10,000 characters, not there") << "alarm" << QString(10000, 'a') << false;
    QTest::newRow("10,000 characters, there")
        << "x " + QString(10000, 'b') + " y" << QString(10000, 'B') << true;
}

void TestSideSoegning::wholeWordWithoutCase()
{
    QFETCH(QString, tekst);
    QFETCH(QString, ord);
    QFETCH(bool, fundet);
    QCOMPARE(SideSoegning::indeholderOrd(tekst, ord), fundet);
}

void TestSideSoegning::pageText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("utf-8") << QByteArray("\xc3\x85lborg") << "Ålborg";
    QTest::newRow("windows-1252") << QByteArray("\xc5lborg") << "Ålborg";
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF\xc3\xa6") << "æ";
    QTest::newRow("utf-16 mark") << QByteArray("\xFF\xFE\xe6\0", 4) << "æ";
}

void TestSideSoegning::pageText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tekst);
    QCOMPARE(SideSoegning::sideTekst(bytes), tekst);
}

void TestSideSoegning::findsTheFilesDirectlyInTheFolder()
{
    QTemporaryDir tmp;
    const QString mappe = tmp.path() + "/tekstfiler";
    QVERIFY(putFile(mappe + "/Ny alarm.html", "<h1>Ny Alarm</h1>"));
    QVERIFY(putFile(mappe + "/Alarmer.html", "<p>alarmer</p>"));
    QVERIFY(putFile(mappe + "/noter.txt", "en alarm"));
    QVERIFY(putFile(mappe + "/Ålborg.html", "<p>\xc5lborg og alarm</p>"));
    QVERIFY(putFile(mappe + "/Design og funktioner/Farver.html", "alarm"));
    QVERIFY(putFile(mappe + "/broken.html", "<p><b>alarm<i></p"));
    QStringList fundne = SideSoegning::find(mappe, "ALARM");
    fundne.sort();
    QCOMPARE(fundne, (QStringList{"Ny alarm", "broken", "noter", "Ålborg"}));
    QCOMPARE(SideSoegning::find(mappe, "ålborg"), QStringList{"Ålborg"});
    QCOMPARE(SideSoegning::find(tmp.path() + "/findes ikke", "alarm"), QStringList());
}

void TestSideSoegning::aThousandPages()
{
    QTemporaryDir tmp;
    const QByteArray fyld = QByteArray("<p>Klokkeven viser tiden.</p>\r\n").repeated(100);
    for (int i = 0; i < 1000; ++i)
        QVERIFY(putFile(tmp.path() + QString("/side%1.html").arg(i),
                        fyld + (i % 250 == 7 ? "<p>Kalender</p>" : "<p>Kalenderen</p>")));
    QStringList fundne = SideSoegning::find(tmp.path(), "kalender");
    fundne.sort();
    QCOMPARE(fundne, (QStringList{"side257", "side507", "side7", "side757"}));
}

void TestSideSoegning::webSearchEncodesTheText_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("words") << "klokke ven" << QByteArray("q=klokke%20ven");
    QTest::newRow("ampersand, hash and plus") << "a&b#c+d=e" << QByteArray("q=a%26b%23c%2Bd%3De");
    QTest::newRow("Danish letters") << "ål" << QByteArray("q=%C3%A5l");
}

void TestSideSoegning::webSearchEncodesTheText()
{
    QFETCH(QString, tekst);
    QFETCH(QByteArray, query);
    const QUrl url = SideSoegning::webSoegning(tekst);
    QCOMPARE(url.path(), "/search");
    QVERIFY(url.scheme() == "https" && !url.host().isEmpty());
    QCOMPARE(url.query(QUrl::FullyEncoded).toLatin1(), query);
    QVERIFY(url.toEncoded().endsWith("/search?" + query));
}

QTEST_APPLESS_MAIN(TestSideSoegning)
#include "tst_sidesoegning.moc"
