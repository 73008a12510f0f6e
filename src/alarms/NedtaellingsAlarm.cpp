#include "alarms/NedtaellingsAlarm.h"

#include "alarms/NyAlarmTjek.h"

namespace {

// The value of a span field: empty is 0; nothing when it is not a number in [0, hoejeste].
std::optional<int> spanFelt(const QString &felt, int hoejeste)
{
    if (felt.isEmpty())
        return 0;
    const std::optional<int> value = NyAlarmTjek::heltal(felt);
    if (!value || *value > hoejeste)
        return std::nullopt;
    return value;
}

QString omraadeBesked(const QString &felt, int hoejeste)
{
    return QStringLiteral("%1 er forkert.\rVærdien skal være mellem 0 og %2 begge medregnet.")
        .arg(felt)
        .arg(hoejeste);
}

} // namespace

NedtaellingsAlarm::Start NedtaellingsAlarm::start(const QString &timer, const QString &minutter,
                                                  const QString &sekunder, bool taelOp,
                                                  bool urSynligt)
{
    const std::optional<int> t = spanFelt(timer, kTimerMaks);
    if (!t)
        return {false, omraadeBesked(QStringLiteral("Timer"), kTimerMaks)};
    const std::optional<int> m = spanFelt(minutter, 59);
    if (!m)
        return {false, omraadeBesked(QStringLiteral("Minutter"), 59)};
    const std::optional<int> s = spanFelt(sekunder, 59);
    if (!s)
        return {false, omraadeBesked(QStringLiteral("Sekunder"), 59)};
    if (*t == 0 && *m == 0 && *s == 0)
        return {false, QStringLiteral("Der mangler et tidsinterval til alarmen skal udløses.")};

    const bool loeber = m_tilstand == Tilstand::NedTaelling || m_tilstand == Tilstand::OpTaelling ||
                        m_tilstand == Tilstand::Udloest;
    m_timer = *t;
    m_minutter = *m;
    m_sekunder = *s;
    if (taelOp) {
        m_suTimer = *t;
        m_suMinutter = *m;
        m_suSekunder = *s;
        m_tilstand = Tilstand::OpTaelling;
    } else {
        m_tilstand = Tilstand::NedTaelling;
    }
    // Started over while an alarm runs: the view to return to is the one before the first.
    if (!loeber)
        m_urSynligt = urSynligt;
    return {true, QString()};
}

void NedtaellingsAlarm::stopurStart()
{
    m_suTimer = m_suMinutter = m_suSekunder = -1;
    m_tilstand = Tilstand::Stopur;
}

bool NedtaellingsAlarm::StopUrTid(int T, int M, int S)
{
    if (m_tilstand != Tilstand::OpTaelling)
        return false;
    const int vist = T * 3600 + M * 60 + S;
    const int maal = m_suTimer * 3600 + m_suMinutter * 60 + m_suSekunder;
    if (vist < maal)
        return false;
    m_tilstand = Tilstand::Udloest;
    return true;
}

bool NedtaellingsAlarm::StopUrAlarm()
{
    if (m_tilstand != Tilstand::NedTaelling)
        return false;
    m_tilstand = Tilstand::Udloest;
    return true;
}

std::optional<bool> NedtaellingsAlarm::slut()
{
    if (m_tilstand != Tilstand::Udloest)
        return std::nullopt;
    m_tilstand = Tilstand::Hvile;
    return m_urSynligt;
}
