#include "RecordingMessages.h"
#include "TestFiles.h"
#include "launcher/OpstartGenvej.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kMislykket =
    QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
const QString kIndfoert = QStringLiteral("Programmet er indført som StartUp-program.");
const QString kFjernet = QStringLiteral("Programmet blev fjernet som StartUp-program.");
const QString kVent =
    QStringLiteral("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                   "Der bringes en information, når funktionen er gennemført.");

} // namespace

// A home of its own: the settings and structure folders of a data folder,
// the installation's shortcut script, and XDG_CONFIG_HOME inside it.
class Hjem
{
public:
    // hjem: the home's folder inside the temporary one.
    explicit Hjem(bool medScript = true, const QString &hjem = QStringLiteral(".")) : m_hjem(hjem)
    {
        QDir().mkpath(optDir());
        QDir().mkpath(strukturDir());
        if (medScript)
            QFile::copy(QStringLiteral(KLOKKEVEN_SHARED_DIR "/Struktur/createShortcut.sh"),
                        script());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.filePath("config")));
    }

    QString optDir() const { return tmp.filePath(m_hjem + "/Urmappe/Anna/Egenskaber"); }
    QString strukturDir() const { return tmp.filePath(m_hjem + "/Urmappe/Struktur"); }
    QString script() const { return strukturDir() + "/createShortcut.sh"; }
    QString genvej() const { return optDir() + "/urProgram.desktop"; }
    QString autostart() const { return tmp.filePath("config/autostart"); }
    QString installeret() const { return autostart() + "/urProgram.desktop"; }

    std::unique_ptr<OpstartGenvej> genvejMed(const QString &programFil,
                                             const QString &startProgFilename = QString())
    {
        return std::make_unique<OpstartGenvej>(OpstartStier{programFil, optDir(), strukturDir()},
                                               shell, messages, nullptr, startProgFilename);
    }
    std::unique_ptr<OpstartGenvej> genvej_()
    {
        return genvejMed(QCoreApplication::applicationFilePath());
    }

    QTemporaryDir tmp;
    SystemShell shell;
    RecordingMessages messages;

private:
    QString m_hjem;
};

class TestOpstartGenvej : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parametre();
    void startCaption_data();
    void startCaption();
    void installsThenRemovesThroughTheRealScript();
    void homeWithQuotesInItsPath();
    void theScriptMakesAValidEntryThatStartsTheProgram();
    void scriptThatMakesNothingFailsAfterTenTicks_data();
    void scriptThatMakesNothingFailsAfterTenTicks();
    void missingProgramFileWaitsForNothing();
    void missingSettingsFolderRunsNothingAndFails();
    void startupFolderThatCannotBeMade();
    void shortcutAnotherProgramPutThereIsTakenOut();
    void removingThatFailsIsReported();
    void twoQuickPressesGiveOneWatch();
};

void TestOpstartGenvej::parametre()
{
    QCOMPARE(
        OpstartGenvej::parametre(QStringLiteral("C:\\Prog\\x.exe"),
                                 QStringLiteral("C:\\Urmappe\\bruger\\Egenskaber\\urProgram.lnk")),
        (QStringList{"C:\\Prog\\x.exe", "C:\\Urmappe\\bruger\\Egenskaber\\urProgram.lnk"}));
}

void TestOpstartGenvej::startCaption_data()
{
    QTest::addColumn<bool>("findes");
    QTest::addColumn<bool>("tom");
    QTest::addColumn<QString>("caption");
    QTest::newRow("stored path exists") << true << false << "Fjern";
    QTest::newRow("stored path gone") << false << false << "Udfør";
    QTest::newRow("no stored path") << false << true << "Udfør";
}

void TestOpstartGenvej::startCaption()
{
    QFETCH(bool, findes);
    QFETCH(bool, tom);
    QFETCH(QString, caption);
    Hjem h;
    if (findes)
        QVERIFY(putFile(h.installeret(), "[Desktop Entry]\n"));
    QCOMPARE(OpstartGenvej::startCaption(tom ? QString() : h.installeret()), caption);
}

