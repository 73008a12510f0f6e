// Times DagensAlarmer::hentAlarmer over an alarm folder of 10,000 description files
// and prints the median of several runs.

#include "Maaling.h"
#include "alarms/DagensAlarmer.h"
#include "platform/fake/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 15;

// The fixture writes the eleven lines itself: the program's atomic write syncs every
// file to disk, which makes creating 10,000 files take minutes on a slow disk. The
// bytes are the same, as the lines are plain ASCII.
bool put(const QString &alarmDir, const QString &aarS, int maaned, int dag, int time, int minut,
         QSet<QString> &used)
{
    const QString name = AlarmFile::stem(aarS, maaned, dag, time, minut) + QStringLiteral(".txt");
    if (used.contains(name))
        return true;
    used.insert(name);
    const int type = aarS == QLatin1String("0000") ? 0 : aarS == QLatin1String("3016") ? 2 : 1;
    const QStringList lines{aarS,
                            getStr(maaned),
                            getStr(dag),
                            getStr(time),
                            getStr(minut),
                            QString::number(type),
                            QStringLiteral("3"),
                            QStringLiteral("2"),
                            QStringLiteral("Alarm nummer %1").arg(used.size()),
                            alarmDir + QStringLiteral("../Alarmtekster/") + name,
                            alarmDir + name};
    QFile file(alarmDir + name);
    const QByteArray bytes =
        (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every minute of the day as a daily alarm, the rest dated and yearly alarms
// spread over eleven years, a few of them on the day of the benchmark.
bool fill(const QString &alarmDir)
{
    QSet<QString> used;
    for (int m = 0; m < 24 * 60; ++m) {
        if (!put(alarmDir, QStringLiteral("0000"), 0, 0, m / 60, m % 60, used))
            return false;
    }
    const QDate first(2020, 1, 1);
    for (int i = 0; used.size() < kFiles; ++i) {
        const QDate date = first.addDays(i % 4000);
        const QString aarS = i % 10 == 0 ? QStringLiteral("3016") : QString::number(date.year());
        if (!put(alarmDir, aarS, date.month(), date.day(), 6 + (i / 4000) * 5, i % 60, used))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString alarmDir = tmp.path() + QStringLiteral("/Alarmer/");
    if (!tmp.isValid() || !QDir().mkpath(alarmDir) || !fill(alarmDir)) {
        std::fprintf(stderr, "cannot create the alarm folder in %s\n", qPrintable(tmp.path()));
        return 1;
    }

    FakeLocalTime clock;
    DagensAlarmer dagens(alarmDir, clock);
    std::printf("hentAlarmer over %d description files, median of %d runs:\n", kFiles, kRuns);
    for (const QTime &time : {QTime(0, 0), QTime(12, 0), QTime(23, 59)}) {
        clock.set(QDateTime(QDate(2026, 12, 10), time));
        int taken = 0;
        const double ms = medianMs(kRuns, [&] {
            dagens.hentAlarmer();
            taken = dagens.index() + 1;
        });
        std::printf("  load at %s: %7.2f ms (%d alarms taken)\n",
                    qPrintable(time.toString(QStringLiteral("HH:mm"))), ms, taken);
    }
    return 0;
}
