#include "richtext/FarveGitter.h"

#include <QMouseEvent>
#include <QPainter>

const std::array<TColor, 16> FarveGitter::kFarver = {
    TColor::fromRgb(0, 0, 0),      TColor::fromRgb(128, 0, 0),     TColor::fromRgb(0, 128, 0),
    TColor::fromRgb(128, 128, 0),  TColor::fromRgb(0, 0, 128),     TColor::fromRgb(128, 0, 128),
    TColor::fromRgb(0, 128, 128),  TColor::fromRgb(192, 192, 192), TColor::fromRgb(128, 128, 128),
    TColor::fromRgb(255, 0, 0),    TColor::fromRgb(0, 255, 0),     TColor::fromRgb(255, 255, 0),
    TColor::fromRgb(0, 0, 255),    TColor::fromRgb(255, 0, 255),   TColor::fromRgb(0, 255, 255),
    TColor::fromRgb(255, 255, 255)};

namespace {
constexpr int kFelt = 18;
}

FarveGitter::FarveGitter(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Farver"));
    setFixedSize(sizeHint());
}

int FarveGitter::indeks(TColor farve)
{
    for (int i = 0; i < int(kFarver.size()); ++i)
        if (kFarver[i] == farve)
            return i;
    return -1;
}

TColor FarveGitter::ForegroundColor() const
{
    return m_forgrund >= 0 ? kFarver[m_forgrund] : clNone;
}

void FarveGitter::setForegroundIndex(int index)
{
    if (index == m_forgrund)
        return;
    m_forgrund = index;
    update();
}

void FarveGitter::setBackgroundIndex(int index)
{
    if (index == m_baggrund)
        return;
    m_baggrund = index;
    update();
}

QSize FarveGitter::sizeHint() const
{
    return QSize(4 * kFelt, 4 * kFelt);
}

QRect FarveGitter::felt(int index) const
{
    return QRect(index % 4 * kFelt, index / 4 * kFelt, kFelt, kFelt);
}

void FarveGitter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont lille = font();
    lille.setPixelSize(8);
    p.setFont(lille);
    for (int i = 0; i < int(kFarver.size()); ++i) {
        const QColor farve = toQColor(kFarver[i], palette());
        p.fillRect(felt(i), farve);
        QString maerke;
        if (i == m_forgrund)
            maerke = QStringLiteral("FG");
        if (i == m_baggrund)
            maerke += QStringLiteral("BG");
        if (!maerke.isEmpty()) {
            p.setPen(farve.lightness() < 128 ? Qt::white : Qt::black);
            p.drawText(felt(i), Qt::AlignCenter, maerke);
        }
    }
}

void FarveGitter::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos))
        return;
    const int index = pos.y() / kFelt * 4 + pos.x() / kFelt;
    if (event->button() == Qt::LeftButton)
        setForegroundIndex(index);
    else if (event->button() == Qt::RightButton)
        setBackgroundIndex(index);
    else
        return;
    Q_EMIT Change();
}
