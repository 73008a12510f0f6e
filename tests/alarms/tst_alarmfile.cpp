#include "OddFiles.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "base/DataFolders.h"
#include "base/TextListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An alarm as the editor hands it over: texts, numbers and both paths filled in.
TAlarmRecord nyAlarm(const DataFolders &folders, const QString &aarS, int maaned, int dag, int time,
                     int minut, int type, int lyd, int gentagelse, const QString &overskrift)
{
    TAlarmRecord a;
    a.aarS = aarS;
    a.maanedS = getStr(maaned);
    a.dagS = getStr(dag);
    a.timeS = getStr(time);
    a.minutS = getStr(minut);
    a.aar = static_cast<quint16>(aarS.toInt());
    a.maaned = static_cast<quint16>(maaned);
    a.dag = static_cast<quint16>(dag);
    a.time = static_cast<quint16>(time);
    a.minut = static_cast<quint16>(minut);
    a.alarmtype = static_cast<AlarmType>(type);
    a.alarmfil = lyd;
    a.gentagelse = static_cast<quint8>(gentagelse);
    a.overskrift = overskrift;
    const QString name = AlarmFile::stem(aarS, maaned, dag, time, minut) + ".txt";
    a.filnavn = folders.alarmDir + name;
    a.tekstfilnavn = folders.alarmTekster + name;
    return a;
}

// Eleven lines of a description file with the given replacements, CR LF after each.
QByteArray descriptionBytes(const QHash<int, QByteArray> &replace = {}, int count = 11)
{
    const QList<QByteArray> lines{"2015", "12", "24", "18", "00", "1", "3", "2", "Jul", "t", "d"};
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += replace.value(i + 1, i < lines.size() ? lines.at(i) : "ekstra") + "\r\n";
    return bytes;
}

} // namespace

class TestAlarmFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void padsToTwoDigits_data();
    void padsToTwoDigits();
    void dailyAlarmIsWrittenLineByLine();
    void roundTrip_data();
    void roundTrip();
    void loadIsLenient_data();
    void loadIsLenient();
    void badFileIsNotLoaded_data();
    void badFileIsNotLoaded();
    void writeIntoMissingFolderFails();
    void parseNavn_data();
    void parseNavn();
    void addAlarmerListsFilesOnly();
    void dailyAndDatedAtSameMinuteCoexist();
    void sletAlarm_data();
    void sletAlarm();
    void sletAlarmStaysInTheAlarmFolders();
    void oddFileIsUnreadable_data();
    void oddFileIsUnreadable();
};

void TestAlarmFile::padsToTwoDigits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("7") << 7 << "07";
    QTest::newRow("10") << 10 << "10";
    QTest::newRow("59") << 59 << "59";
    QTest::newRow("three digits") << 123 << "123";
    QTest::newRow("negative") << -1 << "-1";
}

void TestAlarmFile::padsToTwoDigits()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(getStr(value), text);
}

void TestAlarmFile::dailyAlarmIsWrittenLineByLine()
{
    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    const TAlarmRecord daily = nyAlarm(folders, "0000", 0, 0, 7, 30, 0, 3, 2, QString());
    QCOMPARE(daily.filnavn, folders.alarmDir + "0000-00-00-07-30.txt");

    QVERIFY(AlarmFile::skrivAlarmfil(daily));
    const QByteArray expected =
        "0000\r\n00\r\n00\r\n07\r\n30\r\n0\r\n3\r\n2\r\nIngen overskrift\r\n" +
        daily.tekstfilnavn.toLocal8Bit() + "\r\n" + daily.filnavn.toLocal8Bit() + "\r\n";
    QCOMPARE(fileContents(daily.filnavn), expected);
}

