#include "clock/TCirkelRamme.h"

#include "clock/Tegning.h"

#include <QPaintEvent>
#include <QPainter>

TCirkelRamme::TCirkelRamme(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the cached picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(80, 80);
}

void TCirkelRamme::SetColorBaggrund(TColor value)
{
    m_ColorBaggrund = value;
    Forny();
}

void TCirkelRamme::Forny()
{
    m_cacheGyldig = false;
    Geometri();
    update();
}

void TCirkelRamme::Paint(QPainter &Can)
{
    const int w = width();
    const int h = height();
    FyldRekt(Can, {0, 0, w, h}, farve(m_ColorBaggrund));
    if (m_Mellemrum <= 0)
        return;
    // The outer disc has no outline of its own: its pen has the disc's colour.
    const QColor ydre = farve(m_ColorYdre);
    Ellipse(Can, {0, 0, w, h}, &ydre, ydre);
    const QColor sort = farve(clBlack);
    const int m = m_Mellemrum;
    Ellipse(Can, {m, m, w - m, h - m}, &sort, farve(m_ColorIndre));
}

void TCirkelRamme::TegnOven(QPainter &, bool) {}

void TCirkelRamme::paintEvent(QPaintEvent *event)
{
    QPainter Can(this);
    // The device's own ratio: a window on a scaled screen, or a picture the
    // control is rendered into at a ratio of its own.
    const qreal dpr = Can.device()->devicePixelRatioF();
    const QSize fysisk = size() * dpr;
    if (!m_cacheGyldig || m_cache.size() != fysisk || m_cache.devicePixelRatio() != dpr) {
        m_cache = QPixmap(fysisk);
        m_cache.setDevicePixelRatio(dpr);
        // Where the desktop composites, the key colour leaves holes that
        // the picture must keep; and a picture in the translucent window's
        // own format is copied, not converted, at each tick.
        if (m_Maade == Tegnemaade::GlatGennemsigtig ||
            window()->testAttribute(Qt::WA_TranslucentBackground))
            m_cache.fill(Qt::transparent);
        QPainter cachePainter(&m_cache);
        IndstilMaade(cachePainter, m_Maade);
        Paint(cachePainter);
        m_cacheGyldig = true;
    }
    const QRegion region = event->region();
    // A picture with holes replaces what lies beneath.
    Can.setCompositionMode(QPainter::CompositionMode_Source);
    // One rectangle at a time: under a clip of many rectangles the painter
    // blends row by row on helper threads and wakes them at every tick.
    for (const QRect &r : region) {
        Can.setClipRect(r);
        Can.drawPixmap(r, m_cache, QRectF(r.topLeft() * dpr, r.size() * dpr));
    }
    // Qt keeps the paint inside the region regardless.
    Can.setClipping(false);
    IndstilMaade(Can, m_Maade);
    const bool hel = QRegion(rect()).subtracted(region).isEmpty();
    TegnOven(Can, hel);
}

void TCirkelRamme::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_cacheGyldig = false;
    Geometri();
}

void TCirkelRamme::changeEvent(QEvent *event)
{
    // System colours such as clBtnFace resolve through the palette.
    if (event->type() == QEvent::PaletteChange)
        Forny();
    QWidget::changeEvent(event);
}
