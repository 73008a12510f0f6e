#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestAlarmer.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "alarms/Talarmform.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// The main window inside a whole program on a temporary data folder.
class MainformFixture : public HeltProgram
{
public:
    explicit MainformFixture(bool vis = true)
    {
        start(vis);
        if (!vis)
            return;
        // The first showing applies clock design 0; these tests start from
        // the window as it was created.
        main->setRundtUr(false);
        main->SetTransparent(false);
        main->SetDefaultColors();
        main->SetDefaultDimensioner();
        main->resize(380, 427);
    }
};

namespace {

// The main window with the window system's move recorded: the offscreen
// platform moves no windows.
class FlytbarMainform : public Tmainform
{
public:
    using Tmainform::Tmainform;
    int flytninger = 0;

protected:
    bool startSystemMove() override
    {
        ++flytninger;
        return true;
    }
};

} // namespace

class TestMainform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void actions_data();
    void actions();
    void popupMenuOrder();
    void menuEntriesOpenTheirPages_data();
    void menuEntriesOpenTheirPages();
    void defaultColoursAndDimensions();
    void ctrlUTwiceRestoresTheHeight();
    void digitalViewStays49HighThroughCtrlF();
    void roundClockFollowsTheFrameState();
    void ctrlRTurnsRoundOnAndOff();
    void ctrlSRestoresTheColoursAtOnce();
    void seeThroughShowsTheDesktopWhereTheWindowColourIs();
    void seeThroughDigitsCarryNoFringe();
    void minimiseWhenMaximisedDoesNothing();
    void minimiseWithoutTrayMinimisesNormally();
    void trayClickBringsTheWindowBack();
    void trayClickBringsTheWindowBackAtItsPlace();
    void alarmSoundsWithoutTheOtherWindows();
    void rundtUrCheckMarkFollowsTheState();
    void keyboardOpensThePopupMenu_data();
    void keyboardOpensThePopupMenu();
    void secondCopyLeavesTheAlarmsToTheFirst();
    void manyUnreadableAlarmFilesGiveOneBox();
    void dragOnTheFramelessClockMovesTheWindow_data();
    void dragOnTheFramelessClockMovesTheWindow();
    void rightClickOnTheFramelessClockOpensTheMenu();
    void frameChangesKeepTheWindowWhereItIs();
    void firingAlarmAnnouncesItself();
    void windowAndClocksHaveAccessibleNames();
};

void TestMainform::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortcuts");
    QTest::newRow("aLuk") << "aLuk"
                          << "Luk uret"
                          << "Luk programmet: Ctrl+Q"
                          << "Ctrl+Q";
    QTest::newRow("aForm") << "aForm"
                           << "Skjul formboks"
                           << "Vis eller skjul formboks: Ctrl+F"
                           << "Ctrl+F";
    QTest::newRow("aUr") << "aUr"
                         << "Vis digitalur"
                         << "Vis ur eller digitalur: Ctrl+U"
                         << "Ctrl+U";
    QTest::newRow("aEgenskaber") << "aEgenskaber"
                                 << "Egenskaber..."
                                 << "Bestem urets egenskaber: Ctrl+E"
                                 << "Ctrl+E";
    QTest::newRow("aRundtUr") << "aRundtUr"
                              << "Rundt ur"
                              << "Sæt eller fjern egenskaben rundt ur: Ctrl+R"
                              << "Ctrl+R";
    QTest::newRow("aStandardFarver") << "aStandardFarver"
                                     << "Standard farver"
                                     << "Sæt farverne til de oprindelige farver: Ctrl+S"
                                     << "Ctrl+S";
    QTest::newRow("aStandardDim") << "aStandardDim"
                                  << "Standard"
                                  << "Sæt dimensionerne til de oprindelige dimensioner"
                                  << "";
    QTest::newRow("aPlayLydfil") << "aPlayLydfil"
                                 << "Afspil"
                                 << "Afspil lydfil som test"
                                 << "";
    QTest::newRow("aInformation") << "aInformation"
                                  << "Information..."
                                  << "Program information: F1 eller Ctrl+I"
                                  << "F1; Ctrl+I";
    QTest::newRow("aOpdaterAlarmer") << "aOpdaterAlarmer"
                                     << "Opdater alarmer"
                                     << "En ny dag ved midnat: Opfrisk dagens alarmer: Ctrl+O"
                                     << "Ctrl+O";
    QTest::newRow("minimerProgram") << "minimerProgram"
                                    << "Minimer"
                                    << "Minimer uret til systembakken"
                                    << "Ctrl+M";
}

