#include "TestFiles.h"
#include "WaveBytes.h"
#include "platform/WaveOut.h"
#include "platform/WaveOutPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace WaveBytes;

namespace {

// What the fake output was asked to do; the test keeps it after the player took the output.
struct OutputLog
{
    bool refuseOpen = false;
    int refuseWritesAfter = -1; // the number of blocks taken before it refuses; -1 never
    bool open = false;
    int opens = 0;
    int sampleRate = 0;
    int channels = 0;
    QByteArray written; // every block ever written, in order
    int blocksWritten = 0;
    int unplayed = 0; // blocks written and not yet played
    QList<double> volumes;

    // The output's thread plays everything that is queued.
    void playAll() { unplayed = 0; }
};

class FakeWaveOut final : public WaveOut
{
public:
    explicit FakeWaveOut(std::shared_ptr<OutputLog> log) : m_log(std::move(log)) {}

    bool open(int sampleRate, int channels) override
    {
        if (m_log->refuseOpen)
            return false;
        m_log->open = true;
        ++m_log->opens;
        m_log->sampleRate = sampleRate;
        m_log->channels = channels;
        return true;
    }
    bool write(QByteArray block) override
    {
        if (!m_log->open)
            return false;
        if (m_log->refuseWritesAfter >= 0 && m_log->blocksWritten >= m_log->refuseWritesAfter)
            return false;
        m_log->written += block;
        ++m_log->blocksWritten;
        ++m_log->unplayed;
        return true;
    }
    int queued() override { return m_log->unplayed; }
    void close() override
    {
        m_log->open = false;
        m_log->unplayed = 0;
    }
    void setVolume(double volume) override { m_log->volumes.append(volume); }

private:
    std::shared_ptr<OutputLog> m_log;
};

constexpr int rate = 8000;

// A ramp, so that a repetition cut short or out of order shows in the bytes.
QList<float> ramp(int frames)
{
    QList<float> samples;
    for (int i = 0; i < frames; ++i)
        samples.append(float(i % 200) / 400.0f);
    return samples;
}

QByteArray int16(const QList<float> &samples)
{
    QByteArray bytes;
    for (float s : samples)
        bytes += le16(int(std::lround(s * 32767)));
    return bytes;
}

QByteArray gap(int channels)
{
    return QByteArray(qsizetype(rate) * WaveOutPlayer::gapMilliseconds / 1000 * 2 * channels, '\0');
}

} // namespace

class TestWaveOutPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void playsTheWholeSoundTheSetNumberOfTimes_data();
    void playsTheWholeSoundTheSetNumberOfTimes();
    void keepsOnlyAFewBlocksQueuedAhead();
    void stopSilencesAtOnceAndFinishesOnce();
    void aNewPlayReplacesTheOldWithoutItsFinished();
    void nothingToPlayStillFinishesFromTheEventLoop_data();
    void nothingToPlayStillFinishesFromTheEventLoop();
    void aMissingFilePlaysTheAlertSoundWhenAsked();
    void anOutputThatRefusesEndsThePlay_data();
    void anOutputThatRefusesEndsThePlay();
    void volumeIsClampedAndReachesTheOutput();

private:
    // Plays everything the player queues until it finishes; false after the timeout.
    bool playToTheEnd(QSignalSpy &finished, int timeoutMs = 5000);

    QTemporaryDir m_tmp;
    std::shared_ptr<OutputLog> m_log;
    std::unique_ptr<WaveOutPlayer> m_player;
};

void TestWaveOutPlayer::init()
{
    m_log = std::make_shared<OutputLog>();
    m_player = std::make_unique<WaveOutPlayer>(std::make_unique<FakeWaveOut>(m_log));
}

bool TestWaveOutPlayer::playToTheEnd(QSignalSpy &finished, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (finished.isEmpty() && timer.elapsed() < timeoutMs) {
        m_log->playAll();
        QTest::qWait(5);
    }
    return !finished.isEmpty();
}

