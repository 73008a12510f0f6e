#include "alarms/Alarmvaerk.h"

#include "base/AtomicFile.h"
#include "base/DataFolders.h"
#include "base/LydListe.h"
#include "dialogs/Messages.h"
#include "platform/LocalTime.h"
#include "platform/SoundPlayer.h"

#include <QFile>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kGemInterval = 10 * 60 * 1000;
constexpr int kHuskedeVisninger = 50;
// A wake-up later than planned by more than this means the computer slept or
// the clock was set forwards.
constexpr int kGabSekunder = 60;

QDateTime naesteSekund(const QDateTime &nu)
{
    const QTime t = nu.time();
    return QDateTime(nu.date(), QTime(t.hour(), t.minute(), t.second())).addSecs(1);
}

QDateTime minutStart(const QDateTime &nu)
{
    const QTime t = nu.time();
    return QDateTime(nu.date(), QTime(t.hour(), t.minute()));
}

} // namespace

Alarmvaerk::Alarmvaerk(const DataFolders &folders, const LocalTime &localTime,
                       SoundPlayer &soundPlayer, const LydListe &lydListe, Messages &messages,
                       QObject *parent)
    : QObject(parent), m_folders(folders), m_localTime(localTime), m_soundPlayer(soundPlayer),
      m_lydListe(lydListe), m_messages(messages), m_dagensAlarmer(folders.alarmDir, localTime),
      m_alarmLock(folders.alarmLaas),
      m_tilstand(folders.optFile(QStringLiteral("alarmtilstand.txt"))),
      m_alarmTimer(new QTimer(this)), m_gemTimer(new QTimer(this))
{
    m_tilstand.hent();
    // One timer that wakes at the moment wanted, to the millisecond.
    m_alarmTimer->setSingleShot(true);
    m_alarmTimer->setTimerType(Qt::PreciseTimer);
    connect(m_alarmTimer, &QTimer::timeout, this, &Alarmvaerk::alarmTimerTimer);
    // A crash or a power cut loses at most ten minutes of "last checked".
    m_gemTimer->setTimerType(Qt::VeryCoarseTimer);
    connect(m_gemTimer, &QTimer::timeout, this, &Alarmvaerk::gemTilstand);
    m_gemTimer->start(kGemInterval);
    connect(&soundPlayer, &SoundPlayer::finished, this, &Alarmvaerk::lydSlut);
    // A set clock moves every time of day the timer waits for; one set past the
    // planned wake-up leaves a gap whose alarms are looked for. Before the first
    // load the timer waits for nothing.
    connect(&localTime, &LocalTime::wallClockSet, this, [this] {
        uret(m_planlagt.isValid() && m_localTime.now() > m_planlagt.addSecs(kGabSekunder));
    });
    // A new time zone is a gap of its own: one that moves local time forwards
    // collects the alarms in between; one that moves it back finds nothing
    // after the last check.
    connect(&localTime, &LocalTime::zoneChanged, this, [this] { uret(true); });
}

Alarmvaerk::~Alarmvaerk()
{
    gemTilstand();
}

void Alarmvaerk::uret(bool gab)
{
    if (!m_alarmTimer->isActive())
        return;
    if (gab && m_startet && m_alarmLock.held())
        m_gab = true;
    armAlarmTimer();
}

QDateTime Alarmvaerk::naesteTjek(const QDateTime &nu, const QDate &indlaest,
                                 const QList<QDateTime> &tider)
{
    if (nu.date() != indlaest)
        return naesteSekund(nu);
    QDateTime naeste(nu.date().addDays(1), QTime(0, 0));
    for (const QDateTime &tid : tider) {
        if (!tid.isValid())
            continue;
        // Due now or within a minute: the last stretch is walked second by
        // second, so a long wait that drifted still lands on the second.
        if (nu.secsTo(tid) <= 60)
            return naesteSekund(nu);
        naeste = std::min(naeste, tid);
    }
    return naeste;
}

QDateTime Alarmvaerk::naesteForsoeg(const QDateTime &nu)
{
    return minutStart(nu).addSecs(60);
}

