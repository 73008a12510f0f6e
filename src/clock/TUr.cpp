#include "clock/TUr.h"

#include "clock/StopUrTid.h"
#include "clock/Tegning.h"
#include "clock/UrTilgaengelighed.h"
#include "platform/LocalTime.h"

#include <QPainter>

TUr::TUr(const LocalTime &localTime, QWidget *parent)
    : TUrSkive(parent), m_localTime(localTime), m_TidInt(localTime, *this, [this] { Ur(); })
{
    TilmeldUrTilgaengelighed();
    setAccessibleDescription(QStringLiteral("Analogt ur"));
    Geometri();
    LaesTid();
    m_TidInt.start();
}

void TUr::Start()
{
    if (!m_TidInt.isActive())
        m_TidInt.start();
}

void TUr::Stop()
{
    m_TidInt.stop();
}

quint8 TUr::SekVinkel(quint8 Sek)
{
    return UrVinkler::SekVinkel(Sek);
}

quint8 TUr::MinVinkel(quint8 Min, quint8 Sek)
{
    return UrVinkler::MinVinkel(Min, Sek);
}

quint8 TUr::TimeVinkel(quint8 Time, quint8 Min)
{
    return UrVinkler::TimeVinkel(Time, Min);
}

void TUr::Geometri()
{
    TUrSkive::Geometri();
    const UrVinkler::ViserLaengder l = UrVinkler::BeregnViserLaengder(UrRadius2());
    m_ViserS = l.ViserS;
    m_ViserM = l.ViserM;
    m_ViserT = l.ViserT;
}

void TUr::LaesTid()
{
    const QTime nu = m_localTime.now().time();
    m_Timer = quint8(nu.hour());
    m_Minutter = quint8(nu.minute());
    m_Sekunder = quint8(nu.second());
    // The name changes once a minute, so a screen reader is not told every second.
    const QString navn = KlokkenEr(m_Timer, m_Minutter);
    if (navn != accessibleName())
        setAccessibleName(navn);
}

std::array<TUr::Viser, 3> TUr::Visere() const
{
    TCirkelVinkel v = CirkelV();
    v.SetCirkelGrader(120);
    auto spids = [&v](quint8 vinkel, int laengde) {
        v.SetVinkel(vinkel);
        v.SetRadius(laengde);
        return QPoint(v.GetCirkelX(), v.GetCirkelY());
    };
    return {{
        {spids(TimeVinkel(m_Timer, m_Minutter), m_ViserT), m_ColorViserT, m_ViserTime},
        {spids(MinVinkel(m_Minutter, m_Sekunder), m_ViserM), m_ColorViserM, m_ViserMin},
        {spids(SekVinkel(m_Sekunder), m_ViserS), m_ColorViserS, m_ViserSek},
    }};
}

QRegion TUr::ViserRegion(const Viser &viser) const
{
    // Short pieces along the hand: a slanting hand repaints a narrow band,
    // not the whole rectangle it spans.
    constexpr int kStykke = 12;
    const QPointF centrum(CirkelV().CentrumX(), CirkelV().CentrumY());
    const QPointF vej = QPointF(viser.spids) - centrum;
    const int stykker = qMax(1, int(qMax(qAbs(vej.x()), qAbs(vej.y()))) / kStykke);
    // Half the pen on each side of the line, a pixel for the round ends
    // and one for the smoothed edge.
    const qreal kant = qMax(viser.bredde, 1) / 2 + 2;
    QRegion region;
    for (int i = 0; i < stykker; ++i) {
        const QPointF fra = centrum + vej * i / stykker;
        const QPointF til = centrum + vej * (i + 1) / stykker;
        region += QRectF(fra, til).normalized().adjusted(-kant, -kant, kant, kant).toAlignedRect();
    }
    return region;
}

void TUr::Ur()
{
    const std::array<Viser, 3> foer = Visere();
    LaesTid();
    const std::array<Viser, 3> nu = Visere();
    // A hand that stands still is drawn again where a moving one crosses it.
    QRegion region;
    for (std::size_t i = 0; i < nu.size(); ++i) {
        if (nu[i].spids != foer[i].spids)
            region += ViserRegion(foer[i]) + ViserRegion(nu[i]);
    }
    if (!region.isEmpty())
        update(region);
}

void TUr::TegnOven(QPainter &Can, bool helTegning)
{
    // A repaint of the whole control shows the time of that moment; a part
    // shows the time the tick read, which the region was made for.
    if (helTegning)
        LaesTid();
    const QPoint centrum(CirkelV().CentrumX(), CirkelV().CentrumY());
    for (const Viser &viser : Visere())
        Linje(Can, centrum, viser.spids, farve(viser.farve), viser.bredde);
}

UrFarver TUr::Farver() const
{
    return {ColorBaggrund(), ColorYdre(),   ColorIndre(),  ColorSkive(),
            ColorTegn(),     ColorViserT(), ColorViserM(), ColorViserS()};
}

void TUr::SetFarver(const UrFarver &farver)
{
    SetColorBaggrund(farver.Baggrund);
    SetColorYdre(farver.Ydre);
    SetColorIndre(farver.Indre);
    SetColorSkive(farver.Skive);
    SetColorTegn(farver.Tegn);
    SetColorViserT(farver.ViserT);
    SetColorViserM(farver.ViserM);
    SetColorViserS(farver.ViserS);
}

UrDimensioner TUr::Dimensioner() const
{
    return {Mellemrum(), UrAfstand(), TegnBredde(), TegnTykkelse(),
            ViserTime(), ViserMin(),  ViserSek()};
}

void TUr::SetDimensioner(const UrDimensioner &dimensioner)
{
    SetMellemrum(dimensioner.Mellemrum);
    SetUrAfstand(dimensioner.UrAfstand);
    SetTegnBredde(dimensioner.TegnBredde);
    SetTegnTykkelse(dimensioner.TegnTykkelse);
    SetViserTime(dimensioner.ViserTime);
    SetViserMin(dimensioner.ViserMin);
    SetViserSek(dimensioner.ViserSek);
}
