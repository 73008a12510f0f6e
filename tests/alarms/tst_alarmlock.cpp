#include "TestFiles.h"
#include "alarms/AlarmLock.h"
#include "base/DataFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

// Helper mode of this binary: a second running copy. It takes the lock at the
// given path, prints 1 (taken) or 0, and holds it until its input closes.
constexpr char holdArgument[] = "--hold-alarm-lock";

int holdLock(const char *path)
{
    AlarmLock lock(QString::fromLocal8Bit(path));
    std::fputs(lock.tryTake() ? "1\n" : "0\n", stdout);
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}

} // namespace

class TestAlarmLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lockLiesInTheUsersFolder_data();
    void lockLiesInTheUsersFolder();
    void firstCopyTakesItAndKeepsIt();
    void secondCopyWaitsUntilTheFirstEnds();
    void otherProcessHoldsItWhileItRuns();
    void crashedHolderLosesIt();
    void namelessLockFileIsTaken();
    void lockFileThatCannotBeMade_data();
    void lockFileThatCannotBeMade();

private:
    // Starts a second copy in another process; returns what its tryTake said.
    bool startHolder(QProcess &process, const QString &path);
};

bool TestAlarmLock::startHolder(QProcess &process, const QString &path)
{
    process.start(QCoreApplication::applicationFilePath(),
                  {QString::fromLatin1(holdArgument), path});
    if (!process.waitForStarted(10000))
        return false;
    while (!process.canReadLine())
        if (!process.waitForReadyRead(10000))
            return false;
    return process.readLine().trimmed() == "1";
}

void TestAlarmLock::lockLiesInTheUsersFolder_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("Anna") << "Anna"
                          << "/Anna/alarmer.lock";
    QTest::newRow("Bo") << "Bo"
                        << "/Bo/alarmer.lock";
    QTest::newRow("no user name") << ""
                                  << "/alarmer.lock";
}

void TestAlarmLock::lockLiesInTheUsersFolder()
{
    QFETCH(QString, user);
    QFETCH(QString, relativePath);
    QTemporaryDir tmp;
    const DataFolders folders(tmp.path(), user);
    QCOMPARE(folders.alarmLaas, tmp.path() + relativePath);
    // The folder exists from the start, so the lock can be made there.
    AlarmLock lock(folders.alarmLaas);
    QVERIFY(lock.tryTake());
    QVERIFY(QFile::exists(folders.alarmLaas));
}

void TestAlarmLock::firstCopyTakesItAndKeepsIt()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("alarmer.lock"));
    AlarmLock lock(path);
    QVERIFY(!lock.held());
    QVERIFY(lock.tryTake());
    QVERIFY(lock.held());
    QVERIFY(QFile::exists(path));
    // Asking again while holding it is no failure.
    QVERIFY(lock.tryTake());
    QVERIFY(lock.held());
}

void TestAlarmLock::secondCopyWaitsUntilTheFirstEnds()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("alarmer.lock"));
    auto first = std::make_unique<AlarmLock>(path);
    AlarmLock second(path);
    QVERIFY(first->tryTake());
    QVERIFY(!second.tryTake());
    QVERIFY(!second.held());
    QVERIFY(!second.tryTake());
    QVERIFY(first->tryTake());

    first.reset();
    QVERIFY(!QFile::exists(path));
    QVERIFY(second.tryTake());
    QVERIFY(second.held());

    // Once the second holds it, a new first copy is the one that waits.
    AlarmLock third(path);
    QVERIFY(!third.tryTake());
}

void TestAlarmLock::otherProcessHoldsItWhileItRuns()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("alarmer.lock"));
    QProcess holder;
    QVERIFY(startHolder(holder, path));

    // However long the holder has run, it keeps the lock.
    QFile lockFile(path);
    QVERIFY(lockFile.open(QIODevice::ReadOnly));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
    lockFile.close();
    AlarmLock lock(path);
    QVERIFY(!lock.tryTake());

    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitStatus(), QProcess::NormalExit);
    QVERIFY(lock.tryTake());

    // And the other way round: this process holds it, the other cannot take it.
    QProcess other;
    QVERIFY(!startHolder(other, path));
    other.closeWriteChannel();
    QVERIFY(other.waitForFinished(10000));
}

void TestAlarmLock::crashedHolderLosesIt()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("alarmer.lock"));
    QProcess holder;
    QVERIFY(startHolder(holder, path));
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    // The dead copy could not clean up: its file names a process that is gone.
    QVERIFY(QFile::exists(path));

    AlarmLock lock(path);
    QVERIFY(lock.tryTake());
    QVERIFY(lock.held());
}

void TestAlarmLock::namelessLockFileIsTaken()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("alarmer.lock"));
    for (const QByteArray &contents : {QByteArray(), QByteArray("klokkeven\n")}) {
        QVERIFY(putFile(path, contents));
        AlarmLock lock(path);
        QVERIFY2(lock.tryTake(), contents.constData());
        AlarmLock other(path);
        QVERIFY(!other.tryTake());
    }
}

void TestAlarmLock::lockFileThatCannotBeMade_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("file in the way of the folder") << "fil/alarmer.lock";
    QTest::newRow("folder missing") << "mangler/alarmer.lock";
}

void TestAlarmLock::lockFileThatCannotBeMade()
{
    QFETCH(QString, relativePath);
    QTemporaryDir tmp;
    QVERIFY(putFile(tmp.filePath(QStringLiteral("fil")), "x"));
    const QString path = tmp.filePath(relativePath);

    // Nobody can hold the lock, so every copy runs its alarms.
    AlarmLock first(path);
    AlarmLock second(path);
    QVERIFY(first.tryTake());
    QVERIFY(first.held());
    QVERIFY(second.tryTake());
    QVERIFY(!QFile::exists(path));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], holdArgument) == 0)
        return holdLock(argv[2]);
    QCoreApplication application(argc, argv);
    TestAlarmLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_alarmlock.moc"
