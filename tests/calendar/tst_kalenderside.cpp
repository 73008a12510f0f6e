#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "alarms/NyAlarmSide.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/UiStil.h"
#include "base/EgenskabsSide.h"
#include "base/Indstillinger.h"
#include "calendar/Kalender.h"
#include "calendar/KalenderSide.h"
#include "platform/fake/FakePlatform.h"
#include "richtext/FormatVaerktoej.h"
#include "richtext/RichTextEdit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

// A calendar page on a calendar folder of its own, with today set, recorded
// messages and questions answered as the test says.
struct Side
{
    explicit Side(QDate idag = QDate(2024, 6, 10))
    {
        tid.set(QDateTime(idag, QTime(9, 0)));
        side.setSpoerg([this](const QString &fName, TspmForm::SpmType spmType) {
            spoergsmaal.append({fName, spmType});
            return svar;
        });
        side.FormShow();
    }
    QString mappe() const { return side.Mappe(); }
    void skriv(const QString &tekst)
    {
        side.kTekst()->setFocus();
        side.kTekst()->insertPlainText(tekst);
    }
    void gem(const QString &navn)
    {
        side.kEdit()->setText(navn);
        side.aGemRtfExecute();
    }

    QTemporaryDir dir;
    FakeLocalTime tid;
    RecordingMessages beskeder;
    KalenderSide side{dir.path(), tid, beskeder};
    QList<std::pair<QString, TspmForm::SpmType>> spoergsmaal;
    bool svar = false;
};

// The calendar page on its tab of the properties window, shown.
bool visKalenderSiden(Tegenskabsform &form)
{
    form.egenskabsBog()->setCurrentIndex(int(EgenskabsSide::Kalender));
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

QStringList felter(const KalenderSide &s)
{
    return {s.dayEdit()->text(), s.monthEdit()->text(), s.yearEdit()->text()};
}

QStringList poster(const QListWidget *liste)
{
    QStringList navne;
    for (int i = 0; i < liste->count(); ++i)
        navne.append(liste->item(i)->text());
    navne.sort();
    return navne;
}

} // namespace

class TestKalenderSide : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void foersteVisningUdenMappe();
    void altISigtIVinduet();
    void ugedageILaengdeIHverStil_data();
    void ugedageILaengdeIHverStil();
    void editorensGenvejeVinderOverUrets_data();
    void editorensGenvejeVinderOverUrets();
    void opretMappe();
    void mappeDerErEnFil();
    void opdater_data();
    void opdater();
    void navigation_data();
    void navigation();
    void navneknapper();
    void gemKontrollerIRaekkefoelge();
    void gemOgListe();
    void overskrivNejOgJa();
    void ulovligtNavnSkriverIntet_data();
    void ulovligtNavnSkriverIntet();
    void aabnOgForsvundenFil();
    void aabnBeskadigetOgForStorFil();
    void sletTilPapirkurven();
    void papirkurvUdenForRaekkevidde();
    void papirkurvDerNaegter_data();
    void papirkurvDerNaegter();
    void nytMedUgemtTekst();
    void mangeDokumenter();

private:
    QTemporaryDir m_hjem;
};

void TestKalenderSide::initTestCase()
{
    // The trash of a home of the test's own.
    qputenv("HOME", m_hjem.path().toUtf8());
    qputenv("XDG_DATA_HOME", (m_hjem.path() + "/.local/share").toUtf8());
}

void TestKalenderSide::foersteVisningUdenMappe()
{
    Side s;
    QSignalSpy status(&s.side, &KalenderSide::statusTekst);
    QCOMPARE(s.side.datoLabel()->text(), "I dag: 10-06-2024");
    QCOMPARE(felter(s.side), (QStringList{"10", "6", "2024"}));
    QCOMPARE(s.side.kalender()->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(s.mappe(), Kalender::datoMappe(s.dir.path(), QDate(2024, 6, 10)));
    QVERIFY(s.side.NyMappeKnap()->isEnabled());
    QCOMPARE(s.side.dokuBox()->count(), 0);
    QVERIFY(QDir(s.dir.path()).isEmpty());
    QVERIFY(!s.side.aGemRtf()->isEnabled());
    QVERIFY(!s.side.aSletRtf()->isEnabled());
    s.side.kalender()->setSelectedDate(QDate(2024, 6, 11));
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.at(0).at(0).toString(), s.mappe());
    QVERIFY(QDir(s.dir.path()).isEmpty());
}

