#include "platform/TimeZoneWatch.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#include <ctime>

namespace {

// The system sends its top-level windows WM_TIMECHANGE when the clock or the
// zone is set, and WM_SETTINGCHANGE for other settings; the zone is compared
// after either.
class Tidsbeskeder final : public QObject, public QAbstractNativeEventFilter
{
public:
    Tidsbeskeder(QObject *parent, QTimer *settle) : QObject(parent), m_settle(settle)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Tidsbeskeder() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const UINT besked = static_cast<const MSG *>(message)->message;
        if (besked == WM_TIMECHANGE || besked == WM_SETTINGCHANGE)
            m_settle->start();
        return false;
    }

private:
    QTimer *m_settle;
};

} // namespace

TimeZoneWatch::TimeZoneWatch(QObject *parent, QStringList zoneFiles)
    : QObject(parent), m_zoneFiles(std::move(zoneFiles)), m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(0);
    connect(m_settle, &QTimer::timeout, this, &TimeZoneWatch::check);
    if (QCoreApplication::instance())
        m_source = new Tidsbeskeder(this, m_settle);
    m_fingerprint = fingerprint();
}

TimeZoneWatch::~TimeZoneWatch() = default;

QByteArray TimeZoneWatch::fingerprint() const
{
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return {};
    // The zone's name and its rules: the same name with new rules is new too.
    return QByteArray(reinterpret_cast<const char *>(&zone), sizeof zone);
}

void TimeZoneWatch::watchAgain() {}

void TimeZoneWatch::follow()
{
    // The C run-time keeps the zone it read; it reads the system's again.
    _tzset();
}