QString Alarmvaerk::caption() const
{
    if (m_tilstand.udsatte.isEmpty())
        return m_dagensAlarmer.caption();
    return DagensAlarmer::antalTekst(m_dagensAlarmer.alarm().size() + m_tilstand.udsatte.size());
}

void Alarmvaerk::hentAlarmer()
{
    // Another running copy of the program fires the alarms: this one only shows the clock.
    if (!m_alarmLock.tryTake()) {
        armAlarmTimer();
        return;
    }
    stopLydAfAendretAlarm();
    const QDateTime nu = m_localTime.now();
    if (!m_startet) {
        // The copy that fired before may have left newer state than this one read.
        m_startet = true;
        m_tilstand.hent();
        m_afgjortTil = m_tilstand.sidstTjekket.toLocalTime();
        // Those listed in a run that ended before they were seen come again.
        const QList<ForfaldenAlarm> ikkeSete = m_tilstand.mistede;
        meldMistede(ikkeSete + haandterGab(nu));
    }
    m_dagensAlarmer.setAfgjortTil(m_afgjortTil);
    const QStringList skipped = m_dagensAlarmer.hentAlarmer();
    armAlarmTimer();
    meldAendret();
    reportSkipped(skipped);
}

void Alarmvaerk::alarmTimerTimer()
{
    const bool hadLock = m_alarmLock.held();
    if (!m_alarmLock.tryTake()) {
        armAlarmTimer();
        return;
    }
    if (!hadLock) {
        // Taken over from a copy that ended: it may have fired this minute's alarms, so
        // the list is read at the start of the next minute.
        m_overtager = true;
        armAlarmTimer();
        return;
    }
    if (m_overtager || !m_startet) {
        m_overtager = false;
        hentAlarmer();
        return;
    }
    if (m_soundPlayer.isPlaying() && !m_dagensAlarmer.firing()) {
        // Another sound is heard out first (the countdown alarm, a test play): a
        // due alarm fires at the first tick after it, so no sound cuts another off.
        armAlarmTimer();
        return;
    }
    const QDateTime nu = m_localTime.now();
    QStringList skipped;
    bool aendret = false;
    if (m_gab || (m_planlagt.isValid() && nu > m_planlagt.addSecs(kGabSekunder))) {
        meldMistede(haandterGab(nu));
        m_dagensAlarmer.setAfgjortTil(m_afgjortTil);
        skipped = m_dagensAlarmer.hentAlarmer();
        aendret = true;
    }
    flytForfaldneUdsatte(nu);
    if (!m_dagensAlarmer.firing() && !m_koe.isEmpty()) {
        // Late and put-off alarms go first: they fell due before today's next one.
        const IKoe naeste = m_koe.takeFirst();
        affyr(naeste.alarm, naeste.skulleHaveLydt, naeste.udsatFil);
        aendret = true;
    } else {
        const DagensAlarmer::Tick tick = m_dagensAlarmer.alarmTimerTimer();
        if (tick.fire)
            playAlarm(*tick.fire);
        aendret = aendret || tick.fire || tick.reloaded;
        skipped += tick.skipped;
    }
    afgjort(nu);
    if (aendret)
        meldAendret();
    armAlarmTimer();
    reportSkipped(skipped);
}

void Alarmvaerk::afgjort(const QDateTime &nu)
{
    // Checked up to now, short of an alarm that is due but still waits its turn.
    QDateTime graense = nu;
    for (const TAlarmRecord &alarm : m_dagensAlarmer.alarm()) {
        const QDateTime due =
            MistedeAlarmer::forfald(m_dagensAlarmer.dato(), alarm.time, alarm.minut);
        if (due.isValid() && due <= nu)
            graense = std::min(graense, due.addMSecs(-1));
    }
    // A clock set back keeps what was checked, unless it was set back by days
    // (a clock that had been far ahead must not hold the alarms back for long).
    if (!m_afgjortTil.isValid() || graense > m_afgjortTil || m_afgjortTil.secsTo(nu) < -86400)
        m_afgjortTil = graense;
    m_dagensAlarmer.setAfgjortTil(m_afgjortTil);
}

