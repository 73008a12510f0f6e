#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "alarms/AlarmOversigtSide.h"
#include "alarms/CifferFelt.h"
#include "alarms/NedtaellingSide.h"
#include "alarms/NyAlarmSide.h"
#include "alarms/Talarmform.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/UrSide.h"
#include "base/DataFolders.h"
#include "base/TextListFile.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "dialogs/TspmForm.h"
#include "platform/fake/FakePlatform.h"
#include "richtext/RichTextEdit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime kNu(QDate(2026, 12, 10), QTime(10, 0, 0));

// The whole program on a temporary data folder with two sounds, shown, at 10:00.
class Program : public HeltProgram
{
public:
    Program()
    {
        toLyde();
        platform.localTime.set(kNu);
    }

    void start() { HeltProgram::start(true); }

    QString alarmDir() const { return folders.alarmDir; }
    QString tekster() const { return folders.alarmTekster; }

    // A stored alarm: its description file and its text.
    void alarm(const QString &stem, int type, const QString &overskrift)
    {
        const QString navn = stem + ".txt";
        const QStringList dele = stem.split('-');
        QVERIFY(TextListFile::write(alarmDir() + navn, {dele[0], dele[1], dele[2], dele[3], dele[4],
                                                        QString::number(type), "1", "2", overskrift,
                                                        tekster() + navn, alarmDir() + navn}));
        QVERIFY(
            putFile(tekster() + navn, "{\\rtf1\\ansi Tekst til " + overskrift.toLatin1() + "}"));
    }

    // Answers the next question with "Ja" or "Nej" and keeps its text.
    void svar(bool ja)
    {
        QTimer::singleShot(0, [this, ja] {
            TspmForm *spm = program->vinduer().spmForm;
            spoergsmaal.append(spm->info()->toPlainText());
            (ja ? spm->okButton() : spm->cancelButton())->click();
        });
    }

    NedtaellingSide &ned() const { return *form->nedtaellingSide(); }
    AlarmOversigtSide &oversigt() const { return *form->alarmOversigtSide(); }
    NyAlarmSide &ny() const { return *form->nyAlarmSide(); }

    // The folders the program computes for the fake platform's user.
    const DataFolders folders{tmp.path(), QStringLiteral("Anna")};
    QStringList spoergsmaal;
};

QStringList raekke(QTableWidget *t, int r)
{
    return {t->item(r, 1)->text(), t->item(r, 2)->text(), t->item(r, 3)->text()};
}

} // namespace

class TestAlarmSider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editorSaves_data();
    void editorSaves();
    void savedAlarmIsInTodaysListAtOnce();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void overviewShowsTheThreeTypes();
    void emptyFolderAsksForASelection();
    void editAndSaveUnderAnotherHourGivesTwoAlarms();
    void editOfVanishedFilesIsRefused();
    void deleteAnsweredNoThenYes();
    void firingSwitchesToTheActiveView();
    void countdownFiresOnce_data();
    void countdownFiresOnce();
    void countUpFiresAtItsTarget();
    void countdownWaitsForASoundingAlarm();
    void alarmWaitsForTheSoundingCountdown();
    void zeroSpanStartsNothing();
    void plainStopwatchButtons();
    void optionsComeBack();
};