void TestWaveOutPlayer::playsTheWholeSoundTheSetNumberOfTimes_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("frames");
    QTest::newRow("once") << 1 << 1 << 3000;
    QTest::newRow("three times") << 3 << 1 << 3000;
    QTest::newRow("stereo twice") << 2 << 2 << 2500;
    // Shorter than one block, and longer than all blocks queued ahead together.
    QTest::newRow("tiny sound four times") << 4 << 1 << 7;
    QTest::newRow("long sound twice") << 2 << 1 << rate * 3;
}

void TestWaveOutPlayer::playsTheWholeSoundTheSetNumberOfTimes()
{
    QFETCH(int, times);
    QFETCH(int, channels);
    QFETCH(int, frames);
    const QList<float> samples = ramp(frames * channels);
    const QString path = m_tmp.filePath(QStringLiteral("lyd.wav"));
    QVERIFY(putFile(path, pcm16(samples, rate, channels)));

    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);
    m_player->play(path, times, false);
    QVERIFY(m_player->isPlaying());
    QCOMPARE(m_log->sampleRate, rate);
    QCOMPARE(m_log->channels, channels);
    // Nothing is over while the output still holds sound to play.
    QTest::qWait(3 * WaveOutPlayer::pollMilliseconds);
    QVERIFY(finished.isEmpty());
    QVERIFY(m_player->isPlaying());
    QVERIFY(playToTheEnd(finished));

    QByteArray expected;
    for (int n = 0; n < times; ++n)
        expected += (n > 0 ? gap(channels) : QByteArray()) + int16(samples);
    QCOMPARE(m_log->written.size(), expected.size());
    QVERIFY(m_log->written == expected);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!m_player->isPlaying());
    QVERIFY(!m_log->open);
    QCOMPARE(m_log->opens, 1);
}

void TestWaveOutPlayer::keepsOnlyAFewBlocksQueuedAhead()
{
    const QString path = m_tmp.filePath(QStringLiteral("lang.wav"));
    QVERIFY(putFile(path, pcm16(ramp(rate * 10), rate, 1)));
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);

    // An output that plays nothing: play() returns at once all the same, and the
    // player does not pile the whole sound up in front of it.
    m_player->play(path, 5, false);
    QTest::qWait(10 * WaveOutPlayer::pollMilliseconds);
    QCOMPARE(m_log->blocksWritten, WaveOutPlayer::blocksAhead);
    QVERIFY(m_player->isPlaying());
    QVERIFY(finished.isEmpty());

    // The output plays one block: the player tops the queue up again.
    --m_log->unplayed;
    QTRY_COMPARE(m_log->blocksWritten, WaveOutPlayer::blocksAhead + 1);
    QCOMPARE(m_log->unplayed, WaveOutPlayer::blocksAhead);
    // Each block holds a tenth of a second.
    QCOMPARE(m_log->written.size(), qsizetype(WaveOutPlayer::blocksAhead + 1) * rate * 2 *
                                        WaveOutPlayer::blockMilliseconds / 1000);
}

void TestWaveOutPlayer::stopSilencesAtOnceAndFinishesOnce()
{
    const QString path = m_tmp.filePath(QStringLiteral("lang.wav"));
    QVERIFY(putFile(path, pcm16(ramp(rate * 10), rate, 1)));
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);

    m_player->play(path, 3, false);
    m_log->playAll();
    QTest::qWait(3 * WaveOutPlayer::pollMilliseconds);
    QVERIFY(m_log->open);
    m_player->stop();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!m_log->open);
    QCOMPARE(m_log->unplayed, 0);
    QVERIFY(!m_player->isPlaying());

    // Nothing more is written, and a second stop has nothing to end.
    const int blocks = m_log->blocksWritten;
    m_log->playAll();
    QTest::qWait(5 * WaveOutPlayer::pollMilliseconds);
    m_player->stop();
    QCOMPARE(m_log->blocksWritten, blocks);
    QCOMPARE(finished.size(), 1);
}

