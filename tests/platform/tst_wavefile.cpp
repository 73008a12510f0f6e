#include "OddFiles.h"
#include "WaveBytes.h"
#include "platform/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

using namespace WaveBytes;

namespace {

QByteArray le24(int value)
{
    return le32(quint32(value)).left(3);
}

QByteArray floatBytes(float value)
{
    quint32 raw;
    std::memcpy(&raw, &value, sizeof raw);
    return le32(raw);
}

QByteArray doubleBytes(double value)
{
    quint64 raw;
    std::memcpy(&raw, &value, sizeof raw);
    return le32(quint32(raw)) + le32(quint32(raw >> 32));
}

// The IMA ADPCM encoder of the format's reference description. It keeps the
// decoder's state itself, so it knows exactly which samples a decoder must give.
constexpr std::array<int, 89> stepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 16> indexTable = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct ImaEncoder
{
    int predictor = 0;
    int index = 0;

    int encode(int sample)
    {
        const int step = stepTable[index];
        int diff = sample - predictor;
        int nibble = 0;
        if (diff < 0) {
            nibble = 8;
            diff = -diff;
        }
        int part = step;
        for (int mask = 4; mask; mask >>= 1, part >>= 1) {
            if (diff >= part) {
                nibble |= mask;
                diff -= part;
            }
        }
        int delta = step >> 3;
        if (nibble & 4)
            delta += step;
        if (nibble & 2)
            delta += step >> 1;
        if (nibble & 1)
            delta += step >> 2;
        predictor = std::clamp(nibble & 8 ? predictor - delta : predictor + delta, -32768, 32767);
        index = std::clamp(index + indexTable[nibble], 0, 88);
        return nibble;
    }
};

struct AdpcmFile
{
    QByteArray bytes;
    QList<float> original;
    QList<float> reconstructed;
};

// `blocks` blocks of `framesPerBlock` frames of a sine, 440 Hz on the left, 660 Hz on the right.
AdpcmFile adpcm(int channels, int blocks, int framesPerBlock)
{
    const int groups = (framesPerBlock - 1) / 8;
    const int blockAlign = 4 * channels + groups * 4 * channels;
    AdpcmFile file;
    QByteArray data;
    std::array<ImaEncoder, 2> encoders;
    int frame = 0;
    auto input = [&](int f, int c) {
        const double t = double(f) / 22050;
        return int(std::lround(20000 * std::sin(2 * std::numbers::pi * (440 + 220 * c) * t)));
    };
    for (int b = 0; b < blocks; ++b) {
        for (int c = 0; c < channels; ++c) {
            const int first = input(frame, c);
            encoders[c].predictor = first;
            data += le16(first) + QByteArray(1, char(encoders[c].index)) + QByteArray(1, '\0');
            file.original.append(float(first / 32768.0));
            file.reconstructed.append(float(first / 32768.0));
        }
        ++frame;
        for (int g = 0; g < groups; ++g) {
            QList<float> original(8 * channels), reconstructed(8 * channels);
            for (int c = 0; c < channels; ++c) {
                for (int i = 0; i < 8; i += 2) {
                    const int a = input(frame + i, c);
                    const int low = encoders[c].encode(a);
                    reconstructed[i * channels + c] = float(encoders[c].predictor / 32768.0);
                    const int b2 = input(frame + i + 1, c);
                    const int high = encoders[c].encode(b2);
                    reconstructed[(i + 1) * channels + c] = float(encoders[c].predictor / 32768.0);
                    original[i * channels + c] = float(a / 32768.0);
                    original[(i + 1) * channels + c] = float(b2 / 32768.0);
                    data.append(char(low | high << 4));
                }
            }
            frame += 8;
            file.original += original;
            file.reconstructed += reconstructed;
        }
    }
    const QByteArray extra = le16(framesPerBlock);
    file.bytes = riff(formatChunk(0x11, channels, 22050, 4, blockAlign, extra) +
                      chunk("fact", le32(quint32(frame))) + chunk("data", data));
    return file;
}

} // namespace

class TestWaveFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesEachFormat_data();
    void decodesEachFormat();
    void decodesImaAdpcm_data();
    void decodesImaAdpcm();
    void readsAsFarAsTheBytesGo_data();
    void readsAsFarAsTheBytesGo();
    void refusesDamagedInput_data();
    void refusesDamagedInput();
    void loadsFromDisk();
    void oddFileIsRefused_data();
    void oddFileIsRefused();
    void installedSounds_data();
    void installedSounds();
};

