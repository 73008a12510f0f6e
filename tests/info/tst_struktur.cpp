#include "RecordingMessages.h"
#include "TestFiles.h"
#include "info/TStruktur.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStruktur : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void startsEmpty();
    void missingStructureFileGivesAnEmptyTree();
    void levelsBecomeChildren();
    void encodings_data();
    void encodings();
    void missingDataFileIsWritten();
    void unwritableDataFolderStillGivesThePages_data();
    void unwritableDataFolderStillGivesThePages();
    void dataDigitIsThePicture();
    void shortOrFaultyDataLeavesNodesWithoutData();
    void lineTooDeepIsReported();

private:
    QString sti(const char *navn) const { return m_tmp->path() + '/' + navn; }
    std::unique_ptr<TStruktur> nyStruktur(bool dataOn = true);

    std::unique_ptr<QTemporaryDir> m_tmp;
    RecordingMessages m_messages;
};

void TestStruktur::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    m_messages = RecordingMessages();
}

std::unique_ptr<TStruktur> TestStruktur::nyStruktur(bool dataOn)
{
    auto s = std::make_unique<TStruktur>(m_messages);
    s->SetStrukturfile(sti("struktur.txt"));
    s->SetDatafile(sti("data.txt"));
    s->SetInfomappe(sti("tekstfiler/"));
    s->SetBilledmappe(KLOKKEVEN_SHARED_DIR "/Struktur/Klokkeven/Billeder/");
    s->SetDataOn(dataOn);
    return s;
}

void TestStruktur::startsEmpty()
{
    TStruktur s(m_messages);
    QVERIFY(s.Strukturfile().isEmpty() && s.Datafile().isEmpty());
    QVERIFY(!s.DataOn());
    QVERIFY(!s.Modified());
}

void TestStruktur::missingStructureFileGivesAnEmptyTree()
{
    auto s = nyStruktur();
    QVERIFY(putFile(sti("struktur.txt"), "A\r\n"));
    QVERIFY(s->HentStruktur());
    QCOMPARE(s->topLevelItemCount(), 1);
    QVERIFY(QFile::remove(sti("struktur.txt")));
    QVERIFY(!s->HentStruktur());
    QCOMPARE(s->topLevelItemCount(), 0);
    QVERIFY(m_messages.errors.isEmpty());
}

void TestStruktur::levelsBecomeChildren()
{
    QVERIFY(putFile(sti("struktur.txt"), "A\r\n\tB\r\n\t\tC\r\nD\r\n"));
    auto s = nyStruktur(false);
    QVERIFY(s->HentStruktur());
    QCOMPARE(s->topLevelItemCount(), 2);
    QTreeWidgetItem *a = s->topLevelItem(0);
    QCOMPARE(a->text(0), "A");
    QCOMPARE(a->child(0)->text(0), "B");
    QCOMPARE(a->child(0)->child(0)->text(0), "C");
    QCOMPARE(s->topLevelItem(1)->text(0), "D");
    QVERIFY(!QFile::exists(sti("data.txt")));
    QCOMPARE(TStruktur::billede(a), -1);
}

void TestStruktur::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("windows-1252") << QByteArray("Nedt\xe6llingsalarm\r\n\tB\r\n");
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBFNedt\xc3\xa6llingsalarm\r\n\tB\r\n");
    const QString utf16 = "Nedtællingsalarm\r\n\tB\r\n";
    QTest::newRow("utf-16 mark") << QByteArray("\xFF\xFE") +
                                        QByteArray(reinterpret_cast<const char *>(utf16.utf16()),
                                                   utf16.size() * 2);
}

void TestStruktur::encodings()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(putFile(sti("struktur.txt"), bytes));
    auto s = nyStruktur();
    QVERIFY(s->HentStruktur());
    QCOMPARE(s->topLevelItem(0)->text(0), "Nedtællingsalarm");
    QCOMPARE(s->topLevelItem(0)->child(0)->text(0), "B");
}

void TestStruktur::missingDataFileIsWritten()
{
    QVERIFY(putFile(sti("struktur.txt"), "Velkommen\r\n\tNy alarm\r\n"));
    auto s = nyStruktur();
    QVERIFY(s->HentStruktur());
    QCOMPARE(fileContents(sti("data.txt")), QByteArray("0Velkommen\r\n0Ny alarm\r\n"));
    for (QTreeWidgetItem *knude : s->knuderITraeorden()) {
        QCOMPARE(TStruktur::billede(knude), 0);
        QCOMPARE(TStruktur::sideNavn(knude), knude->text(0));
        QVERIFY(!knude->icon(0).isNull());
    }
    QVERIFY(!s->Modified());
    QVERIFY(m_messages.errors.isEmpty());
}

