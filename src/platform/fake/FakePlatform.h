#pragma once

#include "platform/LocalTime.h"
#include "platform/OutputVolume.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/UserName.h"
#include "platform/fake/FakeSoundPlayer.h"

// Platform services for tests: a clock that says what the test sets, a
// user name that can fail or be empty, a sound player that records its plays,
// a sound output the test mutes.
// The shell is the machine's own: scripts run for real in a temporary home.
class FakeLocalTime final : public LocalTime
{
public:
    QDateTime now() const override { return m_now; }
    // Setting the clock is a jump of the wall clock, as the system tells of one.
    void set(const QDateTime &now)
    {
        m_now = now;
        Q_EMIT wallClockSet();
    }
    // A new time zone shows another local time for the same moment.
    void changeZone(const QDateTime &now)
    {
        m_now = now;
        Q_EMIT zoneChanged();
    }

private:
    QDateTime m_now{QDate(2026, 12, 10), QTime(10, 0, 0)};
};

class FakeUserName final : public UserName
{
public:
    std::optional<QString> loginName() const override { return m_name; }
    void set(std::optional<QString> name) { m_name = std::move(name); }

private:
    std::optional<QString> m_name = QStringLiteral("Anna");
};

// The system's output as a test sets it: heard, silent, or not answering.
class FakeOutputVolume final : public OutputVolume
{
public:
    std::optional<bool> silent() const override { return stille; }
    std::optional<bool> stille = false;
};

class FakePlatform
{
public:
    Platform services() { return {&localTime, &userName, &soundPlayer, &shell, &outputVolume}; }

    FakeLocalTime localTime;
    FakeUserName userName;
    FakeSoundPlayer soundPlayer;
    SystemShell shell;
    FakeOutputVolume outputVolume;
};