void TestAlarmFile::roundTrip_data()
{
    QTest::addColumn<QString>("aarS");
    QTest::addColumn<int>("maaned");
    QTest::addColumn<int>("dag");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("lyd");
    QTest::addColumn<QString>("overskrift");
    QTest::addColumn<QString>("line9");
    QTest::addColumn<QString>("readBack");

    const QString fifty = QString("Femti tegn: ") + QString(38, u'x');
    QVERIFY(fifty.size() == 50);
    QTest::newRow("daily") << "0000" << 0 << 0 << 0 << 3 << "Vågn op"
                           << "Vågn op"
                           << "Vågn op";
    QTest::newRow("dated") << "2015" << 12 << 24 << 1 << 0 << "Juleaften"
                           << "Juleaften"
                           << "Juleaften";
    QTest::newRow("yearly") << "3016" << 5 << 17 << 2 << 13 << "Fødselsdag"
                            << "Fødselsdag"
                            << "Fødselsdag";
    QTest::newRow("no sound chosen") << "0000" << 0 << 0 << 0 << -1 << "x"
                                     << "x"
                                     << "x";
    QTest::newRow("heading of 50 characters")
        << "2015" << 1 << 2 << 1 << 1 << fifty << fifty << fifty.left(36);
    QTest::newRow("heading of 36 characters")
        << "2015" << 1 << 2 << 1 << 1 << fifty.left(36) << fifty.left(36) << fifty.left(36);
    // Characters that Windows-1252 lacks become "?", an emoji (two UTF-16 units) one "?".
    QTest::newRow("heading outside Windows-1252")
        << "2015" << 1 << 2 << 1 << 1 << QString::fromUtf8("Møde ✓ € \U0001F600 slut")
        << QString::fromUtf8("Møde ? € ? slut") << QString::fromUtf8("Møde ? € ? slut");
}

void TestAlarmFile::roundTrip()
{
    QFETCH(QString, aarS);
    QFETCH(int, maaned);
    QFETCH(int, dag);
    QFETCH(int, type);
    QFETCH(int, lyd);
    QFETCH(QString, overskrift);
    QFETCH(QString, line9);
    QFETCH(QString, readBack);

    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    const TAlarmRecord written =
        nyAlarm(folders, aarS, maaned, dag, 18, 5, type, lyd, 16, overskrift);
    QVERIFY(AlarmFile::skrivAlarmfil(written));
    // The heading line holds the whole heading, however long.
    QCOMPARE(TextListFile::read(written.filnavn).value_or(QStringList()).value(8), line9);

    QString error;
    const std::optional<TAlarmRecord> read = AlarmFile::loadAlarm(written.filnavn, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->aar, written.aar);
    QCOMPARE(read->maaned, written.maaned);
    QCOMPARE(read->dag, written.dag);
    QCOMPARE(read->time, quint16(18));
    QCOMPARE(read->minut, quint16(5));
    QCOMPARE(read->alarmtype, written.alarmtype);
    QCOMPARE(read->alarmfil, lyd);
    QCOMPARE(read->gentagelse, quint8(16));
    QCOMPARE(read->overskrift, readBack);
    QCOMPARE(read->tekstfilnavn, written.tekstfilnavn);
    QCOMPARE(read->filnavn, written.filnavn);
    QCOMPARE(read->aarS, aarS);
    QCOMPARE(read->maanedS, getStr(maaned));
    QCOMPARE(read->dagS, getStr(dag));
    QCOMPARE(read->timeS, QString("18"));
    QCOMPARE(read->minutS, QString("05"));
}

void TestAlarmFile::loadIsLenient_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    QTest::newRow("twelfth line ignored") << descriptionBytes({}, 12) << "filnavn"
                                          << "d";
    QTest::newRow("LF only") << descriptionBytes().replace("\r\n", "\n") << "overskrift"
                             << "Jul";
    QTest::newRow("year text cut to 4") << descriptionBytes({{1, "02015"}}) << "aarS"
                                        << "0201";
    QTest::newRow("year number of 5 digits") << descriptionBytes({{1, "02015"}}) << "aar"
                                             << "2015";
    QTest::newRow("hour keeps low 16 bits") << descriptionBytes({{4, "65553"}}) << "time"
                                            << "17";
    QTest::newRow("type keeps low 8 bits") << descriptionBytes({{6, "258"}}) << "alarmtype"
                                           << "2";
    QTest::newRow("repetitions keep low 8 bits") << descriptionBytes({{8, "-1"}}) << "gentagelse"
                                                 << "255";
    QTest::newRow("Windows-1252 heading") << descriptionBytes({{9, "S\xf8ster"}}) << "overskrift"
                                          << "Søster";
    QTest::newRow("empty heading") << descriptionBytes({{9, ""}}) << "overskrift"
                                   << "";
}

