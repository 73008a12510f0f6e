#include "TestFiles.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

#ifndef Q_OS_WIN
bool putScript(const QString &path, const QByteArray &body, bool executable = true)
{
    if (!putFile(path, body))
        return false;
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return QFile::setPermissions(path, permissions);
}
#endif

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorInfo_data();
    void errorInfo();
    void openReportsWhyNothingRan_data();
    void openReportsWhyNothingRan();
    void openRunsTheFileWithTheQuotedParameters();
#ifdef Q_OS_WIN
    void startupFolderIsTheUsersStartupFolder();
    void shortcutScriptMakesTheShortcut();
#else
    void startupFolderIsTheXdgAutostartFolder();
    void startupFolderUnderHomeWithoutAnAbsoluteXdgConfigHome_data();
    void startupFolderUnderHomeWithoutAnAbsoluteXdgConfigHome();
    void startupFolderThatCannotBeMadeIsEmpty();
#endif

private:
    QTemporaryDir m_tmp;
};

void TestShell::errorInfo_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const auto row = [](int code, const char *message) {
        QTest::addRow("%d", code) << code << QString::fromUtf8(message);
    };
    row(0, "Operationssystemet er løbet tør for hukommelse eller resourcer.");
    row(2, "Den specificerede fil blev ikke fundet.");
    row(3, "Stien blev ikke fundet.");
    row(5, "Operationssystemet forbød adgang til filen.");
    row(8, "Der var ikke hukommelse nok til at fuldføre operationen.");
    row(11, "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    row(26, "Der opstod en \"sharing violation\".");
    row(27, "Filnavnsassociatonen er ukomplet eller invalid");
    row(28, "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    row(29, "\"DDE transaction\" mislykkedes.");
    row(30, "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
            "fordi andre \"DDE transactions\" skulle udføres.");
    row(31, "Der er ikke associeret noget program til givne filefternavn.\r"
            "Der er muligvist valgt: For redigering.\r"
            "Der skal muligvist vælges: For kørsel.");
    row(32, "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    // Codes the table does not list.
    row(1, "Meningsløs operation eller ukendt fejl.");
    row(4, "Meningsløs operation eller ukendt fejl.");
    row(-1, "Meningsløs operation eller ukendt fejl.");
    row(33, "Meningsløs operation eller ukendt fejl.");
}

void TestShell::errorInfo()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(ErrorInfo(code), QStringLiteral("Fejlinformation:\r") + message);
}

#ifdef Q_OS_WIN
void TestShell::openReportsWhyNothingRan_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    const QString dir = QDir::toNativeSeparators(m_tmp.path());
    QVERIFY(putFile(m_tmp.filePath("data.klokkeven-ukendt"), "ingen kender mig"));
    QTest::newRow("missing file") << dir + "\\createShortcut.vbs" << ShellFejl::kFilIkkeFundet;
    QTest::newRow("no associated program")
        << dir + "\\data.klokkeven-ukendt" << ShellFejl::kIngenAssociation;
}

void TestShell::openReportsWhyNothingRan()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    SystemShell shell;
    QCOMPARE(shell.open(file, {QStringLiteral("a"), QStringLiteral("b")}), code);
}

void TestShell::openRunsTheFileWithTheQuotedParameters()
{
    const QString script = QDir::toNativeSeparators(m_tmp.filePath("skriv args.cmd"));
    const QString out = QDir::toNativeSeparators(m_tmp.filePath("args ud.txt"));
    // %~1 is the first parameter without its quotes.
    QVERIFY(putFile(script, "@echo off\r\n"
                            "echo %~1>\"%~2.tmp\"\r\n"
                            "move /y \"%~2.tmp\" \"%~2\" >nul\r\n"));
    SystemShell shell;
    const QString program = QStringLiteral("C:\\Program Files\\Klokkeven\\klokkeven.exe");
    const int code = shell.open(script, {program, out});
    QVERIFY2(code > kHoejesteFejlkode, qPrintable(QString::number(code)));
    // It ran on its own: the result comes when the script has written it.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(out), 30000);
    QCOMPARE(QString::fromLocal8Bit(fileContents(out)).trimmed(), program);
}