void TestMainform::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, shortcuts);
    MainformFixture f;
    const QMap<QString, QAction *> byName{{"aLuk", f.main->handlinger().aLuk},
                                          {"aForm", f.main->handlinger().aForm},
                                          {"aUr", f.main->handlinger().aUr},
                                          {"aEgenskaber", f.main->handlinger().aEgenskaber},
                                          {"aRundtUr", f.main->handlinger().aRundtUr},
                                          {"aStandardFarver", f.main->handlinger().aStandardFarver},
                                          {"aStandardDim", f.main->handlinger().aStandardDim},
                                          {"aPlayLydfil", f.main->handlinger().aPlayLydfil},
                                          {"aInformation", f.main->handlinger().aInformation},
                                          {"aOpdaterAlarmer", f.main->handlinger().aOpdaterAlarmer},
                                          {"minimerProgram", f.main->handlinger().minimerProgram}};
    QAction *action = byName.value(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->statusTip(), hint);
    QStringList keys;
    for (const QKeySequence &key : action->shortcuts())
        keys << key.toString();
    QCOMPARE(keys.join("; "), shortcuts);
    QCOMPARE(action->icon().isNull(), name == "aStandardDim");
}

void TestMainform::popupMenuOrder()
{
    MainformFixture f;
    QStringList items;
    for (QAction *item : f.main->PopupMenu()->actions())
        items << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(items, QStringList({"Alarmer", "-", "Ur designs", "Rundt ur", "Egenskaber...", "-",
                                 "Skjul formboks", "Vis digitalur", "Minimer", "-",
                                 "Information...", "Luk uret"}));
    QMenu *alarmer = f.main->PopupMenu()->actions().first()->menu();
    QStringList alarmItems;
    for (QAction *item : alarmer->actions())
        alarmItems << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(alarmItems, QStringList({"0 aktive alarmer", "-", "Ny alarm...", "Se alarmer...", "-",
                                      "Opdater alarmer"}));
    QStringList designs;
    for (QAction *item : f.main->PopupMenu()->actions().at(2)->menu()->actions())
        designs << item->text();
    QCOMPARE(designs, QStringList({"Normalur", "Gennemsigtigt ur", "Øjet", "Bananen", "Blomsten",
                                   "Luppen", "Solen", "Æblet"}));
}

void TestMainform::menuEntriesOpenTheirPages_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("page");
    QTest::newRow("aktive alarmer") << "mAktiveAlarmer" << 2;
    QTest::newRow("Ny alarm") << "mInsertAlarm" << 3;
    QTest::newRow("Se alarmer") << "mSeAlarmer" << 2;
}

void TestMainform::menuEntriesOpenTheirPages()
{
    QFETCH(QString, entry);
    QFETCH(int, page);
    MainformFixture f;
    Tegenskabsform *egenskabsform = f.program->vinduer().egenskabsform;
    egenskabsform->egenskabsBog()->setCurrentIndex(5);
    const QMap<QString, QAction *> entries{{"mAktiveAlarmer", f.main->mAktiveAlarmer()},
                                           {"mInsertAlarm", f.main->mInsertAlarm()},
                                           {"mSeAlarmer", f.main->mSeAlarmer()}};
    entries.value(entry)->trigger();
    QVERIFY(egenskabsform->isVisible());
    QCOMPARE(egenskabsform->egenskabsBog()->currentIndex(), page);
    // "Egenskaber..." keeps the page it last had.
    egenskabsform->hide();
    f.main->handlinger().aEgenskaber->trigger();
    QVERIFY(egenskabsform->isVisible());
    QCOMPARE(egenskabsform->egenskabsBog()->currentIndex(), page);
}

