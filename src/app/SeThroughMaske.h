#pragma once

#include <QObject>
#include <QRegion>
#include <functional>

class QWidget;

// The mask of a see-through window on a desktop that does not composite: every
// pixel the clocks leave in the window colour lets the desktop through. The mask
// follows what the clocks paint, made anew once per burst of paints.
class SeThroughMaske : public QObject
{
    Q_OBJECT

public:
    // `clocks` cover the window; `iBrug` says whether the window wants a mask now.
    SeThroughMaske(QWidget &vindue, QList<QWidget *> clocks, std::function<bool()> iBrug);

    // The mask made anew for the whole window, or taken away when not in use.
    void forny();
    // A clock painted this part of the window (in window coordinates).
    void malet(const QRegion &omraade);
    // The whole window must be judged again, once the events in hand are done.
    void planlaegHel();
    // The window colour changed, or something else that may change what shows.
    void planlaeg();
    // While true, the clocks paint for the mask, not for the screen.
    bool grabber() const { return m_grabber; }
    // What the window shows of itself, in logical pixels; empty when it shows all.
    QRegion maske() const;

private:
    void fornyDel(const QRegion &omraade);
    void saet(const QRegion &maske);

    QWidget &m_vindue;
    const QList<QWidget *> m_clocks;
    const std::function<bool()> m_iBrug;
    bool m_grabber = false;
    bool m_planlagt = false;
    QRegion m_maske;    // what the mask shows, in logical pixels
    QRegion m_udestaar; // painted since the mask was made
};
