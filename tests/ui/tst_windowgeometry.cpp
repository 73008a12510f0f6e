#include "TestFiles.h"
#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <climits>

namespace {

// A primary screen with a taskbar below and a smaller second screen on its right.
const QRect kPrimary(0, 0, 1920, 1040);
const QRect kSecond(1920, 0, 1280, 1024);
const QSize kOwn(400, 300);

} // namespace

class TestWindowGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitOnScreens_data();
    void fitOnScreens();
    void withoutScreensTheWindowKeepsItsOwnSize();
    void restoreBringsAFileOntoTheScreen_data();
    void restoreBringsAFileOntoTheScreen();
    void topLeftToStore_data();
    void topLeftToStore();
};

void TestWindowGeometry::fitOnScreens_data()
{
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("fitted");
    constexpr int huge = 2000000000;

    QTest::newRow("on the primary screen")
        << QPoint(100, 50) << QSize(800, 600) << QRect(100, 50, 800, 600);
    QTest::newRow("on the second screen")
        << QPoint(2000, 100) << QSize(600, 400) << QRect(2000, 100, 600, 400);
    QTest::newRow("partly off a screen stays")
        << QPoint(-200, 900) << QSize(800, 600) << QRect(-200, 900, 800, 600);
    QTest::newRow("off to the right")
        << QPoint(5000, 100) << QSize(800, 600) << QRect(1120, 100, 800, 600);
    QTest::newRow("off up and left")
        << QPoint(-3000, -3000) << QSize(800, 600) << QRect(0, 0, 800, 600);
    QTest::newRow("below the second screen")
        << QPoint(2500, 1100) << QSize(300, 200) << QRect(1620, 840, 300, 200);
    QTest::newRow("at the limits of int")
        << QPoint(INT_MIN, INT_MAX) << QSize(800, 600) << QRect(0, 440, 800, 600);
    QTest::newRow("huge size") << QPoint(100, 50) << QSize(huge, huge)
                               << QRect(100, 50, 1920, 1040);
    QTest::newRow("huge size on the second screen")
        << QPoint(2000, 10) << QSize(huge, 500) << QRect(2000, 10, 1280, 500);
    QTest::newRow("huge place and size")
        << QPoint(huge, huge) << QSize(huge, huge) << QRect(0, 0, 1920, 1040);
    QTest::newRow("zero size") << QPoint(100, 50) << QSize(0, 0) << QRect(100, 50, 400, 300);
    QTest::newRow("negative size")
        << QPoint(100, 50) << QSize(-5, -huge) << QRect(100, 50, 400, 300);
    QTest::newRow("zero width only")
        << QPoint(100, 50) << QSize(0, 700) << QRect(100, 50, 400, 700);
}

void TestWindowGeometry::fitOnScreens()
{
    QFETCH(QPoint, topLeft);
    QFETCH(QSize, size);
    QFETCH(QRect, fitted);
    QCOMPARE(WindowGeometry::fitOnScreens(topLeft, size, kOwn, {kPrimary, kSecond}, kPrimary),
             fitted);
}

void TestWindowGeometry::withoutScreensTheWindowKeepsItsOwnSize()
{
    QCOMPARE(WindowGeometry::fitOnScreens(QPoint(50, 50), QSize(2000000000, 5), kOwn, {}, QRect()),
             QRect(QPoint(0, 0), kOwn));
    // A primary screen missing from the list still counts.
    QCOMPARE(WindowGeometry::fitOnScreens(QPoint(9000, 50), QSize(500, 400), kOwn, {}, kPrimary),
             QRect(1420, 50, 500, 400));
}

void TestWindowGeometry::restoreBringsAFileOntoTheScreen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("huge") << QByteArray("10\r\n20\r\n2000000000\r\n2000000000\r\n7\r\n");
    QTest::newRow("off the screen") << QByteArray("-90000\r\n-90000\r\n300\r\n200\r\n7\r\n");
    QTest::newRow("zero") << QByteArray("10\r\n20\r\n0\r\n0\r\n7\r\n");
}

void TestWindowGeometry::restoreBringsAFileOntoTheScreen()
{
    QFETCH(QByteArray, bytes);
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QRect available = screen->availableGeometry();
    QTemporaryDir tmp;
    const QString path = tmp.filePath("alarmform.txt");
    QVERIFY(putFile(path, bytes));

    QWidget window;
    window.resize(250, 150);
    const std::optional<QList<int>> extra = WindowGeometry::restore(window, path, 1);
    QCOMPARE(extra, std::optional<QList<int>>(QList<int>{7}));
    QVERIFY(window.width() > 0 && window.width() <= available.width());
    QVERIFY(window.height() > 0 && window.height() <= available.height());
    QVERIFY(available.intersects(QRect(window.pos(), window.size())));
}

void TestWindowGeometry::topLeftToStore_data()
{
    QTest::addColumn<bool>("known");
    QTest::addColumn<std::optional<QPoint>>("before");
    QTest::addColumn<QPoint>("stored");
    const QPoint own(40, 60);
    const QPoint centred(300, 200);
    QTest::newRow("known place") << true << std::optional(QPoint(5, 5)) << own;
    QTest::newRow("known place, no file") << true << std::optional<QPoint>() << own;
    // Wayland reports every place as (0, 0): the file keeps what it had.
    QTest::newRow("unknown place keeps the file's")
        << false << std::optional(QPoint(5, 7)) << QPoint(5, 7);
    QTest::newRow("unknown place, no file") << false << std::optional<QPoint>() << centred;
}

void TestWindowGeometry::topLeftToStore()
{
    QFETCH(bool, known);
    QFETCH(std::optional<QPoint>, before);
    QFETCH(QPoint, stored);
    QCOMPARE(WindowGeometry::topLeftToStore(known, QPoint(40, 60), before, QPoint(300, 200)),
             stored);
}

QTEST_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
