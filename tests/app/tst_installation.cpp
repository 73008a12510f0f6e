#include "DiskSnapshot.h"
#include "TestFiles.h"
#include "app/Installation.h"

#include <QDir>
#include <QFile>
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

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