void TestKalenderSide::altISigtIVinduet()
{
    // The page as the user sees it: in the properties window at its own size.
    HeltProgram p;
    p.start();
    QVERIFY(visKalenderSiden(*p.form));
    KalenderSide *side = p.form->kalenderSide();
    const QToolBar *linje = side->vaerktoej()->vaerktoejslinje();
    for (QAction *a : linje->actions())
        if (!a->isSeparator())
            QVERIFY2(linje->widgetForAction(a)->isVisible(), qPrintable(a->text()));
    for (const QWidget *w : side->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QRect her(w->mapTo(side, QPoint(0, 0)), w->size());
        QVERIFY2(side->rect().contains(her), qPrintable(w->accessibleName()));
    }
    // A name of many characters stays readable.
    QVERIFY(side->kEdit()->width() > 20 * side->kEdit()->fontMetrics().averageCharWidth());
}

void TestKalenderSide::ugedageILaengdeIHverStil_data()
{
    QTest::addColumn<QString>("stil");
    for (const QString &navn : UiStil::navne())
        QTest::newRow(qPrintable(navn)) << navn;
}

void TestKalenderSide::ugedageILaengdeIHverStil()
{
    // Each style has its own font and cell margins: no weekday heading may be
    // cut short ("m...") in any of them.
    QFETCH(QString, stil);
    HeltProgram p;
    p.start();
    QVERIFY(UiStil::anvend(stil));
    QVERIFY(visKalenderSiden(*p.form));
    auto *visning = p.form->kalenderSide()->kalender()->findChild<QTableView *>(
        QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(visning);
    const QAbstractItemModel *model = visning->model();
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("man."));
    QStyleOptionViewItem valg;
    valg.initFrom(visning);
    valg.font = visning->font();
    for (int kolonne = 0; kolonne < model->columnCount(); ++kolonne) {
        const QModelIndex overskrift = model->index(0, kolonne);
        const int behov = visning->itemDelegate()->sizeHint(valg, overskrift).width();
        QVERIFY2(visning->columnWidth(kolonne) >= behov,
                 qPrintable(QStringLiteral("%1: %2 px for %3 px")
                                .arg(overskrift.data().toString())
                                .arg(visning->columnWidth(kolonne))
                                .arg(behov)));
    }
    UiStil::anvend(UiStil::kStartStil);
}

void TestKalenderSide::editorensGenvejeVinderOverUrets_data()
{
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<int>("tast");
    for (const bool alarm : {false, true}) {
        const char *hvor = alarm ? "alarm" : "kalender";
        QTest::addRow("%s Ctrl+B", hvor) << alarm << int(Qt::Key_B);
        QTest::addRow("%s Ctrl+I", hvor) << alarm << int(Qt::Key_I);
        QTest::addRow("%s Ctrl+U", hvor) << alarm << int(Qt::Key_U);
    }
}

void TestKalenderSide::editorensGenvejeVinderOverUrets()
{
    // The clock's Ctrl+I ("Information") and Ctrl+U ("Vis digitalur") work in every
    // window; in an editor the key is the editor's style.
    QFETCH(bool, alarm);
    QFETCH(int, tast);
    QTemporaryDir data;
    FakePlatform platform;
    RecordingMessages beskeder;
    Klokkeven program(data.path(), QString(), platform.services(), beskeder);
    // The clock's shortcuts are live only while the clock is shown.
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(program.vinduer().mainform));
    Tegenskabsform *form = program.vinduer().egenskabsform;
    FormatVaerktoej *vaerktoej =
        alarm ? form->nyAlarmSide()->vaerktoej() : form->kalenderSide()->vaerktoej();
    form->egenskabsBog()->setCurrentIndex(
        int(alarm ? EgenskabsSide::NyAlarm : EgenskabsSide::Kalender));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    RichTextEdit *editor = vaerktoej->editor();
    editor->setFocus();
    QSignalSpy information(program.vinduer().mainform->handlinger().aInformation,
                           &QAction::triggered);
    QSignalSpy urtype(program.vinduer().mainform->handlinger().aUr, &QAction::triggered);
    QTest::keyClick(editor, Qt::Key(tast), Qt::ControlModifier);
    const QTextCharFormat f = editor->currentCharFormat();
    const bool sat = tast == Qt::Key_B   ? f.fontWeight() == QFont::Bold
                     : tast == Qt::Key_I ? f.fontItalic()
                                         : f.fontUnderline();
    QVERIFY(sat);
    QCOMPARE(information.count(), 0);
    QCOMPARE(urtype.count(), 0);
}

