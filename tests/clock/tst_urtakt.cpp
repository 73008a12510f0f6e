#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A window with the analog clock and the digital field, as the main window
// holds them.
struct Vindue
{
    FakeLocalTime tid;
    QWidget vindue;
    TUr ur{tid, &vindue};
    TStopUr felt{tid, &vindue};

    Vindue()
    {
        vindue.resize(380, 427);
        ur.setGeometry(0, 49, 380, 378);
        felt.setGeometry(0, 0, 380, 49);
    }
    void vis()
    {
        vindue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vindue));
    }
};

} // namespace

class TestUrTakt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sleepsUnseen_data()
    {
        QTest::addColumn<int>("maade");
        QTest::newRow("window hidden (tray)") << 0;
        QTest::newRow("window minimised") << 1;
        QTest::newRow("clock hidden for the digital field") << 2;
    }
    // Nobody sees the clock: no timer runs, yet it is still started, and it
    // is awake again the moment it is seen.
    void sleepsUnseen()
    {
        QFETCH(int, maade);
        Vindue v;
        v.felt.Start();
        QVERIFY(!v.ur.isAwake());
        QVERIFY(!v.felt.isAwake());
        v.vis();
        QVERIFY(v.ur.isAwake());
        QVERIFY(v.felt.isAwake());

        auto skjul = [&] {
            if (maade == 0)
                v.vindue.hide();
            else if (maade == 1)
                v.vindue.showMinimized();
            else
                v.ur.hide();
        };
        auto vis = [&] {
            if (maade == 2)
                v.ur.show();
            else
                v.vindue.showNormal();
        };
        skjul();
        QTRY_VERIFY(!v.ur.isAwake());
        QVERIFY(v.ur.isTicking());
        vis();
        QTRY_VERIFY(v.ur.isAwake());
        QVERIFY(v.ur.isTicking());
    }

    // Shown after hours in the tray, the hands and the field show the time
    // at once, not a tick later.
    void rightWhenShownAgain()
    {
        Vindue v;
        v.tid.set(QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0)));
        v.felt.Start();
        v.vis();
        v.vindue.hide();
        v.tid.set(QDateTime(QDate(2026, 12, 10), QTime(14, 37, 12)));
        v.vindue.show();
        QCOMPARE(v.felt.TidS(), QStringLiteral("14:37"));
        QCOMPARE(v.ur.accessibleName(), QStringLiteral("Klokken er 14:37"));
    }

    // A countdown must end while the window sits in the tray; a stopwatch
    // sleeps like the clock.
    void countdownTicksUnseen()
    {
        Vindue v;
        v.vis();
        v.felt.SetUrType(utAlarm);
        v.felt.SetSekunder(1);
        v.felt.Start();
        v.vindue.hide();
        QVERIFY(v.felt.isAwake());
        v.felt.SetUrType(utStop);
        v.felt.Start();
        QVERIFY(!v.felt.isAwake());
        QVERIFY(v.felt.isTicking());
    }

    void stopEndsTicking()
    {
        Vindue v;
        v.vis();
        v.ur.Stop();
        QVERIFY(!v.ur.isAwake());
        v.vindue.hide();
        v.vindue.show();
        QVERIFY(!v.ur.isAwake());
        QVERIFY(!v.ur.isTicking());
    }
};

QTEST_MAIN(TestUrTakt)
#include "tst_urtakt.moc"
