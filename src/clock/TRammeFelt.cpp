#include "clock/TRammeFelt.h"

#include <QPainter>

TGrundFelt::TGrundFelt(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(64, 64);
}

void TGrundFelt::SetColor(TColor value)
{
    if (m_Color == value)
        return;
    m_Color = value;
    update();
}

void TGrundFelt::SetMaade(Tegnemaade value)
{
    if (m_Maade == value)
        return;
    m_Maade = value;
    update();
}

void TGrundFelt::Paint(QPainter &) {}

void TGrundFelt::paintEvent(QPaintEvent *)
{
    QPainter Can(this);
    IndstilMaade(Can, m_Maade);
    Can.fillRect(rect(), farve(m_Color));
    Paint(Can);
}

TRammeFelt::TRammeFelt(QWidget *parent) : TGrundFelt(parent)
{
    m_GrundRamme.SetBredde(1);
    m_GrundRamme.SetArt(rtUd);
    connect(&m_GrundRamme, &TXRamme::OnChange, this, &TRammeFelt::RammeForandret);
    BeregnRekter();
}

void TRammeFelt::BeregnFelt()
{
    const TXCompoRamme &r = m_GrundRamme;
    m_CompoRekt.Left = r.Bredde() + r.AfstandLodret() + r.EkstraVenstre();
    m_CompoRekt.Top = r.Bredde() + r.AfstandVandret() + r.EkstraOppe();
    m_CompoRekt.Right = width() - (r.Bredde() + r.AfstandLodret() + r.EkstraHojre()) - 1;
    m_CompoRekt.Bottom = height() - (r.Bredde() + r.AfstandVandret() + r.EkstraNede()) - 1;
}

void TRammeFelt::BeregnRekter()
{
    BeregnFelt();
    const int b = m_GrundRamme.Bredde();
    m_IndreRekt = {b, b, width() - b, height() - b};
    m_GrundRekt = {0, 0, width() - 1, height() - 1};
    m_CompoBeregnet = !m_GrundRamme.TilpasAlign();
}

TRekt TRammeFelt::AdjustClientRect(TRekt Rect)
{
    if (m_CompoBeregnet)
        return m_CompoRekt;
    if (m_GrundRamme.NytClientRekt()) {
        BeregnFelt();
        return m_CompoRekt;
    }
    const int b = m_GrundRamme.Bredde();
    return {Rect.Left + b, Rect.Top + b, Rect.Right - b, Rect.Bottom - b};
}

void TRammeFelt::Realign()
{
    const TRekt r = AdjustClientRect({0, 0, width(), height()});
    setContentsMargins(qMax(r.Left, 0), qMax(r.Top, 0), qMax(width() - r.Right, 0),
                       qMax(height() - r.Bottom, 0));
}

void TRammeFelt::RammeForandret()
{
    Realign();
    m_CompoBeregnet = false;
    update();
}

void TRammeFelt::resizeEvent(QResizeEvent *event)
{
    TGrundFelt::resizeEvent(event);
    Realign();
}

void TRammeFelt::MakeRammeFelt(QPainter &Can)
{
    m_GrundRamme.MakeRamme(Can, m_GrundRekt, palette());
    if (!m_GrundBitmap.isNull()) {
        const TRekt &i = m_IndreRekt;
        if (i.Right > i.Left && i.Bottom > i.Top)
            Can.drawPixmap(QRect(i.Left, i.Top, i.Right - i.Left, i.Bottom - i.Top), m_GrundBitmap);
    }
}

void TRammeFelt::Paint(QPainter &Can)
{
    BeregnRekter();
    MakeRammeFelt(Can);
}

TPreTekstFelt::TPreTekstFelt(QWidget *parent) : TRammeFelt(parent)
{
    resize(128, 24);
    GrundRamme().SetArt(rtInd);
}