void TestMainform::defaultColoursAndDimensions()
{
    MainformFixture f(false);
    TUr *ur = &f.main->Ur();
    QCOMPARE(ur->ColorBaggrund(), clBtnFace);
    QCOMPARE(ur->ColorYdre(), TColor(0xC0C0C0));
    QCOMPARE(ur->ColorIndre(), TColor(0xFFFFFF));
    QCOMPARE(ur->ColorSkive(), TColor(0xFFFFFF));
    QCOMPARE(ur->ColorTegn(), TColor(0x000000));
    QCOMPARE(ur->ColorViserT(), TColor(0x808080));
    QCOMPARE(ur->ColorViserM(), TColor(0x808080));
    QCOMPARE(ur->ColorViserS(), TColor(0xA4A0A0));
    QCOMPARE(ur->Mellemrum(), 10);
    QCOMPARE(ur->UrAfstand(), 1);
    QCOMPARE(ur->TegnBredde(), 16);
    QCOMPARE(ur->TegnTykkelse(), 2);
    QCOMPARE(ur->ViserTime(), 6);
    QCOMPARE(ur->ViserMin(), 4);
    QCOMPARE(ur->ViserSek(), 3);
    QCOMPARE(f.main->size(), QSize(380, 427));
    QCOMPARE(ur->geometry(), f.main->rect());
    QVERIFY(ur->isTicking());
}

void TestMainform::ctrlUTwiceRestoresTheHeight()
{
    MainformFixture f;
    f.main->resize(333, 301);
    f.main->handlinger().aUr->trigger();
    QCOMPARE(f.main->height(), 49);
    QVERIFY(f.main->Ur().isHidden());
    QVERIFY(!f.main->StopUr().isHidden());
    QVERIFY(f.main->StopUr().isTicking());
    QVERIFY(!f.main->Ur().isTicking());
    QCOMPARE(f.main->handlinger().aUr->text(), QStringLiteral("Vis ur"));
    QCOMPARE(f.main->StopUr().geometry(), f.main->rect());

    f.main->handlinger().aUr->trigger();
    QCOMPARE(f.main->size(), QSize(333, 301));
    QVERIFY(!f.main->Ur().isHidden());
    QVERIFY(f.main->StopUr().isHidden());
    QVERIFY(!f.main->StopUr().isTicking());
    QVERIFY(f.main->Ur().isTicking());
    QCOMPARE(f.main->handlinger().aUr->text(), QStringLiteral("Vis digitalur"));
}

