#include "base/Windows1252.h"

#include <QTest>

// The table against characters taken from Windows' own code page chart.
class TestWindows1252 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachWay_data();
    void eachWay();
    void everyByteComesBackUnchanged();
    void charactersTheCodePageLacksBecomeAQuestionMark_data();
    void charactersTheCodePageLacksBecomeAQuestionMark();
};

void TestWindows1252::eachWay_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Luk uret 12:00") << QStringLiteral("Luk uret 12:00");
    QTest::newRow("danish letters")
        << QByteArray("\xe6\xf8\xe5\xc6\xd8\xc5") << QString::fromUtf8("æøåÆØÅ");
    QTest::newRow("euro, quotes, dash")
        << QByteArray("\x80\x84\x93\x94\x96\x97") << QString::fromUtf8("€„“”–—");
    QTest::newRow("edges of the table")
        << QByteArray("\x7f\x8a\x9f\xa0\xff", 5) << QString::fromUtf8("\x7fŠŸ\u00a0ÿ");
    QTest::newRow("unassigned bytes") << QByteArray("\x81\x8d\x8f\x90\x9d")
                                      << QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d");
}

void TestWindows1252::eachWay()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Windows1252::decode(bytes), text);
    bool lossless = false;
    QCOMPARE(Windows1252::encode(text, &lossless), bytes);
    QVERIFY(lossless);
}

void TestWindows1252::everyByteComesBackUnchanged()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Windows1252::encode(text), all);
}

void TestWindows1252::charactersTheCodePageLacksBecomeAQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("greek") << QString::fromUtf8("α=1") << QByteArray("?=1");
    QTest::newRow("outside the basic plane is one mark")
        << QString::fromUtf8("a😀b") << QByteArray("a?b");
    QTest::newRow("a lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestWindows1252::charactersTheCodePageLacksBecomeAQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool lossless = true;
    QCOMPARE(Windows1252::encode(text, &lossless), bytes);
    QVERIFY(!lossless);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
