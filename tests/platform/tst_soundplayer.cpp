#include "WaveBytes.h"
#include "platform/WaveSoundPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

using namespace WaveBytes;

namespace {

constexpr int recordRate = 22050;
constexpr int windowFrames = recordRate / 100; // 10 ms

bool soundServerAnswers()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

// A PulseAudio daemon with a null sink of this test's own, so that the recordings hold the
// player's sound alone, not what other programs or other test runs play at the same time.
// The player and the recorder find it through PULSE_SERVER, set before either connects.
class PrivateSoundServer
{
public:
    ~PrivateSoundServer()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(2000))
            m_daemon.kill();
        m_daemon.waitForFinished(2000);
    }

    // True once the daemon answers.
    bool start()
    {
        for (const char *program : {"pulseaudio", "pactl", "parec"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
                return false;
        }
        if (!m_dir.isValid())
            return false;
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path());
        environment.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.path());
        m_daemon.setProcessEnvironment(environment);
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                        QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                        QStringLiteral("--log-level=error"),
                        QStringLiteral("--load=module-null-sink"),
                        QStringLiteral("--load=module-native-protocol-unix socket=") + socket});
        if (!m_daemon.waitForStarted(5000))
            return false;
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            if (soundServerAnswers())
                return true;
            QThread::msleep(100);
        }
        return false;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};

// Skips a test that must hear the sound when there is no sound server to record from;
// otherwise starts a fresh recording.
#define REQUIRE_RECORDING()                                                                        \
    do {                                                                                           \
        if (!m_recorder)                                                                           \
            QSKIP("No PulseAudio server of the test's own could be started (pulseaudio, pactl or " \
                  "parec is missing, or the daemon did not answer): the sound is not heard.");     \
        QVERIFY(m_recorder->restart());                                                            \
    } while (false)

struct Burst
{
    int startMs;
    int endMs;
};

// Records what the sound server plays, from the monitor of its default sink. One recorder
// runs for the whole test: the null sink may take up to two seconds to serve a new recording.
class Recorder
{
public:
    Recorder()
    {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                       QStringLiteral("--rate=%1").arg(recordRate),
                       QStringLiteral("--latency-msec=20")});
    }

    ~Recorder()
    {
        m_parec.kill();
        m_parec.waitForFinished(2000);
    }

    // Forgets what was recorded so far; true once samples flow, so that nothing played
    // after this is missed.
    bool restart()
    {
        QElapsedTimer timer;
        timer.start();
        m_bytes.clear();
        while (timer.elapsed() < 5000) {
            m_parec.waitForReadyRead(50);
            m_bytes += m_parec.readAllStandardOutput();
            if (m_bytes.size() >= 2 * windowFrames) {
                m_bytes.clear();
                return true;
            }
        }
        return false;
    }

    // Goes on recording, with the event loop running, for `ms` milliseconds.
    void keepRecording(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QTest::qWait(10);
            m_bytes += m_parec.readAllStandardOutput();
        }
    }

    // Loud or not, per 10 ms of the recording so far.
    QList<bool> loudWindows()
    {
        m_bytes += m_parec.readAllStandardOutput();
        QList<bool> loud;
        const auto *samples = reinterpret_cast<const qint16 *>(m_bytes.constData());
        const qsizetype count = m_bytes.size() / 2;
        for (qsizetype start = 0; start + windowFrames <= count; start += windowFrames) {
            double squares = 0;
            for (int i = 0; i < windowFrames; ++i)
                squares += double(samples[start + i]) * samples[start + i];
            loud.append(std::sqrt(squares / windowFrames) / 32768.0 > 0.01);
        }
        return loud;
    }

    // Runs of sound separated by at least 50 ms of silence, in milliseconds of the recording.
    QList<Burst> bursts()
    {
        QList<Burst> found;
        const QList<bool> loud = loudWindows();
        int quiet = 1000;
        for (int i = 0; i < loud.size(); ++i) {
            if (!loud[i]) {
                ++quiet;
                continue;
            }
            if (quiet >= 5)
                found.append({10 * i, 10 * (i + 1)});
            else
                found.last().endMs = 10 * (i + 1);
            quiet = 0;
        }
        return found;
    }

    int loudMilliseconds()
    {
        const QList<bool> loud = loudWindows();
        return int(10 * std::count(loud.begin(), loud.end(), true));
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

// A tone of `toneSeconds` followed by `silenceSeconds` of silence, as float samples.
QList<float> tone(int rate, int channels, double toneSeconds, double silenceSeconds)
{
    QList<float> samples;
    const int toneFrames = int(rate * toneSeconds);
    const int fade = rate / 200;
    for (int f = 0; f < toneFrames; ++f) {
        const double envelope = std::min({1.0, double(f) / fade, double(toneFrames - f) / fade});
        const float s = float(0.5 * envelope * std::sin(2 * std::numbers::pi * 660 * f / rate));
        for (int c = 0; c < channels; ++c)
            samples.append(s);
    }
    samples.append(QList<float>(qsizetype(rate * silenceSeconds) * channels, 0.0f));
    return samples;
}

QByteArray waveOf(const QString &kind, const QList<float> &samples, int rate, int channels)
{
    if (kind == QLatin1String("pcm16"))
        return pcm16(samples, rate, channels);
    QByteArray data;
    if (kind == QLatin1String("pcm24")) {
        for (float s : samples)
            data += le32(quint32(std::lround(s * 8388607))).left(3);
        return riff(formatChunk(1, channels, rate, 24, 3 * channels) + chunk("data", data));
    }
    for (float s : samples) {
        const double value = s;
        quint64 raw;
        std::memcpy(&raw, &value, sizeof raw);
        data += le32(quint32(raw)) + le32(quint32(raw >> 32));
    }
    return riff(formatChunk(3, channels, rate, 64, 8 * channels) + chunk("data", data));
}

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void playsEachRepetitionInTurn_data();
    void playsEachRepetitionInTurn();
    void playsTheWholeSound_data();
    void playsTheWholeSound();
    void unplayableFile_data();
    void unplayableFile();
    void noRepetitionsPlaysNothing();
    void outlastsABusyGuiThread();
    void stopEndsTheSoundAtOnce();
    void newPlayReplacesTheSoundPlaying();
    void volumeZeroIsSilent();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    std::unique_ptr<PrivateSoundServer> m_server;
    std::unique_ptr<Recorder> m_recorder;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSoundPlayer::initTestCase()
{
    m_server = std::make_unique<PrivateSoundServer>();
    if (m_server->start())
        m_recorder = std::make_unique<Recorder>();
}

void TestSoundPlayer::cleanupTestCase()
{
    m_recorder.reset();
    m_server.reset();
}

void TestSoundPlayer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestSoundPlayer::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void TestSoundPlayer::playsEachRepetitionInTurn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("times");
    QTest::newRow("16-bit mono 22050 Hz, three times") << "pcm16" << 22050 << 1 << 3;
    QTest::newRow("24-bit stereo 48000 Hz, once") << "pcm24" << 48000 << 2 << 1;
    QTest::newRow("64-bit float mono 44100 Hz, twice") << "float64" << 44100 << 1 << 2;
}

