#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "alarms/NedtaellingSide.h"
#include "alarms/NyAlarmSide.h"
#include "alarms/Talarmform.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "dialogs/MessageBoxMessages.h"
#include "platform/fake/FakePlatform.h"
#include "richtext/RichTextEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

namespace {

const QString kMissingText =
    QStringLiteral(" Der er opstået en fejl. \r Der kan være en fil, der ikke blev fundet. ");

const QDateTime kKvartOverTi(QDate(2026, 12, 10), QTime(10, 15, 30));

QDateTime idag(int time, int minut, int sekund = 5)
{
    return QDateTime(QDate(2026, 12, 10), QTime(time, minut, sekund));
}

// Delivers what the window system sends when the user clicks the title bar's
// close box; QWindow::close() would count as the program's own closing.
void pressCloseBox(QWidget &window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QApplication::instance()->notify(window.windowHandle(), &close);
}

} // namespace

// A whole program on a temporary data folder with two sounds, at a set time.
// The program's messages are recorded unless the test hands it others.
class AlarmFixture : public HeltProgram
{
public:
    explicit AlarmFixture(const QDateTime &now = kKvartOverTi, Messages *shown = nullptr)
    {
        platform.localTime.set(now);
        toLyde();
        QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/noter.txt", "not a sound"));
        start(false, shown);
        alarmform = program->vinduer().alarmform;
        egenskabsform = form;
    }

    // Writes an alarm pair; type 0 daily, 1 dated, 2 yearly.
    TAlarmRecord addAlarm(int type, int time, int minut, int lyd = 1, int gentagelse = 2,
                          bool medTekst = true, QDate dato = QDate(2026, 12, 10))
    {
        TAlarmRecord a;
        a.aarS = type == 0   ? QStringLiteral("0000")
                 : type == 2 ? QStringLiteral("3016")
                             : QString::number(dato.year());
        a.maaned = type == 0 ? 0 : dato.month();
        a.dag = type == 0 ? 0 : dato.day();
        a.aar = a.aarS.toUShort();
        a.time = time;
        a.minut = minut;
        a.maanedS = getStr(a.maaned);
        a.dagS = getStr(a.dag);
        a.timeS = getStr(a.time);
        a.minutS = getStr(a.minut);
        a.alarmtype = AlarmType(type);
        a.alarmfil = lyd;
        a.gentagelse = gentagelse;
        a.overskrift = QStringLiteral("Møde %1:%2").arg(time).arg(minut);
        const QString stem = AlarmFile::stem(a.aarS, a.maaned, a.dag, a.time, a.minut) + ".txt";
        a.filnavn = main->folders().alarmDir + stem;
        a.tekstfilnavn = main->folders().alarmTekster + stem;
        AlarmFile::skrivAlarmfil(a);
        if (medTekst)
            putFile(a.tekstfilnavn, "{\\rtf1\\ansi\\ansicpg1252 Husk m\\'f8det\\par}");
        return a;
    }

    Talarmform *alarmform = nullptr;
    Tegenskabsform *egenskabsform = nullptr;
};

class TestAlarmWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showAlarmShowsHeadingAndText();
    void showAlarmOfAMissingFileTellsOnTopAndCloses();
    void missingTextBoxHoldsUpNeitherTheClockNorTheMainWindow();
    void lukStopsTheSoundAndEmpties();
    void alarmsInARowAreAllSeen();
    void failedAlarmLeavesTheOpenOneInFront();
    void everyWayOfClosingActsAsLuk_data();
    void everyWayOfClosingActsAsLuk();
    void windowPlaceIsKept();
    void soundLists();
    void volumeSliderSetsTheProgramVolume_data();
    void volumeSliderSetsTheProgramVolume();
    void testPlaysAreHeardOnce();
    void firingShowsPlaysAndDeletesADatedAlarm();
    void silentSoundIsNamed_data();
    void silentSoundIsNamed();
    void missingTextGivesNoSoundButDeletesTheDatedAlarm();
    void alarmWithoutASoundPlaysNothing_data();
    void alarmWithoutASoundPlaysNothing();
    void missingSoundFolderLeavesNoSound();
    void alarmsOfOneMinuteSoundOneAfterTheOther();
    void unreadableFileIsReportedOnceAndTheRestLoad();
    void dailyAlarmFiresAgainTheNextDay();
};

