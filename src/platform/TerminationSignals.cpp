#include "platform/TerminationSignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> handledSignals{SIGTERM, SIGINT, SIGHUP};

// The handler may do no more than write to a descriptor: it tells the GUI
// thread through this socket pair, whose other end the notifier watches.
int pipeEnds[2] = {-1, -1};
struct sigaction previous[handledSignals.size()];

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a pending request: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    for (const int end : pipeEnds)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < handledSignals.size(); ++i)
        ::sigaction(handledSignals[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < handledSignals.size(); ++i)
        ::sigaction(handledSignals[i], &previous[i], nullptr);
    delete m_notifier;
    for (int &end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void TerminationSignals::readPending()
{
    // Several signals in a row are one request to end.
    char buffer[64];
    while (::read(pipeEnds[1], buffer, sizeof buffer) > 0) {
    }
    Q_EMIT terminationRequested();
}

#else

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

#endif