QList<ForfaldenAlarm> Alarmvaerk::haandterGab(const QDateTime &nu)
{
    m_gab = false;
    const QDateTime fra = m_afgjortTil;
    const QDateTime til = minutStart(nu);
    if (!fra.isValid() || fra >= til)
        return {};
    QList<ForfaldenAlarm> forfaldne = MistedeAlarmer::iGabet(m_folders.alarmDir, fra, til);
    // Put-off alarms that fell due in the gap are missed alike.
    bool udsatteFlyttet = false;
    for (qsizetype i = m_tilstand.udsatte.size() - 1; i >= 0; --i) {
        const QDateTime tid = m_tilstand.udsatte.at(i).tid.toLocalTime();
        if (tid < til) {
            forfaldne.append({tid, somAlarm(m_tilstand.udsatte.takeAt(i))});
            udsatteFlyttet = true;
        }
    }
    std::stable_sort(
        forfaldne.begin(), forfaldne.end(),
        [](const ForfaldenAlarm &a, const ForfaldenAlarm &b) { return a.tid > b.tid; });
    QList<ForfaldenAlarm> forSent;
    const qint64 graense = qint64(m_tilstand.forsinkelse) * 60;
    // Oldest first into the queue, so the late ones sound in the order they fell due.
    for (auto it = forfaldne.crbegin(); it != forfaldne.crend(); ++it) {
        const bool udsat = it->alarm.filnavn.isEmpty();
        if (graense > 0 && it->tid.secsTo(nu) <= graense)
            m_koe.append({it->alarm, it->tid, udsat ? it->alarm.tekstfilnavn : QString()});
        else if (!ikkeSet(*it))
            forSent.prepend(*it);
    }
    m_afgjortTil = til.addMSecs(-1);
    // The list and the moment checked are stored together: quitting or a
    // crash before the list is seen neither loses nor repeats an alarm.
    m_tilstand.mistede += forSent;
    if (udsatteFlyttet || !forSent.isEmpty()) {
        m_tilstand.sidstTjekket = m_afgjortTil.toUTC();
        m_tilstand.gem();
    }
    if (udsatteFlyttet)
        Q_EMIT udsatteAendret();
    return forSent;
}

bool Alarmvaerk::ikkeSet(const ForfaldenAlarm &alarm) const
{
    return std::any_of(
        m_tilstand.mistede.cbegin(), m_tilstand.mistede.cend(),
        [&alarm](const ForfaldenAlarm &m) { return AlarmTilstand::sammeMistede(m, alarm); });
}

void Alarmvaerk::meldMistede(QList<ForfaldenAlarm> alarmer)
{
    if (alarmer.isEmpty())
        return;
    std::stable_sort(
        alarmer.begin(), alarmer.end(),
        [](const ForfaldenAlarm &a, const ForfaldenAlarm &b) { return a.tid > b.tid; });
    Q_EMIT mistede(alarmer);
}

void Alarmvaerk::flytForfaldneUdsatte(const QDateTime &nu)
{
    bool flyttet = false;
    for (qsizetype i = 0; i < m_tilstand.udsatte.size();) {
        if (m_tilstand.udsatte.at(i).tid.toLocalTime() <= nu) {
            const Udsat udsat = m_tilstand.udsatte.takeAt(i);
            m_koe.append({somAlarm(udsat), QDateTime(), udsat.tekstfil});
            flyttet = true;
        } else {
            ++i;
        }
    }
    if (flyttet) {
        gemTilstand();
        Q_EMIT udsatteAendret();
    }
}

TAlarmRecord Alarmvaerk::somAlarm(const Udsat &udsat) const
{
    TAlarmRecord alarm;
    const QTime tid = udsat.tid.toLocalTime().time();
    alarm.time = quint16(tid.hour());
    alarm.minut = quint16(tid.minute());
    alarm.overskrift = udsat.overskrift;
    alarm.tekstfilnavn = udsat.tekstfil;
    alarm.alarmfil = udsat.alarmfil;
    alarm.gentagelse = quint8(std::clamp(udsat.gentagelse, 0, 255));
    return alarm;
}

