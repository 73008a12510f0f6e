#include "TestFiles.h"
#include "app/TextListFile.h"
#include "app/WindowOptionFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {} // namespace

class TestTextListFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesWindows1252WithCrLfAfterEveryLine();
    void read_data();
    void read();
    void roundTrip();
    void missingFileCannotBeRead();
    void failedWriteLeavesTheOldFile();
    void writeIntoMissingFolderFails();
    void optionFile_data();
    void optionFile();
};

void TestTextListFile::writesWindows1252WithCrLfAfterEveryLine()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("a.txt");
    QVERIFY(TextListFile::write(path, {"Blå æble", "", "Ø €"}));
    QCOMPARE(fileContents(path), QByteArray("Bl\xe5 \xe6"
                                            "ble\r\n\r\n\xd8 \x80\r\n"));
}

void TestTextListFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no break after last") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("cr only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("windows-1252") << QByteArray("\xc6\xd8\xc5\r\n") << QStringList{"ÆØÅ"};
}

void TestTextListFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("a.txt");
    QVERIFY(putFile(path, bytes));
    QCOMPARE(TextListFile::read(path), std::optional<QStringList>(lines));
}

void TestTextListFile::roundTrip()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("a.txt");
    const QStringList lines{"0000", "00", "Mødet på kontoret", "C:\\Urmappe\\Anna\\x.txt"};
    QVERIFY(TextListFile::write(path, lines));
    QCOMPARE(TextListFile::read(path), std::optional<QStringList>(lines));
    // Characters outside Windows-1252 cannot be stored and come back as "?".
    QVERIFY(TextListFile::write(path, {"Bø 日本 😀!"}));
    QCOMPARE(TextListFile::read(path), std::optional<QStringList>(QStringList{"Bø ?? ?!"}));
}

void TestTextListFile::missingFileCannotBeRead()
{
    QTemporaryDir tmp;
    QVERIFY(!TextListFile::read(tmp.filePath("none.txt")));
}

void TestTextListFile::failedWriteLeavesTheOldFile()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("design.txt");
    QVERIFY(TextListFile::write(path, {"old", "file"}));
    const QByteArray before = fileContents(path);

    // A file size limit makes the disk "full" part-way through the write.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written =
        TextListFile::write(path, QStringList(2000, QString(40, QLatin1Char('x'))));
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(!written);
    QCOMPARE(fileContents(path), before);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files), QStringList{"design.txt"});
}

void TestTextListFile::writeIntoMissingFolderFails()
{
    QTemporaryDir tmp;
    QVERIFY(!TextListFile::write(tmp.filePath("none/a.txt"), {"x"}));
}

void TestTextListFile::optionFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<std::optional<QList<int>>>("values");
    const std::optional<QList<int>> defaults;
    QTest::newRow("missing") << QByteArray() << false << defaults;
    QTest::newRow("empty") << QByteArray() << true << defaults;
    QTest::newRow("short") << QByteArray("10\r\n20\r\n") << true << defaults;
    QTest::newRow("text") << QByteArray("10\r\nti\r\n30\r\n40\r\n") << true << defaults;
    QTest::newRow("whole") << QByteArray("10\r\n-20\r\n300\r\n400\r\n") << true
                           << std::optional<QList<int>>({10, -20, 300, 400});
    QTest::newRow("longer") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n") << true
                            << std::optional<QList<int>>({1, 2, 3, 4});
}

void TestTextListFile::optionFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(std::optional<QList<int>>, values);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("alarmform.txt");
    if (exists)
        QVERIFY(putFile(path, bytes));
    QCOMPARE(WindowOptionFile::read(path, 4), values);
}

QTEST_GUILESS_MAIN(TestTextListFile)
#include "tst_textlistfile.moc"