void TestAlarmFile::loadIsLenient()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(QString, value);

    QTemporaryDir tmp;
    const QString path = tmp.filePath("2015-12-24-18-00.txt");
    QVERIFY(putFile(path, bytes));
    QString error;
    const std::optional<TAlarmRecord> a = AlarmFile::loadAlarm(path, &error);
    QVERIFY2(a, qPrintable(error));
    const QHash<QString, QString> fields{{"aar", QString::number(a->aar)},
                                         {"aarS", a->aarS},
                                         {"time", QString::number(a->time)},
                                         {"alarmtype", QString::number(int(a->alarmtype))},
                                         {"gentagelse", QString::number(a->gentagelse)},
                                         {"overskrift", a->overskrift},
                                         {"filnavn", a->filnavn}};
    QVERIFY(fields.contains(field));
    QCOMPARE(fields.value(field), value);
}

void TestAlarmFile::badFileIsNotLoaded_data()
{
    QTest::addColumn<std::optional<QByteArray>>("bytes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << std::optional<QByteArray>() << "filen kan ikke læses";
    QTest::newRow("empty") << std::optional<QByteArray>("")
                           << "filen har 0 linjer i stedet for elleve";
    QTest::newRow("ten lines") << std::optional<QByteArray>(descriptionBytes({}, 10))
                               << "filen har 10 linjer i stedet for elleve";
    QTest::newRow("text in line 1")
        << std::optional<QByteArray>(descriptionBytes({{1, "år"}})) << "linje 1 er ikke et heltal";
    QTest::newRow("empty line 4") << std::optional<QByteArray>(descriptionBytes({{4, ""}}))
                                  << "linje 4 er ikke et heltal";
    QTest::newRow("minute 7.5") << std::optional<QByteArray>(descriptionBytes({{5, "7.5"}}))
                                << "linje 5 er ikke et heltal";
    QTest::newRow("hex sound") << std::optional<QByteArray>(descriptionBytes({{7, "$1F"}}))
                               << "linje 7 er ikke et heltal";
    QTest::newRow("text in line 8")
        << std::optional<QByteArray>(descriptionBytes({{8, "to"}})) << "linje 8 er ikke et heltal";
    QTest::newRow("beyond 32 bits")
        << std::optional<QByteArray>(descriptionBytes({{7, "4294967296"}}))
        << "linje 7 er ikke et heltal";
}

void TestAlarmFile::badFileIsNotLoaded()
{
    QFETCH(std::optional<QByteArray>, bytes);
    QFETCH(QString, reason);

    QTemporaryDir tmp;
    const QString path = tmp.filePath("2015-12-24-18-00.txt");
    if (bytes)
        QVERIFY(putFile(path, *bytes));
    QString error;
    QVERIFY(!AlarmFile::loadAlarm(path, &error));
    QCOMPARE(error, reason);
    QVERIFY(!AlarmFile::loadAlarm(path)); // no error text asked for
}

void TestAlarmFile::writeIntoMissingFolderFails()
{
    QTemporaryDir tmp;
    TAlarmRecord a;
    a.filnavn = tmp.filePath("findes-ikke/0000-00-00-07-30.txt");
    QVERIFY(!AlarmFile::skrivAlarmfil(a));
}

void TestAlarmFile::parseNavn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("fields");

    QTest::newRow("daily") << "0000-00-00-07-30.txt" << true << QList<int>{0, 0, 0, 7, 30};
    QTest::newRow("dated") << "2015-12-24-18-00.txt" << true << QList<int>{2015, 12, 24, 18, 0};
    QTest::newRow("upper-case extension")
        << "3016-05-17-08-05.TXT" << true << QList<int>{3016, 5, 17, 8, 5};
    QTest::newRow("one-digit fields") << "2015-1-2-3-4.txt" << true << QList<int>{2015, 1, 2, 3, 4};
    QTest::newRow("four fields") << "2015-12-24-18.txt" << false << QList<int>{};
    QTest::newRow("six fields") << "2015-12-24-18-00-01.txt" << false << QList<int>{};
    QTest::newRow("empty field") << "2015--24-18-00.txt" << false << QList<int>{};
    QTest::newRow("letter") << "2015-12-24-1x-00.txt" << false << QList<int>{};
    QTest::newRow("sign") << "2015-+2-24-18-00.txt" << false << QList<int>{};
    QTest::newRow("blank") << "2015-12-24-18-00 .txt" << false << QList<int>{};
    QTest::newRow("no extension") << "2015-12-24-18-00" << false << QList<int>{};
    QTest::newRow("other extension") << "2015-12-24-18-00.rtf" << false << QList<int>{};
    QTest::newRow("too large") << "99999999999-12-24-18-00.txt" << false << QList<int>{};
    QTest::newRow("only extension") << ".txt" << false << QList<int>{};
}