void TestKalenderSide::opretMappe()
{
    Side s;
    s.side.NyMappeKnap()->click();
    QVERIFY(QFileInfo(s.mappe()).isDir());
    QVERIFY(!s.side.NyMappeKnap()->isEnabled());
    QCOMPARE(s.side.dokuBox()->count(), 0);
}

void TestKalenderSide::mappeDerErEnFil()
{
    Side s;
    QVERIFY(putFile(s.mappe(), "ikke en mappe"));
    s.side.setMappe(false);
    QVERIFY(s.side.NyMappeKnap()->isEnabled());
    s.side.NyMappeKnap()->click();
    QCOMPARE(s.beskeder.informations.size(), 1);
    QVERIFY(s.beskeder.informations.at(0).startsWith(" Mappen kunne ikke oprettes"));
    QCOMPARE(fileContents(s.mappe()), "ikke en mappe");
}

void TestKalenderSide::opdater_data()
{
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QStringList>("skrevet");
    QTest::addColumn<QDate>("til");
    QTest::addColumn<QStringList>("bagefter");
    QTest::newRow("dag, måned og år ét ad gangen")
        << QDate(2024, 6, 10) << QStringList{"5", "3", "2020"} << QDate(2024, 6, 5)
        << QStringList{"5", "6", "2024"};
    QTest::newRow("samme dag: måneden gælder")
        << QDate(2024, 6, 5) << QStringList{"5", "3", "2020"} << QDate(2024, 3, 5)
        << QStringList{"5", "3", "2024"};
    QTest::newRow("intet kan bruges") << QDate(2024, 6, 10) << QStringList{"0", "13", "0"}
                                      << QDate(2024, 6, 10) << QStringList{"0", "13", "0"};
    QTest::newRow("bogstaver og minus") << QDate(2024, 6, 10) << QStringList{"a5", "-", "-7"}
                                        << QDate(2024, 6, 5) << QStringList{"5", "6", "2024"};
    QTest::newRow("kun året") << QDate(2024, 6, 10) << QStringList{"10", "6", "2023"}
                              << QDate(2023, 6, 10) << QStringList{"10", "6", "2023"};
    QTest::newRow("skuddag til ikke-skudår")
        << QDate(2024, 2, 29) << QStringList{"29", "2", "2023"} << QDate(2024, 2, 29)
        << QStringList{"29", "2", "2023"};
}

void TestKalenderSide::opdater()
{
    QFETCH(QDate, fra);
    QFETCH(QStringList, skrevet);
    QFETCH(QDate, til);
    QFETCH(QStringList, bagefter);
    Side s(fra);
    s.side.dayEdit()->setText(skrevet.at(0));
    s.side.monthEdit()->setText(skrevet.at(1));
    s.side.yearEdit()->setText(skrevet.at(2));
    s.side.opdaterKnap()->click();
    QCOMPARE(s.side.kalender()->selectedDate(), til);
    QCOMPARE(felter(s.side), bagefter);
}

void TestKalenderSide::navigation_data()
{
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QString>("knap");
    QTest::addColumn<QDate>("til");
    QTest::newRow("næste måned, kortere") << QDate(2024, 1, 31) << "mNext" << QDate(2024, 2, 29);
    QTest::newRow("forrige måned, ikke skudår")
        << QDate(2023, 3, 31) << "mPrev" << QDate(2023, 2, 28);
    QTest::newRow("næste måned over nytår") << QDate(2024, 12, 15) << "mNext" << QDate(2025, 1, 15);
    QTest::newRow("næste år fra skuddag") << QDate(2024, 2, 29) << "yNext" << QDate(2025, 2, 28);
    QTest::newRow("forrige år") << QDate(2024, 6, 10) << "yPrev" << QDate(2023, 6, 10);
    QTest::newRow("i dag") << QDate(2020, 1, 1) << "datoLabel" << QDate(2024, 6, 10);
}

