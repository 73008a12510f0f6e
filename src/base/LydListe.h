#pragma once

#include <QString>
#include <QStringList>

// The alarm sounds: entry 0 "Ingen alarmlyd" (no sound), then the .wav files
// of the sound folder in the order the platform lists them. An alarm stores
// an index into this list; the sound lists of the properties window show it
// and the firing of an alarm finds its sound here.
class SoundPlayer;

class LydListe
{
public:
    explicit LydListe(const QString &lydDir);

    // Reads the sound folder again. A missing folder leaves "Ingen alarmlyd" alone.
    void hent();

    // "Ingen alarmlyd", then each sound's file name without ".wav".
    QStringList navne() const;
    int count() const { return int(m_filer.size()) + 1; }
    // The full path of the sound at an index; empty for "Ingen alarmlyd" and
    // for an index the list does not hold.
    QString sti(int index) const;

    // Plays the sound at an index aAntal times (0 counts as once), without
    // blocking. A test play is heard once, however often the alarm would play.
    // Nothing plays for "Ingen alarmlyd" or a sound file that is gone.
    void playAlarm(SoundPlayer &player, int aIndex, int aAntal, bool test) const;

private:
    QString m_lydDir;
    QStringList m_filer;
};