void TestAlarmSider::editorSaves_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("felter"); // year, month, day, hour, minute, repetitions
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");
    QTest::newRow("daily 7:5") << 0 << QStringList{"", "", "", "7", "5", "3"}
                               << "0000-00-00-07-05.txt" << QString();
    QTest::newRow("yearly 17 May") << 2 << QStringList{"1999", "5", "17", "8", "0", "1"}
                                   << "3016-05-17-08-00.txt" << QString();
    QTest::newRow("dated year 201")
        << 1 << QStringList{"201", "12", "24", "18", "0", "1"} << QString()
        << QStringLiteral("År er forkert.\rDer skal anføres 4 cifre.");
    QTest::newRow("month 13, day 40")
        << 1 << QStringList{"2027", "13", "40", "18", "0", "1"} << QString()
        << QStringLiteral("Måned er forkert.\rVærdien skal være mellem 1 og 12 begge medregnet.");
    QTest::newRow("empty minute")
        << 0 << QStringList{"", "", "", "7", "", "1"} << QString()
        << QStringLiteral("Minut er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet.");
    QTest::newRow("typed 17 repetitions")
        << 0 << QStringList{"", "", "", "7", "5", "17"} << QString()
        << QStringLiteral("Gentagelse er forkert.\rVærdien skal være mellem 1 og 16 begge "
                          "medregnet.");
}

void TestAlarmSider::editorSaves()
{
    QFETCH(int, type);
    QFETCH(QStringList, felter);
    QFETCH(QString, navn);
    QFETCH(QString, besked);
    Program p;
    p.start();
    NyAlarmSide &ny = p.ny();
    ny.alarmtypeValg()->button(type)->click();
    QCOMPARE(ny.EditYear()->isEnabled(), type == 1);
    QCOMPARE(ny.EditMonth()->isEnabled(), type != 0);
    if (type == 1)
        ny.EditYear()->setText(felter[0]);
    if (type != 0) {
        ny.EditMonth()->setText(felter[1]);
        ny.EditDay()->setText(felter[2]);
    }
    ny.EditTime()->setText(felter[3]);
    ny.EditMinut()->setText(felter[4]);
    ny.EditGentagelse()->setTekst(felter[5]);
    ny.cbLydfiler()->setCurrentIndex(2);
    ny.alarmMemoNy()->setPlainText("Husk kaffen");
    QVERIFY(ny.sbGemAlarm()->isEnabled());
    ny.sbGemAlarm()->click();
    QVERIFY(!ny.sbGemAlarm()->isEnabled());

    QCOMPARE(p.messages.informations, besked.isEmpty() ? QStringList() : QStringList{besked});
    const QStringList skrevet = QDir(p.alarmDir()).entryList(QDir::Files);
    QCOMPARE(skrevet, navn.isEmpty() ? QStringList() : QStringList{navn});
    QCOMPARE(QDir(p.tekster()).entryList(QDir::Files), skrevet);
    if (navn.isEmpty())
        return;
    const std::optional<TAlarmRecord> a = AlarmFile::loadAlarm(p.alarmDir() + navn);
    QVERIFY(a);
    QCOMPARE(a->overskrift, QStringLiteral("Ingen overskrift"));
    QCOMPARE(a->alarmfil, 2);
    QCOMPARE(a->gentagelse, felter[5].toInt());
    RichTextEdit tekst;
    QVERIFY(tekst.loadFromFile(p.tekster() + navn));
    QCOMPARE(tekst.toPlainText(), QStringLiteral("Husk kaffen"));
    if (type == 0)
        QCOMPARE((QStringList{ny.EditYear()->text(), ny.EditMonth()->text(), ny.EditDay()->text()}),
                 (QStringList{"0000", "00", "00"}));
    if (type == 2)
        QCOMPARE(ny.EditYear()->text(), QStringLiteral("3016"));
}

