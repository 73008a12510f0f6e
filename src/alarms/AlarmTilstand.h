#pragma once

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
// still fire, the minutes "Udsæt" chose last, and the alarms put off.
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

private:
    QString m_sti;
};
