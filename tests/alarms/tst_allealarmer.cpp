#include "TestFiles.h"
#include "alarms/AlleAlarmer.h"
#include "base/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

// A description file as the editor writes it, its lines 10 and 11 naming `folder`.
QByteArray beskrivelse(const QStringList &dato, int type, const QString &overskrift,
                       const QString &tekstfil, const QString &fil)
{
    QStringList lines = dato;
    lines << QString::number(type) << "1"
          << "2" << overskrift << tekstfil << fil;
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

} // namespace

class TestAlleAlarmer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rowsOfTheThreeTypes_data();
    void rowsOfTheThreeTypes();
    void unreadableFileIsSkippedAndNamedOnce();
    void deleteGoesByTheFilesOwnName();
    void deleteTwiceIsQuiet();
    void editCheckFindsMissingFiles();
    void pairIsWrittenTextFirst();

private:
    void put(const QString &navn, const QByteArray &bytes, bool medTekst = true);

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<DataFolders> m_folders;
};

void TestAlleAlarmer::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    m_folders = std::make_unique<DataFolders>(m_tmp->path(), QStringLiteral("Anna"));
}

void TestAlleAlarmer::put(const QString &navn, const QByteArray &bytes, bool medTekst)
{
    QVERIFY(putFile(m_folders->alarmDir + navn, bytes));
    if (medTekst)
        QVERIFY(putFile(m_folders->alarmTekster + navn, "{\\rtf1 tekst}"));
}

void TestAlleAlarmer::rowsOfTheThreeTypes_data()
{
    QTest::addColumn<QStringList>("dato");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("datoKolonne");
    QTest::addColumn<QString>("klokken");
    QTest::newRow("daily") << QStringList{"0000", "00", "00", "07", "30"} << 0 << "Daglig"
                           << "07:30";
    QTest::newRow("dated") << QStringList{"2015", "12", "24", "18", "00"} << 1 << "24-12-2015"
                           << "18:00";
    QTest::newRow("yearly") << QStringList{"3016", "05", "17", "08", "05"} << 2 << "Dag: 17-05"
                            << "08:05";
}

void TestAlleAlarmer::rowsOfTheThreeTypes()
{
    QFETCH(QStringList, dato);
    QFETCH(int, type);
    QFETCH(QString, datoKolonne);
    QFETCH(QString, klokken);
    const QString navn = dato.join('-') + ".txt";
    put(navn, beskrivelse(dato, type, "Mødet", "t", "d"));
    AlleAlarmer alle(m_folders->alarmDir, m_folders->alarmTekster);
    QVERIFY(alle.hentAlleAlarmer().isEmpty());
    QCOMPARE(alle.indexX(), 0);
    const AlarmRaekke r = alarmRaekke(alle.alarmX().first());
    QCOMPARE(r, (AlarmRaekke{AlarmType(type), datoKolonne, klokken, QStringLiteral("Mødet")}));
}

void TestAlleAlarmer::unreadableFileIsSkippedAndNamedOnce()
{
    put("0000-00-00-07-30.txt", beskrivelse({"0000", "00", "00", "07", "30"}, 0, "God", "t", "d"));
    put("0000-00-00-08-30.txt", "kun\r\nto linjer\r\n");
    AlleAlarmer alle(m_folders->alarmDir, m_folders->alarmTekster);
    const QStringList skipped = alle.hentAlleAlarmer();
    QCOMPARE(skipped, QStringList{m_folders->alarmDir + "0000-00-00-08-30.txt"});
    QCOMPARE(alle.skippedMessage(skipped),
             QStringLiteral("Alarmfilen 0000-00-00-08-30.txt kan ikke læses og er sprunget "
                            "over.\rfilen har 2 linjer i stedet for elleve"));
    QCOMPARE(alle.indexX(), 0);
    QCOMPARE(alle.alarmX().first().overskrift, QStringLiteral("God"));
    // Read again: still skipped, no longer named.
    QVERIFY(alle.hentAlleAlarmer().isEmpty());
    QCOMPARE(alle.indexX(), 0);
}

