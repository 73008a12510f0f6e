#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "alarms/AlarmOversigtSide.h"
#include "alarms/NedtaellingSide.h"
#include "alarms/NyAlarmSide.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/EgenskaberSide.h"
#include "appearance/UrSide.h"
#include "base/TextListFile.h"
#include "calendar/KalenderSide.h"
#include "platform/fake/FakePlatform.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// A whole program on a temporary data folder with two sounds and, if given,
// an options file.
class Program : public HeltProgram
{
public:
    explicit Program(const QByteArray &designTxt = QByteArray(), bool medFil = false)
    {
        toLyde();
        if (medFil)
            putFile(designPath(), designTxt);
        start();
    }

    QString designPath() const { return optFile("design.txt"); }
};

class TestEgenskabsform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAndTabs();
    void withoutAnOptionsFile();
    void optionsFileIsApplied();
    void closeWritesTheOptionsBack();
    void damagedOptionsFileGivesAUsableWindow_data();
    void damagedOptionsFileGivesAUsableWindow();
    void hintFromAPageReachesTheStatusBar();
    void hintFromTheMainMenuReachesTheStatusBar();
    void tabChangeEmptiesTheStatusBar();
    void firstShowingMakesTheClockSeeThroughOnce();
    void gemButtonWritesAndDisablesItself();
    void menuOpensTheWindowOnItsTabInPlace();
    void everyControlHasItsName();
};

void TestEgenskabsform::windowAndTabs()
{
    Program p;
    Tegenskabsform *f = p.form;
    QCOMPARE(f->windowTitle(), QStringLiteral("Klokkeven"));
    QCOMPARE(f->size(), QSize(665, 419));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QCOMPARE(f->font().pixelSize(), 11);
    QCOMPARE(f->infoBar()->height(), 19);
    QTabWidget *bog = f->egenskabsBog();
    QStringList captions;
    for (int i = 0; i < bog->count(); ++i)
        captions << bog->tabText(i);
    QCOMPARE(captions, (QStringList{"Ur", "Nedtællingsalarm", "Alarmer", "Ny alarm", "Kalender",
                                    "Egenskaber"}));
    QCOMPARE(bog->widget(0), f->urSide());
    QCOMPARE(bog->widget(1), f->nedtaellingSide());
    QCOMPARE(bog->widget(2), f->alarmOversigtSide());
    QCOMPARE(bog->widget(3), f->nyAlarmSide());
    QCOMPARE(bog->widget(4), f->kalenderSide());
    QCOMPARE(bog->widget(5), f->egenskaberSide());
    // Both sound lists show the one sound list.
    QCOMPARE(f->nedtaellingSide()->lydfilBox()->count(), 3);
    QCOMPARE(f->nyAlarmSide()->cbLydfiler()->count(), 3);
    QCOMPARE(f->nyAlarmSide()->cbLydfiler()->itemText(0), QStringLiteral("Ingen alarmlyd"));
}

void TestEgenskabsform::withoutAnOptionsFile()
{
    Program p;
    QVERIFY(p.form->firstOpstart());
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), int(EgenskabsSide::Egenskaber));
    QCOMPARE(p.form->indstillinger().designName, QStringLiteral("Iceberg Classico"));
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(p.form->frameGeometry().center(), skaerm.center());
}

void TestEgenskabsform::optionsFileIsApplied()
{
    Indstillinger i;
    i.alarmIndex = 2;
    i.side = EgenskabsSide::Nedtaelling;
    i.lydBar = 14;
    i.alarmLydIndex = 9;
    i.vindue = QRect(40, 30, 665, 419);
    Program p(Indstillingsfil::linjer(i).join("\r\n").toLatin1() + "\r\n", true);
    QVERIFY(!p.form->firstOpstart());
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), 1);
    QCOMPARE(p.form->nedtaellingSide()->lydfilBox()->currentRow(), 2);
    QCOMPARE(p.form->nedtaellingSide()->lydBar()->value(), 14);
    QCOMPARE(p.form->nedtaellingSide()->lydBar()->toolTip(), QStringLiteral("Lydstyrke: 50%"));
    QCOMPARE(p.platform.soundPlayer.volume(), 0.5);
    // The list holds three entries: the stored 9 becomes the last.
    QCOMPARE(p.form->nyAlarmSide()->cbLydfiler()->currentIndex(), 2);
    QCOMPARE(p.form->pos(), QPoint(40, 30));
}

