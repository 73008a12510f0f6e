#include "RecordingMessages.h"
#include "RunningProgram.h"
#include "TestAlarmer.h"
#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "alarms/Talarmform.h"
#include "app/Klokkeven.h"
#include "app/Tmainform.h"
#include "base/DataFolders.h"
#include "base/TextListFile.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "platform/Desktop.h"
#include "platform/UserName.h"
#include "platform/fake/FakePlatform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <csignal>
#include <cstdio>

namespace {

QList<QByteArray> linjer(const QString &path)
{
    QList<QByteArray> l = fileContents(path).split('\n');
    for (QByteArray &linje : l)
        linje = linje.trimmed();
    return l;
}

} // namespace

// The program under a Wayland compositor (a headless weston): there a client
// can neither read nor set its window's place, and only a translucent window
// lets the desktop through.
class TestWayland : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theDesktopIsWayland();
    void aWholeSitting();
    void theDesignFileKeepsItsPlace();
    void theRealProgramStartsAndEnds();
};

void TestWayland::theDesktopIsWayland()
{
    QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
    QVERIFY(Desktop::composites());
    QVERIFY(!Desktop::knowsWindowPositions());
}

void TestWayland::aWholeSitting()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(14, 5, 0)));
    QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/Klokkespil.wav", "RIFF"));
    // The alarm window's place from an earlier sitting under X11.
    const DataFolders folders(tmp.path(), DataFolders::GetUserFromWindows(platform.userName));
    const QString alarmOpt = folders.optDir + "/alarmform.txt";
    QVERIFY(putFile(alarmOpt, "70\r\n50\r\n300\r\n200\r\n"));
    dagligAlarm(folders, 14, 5);

    Klokkeven program(tmp.path(), QString(), platform.services(), messages);
    QSignalSpy finished(&program, &Klokkeven::finished);
    Tmainform *main = program.vinduer().mainform;
    Talarmform *alarmform = program.vinduer().alarmform;
    // Sizes apply where places cannot.
    QCOMPARE(alarmform->size(), QSize(300, 200));
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QWindow *vindue = main->windowHandle();

    // It ticks.
    QCOMPARE(QAccessible::queryAccessibleInterface(&main->Ur())->text(QAccessible::Name),
             QStringLiteral("Klokken er 14:05"));
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(14, 6, 0)));
    main->Ur().Ur();
    QCOMPARE(main->Ur().accessibleName(), QStringLiteral("Klokken er 14:06"));

    // It switches views.
    const int hoejde = main->height();
    main->handlinger().aUr->trigger();
    QTRY_COMPARE(main->height(), 49);
    main->handlinger().aUr->trigger();
    QTRY_COMPARE(main->height(), hoejde);

    // The first start shows design 0, see-through: frame it, then take the frame off again.
    QVERIFY(main->gennemsigtig());
    main->handlinger().aForm->trigger();
    QVERIFY(!main->gennemsigtig());
    // It goes see-through by translucency, without a mask, on the same window.
    main->handlinger().aForm->trigger();
    QVERIFY(main->gennemsigtig());
    QCOMPARE(main->windowHandle(), vindue);
    QVERIFY(vindue->flags() & Qt::FramelessWindowHint);
    QVERIFY(main->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(main->seeThroughMask().isEmpty());
    QCOMPARE(main->Ur().Maade(), Tegnemaade::GlatGennemsigtig);
    const QImage billede = main->grab().toImage();
    QCOMPARE(qAlpha(billede.pixel(1, 1)), 0);
    QCOMPARE(qAlpha(billede.pixel(billede.width() / 2, billede.height() / 2)), 255);
    // And round.
    main->handlinger().aRundtUr->trigger();
    QTRY_COMPARE(main->height(), main->width());
    main->handlinger().aForm->trigger();
    QVERIFY(!main->gennemsigtig());
    QCOMPARE(main->windowHandle(), vindue);
    QVERIFY(vindue->isVisible());

    // It fires the alarm, its window on top where the compositor allows it.
    platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(14, 5, 0)));
    main->hentAlarmer();
    main->alarmTimerTimer();
    QTRY_VERIFY(alarmform->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(alarmform));
    QVERIFY(alarmform->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(platform.soundPlayer.plays.size(), 1);
    alarmform->resize(320, 210);
    alarmform->lukKnapClick();

    // And it ends cleanly, keeping the place it could not know.
    program.close();
    QCOMPARE(finished.count(), 1);
    const QList<QByteArray> gemt = linjer(alarmOpt);
    QVERIFY(gemt.size() >= 4);
    QCOMPARE(gemt.mid(0, 4), (QList<QByteArray>{"70", "50", "320", "210"}));
}

void TestWayland::theDesignFileKeepsItsPlace()
{
    // The clock's design file stores a place too: the one from an earlier sitting
    // under X11 stays, as the window option files keep theirs.
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    const DataFolders folders(tmp.path(), DataFolders::GetUserFromWindows(platform.userName));
    const auto sitting = [&] {
        Klokkeven program(tmp.path(), QString(), platform.services(), messages);
        program.show();
        QVERIFY(QTest::qWaitForWindowExposed(program.vinduer().mainform));
        program.close();
    };
    sitting();
    std::optional<QStringList> design = TextListFile::read(folders.filnavnOpt);
    QVERIFY(design && design->size() == 23);
    (*design)[15] = QStringLiteral("120");
    (*design)[16] = QStringLiteral("80");
    QVERIFY(TextListFile::write(folders.filnavnOpt, *design));
    sitting();
    design = TextListFile::read(folders.filnavnOpt);
    QVERIFY(design && design->size() == 23);
    QCOMPARE(design->mid(15, 2), (QStringList{"120", "80"}));
}

void TestWayland::theRealProgramStartsAndEnds()
{
    const std::optional<QString> user = SystemUserName().loginName();
    QVERIFY(user && !user->isEmpty());
    QTemporaryDir home;
    const QString optDir = home.path() + "/Urmappe/" + *user + "/Egenskaber";

    RunningProgram program(QStringLiteral(KLOKKEVEN_PROGRAM), home.path(),
                           QStringLiteral("wayland"));
    QVERIFY2(program.waitUntil([&] { return QFileInfo::exists(optDir); }), qPrintable(optDir));
    QTest::qWait(500);
    QVERIFY(program.running());
    QVERIFY(program.endWith(SIGTERM));
    QVERIFY(QFileInfo::exists(optDir + "/alarmform.txt"));
}

int main(int argc, char **argv)
{
    // Run only where a compositor listens; the test script starts a headless one.
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString socket = display.startsWith(QLatin1Char('/'))
                               ? display
                               : qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + display;
    if (display.isEmpty() || !QFileInfo::exists(socket)) {
        std::puts("SKIP: no Wayland compositor to test under. scripts/test.sh starts a headless "
                  "weston when the Debian package weston is installed.");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "wayland");
    QApplication app(argc, argv);
    TestWayland test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
