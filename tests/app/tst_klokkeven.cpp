#include "RecordingMessages.h"
#include "alarms/Talarmform.h"
#include "app/CreationSteps.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/Tgemhentform.h"
#include "calendar/Ttekstform.h"
#include "dialogs/Tinfform.h"
#include "dialogs/TspmForm.h"
#include "info/Teditform.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"
#include "platform/fake/FakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

class TestKlokkeven : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsTheTenWindows();
    void firstShowingRunsOnce();
    void closeWritesTheWindowFilesIntoOptDir();
    void ctrlQClosesTheProgram();
    void windowOptionsSurviveARestart();
    void damagedOptionFilesGiveDefaults();
    void errorInOneCreationStepSkipsOnlyThatStep();
    void buildsAgainInTheSameProcess();
    void escapeClosesTheWindow_data();
    void escapeClosesTheWindow();

private:
    QTemporaryDir m_tmp;
    FakePlatform m_platform;
    RecordingMessages m_messages;
};

void TestKlokkeven::createsTheTenWindows()
{
    QTemporaryDir tmp;
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    const Vinduer &v = program.vinduer();
    QVERIFY(v.mainform && v.alarmform && v.egenskabsform && v.gemhentform && v.spmForm &&
            v.urlform && v.infoform && v.editform && v.tekstform && v.infform);
    QCOMPARE(v.mainform->windowTitle(), QStringLiteral("Ur"));
    QCOMPARE(v.mainform->size(), QSize(380, 427));
    // Later windows read their paths from the main window.
    QCOMPARE(v.alarmform->optFilnavn, tmp.path() + "/Anna/Egenskaber/alarmform.txt");
    QCOMPARE(v.tekstform->optFilnavn, tmp.path() + "/Anna/Egenskaber/tekstform.txt");
    QCOMPARE(v.infoform->optFilnavn, tmp.path() + "/Anna/Egenskaber/information.txt");
    QCOMPARE(v.urlform->optfilnavn, tmp.path() + "/Anna/Egenskaber/urlboks.txt");
    QVERIFY(m_messages.errors.isEmpty());
}

void TestKlokkeven::firstShowingRunsOnce()
{
    QTemporaryDir tmp;
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    Tmainform *main = program.vinduer().mainform;
    QVERIFY(main->opstart());
    program.show();
    QVERIFY(!main->opstart());
    main->hide();
    main->show();
    QVERIFY(!main->opstart());
}

void TestKlokkeven::closeWritesTheWindowFilesIntoOptDir()
{
    QTemporaryDir tmp;
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    QSignalSpy finished(&program, &Klokkeven::finished);
    program.show();
    QVERIFY(program.vinduer().mainform->close());
    QCOMPARE(finished.count(), 1);

    const QString optDir = tmp.path() + "/Anna/Egenskaber/";
    for (const char *name :
         {"design.txt", "alarmform.txt", "information.txt", "urlboks.txt", "tekstform.txt"})
        QVERIFY2(QFile::exists(optDir + name), name);
    QFile info(optDir + "information.txt");
    QVERIFY(info.open(QIODevice::ReadOnly));
    QCOMPARE(info.readAll().count("\r\n"), 5);
}

void TestKlokkeven::ctrlQClosesTheProgram()
{
    QTemporaryDir tmp;
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    QSignalSpy finished(&program, &Klokkeven::finished);
    Tmainform *main = program.vinduer().mainform;
    QCOMPARE(main->handlinger().aLuk->text(), QStringLiteral("Luk uret"));
    QCOMPARE(main->handlinger().aLuk->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    main->activateWindow();
    QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!main->isVisible());
}

void TestKlokkeven::windowOptionsSurviveARestart()
{
    QTemporaryDir tmp;
    {
        Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
        program.vinduer().alarmform->move(40, 30);
        program.vinduer().alarmform->resize(400, 300);
        program.vinduer().urlform->resize(500, 350);
        program.show();
        program.vinduer().mainform->close();
    }
    Klokkeven again(tmp.path(), QString(), m_platform.services(), m_messages);
    QCOMPARE(again.vinduer().alarmform->pos(), QPoint(40, 30));
    QCOMPARE(again.vinduer().alarmform->size(), QSize(400, 300));
    QCOMPARE(again.vinduer().urlform->size(), QSize(500, 350));
    QCOMPARE(again.vinduer().infoform->venstrePanelBredde(), 250);
}

void TestKlokkeven::damagedOptionFilesGiveDefaults()
{
    QTemporaryDir tmp;
    const QString optDir = tmp.path() + "/Anna/Egenskaber/";
    QVERIFY(QDir().mkpath(optDir));
    const QList<QPair<QString, QByteArray>> damaged{{"alarmform.txt", ""},
                                                    {"information.txt", "1\r\n2\r\n"},
                                                    {"urlboks.txt", "bred\r\nhøj\r\n"}};
    for (const auto &[name, bytes] : damaged) {
        QFile file(optDir + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    QCOMPARE(program.vinduer().alarmform->size(), QSize(373, 266));
    QCOMPARE(program.vinduer().infoform->geometry(), QRect(8, 8, 810, 810));
    QCOMPARE(program.vinduer().urlform->size(), QSize(451, 338));
    QVERIFY(m_messages.errors.isEmpty());
}

void TestKlokkeven::errorInOneCreationStepSkipsOnlyThatStep()
{
    RecordingMessages messages;
    QStringList ran;
    runCreationSteps({{"a",
                       [&] {
                           ran << "a";
                       }},
                      {"b",
                       [&] {
                           ran << "b";
                           throw std::runtime_error("Filen kunne ikke læses");
                           ran << "b after";
                       }},
                      {"c",
                       [&] {
                           ran << "c";
                       }}},
                     messages);
    QCOMPARE(ran, QStringList({"a", "b", "c"}));
    QCOMPARE(messages.errors, QStringList{"b: Filen kunne ikke læses"});
}

void TestKlokkeven::buildsAgainInTheSameProcess()
{
    QTemporaryDir tmp;
    for (int run = 0; run < 2; ++run) {
        Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
        program.show();
        QVERIFY(program.vinduer().mainform->close());
    }
    QVERIFY(QFile::exists(tmp.path() + "/Anna/Egenskaber/alarmform.txt"));
}

void TestKlokkeven::escapeClosesTheWindow_data()
{
    QTest::addColumn<QString>("vindue");
    for (const char *navn : {"egenskabsform", "tekstform", "infoform", "urlform", "gemhentform"})
        QTest::newRow(navn) << QString::fromLatin1(navn);
}

void TestKlokkeven::escapeClosesTheWindow()
{
    QFETCH(QString, vindue);
    QTemporaryDir tmp;
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    program.show();
    const Vinduer &v = program.vinduer();
    QWidget *w = vindue == "egenskabsform" ? static_cast<QWidget *>(v.egenskabsform)
                 : vindue == "tekstform"   ? static_cast<QWidget *>(v.tekstform)
                 : vindue == "infoform"    ? static_cast<QWidget *>(v.infoform)
                 : vindue == "urlform"     ? static_cast<QWidget *>(v.urlform)
                                           : static_cast<QWidget *>(v.gemhentform);
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
    QTRY_VERIFY(!w->isVisible());
    // Closing it as its close button does leaves the program running.
    QVERIFY(v.mainform->isVisible());
}

QTEST_MAIN(TestKlokkeven)
#include "tst_klokkeven.moc"
