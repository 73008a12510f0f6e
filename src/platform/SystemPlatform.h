#pragma once

#include "platform/LocalTime.h"
#include "platform/OutputVolume.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/UserName.h"
#ifdef Q_OS_WIN
#include "platform/WaveOut.h"
#include "platform/WaveOutPlayer.h"
#else
#include "platform/WaveSoundPlayer.h"
#endif

// Owns the real implementations of the platform services.
class SystemPlatform
{
public:
    Platform services()
    {
        return {&m_localTime, &m_userName, &m_soundPlayer, &m_shell, &m_outputVolume};
    }

private:
    SystemLocalTime m_localTime;
    SystemUserName m_userName;
#ifdef Q_OS_WIN
    WaveOutPlayer m_soundPlayer{makeSystemWaveOut()};
#else
    WaveSoundPlayer m_soundPlayer;
#endif
    SystemShell m_shell;
    SystemOutputVolume m_outputVolume;
};