void TestAlarmWindow::showAlarmShowsHeadingAndText()
{
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(0, 7, 30);
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("Morgenmøde"), a.tekstfilnavn));
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("Morgenmøde"));
    QCOMPARE(f.alarmform->Memo()->toPlainText(), QStringLiteral("Husk mødet"));
    QVERIFY(f.alarmform->Memo()->isReadOnly());
    QCOMPARE(f.alarmform->Memo()->textCursor().position(), 0);
    QCOMPARE(f.alarmform->Memo()->document()->firstBlock().blockFormat().textIndent(), 8.0);
    QVERIFY(f.messages.informations.isEmpty());
}

void TestAlarmWindow::showAlarmOfAMissingFileTellsOnTopAndCloses()
{
    AlarmFixture f;
    QVERIFY(!f.alarmform->showAlarm(QStringLiteral("x"), f.tmp.filePath("none.txt")));
    QCOMPARE(f.messages.informations, QStringList{kMissingText});
    QCOMPARE(f.messages.owners.last().data(), static_cast<QWidget *>(f.alarmform));
    // The window stays under its message until the user has read it.
    QVERIFY(f.alarmform->isVisible());
    f.messages.acknowledge();
    QVERIFY(!f.alarmform->isVisible());
}

void TestAlarmWindow::missingTextBoxHoldsUpNeitherTheClockNorTheMainWindow()
{
    MessageBoxMessages boxes;
    AlarmFixture f(idag(10, 14, 50), &boxes);
    const TAlarmRecord tabt = f.addAlarm(1, 10, 15, 1, 2, false);
    const TAlarmRecord senere = f.addAlarm(0, 10, 17, 2, 1);
    f.program->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.main));
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("2 aktive alarmer"));
    // Away from the middle, so that a box centred on its owner would show it.
    f.alarmform->move(0, 0);

    // A box with its own event loop would hold the alarm check until it is
    // closed; the watchdog closes such a box so the test can tell.
    bool returned = false;
    bool blocked = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
        if (returned)
            return;
        blocked = true;
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(3000);
    f.platform.localTime.set(idag(10, 15));
    f.main->alarmTimerTimer();
    returned = true;
    QVERIFY(!blocked);

    auto *box = f.alarmform->findChild<QMessageBox *>();
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QCOMPARE(box->text(), QString(kMissingText).replace('\r', '\n'));
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(box->frameGeometry().center(), box->screen()->availableGeometry().center());
    QVERIFY(!QFile::exists(tabt.filnavn));

    // The main window's shortcuts work while the box is open...
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    f.addAlarm(0, 11, 0);
    QTest::keyClick(f.main->windowHandle(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("2 aktive alarmer"));
    // ...and the alarm timer goes on ticking and fires the next alarm.
    f.platform.localTime.set(idag(10, 17));
    QTRY_COMPARE(f.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(f.alarmform->windowTitle(), senere.overskrift);
    QVERIFY(box->isVisible());

    // Reading the message late does not close the alarm that came meanwhile.
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    QTRY_VERIFY(!f.alarmform->findChild<QMessageBox *>());
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), senere.overskrift);
}

void TestAlarmWindow::lukStopsTheSoundAndEmpties()
{
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(0, 7, 30);
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("Morgenmøde"), a.tekstfilnavn));
    f.platform.soundPlayer.play(f.main->lydListe().sti(1), 3, true);
    QTest::mouseClick(f.alarmform->lukKnap(), Qt::LeftButton);
    QVERIFY(!f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("Alarm"));
    QVERIFY(f.alarmform->Memo()->toPlainText().isEmpty());
    QVERIFY(!f.platform.soundPlayer.isPlaying());
}