void TestKalenderSide::navigation()
{
    QFETCH(QDate, fra);
    QFETCH(QString, knap);
    QFETCH(QDate, til);
    Side s;
    s.side.kalender()->setSelectedDate(fra);
    QPushButton *b = knap == "mNext"   ? s.side.mNext()
                     : knap == "mPrev" ? s.side.mPrev()
                     : knap == "yNext" ? s.side.yNext()
                     : knap == "yPrev" ? s.side.yPrev()
                                       : s.side.datoLabel();
    b->click();
    QCOMPARE(s.side.kalender()->selectedDate(), til);
    QCOMPARE(s.mappe(), Kalender::datoMappe(s.dir.path(), til));
    QCOMPARE(s.side.dayEdit()->text(), QString::number(til.day()));
}

void TestKalenderSide::navneknapper()
{
    Side s;
    s.side.kDagbogKnap()->click();
    s.side.kDagbogKnap()->click();
    QCOMPARE(s.side.kEdit()->text(), "Dagbog Dagbog");
    s.side.kEdit()->clear();
    s.side.kDatoKnap()->click();
    s.side.kDagbogDatoKnap()->click();
    QCOMPARE(s.side.kEdit()->text(), "10-06-2024 Information");
    QCOMPARE(s.side.kEdit()->maxLength(), 36);
}

void TestKalenderSide::gemKontrollerIRaekkefoelge()
{
    Side s;
    s.gem(QString());
    s.side.NyMappeKnap()->click();
    s.gem(QString());
    s.gem(QStringLiteral("Noter"));
    QCOMPARE(s.beskeder.informations,
             (QStringList{" Der mangler et mappenavn. \r Vælg dato i kalenderen. \rKlik: Opret "
                          "mappe for valgte dato.",
                          " Der mangler et filnavn. \r Indfør filnavn uden efternavn. ",
                          " Der mangler en tekst. "}));
    QVERIFY(QDir(s.mappe()).isEmpty());
}

void TestKalenderSide::gemOgListe()
{
    Side s;
    s.side.NyMappeKnap()->click();
    s.skriv(QStringLiteral("Mødet er flyttet."));
    QVERIFY(s.side.aGemRtf()->isEnabled());
    s.gem(QStringLiteral("Møde.txt"));
    QVERIFY(s.beskeder.informations.isEmpty());
    const QString fil = s.mappe() + "/Møde.rtf";
    QVERIFY(fileContents(fil).startsWith("{\\rtf1"));
    QCOMPARE(poster(s.side.dokuBox()), QStringList{"Møde"});
    QCOMPARE(s.side.Filnavn(), fil);
    QVERIFY(!s.side.kTekst()->isModified());
    QVERIFY(!s.side.aGemRtf()->isEnabled());
    QVERIFY(s.side.aSletRtf()->isEnabled());
    s.side.dokuBox()->clearSelection();
    QVERIFY(!s.side.aSletRtf()->isEnabled());
}

void TestKalenderSide::overskrivNejOgJa()
{
    Side s;
    s.side.NyMappeKnap()->click();
    const QString fil = s.mappe() + "/Noter.rtf";
    QVERIFY(putFile(fil, "{\\rtf1 gammel}"));
    s.skriv(QStringLiteral("ny"));
    s.svar = false;
    s.gem(QStringLiteral("Noter"));
    QCOMPARE(s.spoergsmaal.size(), 1);
    QCOMPARE(s.spoergsmaal.at(0), std::pair(QStringLiteral("Noter"), TspmForm::FilFindes));
    QCOMPARE(fileContents(fil), "{\\rtf1 gammel}");
    QVERIFY(s.side.kTekst()->isModified());
    s.svar = true;
    s.gem(QStringLiteral("Noter"));
    QVERIFY(fileContents(fil).contains("ny"));
    QVERIFY(!s.side.kTekst()->isModified());
}

void TestKalenderSide::ulovligtNavnSkriverIntet_data()
{
    QTest::addColumn<QString>("navn");
    QTest::newRow("skråstreg") << "../../Noter";
    QTest::newRow("omvendt skråstreg") << "..\\Noter";
    QTest::newRow("kolon") << "C:Noter";
    QTest::newRow("kun mellemrum") << "   ";
    QTest::newRow("to punktummer") << "..";
}

