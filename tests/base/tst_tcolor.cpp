#include "base/TColor.h"

#include <QPalette>
#include <QTest>

class TestTColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toQColor_data();
    void toQColor();
};

void TestTColor::toQColor_data()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Light, QColor(4, 5, 6));
    palette.setColor(QPalette::Dark, QColor(7, 8, 9));
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red is the low byte") << palette << TColor(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("blue is the high byte") << palette << TColor(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("grey") << palette << TColor(0xA4A0A0) << QColor(0xA0, 0xA0, 0xA4);
    QTest::newRow("button face") << palette << clBtnFace << QColor(1, 2, 3);
    QTest::newRow("highlight") << palette << clBtnHighlight << QColor(4, 5, 6);
    QTest::newRow("shadow") << palette << clBtnShadow << QColor(7, 8, 9);
    QTest::newRow("none") << palette << clNone << QColor(1, 2, 3);
}

void TestTColor::toQColor()
{
    QFETCH(QPalette, palette);
    QFETCH(TColor, colour);
    QFETCH(QColor, expected);
    QCOMPARE(::toQColor(colour, palette), expected);
}

QTEST_GUILESS_MAIN(TestTColor)
#include "tst_tcolor.moc"
