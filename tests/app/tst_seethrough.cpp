#include "RecordingMessages.h"
#include "app/Klokkeven.h"
#include "app/Tmainform.h"
#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

// Counts the paints a control receives.
class PaintCounter : public QObject
{
public:
    PaintCounter(QWidget &control, int &paints) : m_paints(paints)
    {
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

private:
    int &m_paints;
};

} // namespace

// The see-through clock on a screen of the display scale the test runs at
// (QT_SCALE_FACTOR): the window's mask must cut exactly what it paints.
class TestSeeThrough : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void maskMatchesThePaintedPicture_data();
    void maskMatchesThePaintedPicture();
    void tickKeepsTheMaskInStep_data();
    void tickKeepsTheMaskInStep();

private:
    struct Program
    {
        Program() : program(tmp.path(), QString(), platform.services(), messages)
        {
            program.show();
            main = program.vinduer().mainform;
        }
        QTemporaryDir tmp;
        FakePlatform platform;
        RecordingMessages messages;
        Klokkeven program;
        Tmainform *main = nullptr;
    };

    // Compares the mask, in logical pixels, with the picture the window
    // shows, in device pixels: a logical pixel is shown exactly when the
    // device pixel at its centre is not the window colour.
    static void compareMask(Tmainform &main);

    qreal m_scale = 1;
};

void TestSeeThrough::initTestCase()
{
    m_scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY(m_scale >= 1);
}

void TestSeeThrough::compareMask(Tmainform &main)
{
    const QRegion shown = main.seeThroughMask();
    QVERIFY(!shown.isEmpty());
    QVERIFY(main.rect().contains(shown.boundingRect()));
    const QImage picture = main.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = picture.devicePixelRatio();
    const QRgb key = main.palette().color(QPalette::Window).rgb();
    qint64 shownPixels = 0;
    for (int y = 0; y < main.height(); ++y) {
        for (int x = 0; x < main.width(); ++x) {
            const QPoint centre(qMin(int((x + 0.5) * dpr), picture.width() - 1),
                                qMin(int((y + 0.5) * dpr), picture.height() - 1));
            const bool painted = picture.pixel(centre) != key;
            QVERIFY2(shown.contains(QPoint(x, y)) == painted,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            shownPixels += painted;
        }
    }
    // Measured apart from the centres: the shown area is the painted one,
    // give or take the pixels on its edges.
    qint64 paintedDevicePixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            paintedDevicePixels += picture.pixel(x, y) != key;
    qint64 edgePixels = 0;
    for (const QRect &r : shown)
        edgePixels += 2 * r.width() + 2 * r.height();
    QVERIFY(std::abs(shownPixels - paintedDevicePixels / (dpr * dpr)) <= edgePixels);
}

void TestSeeThrough::maskMatchesThePaintedPicture_data()
{
    QTest::addColumn<bool>("digital");
    QTest::addColumn<bool>("hulSkive");
    QTest::newRow("analog clock") << false << false;
    QTest::newRow("dial in the window colour") << false << true;
    QTest::newRow("digital field") << true << false;
}

void TestSeeThrough::maskMatchesThePaintedPicture()
{
    QFETCH(bool, digital);
    QFETCH(bool, hulSkive);
    Program p;
    QCOMPARE(p.main->devicePixelRatioF(), m_scale);
    p.main->resize(200, 200);
    if (hulSkive) {
        p.main->Ur().SetColorIndre(clBtnFace);
        p.main->Ur().SetColorSkive(clBtnFace);
    }
    p.main->setUrtype(digital);
    p.main->SetTransparent(true);
    QTest::qWait(20);
    compareMask(*p.main);
}

void TestSeeThrough::tickKeepsTheMaskInStep_data()
{
    QTest::addColumn<bool>("hulSkive");
    // The hands lie over the desktop: each tick changes what shows.
    QTest::newRow("hands over the desktop") << true;
    // The hands lie over the dial: what shows stays as it was.
    QTest::newRow("hands over the dial") << false;
}

void TestSeeThrough::tickKeepsTheMaskInStep()
{
    QFETCH(bool, hulSkive);
    Program p;
    p.main->resize(240, 240);
    if (hulSkive) {
        p.main->Ur().SetColorIndre(clBtnFace);
        p.main->Ur().SetColorSkive(clBtnFace);
    }
    p.main->Ur().Stop();
    p.platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 8, 20)));
    p.main->SetTransparent(true);
    QTest::qWait(20);
    const QRegion before = p.main->seeThroughMask();
    int paints = 0;
    PaintCounter counter(p.main->Ur(), paints);
    p.platform.localTime.set(QDateTime(QDate(2026, 12, 10), QTime(10, 8, 35)));
    p.main->Ur().Ur();
    QTRY_VERIFY(paints > 0);
    if (hulSkive)
        QTRY_VERIFY(p.main->seeThroughMask() != before);
    QTest::qWait(20);
    compareMask(*p.main);
    // The same as a mask made from the whole window.
    const QRegion afterTick = p.main->seeThroughMask();
    p.main->SetTransparent(true);
    QVERIFY2((p.main->seeThroughMask() ^ afterTick).isEmpty(),
             qPrintable(QStringLiteral("%1 rectangles differ")
                            .arg((p.main->seeThroughMask() ^ afterTick).rectCount())));
}

QTEST_MAIN(TestSeeThrough)
#include "tst_seethrough.moc"
