// Times the search of the information pages over a folder of 1,000 pages of
// 20 KB each and prints the median of several runs for a few kinds of word.

#include "Maaling.h"
#include "info/SideSoegning.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kPages = 1000;
constexpr int kPageBytes = 20 * 1024;
constexpr int kRuns = 9;

// Danish HTML much like the help pages; every 100th page holds the word "Ålborg".
bool fill(const QString &folder)
{
    const QByteArray line = QStringLiteral("<p>Klokkeven viser tiden, sætter alarmer og fører "
                                           "kalender for hver dato.</p>\r\n")
                                .toUtf8();
    for (int i = 0; i < kPages; ++i) {
        QByteArray page = "<html><head><meta charset=\"utf-8\"></head><body>\r\n";
        if (i % 100 == 0)
            page += QStringLiteral("<p>Turen gik til Ålborg.</p>\r\n").toUtf8();
        while (page.size() < kPageBytes)
            page += line;
        page.truncate(kPageBytes);
        QFile file(folder + QStringLiteral("/side%1.html").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    if (!tmp.isValid() || !fill(tmp.path())) {
        std::fprintf(stderr, "cannot create the page folder in %s\n", qPrintable(tmp.path()));
        return 1;
    }
    std::printf("search over %d pages of %d KB, median of %d runs (aim: under 200 ms):\n", kPages,
                kPageBytes / 1024, kRuns);
    for (const QString &word : {QStringLiteral("ålborg"), QStringLiteral("alarm"),
                                QStringLiteral("klokkeven"), QStringLiteral("findesikke")}) {
        qsizetype found = 0;
        const double ms =
            medianMs(kRuns, [&] { found = SideSoegning::find(tmp.path(), word).size(); });
        std::printf("  %-12s %7.2f ms (%lld pages)\n", qPrintable(word), ms,
                    static_cast<long long>(found));
    }
    return 0;
}