void TestKalenderSide::ulovligtNavnSkriverIntet()
{
    QFETCH(QString, navn);
    Side s;
    s.side.NyMappeKnap()->click();
    s.skriv(QStringLiteral("tekst"));
    const QStringList foer = QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    s.gem(navn);
    QCOMPARE(s.beskeder.informations.size(), 1);
    QVERIFY(!s.beskeder.informations.at(0).isEmpty());
    QVERIFY(QDir(s.mappe()).isEmpty());
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), foer);
    QVERIFY(s.side.kTekst()->isModified());
}

void TestKalenderSide::aabnOgForsvundenFil()
{
    Side s;
    s.side.NyMappeKnap()->click();
    s.skriv(QStringLiteral("Kære dagbog"));
    s.gem(QStringLiteral("Dagbog"));
    s.side.NyKnapK()->click();
    QVERIFY(s.side.kTekst()->toPlainText().isEmpty());
    s.skriv(QStringLiteral("ugemt"));

    // Enter on the selected entry opens it; unsaved text goes without a question.
    s.side.dokuBox()->setCurrentRow(0);
    s.side.dokuBox()->setFocus();
    QTest::keyClick(s.side.dokuBox(), Qt::Key_Return);
    QCOMPARE(s.side.kTekst()->toPlainText(), "Kære dagbog");
    QCOMPARE(s.side.kEdit()->text(), "Dagbog");
    QVERIFY(!s.side.kTekst()->isModified());
    QVERIFY(s.spoergsmaal.isEmpty());

    QVERIFY(QFile::remove(s.mappe() + "/Dagbog.rtf"));
    s.side.dokuBoxOpen();
    QCOMPARE(s.beskeder.informations, QStringList{"Filen blev ikke fundet."});
    s.side.aSletRtf()->trigger();
    QCOMPARE(s.beskeder.informations.last(), " Filen blev ikke fundet.");
    QCOMPARE(s.side.dokuBox()->count(), 1);
}

void TestKalenderSide::aabnBeskadigetOgForStorFil()
{
    Side s;
    s.side.NyMappeKnap()->click();
    QVERIFY(putFile(s.mappe() + "/Skadet.rtf", "{\\rtf1\\ansi {\\b halv"));
    s.side.setMappe(false);
    s.side.dokuBox()->setCurrentRow(0);
    s.side.dokuBoxOpen();
    QVERIFY(s.side.kTekst()->toPlainText().contains("halv"));

    QFile stor(s.mappe() + "/Stor.rtf");
    QVERIFY(stor.open(QIODevice::WriteOnly));
    QVERIFY(stor.resize(50 * 1024 * 1024));
    stor.close();
    s.side.setMappe(false);
    s.side.dokuBox()->setCurrentItem(s.side.dokuBox()->findItems("Stor", Qt::MatchExactly).at(0));
    s.side.dokuBoxOpen();
    QCOMPARE(s.beskeder.informations.size(), 1);
    QVERIFY(s.beskeder.informations.at(0).startsWith(" Filen kunne ikke læses"));
    QVERIFY(s.side.kTekst()->toPlainText().contains("halv"));
}

void TestKalenderSide::sletTilPapirkurven()
{
    Side s;
    s.side.NyMappeKnap()->click();
    QVERIFY(putFile(s.mappe() + "/Gammel.rtf", "{\\rtf1 væk}"));
    QVERIFY(putFile(s.mappe() + "/Bliver.rtf", "{\\rtf1 her}"));
    s.side.setMappe(false);
    s.side.dokuBox()->setCurrentItem(s.side.dokuBox()->findItems("Gammel", Qt::MatchExactly).at(0));
    s.side.aSletRtf()->trigger();
    QVERIFY(s.beskeder.informations.isEmpty());
    QCOMPARE(poster(s.side.dokuBox()), QStringList{"Bliver"});
    QVERIFY(!QFile::exists(s.mappe() + "/Gammel.rtf"));
    QCOMPARE(fileContents(m_hjem.path() + "/.local/share/Trash/files/Gammel.rtf"), "{\\rtf1 væk}");
    s.side.setMappe(false);
    QCOMPARE(poster(s.side.dokuBox()), QStringList{"Bliver"});
}

