#include "DiskSnapshot.h"
#include "TestFiles.h"
#include "base/DataFolders.h"
#include "platform/DataLocation.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A path as the data folders store it: with this platform's separator.
QString stored(QString path)
{
    return path.replace(u'/', DataLocation::separator());
}

} // namespace

class TestDataFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userName_data();
    void userName();
    void pathsForAnna();
    void pathsWithoutUserName();
    void secondStartChangesNothing();
    void deletedGemHentComesBackEmpty();
    void folderThatCannotBeCreatedIsPassedOver();
    void usersShareTheInstallation();
    void interruptedWritesLeaveNothingAfterTheNextStart();
};

void TestDataFolders::userName_data()
{
    QTest::addColumn<std::optional<QString>>("login");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Anna") << std::optional<QString>(QStringLiteral("Anna")) << "Anna";
    QTest::newRow("call fails") << std::optional<QString>() << "Brugernavn";
    QTest::newRow("empty name") << std::optional<QString>(QString()) << "";
}

void TestDataFolders::userName()
{
    QFETCH(std::optional<QString>, login);
    QFETCH(QString, expected);
    FakeUserName user;
    user.set(login);
    QCOMPARE(DataFolders::GetUserFromWindows(user), expected);
}

void TestDataFolders::pathsForAnna()
{
    QTemporaryDir tmp;
    const QString p = tmp.path() + QStringLiteral("/Urmappe");
    const DataFolders f(p, QStringLiteral("Anna"));

    QCOMPARE(f.Brugernavn, QStringLiteral("Anna"));
    QCOMPARE(f.ProgramDir, p);
    QCOMPARE(f.strukturDir, p + stored("/Struktur"));
    QCOMPARE(f.optDir, p + stored("/Anna/Egenskaber"));
    QCOMPARE(f.brugerKalenderMappe, p + stored("/Anna/Kalender"));
    QCOMPARE(f.alarmDir, p + stored("/Anna/Alarmer/"));
    QCOMPARE(f.alarmTekster, p + stored("/Anna/Alarmtekster/"));
    QCOMPARE(f.GemHentDir, p + stored("/Anna/Egenskaber/GemHent/"));
    QCOMPARE(f.filnavnOpt, p + stored("/Anna/Egenskaber/egenskaber.txt"));
    QCOMPARE(f.filnavnLook, p + stored("/Anna/Egenskaber/look.txt"));
    QCOMPARE(f.filnavnDesign, p + stored("/Anna/Egenskaber/design.txt"));
    QCOMPARE(f.LydDir, p + stored("/Alarmlydfiler"));

    for (const char *folder : {"Anna", "Anna/Kalender", "Anna/Alarmer", "Anna/Alarmtekster",
                               "Anna/Egenskaber", "Anna/Egenskaber/GemHent"})
        QVERIFY2(QDir(p + "/" + folder).exists(), folder);
    // The shared folders come with the installation and are never created.
    QVERIFY(!QDir(f.LydDir).exists());
    QVERIFY(!QDir(f.strukturDir).exists());
}

void TestDataFolders::pathsWithoutUserName()
{
    QTemporaryDir tmp;
    const QString p = tmp.path();
    const DataFolders f(p, QString());

    QCOMPARE(f.optDir, p + stored("/Egenskaber"));
    QCOMPARE(f.alarmDir, p + stored("/Alarmer/"));
    QCOMPARE(f.alarmTekster, p + stored("/Alarmtekster/"));
    QCOMPARE(f.brugerKalenderMappe, p + stored("/Kalender"));
    QCOMPARE(f.GemHentDir, p + stored("/Egenskaber/GemHent/"));
    QCOMPARE(f.filnavnDesign, p + stored("/Egenskaber/design.txt"));
    QCOMPARE(QDir(p).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"Alarmer", "Alarmtekster", "Egenskaber", "Kalender"}));
}

void TestDataFolders::secondStartChangesNothing()
{
    QTemporaryDir tmp;
    const DataFolders first(tmp.path(), QStringLiteral("Anna"));
    QFile settings(first.filnavnDesign);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("7\r\n");
    settings.close();
    const auto before = diskSnapshot(tmp.path());

    const DataFolders second(tmp.path(), QStringLiteral("Anna"));
    QCOMPARE(diskSnapshot(tmp.path()), before);
}