void TestStruktur::unwritableDataFolderStillGivesThePages_data()
{
    QTest::addColumn<QString>("hvordan");
    QTest::newRow("immutable folder") << "chattr";
    QTest::newRow("a file where the folder must be") << "fil";
}

void TestStruktur::unwritableDataFolderStillGivesThePages()
{
    // Read-only permissions do not stop root: the folder is made immutable, or a
    // file stands where the data file's folder must be.
    QFETCH(QString, hvordan);
    QVERIFY(putFile(sti("struktur.txt"), "Velkommen\r\n\tNy alarm\r\n"));
    const QString mappe = sti("data");
    QString datafil = mappe + "/data.txt";
    if (hvordan == "chattr") {
        QVERIFY(QDir().mkpath(mappe));
        if (QProcess::execute("chattr", {"+i", mappe}) != 0)
            QSKIP("chattr +i is not possible here (file system or privileges)");
    } else {
        QVERIFY(putFile(mappe, "en fil"));
    }
    auto s = nyStruktur();
    s->SetDatafile(datafil);
    const bool hentet = s->HentStruktur();
    if (hvordan == "chattr")
        QProcess::execute("chattr", {"-i", mappe});
    QVERIFY(hentet);
    QVERIFY(!QFileInfo::exists(datafil));
    const QList<QTreeWidgetItem *> knuder = s->knuderITraeorden();
    QCOMPARE(knuder.size(), 2);
    for (QTreeWidgetItem *knude : knuder) {
        QCOMPARE(TStruktur::billede(knude), 0);
        QCOMPARE(TStruktur::sideNavn(knude), knude->text(0));
    }
    QVERIFY(m_messages.errors.isEmpty());
}

void TestStruktur::dataDigitIsThePicture()
{
    QVERIFY(putFile(sti("struktur.txt"), "Start\r\n\tUr\r\n"));
    QVERIFY(putFile(sti("data.txt"), "3Velkommen\r\n9Design og funktioner/Ur\r\n"));
    auto s = nyStruktur();
    QVERIFY(s->HentStruktur());
    const QList<QTreeWidgetItem *> knuder = s->knuderITraeorden();
    QCOMPARE(TStruktur::dataStreng(knuder.at(0)), "3Velkommen");
    QCOMPARE(TStruktur::billede(knuder.at(0)), 3);
    QCOMPARE(TStruktur::sideNavn(knuder.at(0)), "Velkommen");
    QCOMPARE(TStruktur::billede(knuder.at(1)), 9);
    QCOMPARE(TStruktur::sideNavn(knuder.at(1)), "Design og funktioner/Ur");
    // Ten different pictures, each 16 x 16.
    QSet<QByteArray> billeder;
    for (int i = 0; i < 10; ++i) {
        QVERIFY(putFile(sti("data.txt"), QByteArray::number(i) + "X\r\n0Y\r\n"));
        QVERIFY(s->HentStruktur());
        const QImage billede = s->topLevelItem(0)->icon(0).pixmap(16, 16).toImage().convertToFormat(
            QImage::Format_ARGB32);
        QCOMPARE(billede.size(), QSize(16, 16));
        billeder.insert(
            QByteArray(reinterpret_cast<const char *>(billede.constBits()), billede.sizeInBytes()));
    }
    QCOMPARE(billeder.size(), 10);
}

void TestStruktur::shortOrFaultyDataLeavesNodesWithoutData()
{
    QVERIFY(putFile(sti("struktur.txt"), "A\r\nB\r\nC\r\n"));
    QVERIFY(putFile(sti("data.txt"), "1A\r\nxB\r\n"));
    auto s = nyStruktur();
    QVERIFY(s->HentStruktur());
    const QList<QTreeWidgetItem *> knuder = s->knuderITraeorden();
    QCOMPARE(TStruktur::billede(knuder.at(0)), 1);
    for (int i : {1, 2}) {
        QCOMPARE(TStruktur::billede(knuder.at(i)), -1);
        QVERIFY(TStruktur::dataStreng(knuder.at(i)).isEmpty());
        QVERIFY(knuder.at(i)->icon(0).isNull());
    }
    QCOMPARE(m_messages.errors.size(), 1);
    QVERIFY(m_messages.errors.first().contains("Linje 2"));
}

void TestStruktur::lineTooDeepIsReported()
{
    QVERIFY(putFile(sti("struktur.txt"), "A\r\n\t\tFor dyb\r\nB\r\n"));
    auto s = nyStruktur();
    QVERIFY(!s->HentStruktur());
    QCOMPARE(s->topLevelItemCount(), 1);
    QCOMPARE(m_messages.errors.size(), 1);
    QVERIFY(m_messages.errors.first().contains("\"For dyb\""));
    QVERIFY(m_messages.errors.first().contains("niveau 2"));
}

QTEST_MAIN(TestStruktur)
#include "tst_struktur.moc"