void TestWaveFile::decodesEachFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<float>>("expected");

    const QByteArray u8 = QByteArray("\x80\x00\xFF\xC0", 4);
    QTest::newRow("8-bit unsigned mono 11025")
        << riff(formatChunk(1, 1, 11025, 8, 1) + chunk("data", u8)) << 11025 << 1
        << QList<float>{0.0f, -1.0f, 127 / 128.0f, 0.5f};

    const QByteArray s16 = le16(0) + le16(32767) + le16(-32768) + le16(16384);
    QTest::newRow("16-bit stereo 44100")
        << riff(formatChunk(1, 2, 44100, 16, 4) + chunk("data", s16)) << 44100 << 2
        << QList<float>{0.0f, 32767 / 32768.0f, -1.0f, 0.5f};

    const QByteArray s24 = le24(0) + le24(0x7FFFFF) + le24(-0x800000) + le24(-1) + le24(0x200000);
    const QList<float> s24Expected{0.0f, 0x7FFFFF / 8388608.0f, -1.0f, -1 / 8388608.0f, 0.25f};
    QTest::newRow("24-bit mono 48000")
        << riff(formatChunk(1, 1, 48000, 24, 3) + chunk("data", s24)) << 48000 << 1 << s24Expected;

    const QByteArray s32 = le32(0) + le32(0x40000000) + le32(0x80000000) + le32(0xFFFFFFFF);
    QTest::newRow("32-bit stereo 96000")
        << riff(formatChunk(1, 2, 96000, 32, 8) + chunk("data", s32)) << 96000 << 2
        << QList<float>{0.0f, 0.5f, -1.0f, -1 / 2147483648.0f};

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const QByteArray f32 = floatBytes(0.25f) + floatBytes(-0.75f) + floatBytes(3.0f) +
                           floatBytes(-3.0f) + floatBytes(nan) + floatBytes(1.0f);
    QTest::newRow("32-bit float stereo, out of range clamped, NaN silent")
        << riff(formatChunk(3, 2, 22050, 32, 8) + chunk("data", f32)) << 22050 << 2
        << QList<float>{0.25f, -0.75f, 1.0f, -1.0f, 0.0f, 1.0f};

    const QByteArray f64 = doubleBytes(0.125) + doubleBytes(-0.5) + doubleBytes(0.999);
    QTest::newRow("64-bit float mono 44100")
        << riff(formatChunk(3, 1, 44100, 64, 8) + chunk("data", f64)) << 44100 << 1
        << QList<float>{0.125f, -0.5f, 0.999f};

    const QByteArray x24in32 = le32(0x40000000) + le32(0xC0000000);
    QTest::newRow("extensible 24 valid bits in 32-bit containers")
        << riff(extensibleFormatChunk(1, 1, 48000, 32, 24) + chunk("data", x24in32)) << 48000 << 1
        << QList<float>{0.5f, -0.5f};

    QTest::newRow("extensible 16-bit stereo")
        << riff(extensibleFormatChunk(1, 2, 44100, 16, 16) + chunk("data", s16)) << 44100 << 2
        << QList<float>{0.0f, 32767 / 32768.0f, -1.0f, 0.5f};

    QTest::newRow("extensible float mono")
        << riff(extensibleFormatChunk(3, 1, 32000, 32, 32) +
                chunk("data", floatBytes(-0.25f) + floatBytes(0.5f)))
        << 32000 << 1 << QList<float>{-0.25f, 0.5f};

    // G.711 reference values: A-law 0xD5 and 0x55 are the smallest steps, 0xAA the largest.
    QTest::newRow("A-law mono 8000")
        << riff(formatChunk(6, 1, 8000, 8, 1) + chunk("data", QByteArray("\xD5\x55\xAA\x2A", 4)))
        << 8000 << 1
        << QList<float>{8 / 32768.0f, -8 / 32768.0f, 32256 / 32768.0f, -32256 / 32768.0f};

    QTest::newRow("mu-law mono 8000")
        << riff(formatChunk(7, 1, 8000, 8, 1) + chunk("data", QByteArray("\xFF\x7F\x80\x00", 4)))
        << 8000 << 1 << QList<float>{0.0f, 0.0f, 32124 / 32768.0f, -32124 / 32768.0f};

    QTest::newRow("other chunks before and between, odd sizes padded")
        << riff(chunk("LIST", "INFOabc") + formatChunk(1, 1, 22050, 16, 2) + chunk("fact", "xyz") +
                chunk("data", le16(8192)))
        << 22050 << 1 << QList<float>{0.25f};
}

