#include "RunningProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The installation as "cmake --install" makes it, in a prefix of its own.
class TestInstalledProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installsTheProgramItsDataAndItsDesktopFiles_data();
    void installsTheProgramItsDataAndItsDesktopFiles();
    void desktopEntryIsValid();
    void metainfoIsValid();
    void noWindowsScriptOnThisPlatform();
    void debianPackagePassesLintian();
    void installedProgramAnswersOnTheTerminal_data();
    void installedProgramAnswersOnTheTerminal();
    void installedProgramFindsItsSharedData();

private:
    // Runs a program to its end; its output, or a failure.
    static QByteArray run(const QString &program, const QStringList &arguments,
                          int expectedExit = 0);

    QTemporaryDir m_prefix;
};

QByteArray TestInstalledProgram::run(const QString &program, const QStringList &arguments,
                                     int expectedExit)
{
    QProcess process;
    // The answers come on a terminal without a display; only an argument
    // the program refuses needs the toolkit to be started.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(display));
    if (expectedExit != 0)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        qWarning("%s did not run: %s", qPrintable(program), qPrintable(process.errorString()));
        return QByteArray("did not run");
    }
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != expectedExit) {
        qWarning("%s %s: exit %d\n%s", qPrintable(program), qPrintable(arguments.join(' ')),
                 process.exitCode(), output.constData());
        return QByteArray("failed");
    }
    return output;
}

void TestInstalledProgram::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const QByteArray output = run(QStringLiteral(KLOKKEVEN_CMAKE),
                                  {"--install", KLOKKEVEN_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(output != "failed" && output != "did not run", output.constData());
}

void TestInstalledProgram::installsTheProgramItsDataAndItsDesktopFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program on the PATH") << "bin/klokkeven" << true;
    QTest::newRow("sounds") << "share/klokkeven/Alarmlydfiler/DingDong.wav" << false;
    QTest::newRow("shortcut script") << "share/klokkeven/Struktur/createShortcut.sh" << true;
    QTest::newRow("desktop entry") << "share/applications/dk.klokkeven.Klokkeven.desktop" << false;
    QTest::newRow("icon") << "share/icons/hicolor/scalable/apps/dk.klokkeven.Klokkeven.svg"
                          << false;
    QTest::newRow("metainfo") << "share/metainfo/dk.klokkeven.Klokkeven.metainfo.xml" << false;
    QTest::newRow("manual page") << "share/man/man1/klokkeven.1.gz" << false;
    QTest::newRow("copyright") << "share/doc/klokkeven/copyright" << false;
    QTest::newRow("change log") << "share/doc/klokkeven/changelog.gz" << false;
}

void TestInstalledProgram::installsTheProgramItsDataAndItsDesktopFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(m_prefix.filePath(path));
    QVERIFY2(info.isFile(), qPrintable(path));
    QCOMPARE(info.isExecutable(), executable);
}

void TestInstalledProgram::desktopEntryIsValid()
{
    const QByteArray output =
        run(QStringLiteral("desktop-file-validate"),
            {m_prefix.filePath("share/applications/dk.klokkeven.Klokkeven.desktop")});
    // Warnings and hints count as faults too.
    QVERIFY2(output.isEmpty(), output.constData());
}

