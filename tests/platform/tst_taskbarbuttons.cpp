#include "platform/TaskbarButtons.h"
#include "ui/ActionIcons.h"

#include <QAction>
#include <QPointer>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QWidget>

// Away from Windows the buttons do not exist; the object must leave the window and its
// actions exactly as they were.
class TestTaskbarButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void notSupportedHere();
    void setActionsLeavesTheActionsAlone_data();
    void setActionsLeavesTheActionsAlone();
    void actionsChangedOrDeletedAfterwards();
    void theWindowOwnsIt();
};

void TestTaskbarButtons::init()
{
    if (QSysInfo::kernelType() == QLatin1String("winnt"))
        QSKIP("Windows has taskbar thumbnail buttons");
}

void TestTaskbarButtons::notSupportedHere()
{
    QWidget window;
    TaskbarButtons buttons(window);
    QVERIFY(!buttons.isSupported());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!buttons.isSupported());
}

void TestTaskbarButtons::setActionsLeavesTheActionsAlone_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("shownFirst");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("the four of the clock") << 4 << false;
    QTest::newRow("the four, window shown") << 4 << true;
    QTest::newRow("more than fit") << 9 << true;
}

void TestTaskbarButtons::setActionsLeavesTheActionsAlone()
{
    QFETCH(int, count);
    QFETCH(bool, shownFirst);

    QWidget window;
    if (shownFirst) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QList<QAction *> actions;
    QList<QSignalSpy *> triggered;
    for (int i = 0; i < count; ++i) {
        auto *action = new QAction(QStringLiteral("Handling %1").arg(i), &window);
        action->setStatusTip(QStringLiteral("Tip %1").arg(i));
        action->setIcon(ActionIcons::luk());
        action->setEnabled(i % 2 == 0);
        actions.append(action);
        triggered.append(new QSignalSpy(action, &QAction::triggered));
    }
    const QList<QObject *> childrenBefore = window.children();

    auto *buttons = new TaskbarButtons(window);
    buttons->setActions(actions);
    buttons->setActions(actions);
    QCoreApplication::processEvents();

    QCOMPARE(window.children().size(), childrenBefore.size() + 1);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(actions[i]->text(), QStringLiteral("Handling %1").arg(i));
        QCOMPARE(actions[i]->statusTip(), QStringLiteral("Tip %1").arg(i));
        QCOMPARE(actions[i]->isEnabled(), i % 2 == 0);
        QCOMPARE(triggered[i]->count(), 0);
    }
    // The actions still work as before.
    if (count > 0) {
        actions.first()->trigger();
        QCOMPARE(triggered.first()->count(), 1);
    }
    qDeleteAll(triggered);
}

void TestTaskbarButtons::actionsChangedOrDeletedAfterwards()
{
    QWidget window;
    TaskbarButtons buttons(window);
    auto *form = new QAction(QStringLiteral("Skjul formboks"), &window);
    auto *luk = new QAction(QStringLiteral("Luk uret"), &window);
    buttons.setActions({form, luk});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    form->setText(QStringLiteral("Vis formboks"));
    form->setEnabled(false);
    form->setIcon(ActionIcons::form());
    delete luk;
    form->setEnabled(true);
    buttons.setActions({});
    QCOMPARE(form->text(), QStringLiteral("Vis formboks"));
    QVERIFY(form->isEnabled());
}

void TestTaskbarButtons::theWindowOwnsIt()
{
    auto *window = new QWidget;
    QPointer<TaskbarButtons> buttons = new TaskbarButtons(*window);
    QCOMPARE(buttons->parent(), window);
    delete window;
    QVERIFY(buttons.isNull());
}

QTEST_MAIN(TestTaskbarButtons)
#include "tst_taskbarbuttons.moc"
