#include "clock/TXRamme.h"

#include <QPainter>
#include <QPalette>

TXRamme::TXRamme(QObject *parent) : QObject(parent) {}

TColor TXRamme::fladFarve() const
{
    if (m_FarveAktiv)
        return m_AktivFarve;
    if (m_FarveOver)
        return m_OverFarve;
    return m_Farve;
}

QList<TRammeRetning> TXRamme::RingRetninger() const
{
    QList<TRammeRetning> ringe;
    int d = m_Dybde;
    int e = m_Dybde + m_RifleBredde;
    TRammeRetning foerste = m_Art == rtInd ? rrInd : rrUd;
    const TRammeRetning anden = m_Art == rtInd ? rrUd : rrInd;
    for (int i = 1; i <= m_Bredde; ++i) {
        if (m_Dybde == 0 && m_Art != rtIngen) {
            ringe.append(foerste);
            continue;
        }
        switch (m_Art) {
        case rtIngen:
            ringe.append(rrIngen);
            break;
        case rtUd:
        case rtInd:
            if (i <= m_Dybde)
                ringe.append(foerste);
            else if (i > m_Bredde - m_Dybde)
                ringe.append(anden);
            else
                ringe.append(rrIngen);
            break;
        case rtRiflet:
            ringe.append(i <= d ? foerste : rrIngen);
            if (i == e) {
                foerste = foerste == rrInd ? rrUd : rrInd;
                d = i + m_Dybde;
                e += foerste == rrInd ? m_Dybde : m_Dybde + m_RifleBredde;
            }
            break;
        }
    }
    return ringe;
}

void TXRamme::TegnRamme(QPainter &Can, const TRekt &Rekt, TRammeRetning Retning,
                        const QPalette &palette) const
{
    const TColor fladt = fladFarve();
    const TColor foerst = Retning == rrUd ? m_FarveLys : Retning == rrInd ? m_FarveSkygge : fladt;
    const TColor sidst = Retning == rrUd ? m_FarveSkygge : Retning == rrInd ? m_FarveLys : fladt;
    const QColor c1 = toQColor(foerst, palette);
    const QColor c2 = toQColor(sidst, palette);
    const QPoint venstreNede(Rekt.Left, Rekt.Bottom);
    const QPoint venstreOppe(Rekt.Left, Rekt.Top);
    const QPoint hojreOppe(Rekt.Right, Rekt.Top);
    const QPoint hojreNede(Rekt.Right, Rekt.Bottom);
    Linje(Can, venstreNede, venstreOppe, c1, 1);
    Linje(Can, venstreOppe, hojreOppe, c1, 1);
    Linje(Can, hojreOppe, hojreNede, c2, 1);
    Linje(Can, hojreNede, venstreNede, c2, 1);
}

TRekt TXRamme::NytRekt(const TRekt &Rekt)
{
    return {Rekt.Left + 1, Rekt.Top + 1, Rekt.Right - 1, Rekt.Bottom - 1};
}

void TXRamme::MakeRamme(QPainter &Can, const TRekt &Rekt, const QPalette &palette) const
{
    if (m_Bredde <= 0) {
        if (m_FarveFelt)
            FyldRekt(Can, Rekt, toQColor(m_FeltFarve, palette));
        return;
    }
    TRekt r = Rekt;
    for (TRammeRetning retning : RingRetninger()) {
        // Rings of a frame wider than the field would turn inside out.
        if (r.Right < r.Left || r.Bottom < r.Top)
            break;
        TegnRamme(Can, r, retning, palette);
        r = NytRekt(r);
    }
    if (m_FarveFelt)
        FyldRekt(Can, {r.Left, r.Top, r.Right + 1, r.Bottom + 1}, toQColor(m_FeltFarve, palette));
    if (m_Omrids || m_AnvendOmrids)
        OmridsRekt(Can, Rekt, toQColor(m_Farve, palette));
}
