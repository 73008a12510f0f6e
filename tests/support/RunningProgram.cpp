#include "RunningProgram.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QTest>
#include <signal.h>

RunningProgram::RunningProgram(const QString &program, const QString &home, const QString &platform,
                               QProcess::ProcessChannelMode channels)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(channels);
    m_process.start(program, {});
}

bool RunningProgram::waitUntil(const std::function<bool()> &ready, int ms)
{
    if (!m_process.waitForStarted(10000))
        return false;
    const QDeadlineTimer deadline(ms);
    while (!ready() && !deadline.hasExpired() && running())
        QTest::qWait(20);
    return ready() && running();
}

bool RunningProgram::endWith(int signalNumber, int ms)
{
    if (::kill(static_cast<pid_t>(m_process.processId()), signalNumber) != 0)
        return false;
    return m_process.waitForFinished(ms) && m_process.exitStatus() == QProcess::NormalExit &&
           m_process.exitCode() == 0;
}