void TestAlarmFile::parseNavn()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(QList<int>, fields);

    const std::optional<AlarmFile::Navn> navn = AlarmFile::parseNavn(name);
    QCOMPARE(navn.has_value(), valid);
    if (navn)
        QCOMPARE((QList<int>{navn->aar, navn->maaned, navn->dag, navn->time, navn->minut}), fields);
}

void TestAlarmFile::addAlarmerListsFilesOnly()
{
    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    QCOMPARE(AlarmFile::addAlarmer(folders.alarmDir), QStringList());

    QVERIFY(putFile(folders.alarmDir + "0000-00-00-07-30.txt", "x"));
    QVERIFY(putFile(folders.alarmDir + ".skjult", "x"));
    QVERIFY(putFile(folders.alarmDir + "noter.doc", "x"));
    QVERIFY(QDir(folders.alarmDir).mkdir("undermappe"));

    QStringList listed = AlarmFile::addAlarmer(folders.alarmDir);
    listed.sort();
    QCOMPARE(listed,
             (QStringList{folders.alarmDir + ".skjult", folders.alarmDir + "0000-00-00-07-30.txt",
                          folders.alarmDir + "noter.doc"}));
    QCOMPARE(AlarmFile::addAlarmer(folders.alarmDir + "findes-ikke/"), QStringList());
}

void TestAlarmFile::dailyAndDatedAtSameMinuteCoexist()
{
    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    const TAlarmRecord daily = nyAlarm(folders, "0000", 0, 0, 18, 0, 0, 1, 1, "Daglig");
    const TAlarmRecord dated = nyAlarm(folders, "2015", 12, 24, 18, 0, 1, 1, 1, "Dato");
    QVERIFY(AlarmFile::skrivAlarmfil(daily));
    QVERIFY(AlarmFile::skrivAlarmfil(dated));

    QStringList headings;
    for (const QString &path : AlarmFile::addAlarmer(folders.alarmDir)) {
        const std::optional<TAlarmRecord> a = AlarmFile::loadAlarm(path);
        QVERIFY(a);
        headings.append(a->overskrift);
    }
    headings.sort();
    QCOMPARE(headings, (QStringList{"Daglig", "Dato"}));
}

void TestAlarmFile::sletAlarm_data()
{
    QTest::addColumn<bool>("withText");
    QTest::addColumn<bool>("withDescription");
    QTest::newRow("both") << true << true;
    QTest::newRow("text file missing") << false << true;
    QTest::newRow("description missing") << true << false;
    QTest::newRow("both gone") << false << false;
}