void TestWaveFile::decodesEachFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QList<float>, expected);

    QString error;
    const std::optional<WaveAudio> audio = WaveFile::decode(bytes, &error);
    QVERIFY2(audio, qPrintable(error));
    QCOMPARE(audio->sampleRate, rate);
    QCOMPARE(audio->channels, channels);
    QCOMPARE(audio->samples.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(audio->samples[i] - expected[i]) < 1e-6f,
                 qPrintable(QStringLiteral("sample %1: %2, expected %3")
                                .arg(i)
                                .arg(audio->samples[i])
                                .arg(expected[i])));
}

void TestWaveFile::decodesImaAdpcm_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("framesPerBlock");
    QTest::newRow("mono, 505 frames a block") << 1 << 505;
    QTest::newRow("stereo, 1017 frames a block") << 2 << 1017;
}

void TestWaveFile::decodesImaAdpcm()
{
    QFETCH(int, channels);
    QFETCH(int, framesPerBlock);
    const AdpcmFile file = adpcm(channels, 3, framesPerBlock);

    QString error;
    const std::optional<WaveAudio> audio = WaveFile::decode(file.bytes, &error);
    QVERIFY2(audio, qPrintable(error));
    QCOMPARE(audio->channels, channels);
    QCOMPARE(audio->frames(), 3 * framesPerBlock);
    QCOMPARE(audio->samples, file.reconstructed);
    // And the encoder did its part: after adapting its step size at the start, the sound is
    // still close to the sine that went in (a wrong decoder is off by
    // half the amplitude).
    double squares = 0;
    for (qsizetype i = 0; i < file.original.size(); ++i)
        squares += std::pow(audio->samples[i] - file.original[i], 2);
    QVERIFY(std::sqrt(squares / double(file.original.size())) < 0.05);
}

void TestWaveFile::readsAsFarAsTheBytesGo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<float>>("expected");

    const QByteArray fmt = formatChunk(1, 2, 22050, 16, 4);
    const QByteArray frames = le16(8192) + le16(-8192) + le16(16384) + le16(-16384);
    QTest::newRow("data size larger than the file") << riff(fmt + "data" + le32(1'000'000) + frames)
                                                    << QList<float>{0.25f, -0.25f, 0.5f, -0.5f};
    QTest::newRow("data size 0xFFFFFFFF from a streaming writer")
        << riff(fmt + "data" + le32(0xFFFFFFFF) + frames)
        << QList<float>{0.25f, -0.25f, 0.5f, -0.5f};
    QTest::newRow("half a frame at the end is dropped")
        << riff(fmt + chunk("data", frames + le16(100)))
        << QList<float>{0.25f, -0.25f, 0.5f, -0.5f};
    QByteArray wrongRiffSize = riff(fmt + chunk("data", frames));
    wrongRiffSize.replace(4, 4, le32(12));
    QTest::newRow("RIFF size too small")
        << wrongRiffSize << QList<float>{0.25f, -0.25f, 0.5f, -0.5f};
}

void TestWaveFile::readsAsFarAsTheBytesGo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<float>, expected);
    const std::optional<WaveAudio> audio = WaveFile::decode(bytes);
    QVERIFY(audio);
    QCOMPARE(audio->samples, expected);
}

