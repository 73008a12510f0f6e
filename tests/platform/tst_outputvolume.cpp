#include "platform/OutputVolume.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {

QString pactl(const QStringList &argumenter, bool *ok = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), argumenter);
    const bool faerdig = p.waitForFinished(10000);
    if (ok)
        *ok = faerdig && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

// The sound server's own answer on whether its output is muted or at nothing,
// asked of a null sink of the test's own so that other tests' sound is left be.
class TestOutputVolume : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void mutedOrAtZeroIsSilent_data();
    void mutedOrAtZeroIsSilent();
    void noServerNoAnswer();

private:
    QByteArray m_sink;
    QString m_modul;
};

void TestOutputVolume::initTestCase()
{
    if (!SystemOutputVolume().silent())
        QSKIP("No PulseAudio server answers; scripts/test.sh starts one with a null sink.");
    m_sink = "klokkeven_tst_" + QByteArray::number(QCoreApplication::applicationPid());
    bool ok = false;
    m_modul = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                     QStringLiteral("sink_name=") + QString::fromLatin1(m_sink)},
                    &ok);
    QVERIFY2(ok, "pactl could not load a null sink");
}

void TestOutputVolume::cleanupTestCase()
{
    if (!m_modul.isEmpty())
        pactl({QStringLiteral("unload-module"), m_modul});
}

void TestOutputVolume::mutedOrAtZeroIsSilent_data()
{
    QTest::addColumn<QString>("mute");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("silent");
    QTest::newRow("heard") << "0"
                           << "100%" << false;
    QTest::newRow("low but heard") << "0"
                                   << "1%" << false;
    QTest::newRow("muted") << "1"
                           << "100%" << true;
    QTest::newRow("volume 0") << "0"
                              << "0" << true;
    QTest::newRow("muted at 0") << "1"
                                << "0" << true;
}

void TestOutputVolume::mutedOrAtZeroIsSilent()
{
    QFETCH(QString, mute);
    QFETCH(QString, volume);
    QFETCH(bool, silent);
    const QString sink = QString::fromLatin1(m_sink);
    bool ok = false;
    pactl({QStringLiteral("set-sink-mute"), sink, mute}, &ok);
    QVERIFY(ok);
    pactl({QStringLiteral("set-sink-volume"), sink, volume}, &ok);
    QVERIFY(ok);
    QCOMPARE(SystemOutputVolume(m_sink).silent(), std::optional<bool>(silent));
}

void TestOutputVolume::noServerNoAnswer()
{
    // A sink that is not there, and a server that is not there, answer nothing.
    QCOMPARE(SystemOutputVolume("klokkeven_ingen_sink").silent(), std::nullopt);
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/klokkeven-native");
    const std::optional<bool> svar = SystemOutputVolume().silent();
    if (server.isEmpty())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", server);
    QCOMPARE(svar, std::nullopt);
}

QTEST_GUILESS_MAIN(TestOutputVolume)
#include "tst_outputvolume.moc"