void TestAlarmWindow::alarmsInARowAreAllSeen()
{
    AlarmFixture f;
    // The first is dated: its files are gone once it has fired.
    const TAlarmRecord a = f.addAlarm(1, 10, 15, 1, 2);
    const TAlarmRecord b = f.addAlarm(0, 10, 16, 2, 3);
    QVERIFY(putFile(b.tekstfilnavn, "{\\rtf1\\ansi Frokost\\par}"));
    f.main->hentAlarmer();
    f.main->alarmTimerTimer();
    QCOMPARE(f.alarmform->windowTitle(), a.overskrift);
    QVERIFY(!f.alarmform->venterLabel()->isVisible());
    f.platform.soundPlayer.finish();

    // The second fires while the first is still open: it comes to the front
    // with its sound, and the first waits behind it.
    f.platform.localTime.set(idag(10, 16));
    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 2);
    QVERIFY(f.platform.soundPlayer.isPlaying());
    QCOMPARE(f.alarmform->windowTitle(), b.overskrift);
    QCOMPARE(f.alarmform->Memo()->toPlainText(), QStringLiteral("Frokost"));
    QCOMPARE(f.alarmform->ventendeAlarmer(), 1);
    QVERIFY(f.alarmform->venterLabel()->isVisible());
    QCOMPARE(f.alarmform->venterLabel()->text(), QStringLiteral("Der venter 1 alarm mere"));
    QCOMPARE(f.alarmform->venterLabel()->accessibleName(), f.alarmform->venterLabel()->text());

    // "Luk" silences the second and brings the first back as it was shown.
    QTest::mouseClick(f.alarmform->lukKnap(), Qt::LeftButton);
    QVERIFY(!f.platform.soundPlayer.isPlaying());
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), a.overskrift);
    QCOMPARE(f.alarmform->Memo()->toPlainText(), QStringLiteral("Husk mødet"));
    QCOMPARE(f.alarmform->Memo()->document()->firstBlock().blockFormat().textIndent(), 8.0);
    QVERIFY(!f.alarmform->venterLabel()->isVisible());

    QTest::mouseClick(f.alarmform->lukKnap(), Qt::LeftButton);
    QVERIFY(!f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("Alarm"));
}

void TestAlarmWindow::failedAlarmLeavesTheOpenOneInFront()
{
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(0, 7, 30);
    const TAlarmRecord b = f.addAlarm(0, 7, 31);
    const TAlarmRecord c = f.addAlarm(0, 7, 32);
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("A"), a.tekstfilnavn));
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("B"), b.tekstfilnavn));
    QCOMPARE(f.alarmform->venterLabel()->text(), QStringLiteral("Der venter 1 alarm mere"));
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("C"), c.tekstfilnavn));
    QCOMPARE(f.alarmform->venterLabel()->text(), QStringLiteral("Der venter 2 alarmer mere"));

    QVERIFY(!f.alarmform->showAlarm(QStringLiteral("D"), f.tmp.filePath("none.txt")));
    QCOMPARE(f.messages.informations, QStringList{kMissingText});
    QCOMPARE(f.messages.owners.last().data(), static_cast<QWidget *>(f.alarmform));
    f.messages.acknowledge();
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("C"));
    QCOMPARE(f.alarmform->Memo()->toPlainText(), QStringLiteral("Husk mødet"));
    QCOMPARE(f.alarmform->ventendeAlarmer(), 2);

    // The newest comes back first.
    f.alarmform->lukKnapClick();
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("B"));
    f.alarmform->lukKnapClick();
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("A"));
    f.alarmform->lukKnapClick();
    QVERIFY(!f.alarmform->isVisible());
}

void TestAlarmWindow::everyWayOfClosingActsAsLuk_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Luk") << "Luk";
    QTest::newRow("Escape on the button") << "Escape";
    QTest::newRow("Escape in the text") << "Escape in the text";
    QTest::newRow("close box") << "close box";
}

