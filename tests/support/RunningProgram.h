#pragma once

#include <QProcess>
#include <QString>
#include <functional>

// The built program started as a user starts it, in a home of the test's own
// and on the given Qt platform, and ended by a signal as a session ends it.
class RunningProgram
{
public:
    RunningProgram(const QString &program, const QString &home, const QString &platform,
                   QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);

    // Waits while the program runs until `ready` holds, for at most `ms`.
    // False when the program did not start, ended, or the time ran out.
    bool waitUntil(const std::function<bool()> &ready, int ms = 30000);
    bool running() const { return m_process.state() == QProcess::Running; }
    // Sends the signal and waits for the end; true for an ordinary exit with code 0.
    bool endWith(int signalNumber, int ms = 10000);

private:
    QProcess m_process;
};
