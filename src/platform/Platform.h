#pragma once

class LocalTime;
class OutputVolume;
class Shell;
class SoundPlayer;
class UserName;

// The platform services the program uses. The program gets them from a
// SystemPlatform; tests hand in fakes.
struct Platform
{
    LocalTime *localTime = nullptr;
    UserName *userName = nullptr;
    SoundPlayer *soundPlayer = nullptr;
    Shell *shell = nullptr;
    OutputVolume *outputVolume = nullptr;
};
