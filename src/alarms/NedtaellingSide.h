#pragma once

#include <QWidget>

class LydListe;
class QListWidget;
class QScrollBar;
class SoundPlayer;
class UrVindue;
struct Indstillinger;

// The properties window's tab "Nedtællingsalarm": the countdown alarm's
// sound list and the program's volume.
class NedtaellingSide : public QWidget
{
    Q_OBJECT

public:
    NedtaellingSide(UrVindue &urVindue, const LydListe &lydListe, SoundPlayer &soundPlayer,
                    QWidget *parent = nullptr);

    QListWidget *lydfilBox() const { return m_lydfilBox; }
    QScrollBar *lydBar() const { return m_lydBar; }
    int alarmIndex() const { return m_alarmIndex; }

    // Shows the sound list anew with its first entry selected.
    void visLyde(const QStringList &navne);
    // Sets the program's volume from a slider position, 0 silent to 28 full.
    void setLydstyrke(int styrke);
    void lydBarChange();

    void hentIndstillinger(const Indstillinger &indstillinger);
    void gemIndstillinger(Indstillinger &indstillinger) const;

private:
    void lydfilBoxClick();
    void lydfilBoxDblClick();

    const LydListe &m_lydListe;
    SoundPlayer &m_soundPlayer;
    QListWidget *m_lydfilBox;
    QScrollBar *m_lydBar;
    int m_alarmIndex = 0;
};
