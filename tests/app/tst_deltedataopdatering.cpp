#include "TestFiles.h"
#include "app/DelteDataOpdatering.h"
#include "app/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The shared data of one installation, installed into a data folder and then
// updated to a newer version of the program.
class TestDelteDataOpdatering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstInstallationIsRecordedAndChangesNothing();
    void updateRefreshesOnlyTheInstallationsOwnFiles();
    void linksInTheDataFolderAreNeverWrittenThrough();

private:
    QString installeret(const QString &relativ) const { return m_installed->filePath(relativ); }
    QString data(const QString &relativ) const { return m_programDir + '/' + relativ; }
    // The program as it starts: the first installation, then the refresh.
    QStringList start() const
    {
        Installation::completeInstallation(m_installed->path(), m_programDir);
        return DelteDataOpdatering::opdater(m_installed->path(), m_programDir);
    }

    std::unique_ptr<QTemporaryDir> m_installed;
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_programDir;
};

void TestDelteDataOpdatering::init()
{
    m_installed = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    m_programDir = m_home->filePath("Urmappe");
    QVERIFY(putFile(installeret("Velkommen.rtf"), "{\\rtf1 Velkommen}"));
    QVERIFY(putFile(installeret("Alarmlydfiler/DingDong.wav"), "RIFF1"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Kalender.htm"), "<p>v1 kalender"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Alarmer.htm"), "<p>v1 alarmer"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Ur.htm"), "<p>v1 ur"));
}

void TestDelteDataOpdatering::firstInstallationIsRecordedAndChangesNothing()
{
    QVERIFY(start().isEmpty());
    const QByteArray manifest = fileContents(data(DelteDataOpdatering::manifestNavn()));
    QVERIFY(manifest.contains("Struktur/Klokkeven/tekstfiler/Kalender.htm\r\n"));
    QVERIFY(manifest.contains("Alarmlydfiler/DingDong.wav\r\n"));
    const QFileInfo foer(data(DelteDataOpdatering::manifestNavn()));
    QVERIFY(start().isEmpty());
    QCOMPARE(QFileInfo(data(DelteDataOpdatering::manifestNavn())).lastModified(),
             foer.lastModified());
}

void TestDelteDataOpdatering::updateRefreshesOnlyTheInstallationsOwnFiles()
{
    start();
    // The user's own changes between the two versions.
    QVERIFY(putFile(data("Struktur/Klokkeven/tekstfiler/Alarmer.htm"), "<p>mine noter"));
    QVERIFY(putFile(data("Struktur/Klokkeven/tekstfiler/Egen.htm"), "<p>min egen side"));
    QVERIFY(QFile::remove(data("Struktur/Klokkeven/tekstfiler/Ur.htm")));

    // The update: every page and the sound are new, one page and one folder are added.
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Kalender.htm"), "<p>v2 kalender"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Alarmer.htm"), "<p>v2 alarmer"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Ur.htm"), "<p>v2 ur"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Egen.htm"), "<p>v2 egen"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Ny.htm"), "<p>v2 ny"));
    QVERIFY(putFile(installeret("Struktur/Klokkeven/Billeder/knude0.png"), "PNG"));
    QVERIFY(putFile(installeret("Alarmlydfiler/DingDong.wav"), "RIFF2"));

    QStringList skrevet = start();
    skrevet.sort();
    QCOMPARE(skrevet,
             (QStringList{"Alarmlydfiler/DingDong.wav", "Struktur/Klokkeven/Billeder/knude0.png",
                          "Struktur/Klokkeven/tekstfiler/Kalender.htm",
                          "Struktur/Klokkeven/tekstfiler/Ny.htm"}));
    QCOMPARE(fileContents(data("Struktur/Klokkeven/tekstfiler/Kalender.htm")),
             QByteArray("<p>v2 kalender"));
    QCOMPARE(fileContents(data("Alarmlydfiler/DingDong.wav")), QByteArray("RIFF2"));
    QCOMPARE(fileContents(data("Struktur/Klokkeven/tekstfiler/Ny.htm")), QByteArray("<p>v2 ny"));
    // Changed, added and deleted by the user: as the user left them.
    QCOMPARE(fileContents(data("Struktur/Klokkeven/tekstfiler/Alarmer.htm")),
             QByteArray("<p>mine noter"));
    QCOMPARE(fileContents(data("Struktur/Klokkeven/tekstfiler/Egen.htm")),
             QByteArray("<p>min egen side"));
    QVERIFY(!QFileInfo::exists(data("Struktur/Klokkeven/tekstfiler/Ur.htm")));

    // A later update still leaves the user's changed page alone.
    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Alarmer.htm"), "<p>v3 alarmer"));
    QVERIFY(start().isEmpty());
    QCOMPARE(fileContents(data("Struktur/Klokkeven/tekstfiler/Alarmer.htm")),
             QByteArray("<p>mine noter"));
    QVERIFY(!QFileInfo::exists(data("Struktur/Klokkeven/tekstfiler/Ur.htm")));
}

void TestDelteDataOpdatering::linksInTheDataFolderAreNeverWrittenThrough()
{
    start();
    QTemporaryDir andetsteds;
    QVERIFY(putFile(andetsteds.filePath("Kalender.htm"), "<p>v1 kalender"));
    const QString side = data("Struktur/Klokkeven/tekstfiler/Kalender.htm");
    QVERIFY(QFile::remove(side));
    QVERIFY(QFile::link(andetsteds.filePath("Kalender.htm"), side));
    QVERIFY(putFile(andetsteds.filePath("Alarmlydfiler/DingDong.wav"), "RIFF1"));
    QVERIFY(QDir(data("Alarmlydfiler")).removeRecursively());
    QVERIFY(QFile::link(andetsteds.filePath("Alarmlydfiler"), data("Alarmlydfiler")));

    QVERIFY(putFile(installeret("Struktur/Klokkeven/tekstfiler/Kalender.htm"), "<p>v2 kalender"));
    QVERIFY(putFile(installeret("Alarmlydfiler/DingDong.wav"), "RIFF2"));
    QVERIFY(putFile(installeret("Alarmlydfiler/Ny.wav"), "RIFF3"));
    QVERIFY(start().isEmpty());
    QCOMPARE(fileContents(andetsteds.filePath("Kalender.htm")), QByteArray("<p>v1 kalender"));
    QCOMPARE(fileContents(andetsteds.filePath("Alarmlydfiler/DingDong.wav")), QByteArray("RIFF1"));
    QVERIFY(!QFileInfo::exists(andetsteds.filePath("Alarmlydfiler/Ny.wav")));
}

QTEST_MAIN(TestDelteDataOpdatering)
#include "tst_deltedataopdatering.moc"
