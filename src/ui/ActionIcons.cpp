#include "ui/ActionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

namespace {

// Every picture is drawn on a 16-unit square that the painter scales to the pixmap. Lines
// of width 1 lie on half units and fills on whole units, so both sizes stay crisp.
QIcon drawn(void (*draw)(QPainter &))
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen pen(const QColor &colour, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

const QColor blue(0x2f, 0x6f, 0xc0);
const QColor darkBlue(0x1d, 0x47, 0x7d);
const QColor darkGrey(0x40, 0x40, 0x40);

} // namespace

namespace ActionIcons {

QIcon luk()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(0x8a, 0x1c, 0x1c), 1));
        p.setBrush(QColor(0xd0, 0x30, 0x30));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(pen(Qt::white, 2));
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    });
}

QIcon form()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(darkGrey, 1, Qt::SquareCap));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.fillRect(QRectF(2, 3, 12, 3), blue);
        p.fillRect(QRectF(11, 4, 2, 1), Qt::white);
    });
}

QIcon ur()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(0x10, 0x14, 0x18), 1));
        p.setBrush(QColor(0x20, 0x28, 0x30));
        p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1.5, 1.5);
        // Two eights with a colon between them, as on a digital clock.
        const QColor segment(0x40, 0xe0, 0x60);
        p.setPen(pen(segment, 1, Qt::SquareCap));
        p.setBrush(Qt::NoBrush);
        for (const qreal left : {2.5, 10.5}) {
            p.drawRect(QRectF(left, 5.5, 3, 6));
            p.drawLine(QPointF(left, 8.5), QPointF(left + 3, 8.5));
        }
        p.fillRect(QRectF(7.5, 6.5, 1, 1), segment);
        p.fillRect(QRectF(7.5, 9.5, 1, 1), segment);
    });
}

QIcon egenskaber()
{
    return drawn([](QPainter &p) {
        const QPointF centre(8, 8);
        QPainterPath wheel;
        wheel.addEllipse(centre, 5, 5);
        for (int tooth = 0; tooth < 8; ++tooth) {
            QPainterPath t;
            t.addRect(QRectF(-1.5, -7.5, 3, 3));
            QTransform turn;
            turn.translate(centre.x(), centre.y());
            turn.rotate(45.0 * tooth);
            wheel = wheel.united(turn.map(t));
        }
        QPainterPath hole;
        hole.addEllipse(centre, 2, 2);
        p.setPen(pen(QColor(0x30, 0x36, 0x3c), 1));
        p.setBrush(QColor(0x78, 0x84, 0x90));
        p.drawPath(wheel.subtracted(hole));
    });
}

QIcon rundtUr()
{
    return drawn([](QPainter &p) {
        // Silver frame and white dial, as the clock's own standard colours.
        p.setPen(pen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(QColor(0xc0, 0xc0, 0xc0));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        p.setPen(pen(darkGrey, 2, Qt::FlatCap));
        p.drawLine(QPointF(8, 9), QPointF(8, 3.5));
        p.drawLine(QPointF(7, 8), QPointF(11.5, 8));
    });
}

QIcon standardFarver()
{
    return drawn([](QPainter &p) {
        const struct
        {
            QPointF centre;
            QColor fill;
        } dots[] = {
            {{5, 5.5}, QColor(0xe0, 0x30, 0x30)},
            {{11, 5.5}, QColor(0x30, 0xb0, 0x40)},
            {{8, 11}, QColor(0x30, 0x60, 0xe0)},
        };
        for (const auto &dot : dots) {
            p.setPen(pen(dot.fill.darker(160), 1));
            p.setBrush(dot.fill);
            p.drawEllipse(dot.centre, 3.5, 3.5);
        }
    });
}

QIcon afspil()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(0x1c, 0x6b, 0x28), 1));
        p.setBrush(QColor(0x2e, 0x9e, 0x40));
        p.drawPolygon(QPolygonF({QPointF(4.5, 2.5), QPointF(13.5, 8), QPointF(4.5, 13.5)}));
    });
}

QIcon information()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(darkBlue, 1));
        p.setBrush(blue);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        // Drawn, not typed: no font can spoil it.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.75), 1.25, 1.25);
        p.drawRect(QRectF(7, 7, 2, 5.5));
    });
}

QIcon opdaterAlarmer()
{
    return drawn([](QPainter &p) {
        const QPointF centre(8, 8);
        const qreal radius = 5;
        // Three quarters of a turn, counter-clockwise from the upper right; the head shows the way.
        const qreal start = 30;
        const qreal sweep = 270;
        QPainterPath arc;
        const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(circle, start);
        arc.arcTo(circle, start, sweep);
        p.setPen(pen(blue, 2, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);

        const qreal end = qDegreesToRadians(start + sweep);
        const QPointF outward(qCos(end), -qSin(end));
        const QPointF ahead(-qSin(end), -qCos(end));
        const QPointF tip = centre + radius * outward;
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF({tip + 3.5 * ahead, tip + 3 * outward, tip - 3 * outward}));
    });
}

QIcon minimer()
{
    return drawn([](QPainter &p) {
        p.fillRect(QRectF(2, 12, 12, 2), darkGrey);
        p.setPen(pen(blue, 2, Qt::FlatCap));
        p.drawLine(QPointF(8, 1.5), QPointF(8, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF({QPointF(4, 6.5), QPointF(12, 6.5), QPointF(8, 10.5)}));
    });
}

} // namespace ActionIcons