void TestAlleAlarmer::deleteGoesByTheFilesOwnName()
{
    // A file copied from elsewhere: its lines 10 and 11 name a pair outside this
    // user's folders, and another alarm of this user.
    QTemporaryDir andet;
    const QString fremmed = andet.path() + "/vigtig.txt";
    QVERIFY(putFile(fremmed, "andet"));
    put("0000-00-00-09-00.txt", beskrivelse({"0000", "00", "00", "09", "00"}, 0, "Kopi", fremmed,
                                            m_folders->alarmDir + "0000-00-00-10-00.txt"));
    put("0000-00-00-10-00.txt", beskrivelse({"0000", "00", "00", "10", "00"}, 0, "Egen", "t", "d"));
    AlleAlarmer alle(m_folders->alarmDir, m_folders->alarmTekster);
    alle.hentAlleAlarmer();
    QCOMPARE(alle.indexX(), 1);
    const int kopi = alle.alarmX().at(0).overskrift == "Kopi" ? 0 : 1;
    QCOMPARE(alle.beskrivelsesfil(kopi), m_folders->alarmDir + "0000-00-00-09-00.txt");
    QVERIFY(alle.slet(kopi));
    QVERIFY(QFile::exists(fremmed));
    QVERIFY(!QFile::exists(m_folders->alarmDir + "0000-00-00-09-00.txt"));
    QVERIFY(!QFile::exists(m_folders->alarmTekster + "0000-00-00-09-00.txt"));
    QVERIFY(QFile::exists(m_folders->alarmDir + "0000-00-00-10-00.txt"));
    QVERIFY(QFile::exists(m_folders->alarmTekster + "0000-00-00-10-00.txt"));
}

void TestAlleAlarmer::deleteTwiceIsQuiet()
{
    put("0000-00-00-09-00.txt", beskrivelse({"0000", "00", "00", "09", "00"}, 0, "A", "t", "d"));
    AlleAlarmer alle(m_folders->alarmDir, m_folders->alarmTekster);
    alle.hentAlleAlarmer();
    QVERIFY(alle.slet(0));
    QVERIFY(alle.slet(0));
    QVERIFY(
        !AlarmFile::sletAlarmfiler("../Anna.txt", m_folders->alarmDir, m_folders->alarmTekster));
    QVERIFY(!AlarmFile::sletAlarmfiler("", m_folders->alarmDir, m_folders->alarmTekster));
}

void TestAlleAlarmer::editCheckFindsMissingFiles()
{
    put("0000-00-00-09-00.txt", beskrivelse({"0000", "00", "00", "09", "00"}, 0, "A", "t", "d"));
    put("0000-00-00-10-00.txt", beskrivelse({"0000", "00", "00", "10", "00"}, 0, "B", "t", "d"),
        false);
    AlleAlarmer alle(m_folders->alarmDir, m_folders->alarmTekster);
    alle.hentAlleAlarmer();
    for (int i = 0; i <= alle.indexX(); ++i)
        QCOMPARE(alle.filerFindes(i), alle.alarmX().at(i).overskrift == "A");
    // The description file vanishes after the list was read.
    const int a = alle.alarmX().at(0).overskrift == "A" ? 0 : 1;
    QVERIFY(QFile::remove(alle.beskrivelsesfil(a)));
    QVERIFY(!alle.filerFindes(a));
}

void TestAlleAlarmer::pairIsWrittenTextFirst()
{
    TAlarmRecord a;
    a.aarS = "0000";
    a.maanedS = a.dagS = "00";
    a.timeS = "07";
    a.minutS = "30";
    a.gentagelse = 1;
    a.filnavn = m_folders->alarmDir + "0000-00-00-07-30.txt";
    a.tekstfilnavn = m_folders->alarmTekster + "0000-00-00-07-30.txt";
    QTextDocument tekst;
    tekst.setPlainText("Husk mødet");
    QVERIFY(AlarmFile::skrivAlarm(a, tekst));
    QVERIFY(fileContents(a.tekstfilnavn).startsWith("{\\rtf1"));
    QVERIFY(fileContents(a.tekstfilnavn).contains("Husk m\\'f8det"));
    QVERIFY(AlarmFile::loadAlarm(a.filnavn));

    // The description cannot be written (a folder stands in its place): the new text
    // does not stay behind alone.
    TAlarmRecord b = a;
    b.filnavn = m_folders->alarmDir + "0000-00-00-08-00.txt";
    b.tekstfilnavn = m_folders->alarmTekster + "0000-00-00-08-00.txt";
    QVERIFY(QDir().mkpath(b.filnavn));
    QVERIFY(!AlarmFile::skrivAlarm(b, tekst));
    QVERIFY(!QFile::exists(b.tekstfilnavn));
}

QTEST_GUILESS_MAIN(TestAlleAlarmer)
#include "tst_allealarmer.moc"
