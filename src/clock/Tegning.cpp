#include "clock/Tegning.h"

#include <QPainter>
#include <cstdlib>

QList<QPoint> LinjePunkter(QPoint fra, QPoint til)
{
    QList<QPoint> punkter;
    const int dx = std::abs(til.x() - fra.x());
    const int dy = std::abs(til.y() - fra.y());
    const int sx = fra.x() < til.x() ? 1 : -1;
    const int sy = fra.y() < til.y() ? 1 : -1;
    punkter.reserve(qMax(dx, dy));
    int fejl = dx - dy;
    QPoint p = fra;
    while (p != til) {
        punkter.append(p);
        const int dobbelt = 2 * fejl;
        if (dobbelt > -dy) {
            fejl -= dy;
            p.rx() += sx;
        }
        if (dobbelt < dx) {
            fejl += dx;
            p.ry() += sy;
        }
    }
    return punkter;
}

void IndstilMaade(QPainter &Can, Tegnemaade maade)
{
    const bool glat = maade != Tegnemaade::Skarp;
    Can.setRenderHint(QPainter::Antialiasing, glat);
    Can.setRenderHint(QPainter::TextAntialiasing, glat);
    Can.setCompositionMode(maade == Tegnemaade::GlatGennemsigtig
                               ? QPainter::CompositionMode_Source
                               : QPainter::CompositionMode_SourceOver);
}

QColor MaadeFarve(TColor colour, const QPalette &palette, Tegnemaade maade)
{
    const QColor farve = toQColor(colour, palette);
    if (maade == Tegnemaade::GlatGennemsigtig && farve.rgb() == toQColor(clBtnFace, palette).rgb())
        return Qt::transparent;
    return farve;
}

namespace {

QPointF midtI(QPoint pixel)
{
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

} // namespace

void Linje(QPainter &Can, QPoint fra, QPoint til, const QColor &farve, int bredde)
{
    if (Can.testRenderHint(QPainter::Antialiasing)) {
        if (fra == til && bredde <= 1)
            return;
        const Qt::PenCapStyle ender = bredde <= 1 ? Qt::FlatCap : Qt::RoundCap;
        Can.setPen(QPen(farve, qMax(bredde, 1), Qt::SolidLine, ender, Qt::RoundJoin));
        Can.drawLine(midtI(fra), midtI(til));
        return;
    }
    if (bredde <= 1) {
        const QList<QPoint> punkter = LinjePunkter(fra, til);
        if (punkter.isEmpty())
            return;
        Can.setPen(QPen(farve, 1));
        Can.drawPoints(punkter.constData(), int(punkter.size()));
        return;
    }
    Can.setPen(QPen(farve, bredde, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Can.drawLine(fra, til);
}

void Ellipse(QPainter &Can, const TRekt &r, const QColor *kant, const QColor &fyld)
{
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    if (w <= 0 || h <= 0)
        return;
    Can.setBrush(fyld);
    if (Can.testRenderHint(QPainter::Antialiasing)) {
        if (kant) {
            Can.setPen(QPen(*kant, 1));
            Can.drawEllipse(QRectF(r.Left + 0.5, r.Top + 0.5, w - 1, h - 1));
        } else {
            Can.setPen(Qt::NoPen);
            Can.drawEllipse(QRectF(r.Left, r.Top, w, h));
        }
        return;
    }
    if (kant) {
        // Qt's outlined ellipse covers one pixel more than its size on each axis.
        Can.setPen(QPen(*kant, 1));
        if (w == 1 || h == 1)
            Can.fillRect(r.Left, r.Top, w, h, *kant);
        else
            Can.drawEllipse(QRect(r.Left, r.Top, w - 1, h - 1));
    } else {
        Can.setPen(Qt::NoPen);
        Can.drawEllipse(QRect(r.Left, r.Top, w, h));
    }
}

void FyldRekt(QPainter &Can, const TRekt &r, const QColor &farve)
{
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    if (w > 0 && h > 0)
        Can.fillRect(r.Left, r.Top, w, h, farve);
}

void OmridsRekt(QPainter &Can, const TRekt &r, const QColor &farve)
{
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    if (w <= 0 || h <= 0)
        return;
    if (w <= 2 || h <= 2) {
        Can.fillRect(r.Left, r.Top, w, h, farve);
        return;
    }
    Can.fillRect(r.Left, r.Top, w, 1, farve);
    Can.fillRect(r.Left, r.Bottom - 1, w, 1, farve);
    Can.fillRect(r.Left, r.Top + 1, 1, h - 2, farve);
    Can.fillRect(r.Right - 1, r.Top + 1, 1, h - 2, farve);
}