void TestMainform::digitalViewStays49HighThroughCtrlF()
{
    MainformFixture f;
    f.main->setUrtype(true);
    f.main->handlinger().aForm->trigger();
    QVERIFY(f.main->gennemsigtig());
    QVERIFY(f.main->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.main->handlinger().aForm->text(), QStringLiteral("Vis formboks"));
    QCOMPARE(f.main->height(), 49);
    f.main->handlinger().aForm->trigger();
    QVERIFY(!f.main->gennemsigtig());
    QVERIFY(!(f.main->windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(f.main->handlinger().aForm->text(), QStringLiteral("Skjul formboks"));
    QCOMPARE(f.main->height(), 49);
    QVERIFY(f.main->isVisible());
}

void TestMainform::roundClockFollowsTheFrameState()
{
    MainformFixture f;
    f.main->setRundtUr(true);
    f.main->resize(300, 420);
    f.main->SetTransparent(true);
    QCOMPARE(f.main->size(), QSize(300, 300));
    f.main->resize(300, 250);
    f.main->SetTransparent(false);
    QCOMPARE(f.main->size(), QSize(300, 300));
}

void TestMainform::ctrlRTurnsRoundOnAndOff()
{
    MainformFixture f;
    f.main->resize(250, 400);
    f.main->handlinger().aRundtUr->trigger();
    QVERIFY(f.main->rundtUr());
    QVERIFY(f.main->handlinger().aRundtUr->isChecked());
    QCOMPARE(f.main->size(), QSize(250, 250));
    f.main->resize(250, 180);
    f.main->handlinger().aRundtUr->trigger();
    QVERIFY(!f.main->rundtUr());
    QVERIFY(!f.main->handlinger().aRundtUr->isChecked());
    QCOMPARE(f.main->size(), QSize(250, 180));
}

void TestMainform::ctrlSRestoresTheColoursAtOnce()
{
    MainformFixture f;
    f.main->Ur().SetColorSkive(TColor(0x00FFFF));
    f.main->Ur().SetColorViserS(TColor(0x0000FF));
    f.main->handlinger().aStandardFarver->trigger();
    QCOMPARE(f.main->Ur().ColorSkive(), TColor(0xFFFFFF));
    QCOMPARE(f.main->Ur().ColorViserS(), TColor(0xA4A0A0));
    QVERIFY(f.messages.informations.isEmpty());
}

void TestMainform::seeThroughShowsTheDesktopWhereTheWindowColourIs()
{
    MainformFixture f;
    f.main->resize(200, 200);
    QVERIFY(f.main->seeThroughMask().isEmpty());
    f.main->SetTransparent(true);
    const QRegion shown = f.main->seeThroughMask();
    // The corner lies outside the outer disc, on the window colour.
    QVERIFY(!shown.contains(QPoint(1, 1)));
    QVERIFY(!shown.contains(QPoint(198, 198)));
    QVERIFY(shown.contains(QPoint(100, 100)));
    QVERIFY(shown.contains(QPoint(100, 5)));
    // What shows is drawn in the clock's own colours only: no pixel left in
    // the window colour, and no blend of it at the edges.
    const QImage picture = f.main->grab().toImage();
    const QSet<QRgb> colours{qRgb(0xC0, 0xC0, 0xC0), qRgb(0xFF, 0xFF, 0xFF), qRgb(0, 0, 0),
                             qRgb(0x80, 0x80, 0x80), qRgb(0xA0, 0xA0, 0xA4)};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shown.contains(QPoint(x, y)))
                QVERIFY2(colours.contains(picture.pixel(x, y) | 0xFF000000),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    f.main->SetTransparent(false);
    QVERIFY(f.main->seeThroughMask().isEmpty());
}

void TestMainform::seeThroughDigitsCarryNoFringe()
{
    MainformFixture f;
    f.main->setUrtype(true);
    f.main->SetTransparent(true);
    QTest::qWait(20);
    const QRegion shown = f.main->seeThroughMask();
    QVERIFY(!shown.isEmpty());
    // What shows of the digital view is the digits themselves, no blend
    // of them with the window colour.
    const QImage picture = f.main->grab().toImage();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shown.contains(QPoint(x, y)))
                QCOMPARE(QColor(picture.pixel(x, y)), QColor(Qt::white));
}

void TestMainform::minimiseWhenMaximisedDoesNothing()
{
    MainformFixture f;
    f.main->showMaximized();
    f.main->handlinger().minimerProgram->trigger();
    QVERIFY(f.main->isMaximized());
    QVERIFY(!f.main->isMinimized());
    QVERIFY(f.main->isVisible());
}

void TestMainform::minimiseWithoutTrayMinimisesNormally()
{
    MainformFixture f;
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    Talarmform *alarmform = f.program->vinduer().alarmform;
    alarmform->show();
    f.main->handlinger().minimerProgram->trigger();
    QVERIFY(f.main->isMinimized());
    QVERIFY(!alarmform->isVisible());
    QVERIFY(!f.main->TrayIcon()->isVisible());
}

void TestMainform::trayClickBringsTheWindowBack()
{
    MainformFixture f;
    f.main->hide();
    f.main->setWindowState(Qt::WindowMinimized);
    QVERIFY(!f.main->handlinger().aForm->isEnabled());
    f.main->TrayIconClick();
    QVERIFY(f.main->isVisible());
    QVERIFY(!f.main->isMinimized());
    QVERIFY(f.main->handlinger().aForm->isEnabled());
    QVERIFY(!f.main->TrayIcon()->isVisible());
}

void TestMainform::trayClickBringsTheWindowBackAtItsPlace()
{
    MainformFixture f;
    const QRect plads(140, 90, 300, 250);
    f.main->setGeometry(plads);
    f.main->handlinger().minimerProgram->trigger();
    // The window manager places a window that is shown again where it likes.
    f.main->setGeometry(0, 0, 380, 427);
    f.main->TrayIconClick();
    QCOMPARE(f.main->geometry(), plads);
    QVERIFY(!f.main->isMinimized());
    QVERIFY(f.main->isVisible());
}

void TestMainform::alarmSoundsWithoutTheOtherWindows()
{
    // The main window alone: no properties window, no alarm window.
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 0)));
    QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/Klokkespil.wav", "RIFF"));
    Tmainform main(tmp.path(), platform.services(), messages);
    dagligAlarm(main.folders(), 10, 15);
    main.show();
    main.alarmTimerTimer();
    QCOMPARE(platform.soundPlayer.plays,
             (QList<FakeSoundPlayer::Play>{{main.lydListe().sti(1), 2, true}}));
}