void TestEgenskabsform::closeWritesTheOptionsBack()
{
    Indstillinger written;
    {
        Program p;
        p.form->nedtaellingSide()->lydBar()->setValue(7);
        p.form->nedtaellingSide()->lydfilBox()->setCurrentRow(1);
        p.form->egenskabsBog()->setCurrentIndex(int(EgenskabsSide::Kalender));
        p.form->move(50, 60);
        p.program->show();
        p.main->close();
        const std::optional<QStringList> lines = TextListFile::read(p.designPath());
        QVERIFY(lines);
        QCOMPARE(lines->size(), 22);
        QCOMPARE(lines->at(1), QStringLiteral("1"));
        QCOMPARE(lines->at(3), QStringLiteral("4"));
        QCOMPARE(lines->at(4), QStringLiteral("7"));
        QCOMPARE(lines->at(15), QStringLiteral("60"));
        QCOMPARE(lines->at(16), QStringLiteral("50"));
        QVERIFY(Indstillingsfil::hent(p.designPath(), written));
    }
    QCOMPARE(written.side, EgenskabsSide::Kalender);
    QCOMPARE(written.alarmIndex, 1);
}

void TestEgenskabsform::damagedOptionsFileGivesAUsableWindow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBFIceberg Classico\r\n1\r\n1\r\n2\r\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\xFE\xFF\r\n\x89PNG", 10);
    QTest::newRow("off every screen") << QByteArray(
        "x\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\nA\r\n10\r\nA\r\n10\r\nA\r\n10\r\n1\r\n0\r\n"
        "-90000\r\n-90000\r\n665\r\n419\r\n");
    QTest::newRow("tab 9, volume 500, sound -7") << QByteArray("x\r\n-7\r\n1\r\n9\r\n500\r\n");
}

void TestEgenskabsform::damagedOptionsFileGivesAUsableWindow()
{
    QFETCH(QByteArray, bytes);
    Program p(bytes, true);
    QVERIFY(p.form);
    const int side = p.form->egenskabsBog()->currentIndex();
    QVERIFY(side >= 0 && side < 6);
    QVERIFY(p.form->nedtaellingSide()->lydfilBox()->currentRow() >= 0);
    QVERIFY(p.form->nedtaellingSide()->lydBar()->value() <= 28);
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(skaerm.intersects(p.form->frameGeometry()));
    p.program->show();
    p.main->close();
    const std::optional<QStringList> lines = TextListFile::read(p.designPath());
    QVERIFY(lines);
    QCOMPARE(lines->size(), 22);
    Indstillinger igen;
    QVERIFY(Indstillingsfil::hent(p.designPath(), igen));
    QCOMPARE(Indstillingsfil::linjer(igen), *lines);
    QVERIFY(p.messages.errors.isEmpty());
}

void TestEgenskabsform::hintFromAPageReachesTheStatusBar()
{
    Program p;
    p.form->visSide(EgenskabsSide::Ur);
    QVERIFY(QTest::qWaitForWindowExposed(p.form));
    QPushButton *information = nullptr;
    for (QPushButton *knap : p.form->urSide()->findChildren<QPushButton *>())
        if (knap->text() == QStringLiteral("Information"))
            information = knap;
    QVERIFY(information);
    QTest::mouseMove(information);
    QTRY_COMPARE(p.form->infoBar()->currentMessage(),
                 QStringLiteral("Information om at designe uret"));
    QTest::mouseMove(p.form->urSide(), QPoint(2, 2));
    QTRY_COMPARE(p.form->infoBar()->currentMessage(), QString());
}

