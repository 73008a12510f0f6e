#include "platform/TimeZoneWatch.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <ctime>

namespace {

const QString kZoner = QStringLiteral("/usr/share/zoneinfo/");

int offset(const char *zone)
{
    return QTimeZone(zone).offsetFromUtc(QDateTime::currentDateTimeUtc());
}

} // namespace

// The watch on the real C library and file system, with a temporary file in
// the place of /etc/localtime: this process reads its zone from there (TZ),
// as a process without TZ reads /etc/localtime.
class TestTimeZoneWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void aNewZoneIsToldAndLocalTimeFollows_data();
    void aNewZoneIsToldAndLocalTimeFollows();

private:
    QByteArray m_tz;
    bool m_havdeTz = false;
};

void TestTimeZoneWatch::init()
{
    if (!QFile::exists(kZoner + "Asia/Tokyo") || !QFile::exists(kZoner + "America/New_York"))
        QSKIP("The zone files (package tzdata) are not installed.");
    m_havdeTz = qEnvironmentVariableIsSet("TZ");
    m_tz = qgetenv("TZ");
}

void TestTimeZoneWatch::cleanup()
{
    if (m_havdeTz)
        qputenv("TZ", m_tz);
    else
        qunsetenv("TZ");
    tzset();
}

void TestTimeZoneWatch::aNewZoneIsToldAndLocalTimeFollows_data()
{
    QTest::addColumn<QString>("way");
    // As timedatectl does it, as "ln -sf" does it, and a copy written in place.
    QTest::newRow("link renamed over") << "rename";
    QTest::newRow("link removed and made anew") << "relink";
    QTest::newRow("file written in place") << "write";
}

void TestTimeZoneWatch::aNewZoneIsToldAndLocalTimeFollows()
{
    QFETCH(QString, way);
    QTemporaryDir etc;
    const QString localtime = etc.filePath(QStringLiteral("localtime"));
    const auto saetZone = [&](const char *zone) {
        const QString fil = kZoner + QString::fromLatin1(zone);
        if (way == u"write") {
            QFile ud(localtime);
            QFile ind(fil);
            return ind.open(QIODevice::ReadOnly) && ud.open(QIODevice::WriteOnly) &&
                   ud.write(ind.readAll()) == ind.size();
        }
        if (way == u"relink")
            return QFile::remove(localtime) && QFile::link(fil, localtime);
        const QString ny = localtime + QStringLiteral(".ny");
        return QFile::link(fil, ny) && std::rename(qPrintable(ny), qPrintable(localtime)) == 0;
    };
    if (way == u"write")
        QVERIFY(QFile::copy(kZoner + "America/New_York", localtime));
    else
        QVERIFY(QFile::link(kZoner + "America/New_York", localtime));
    qputenv("TZ", ":" + localtime.toLocal8Bit());
    tzset();
    QCOMPARE(QDateTime::currentDateTime().offsetFromUtc(), offset("America/New_York"));

    TimeZoneWatch watch(nullptr, {localtime, etc.filePath(QStringLiteral("timezone"))});
    QSignalSpy changed(&watch, &TimeZoneWatch::changed);
    QVERIFY(saetZone("Asia/Tokyo"));
    QTRY_COMPARE(changed.size(), 1);
    QCOMPARE(QDateTime::currentDateTime().offsetFromUtc(), offset("Asia/Tokyo"));
    QCOMPARE(qgetenv("TZ"), ":" + localtime.toLocal8Bit());

    // The same zone again is no change; the watch still sees the next one.
    QVERIFY(saetZone("Asia/Tokyo"));
    QTest::qWait(500);
    QCOMPARE(changed.size(), 1);
    QVERIFY(saetZone("America/New_York"));
    QTRY_COMPARE(changed.size(), 2);
    QCOMPARE(QDateTime::currentDateTime().offsetFromUtc(), offset("America/New_York"));
}

QTEST_GUILESS_MAIN(TestTimeZoneWatch)
#include "tst_timezonewatch.moc"
