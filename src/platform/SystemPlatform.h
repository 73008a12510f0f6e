#pragma once

#include "platform/LocalTime.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/UserName.h"
#include "platform/WaveSoundPlayer.h"

// Owns the real implementations of the platform services.
class SystemPlatform
{
public:
    Platform services() { return {&m_localTime, &m_userName, &m_soundPlayer, &m_shell}; }

private:
    SystemLocalTime m_localTime;
    SystemUserName m_userName;
    WaveSoundPlayer m_soundPlayer;
    SystemShell m_shell;
};
