#include "richtext/FarveGitter.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TestFarveGitter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboardPicksAColour_data();
    void keyboardPicksAColour();
    void eachSquareIsNamedByItsColour();
};

void TestFarveGitter::keyboardPicksAColour_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("taster");
    QTest::addColumn<int>("valgt");
    using K = QList<int>;
    QTest::newRow("right and down") << 0 << K{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << 5;
    QTest::newRow("space picks too") << 0 << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << 8;
    QTest::newRow("left edge stays") << 4 << K{Qt::Key_Left, Qt::Key_Enter} << 4;
    QTest::newRow("bottom right corner stays")
        << 15 << K{Qt::Key_Down, Qt::Key_Right, Qt::Key_Return} << 15;
    QTest::newRow("starts on the colour in use") << 9 << K{Qt::Key_Up, Qt::Key_Return} << 5;
}

void TestFarveGitter::keyboardPicksAColour()
{
    QFETCH(int, start);
    QFETCH(QList<int>, taster);
    QFETCH(int, valgt);
    QWidget vindue;
    auto *gitter = new FarveGitter(&vindue);
    gitter->setForegroundIndex(start);
    vindue.show();
    QApplication::setActiveWindow(&vindue);
    QVERIFY(QTest::qWaitForWindowActive(&vindue));
    // Reached by Tab like any control.
    QTest::keyClick(&vindue, Qt::Key_Tab);
    QVERIFY(gitter->hasFocus());
    QSignalSpy change(gitter, &FarveGitter::Change);
    for (const int tast : taster)
        QTest::keyClick(gitter, Qt::Key(tast));
    QCOMPARE(change.count(), 1);
    QCOMPARE(gitter->ForegroundIndex(), valgt);
    QCOMPARE(gitter->ForegroundColor(), FarveGitter::kFarver[std::size_t(valgt)]);
}

void TestFarveGitter::eachSquareIsNamedByItsColour()
{
    FarveGitter gitter;
    gitter.setForegroundIndex(FarveGitter::kBlaa);
    gitter.show();
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(&gitter);
    QVERIFY(grid);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Farver"));
    QCOMPARE(grid->childCount(), 16);
    QStringList navne;
    for (int i = 0; i < grid->childCount(); ++i) {
        QAccessibleInterface *felt = grid->child(i);
        QVERIFY(felt);
        QCOMPARE(grid->indexOfChild(felt), i);
        QCOMPARE(felt->parent(), grid);
        QCOMPARE(felt->state().checked, i == FarveGitter::kBlaa);
        navne << felt->text(QAccessible::Name);
    }
    QCOMPARE(navne.first(), QStringLiteral("Sort"));
    QCOMPARE(navne[9], QStringLiteral("Rød"));
    QCOMPARE(navne[FarveGitter::kBlaa], QStringLiteral("Blå"));
    QCOMPARE(navne.last(), QStringLiteral("Hvid"));
    QCOMPARE(QSet<QString>(navne.begin(), navne.end()).size(), 16);
    // The square under a point is the one drawn there.
    const QPoint rod = gitter.mapToGlobal(gitter.felt(9).center());
    QCOMPARE(grid->childAt(rod.x(), rod.y()), grid->child(9));
}

QTEST_MAIN(TestFarveGitter)
#include "tst_farvegitter.moc"