void TestMainform::rundtUrCheckMarkFollowsTheState()
{
    MainformFixture f;
    QAction *rundt = f.main->handlinger().aRundtUr;
    f.main->setRundtUr(true);
    QVERIFY(rundt->isChecked());
    f.main->setRundtUr(false);
    QVERIFY(!rundt->isChecked());
}

void TestMainform::keyboardOpensThePopupMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestMainform::keyboardOpensThePopupMenu()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    MainformFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.main));
    QTest::keyClick(f.main, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(f.main->PopupMenu()->isVisible());
    f.main->PopupMenu()->close();
}

void TestMainform::secondCopyLeavesTheAlarmsToTheFirst()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 14, 30)));
    QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/Klokkespil.wav", "RIFF"));
    auto first = std::make_unique<Klokkeven>(tmp.path(), QString(), platform.services(), messages);
    Klokkeven second(tmp.path(), QString(), platform.services(), messages);
    dagligAlarm(first->vinduer().mainform->folders(), 10, 15);
    dagligAlarm(first->vinduer().mainform->folders(), 10, 17);
    first->show();
    second.show();
    QCOMPARE(first->vinduer().mainform->mAktiveAlarmer()->text(),
             QStringLiteral("2 aktive alarmer"));
    QCOMPARE(second.vinduer().mainform->mAktiveAlarmer()->text(),
             QStringLiteral("0 aktive alarmer"));

    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 0)));
    first->vinduer().mainform->alarmTimerTimer();
    second.vinduer().mainform->alarmTimerTimer();
    QCOMPARE(platform.soundPlayer.plays.size(), 1);
    platform.soundPlayer.finish();

    // The first copy ends within the minute; the second takes over without
    // firing the alarm of 10:15 again, and fires the next one.
    first.reset();
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 40)));
    second.vinduer().mainform->alarmTimerTimer();
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 16, 0)));
    second.vinduer().mainform->alarmTimerTimer();
    QCOMPARE(second.vinduer().mainform->mAktiveAlarmer()->text(), QStringLiteral("1 aktiv alarm"));
    QCOMPARE(platform.soundPlayer.plays.size(), 1);
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 17, 0)));
    second.vinduer().mainform->alarmTimerTimer();
    QCOMPARE(platform.soundPlayer.plays.size(), 2);
    QVERIFY(messages.informations.isEmpty());
}

void TestMainform::manyUnreadableAlarmFilesGiveOneBox()
{
    MainformFixture f;
    for (int i = 0; i < 12; ++i)
        QVERIFY(putFile(f.main->folders().alarmDir + QStringLiteral("skidt%1.txt").arg(i), "x"));
    f.main->hentAlarmer();
    QTRY_COMPARE(f.messages.informations.size(), 1);
    QVERIFY(f.messages.informations.first().startsWith(
        QStringLiteral("12 alarmfiler kan ikke læses og er sprunget over:")));
    QVERIFY(f.messages.informations.first().contains(QStringLiteral("og 7 andre.")));
}

void TestMainform::dragOnTheFramelessClockMovesTheWindow_data()
{
    QTest::addColumn<bool>("udenRamme");
    QTest::addColumn<bool>("digital");
    QTest::addColumn<int>("knap");
    QTest::addColumn<int>("flytninger");
    QTest::newRow("frameless, left button") << true << false << int(Qt::LeftButton) << 1;
    QTest::newRow("frameless digital field") << true << true << int(Qt::LeftButton) << 1;
    QTest::newRow("frameless, right button") << true << false << int(Qt::RightButton) << 0;
    // A framed window is moved by its title bar.
    QTest::newRow("framed") << false << false << int(Qt::LeftButton) << 0;
}

