// The clock window under a real display. Without arguments its analog clock
// ticks idle, for run.sh to watch from outside; with --maal it prints the
// median time of one tick's repaint in each way the clock meets this desktop:
// framed, and see-through by a mask (no compositor) or by translucency (a
// compositing desktop), at the display scale it runs at (QT_SCALE_FACTOR).
#include "Maaling.h"
#include "app/Tmainform.h"
#include "clock/TUr.h"
#include "dialogs/MessageBoxMessages.h"
#include "platform/Desktop.h"
#include "platform/LocalTime.h"
#include "platform/fake/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Times the events the clock window handles, apart from getting the picture
// to the display: the clock's paints, and the window's own work (the mask).
class MaaltApp : public QApplication
{
public:
    using QApplication::QApplication;
    const QObject *ur = nullptr;
    const QObject *vindue = nullptr;
    qint64 malerNs = 0;
    qint64 vindueNs = 0;

    bool notify(QObject *modtager, QEvent *event) override
    {
        const bool paintAfUr = modtager == ur && event->type() == QEvent::Paint;
        const bool afVindue = modtager == vindue && event->type() == QEvent::MetaCall;
        if (!paintAfUr && !afVindue)
            return QApplication::notify(modtager, event);
        QElapsedTimer t;
        t.start();
        const bool svar = QApplication::notify(modtager, event);
        (paintAfUr ? malerNs : vindueNs) += t.nsecsElapsed();
        return svar;
    }
};

// A run counts only when the clock painted in it: a platform that holds the
// paint back (Wayland waits for the compositor's frame callback) gets time
// to deliver it, and a run that still paints nothing is counted apart, so a
// median never stands for work that was not done.
void maal(const char *navn, int gange, MaaltApp &app, const std::function<void()> &skridt)
{
    std::vector<qint64> maler;
    std::vector<qint64> vindue;
    std::vector<qint64> ialt;
    int uden = 0;
    for (int i = 0; i < gange; ++i) {
        app.malerNs = app.vindueNs = 0;
        QElapsedTimer t;
        t.start();
        skridt();
        if (app.malerNs == 0 && !QTest::qWaitFor([&] { return app.malerNs > 0; }, 100)) {
            // Twenty misses in a row from the start: this platform paints nothing here.
            if (++uden >= 20 && maler.empty())
                break;
            continue;
        }
        ialt.push_back(t.nsecsElapsed());
        maler.push_back(app.malerNs);
        vindue.push_back(app.vindueNs);
    }
    if (maler.empty()) {
        std::printf("%-30s no paint reached the clock in %d runs: the platform shows nothing "
                    "for it (window not exposed?)\n",
                    navn, uden);
        return;
    }
    std::printf("%-30s paint %7.1f us   mask %7.1f us   with flush %8.1f us   (%zu runs", navn,
                median(maler) / 1000.0, median(vindue) / 1000.0, median(ialt) / 1000.0,
                maler.size());
    if (uden > 0)
        std::printf(", %d without a paint left out", uden);
    std::printf(")\n");
}

} // namespace

int main(int argc, char **argv)
{
    MaaltApp app(argc, argv);
    if (!app.arguments().contains(QStringLiteral("--maal"))) {
        SystemLocalTime systemTid;
        QWidget vindue;
        vindue.resize(380, 427);
        TUr ur(systemTid, &vindue);
        ur.SetFarver(UrFarver());
        ur.SetDimensioner(UrDimensioner());
        ur.setGeometry(vindue.rect());
        vindue.show();
        return app.exec();
    }

    QTemporaryDir tmp;
    FakePlatform platform;
    MessageBoxMessages messages;
    Tmainform main(tmp.path(), platform.services(), messages);
    main.resize(380, 427);
    main.show();
    main.Ur().Stop();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    app.ur = &main.Ur();
    app.vindue = &main;
    std::printf("== %s, display scale %.2f, %s\n", qPrintable(QGuiApplication::platformName()),
                main.devicePixelRatioF(), Desktop::composites() ? "composited" : "no compositor");

    auto tik = [&] {
        platform.localTime.set(platform.localTime.now().addSecs(1));
        main.Ur().Ur();
        QCoreApplication::processEvents();
    };
    auto hver = [&](bool gennemsigtig, const char *navn) {
        main.SetTransparent(gennemsigtig);
        QTest::qWait(200);
        maal(navn, 2000, app, tik);
    };
    hver(false, "one tick, framed");
    hver(true, Desktop::composites() ? "one tick, translucent" : "one tick, mask");
    main.SetTransparent(false);
    QTest::qWait(200);
    maal("full repaint, framed", 300, app, [&] { main.Ur().repaint(); });
    return 0;
}
