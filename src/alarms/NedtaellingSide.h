#pragma once

#include "alarms/AlarmTjenester.h"
#include "alarms/NedtaellingsAlarm.h"
#include "base/Indstillinger.h"

#include <QWidget>

class CifferFelt;
class LydListe;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class RichTextEdit;
class SoundPlayer;
class UrVindue;

// The properties window's tab "Nedtællingsalarm": a one-off alarm after a span of
// time, counted down or up in the main window's digital field, with its heading,
// text, sound and repetitions; the sound list and the program's volume. The page
// also serves the plain stopwatch of the tab "Ur".
class NedtaellingSide : public QWidget, public IndstillingsDel
{
    Q_OBJECT

public:
    NedtaellingSide(UrVindue &urVindue, const LydListe &lydListe, SoundPlayer &soundPlayer,
                    const AlarmTjenester &tjenester, QWidget *parent = nullptr);

    QListWidget *lydfilBox() const { return m_lydfilBox; }
    QScrollBar *lydBar() const { return m_lydBar; }
    CifferFelt *antalEdit() const { return m_antalEdit; }
    CifferFelt *alarmEdit1() const { return m_alarmEdit1; }
    CifferFelt *alarmEdit2() const { return m_alarmEdit2; }
    CifferFelt *alarmEdit3() const { return m_alarmEdit3; }
    QLineEdit *alarmEdit() const { return m_alarmEdit; }
    RichTextEdit *alarmMemo() const { return m_alarmMemo; }
    QCheckBox *runVisCheck() const { return m_runVisCheck; }
    QCheckBox *stopUrCheck() const { return m_stopUrCheck; }
    QPushButton *alarmKnap() const { return m_alarmKnap; }
    int alarmIndex() const { return m_alarmIndex; }
    int alarmAntal() const { return m_alarmAntal; }
    const NedtaellingsAlarm &nedtaelling() const { return m_alarm; }

    // Shows the sound list anew with its first entry selected.
    void visLyde(const QStringList &navne);
    // Sets the program's volume from a slider position, 0 silent to 28 full.
    void setLydstyrke(int styrke);
    void lydBarChange();

    // "Start alarm".
    void alarmKnapClick();
    // "Stopur start" and "Stopur stop": the plain stopwatch.
    void suStartKnapClick();
    void suStopKnapClick();
    // The digital field's events.
    void StopUrTid(quint16 T, quint16 M, quint16 S);
    void StopUrAlarm();

    void hentIndstillinger(const Indstillinger &indstillinger) override;
    void gemIndstillinger(Indstillinger &indstillinger) const override;

private:
    void lydfilBoxClick();
    void lydfilBoxDblClick();
    void antalEditChange();
    void saetFontNavn(const QString &navn);
    void saetFontStoerrelse(int punkter);
    // Shows the alarm window and plays the sound; the firing ends with the sound.
    // While a stored alarm sounds, the firing waits for its end.
    void udloes();
    void firingSlut();

    UrVindue &m_urVindue;
    const LydListe &m_lydListe;
    SoundPlayer &m_soundPlayer;
    const AlarmTjenester m_tjenester;
    NedtaellingsAlarm m_alarm;
    QString m_alarmCaption;
    QString m_alarmTekst;
    QListWidget *m_lydfilBox;
    QScrollBar *m_lydBar;
    CifferFelt *m_antalEdit;
    CifferFelt *m_alarmEdit1;
    CifferFelt *m_alarmEdit2;
    CifferFelt *m_alarmEdit3;
    QLineEdit *m_alarmEdit;
    RichTextEdit *m_alarmMemo;
    QCheckBox *m_runVisCheck;
    QCheckBox *m_stopUrCheck;
    QPushButton *m_alarmKnap;
    int m_alarmIndex = 0;
    int m_alarmAntal = 1;
    bool m_venter = false;
};
