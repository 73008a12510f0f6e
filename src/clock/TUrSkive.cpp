#include "clock/TUrSkive.h"

#include "clock/Tegning.h"

#include <QPainter>

TUrSkive::TUrSkive(QWidget *parent) : TCirkelRamme(parent)
{
    BeregnValues();
}

void TUrSkive::BeregnValues()
{
    m_CirkelV.SetCentrumX(width() / 2);
    m_CirkelV.SetCentrumY(height() / 2);
    m_CirkelV.SetCirkelGrader(60);
    const int MinL = (width() <= height() ? width() : height()) / 2 - Mellemrum() - m_UrAfstand;
    m_UrRadius1 = MinL;
    m_UrRadius2 = m_UrRadius1 - m_TegnBredde;
    // Division before multiplication: TegnBredde 10 gives 6, not 7.5.
    m_UrRadius3 = m_UrRadius1 - (m_TegnBredde / 4) * 3;
    m_UrRadius4 = m_UrRadius1 - m_TegnBredde / 4;
}

void TUrSkive::Geometri()
{
    BeregnValues();
}

void TUrSkive::Paint(QPainter &Can)
{
    BeregnValues();
    TCirkelRamme::Paint(Can);
    const int cx = m_CirkelV.CentrumX();
    const int cy = m_CirkelV.CentrumY();
    const int r = m_UrRadius1;
    // Equal colours: the inner disc serves as dial.
    if (m_ColorSkive != ColorIndre())
        Ellipse(Can, {cx - r, cy - r, cx + r + 1, cy + r + 1}, nullptr, farve(m_ColorSkive));
    const QColor tegn = farve(m_ColorTegn);
    TCirkelVinkel v = m_CirkelV;
    for (int I = 0; I < 60; ++I) {
        v.SetVinkel(I);
        v.SetRadius(m_UrRadius1);
        const QPoint P1(v.GetCirkelX(), v.GetCirkelY());
        v.SetRadius(I % 15 == 0 ? m_UrRadius2 : I % 5 == 0 ? m_UrRadius3 : m_UrRadius4);
        const QPoint P2(v.GetCirkelX(), v.GetCirkelY());
        Linje(Can, P1, P2, tegn, m_TegnTykkelse);
    }
}