void TestAlarmFile::sletAlarm()
{
    QFETCH(bool, withText);
    QFETCH(bool, withDescription);

    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    const TAlarmRecord a = nyAlarm(folders, "2015", 12, 24, 18, 0, 1, 1, 1, "Jul");
    const TAlarmRecord other = nyAlarm(folders, "2015", 12, 24, 18, 1, 1, 1, 1, "Jul");
    if (withDescription)
        QVERIFY(AlarmFile::skrivAlarmfil(a));
    if (withText)
        QVERIFY(putFile(a.tekstfilnavn, "{\\rtf1 Jul}"));
    QVERIFY(AlarmFile::skrivAlarmfil(other));
    QVERIFY(putFile(other.tekstfilnavn, "{\\rtf1 Jul}"));

    AlarmFile::sletAlarm(a, folders.alarmDir, folders.alarmTekster);
    QVERIFY(!QFile::exists(a.filnavn));
    QVERIFY(!QFile::exists(a.tekstfilnavn));
    QVERIFY(QFile::exists(other.filnavn));
    QVERIFY(QFile::exists(other.tekstfilnavn));
}

void TestAlarmFile::sletAlarmStaysInTheAlarmFolders()
{
    QTemporaryDir tmp;
    QTemporaryDir outside;
    const DataFolders folders(tmp.path(), "Anna");
    const QString name = "2015-12-24-18-00.txt";
    const QString elsewhereText = outside.filePath("tekst.txt");
    const QString elsewhereDescription = outside.filePath(name);
    QVERIFY(putFile(elsewhereText, "keep"));
    QVERIFY(putFile(elsewhereDescription, "keep"));

    // Lines 10 and 11 name files outside the data folder, as a damaged or
    // planted description file may.
    TAlarmRecord a = nyAlarm(folders, "2015", 12, 24, 18, 0, 1, 1, 1, "Jul");
    a.tekstfilnavn = elsewhereText;
    a.filnavn = elsewhereDescription;
    QVERIFY(putFile(
        folders.alarmDir + name,
        descriptionBytes({{10, elsewhereText.toUtf8()}, {11, elsewhereDescription.toUtf8()}})));
    QVERIFY(putFile(folders.alarmTekster + name, "{\\rtf1 Jul}"));
    const std::optional<TAlarmRecord> loaded = AlarmFile::loadAlarm(folders.alarmDir + name);
    QVERIFY(loaded);
    QCOMPARE(loaded->filnavn, elsewhereDescription);

    // A link in the alarm folder is removed itself, not what it points to.
    const QString linkName = "2015-12-24-18-01.txt";
    const QString linkTarget = outside.filePath("maal.txt");
    QVERIFY(putFile(linkTarget, "keep"));
    QVERIFY(QFile::link(linkTarget, folders.alarmTekster + linkName));
    TAlarmRecord linked = a;
    linked.filnavn = folders.alarmDir + linkName;

    AlarmFile::sletAlarm(*loaded, folders.alarmDir, folders.alarmTekster);
    AlarmFile::sletAlarm(linked, folders.alarmDir, folders.alarmTekster);

    QVERIFY(!QFile::exists(folders.alarmDir + name));
    QVERIFY(!QFile::exists(folders.alarmTekster + name));
    QVERIFY(!QFileInfo(folders.alarmTekster + linkName).isSymLink());
    QCOMPARE(fileContents(elsewhereText), QByteArray("keep"));
    QCOMPARE(fileContents(elsewhereDescription), QByteArray("keep"));
    QCOMPARE(fileContents(linkTarget), QByteArray("keep"));
}

void TestAlarmFile::oddFileIsUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : OddFiles::kinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

void TestAlarmFile::oddFileIsUnreadable()
{
    QFETCH(QString, kind);
    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), "Anna");
    const QString path = folders.alarmDir + "0000-00-00-07-30.txt";
    QVERIFY(OddFiles::make(kind, path));

    QString error;
    std::optional<TAlarmRecord> loaded;
    QVERIFY2(OddFiles::finishesUnaided(path, [&] { loaded = AlarmFile::loadAlarm(path, &error); }),
             "reading the file blocked");
    QVERIFY(!loaded);
    QCOMPARE(error, QString("filen kan ikke læses"));
}

QTEST_GUILESS_MAIN(TestAlarmFile)
#include "tst_alarmfile.moc"
