#include "RecordingMessages.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "app/Klokkeven.h"
#include "app/Tmainform.h"
#include "platform/UserName.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// The lines of every file in a folder, by file name.
QMap<QString, qsizetype> linesOfFiles(const QString &folder)
{
    QMap<QString, qsizetype> lines;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files)
        lines.insert(file.fileName(), fileContents(file.filePath()).count("\r\n"));
    return lines;
}

} // namespace

// The real program, ended by the operating system instead of by the user.
class TestTermination : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void signalClosesAsCtrlQDoes_data();
    void signalClosesAsCtrlQDoes();

private:
    // What a close by "Luk uret" writes into optDir: file name and line count.
    QMap<QString, qsizetype> m_writtenByClose;
};

void TestTermination::initTestCase()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    Klokkeven program(tmp.path(), QString(), platform.services(), messages);
    QSignalSpy finished(&program, &Klokkeven::finished);
    program.show();
    program.close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!program.vinduer().mainform->isVisible());
    m_writtenByClose = linesOfFiles(program.vinduer().mainform->folders().optDir);
    QVERIFY(m_writtenByClose.contains(QStringLiteral("alarmform.txt")));
}

void TestTermination::signalClosesAsCtrlQDoes_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestTermination::signalClosesAsCtrlQDoes()
{
    QFETCH(int, signalNumber);
    const std::optional<QString> user = SystemUserName().loginName();
    QVERIFY(user && !user->isEmpty());
    QTemporaryDir home;
    const QString optDir = home.path() + "/Urmappe/" + *user + "/Egenskaber";

    RunningProgram program(QStringLiteral(KLOKKEVEN_PROGRAM), home.path(),
                           QStringLiteral("offscreen"));
    // The folders are made while the windows are built, after the program
    // has taken over the signals.
    QVERIFY2(program.waitUntil([&] { return QFileInfo::exists(optDir); }), qPrintable(optDir));
    QTest::qWait(200);
    QVERIFY(program.running());
    // Those files come only from closing.
    for (const QString &name : m_writtenByClose.keys())
        QVERIFY2(!QFileInfo::exists(optDir + "/" + name), qPrintable(name));

    QVERIFY(program.endWith(signalNumber));

    // Every file that a close by "Luk uret" writes is there, whole.
    const QMap<QString, qsizetype> written = linesOfFiles(optDir);
    for (auto it = m_writtenByClose.cbegin(); it != m_writtenByClose.cend(); ++it) {
        QVERIFY2(written.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(written.value(it.key()), it.value());
        QVERIFY(fileContents(optDir + "/" + it.key()).endsWith("\r\n"));
    }
}

QTEST_MAIN(TestTermination)
#include "tst_termination.moc"
