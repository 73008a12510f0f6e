#include "DiskSnapshot.h"
#include "TestFiles.h"
#include "app/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void copiesMissingItems();
    void neverOverwritesWhatExists();
    void secondRunChangesNothing();
    void missingInstallationCopiesNothing();
    void linksInTheInstallationAreNotFollowedIntoFolders();
    void theUsersInstallingItemsAreNeverTouched_data();
    void theUsersInstallingItemsAreNeverTouched();
    void aLinkInTheDataFolderCountsAsThere();

private:
    std::unique_ptr<QTemporaryDir> m_installed;
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestInstallation::init()
{
    m_installed = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(putFile(m_installed->filePath("Velkommen.rtf"), "{\\rtf1 Velkommen}"));
    QVERIFY(putFile(m_installed->filePath("Alarmlydfiler/DingDong.wav"), "RIFF1"));
    QVERIFY(putFile(m_installed->filePath("Alarmlydfiler/Zylo.wav"), "RIFF2"));
    QVERIFY(putFile(m_installed->filePath("Struktur/Klokkeven/struktur.txt"), "x\r\n"));
}

void TestInstallation::copiesMissingItems()
{
    const QString programDir = m_home->filePath("Urmappe");
    const QStringList copied = Installation::completeInstallation(m_installed->path(), programDir);
    QCOMPARE(copied, QStringList({"Alarmlydfiler", "Struktur", "Velkommen.rtf"}));
    QCOMPARE(fileContents(programDir + "/Alarmlydfiler/Zylo.wav"), QByteArray("RIFF2"));
    QCOMPARE(fileContents(programDir + "/Struktur/Klokkeven/struktur.txt"), QByteArray("x\r\n"));
    QCOMPARE(fileContents(programDir + "/Velkommen.rtf"), QByteArray("{\\rtf1 Velkommen}"));
    QCOMPARE(QDir(programDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
}

void TestInstallation::neverOverwritesWhatExists()
{
    const QString programDir = m_home->path();
    QVERIFY(putFile(programDir + "/Velkommen.rtf", "mine"));
    // The user removed one sound: the folder is theirs and stays as it is.
    QVERIFY(putFile(programDir + "/Alarmlydfiler/DingDong.wav", "my own"));

    const QStringList copied = Installation::completeInstallation(m_installed->path(), programDir);
    QCOMPARE(copied, QStringList({"Struktur"}));
    QCOMPARE(fileContents(programDir + "/Velkommen.rtf"), QByteArray("mine"));
    QCOMPARE(fileContents(programDir + "/Alarmlydfiler/DingDong.wav"), QByteArray("my own"));
    QVERIFY(!QFile::exists(programDir + "/Alarmlydfiler/Zylo.wav"));
}

void TestInstallation::secondRunChangesNothing()
{
    const QString programDir = m_home->path();
    Installation::completeInstallation(m_installed->path(), programDir);
    const auto before = diskSnapshot(programDir);
    QVERIFY(Installation::completeInstallation(m_installed->path(), programDir).isEmpty());
    QCOMPARE(diskSnapshot(programDir), before);
}

void TestInstallation::missingInstallationCopiesNothing()
{
    QVERIFY(Installation::completeInstallation(m_installed->filePath("none"), m_home->path())
                .isEmpty());
    // Run from a folder with files of its own: an empty path is no installation.
    QDir::setCurrent(m_installed->path());
    QVERIFY(Installation::completeInstallation(QString(), m_home->path()).isEmpty());
    QVERIFY(QDir(m_home->path()).isEmpty());
}

void TestInstallation::linksInTheInstallationAreNotFollowedIntoFolders()
{
    QTemporaryDir outside;
    QVERIFY(putFile(outside.filePath("private/secret.txt"), "secret"));
    QVERIFY(putFile(outside.filePath("Ekstra.wav"), "RIFF3"));
    QVERIFY(QFile::link(outside.filePath("private"), m_installed->filePath("Privat")));
    QVERIFY(QFile::link(outside.filePath("private"), m_installed->filePath("Alarmlydfiler/Mappe")));
    QVERIFY(QFile::link(outside.filePath("Ekstra.wav"),
                        m_installed->filePath("Alarmlydfiler/Ekstra.wav")));
    // A link back into the installation would make a copy that follows links endless.
    QVERIFY(QFile::link(m_installed->filePath("Struktur"),
                        m_installed->filePath("Struktur/Klokkeven/Igen")));
    const auto before = diskSnapshot(outside.path());

    const QString programDir = m_home->filePath("Urmappe");
    const QStringList copied = Installation::completeInstallation(m_installed->path(), programDir);
    QCOMPARE(copied, QStringList({"Alarmlydfiler", "Struktur", "Velkommen.rtf"}));
    QVERIFY(!QFileInfo::exists(programDir + "/Privat"));
    QVERIFY(!QFileInfo::exists(programDir + "/Alarmlydfiler/Mappe"));
    QVERIFY(!QFileInfo::exists(programDir + "/Struktur/Klokkeven/Igen"));
    // A linked sound is copied as the file it names.
    QCOMPARE(fileContents(programDir + "/Alarmlydfiler/Ekstra.wav"), QByteArray("RIFF3"));
    QVERIFY(!QFileInfo(programDir + "/Alarmlydfiler/Ekstra.wav").isSymLink());
    QCOMPARE(diskSnapshot(outside.path()), before);
}

void TestInstallation::theUsersInstallingItemsAreNeverTouched_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("asLink");
    QTest::newRow("folder: the user's folder") << "Alarmlydfiler" << false;
    QTest::newRow("folder: a link out") << "Alarmlydfiler" << true;
    QTest::newRow("file: the user's folder") << "Velkommen.rtf" << false;
    QTest::newRow("file: a link out") << "Velkommen.rtf" << true;
}

void TestInstallation::theUsersInstallingItemsAreNeverTouched()
{
    QFETCH(QString, item);
    QFETCH(bool, asLink);
    QTemporaryDir outside;
    QVERIFY(putFile(outside.filePath("mine/keep.txt"), "keep"));
    const QString programDir = m_home->path();
    const QString installing = programDir + "/" + item + ".installing";
    if (asLink)
        QVERIFY(QFile::link(outside.filePath("mine"), installing));
    else
        QVERIFY(putFile(installing + "/keep.txt", "keep"));
    const auto outsideBefore = diskSnapshot(outside.path());
    const auto installingBefore = diskSnapshot(installing);

    const QStringList copied = Installation::completeInstallation(m_installed->path(), programDir);
    QVERIFY(copied.contains(item));
    QCOMPARE(QFileInfo(installing).isSymLink(), asLink);
    QCOMPARE(diskSnapshot(installing), installingBefore);
    QCOMPARE(diskSnapshot(outside.path()), outsideBefore);
    QCOMPARE(fileContents(installing + "/keep.txt"), QByteArray("keep"));
    QStringList expected{"Alarmlydfiler", "Struktur", "Velkommen.rtf", item + ".installing"};
    expected.sort();
    QCOMPARE(QDir(programDir)
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
             expected);
}

void TestInstallation::aLinkInTheDataFolderCountsAsThere()
{
    QTemporaryDir outside;
    const QString programDir = m_home->path();
    // One link points out of the data folder, one nowhere: neither is replaced or
    // written through.
    QVERIFY(QFile::link(outside.path(), programDir + "/Alarmlydfiler"));
    QVERIFY(QFile::link(outside.filePath("gone.rtf"), programDir + "/Velkommen.rtf"));

    const QStringList copied = Installation::completeInstallation(m_installed->path(), programDir);
    QCOMPARE(copied, QStringList({"Struktur"}));
    QVERIFY(QDir(outside.path()).isEmpty());
    QVERIFY(QFileInfo(programDir + "/Velkommen.rtf").isSymLink());
    QVERIFY(!QFileInfo::exists(outside.filePath("gone.rtf")));
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