void TestSoundPlayer::playsEachRepetitionInTurn()
{
    REQUIRE_RECORDING();
    QFETCH(QString, kind);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, times);
    const QString path =
        writeFile("lyd.wav", waveOf(kind, tone(rate, channels, 0.3, 0.2), rate, channels));

    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);

    QElapsedTimer elapsed;
    elapsed.start();
    player.play(path, times, false);
    // The call returns while the sound plays: the GUI thread is free.
    QVERIFY(player.isPlaying());
    QCOMPARE(finished.count(), 0);

    QVERIFY(finished.wait(10000));
    // Not before the last repetition has had its time.
    QVERIFY(elapsed.elapsed() >= times * 500 - 100);
    QVERIFY(!player.isPlaying());
    m_recorder->keepRecording(300);
    QCOMPARE(m_recorder->bursts().size(), times);
    QCOMPARE(finished.count(), 1);
}

void TestSoundPlayer::playsTheWholeSound_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("busy");
    // The sound server still holds well over a tenth of a second when the sink has handed
    // the last bytes over: a short sound is all in that tail.
    QTest::newRow("0.1 s, twice") << 0.1 << 2 << false;
    QTest::newRow("0.5 s, twice") << 0.5 << 2 << false;
    QTest::newRow("1 s, twice") << 1.0 << 2 << false;
    QTest::newRow("0.1 s, twice, busy machine") << 0.1 << 2 << true;
    QTest::newRow("0.5 s, twice, busy machine") << 0.5 << 2 << true;
}

void TestSoundPlayer::playsTheWholeSound()
{
    REQUIRE_RECORDING();
    QFETCH(double, seconds);
    QFETCH(int, times);
    QFETCH(bool, busy);
    // Loud to the last sample, so that any cut end is heard as a shorter tone.
    const QString path = writeFile("tone.wav", pcm16(tone(22050, 1, seconds, 0.0), 22050, 1));

    // A busy machine: every core spins while the sound plays.
    std::atomic<bool> stop = false;
    std::vector<std::thread> spinners;
    if (busy) {
        for (unsigned i = 0; i < std::max(2u, 2 * std::thread::hardware_concurrency()); ++i)
            spinners.emplace_back([&stop] {
                volatile quint64 n = 0;
                while (!stop.load(std::memory_order_relaxed))
                    n = n + 1;
            });
    }
    const auto stopSpinners = [&] {
        stop = true;
        for (std::thread &spinner : spinners)
            spinner.join();
        spinners.clear();
    };
    const auto onFailure = qScopeGuard(stopSpinners);

    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.play(path, times, false);
    QVERIFY(finished.wait(10000));
    // The player has let go of the sound; the recorder gets the machine back for the rest.
    stopSpinners();
    m_recorder->keepRecording(300);

    // A partly loud 10 ms window counts as loud, so a whole tone measures up to two
    // windows longer and a whole gap up to two windows shorter.
    constexpr int tolerance = 30;
    const int toneMs = int(std::lround(seconds * 1000));
    const QList<Burst> bursts = m_recorder->bursts();
    QStringList heard;
    for (const Burst &burst : bursts)
        heard.append(QStringLiteral("%1-%2 ms").arg(burst.startMs).arg(burst.endMs));
    const QByteArray report = "heard at " + heard.join(QStringLiteral(", ")).toUtf8();
    QVERIFY2(bursts.size() == times, report);
    for (int i = 0; i < bursts.size(); ++i) {
        const int length = bursts[i].endMs - bursts[i].startMs;
        QVERIFY2(std::abs(length - toneMs) <= tolerance, report);
        if (i > 0) {
            const int gap = bursts[i].startMs - bursts[i - 1].endMs;
            QVERIFY2(std::abs(gap - WaveSoundPlayer::gapMilliseconds) <= tolerance, report);
        }
    }
    QCOMPARE(finished.count(), 1);
}

