#include "platform/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <unistd.h>

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalBecomesOneRequest_data();
    void signalBecomesOneRequest();
    void signalsInARowAreNotLost();
    void previousHandlingComesBack();
};

void TestTerminationSignals::signalBecomesOneRequest_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestTerminationSignals::signalBecomesOneRequest()
{
    QFETCH(int, signalNumber);
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    QCOMPARE(::kill(::getpid(), signalNumber), 0);
    // Told through the event loop, not inside the handler.
    QCOMPARE(requested.count(), 0);
    QVERIFY(requested.wait(5000));
    QCOMPARE(requested.count(), 1);
    QTest::qWait(50);
    QCOMPARE(requested.count(), 1);
}

void TestTerminationSignals::signalsInARowAreNotLost()
{
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(::kill(::getpid(), SIGTERM), 0);
    QVERIFY(requested.wait(5000));

    // A request after the first batch is read is a new request.
    const qsizetype before = requested.count();
    QCOMPARE(::kill(::getpid(), SIGHUP), 0);
    QTRY_VERIFY_WITH_TIMEOUT(requested.count() > before, 5000);
}

void TestTerminationSignals::previousHandlingComesBack()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    struct sigaction saved = {};
    QCOMPARE(::sigaction(SIGHUP, &ignore, &saved), 0);
    {
        TerminationSignals termination;
        struct sigaction during = {};
        QCOMPARE(::sigaction(SIGHUP, nullptr, &during), 0);
        QVERIFY(during.sa_handler != SIG_IGN);
    }
    struct sigaction after = {};
    QCOMPARE(::sigaction(SIGHUP, nullptr, &after), 0);
    QVERIFY(after.sa_handler == SIG_IGN);
    // Ignored again: this signal must not end the test.
    QCOMPARE(::kill(::getpid(), SIGHUP), 0);
    QTest::qWait(20);
    QCOMPARE(::sigaction(SIGHUP, &saved, nullptr), 0);

    // A second object after the first works as the first did.
    TerminationSignals again;
    QSignalSpy requested(&again, &TerminationSignals::terminationRequested);
    QCOMPARE(::kill(::getpid(), SIGINT), 0);
    QVERIFY(requested.wait(5000));
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
