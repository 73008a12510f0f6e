#include "platform/WaveOut.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cmath>
#include <deque>
#include <mmsystem.h>

namespace {

// A block and the header the device plays it through; both stay in place until the
// device is done with them.
struct Block
{
    QByteArray bytes;
    WAVEHDR header{};
};

class SystemWaveOut final : public WaveOut
{
public:
    ~SystemWaveOut() override { close(); }

    bool open(int sampleRate, int channels) override
    {
        close();
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = static_cast<WORD>(channels);
        format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
        format.wBitsPerSample = 16;
        format.nBlockAlign = static_cast<WORD>(channels * 2);
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        // No callback: the player looks at the headers' done flags from its timer, and
        // nothing runs on the device's thread that could call back into the device.
        return waveOutOpen(&m_device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) ==
               MMSYSERR_NOERROR;
    }

    bool write(QByteArray block) override
    {
        if (m_device == nullptr)
            return false;
        m_blocks.emplace_back();
        Block &added = m_blocks.back();
        added.bytes = std::move(block);
        added.header.lpData = added.bytes.data();
        added.header.dwBufferLength = static_cast<DWORD>(added.bytes.size());
        if (waveOutPrepareHeader(m_device, &added.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            m_blocks.pop_back();
            return false;
        }
        if (waveOutWrite(m_device, &added.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            waveOutUnprepareHeader(m_device, &added.header, sizeof(WAVEHDR));
            m_blocks.pop_back();
            return false;
        }
        return true;
    }

    int queued() override
    {
        // The device finishes blocks in the order they were written.
        while (!m_blocks.empty() && done(m_blocks.front())) {
            waveOutUnprepareHeader(m_device, &m_blocks.front().header, sizeof(WAVEHDR));
            m_blocks.pop_front();
        }
        return static_cast<int>(m_blocks.size());
    }

    void close() override
    {
        if (m_device == nullptr)
            return;
        // Reset marks every queued block done and returns at once.
        waveOutReset(m_device);
        for (Block &block : m_blocks)
            waveOutUnprepareHeader(m_device, &block.header, sizeof(WAVEHDR));
        m_blocks.clear();
        waveOutClose(m_device);
        m_device = nullptr;
    }

    void setVolume(double volume) override
    {
        if (m_device == nullptr)
            return;
        // The low word is the left channel, the high word the right.
        const auto level = static_cast<DWORD>(std::lround(volume * 0xFFFF));
        waveOutSetVolume(m_device, level | (level << 16));
    }

private:
    static bool done(const Block &block)
    {
        // The device's thread sets the flag; read it afresh each time.
        return (static_cast<const volatile DWORD &>(block.header.dwFlags) & WHDR_DONE) != 0;
    }

    HWAVEOUT m_device = nullptr;
    std::deque<Block> m_blocks;
};

} // namespace

std::unique_ptr<WaveOut> makeSystemWaveOut()
{
    return std::make_unique<SystemWaveOut>();
}
