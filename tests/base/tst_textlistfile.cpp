#include "OddFiles.h"
#include "TestFiles.h"
#include "base/AtomicFile.h"
#include "base/TextListFile.h"
#include "base/WindowOptionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
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
    void fullDiskLeavesTheOldFile();
    void failedFlushIsReported();
    void writeKeepsPermissionsAndReplacesALinkNotItsTarget();
    void oddFileIsUnreadable_data();
    void oddFileIsUnreadable();
    void leftoversAreRemoved();
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
    QTest::newRow("utf-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBFIceberg \xC3\x86\r\n2\r\n") << QStringList{"Iceberg Æ", "2"};
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << QStringList();
    QTest::newRow("utf-16 little-endian with byte-order mark")
        << QByteArray("\xFF\xFE\t\0A\0\xE6\0\r\0\n\0", 12) << QStringList{"\tAæ"};
    QTest::newRow("utf-16 big-endian with byte-order mark")
        << QByteArray("\xFE\xFF\0\xC5\0\r\0\n", 8) << QStringList{"Å"};
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

void TestTextListFile::fullDiskLeavesTheOldFile()
{
    QTemporaryDir tmp;
    const QString mount = tmp.filePath("disk");
    QVERIFY(QDir().mkdir(mount));
    const QByteArray where = QFile::encodeName(mount);
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a small tmpfs is not allowed here; failedFlushIsReported covers the "
              "failed write");
    const auto unmount = qScopeGuard([&] { ::umount(where.constData()); });

    const QString path = mount + "/design.txt";
    QVERIFY(TextListFile::write(path, {"old", "file"}));
    const QByteArray before = fileContents(path);
    // Fill the disk to the last block, so that even a short write fails at the flush.
    QFile filler(mount + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size()) {
    }
    filler.close();

    QVERIFY(!TextListFile::write(path, {"new", "file", "that", "does", "not", "fit"}));
    QVERIFY(!WindowOptionFile::write(path, {1, 2, 3, 4}));
    QCOMPARE(fileContents(path), before);
    QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden | QDir::System),
             (QStringList{"design.txt", "filler"}));
}

void TestTextListFile::failedFlushIsReported()
{
    // /dev/full takes buffered bytes and refuses them when they are flushed: the
    // fault a full disk shows a buffered write.
    QFile full("/dev/full");
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(!AtomicFile::writeAll(full, QByteArray("egenskaber\r\n")));

    QTemporaryDir tmp;
    QFile file(tmp.filePath("a.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(AtomicFile::writeAll(file, QByteArray("x\r\n")));
    file.close();
    QCOMPARE(fileContents(file.fileName()), QByteArray("x\r\n"));
}

void TestTextListFile::writeKeepsPermissionsAndReplacesALinkNotItsTarget()
{
    QTemporaryDir tmp;
    QTemporaryDir outside;
    const QString path = tmp.filePath("look.txt");
    QVERIFY(putFile(path, "old\r\n"));
    // Owner, group and others; the "user" bits only repeat the owner's here.
    const QFileDevice::Permissions kept(0x7077);
    const QFileDevice::Permissions mine =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, mine));
    QVERIFY(TextListFile::write(path, {"new"}));
    QCOMPARE(QFile::permissions(path) & kept, mine);

    const QString target = outside.filePath("target.txt");
    QVERIFY(putFile(target, "theirs"));
    const QString link = tmp.filePath("design.txt");
    QVERIFY(QFile::link(target, link));
    QVERIFY(TextListFile::write(link, {"new"}));
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(fileContents(link), QByteArray("new\r\n"));
    QCOMPARE(fileContents(target), QByteArray("theirs"));
}

void TestTextListFile::oddFileIsUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : OddFiles::kinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

void TestTextListFile::oddFileIsUnreadable()
{
    QFETCH(QString, kind);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("alarmform.txt");
    QVERIFY(OddFiles::make(kind, path));
    std::optional<QStringList> lines;
    std::optional<QList<int>> values{QList<int>()};
    QVERIFY2(OddFiles::finishesUnaided(path,
                                       [&] {
                                           lines = TextListFile::read(path);
                                           values = WindowOptionFile::read(path, 4);
                                       }),
             "reading the file blocked");
    QVERIFY(!lines);
    QVERIFY(!values);
}

void TestTextListFile::leftoversAreRemoved()
{
    QTemporaryDir tmp;
    QTemporaryDir outside;
    QVERIFY(putFile(tmp.filePath("design.txt"), "kept"));
    QVERIFY(putFile(tmp.filePath("design.txt.1a2b3c4d.klokkeven-tmp"), "half"));
    QVERIFY(putFile(tmp.filePath(".skjult.klokkeven-tmp"), "half"));
    QVERIFY(putFile(tmp.filePath("klokkeven-tmp.txt"), "kept"));
    QVERIFY(putFile(tmp.filePath("sub/x.txt.00000000.klokkeven-tmp"), "kept"));
    const QString target = outside.filePath("target");
    QVERIFY(putFile(target, "theirs"));
    QVERIFY(QFile::link(target, tmp.filePath("link.klokkeven-tmp")));

    AtomicFile::removeLeftovers(tmp.path());

    QCOMPARE(QDir(tmp.path())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                            QDir::Name),
             (QStringList{"design.txt", "klokkeven-tmp.txt", "sub"}));
    QVERIFY(QFile::exists(tmp.filePath("sub/x.txt.00000000.klokkeven-tmp")));
    QCOMPARE(fileContents(target), QByteArray("theirs"));
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