void TestAlarmSider::savedAlarmIsInTodaysListAtOnce()
{
    Program p;
    p.start();
    NyAlarmSide &ny = p.ny();
    ny.alarmtypeValg()->button(0)->click();
    QCOMPARE(ny.EditTime()->text(), QStringLiteral("10"));
    ny.EditTime()->setText("11");
    ny.EditOverskrift()->setText("Frokost");
    ny.sbGemAlarm()->click();
    QCOMPARE(p.main->dagensAlarmer().index(), 0);
    QCOMPARE(p.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    QTableWidget *tabel = p.oversigt().alarmBox();
    QCOMPARE(tabel->rowCount(), 1);
    QCOMPARE(raekke(tabel, 0), (QStringList{"Daglig", "11:00", "Frokost"}));
}

void TestAlarmSider::overwriteQuestion_data()
{
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nej") << false;
}

void TestAlarmSider::overwriteQuestion()
{
    QFETCH(bool, ja);
    Program p;
    p.start();
    p.alarm("0000-00-00-11-00", 0, "Gammel");
    NyAlarmSide &ny = p.ny();
    ny.alarmtypeValg()->button(0)->click();
    ny.EditTime()->setText("11");
    ny.EditMinut()->setText("0");
    ny.EditOverskrift()->setText("Ny");
    p.svar(ja);
    ny.sbGemAlarm()->click();
    QCOMPARE(p.spoergsmaal,
             QStringList{"Alarmen eksisterer allerede.\nSkal filerne overskrives?\n\n"
                         "..Alarmer/0000-00-00-11-00.txt\n..Alarmtekster/0000-00-00-11-00.txt"});
    const std::optional<TAlarmRecord> a =
        AlarmFile::loadAlarm(p.alarmDir() + "0000-00-00-11-00.txt");
    QVERIFY(a);
    QCOMPARE(a->overskrift, ja ? QStringLiteral("Ny") : QStringLiteral("Gammel"));
    QCOMPARE(fileContents(p.tekster() + "0000-00-00-11-00.txt").contains("Tekst til Gammel"), !ja);
}

void TestAlarmSider::overviewShowsTheThreeTypes()
{
    Program p;
    p.start();
    p.alarm("0000-00-00-07-30", 0, "Daglig ting");
    p.alarm("2015-12-24-18-00", 1, "Jul");
    p.alarm("3016-05-17-08-05", 2, "Grundlov");
    AlarmOversigtSide &o = p.oversigt();
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Aktive alarmer"));
    QCOMPARE(o.sbUdskrivAlle()->text(), QStringLiteral("Vis alle     "));
    QCOMPARE(o.sbRedigerValgte()->text(), QStringLiteral("Rediger "));
    QCOMPARE(o.sbSletValgte()->text(), QStringLiteral("Slet       "));
    QTableWidget *t = o.alarmBox();
    QCOMPARE(t->columnWidth(0), 24);
    QCOMPARE(t->columnWidth(1), 76);
    QCOMPARE(t->columnWidth(2), 50);
    QCOMPARE(t->horizontalHeaderItem(3)->text(), QStringLiteral("Overskrift"));

    o.sbUdskrivAlle()->click();
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Alle alarmer"));
    QVERIFY(!o.sbUdskrivAlle()->isEnabled());
    QVERIFY(o.sbUdskrivAktive()->isEnabled() && o.sbRedigerValgte()->isEnabled());
    QCOMPARE(t->rowCount(), 3);
    QHash<QString, QStringList> rows;
    QHash<QString, QImage> pictures;
    for (int r = 0; r < 3; ++r) {
        rows.insert(t->item(r, 3)->text(), raekke(t, r));
        QVERIFY(!t->item(r, 0)->icon().isNull());
        pictures.insert(t->item(r, 3)->text(), t->item(r, 0)->icon().pixmap(16).toImage());
    }
    QCOMPARE(rows.value("Daglig ting"), (QStringList{"Daglig", "07:30", "Daglig ting"}));
    QCOMPARE(rows.value("Jul"), (QStringList{"24-12-2015", "18:00", "Jul"}));
    QCOMPARE(rows.value("Grundlov"), (QStringList{"Dag: 17-05", "08:05", "Grundlov"}));
    // Each type has a picture of its own.
    QVERIFY(pictures.value("Daglig ting") != pictures.value("Jul"));
    QVERIFY(pictures.value("Jul") != pictures.value("Grundlov"));
    QVERIFY(pictures.value("Grundlov") != pictures.value("Daglig ting"));

    o.sbUdskrivAktive()->click();
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Aktive alarmer"));
    QVERIFY(!o.sbSletValgte()->isEnabled());
}

void TestAlarmSider::emptyFolderAsksForASelection()
{
    Program p;
    p.start();
    AlarmOversigtSide &o = p.oversigt();
    o.sbUdskrivAlle()->click();
    QCOMPARE(o.alarmBox()->rowCount(), 0);
    o.sbRedigerValgte()->click();
    o.sbSletValgte()->click();
    QCOMPARE(p.messages.informations,
             (QStringList{"Vælg alarm, der skal redigeres.", "Vælg alarm, der skal slettes."}));
}

void TestAlarmSider::editAndSaveUnderAnotherHourGivesTwoAlarms()
{
    Program p;
    p.alarm("3016-05-17-08-05", 2, "Grundlov");
    p.start();
    AlarmOversigtSide &o = p.oversigt();
    o.sbUdskrivAlle()->click();
    o.alarmBox()->selectRow(0);
    o.sbRedigerValgte()->click();
    NyAlarmSide &ny = p.ny();
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), 3);
    QCOMPARE(ny.alarmtypeValg()->checkedId(), 2);
    QCOMPARE((QStringList{ny.EditYear()->text(), ny.EditMonth()->text(), ny.EditDay()->text(),
                          ny.EditTime()->text(), ny.EditMinut()->text()}),
             (QStringList{"3016", "05", "17", "08", "05"}));
    QCOMPARE(ny.EditGentagelse()->tekst(), QStringLiteral("2"));
    QCOMPARE(ny.EditOverskrift()->text(), QStringLiteral("Grundlov"));
    QCOMPARE(ny.cbLydfiler()->currentIndex(), 1);
    QCOMPARE(ny.alarmMemoNy()->toPlainText(), QStringLiteral("Tekst til Grundlov"));
    QVERIFY(!ny.sbGemAlarm()->isEnabled());

    ny.EditTime()->setText("9");
    ny.sbGemAlarm()->click();
    QVERIFY(p.spoergsmaal.isEmpty());
    QCOMPARE(QDir(p.alarmDir()).entryList(QDir::Files),
             (QStringList{"3016-05-17-08-05.txt", "3016-05-17-09-05.txt"}));
    RichTextEdit tekst;
    QVERIFY(tekst.loadFromFile(p.tekster() + "3016-05-17-09-05.txt"));
    QCOMPARE(tekst.toPlainText(), QStringLiteral("Tekst til Grundlov"));
}

