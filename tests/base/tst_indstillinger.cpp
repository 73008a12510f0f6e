#include "TestFiles.h"
#include "base/Indstillinger.h"
#include "base/TextListFile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A file with every value away from its default.
Indstillinger andre()
{
    Indstillinger i;
    i.designName = QStringLiteral("Blå æble");
    i.alarmIndex = 3;
    i.alarmAntal = 7;
    i.side = EgenskabsSide::NyAlarm;
    i.lydBar = 14;
    i.alarmLydIndex = 2;
    i.alarmLydGentagelse = 5;
    i.fontNameDoc = QStringLiteral("Arial");
    i.fontSizeDoc = 12;
    i.alarmMemoFontName = QStringLiteral("Lucida Calligraphy");
    i.alarmMemoFontSize = 14;
    i.fontNameDocK = QStringLiteral("Tahoma");
    i.fontSizeDocK = 11;
    i.opstartCheck = false;
    i.opstartIndex = 2;
    i.vindue = QRect(30, 20, 671, 446);
    i.stopUrCheck = true;
    i.runVisCheck = true;
    i.startProgFilename = QStringLiteral("/home/anna/.config/autostart/urProgram.desktop");
    return i;
}

} // namespace

class TestIndstillinger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_tmp = std::make_unique<QTemporaryDir>(); }
    void defaultsWithoutAFile();
    void roundTrip();
    void writesTwentyTwoLinesInFileOrder();
    void lineCountDecidesTheLastThree_data();
    void lineCountDecidesTheLastThree();
    void badLinesKeepTheirValues_data();
    void badLinesKeepTheirValues();
    void lowersTheNewAlarmSound_data();
    void lowersTheNewAlarmSound();

private:
    QString path() const { return m_tmp->path() + QStringLiteral("/design.txt"); }
    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TestIndstillinger::defaultsWithoutAFile()
{
    Indstillinger i;
    QVERIFY(!Indstillingsfil::hent(path(), i));
    QCOMPARE(i, Indstillinger());
    QCOMPARE(i.designName, QStringLiteral("Iceberg Classico"));
    QCOMPARE(i.side, EgenskabsSide::Egenskaber);
    QCOMPARE(i.fontNameDoc, QStringLiteral("Courier New"));
    QCOMPARE(i.fontSizeDocK, 10);
    QVERIFY(i.opstartCheck);
    QVERIFY(!i.vindue);
    QVERIFY(i.startProgFilename.isEmpty());
}

void TestIndstillinger::roundTrip()
{
    QVERIFY(Indstillingsfil::gem(path(), andre()));
    Indstillinger i;
    QVERIFY(Indstillingsfil::hent(path(), i));
    QCOMPARE(i, andre());
}

void TestIndstillinger::writesTwentyTwoLinesInFileOrder()
{
    QVERIFY(Indstillingsfil::gem(path(), andre()));
    const QByteArray bytes = fileContents(path());
    QCOMPARE(bytes.count("\r\n"), 22);
    QVERIFY(bytes.endsWith("\r\n"));
    // Windows-1252, the top edge before the left edge, flags as 1 or 0.
    QVERIFY(bytes.startsWith("Bl\xE5 \xE6"
                             "ble\r\n3\r\n7\r\n3\r\n14\r\n2\r\n5\r\nArial\r\n12\r\n"));
    QVERIFY(bytes.contains("\r\n0\r\n2\r\n20\r\n30\r\n671\r\n446\r\n1\r\n1\r\n/home/anna/"));
}

void TestIndstillinger::lineCountDecidesTheLastThree_data()
{
    QTest::addColumn<int>("linjer");
    QTest::addColumn<bool>("sidsteTre");
    QTest::newRow("19 lines") << 19 << false;
    QTest::newRow("20 lines") << 20 << false;
    QTest::newRow("21 lines") << 21 << false;
    QTest::newRow("22 lines") << 22 << true;
    QTest::newRow("23 lines") << 23 << false;
}