void Alarmvaerk::armAlarmTimer()
{
    const QDateTime nu = m_localTime.now();
    QDateTime naeste;
    if (!m_alarmLock.held() || m_overtager) {
        naeste = naesteForsoeg(nu);
    } else {
        QList<QDateTime> tider;
        for (const TAlarmRecord &alarm : m_dagensAlarmer.alarm())
            tider.append(MistedeAlarmer::forfald(m_dagensAlarmer.dato(), alarm.time, alarm.minut));
        for (const Udsat &udsat : m_tilstand.udsatte)
            tider.append(udsat.tid.toLocalTime());
        if (m_gab || !m_koe.isEmpty())
            tider.append(nu);
        naeste = naesteTjek(nu, m_dagensAlarmer.dato(), tider);
    }
    m_planlagt = naeste;
    m_alarmTimer->start(int(std::max<qint64>(0, nu.msecsTo(naeste))));
}

void Alarmvaerk::stopLydAfAendretAlarm()
{
    // The list is read again after every change of the alarms: an alarm deleted
    // or edited while its sound plays is silenced.
    if (m_lydId == 0 || !m_dagensAlarmer.firing() || !m_vist.contains(m_lydId))
        return;
    const Vist &vist = m_vist[m_lydId];
    const std::optional<TAlarmRecord> nu = AlarmFile::loadAlarm(vist.alarm.filnavn);
    QFile tekst(vist.alarm.tekstfilnavn);
    const bool sammeTekst = tekst.open(QIODevice::ReadOnly) && tekst.readAll() == vist.tekst;
    const bool samme = nu && sammeTekst && nu->time == vist.alarm.time &&
                       nu->minut == vist.alarm.minut && nu->overskrift == vist.alarm.overskrift &&
                       nu->alarmfil == vist.alarm.alarmfil &&
                       nu->gentagelse == vist.alarm.gentagelse;
    if (!samme) {
        m_lydId = 0;
        m_soundPlayer.stop();
    }
}

void Alarmvaerk::meldAendret()
{
    Q_EMIT dagensAlarmerAendret();
    Q_EMIT captionAendret(caption());
}

void Alarmvaerk::reportSkipped(const QStringList &skipped)
{
    // Told after the handler has finished, so that a message box never holds
    // up the alarm check that found the file; files found while a box is open
    // wait for the next box, so boxes never stack inside each other.
    m_uviste += skipped;
    if (m_uviste.isEmpty() || m_beskedPlanlagt)
        return;
    m_beskedPlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        while (!m_uviste.isEmpty()) {
            const QString tekst = m_dagensAlarmer.skippedMessage(m_uviste);
            m_uviste.clear();
            m_messages.information(tekst);
        }
        m_beskedPlanlagt = false;
    });
}

void Alarmvaerk::playAlarm(const TAlarmRecord &E)
{
    affyr(E, QDateTime(), QString());
}

void Alarmvaerk::affyr(const TAlarmRecord &E, const QDateTime &skulleHaveLydt,
                       const QString &udsatFil)
{
    m_dagensAlarmer.setFiring(true);
    const QString lyd = m_lydListe.sti(E.alarmfil);
    // The text is kept for "Udsæt", since a dated alarm's files go now.
    QByteArray tekst;
    QFile fil(E.tekstfilnavn);
    if (fil.open(QIODevice::ReadOnly))
        tekst = fil.readAll();
    const int id = ++m_naesteId;
    m_vist.insert(id, {E, tekst});
    m_vist.remove(id - kHuskedeVisninger);
    const AlarmVisning visning{id, E.overskrift, E.tekstfilnavn, m_localTime.now(), skulleHaveLydt};
    const bool vist = !m_visning || m_visning(visning);
    if (E.alarmtype == AlarmType::Dato && !E.filnavn.isEmpty())
        AlarmFile::sletAlarm(E, m_folders.alarmDir, m_folders.alarmTekster);
    if (!udsatFil.isEmpty())
        QFile::remove(udsatFil);
    m_lydId = 0;
    if (vist && !lyd.isEmpty() && E.gentagelse > 0) {
        m_soundPlayer.play(lyd, E.gentagelse, true);
        if (!E.filnavn.isEmpty() && E.alarmtype != AlarmType::Dato)
            m_lydId = id;
    } else {
        m_dagensAlarmer.setFiring(false);
    }
    Q_EMIT affyret(visning);
}