void TestWaveFile::refusesDamagedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray data = chunk("data", le16(1000) + le16(-1000));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text file") << QByteArray("Dette er ikke en lydfil.\r\n");
    QTest::newRow("RIFF header cut short") << QByteArray("RIFF\x10\x00\x00\x00WA", 10);
    QTest::newRow("RIFF of another kind") << QByteArray("RIFF\x04\x00\x00\x00"
                                                        "AVI ",
                                                        12);
    QTest::newRow("no chunks") << riff({});
    QTest::newRow("no data chunk") << riff(formatChunk(1, 1, 22050, 16, 2));
    QTest::newRow("no format chunk") << riff(data);
    QTest::newRow("data before format") << riff(data + formatChunk(1, 1, 22050, 16, 2));
    QTest::newRow("format chunk too short") << riff(chunk("fmt ", le16(1) + le16(1)) + data);
    QTest::newRow("format chunk cut off by the file end")
        << riff(formatChunk(1, 1, 22050, 16, 2)).left(30);
    QTest::newRow("zero channels") << riff(formatChunk(1, 0, 22050, 16, 2) + data);
    QTest::newRow("sixty channels") << riff(formatChunk(1, 60, 22050, 16, 120) + data);
    QTest::newRow("rate zero") << riff(formatChunk(1, 1, 0, 16, 2) + data);
    QTest::newRow("zero bits") << riff(formatChunk(1, 1, 22050, 0, 2) + data);
    QTest::newRow("40-bit integers") << riff(formatChunk(1, 1, 22050, 40, 5) + data);
    QTest::newRow("16-bit float") << riff(formatChunk(3, 1, 22050, 16, 2) + data);
    QTest::newRow("MPEG layer 3") << riff(formatChunk(0x55, 1, 22050, 0, 1) + data);
    QTest::newRow("ADPCM blocks smaller than their header")
        << riff(formatChunk(0x11, 2, 22050, 4, 6, le16(1)) + data);
    QTest::newRow("extensible with an unknown sub-format")
        << riff(extensibleFormatChunk(1, 1, 22050, 16, 16).replace(34, 1, "\x77") + data);
    QTest::newRow("extensible without its extension")
        << riff(formatChunk(0xFFFE, 1, 22050, 16, 2) + data);
    QTest::newRow("empty data chunk") << riff(formatChunk(1, 1, 22050, 16, 2) + chunk("data", {}));
    QTest::newRow("less than one frame") << riff(formatChunk(1, 2, 22050, 24, 6) + data);
}

void TestWaveFile::refusesDamagedInput()
{
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(!WaveFile::decode(bytes, &error));
    QVERIFY(!error.isEmpty());
}

void TestWaveFile::loadsFromDisk()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("lyd.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pcm16({0.5f, -0.5f}, 22050, 1));
    file.close();

    const std::optional<WaveAudio> audio = WaveFile::load(path);
    QVERIFY(audio);
    QCOMPARE(audio->frames(), 2);

    QString error;
    QVERIFY(!WaveFile::load(tmp.filePath("mangler.wav"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!WaveFile::load(tmp.path(), &error));
}

void TestWaveFile::oddFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    // The odd files this platform has; "huge" stays below the decoder's own limit.
    for (const QString &kind : OddFiles::kinds()) {
        if (kind != u"huge")
            QTest::newRow(qPrintable(kind)) << kind;
    }
    QTest::newRow("over the limit") << "over the limit";
}

void TestWaveFile::oddFileIsRefused()
{
    QFETCH(QString, kind);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("lyd.wav");
    if (kind == "over the limit") {
        // A real sound at the start, then sparse silence past the limit.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(pcm16({0.5f, -0.5f}, 22050, 1)) > 0);
        QVERIFY(file.resize(WaveFile::maxFileSize + 1));
    } else {
        QVERIFY(OddFiles::make(kind, path));
    }
    QString error;
    std::optional<WaveAudio> audio;
    QVERIFY2(OddFiles::finishesUnaided(path, [&] { audio = WaveFile::load(path, &error); }),
             "reading the file blocked");
    QVERIFY(!audio);
    QVERIFY(!error.isEmpty());
}

void TestWaveFile::installedSounds_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"Beeth9", "DingDong", "Klokkespil", "Melodi", "Ohhnoo", "Promenade", "Ringeklokke",
          "Stortromme", "Strengefanfare", "Telefonlyd", "Tromme", "Trumpet", "Zylo"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWaveFile::installedSounds()
{
    QFETCH(QString, name);
    QString error;
    const std::optional<WaveAudio> audio =
        WaveFile::load(QStringLiteral(KLOKKEVEN_SOUND_DIR "/%1.wav").arg(name), &error);
    QVERIFY2(audio, qPrintable(error));
    QCOMPARE(audio->sampleRate, 22050);
    QCOMPARE(audio->channels, 1);
    const double seconds = double(audio->frames()) / audio->sampleRate;
    QVERIFY2(seconds >= 1.0 && seconds <= 3.0, qPrintable(QString::number(seconds)));
    const auto loudest =
        std::max_element(audio->samples.begin(), audio->samples.end(),
                         [](float a, float b) { return std::abs(a) < std::abs(b); });
    QVERIFY(std::abs(*loudest) > 0.5f);
}

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wavefile.moc"
