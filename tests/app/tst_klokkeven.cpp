#include "RecordingMessages.h"
#include "alarms/Talarmform.h"
#include "app/CreationSteps.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/EgenskaberSide.h"
#include "appearance/Tgemhentform.h"
#include "appearance/UiStil.h"
#include "calendar/Ttekstform.h"
#include "dialogs/Tinfform.h"
#include "dialogs/TspmForm.h"
#include "info/Teditform.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"
#include "platform/fake/FakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QMap>
#include <QScreen>
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
    void aWindowShownLateHasItsGeometryAndTheStyleInForce();
    void closeWritesTheSameFilesWhetherOrNotShown_data();
    void closeWritesTheSameFilesWhetherOrNotShown();

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
            v.tekstform && v.infform);
    // The windows nobody sees at start are made when first asked for, once.
    QVERIFY(!v.urlform && !v.infoform && !v.editform);
    QVERIFY(program.infoform() && program.editform());
    QVERIFY(v.urlform && v.infoform && v.editform);
    QCOMPARE(program.infoform(), v.infoform);
    QCOMPARE(program.urlform(), v.urlform);
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
        program.urlform()->resize(500, 350);
        program.show();
        program.vinduer().mainform->close();
    }
    Klokkeven again(tmp.path(), QString(), m_platform.services(), m_messages);
    QCOMPARE(again.vinduer().alarmform->pos(), QPoint(40, 30));
    QCOMPARE(again.vinduer().alarmform->size(), QSize(400, 300));
    QCOMPARE(again.urlform()->size(), QSize(500, 350));
    QCOMPARE(again.infoform()->venstrePanelBredde(), 250);
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
    QCOMPARE(program.infoform()->geometry(), QRect(8, 8, 810, 810));
    QCOMPARE(program.urlform()->size(), QSize(451, 338));
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
                 : vindue == "infoform"    ? static_cast<QWidget *>(program.infoform())
                 : vindue == "urlform"     ? static_cast<QWidget *>(program.urlform())
                                           : static_cast<QWidget *>(v.gemhentform);
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
    QTRY_VERIFY(!w->isVisible());
    // Closing it as its close button does leaves the program running.
    QVERIFY(v.mainform->isVisible());
}

namespace {

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file below the folder by relative path, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(dir).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

} // namespace

void TestKlokkeven::aWindowShownLateHasItsGeometryAndTheStyleInForce()
{
    QTemporaryDir tmp;
    const QString optDir = tmp.path() + "/Anna/Egenskaber/";
    QVERIFY(QDir().mkpath(optDir));
    QVERIFY(putBytes(optDir + "urlboks.txt", "500\r\n350\r\n"));
    QVERIFY(putBytes(optDir + "information.txt", "40\r\n30\r\n806\r\n560\r\n320\r\n"));
    Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
    program.show();
    Tegenskabsform *form = program.vinduer().egenskabsform;
    // The user picks another UI style before ever opening the information window.
    const QString foer = UiStil::aktiv();
    const QString anden = UiStil::navne().value(UiStil::navne().first() == foer ? 1 : 0);
    QComboBox *box = form->egenskaberSide()->designBox();
    box->setCurrentIndex(box->findText(anden));
    form->designBoxChange();
    QCOMPARE(UiStil::aktiv(), anden);
    QVERIFY(!program.vinduer().infoform);

    program.vinduer().mainform->info(QStringLiteral("Kalender"));
    Tinfoform *info = program.vinduer().infoform;
    QVERIFY(info && info->isVisible());
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    const int x = qMax(skaerm.left(), qMin(30, skaerm.right() + 1 - qMin(806, skaerm.width())));
    // The place of the frame, as the file keeps it.
    QCOMPARE(QRect(info->pos(), info->size()), QRect(x, 40, 806, 560));
    QCOMPARE(info->venstrePanelBredde(), 320);
    QCOMPARE(program.urlform()->size(), QSize(500, 350));
    for (QWidget *late :
         {static_cast<QWidget *>(info), static_cast<QWidget *>(program.urlform())}) {
        QCOMPARE(late->style()->name(), form->style()->name());
        QCOMPARE(late->palette().color(QPalette::Button), form->palette().color(QPalette::Button));
        QCOMPARE(late->palette().color(QPalette::Window), form->palette().color(QPalette::Window));
    }
    QVERIFY(m_messages.errors.isEmpty());
}

void TestKlokkeven::closeWritesTheSameFilesWhetherOrNotShown_data()
{
    QTest::addColumn<QByteArray>("information");
    QTest::addColumn<QByteArray>("urlboks");
    QTest::addColumn<bool>("unchanged");
    QTest::newRow("as written before")
        << QByteArray("40\r\n0\r\n806\r\n500\r\n300\r\n") << QByteArray("470\r\n360\r\n") << true;
    QTest::newRow("no files") << QByteArray() << QByteArray() << false;
    QTest::newRow("damaged") << QByteArray("1\r\n2\r\n") << QByteArray("bred\r\nhøj\r\n") << false;
    QTest::newRow("far off the screen") << QByteArray("-9000\r\n70000\r\n99999\r\n99999\r\n10\r\n")
                                        << QByteArray("99999\r\n-5\r\n") << false;
}

void TestKlokkeven::closeWritesTheSameFilesWhetherOrNotShown()
{
    QFETCH(QByteArray, information);
    QFETCH(QByteArray, urlboks);
    QFETCH(bool, unchanged);
    // The same stored files, closed once without opening the late windows and
    // once after showing them.
    QMap<QString, QByteArray> written[2];
    for (const bool shown : {false, true}) {
        QTemporaryDir tmp;
        const QString optDir = tmp.path() + "/Anna/Egenskaber/";
        QVERIFY(QDir().mkpath(optDir));
        if (!information.isNull())
            QVERIFY(putBytes(optDir + "information.txt", information));
        if (!urlboks.isNull())
            QVERIFY(putBytes(optDir + "urlboks.txt", urlboks));
        Klokkeven program(tmp.path(), QString(), m_platform.services(), m_messages);
        program.show();
        // The main window settles in its frame alike in both runs.
        QVERIFY(QTest::qWaitForWindowExposed(program.vinduer().mainform));
        if (shown) {
            for (QWidget *w : {static_cast<QWidget *>(program.infoform()),
                               static_cast<QWidget *>(program.urlform()),
                               static_cast<QWidget *>(program.editform())}) {
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                w->hide();
            }
        }
        QVERIFY(program.vinduer().mainform->close());
        QCOMPARE(bool(program.vinduer().editform), shown);
        written[shown] = filesBelow(optDir);
    }
    QVERIFY(written[0].contains("information.txt") && written[0].contains("urlboks.txt"));
    QCOMPARE(written[0].keys(), written[1].keys());
    for (const QString &name : written[0].keys())
        QCOMPARE(written[0].value(name), written[1].value(name));
    if (unchanged) {
        QCOMPARE(written[0].value("information.txt"), information);
        QCOMPARE(written[0].value("urlboks.txt"), urlboks);
    }
    QVERIFY(m_messages.errors.isEmpty());
}

QTEST_MAIN(TestKlokkeven)
#include "tst_klokkeven.moc"