void TestInstalledProgram::metainfoIsValid()
{
    const QByteArray output =
        run(QStringLiteral("appstream-util"),
            {"validate-relax", "--nonet",
             m_prefix.filePath("share/metainfo/dk.klokkeven.Klokkeven.metainfo.xml")});
    QVERIFY2(output.contains(": OK"), output.constData());
    // The stricter validator of the software centres, with its own rules.
    const QByteArray strict =
        run(QStringLiteral("appstreamcli"),
            {"validate", "--no-net", "--pedantic",
             m_prefix.filePath("share/metainfo/dk.klokkeven.Klokkeven.metainfo.xml")});
    QVERIFY2(strict != "failed" && strict != "did not run", strict.constData());
    const QByteArray content = [&] {
        QFile file(m_prefix.filePath("share/metainfo/dk.klokkeven.Klokkeven.metainfo.xml"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    for (const char *element : {"<project_license>", "<url type=\"homepage\">", "<screenshot "})
        QVERIFY2(content.contains(element), element);
}

void TestInstalledProgram::noWindowsScriptOnThisPlatform()
{
    QVERIFY(QFileInfo::exists(m_prefix.filePath("share/klokkeven/Struktur/createShortcut.sh")));
    QVERIFY(!QFileInfo::exists(m_prefix.filePath("share/klokkeven/Struktur/createShortcut.vbs")));
}

void TestInstalledProgram::debianPackagePassesLintian()
{
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QSKIP("lintian and dpkg-dev are not installed: the Debian package is not checked");
    QTemporaryDir packages;
    QVERIFY(packages.isValid());
    const QString cpack = QFileInfo(QStringLiteral(KLOKKEVEN_CMAKE)).dir().filePath("cpack");
    const QByteArray made = run(cpack, {"-G", "DEB", "-B", packages.path(), "--config",
                                        KLOKKEVEN_BUILD_DIR "/CPackConfig.cmake"});
    QVERIFY2(made != "failed" && made != "did not run", made.constData());
    const QStringList debs = QDir(packages.path()).entryList({"klokkeven_*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = packages.filePath(debs.first());

    // Errors fail; warnings are reported in the output.
    QProcess lintian;
    lintian.start(QStringLiteral("lintian"), {"--fail-on", "error", deb});
    QVERIFY(lintian.waitForFinished(300000));
    const QByteArray report = lintian.readAllStandardOutput() + lintian.readAllStandardError();
    QVERIFY2(lintian.exitStatus() == QProcess::NormalExit && lintian.exitCode() == 0,
             report.constData());
    if (!report.isEmpty())
        qInfo("lintian:\n%s", report.constData());

    const QByteArray contents = run(QStringLiteral("dpkg-deb"), {"--contents", deb});
    QVERIFY(contents.contains("./usr/share/man/man1/klokkeven.1.gz"));
    QVERIFY(!contents.contains("createShortcut.vbs"));
    const QByteArray depends = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"});
    for (const char *pakke : {"qt6-translations-l10n", "fonts-liberation"})
        QVERIFY2(depends.contains(pakke), depends.constData());
}

void TestInstalledProgram::installedProgramAnswersOnTheTerminal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("answer");
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("Klokkeven " KLOKKEVEN_VERSION "\n");
    QTest::newRow("--help") << QStringList{"--help"} << 0
                            << QStringLiteral("Brug: klokkeven [--help | --version]");
    QTest::newRow("anything else")
        << QStringList{"--data", "x"} << 2 << QStringLiteral("klokkeven: ukendt argument: --data");
}

void TestInstalledProgram::installedProgramAnswersOnTheTerminal()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QString, answer);
    const QByteArray output = run(m_prefix.filePath("bin/klokkeven"), arguments, exit);
    QVERIFY2(QString::fromUtf8(output).contains(answer), output.constData());
}

void TestInstalledProgram::installedProgramFindsItsSharedData()
{
    // A first start in a fresh home, as from the desktop's menu: the program
    // takes the sounds, the information pages and the welcome document from
    // where it was installed into its data folder.
    QTemporaryDir home;
    const QString urmappe = home.filePath("Urmappe");
    const QStringList shared{"Alarmlydfiler/DingDong.wav", "Struktur/Klokkeven/struktur.txt",
                             "Struktur/createShortcut.sh", "Velkommen.rtf"};
    RunningProgram program(m_prefix.filePath("bin/klokkeven"), home.path(),
                           QStringLiteral("offscreen"), QProcess::ForwardedChannels);
    const auto allThere = [&] {
        for (const QString &item : shared)
            if (!QFileInfo(urmappe + "/" + item).isFile())
                return false;
        return true;
    };
    program.waitUntil(allThere, 60000);
    for (const QString &item : shared)
        QVERIFY2(QFileInfo(urmappe + "/" + item).isFile(), qPrintable(item));
    QCOMPARE(QFileInfo(urmappe + "/Struktur/createShortcut.sh").isExecutable(), true);
    QVERIFY(program.running());
    QVERIFY(program.endWith(SIGTERM, 30000));
}

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "tst_installedprogram.moc"