void TestDataFolders::deletedGemHentComesBackEmpty()
{
    QTemporaryDir tmp;
    const DataFolders first(tmp.path(), QStringLiteral("Anna"));
    QFile saved(first.GemHentDir + "Blå.txt");
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.close();
    QVERIFY(QDir(first.GemHentDir).removeRecursively());

    const DataFolders second(tmp.path(), QStringLiteral("Anna"));
    QDir gemHent(second.GemHentDir);
    QVERIFY(gemHent.exists());
    QVERIFY(gemHent.isEmpty());
}

void TestDataFolders::folderThatCannotBeCreatedIsPassedOver()
{
    QTemporaryDir tmp;
    // A file where the user's calendar folder belongs.
    QVERIFY(QDir().mkpath(tmp.path() + "/Anna"));
    QFile inTheWay(tmp.path() + "/Anna/Kalender");
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.write("mine");
    inTheWay.close();

    const DataFolders f(tmp.path(), QStringLiteral("Anna"));
    QCOMPARE(f.brugerKalenderMappe, tmp.path() + stored("/Anna/Kalender"));
    QVERIFY(QFileInfo(f.brugerKalenderMappe).isFile());
    QVERIFY(inTheWay.open(QIODevice::ReadOnly));
    QCOMPARE(inTheWay.readAll(), QByteArray("mine"));
    // The folders after it are created all the same.
    QVERIFY(QDir(f.alarmDir).exists());
    QVERIFY(QDir(f.GemHentDir).exists());
}

void TestDataFolders::usersShareTheInstallation()
{
    QTemporaryDir tmp;
    const DataFolders anna(tmp.path(), QStringLiteral("Anna"));
    const DataFolders bo(tmp.path(), QStringLiteral("Bo"));
    QCOMPARE(anna.LydDir, bo.LydDir);
    QCOMPARE(anna.strukturDir, bo.strukturDir);
    QVERIFY(anna.alarmDir != bo.alarmDir);
    QVERIFY(anna.brugerKalenderMappe != bo.brugerKalenderMappe);
    QVERIFY(anna.optDir != bo.optDir);
}

void TestDataFolders::interruptedWritesLeaveNothingAfterTheNextStart()
{
    QTemporaryDir tmp;
    const QString p = tmp.path() + QStringLiteral("/Urmappe");
    const DataFolders first(p, QStringLiteral("Anna"));
    const QStringList folders{first.optDir + "/", first.alarmDir, first.alarmTekster,
                              first.GemHentDir};
    const QString leftover = QStringLiteral("design.txt.0badf00d.klokkeven-tmp");
    for (const QString &folder : folders) {
        QVERIFY(putFile(folder + leftover, "half"));
        QVERIFY(putFile(folder + "design.txt", "whole"));
    }
    // A calendar document and a structure's data file are written atomically too.
    const QString dato = first.brugerKalenderMappe + "/2024/03 Marts/05 Tirsdag/";
    const QString struktur = first.strukturDir + "/Klokkeven/";
    for (const QString &folder : {dato, struktur}) {
        QVERIFY(putFile(folder + "Noter.rtf.1234abcd.klokkeven-tmp", "half"));
        QVERIFY(putFile(folder + "Noter.rtf", "whole"));
    }
    // Only the folders the program writes in are cleaned.
    QVERIFY(putFile(first.brugerKalenderMappe + "/" + leftover, "the user's"));
    QVERIFY(putFile(first.brugerKalenderMappe + "/2024/" + leftover, "the user's"));
    // A link is not followed out of the data folder.
    QTemporaryDir outside;
    QVERIFY(QDir().mkpath(outside.path() + "/03 Marts/05 Tirsdag"));
    QVERIFY(putFile(outside.path() + "/03 Marts/05 Tirsdag/" + leftover, "elsewhere"));
    QVERIFY(QFile::link(outside.path(), first.brugerKalenderMappe + "/2025"));

    const DataFolders second(p, QStringLiteral("Anna"));
    for (const QString &folder : folders) {
        QVERIFY2(!QFile::exists(folder + leftover), qPrintable(folder));
        QCOMPARE(fileContents(folder + "design.txt"), QByteArray("whole"));
    }
    for (const QString &folder : {dato, struktur}) {
        QVERIFY2(!QFile::exists(folder + "Noter.rtf.1234abcd.klokkeven-tmp"), qPrintable(folder));
        QCOMPARE(fileContents(folder + "Noter.rtf"), QByteArray("whole"));
    }
    QVERIFY(QFile::exists(second.brugerKalenderMappe + "/" + leftover));
    QVERIFY(QFile::exists(second.brugerKalenderMappe + "/2024/" + leftover));
    QVERIFY(QFile::exists(outside.path() + "/03 Marts/05 Tirsdag/" + leftover));
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