void TestAlarmWindow::everyWayOfClosingActsAsLuk()
{
    QFETCH(QString, way);
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(0, 7, 30);
    const TAlarmRecord b = f.addAlarm(0, 7, 31);
    const auto putAway = [&] {
        if (way == "Luk") {
            QTest::mouseClick(f.alarmform->lukKnap(), Qt::LeftButton);
        } else if (way == "close box") {
            pressCloseBox(*f.alarmform);
        } else {
            QWidget *target = f.alarmform->lukKnap();
            if (way == "Escape in the text") {
                target = f.alarmform->Memo();
                target->setFocus();
            }
            QTest::keyClick(target, Qt::Key_Escape);
        }
    };
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("A"), a.tekstfilnavn));
    f.alarmform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.alarmform));
    QVERIFY(f.alarmform->showAlarm(QStringLiteral("B"), b.tekstfilnavn));
    f.platform.soundPlayer.play(f.main->lydListe().sti(1), 3, true);

    putAway();
    QVERIFY(!f.platform.soundPlayer.isPlaying());
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), QStringLiteral("A"));

    f.platform.soundPlayer.play(f.main->lydListe().sti(2), 3, true);
    putAway();
    QVERIFY(!f.platform.soundPlayer.isPlaying());
    QVERIFY(!f.alarmform->isVisible());
    QCOMPARE(f.alarmform->ventendeAlarmer(), 0);
}

void TestAlarmWindow::windowPlaceIsKept()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    {
        Klokkeven program(tmp.path(), QString(), platform.services(), messages);
        program.vinduer().alarmform->move(60, 70);
        program.vinduer().alarmform->resize(410, 280);
        program.vinduer().mainform->close();
    }
    QFile file(tmp.path() + "/Anna/Egenskaber/alarmform.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("70\r\n60\r\n410\r\n280\r\n"));
}

void TestAlarmWindow::soundLists()
{
    AlarmFixture f;
    QListWidget *box = f.egenskabsform->nedtaellingSide()->lydfilBox();
    QComboBox *combo = f.egenskabsform->nyAlarmSide()->cbLydfiler();
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->item(0)->text(), QStringLiteral("Ingen alarmlyd"));
    QStringList names{box->item(1)->text(), box->item(2)->text()};
    names.sort();
    QCOMPARE(names, QStringList({"Klokkespil", "Zylo"}));
    QCOMPARE(combo->count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(combo->itemText(i), box->item(i)->text());
    QCOMPARE(box->currentRow(), 0);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(f.main->lydListe().sti(0), QString());
    QCOMPARE(f.main->lydListe().sti(3), QString());
    QCOMPARE(f.main->lydListe().sti(2),
             f.tmp.path() + "/Alarmlydfiler/" + box->item(2)->text() + ".wav");

    // "Afspil" is offered only for a real sound.
    QVERIFY(!f.main->handlinger().aPlayLydfil->isEnabled());
    box->setCurrentRow(1);
    QVERIFY(f.main->handlinger().aPlayLydfil->isEnabled());
}

void TestAlarmWindow::volumeSliderSetsTheProgramVolume_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("volume");
    QTest::addColumn<QString>("hint");
    QTest::newRow("full") << 28 << 1.0 << "Lydstyrke: 100%";
    QTest::newRow("half") << 14 << 0.5 << "Lydstyrke: 50%";
    QTest::newRow("one step") << 1 << 1.0 / 28 << "Lydstyrke: 4%";
    QTest::newRow("silent") << 0 << 0.0 << "Lydstyrke: 0%";
}

void TestAlarmWindow::volumeSliderSetsTheProgramVolume()
{
    QFETCH(int, position);
    QFETCH(double, volume);
    QFETCH(QString, hint);
    AlarmFixture f;
    f.egenskabsform->nedtaellingSide()->lydBar()->setValue(position == 28 ? 27 : 28);
    f.egenskabsform->nedtaellingSide()->lydBar()->setValue(position);
    QCOMPARE(f.platform.soundPlayer.volume(), volume);
    QCOMPARE(f.egenskabsform->nedtaellingSide()->lydBar()->toolTip(), hint);
}

