#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the requests of the operating system to end the program (SIGTERM,
// SIGINT and SIGHUP on Unix) into one Qt signal on the thread that made the
// object, so the program can close the way the user closes it. The previous
// handling of those signals comes back when the object is destroyed. One
// object at a time; on Windows the object does nothing: there the end of a
// session reaches the program as the application's commitDataRequest.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

#ifdef Q_OS_UNIX
private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
#endif
};
