#include "app/SeThroughMaske.h"

#include "clock/Maske.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

// The rectangle grown until its corner lies on whole device pixels, so that
// a part of the window is drawn on the same device pixels as the whole
// (at a scale of 1.25 every fourth logical pixel starts a device pixel).
QRect paaPixelgitter(const QRect &felt, qreal dpr)
{
    int trin = 1;
    while (trin < 16 && std::abs(trin * dpr - std::round(trin * dpr)) > 1e-6)
        ++trin;
    if (std::abs(trin * dpr - std::round(trin * dpr)) > 1e-6)
        return QRect(QPoint(0, 0), felt.bottomRight());
    return QRect(QPoint(qMax(felt.left(), 0) / trin * trin, qMax(felt.top(), 0) / trin * trin),
                 felt.bottomRight());
}

bool harNoegle(const QImage &billede, QRgb key)
{
    for (int y = 0; y < billede.height(); ++y) {
        const auto *linje = reinterpret_cast<const QRgb *>(billede.constScanLine(y));
        if (std::find(linje, linje + billede.width(), key) != linje + billede.width())
            return true;
    }
    return false;
}

} // namespace

SeThroughMaske::SeThroughMaske(QWidget &vindue, QList<QWidget *> clocks,
                               std::function<bool()> iBrug)
    : QObject(&vindue), m_vindue(vindue), m_clocks(std::move(clocks)), m_iBrug(std::move(iBrug))
{}

void SeThroughMaske::forny()
{
    m_udestaar = QRegion();
    m_maske = QRegion();
    if (m_iBrug())
        fornyDel(m_vindue.rect());
    else
        saet(QRegion());
}

void SeThroughMaske::fornyDel(const QRegion &omraade)
{
    // Every pixel painted in the window colour lets the desktop through. The
    // clock draws crisp under a mask, so its edges hold no blend of the key
    // colour that could show as a fringe. Only the painted area is drawn
    // again, at the screen's scale, and judged in logical pixels.
    const qreal dpr = m_vindue.devicePixelRatioF();
    const QRect felt = paaPixelgitter(omraade.boundingRect(), dpr) & m_vindue.rect();
    if (m_grabber || felt.isEmpty())
        return;
    const QColor key = m_vindue.palette().color(QPalette::Window);
    QImage billede(felt.size() * dpr, QImage::Format_RGB32);
    billede.setDevicePixelRatio(dpr);
    billede.fill(key);
    // The clock controls cover the whole window, which has nothing of its
    // own to paint beyond the key colour.
    m_grabber = true;
    for (QWidget *clock : m_clocks) {
        const QRect del = felt & clock->geometry();
        if (clock->isVisible() && !del.isEmpty())
            clock->render(&billede, del.topLeft() - felt.topLeft(),
                          QRegion(del.translated(-clock->pos())), {});
    }
    m_grabber = false;
    // A tick of the hands mostly paints where all was shown and shows all
    // again: then the mask stays, and the region arithmetic over the whole
    // outline is spared.
    if (!harNoegle(billede, key.rgb()) && QRegion(felt).subtracted(m_maske).isEmpty())
        return;
    m_maske =
        (m_maske.subtracted(felt) + SynligDel(billede, key.rgb()).translated(felt.topLeft())) &
        m_vindue.rect();
    saet(m_maske);
}

QRegion SeThroughMaske::maske() const
{
    const QWindow *vindue = m_vindue.windowHandle();
    return vindue ? vindue->mask() : QRegion();
}

void SeThroughMaske::saet(const QRegion &maske)
{
    // Set on the window, not the widget: a widget's mask would also clip its
    // paints, and what the clock draws where the mask hides it now could
    // never be seen to need showing.
    if (!m_vindue.windowHandle() && maske.isEmpty())
        return;
    m_vindue.winId();
    if (m_vindue.windowHandle()->mask() != maske)
        m_vindue.windowHandle()->setMask(maske);
}

void SeThroughMaske::malet(const QRegion &omraade)
{
    if (!m_iBrug() || m_grabber)
        return;
    m_udestaar += omraade;
    planlaeg();
}

void SeThroughMaske::planlaeg()
{
    // Queued and made once per burst of changes; the paints of the refresh
    // itself are left alone.
    if (!m_iBrug() || m_grabber || m_planlagt)
        return;
    m_planlagt = true;
    QTimer::singleShot(0, this, [this] {
        m_planlagt = false;
        const QRegion omraade = std::exchange(m_udestaar, QRegion());
        if (m_iBrug())
            fornyDel(omraade);
    });
}

void SeThroughMaske::planlaegHel()
{
    m_udestaar = m_vindue.rect();
    planlaeg();
}