bool Alarmvaerk::udsaet(int id, int minutter)
{
    const auto vist = m_vist.constFind(id);
    if (vist == m_vist.cend() || !AlarmTilstand::kUdsaetValg.contains(minutter))
        return false;
    Udsat udsat;
    udsat.tid = m_localTime.now().addSecs(qint64(minutter) * 60).toUTC();
    udsat.overskrift = vist->alarm.overskrift;
    udsat.alarmfil = vist->alarm.alarmfil;
    udsat.gentagelse = vist->alarm.gentagelse;
    udsat.tekstfil = m_folders.optFile(
        QStringLiteral("udsat-%1-%2.rtf").arg(udsat.tid.toMSecsSinceEpoch()).arg(id));
    if (!writeAtomically(udsat.tekstfil, vist->tekst))
        return false;
    m_tilstand.udsatte.append(udsat);
    m_tilstand.udsaetMinutter = minutter;
    gemTilstand();
    Q_EMIT udsatteAendret();
    Q_EMIT captionAendret(caption());
    armAlarmTimer();
    return true;
}

void Alarmvaerk::annullerUdsat(qsizetype index)
{
    if (index < 0 || index >= m_tilstand.udsatte.size())
        return;
    QFile::remove(m_tilstand.udsatte.takeAt(index).tekstfil);
    gemTilstand();
    Q_EMIT udsatteAendret();
    Q_EMIT captionAendret(caption());
    armAlarmTimer();
}

void Alarmvaerk::setForsinkelse(int minutter)
{
    m_tilstand.forsinkelse = std::max(0, minutter);
    if (m_alarmLock.held() && m_startet) {
        gemTilstand();
        return;
    }
    // A copy that does not fire alarms keeps the rest of the file as the firing one wrote it.
    AlarmTilstand fil(m_tilstand.sti());
    fil.hent();
    fil.forsinkelse = m_tilstand.forsinkelse;
    fil.gem();
}

void Alarmvaerk::mistedeSet(const QList<ForfaldenAlarm> &alarmer)
{
    for (const ForfaldenAlarm &mistet : alarmer) {
        if (mistet.alarm.filnavn.isEmpty())
            QFile::remove(mistet.alarm.tekstfilnavn);
        else if (mistet.alarm.alarmtype == AlarmType::Dato)
            AlarmFile::sletAlarm(mistet.alarm, m_folders.alarmDir, m_folders.alarmTekster);
        m_tilstand.mistede.removeIf(
            [&mistet](const ForfaldenAlarm &m) { return AlarmTilstand::sammeMistede(m, mistet); });
    }
    gemTilstand();
}

void Alarmvaerk::gemTilstand()
{
    // Only the copy that fires alarms keeps the state.
    if (!m_startet || !m_alarmLock.held())
        return;
    if (m_afgjortTil.isValid())
        m_tilstand.sidstTjekket = m_afgjortTil.toUTC();
    m_tilstand.gem();
}

void Alarmvaerk::vaagnet()
{
    if (!m_startet || !m_alarmLock.held())
        return;
    m_gab = true;
    armAlarmTimer();
}

void Alarmvaerk::naarLydenErFri(std::function<void()> start, std::function<void()> slut)
{
    m_andenSlut = std::move(slut);
    m_ventende = nullptr;
    if (m_dagensAlarmer.firing()) {
        m_ventende = std::move(start);
        return;
    }
    start();
    if (!m_soundPlayer.isPlaying() && m_andenSlut)
        m_andenSlut();
}

void Alarmvaerk::lydSlut()
{
    // The firing of an alarm lasts as long as its sound.
    const bool alarmensLyd = m_dagensAlarmer.firing();
    m_dagensAlarmer.setFiring(false);
    if (m_ventende) {
        const std::function<void()> start = std::exchange(m_ventende, nullptr);
        start();
        if (!m_soundPlayer.isPlaying() && m_andenSlut)
            m_andenSlut();
        return;
    }
    if (!alarmensLyd && m_andenSlut)
        m_andenSlut();
}