void TestOpstartGenvej::installsThenRemovesThroughTheRealScript()
{
    Hjem h;
    auto g = h.genvej_();
    QSignalSpy captions(g.get(), &OpstartGenvej::caption);
    QSignalSpy trykket(g.get(), &OpstartGenvej::trykket);

    g->startProgDoButtonClick();
    QCOMPARE(trykket.count(), 1);
    QCOMPARE(h.messages.notices, QStringList{kVent});
    QCOMPARE(g->SPtimerFilename(), h.genvej());
    QVERIFY(g->startProgTimer().isActive());
    QTRY_COMPARE_WITH_TIMEOUT(h.messages.notices.size(), 2, 12000);
    QCOMPARE(h.messages.notices.last(), kIndfoert);
    QVERIFY(!g->startProgTimer().isActive());
    QCOMPARE(captions.takeFirst().first().toString(), QStringLiteral("Fjern"));
    QCOMPARE(g->startProgFilename(), h.installeret());
    QCOMPARE(fileContents(h.installeret()), fileContents(h.genvej()));

    // The settings folder's copy is there already: one tick decides.
    g->startProgDoButtonClick();
    g->startProgTimerTimer();
    QCOMPARE(h.messages.notices.mid(2), (QStringList{kVent, kFjernet}));
    QVERIFY(!g->startProgTimer().isActive());
    QCOMPARE(captions.takeFirst().first().toString(), QStringLiteral("Indfør"));
    QVERIFY(g->startProgFilename().isEmpty());
    QVERIFY(!QFileInfo::exists(h.installeret()));
    QVERIFY(QFileInfo::exists(h.genvej()));
    QVERIFY(h.messages.informations.isEmpty());
}

void TestOpstartGenvej::homeWithQuotesInItsPath()
{
    // Each path reaches the script as one argument, quotes and spaces and all.
    Hjem h(true, QStringLiteral("hjem \"med\" citat"));
    QVERIFY(h.optDir().contains(u'"'));
    auto g = h.genvej_();
    g->startProgDoButtonClick();
    QTRY_COMPARE_WITH_TIMEOUT(h.messages.notices.size(), 2, 12000);
    QCOMPARE(h.messages.notices.last(), kIndfoert);
    QVERIFY(h.messages.informations.isEmpty());
    QVERIFY(QFileInfo::exists(h.genvej()));
    QCOMPARE(g->startProgFilename(), h.installeret());
    QCOMPARE(fileContents(h.installeret()), fileContents(h.genvej()));
}

void TestOpstartGenvej::theScriptMakesAValidEntryThatStartsTheProgram()
{
    Hjem h;
    // A path that needs every kind of quoting the desktop entry knows.
    const QString program = h.tmp.filePath("mit \"ur\" $HOME `x` 100% \\ bin/klokkeven");
    QVERIFY(putFile(program, "#!/bin/sh\n"));
    QProcess script;
    script.start(h.script(), {program, h.genvej()});
    QVERIFY(script.waitForFinished());
    QCOMPARE(script.exitCode(), 0);
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {h.genvej()});
    QVERIFY2(validate.waitForFinished(), "desktop-file-validate (desktop-file-utils) is needed");
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    QVERIFY2(validate.readAllStandardOutput().isEmpty(), "the entry draws warnings");
    // Unquoting the Exec key as a desktop does gives the program back.
    QString exec;
    for (const QString &line : QString::fromUtf8(fileContents(h.genvej())).split('\n'))
        if (line.startsWith("Exec="))
            exec = line.mid(5);
    exec.replace("%%", "%");
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i)
        value += exec[i] == '\\' && i + 1 < exec.size() ? exec[++i] : exec[i];
    QVERIFY(value.startsWith('"') && value.endsWith('"'));
    QString unquoted;
    for (qsizetype i = 1; i + 1 < value.size(); ++i)
        unquoted += value[i] == '\\' ? value[++i] : value[i];
    QCOMPARE(unquoted, program);
    // TryExec names the same file, so a removed program leaves no start-up entry that fails.
    QString tryExec;
    for (const QString &line : QString::fromUtf8(fileContents(h.genvej())).split('\n'))
        if (line.startsWith("TryExec="))
            tryExec = line.mid(8).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    QCOMPARE(tryExec, program);
}

void TestOpstartGenvej::scriptThatMakesNothingFailsAfterTenTicks_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("koerbar");
    QTest::addColumn<QString>("foerst");
    QTest::newRow("does nothing") << QByteArray("#!/bin/sh\nexit 0\n") << true << QString();
    QTest::newRow("exits with an error") << QByteArray("#!/bin/sh\nexit 3\n") << true << QString();
    QTest::newRow("not executable")
        << QByteArray("#!/bin/sh\nexit 0\n") << false << ErrorInfo(ShellFejl::kIngenAssociation);
    QTest::newRow("missing") << QByteArray() << false
                             << "Der synes at mangle en fil til skabelse af en genvej.";
}