void TestShell::startupFolderIsTheUsersStartupFolder()
{
    SystemShell shell;
    const QString folder = shell.startupFolder();
    QVERIFY(!folder.isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
    // Windows itself writes "Startup", Wine "StartUp"; the file system ignores case.
    QVERIFY2(
        folder.endsWith(QStringLiteral("\\Start Menu\\Programs\\Startup"), Qt::CaseInsensitive),
        qPrintable(folder));
}

void TestShell::shortcutScriptMakesTheShortcut()
{
    // The script the installation ships, run the way the program runs it.
    const QString script =
        QDir::toNativeSeparators(QStringLiteral(KLOKKEVEN_STRUKTUR_DIR "/createShortcut.vbs"));
    QVERIFY(QFileInfo::exists(script));
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString link = QDir::toNativeSeparators(m_tmp.filePath("urProgram.lnk"));
    SystemShell shell;
    const int code = shell.open(script, {program, link});
    QVERIFY2(code > kHoejesteFejlkode, qPrintable(ErrorInfo(code)));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).size() > 0, 30000);
    // A shell link starts with its header size and the link class's identifier.
    const QByteArray bytes = fileContents(link);
    QVERIFY(bytes.startsWith(QByteArray("\x4c\x00\x00\x00\x01\x14\x02\x00", 8)));
}
#else
void TestShell::openReportsWhyNothingRan_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    const QString dir = m_tmp.path();
    QVERIFY(putScript(dir + "/ikke-koerbar.sh", "#!/bin/sh\nexit 0\n", false));
    // Marked as a program, but neither a program nor a script.
    QVERIFY(putScript(dir + "/vrøvl", QByteArray("\x7f\x45\x4c\x46garbage", 11)));
    QVERIFY(putScript(dir + "/uden-fortolker.sh", "#!/findes/ikke/sh\nexit 0\n"));
    QVERIFY(QDir().mkpath(dir + "/mappe"));
    QTest::newRow("missing folder")
        << dir + "/findes-ikke/createShortcut.sh" << ShellFejl::kStiIkkeFundet;
    QTest::newRow("missing file") << dir + "/createShortcut.sh" << ShellFejl::kFilIkkeFundet;
    QTest::newRow("not executable") << dir + "/ikke-koerbar.sh" << ShellFejl::kIngenAssociation;
    QTest::newRow("a folder") << dir + "/mappe" << ShellFejl::kIngenAssociation;
    QTest::newRow("no program format") << dir + "/vrøvl" << ShellFejl::kUgyldigProgram;
    QTest::newRow("interpreter missing") << dir + "/uden-fortolker.sh" << ShellFejl::kFilIkkeFundet;
}

void TestShell::openReportsWhyNothingRan()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    SystemShell shell;
    QCOMPARE(shell.open(file, {"a", "b"}), code);
}

void TestShell::openRunsTheFileWithTheQuotedParameters()
{
    const QString script = m_tmp.filePath("skriv args.sh");
    const QString out = m_tmp.filePath("args.txt");
    QVERIFY(putScript(script, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$2\" > \"$2.tmp\"\n"
                              "mv \"$2.tmp\" \"$2\"\n"));
    SystemShell shell;
    // Spaces, double quotes, a backslash and a dollar reach the script unchanged.
    const QString program = QStringLiteral("/opt/mit \"program\" \\ $HOME/klokkeven");
    const int code = shell.open(script, {program, out});
    QVERIFY2(code > kHoejesteFejlkode, qPrintable(QString::number(code)));
    // It ran on its own: the result comes when the script has written it.
    QTRY_VERIFY(QFileInfo::exists(out));
    QCOMPARE(QString::fromUtf8(fileContents(out)), "2\n" + program + "\n" + out + "\n");
}

void TestShell::startupFolderIsTheXdgAutostartFolder()
{
    const QString config = m_tmp.filePath("config-xdg");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    SystemShell shell;
    // Missing at first: the freedesktop rules say it is made.
    QCOMPARE(shell.startupFolder(), config + "/autostart");
    QVERIFY(QFileInfo(config + "/autostart").isDir());
    QCOMPARE(shell.startupFolder(), config + "/autostart");
}

void TestShell::startupFolderUnderHomeWithoutAnAbsoluteXdgConfigHome_data()
{
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::newRow("unset") << QByteArray();
    QTest::newRow("relative") << QByteArrayLiteral("relativ/config");
}

void TestShell::startupFolderUnderHomeWithoutAnAbsoluteXdgConfigHome()
{
    QFETCH(QByteArray, xdgConfigHome);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    if (xdgConfigHome.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    SystemShell shell;
    const QString folder = shell.startupFolder();
    qputenv("HOME", oldHome);
    QCOMPARE(folder, home.path() + "/.config/autostart");
    QVERIFY(QFileInfo(folder).isDir());
}

void TestShell::startupFolderThatCannotBeMadeIsEmpty()
{
    const QString config = m_tmp.filePath("config-fil");
    // A file where the folder should be.
    QVERIFY(putFile(config + "/autostart", "ikke en mappe"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    SystemShell shell;
    QCOMPARE(shell.startupFolder(), QString());
}
#endif

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