void TestAlarmSider::editOfVanishedFilesIsRefused()
{
    Program p;
    p.alarm("0000-00-00-11-00", 0, "Borte");
    p.start();
    AlarmOversigtSide &o = p.oversigt();
    o.sbUdskrivAlle()->click();
    QVERIFY(QFile::remove(p.tekster() + "0000-00-00-11-00.txt"));
    o.alarmBox()->selectRow(0);
    o.sbRedigerValgte()->click();
    QCOMPARE(p.messages.informations,
             QStringList{"Der mangler en eller flere filer.\rSlet alarmen og opret en ny."});
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), int(EgenskabsSide::Egenskaber));
    // Deleting still removes what is there.
    p.svar(true);
    o.sbSletValgte()->click();
    QVERIFY(QDir(p.alarmDir()).isEmpty());
}

void TestAlarmSider::deleteAnsweredNoThenYes()
{
    Program p;
    p.alarm("0000-00-00-11-00", 0, "Frokost");
    p.start();
    QCOMPARE(p.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    AlarmOversigtSide &o = p.oversigt();
    o.sbUdskrivAlle()->click();
    o.alarmBox()->selectRow(0);
    p.svar(false);
    o.sbSletValgte()->click();
    QCOMPARE(p.spoergsmaal, QStringList{"Skal alarmen\nFrokost\nslettes?"});
    QVERIFY(QFile::exists(p.alarmDir() + "0000-00-00-11-00.txt"));
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Alle alarmer"));
    QCOMPARE(o.alarmBox()->rowCount(), 1);

    o.alarmBox()->selectRow(0);
    p.svar(true);
    o.sbSletValgte()->click();
    QVERIFY(!QFile::exists(p.alarmDir() + "0000-00-00-11-00.txt"));
    QVERIFY(!QFile::exists(p.tekster() + "0000-00-00-11-00.txt"));
    QCOMPARE(p.main->mAktiveAlarmer()->text(), QStringLiteral("0 aktive alarmer"));
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Alle alarmer"));
    QCOMPARE(o.alarmBox()->rowCount(), 0);
}

void TestAlarmSider::firingSwitchesToTheActiveView()
{
    Program p;
    p.alarm("0000-00-00-10-00", 0, "Nu");
    p.alarm("0000-00-00-12-00", 0, "Senere");
    p.alarm("0000-00-00-13-00", 0, "Sidst");
    QVERIFY(putFile(p.alarmDir() + "0000-00-00-14-00.txt", "ødelagt\r\n"));
    p.start();
    // The main window tells of the damaged file; so does the overview, once.
    p.messages.informations.clear();
    AlarmOversigtSide &o = p.oversigt();
    o.sbUdskrivAlle()->click();
    QCOMPARE(o.alarmBox()->rowCount(), 3);
    QCOMPARE(p.messages.informations.size(), 1);
    QVERIFY(p.messages.informations.first().contains("0000-00-00-14-00.txt"));
    o.sbUdskrivAktive()->click();
    o.sbUdskrivAlle()->click();
    QCOMPARE(p.messages.informations.size(), 1);

    p.main->alarmTimerTimer();
    QCOMPARE(o.LabelOverskrift()->text(), QStringLiteral("Aktive alarmer"));
    QCOMPARE(o.alarmBox()->rowCount(), 2);
    QVERIFY(!o.sbRedigerValgte()->isEnabled());
}

void TestAlarmSider::countdownFiresOnce_data()
{
    QTest::addColumn<bool>("iBaggrunden");
    QTest::newRow("digital field shown") << false;
    QTest::newRow("Kør i baggrunden") << true;
}

void TestAlarmSider::countdownFiresOnce()
{
    QFETCH(bool, iBaggrunden);
    Program p;
    p.start();
    NedtaellingSide &n = p.ned();
    Talarmform *alarmform = p.program->vinduer().alarmform;
    TStopUr &stopUr = p.main->StopUr();
    const int hoejde = p.main->height();
    n.lydfilBox()->setCurrentRow(1);
    n.antalEdit()->setTekst("3");
    n.alarmEdit3()->setTekst("5");
    n.alarmEdit()->setText("Æggene");
    n.alarmMemo()->setPlainText("Tag dem af");
    n.runVisCheck()->setChecked(iBaggrunden);
    n.alarmKnap()->click();
    QVERIFY(p.main->alarmOn());
    QCOMPARE(stopUr.UrType(), utAlarm);
    QCOMPARE(p.main->Ur().isHidden(), !iBaggrunden);

    p.platform.localTime.set(kNu.addSecs(4));
    stopUr.OnTim();
    QCOMPARE(stopUr.TidS(), QStringLiteral("00:00:02"));
    QVERIFY(!alarmform->isVisible());
    p.platform.localTime.set(kNu.addSecs(6));
    stopUr.OnTim();
    QCOMPARE(stopUr.TidS(), QStringLiteral("00:00:00"));
    QVERIFY(alarmform->isVisible());
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Æggene"));
    QCOMPARE(alarmform->Memo()->toPlainText(), QStringLiteral("Tag dem af"));
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(p.platform.soundPlayer.plays.first().times, 3);

    // Repaints at 00:00:00 raise the field's alarm again.
    stopUr.Display();
    stopUr.repaint();
    QTest::qWait(20);
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(alarmform->ventendeAlarmer(), 0);
    QCOMPARE(p.main->Ur().isHidden(), !iBaggrunden);

    p.platform.soundPlayer.finish();
    QVERIFY(!p.main->alarmOn());
    QCOMPARE(stopUr.UrType(), utNormal);
    QVERIFY(!p.main->Ur().isHidden());
    QVERIFY(stopUr.isHidden());
    QVERIFY(!stopUr.isTicking());
    QCOMPARE(p.main->height(), hoejde);
}

void TestAlarmSider::countUpFiresAtItsTarget()
{
    Program p;
    p.start();
    NedtaellingSide &n = p.ned();
    TStopUr &stopUr = p.main->StopUr();
    n.alarmEdit2()->setTekst("1");
    n.stopUrCheck()->setChecked(true);
    n.alarmKnap()->click();
    QCOMPARE(stopUr.UrType(), utStop);
    QCOMPARE(stopUr.TidS(), QStringLiteral("00:00:00"));
    p.platform.localTime.set(kNu.addSecs(59));
    stopUr.OnTim();
    QVERIFY(!p.program->vinduer().alarmform->isVisible());
    // The tick of 0:01:00 comes late.
    p.platform.localTime.set(kNu.addSecs(61));
    stopUr.OnTim();
    Talarmform *alarmform = p.program->vinduer().alarmform;
    QVERIFY(alarmform->isVisible());
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Alarm information"));
    QCOMPARE(alarmform->Memo()->toPlainText(), QStringLiteral("Ingen information!"));
    // No sound chosen: the alarm ends at once and the analog clock returns.
    QVERIFY(p.platform.soundPlayer.plays.isEmpty());
    QVERIFY(!p.main->alarmOn());
    QVERIFY(!p.main->Ur().isHidden());
    QCOMPARE(stopUr.UrType(), utNormal);
}

void TestAlarmSider::countdownWaitsForASoundingAlarm()
{
    Program p;
    p.alarm("0000-00-00-10-00", 0, "Kaffe");
    p.start();
    NedtaellingSide &n = p.ned();
    TStopUr &stopUr = p.main->StopUr();
    Talarmform *alarmform = p.program->vinduer().alarmform;
    n.lydfilBox()->setCurrentRow(2);
    n.alarmEdit3()->setTekst("5");
    n.alarmEdit()->setText("Æggene");
    n.alarmKnap()->click();
    p.main->alarmTimerTimer();
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);

    // The countdown ends while the stored alarm sounds: that sound plays on.
    p.platform.localTime.set(kNu.addSecs(6));
    stopUr.OnTim();
    QCOMPARE(stopUr.TidS(), QStringLiteral("00:00:00"));
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(p.platform.soundPlayer.stops, 0);
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Kaffe"));
    QVERIFY(p.main->alarmOn());

    p.platform.soundPlayer.finish();
    QCOMPARE(p.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(p.platform.soundPlayer.plays.last().path, p.main->lydListe().sti(2));
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Æggene"));
    QVERIFY(p.main->alarmOn());
    p.platform.soundPlayer.finish();
    QVERIFY(!p.main->alarmOn());
    QVERIFY(!p.main->Ur().isHidden());
    QCOMPARE(p.platform.soundPlayer.plays.size(), 2);
}

void TestAlarmSider::alarmWaitsForTheSoundingCountdown()
{
    Program p;
    p.alarm("0000-00-00-10-00", 0, "Kaffe");
    p.start();
    NedtaellingSide &n = p.ned();
    TStopUr &stopUr = p.main->StopUr();
    Talarmform *alarmform = p.program->vinduer().alarmform;
    n.lydfilBox()->setCurrentRow(2);
    n.alarmEdit3()->setTekst("5");
    n.alarmEdit()->setText("Æggene");
    n.alarmKnap()->click();
    p.platform.localTime.set(kNu.addSecs(6));
    stopUr.OnTim();
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Æggene"));

    // The stored alarm is due while the countdown sounds: it waits for that sound.
    p.main->alarmTimerTimer();
    QCOMPARE(p.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(p.platform.soundPlayer.stops, 0);
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Æggene"));

    p.platform.soundPlayer.finish();
    QVERIFY(!p.main->Ur().isHidden());
    p.main->alarmTimerTimer();
    QCOMPARE(p.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(alarmform->windowTitle(), QStringLiteral("Kaffe"));
}

void TestAlarmSider::zeroSpanStartsNothing()
{
    Program p;
    p.start();
    NedtaellingSide &n = p.ned();
    n.alarmEdit1()->setTekst("");
    n.alarmKnap()->click();
    QCOMPARE(p.messages.informations,
             QStringList{"Der mangler et tidsinterval til alarmen skal udløses."});
    QVERIFY(!p.main->alarmOn());
    QCOMPARE(p.main->StopUr().UrType(), utNormal);
    QVERIFY(!p.main->Ur().isHidden());
    // "Afspil" follows the sound list.
    n.lydfilBox()->setCurrentRow(0);
    QVERIFY(!p.main->handlinger().aPlayLydfil->isEnabled());
    n.lydfilBox()->setCurrentRow(2);
    QVERIFY(p.main->handlinger().aPlayLydfil->isEnabled());
}

void TestAlarmSider::plainStopwatchButtons()
{
    Program p;
    p.start();
    TStopUr &stopUr = p.main->StopUr();
    p.form->urSide()->suStartKnap()->click();
    QCOMPARE(stopUr.UrType(), utStop);
    QVERIFY(stopUr.isTicking());
    QVERIFY(p.main->Ur().isHidden());
    QCOMPARE(p.ned().nedtaelling().suTimer(), -1);
    p.platform.localTime.set(kNu.addSecs(3600 * 30));
    stopUr.OnTim();
    p.form->urSide()->suStopKnap()->click();
    QVERIFY(!stopUr.isTicking());
    QCOMPARE(stopUr.TidS(), QStringLiteral("30:00:00"));
    QVERIFY(!p.program->vinduer().alarmform->isVisible());
}

void TestAlarmSider::optionsComeBack()
{
    Program p;
    p.start();
    p.ned().antalEdit()->setTekst("7");
    p.ned().stopUrCheck()->setChecked(true);
    p.ned().runVisCheck()->setChecked(true);
    p.ned().alarmMemo()->setFont(QFont("Arial", 14));
    p.ny().EditGentagelse()->setTekst("5");
    p.main->close();
    const std::optional<QStringList> lines = TextListFile::read(p.main->folders().filnavnDesign);
    QVERIFY(lines);
    QCOMPARE(lines->at(2), QStringLiteral("7"));
    QCOMPARE(lines->at(6), QStringLiteral("5"));
    QCOMPARE(lines->at(9), QStringLiteral("Arial"));
    QCOMPARE(lines->at(10), QStringLiteral("14"));
    QCOMPARE(lines->at(19), QStringLiteral("1"));
    QCOMPARE(lines->at(20), QStringLiteral("1"));

    Program igen;
    QVERIFY(putFile(igen.folders.filnavnDesign, fileContents(p.main->folders().filnavnDesign)));
    igen.start();
    QCOMPARE(igen.ned().antalEdit()->tekst(), QStringLiteral("7"));
    QCOMPARE(igen.ned().alarmAntal(), 7);
    QVERIFY(igen.ned().stopUrCheck()->isChecked());
    QCOMPARE(igen.ned().alarmMemo()->font().family(), QStringLiteral("Arial"));
    QCOMPARE(igen.ny().EditGentagelse()->tekst(), QStringLiteral("5"));
}

QTEST_MAIN(TestAlarmSider)
#include "tst_alarmsider.moc"