void TestEgenskabsform::hintFromTheMainMenuReachesTheStatusBar()
{
    Program p;
    p.program->show();
    QMenu *menu = p.main->PopupMenu();
    menu->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(p.main->handlinger().aLuk);
    QTRY_COMPARE(p.form->infoBar()->currentMessage(), QStringLiteral("Luk programmet: Ctrl+Q"));
    menu->close();
}

void TestEgenskabsform::tabChangeEmptiesTheStatusBar()
{
    Program p;
    p.form->egenskabsBog()->setCurrentIndex(int(EgenskabsSide::Ur));
    p.form->HintInfoShow(QStringLiteral("noget"));
    p.form->egenskabsBog()->setCurrentIndex(int(EgenskabsSide::Alarmer));
    QCOMPARE(p.form->infoBar()->currentMessage(), QString());
}

void TestEgenskabsform::firstShowingMakesTheClockSeeThroughOnce()
{
    Program p;
    p.program->show();
    // The start-up design is see-through; the user framed the window again.
    p.main->SetTransparent(false);
    QVERIFY(p.form->opstart());
    p.form->visSide(std::nullopt);
    QVERIFY(!p.form->opstart());
    QVERIFY(p.main->gennemsigtig());
    p.main->SetTransparent(false);
    p.form->hide();
    p.form->visSide(std::nullopt);
    QVERIFY(!p.main->gennemsigtig());
}

void TestEgenskabsform::gemButtonWritesAndDisablesItself()
{
    Program p;
    QPushButton *gem = p.form->egenskaberSide()->gemButton();
    p.form->visSide(EgenskabsSide::Egenskaber);
    QVERIFY(!gem->isEnabled());
    gem->setEnabled(true);
    QVERIFY(!QFile::exists(p.designPath()));
    gem->click();
    QVERIFY(!gem->isEnabled());
    QCOMPARE(TextListFile::read(p.designPath())->size(), 22);
}

void TestEgenskabsform::menuOpensTheWindowOnItsTabInPlace()
{
    Program p;
    p.program->show();
    p.main->mInsertAlarm()->trigger();
    QVERIFY(p.form->isVisible());
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), int(EgenskabsSide::NyAlarm));
    p.form->move(70, 80);
    p.main->mSeAlarmer()->trigger();
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), int(EgenskabsSide::Alarmer));
    QCOMPARE(p.form->pos(), QPoint(70, 80));
    // "Egenskaber..." keeps the tab the window last had.
    p.main->handlinger().aEgenskaber->trigger();
    QCOMPARE(p.form->egenskabsBog()->currentIndex(), int(EgenskabsSide::Alarmer));
}

void TestEgenskabsform::everyControlHasItsName()
{
    Program p;
    p.form->show();
    QStringList navnloese;
    const QList<QWidget *> kontroller = p.form->findChildren<QWidget *>();
    for (QWidget *w : kontroller) {
        const bool kontrol = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                             qobject_cast<QAbstractItemView *>(w) ||
                             qobject_cast<QAbstractSlider *>(w) || qobject_cast<QTabWidget *>(w) ||
                             qobject_cast<QStatusBar *>(w);
        // A list's scroll bars, a combo box's drop-down and a tab bar's arrows are parts
        // of the control that holds them.
        bool del = false;
        for (QWidget *a = w->parentWidget(); a && a != p.form; a = a->parentWidget())
            del = del || a->inherits("QAbstractScrollArea") || a->inherits("QComboBox") ||
                  a->inherits("QTabBar");
        if (!kontrol || del)
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            navnloese << QString::fromLatin1(w->metaObject()->className());
    }
    QVERIFY2(navnloese.isEmpty(), qPrintable(navnloese.join(", ")));
    // A user finds "Gem startop egenskaber" by its caption.
    QAccessibleInterface *gem =
        QAccessible::queryAccessibleInterface(p.form->egenskaberSide()->gemButton());
    QCOMPARE(gem->text(QAccessible::Name), QStringLiteral("Gem startop egenskaber"));
}

QTEST_MAIN(TestEgenskabsform)
#include "tst_egenskabsform.moc"
