#include "TestFiles.h"
#include "appearance/UrDesignfil.h"
#include "base/TextListFile.h"

#include <QTemporaryDir>
#include <QTest>

class TestUrDesignfil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linesInFileOrder();
    void onlyTwentyThreeLinesLoad_data();
    void onlyTwentyThreeLinesLoad();
    void numberLines_data();
    void numberLines();
    void designNames_data();
    void designNames();
};

void TestUrDesignfil::linesInFileOrder()
{
    UrDesignTekst design;
    design.farver = {"#0F0000", "#C0C0C0", "#FFFFFF", "#FFFFFF",
                     "#000000", "#909090", "#A0A0A0", "#12"};
    design.dimensioner = {10, 1, 16, 2, 4, 3, 2};
    design.form = {QPoint(-30, 40), QSize(200, 210), true, false, true, 190};
    const QStringList expected{"10",      "1",       "16",      "2",       "4",       "3",
                               "2",       "#0F0000", "#C0C0C0", "#FFFFFF", "#FFFFFF", "#000000",
                               "#909090", "#A0A0A0", "#12",     "-30",     "40",      "200",
                               "210",     "1",       "0",       "1",       "190"};
    QCOMPARE(UrDesignfil::linjer(design), expected);

    QTemporaryDir tmp;
    const QString path = tmp.filePath("a.txt");
    QVERIFY(UrDesignfil::gem(path, design));
    QCOMPARE(fileContents(path), expected.join("\r\n").toLatin1() + "\r\n");
    const std::optional<QStringList> read = UrDesignfil::hent(path);
    QVERIFY(read);
    QCOMPARE(*read, expected);
}

void TestUrDesignfil::onlyTwentyThreeLinesLoad_data()
{
    QByteArray lines;
    for (int i = 1; i <= 23; ++i)
        lines += QByteArray::number(i) + "\r\n";
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::newRow("23 lines") << lines << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("22 lines") << lines.left(lines.lastIndexOf("23\r\n")) << false;
    QTest::newRow("24 lines") << lines + "24\r\n" << false;
    QTest::newRow("an extra empty line") << lines + "\r\n" << false;
    QTest::newRow("CR-only line ends") << QByteArray(lines).replace("\r\n", "\r") << true;
    QTest::newRow("last line without its end") << lines.chopped(2) << true;
}

void TestUrDesignfil::onlyTwentyThreeLinesLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("d.txt");
    QVERIFY(putFile(path, bytes));
    const std::optional<QStringList> lines = UrDesignfil::hent(path);
    QCOMPARE(bool(lines), loads);
    if (loads)
        QCOMPARE(lines->last(), QStringLiteral("23"));
    QVERIFY(!UrDesignfil::hent(tmp.filePath("missing.txt")));
    // A folder is no design file.
    QVERIFY(!UrDesignfil::hent(tmp.path()));
}

void TestUrDesignfil::numberLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "16" << true << 16;
    QTest::newRow("negative") << "-1200" << true << -1200;
    QTest::newRow("blanks around") << " 7 " << true << 7;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("digits and letters") << "12px" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("beyond 32 bits") << "99999999999" << false << 0;
    QTest::newRow("a colour") << "#C0C0C0" << false << 0;
}

void TestUrDesignfil::numberLines()
{
    QFETCH(QString, line);
    QFETCH(bool, whole);
    QFETCH(int, value);
    const std::optional<int> read = UrDesignfil::heltal(line);
    QCOMPARE(bool(read), whole);
    if (read)
        QCOMPARE(*read, value);
}

void TestUrDesignfil::designNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain") << "Iceberg" << false;
    QTest::newRow("Danish letters and blanks") << "Grøn blå æble" << false;
    QTest::newRow("with .txt") << "abc.txt" << false;
    QTest::newRow("200 characters") << QString(200, u'x') << false;
    QTest::newRow("slash") << "../ud" << true;
    QTest::newRow("slash inside") << "a/b" << true;
    QTest::newRow("backslash") << "a\\b" << true;
    QTest::newRow("drive colon") << "C:ur" << true;
    QTest::newRow("two dots") << ".." << true;
    QTest::newRow("two dots inside") << "a..b" << true;
    QTest::newRow("wildcard") << "a*" << true;
    QTest::newRow("control character") << "a\nb" << true;
    QTest::newRow("ends in a dot") << "ur." << true;
    QTest::newRow("ends in a blank") << "ur " << true;
    QTest::newRow("device name") << "con" << true;
    QTest::newRow("too long for a file name") << QString(200, u'ø') << true;
}

void TestUrDesignfil::designNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    const std::optional<QString> fejl = UrDesignfil::navnFejl(name);
    QCOMPARE(bool(fejl), refused);
    if (fejl)
        QVERIFY(!fejl->isEmpty());
}

QTEST_GUILESS_MAIN(TestUrDesignfil)
#include "tst_urdesignfil.moc"