void TestAlarmWindow::testPlaysAreHeardOnce()
{
    AlarmFixture f;
    f.egenskabsform->playAlarm(0, 5, true);
    QVERIFY(f.platform.soundPlayer.plays.isEmpty());
    f.egenskabsform->playAlarm(1, 5, true);
    QCOMPARE(f.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(f.platform.soundPlayer.plays.last().times, 1);
    QVERIFY(!f.platform.soundPlayer.plays.last().defaultOnFailure);
    f.egenskabsform->playAlarm(2, 0, false);
    QCOMPARE(f.platform.soundPlayer.plays.last().times, 1);
    f.egenskabsform->playAlarm(2, 4, false);
    QCOMPARE(f.platform.soundPlayer.plays.last().times, 4);
    // A sound file that is gone is silence here.
    QFile::remove(f.main->lydListe().sti(1));
    f.egenskabsform->playAlarm(1, 4, false);
    QCOMPARE(f.platform.soundPlayer.plays.size(), 3);
    // "Afspil" plays the selected countdown sound as a test.
    f.egenskabsform->nedtaellingSide()->lydfilBox()->setCurrentRow(2);
    f.main->handlinger().aPlayLydfil->trigger();
    QCOMPARE(f.platform.soundPlayer.plays.last(),
             (FakeSoundPlayer::Play{f.main->lydListe().sti(2), 1, false}));
}

void TestAlarmWindow::firingShowsPlaysAndDeletesADatedAlarm()
{
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(1, 10, 15, 2, 3);
    f.main->hentAlarmer();
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    QVERIFY(f.main->alarmTimer()->isActive());
    QCOMPARE(f.main->alarmTimer()->interval(), 1000);

    f.main->alarmTimerTimer();
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.alarmform->windowTitle(), a.overskrift);
    QCOMPARE(f.platform.soundPlayer.plays,
             QList<FakeSoundPlayer::Play>({{f.main->lydListe().sti(2), 3, true}}));
    QVERIFY(!QFile::exists(a.filnavn));
    QVERIFY(!QFile::exists(a.tekstfilnavn));
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("Ingen alarmer"));
}

void TestAlarmWindow::silentSoundIsNamed_data()
{
    QTest::addColumn<double>("programVolume");
    QTest::addColumn<int>("system"); // 1 silent, 0 heard, -1 no answer
    QTest::addColumn<bool>("named");
    QTest::newRow("heard") << 1.0 << 0 << false;
    QTest::newRow("program at 0") << 0.0 << 0 << true;
    QTest::newRow("system muted or at 0") << 1.0 << 1 << true;
    QTest::newRow("both") << 0.0 << 1 << true;
    QTest::newRow("no sound server answers") << 1.0 << -1 << false;
}

void TestAlarmWindow::silentSoundIsNamed()
{
    QFETCH(double, programVolume);
    QFETCH(int, system);
    QFETCH(bool, named);
    AlarmFixture f;
    f.platform.soundPlayer.setVolume(programVolume);
    f.platform.outputVolume.stille = system < 0 ? std::nullopt : std::optional<bool>(system == 1);
    f.addAlarm(0, 10, 15);
    f.main->hentAlarmer();
    f.main->alarmTimerTimer();
    QVERIFY(f.alarmform->isVisible());
    QCOMPARE(f.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(f.alarmform->noteLabel()->isVisible(), named);
    QCOMPARE(f.alarmform->noteLabel()->text(),
             named ? QStringLiteral("Lyden er slået fra") : QString());
    QCOMPARE(f.alarmform->noteLabel()->accessibleName(), f.alarmform->noteLabel()->text());
}

void TestAlarmWindow::missingTextGivesNoSoundButDeletesTheDatedAlarm()
{
    AlarmFixture f;
    const TAlarmRecord a = f.addAlarm(1, 10, 15, 1, 2, false);
    f.main->hentAlarmer();
    f.main->alarmTimerTimer();
    QCOMPARE(f.messages.informations, QStringList{kMissingText});
    QCOMPARE(f.messages.owners.last().data(), static_cast<QWidget *>(f.alarmform));
    QVERIFY(f.platform.soundPlayer.plays.isEmpty());
    QVERIFY(!QFile::exists(a.filnavn));
    f.messages.acknowledge();
    QVERIFY(!f.alarmform->isVisible());
}

void TestAlarmWindow::alarmWithoutASoundPlaysNothing_data()
{
    QTest::addColumn<int>("lyd");
    QTest::addColumn<int>("gentagelse");
    QTest::newRow("Ingen alarmlyd") << 0 << 2;
    QTest::newRow("no entry chosen") << -1 << 2;
    QTest::newRow("index no longer there") << 9 << 2;
    QTest::newRow("no repetitions") << 1 << 0;
}

void TestAlarmWindow::alarmWithoutASoundPlaysNothing()
{
    QFETCH(int, lyd);
    QFETCH(int, gentagelse);
    AlarmFixture f;
    const TAlarmRecord daily = f.addAlarm(0, 10, 15, lyd, gentagelse);
    f.main->hentAlarmer();
    f.main->alarmTimerTimer();
    QVERIFY(f.alarmform->isVisible());
    QVERIFY(f.platform.soundPlayer.plays.isEmpty());
    // A daily alarm keeps its files, and the next alarm may fire.
    QVERIFY(QFile::exists(daily.filnavn));
    QVERIFY(!f.main->dagensAlarmer().firing());
}

void TestAlarmWindow::missingSoundFolderLeavesNoSound()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    Klokkeven program(tmp.path(), QString(), platform.services(), messages);
    Tegenskabsform *egenskabsform = program.vinduer().egenskabsform;
    QCOMPARE(egenskabsform->nedtaellingSide()->lydfilBox()->count(), 1);
    QCOMPARE(egenskabsform->nedtaellingSide()->lydfilBox()->item(0)->text(),
             QStringLiteral("Ingen alarmlyd"));
    QCOMPARE(egenskabsform->nyAlarmSide()->cbLydfiler()->count(), 1);
    QVERIFY(messages.informations.isEmpty());
}

