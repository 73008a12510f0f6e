// The clock window's analog clock under a real display. Without arguments
// it ticks idle, for run.sh to watch from outside; with --maal it prints the
// median time of one tick's repaint and of a full repaint.
#include "clock/TUr.h"
#include "platform/LocalTime.h"
#include "platform/fake/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The clock with the main window's standard design.
void standard(TUr &ur)
{
    ur.SetFarver(UrFarver());
    ur.SetDimensioner(UrDimensioner());
}

// Times the paint events alone, apart from getting the picture to the display.
class MaaltUr : public TUr
{
public:
    using TUr::TUr;
    qint64 malerNs = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QElapsedTimer t;
        t.start();
        TUr::paintEvent(event);
        malerNs += t.nsecsElapsed();
    }
};

double median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] / 1000.0;
}

void maal(const char *navn, int gange, MaaltUr &ur, const std::function<void()> &skridt)
{
    std::vector<qint64> maler;
    std::vector<qint64> ialt;
    for (int i = 0; i < gange; ++i) {
        ur.malerNs = 0;
        QElapsedTimer t;
        t.start();
        skridt();
        ialt.push_back(t.nsecsElapsed());
        maler.push_back(ur.malerNs);
    }
    std::printf("%-28s paintEvent median %8.1f us   with flush to X %8.1f us   (%d runs)\n", navn,
                median(maler), median(ialt), gange);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool maaling = app.arguments().contains(QStringLiteral("--maal"));
    SystemLocalTime systemTid;
    FakeLocalTime fakeTid;
    const LocalTime &tid = maaling ? static_cast<const LocalTime &>(fakeTid) : systemTid;

    QWidget vindue;
    vindue.resize(380, 427);
    MaaltUr ur(tid, &vindue);
    standard(ur);
    ur.setGeometry(vindue.rect());
    vindue.show();
    if (!maaling)
        return app.exec();

    ur.Stop();
    if (!QTest::qWaitForWindowExposed(&vindue))
        return 1;
    QTest::qWait(200);
    maal("one tick", 2000, ur, [&] {
        fakeTid.set(fakeTid.now().addSecs(1));
        ur.Ur();
        QCoreApplication::processEvents();
    });
    maal("full repaint", 500, ur, [&] { ur.repaint(); });
    maal("full repaint, new design", 200, ur, [&] {
        ur.SetColorBaggrund(ur.ColorBaggrund());
        ur.repaint();
    });
    return 0;
}
