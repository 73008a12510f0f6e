#include "dialogs/DialogSymbol.h"

#include <QPainter>

namespace {

QPixmap disc(QSize size, int diameter, const QString &sign)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle((size.width() - diameter) / 2.0, 0, diameter, diameter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xd0));
    painter.drawEllipse(circle);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(diameter * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, sign);
    return picture;
}

} // namespace

namespace DialogSymbol {

QPixmap question()
{
    return disc(QSize(46, 52), 40, QStringLiteral("?"));
}

QPixmap information()
{
    return disc(QSize(16, 16), 16, QStringLiteral("i"));
}

} // namespace DialogSymbol