void TestMainform::dragOnTheFramelessClockMovesTheWindow()
{
    QFETCH(bool, udenRamme);
    QFETCH(bool, digital);
    QFETCH(int, knap);
    QFETCH(int, flytninger);
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    FlytbarMainform main(tmp.path(), platform.services(), messages);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.setUrtype(digital);
    main.SetTransparent(udenRamme);
    QWidget &flade = digital ? static_cast<QWidget &>(main.StopUr()) : main.Ur();
    QTest::mousePress(&flade, Qt::MouseButton(knap), {}, QPoint(60, 30));
    QTest::mouseRelease(&flade, Qt::MouseButton(knap), {}, QPoint(60, 30));
    QCOMPARE(main.flytninger, flytninger);
}

void TestMainform::rightClickOnTheFramelessClockOpensTheMenu()
{
    MainformFixture f;
    f.main->SetTransparent(true);
    QContextMenuEvent klik(QContextMenuEvent::Mouse, QPoint(50, 50),
                           f.main->Ur().mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(&f.main->Ur(), &klik);
    QTRY_VERIFY(f.main->PopupMenu()->isVisible());
    f.main->PopupMenu()->close();
}

void TestMainform::frameChangesKeepTheWindowWhereItIs()
{
    MainformFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.main));
    f.main->move(120, 80);
    QWindow *vindue = f.main->windowHandle();
    const QPoint sted = f.main->pos();
    for (bool udenRamme : {true, false, true}) {
        f.main->SetTransparent(udenRamme);
        // Changed on the window as it is, not on a window made anew.
        QCOMPARE(f.main->windowHandle(), vindue);
        QCOMPARE(bool(vindue->flags() & Qt::FramelessWindowHint), udenRamme);
        QVERIFY(f.main->isVisible());
        QCOMPARE(f.main->pos(), sted);
    }
}

void TestMainform::firingAlarmAnnouncesItself()
{
    MainformFixture f;
    f.platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 0)));
    dagligAlarm(f.main->folders(), 10, 15);
    f.main->hentAlarmer();
    f.main->alarmTimerTimer();
    Talarmform *alarmform = f.program->vinduer().alarmform;
    QTRY_VERIFY(alarmform->isVisible());
    QAccessibleInterface *tilgang = QAccessible::queryAccessibleInterface(alarmform);
    QVERIFY(tilgang);
    // Screen readers read an alert as it appears: its heading, then its text.
    QCOMPARE(tilgang->role(), QAccessible::AlertMessage);
    QCOMPARE(tilgang->text(QAccessible::Name), alarmform->windowTitle());
    QVERIFY(tilgang->text(QAccessible::Description).contains(QStringLiteral("Husk")));
    QVERIFY(alarmform->windowFlags() & Qt::WindowStaysOnTopHint);
}

void TestMainform::windowAndClocksHaveAccessibleNames()
{
    MainformFixture f;
    QCOMPARE(QAccessible::queryAccessibleInterface(f.main)->text(QAccessible::Name),
             QStringLiteral("Ur"));
    // What a task list that shows icon names shows (_NET_WM_ICON_NAME on X11).
    QCOMPARE(f.main->windowIconText(), QStringLiteral("Klokkeven"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&f.main->Ur())->text(QAccessible::Name),
             QStringLiteral("Klokken er 10:00"));
    f.main->setUrtype(true);
    QAccessibleInterface *digital = QAccessible::queryAccessibleInterface(&f.main->StopUr());
    QCOMPARE(digital->role(), QAccessible::StaticText);
    QCOMPARE(digital->text(QAccessible::Name), QStringLiteral("Klokken er 10:00"));
    QCOMPARE(digital->text(QAccessible::Description), QStringLiteral("Digitalur"));
    // The stopwatch and the countdown say their shown values.
    f.main->StopUr().SetUrType(utStop);
    f.main->StopUr().Start();
    QCOMPARE(digital->text(QAccessible::Name), QStringLiteral("Stopuret viser 00:00:00"));
    f.main->StopUr().SetUrType(utAlarm);
    f.main->StopUr().SetTimer(0);
    f.main->StopUr().SetMinutter(5);
    f.main->StopUr().SetSekunder(0);
    f.main->StopUr().Start();
    f.platform.localTime.set(f.platform.localTime.now().addSecs(2));
    f.main->StopUr().OnTim();
    QCOMPARE(digital->text(QAccessible::Name), QStringLiteral("Nedtællingen viser 00:04:59"));
}

QTEST_MAIN(TestMainform)
#include "tst_mainform.moc"
