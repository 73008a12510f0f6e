#include "ui/TegnetIkon.h"

#include <QIconEngine>

namespace {

class TegnetIkonMotor : public QIconEngine
{
public:
    explicit TegnetIkonMotor(std::function<QPixmap()> tegn) : m_tegn(std::move(tegn)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        ikon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return ikon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new TegnetIkonMotor(*this); }

private:
    const QIcon &ikon()
    {
        if (m_ikon.isNull())
            m_ikon = QIcon(m_tegn());
        return m_ikon;
    }

    std::function<QPixmap()> m_tegn;
    QIcon m_ikon;
};

} // namespace

QIcon tegnetIkon(std::function<QPixmap()> tegn)
{
    return QIcon(new TegnetIkonMotor(std::move(tegn)));
}
