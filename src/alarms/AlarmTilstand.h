#pragma once

#include "alarms/MistedeAlarmer.h"

#include <QDateTime>
#include <QList>
#include <QString>

// An alarm put off by "Udsæt": it fires again at `tid` with its heading, text
// and sound. The text is kept in a file of its own, since a dated alarm's files
// are gone once it has fired.
struct Udsat
{
    QDateTime tid; // UTC
    QString overskrift;
    QString tekstfil;
    qint32 alarmfil = 0;
    int gentagelse = 0;
    friend bool operator==(const Udsat &, const Udsat &) = default;
};

// What the alarm clockwork remembers between runs, beside the alarm files
// (whose format stays as it is): when it last checked, how late an alarm may
// still fire, the minutes "Udsæt" chose last, the alarms put off, and the
// missed alarms listed but not yet seen.
class AlarmTilstand
{
public:
    static constexpr int kForsinkelse = 10;
    static constexpr int kUdsaet = 5;
    static inline const QList<int> kUdsaetValg{5, 10, 15, 30};

    explicit AlarmTilstand(QString sti) : m_sti(std::move(sti)) {}

    // Reads the file; what is missing or cannot be read keeps its default.
    void hent();
    // Writes the file atomically; false when it cannot be written.
    bool gem() const;
    const QString &sti() const { return m_sti; }

    QDateTime sidstTjekket;         // UTC; invalid before the first check ever
    int forsinkelse = kForsinkelse; // minutes; 0: a missed alarm never fires late
    int udsaetMinutter = kUdsaet;
    QList<Udsat> udsatte;
    // Listed in "Alarmer, mens du var væk" and not yet seen there: they are
    // listed again at the next start. A stored alarm is read anew from its
    // file and left out when that file is gone (the alarm was deleted or
    // moved); a put-off one keeps its heading and text file.
    QList<ForfaldenAlarm> mistede;

    // The same missed alarm: the same moment of the same alarm.
    static bool sammeMistede(const ForfaldenAlarm &a, const ForfaldenAlarm &b);

private:
    QString m_sti;
};