void TestOpstartGenvej::scriptThatMakesNothingFailsAfterTenTicks()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, koerbar);
    QFETCH(QString, foerst);
    Hjem h(false);
    if (!script.isEmpty()) {
        QVERIFY(putFile(h.script(), script));
        QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(h.script(), koerbar ? p | QFile::ExeOwner : p));
    }
    auto g = h.genvej_();
    g->makeOpstartProg();
    const QStringList foer = foerst.isEmpty() ? QStringList() : QStringList{foerst};
    QCOMPARE(h.messages.notices, foer);
    QVERIFY(g->startProgTimer().isActive());
    for (int tick = 1; tick < OpstartGenvej::kTicks; ++tick)
        g->startProgTimerTimer();
    QCOMPARE(g->SPtimerCount(), OpstartGenvej::kTicks - 1);
    QVERIFY(g->startProgTimer().isActive());
    QCOMPARE(h.messages.notices, foer);
    g->startProgTimerTimer();
    QVERIFY(!g->startProgTimer().isActive());
    QCOMPARE(g->SPtimerCount(), 0);
    QCOMPARE(h.messages.notices, foer + QStringList{kMislykket});
    QVERIFY(!QFileInfo::exists(h.installeret()));
}

void TestOpstartGenvej::missingProgramFileWaitsForNothing()
{
    Hjem h;
    auto g = h.genvejMed(h.tmp.filePath("findes-ikke/klokkeven"));
    QSignalSpy trykket(g.get(), &OpstartGenvej::trykket);
    g->startProgDoButtonClick();
    QCOMPARE(h.messages.notices, (QStringList{kVent, "Programfilen blev ikke fundet."}));
    QVERIFY(!g->startProgTimer().isActive());
    // Saving is offered even when the request failed.
    QCOMPARE(trykket.count(), 1);
}

void TestOpstartGenvej::missingSettingsFolderRunsNothingAndFails()
{
    Hjem h;
    QVERIFY(QDir(h.optDir()).removeRecursively());
    auto g = h.genvej_();
    g->makeOpstartProg();
    QVERIFY(g->SPtimerFilename().isEmpty());
    QVERIFY(h.messages.notices.isEmpty());
    for (int tick = 0; tick < OpstartGenvej::kTicks; ++tick)
        g->startProgTimerTimer();
    QCOMPARE(h.messages.notices, QStringList{kMislykket});
    QVERIFY(!QFileInfo::exists(h.optDir()));
}

void TestOpstartGenvej::startupFolderThatCannotBeMade()
{
    Hjem h;
    QVERIFY(putFile(h.genvej(), "[Desktop Entry]\n"));
    QVERIFY(putFile(h.autostart(), "en fil hvor mappen skulle være"));
    auto g = h.genvej_();
    g->makeOpstartProg();
    g->startProgTimerTimer();
    QCOMPARE(h.messages.notices, QStringList{"Startup-mappen kunne ikke findes."});
    QVERIFY(!g->startProgTimer().isActive());
}

void TestOpstartGenvej::shortcutAnotherProgramPutThereIsTakenOut()
{
    Hjem h;
    QVERIFY(putFile(h.installeret(), "[Desktop Entry]\nName=Andet\n"));
    auto g = h.genvej_();
    QSignalSpy captions(g.get(), &OpstartGenvej::caption);
    g->makeOpstartProg();
    QTRY_COMPARE_WITH_TIMEOUT(h.messages.notices, QStringList{kFjernet}, 12000);
    QVERIFY(!QFileInfo::exists(h.installeret()));
    QCOMPARE(captions.takeFirst().first().toString(), QStringLiteral("Indfør"));
}

void TestOpstartGenvej::removingThatFailsIsReported()
{
    Hjem h;
    QVERIFY(putFile(h.genvej(), "[Desktop Entry]\n"));
    // A folder of the shortcut's name, with something in it, will not go.
    QVERIFY(putFile(h.installeret() + "/indhold", "x"));
    auto g = h.genvej_();
    g->makeOpstartProg();
    g->startProgTimerTimer();
    QCOMPARE(h.messages.notices, QStringList{kMislykket});
    QVERIFY(!g->startProgTimer().isActive());
    QVERIFY(QFileInfo(h.installeret()).isDir());
}

void TestOpstartGenvej::twoQuickPressesGiveOneWatch()
{
    Hjem h;
    auto g = h.genvej_();
    g->makeOpstartProg();
    g->startProgTimerTimer();
    g->makeOpstartProg();
    // The second press starts the one watch over.
    QVERIFY(g->startProgTimer().isActive());
    QTRY_COMPARE_WITH_TIMEOUT(h.messages.notices, QStringList{kIndfoert}, 12000);
    QTest::qWait(1500);
    QCOMPARE(h.messages.notices, QStringList{kIndfoert});
    QVERIFY(QFileInfo::exists(h.installeret()));
}

QTEST_GUILESS_MAIN(TestOpstartGenvej)
#include "tst_opstartgenvej.moc"