void TestIndstillinger::lineCountDecidesTheLastThree()
{
    QFETCH(int, linjer);
    QFETCH(bool, sidsteTre);
    QStringList l = Indstillingsfil::linjer(andre());
    while (l.size() < linjer)
        l.append(QStringLiteral("ekstra"));
    QVERIFY(TextListFile::write(path(), l.mid(0, linjer)));

    Indstillinger i;
    QVERIFY(Indstillingsfil::hent(path(), i));
    // Lines 1 to 19 are read in every case.
    QCOMPARE(i.designName, andre().designName);
    QCOMPARE(i.vindue, andre().vindue);
    QCOMPARE(i.opstartIndex, andre().opstartIndex);
    const Indstillinger forventet = sidsteTre ? andre() : Indstillinger();
    QCOMPARE(i.stopUrCheck, forventet.stopUrCheck);
    QCOMPARE(i.runVisCheck, forventet.runVisCheck);
    QCOMPARE(i.startProgFilename, forventet.startProgFilename);
}

void TestIndstillinger::badLinesKeepTheirValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("lydBar");
    QTest::addColumn<int>("alarmIndex");
    QTest::addColumn<bool>("vindue");
    const QByteArray start = "Iceberg Classico\r\n";
    const QByteArray midte =
        "Courier New\r\n10\r\nCourier New\r\n10\r\nCourier New\r\n10\r\n1\r\n0\r\n";
    const QByteArray sted = "100\r\n120\r\n671\r\n446\r\n";
    QTest::newRow("empty") << QByteArray() << 5 << 28 << 0 << false;
    QTest::newRow("one line") << start << 5 << 28 << 0 << false;
    QTest::newRow("tab 9, volume 500, sound -7")
        << start + "-7\r\n1\r\n9\r\n500\r\n0\r\n0\r\n" + midte + sted << 5 << 28 << 0 << true;
    QTest::newRow("tab -1") << start + "2\r\n1\r\n-1\r\n3\r\n" << 5 << 3 << 2 << false;
    QTest::newRow("text for numbers")
        << start + "to\r\n1\r\nfire\r\nfuld\r\n0\r\n0\r\n" + midte + "top\r\n120\r\n671\r\n446\r\n"
        << 5 << 28 << 0 << false;
    QTest::newRow("LF only") << QByteArray(start + "1\r\n2\r\n3\r\n4\r\n").replace("\r\n", "\n")
                             << 3 << 4 << 1 << false;
    QTest::newRow("CR only") << QByteArray(start + "1\r\n2\r\n3\r\n4\r\n").replace("\r\n", "\r")
                             << 3 << 4 << 1 << false;
    QTest::newRow("30 lines") << start + "1\r\n2\r\n0\r\n4\r\n0\r\n0\r\n" + midte + sted +
                                     QByteArray("0\r\n").repeated(11)
                              << 0 << 4 << 1 << true;
    QTest::newRow("binary") << QByteArray("\x00\xFF\x01\r\n\x89PNG\r\n\x1A\n\x00\x00", 16) << 5
                            << 28 << 0 << false;
}

void TestIndstillinger::badLinesKeepTheirValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, side);
    QFETCH(int, lydBar);
    QFETCH(int, alarmIndex);
    QFETCH(bool, vindue);
    QVERIFY(putFile(path(), bytes));
    Indstillinger i;
    QVERIFY(Indstillingsfil::hent(path(), i));
    QCOMPARE(int(i.side), side);
    QCOMPARE(i.lydBar, lydBar);
    QCOMPARE(i.alarmIndex, alarmIndex);
    QCOMPARE(bool(i.vindue), vindue);
    // Whatever was read, what is written back is whole.
    QVERIFY(Indstillingsfil::gem(path(), i));
    QCOMPARE(TextListFile::read(path())->size(), 22);
}

void TestIndstillinger::lowersTheNewAlarmSound_data()
{
    QTest::addColumn<int>("gemt");
    QTest::addColumn<int>("lyde");
    QTest::addColumn<int>("forventet");
    QTest::newRow("9 of 5 entries") << 9 << 5 << 4;
    QTest::newRow("just past the end") << 5 << 5 << 4;
    QTest::newRow("last entry") << 4 << 5 << 4;
    QTest::newRow("only no sound") << 3 << 1 << 0;
}

void TestIndstillinger::lowersTheNewAlarmSound()
{
    QFETCH(int, gemt);
    QFETCH(int, lyde);
    QFETCH(int, forventet);
    QCOMPARE(Indstillingsfil::senkLydIndex(gemt, lyde), forventet);
}

QTEST_GUILESS_MAIN(TestIndstillinger)
#include "tst_indstillinger.moc"