void TestWaveOutPlayer::aNewPlayReplacesTheOldWithoutItsFinished()
{
    const QString lang = m_tmp.filePath(QStringLiteral("lang.wav"));
    const QString kort = m_tmp.filePath(QStringLiteral("kort.wav"));
    QVERIFY(putFile(lang, pcm16(ramp(rate * 10), rate, 1)));
    const QList<float> kortLyd = ramp(500);
    QVERIFY(putFile(kort, pcm16(kortLyd, rate, 1)));
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);

    m_player->play(lang, 1, false);
    QCOMPARE(m_log->opens, 1);
    const qsizetype before = m_log->written.size();
    m_player->play(kort, 1, false);
    QCOMPARE(m_log->opens, 2);
    QVERIFY(finished.isEmpty());
    QVERIFY(playToTheEnd(finished));
    QCOMPARE(finished.size(), 1);
    QVERIFY(m_log->written.mid(before) == int16(kortLyd));
}

void TestWaveOutPlayer::nothingToPlayStillFinishesFromTheEventLoop_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("zero times") << 0 << true;
    QTest::newRow("negative times") << -2 << true;
    QTest::newRow("missing file, no alert sound") << 2 << false;
}

void TestWaveOutPlayer::nothingToPlayStillFinishesFromTheEventLoop()
{
    QFETCH(int, times);
    QFETCH(bool, fileExists);
    const QString path = m_tmp.filePath(QStringLiteral("lyd.wav"));
    if (fileExists)
        QVERIFY(putFile(path, pcm16(ramp(100), rate, 1)));
    else
        QFile::remove(path);
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);

    if (!fileExists)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot play")));
    m_player->play(path, times, false);
    QVERIFY(finished.isEmpty());
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(m_log->opens, 0);
    QVERIFY(m_log->written.isEmpty());
}

void TestWaveOutPlayer::aMissingFilePlaysTheAlertSoundWhenAsked()
{
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot play")));
    m_player->play(m_tmp.filePath(QStringLiteral("findes-ikke.wav")), 2, true);
    QVERIFY(playToTheEnd(finished));
    QCOMPARE(finished.size(), 1);
    // Two repetitions of a sound that is not silence.
    QCOMPARE(m_log->opens, 1);
    const qsizetype gapBytes =
        qsizetype(m_log->sampleRate) * WaveOutPlayer::gapMilliseconds / 1000 * 2;
    const qsizetype once = (m_log->written.size() - gapBytes) / 2;
    QVERIFY(once > 0);
    QVERIFY(m_log->written.left(once) == m_log->written.right(once));
    QVERIFY(m_log->written.left(once).count('\0') < once);
}

void TestWaveOutPlayer::anOutputThatRefusesEndsThePlay_data()
{
    QTest::addColumn<bool>("refuseOpen");
    QTest::addColumn<int>("refuseWritesAfter");
    QTest::newRow("no output") << true << -1;
    QTest::newRow("refuses the first block") << false << 0;
    QTest::newRow("refuses in the middle") << false << 6;
}

void TestWaveOutPlayer::anOutputThatRefusesEndsThePlay()
{
    QFETCH(bool, refuseOpen);
    QFETCH(int, refuseWritesAfter);
    m_log->refuseOpen = refuseOpen;
    m_log->refuseWritesAfter = refuseWritesAfter;
    const QString path = m_tmp.filePath(QStringLiteral("lyd.wav"));
    QVERIFY(putFile(path, pcm16(ramp(rate * 2), rate, 1)));
    QSignalSpy finished(m_player.get(), &SoundPlayer::finished);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^The sound output")));
    m_player->play(path, 2, true);
    QVERIFY(playToTheEnd(finished));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!m_log->open);
    QVERIFY(!m_player->isPlaying());
}

void TestWaveOutPlayer::volumeIsClampedAndReachesTheOutput()
{
    const QString path = m_tmp.filePath(QStringLiteral("lang.wav"));
    QVERIFY(putFile(path, pcm16(ramp(rate * 10), rate, 1)));

    m_player->setVolume(1.7);
    QCOMPARE(m_player->volume(), 1.0);
    m_player->setVolume(0.25);
    QVERIFY(m_log->volumes.isEmpty()); // no output is open yet
    m_player->play(path, 1, false);
    QCOMPARE(m_log->volumes, QList<double>{0.25});
    m_player->setVolume(-0.5);
    QCOMPARE(m_player->volume(), 0.0);
    QCOMPARE(m_log->volumes, (QList<double>{0.25, 0.0}));
}

QTEST_GUILESS_MAIN(TestWaveOutPlayer)
#include "tst_waveoutplayer.moc"
