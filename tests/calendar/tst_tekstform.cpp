#include "TestFiles.h"
#include "calendar/Ttekstform.h"
#include "richtext/RichTextEdit.h"
#include "richtext/RtfUnits.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

// A date folder holding Dagbog, Information and Noter, each saying its own name.
struct Mappe
{
    Mappe()
    {
        for (const QString &navn : navne)
            putFile(dir.path() + "/" + navn + ".rtf",
                    "{\\rtf1\\ansi " + navn.toLatin1() + "\\par}");
    }
    QTemporaryDir dir;
    const QStringList navne = {"Dagbog", "Information", "Noter"};
};

QString vist(const Ttekstform &f)
{
    return f.infoTekst()->toPlainText().trimmed();
}

} // namespace

class TestTekstform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startvalg_data();
    void startvalg();
    void navigationOverTre();
    void etDokument();
    void ingenDokumenter();
    void forsvundetDokument();
    void velkomst();
    void velkomstMangler();
    void indrykning();
};

void TestTekstform::startvalg_data()
{
    QTest::addColumn<int>("valg");
    QTest::addColumn<QStringList>("navne");
    QTest::addColumn<int>("index");
    const QStringList tre = {"Dagbog", "Information", "Noter"};
    QTest::newRow("første i listen") << 0 << tre << 0;
    QTest::newRow("information") << 1 << tre << 1;
    QTest::newRow("dato") << 2 << QStringList{"Dagbog", "Noter", "30-10-2013"} << 2;
    QTest::newRow("dagbog") << 3 << tre << 0;
    QTest::newRow("dagbog mangler") << 3 << QStringList{"Noter", "Information", "30-10-2013"} << 0;
    QTest::newRow("information med små bogstaver")
        << 1 << QStringList{"Dagbog", "Noter", "information"} << 2;
}

void TestTekstform::startvalg()
{
    QFETCH(int, valg);
    QFETCH(QStringList, navne);
    QFETCH(int, index);
    QTemporaryDir dir;
    for (const QString &navn : navne)
        QVERIFY(putFile(dir.path() + "/" + navn + ".rtf", "{\\rtf1 " + navn.toLatin1() + "}"));
    Ttekstform f(dir.path() + "/tekstform.txt");
    QSignalSpy valgt(&f, &Ttekstform::dokumentValgt);
    f.loadTekst(navne, dir.path(), QDate(2013, 10, 30), Kalender::Opstart(valg));
    QCOMPARE(f.loadIndex(), index);
    QCOMPARE(f.antal(), 3);
    QCOMPARE(f.windowTitle(), navne.at(index));
    QCOMPARE(vist(f), navne.at(index));
    QCOMPARE(f.datoLabel()->text(), "30-10-2013");
    QCOMPARE(valgt.size(), 1);
    QCOMPARE(valgt.at(0).at(0).toInt(), index);
}

void TestTekstform::navigationOverTre()
{
    Mappe m;
    Ttekstform f(m.dir.path() + "/tekstform.txt");
    f.loadTekst(m.navne, m.dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Information);
    QCOMPARE(f.loadIndex(), 1);
    QVERIFY(f.Action1()->isEnabled() && f.Action2()->isEnabled());
    f.Action3()->trigger();
    QCOMPARE(vist(f), "Noter");
    QVERIFY(!f.Action3()->isEnabled());
    QVERIFY(!f.Action4()->isEnabled());
    f.Action2()->trigger();
    QCOMPARE(vist(f), "Information");
    f.Action1()->trigger();
    QCOMPARE(vist(f), "Dagbog");
    QVERIFY(!f.Action1()->isEnabled() && !f.Action2()->isEnabled());
    f.Action4()->trigger();
    QCOMPARE(f.loadIndex(), 2);
    QCOMPARE(f.windowTitle(), "Noter");
}

void TestTekstform::etDokument()
{
    Mappe m;
    Ttekstform f(m.dir.path() + "/tekstform.txt");
    f.loadTekst({"Noter"}, m.dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Foerste);
    for (QAction *a : {f.Action1(), f.Action2(), f.Action3(), f.Action4()})
        QVERIFY(!a->isEnabled());
}

void TestTekstform::ingenDokumenter()
{
    Mappe m;
    Ttekstform f(m.dir.path() + "/tekstform.txt");
    f.loadTekst(m.navne, m.dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Foerste);
    f.loadTekst({}, m.dir.path(), QDate(2024, 6, 11), Kalender::Opstart::Foerste);
    QCOMPARE(f.loadIndex(), -1);
    QCOMPARE(f.antal(), 0);
    QCOMPARE(f.windowTitle(), "Der er ingen dokumenter for valgte dato");
    QVERIFY(vist(f).isEmpty());
    QCOMPARE(f.datoLabel()->text(), "11-06-2024");
    for (QAction *a : {f.Action1(), f.Action2(), f.Action3(), f.Action4()})
        QVERIFY(!a->isEnabled());
}

void TestTekstform::forsvundetDokument()
{
    Mappe m;
    Ttekstform f(m.dir.path() + "/tekstform.txt");
    QVERIFY(QFile::remove(m.dir.path() + "/Information.rtf"));
    f.loadTekst(m.navne, m.dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Information);
    QCOMPARE(f.windowTitle(), "Filen blev ikke fundet");
    QVERIFY(vist(f).isEmpty());
    f.Action3()->trigger();
    QCOMPARE(vist(f), "Noter");
}

void TestTekstform::velkomst()
{
    Mappe m;
    QVERIFY(putFile(m.dir.path() + "/Velkommen.rtf", "{\\rtf1 Velkommen\\par}"));
    Ttekstform f(m.dir.path() + "/tekstform.txt");
    f.setVelkomst(m.dir.path() + "/Velkommen.rtf");
    f.loadTekst(m.navne, m.dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Foerste);
    f.show();
    QCOMPARE(f.windowTitle(), "Klokkeven");
    QCOMPARE(vist(f), "Velkommen");
    // The navigation still steps through the date's documents.
    QCOMPARE(f.loadIndex(), 0);
    f.Action3()->trigger();
    QCOMPARE(vist(f), "Information");
    f.hide();
    f.show();
    QCOMPARE(vist(f), "Information");
}

void TestTekstform::velkomstMangler()
{
    QTemporaryDir dir;
    Ttekstform f(dir.path() + "/tekstform.txt");
    f.setVelkomst(dir.path() + "/Velkommen.rtf");
    f.show();
    QCOMPARE(f.windowTitle(), "Klokkeven");
    QVERIFY(vist(f).isEmpty());
}

void TestTekstform::indrykning()
{
    QTemporaryDir dir;
    // The second paragraph hangs 18 points: its first line must stay in sight.
    QVERIFY(putFile(dir.path() + "/A.rtf", "{\\rtf1 en\\par\\pard\\fi-360\\li360 to\\par}"));
    Ttekstform f(dir.path() + "/tekstform.txt");
    f.loadTekst({"A"}, dir.path(), QDate(2024, 6, 10), Kalender::Opstart::Foerste);
    const QTextBlock en = f.infoTekst()->document()->begin();
    QCOMPARE(en.blockFormat().leftMargin(), 6 * kPixelsPerPoint);
    const QTextBlock to = en.next();
    QCOMPARE(to.blockFormat().leftMargin(), 24 * kPixelsPerPoint);
    QCOMPARE(to.blockFormat().textIndent(), -18 * kPixelsPerPoint);
    QCOMPARE(f.infoTekst()->textCursor().position(), 0);
}

QTEST_MAIN(TestTekstform)
#include "tst_tekstform.moc"