void TestKalenderSide::papirkurvUdenForRaekkevidde()
{
    QTemporaryDir andetHjem;
    const QByteArray gammelData = qgetenv("XDG_DATA_HOME");
    // A file where the trash folder would be.
    QVERIFY(putFile(andetHjem.path() + "/share/Trash", "en fil"));
    qputenv("XDG_DATA_HOME", (andetHjem.path() + "/share").toUtf8());
    Side s;
    s.side.NyMappeKnap()->click();
    QVERIFY(putFile(s.mappe() + "/Noter.rtf", "{\\rtf1 x}"));
    s.side.setMappe(false);
    s.side.dokuBox()->setCurrentRow(0);
    s.side.aSletRtf()->trigger();
    qputenv("XDG_DATA_HOME", gammelData);
    QCOMPARE(
        s.beskeder.informations,
        QStringList{" Dokumentet kunne ikke flyttes til papirkurven. \r Det er ikke slettet. "});
    QCOMPARE(fileContents(s.mappe() + "/Noter.rtf"), "{\\rtf1 x}");
    QCOMPARE(s.side.dokuBox()->count(), 1);
}

void TestKalenderSide::papirkurvDerNaegter_data()
{
    QTest::addColumn<QString>("mappe");
    QTest::newRow("info") << "info";
    QTest::newRow("files") << "files";
}

void TestKalenderSide::papirkurvDerNaegter()
{
    // A trash folder that refuses new files, even to root: a link into sysfs.
    QFETCH(QString, mappe);
    if (!QFileInfo("/sys/kernel").isDir())
        QSKIP("no /sys/kernel to stand in for a trash folder that refuses new files");
    QTemporaryDir andetHjem;
    const QString kurv = andetHjem.path() + "/share/Trash";
    QVERIFY(QDir().mkpath(kurv + "/files"));
    QVERIFY(QDir().mkpath(kurv + "/info"));
    QVERIFY(QDir(kurv + "/" + mappe).removeRecursively());
    QVERIFY(QFile::link("/sys/kernel", kurv + "/" + mappe));
    const QByteArray gammelData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (andetHjem.path() + "/share").toUtf8());
    Side s;
    s.side.NyMappeKnap()->click();
    QVERIFY(putFile(s.mappe() + "/Noter.rtf", "{\\rtf1 x}"));
    s.side.setMappe(false);
    s.side.dokuBox()->setCurrentRow(0);
    QElapsedTimer ur;
    ur.start();
    s.side.aSletRtf()->trigger();
    const qint64 varighed = ur.elapsed();
    qputenv("XDG_DATA_HOME", gammelData);
    // Generous against a busy machine; a hang would never come back at all.
    QVERIFY2(varighed < 5000, qPrintable(QString::number(varighed)));
    QCOMPARE(
        s.beskeder.informations,
        QStringList{" Dokumentet kunne ikke flyttes til papirkurven. \r Det er ikke slettet. "});
    QCOMPARE(fileContents(s.mappe() + "/Noter.rtf"), "{\\rtf1 x}");
    if (mappe == "files")
        QVERIFY(QDir(kurv + "/info").entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestKalenderSide::nytMedUgemtTekst()
{
    Side s;
    s.side.kEdit()->setText(QStringLiteral("Noter"));
    s.skriv(QStringLiteral("ugemt"));
    s.side.NyKnapK()->click();
    QCOMPARE(s.spoergsmaal.size(), 1);
    QCOMPARE(s.spoergsmaal.at(0).second, TspmForm::TekstIkkeGemt);
    QCOMPARE(s.side.kTekst()->toPlainText(), "ugemt");
    s.svar = true;
    s.side.NyKnapK()->click();
    QVERIFY(s.side.kTekst()->toPlainText().isEmpty());
    QVERIFY(s.side.kEdit()->text().isEmpty());
    QVERIFY(!s.side.kTekst()->isModified());
    QVERIFY(s.side.Filnavn().isEmpty());
}

void TestKalenderSide::mangeDokumenter()
{
    Side s;
    s.side.NyMappeKnap()->click();
    for (int i = 0; i < 2000; ++i)
        QVERIFY(putFile(s.mappe() + QStringLiteral("/Dok %1.rtf").arg(i), "{\\rtf1 x}"));
    s.side.setMappe(false);
    QCOMPARE(s.side.dokuBox()->count(), 2000);
}

QTEST_MAIN(TestKalenderSide)
#include "tst_kalenderside.moc"