void TestSoundPlayer::unplayableFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("defaultOnFailure");
    QTest::newRow("missing, silent") << "mangler.wav" << QByteArray() << false;
    QTest::newRow("text, silent") << "tekst.wav" << QByteArray("Ikke en lydfil\r\n") << false;
    QTest::newRow("missing, default sound") << "mangler.wav" << QByteArray() << true;
    QTest::newRow("damaged header, default sound")
        << "skadet.wav" << riff(chunk("fmt ", "kort")) << true;
}

void TestSoundPlayer::unplayableFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, defaultOnFailure);
    const QString path = bytes.isEmpty() ? m_dir->filePath(file) : writeFile(file, bytes);

    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    if (!defaultOnFailure) {
        player.play(path, 3, false);
        QVERIFY(!player.isPlaying());
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.count(), 1);
        return;
    }

    REQUIRE_RECORDING();
    player.play(path, 1, true);
    QVERIFY(player.isPlaying());
    QVERIFY(finished.wait(5000));
    m_recorder->keepRecording(200);
    QVERIFY(m_recorder->loudMilliseconds() > 100);
}

void TestSoundPlayer::noRepetitionsPlaysNothing()
{
    const QString path = writeFile("lyd.wav", pcm16(tone(22050, 1, 0.3, 0.0), 22050, 1));
    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);

    player.play(path, 0, true);
    QVERIFY(!player.isPlaying());
    // From the event loop, so a caller that connects after play() still hears of it.
    QCOMPARE(finished.count(), 0);
    QVERIFY(finished.wait(2000));

    player.play(path, -2, true);
    QVERIFY(finished.wait(2000));
    QCOMPARE(finished.count(), 2);
}

void TestSoundPlayer::outlastsABusyGuiThread()
{
    REQUIRE_RECORDING();
    const QString path = writeFile("lyd.wav", pcm16(tone(22050, 1, 0.3, 0.2), 22050, 1));
    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);

    player.play(path, 3, false);
    QTRY_VERIFY_WITH_TIMEOUT(m_recorder->loudMilliseconds() > 0, 3000);
    // The sound output runs dry while the thread is away; it must pick up again after.
    QThread::msleep(1200);
    QVERIFY(finished.wait(10000));
    m_recorder->keepRecording(300);
    QVERIFY(m_recorder->bursts().size() >= 3);
}

void TestSoundPlayer::stopEndsTheSoundAtOnce()
{
    REQUIRE_RECORDING();
    const QString path = writeFile("lang.wav", pcm16(tone(22050, 1, 1.0, 0.0), 22050, 1));
    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);

    player.play(path, 5, false);
    QTRY_VERIFY_WITH_TIMEOUT(m_recorder->loudMilliseconds() > 0, 3000);
    player.stop();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!player.isPlaying());

    m_recorder->keepRecording(500);
    // Five seconds of sound cut down to well under one repetition.
    QVERIFY(m_recorder->loudMilliseconds() < 600);
    QCOMPARE(finished.count(), 1);
    player.stop();
    QCOMPARE(finished.count(), 1);
}

void TestSoundPlayer::newPlayReplacesTheSoundPlaying()
{
    const QString longSound = writeFile("lang.wav", pcm16(tone(22050, 1, 2.0, 0.0), 22050, 1));
    const QString shortSound = writeFile("kort.wav", pcm16(tone(22050, 1, 0.2, 0.0), 22050, 1));
    WaveSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);

    player.play(longSound, 3, false);
    player.play(shortSound, 1, false);
    QVERIFY(finished.wait(3000));
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

void TestSoundPlayer::volumeZeroIsSilent()
{
    WaveSoundPlayer player;
    QCOMPARE(player.volume(), 1.0);
    player.setVolume(2.0);
    QCOMPARE(player.volume(), 1.0);
    player.setVolume(-1.0);
    QCOMPARE(player.volume(), 0.0);

    REQUIRE_RECORDING();
    const QString path = writeFile("lyd.wav", pcm16(tone(22050, 1, 0.3, 0.0), 22050, 1));
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.play(path, 2, false);
    QVERIFY(finished.wait(5000));
    m_recorder->keepRecording(200);
    QCOMPARE(m_recorder->loudMilliseconds(), 0);
}

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