void TestAlarmWindow::alarmsOfOneMinuteSoundOneAfterTheOther()
{
    AlarmFixture f;
    f.addAlarm(0, 10, 15, 1, 2);
    f.addAlarm(1, 10, 15, 1, 2);
    f.addAlarm(2, 10, 15, 1, 2);
    f.main->hentAlarmer();
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("3 aktive alarmer"));

    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 1);
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("2 aktive alarmer"));
    // While the sound plays, no other alarm fires, even past the minute.
    f.platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 16, 5)));
    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 1);
    f.platform.soundPlayer.finish();
    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 2);
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    // "Luk" ends the sound; the last one follows.
    QTest::mouseClick(f.alarmform->lukKnap(), Qt::LeftButton);
    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 3);
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("Ingen alarmer"));
}

void TestAlarmWindow::unreadableFileIsReportedOnceAndTheRestLoad()
{
    AlarmFixture f;
    f.addAlarm(0, 11, 0);
    f.addAlarm(0, 12, 0);
    QVERIFY(putFile(f.main->folders().alarmDir + "0000-00-00-13-00.txt", "0000\r\n00\r\n"));
    f.main->hentAlarmer();
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("2 aktive alarmer"));
    QVERIFY(f.main->alarmTimer()->isActive());
    QTRY_COMPARE(f.messages.informations.size(), 1);
    QVERIFY(f.messages.informations.first().contains("0000-00-00-13-00.txt"));
    f.main->handlinger().aOpdaterAlarmer->trigger();
    QTest::qWait(20);
    QCOMPARE(f.messages.informations.size(), 1);
}

void TestAlarmWindow::dailyAlarmFiresAgainTheNextDay()
{
    AlarmFixture f(QDateTime(QDate(2026, 12, 10), QTime(23, 59, 30)));
    f.addAlarm(0, 7, 0);
    f.main->hentAlarmer();
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("0 aktive alarmer"));
    QVERIFY(f.main->alarmTimer()->isActive());

    f.platform.localTime.set(QDateTime(QDate(2026, 12, 11), QTime(0, 0, 1)));
    f.main->alarmTimerTimer();
    QCOMPARE(f.main->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    f.platform.localTime.set(QDateTime(QDate(2026, 12, 11), QTime(7, 0, 1)));
    f.main->alarmTimerTimer();
    QCOMPARE(f.platform.soundPlayer.plays.size(), 1);
}

QTEST_MAIN(TestAlarmWindow)
#include "tst_alarmwindow.moc"
