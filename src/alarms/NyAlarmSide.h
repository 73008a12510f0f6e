#pragma once

#include "alarms/AlarmFile.h"
#include "alarms/AlarmTjenester.h"
#include "base/Indstillinger.h"

#include <QWidget>

class CifferFelt;
class FormatVaerktoej;
class LydListe;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class RichTextEdit;
class SoundPlayer;
class UrVindue;

// The properties window's tab "Ny alarm": the editor of daily, dated and yearly
// alarms. "Gem" checks the fields, asks before an alarm of the same date and minute
// is replaced, writes the alarm's pair of files and reloads today's alarms.
// Beside the text stand its own formatting tools.
class NyAlarmSide : public QWidget, public IndstillingsDel
{
    Q_OBJECT

public:
    NyAlarmSide(UrVindue &urVindue, const LydListe &lydListe, SoundPlayer &soundPlayer,
                const AlarmTjenester &tjenester, QWidget *parent = nullptr);

    QButtonGroup *alarmtypeValg() const { return m_alarmtypeValg; }
    QLineEdit *EditYear() const { return m_EditYear; }
    QLineEdit *EditMonth() const { return m_EditMonth; }
    QLineEdit *EditDay() const { return m_EditDay; }
    QLineEdit *EditTime() const { return m_EditTime; }
    QLineEdit *EditMinut() const { return m_EditMinut; }
    QComboBox *cbLydfiler() const { return m_cbLydfiler; }
    CifferFelt *EditGentagelse() const { return m_EditGentagelse; }
    QLineEdit *EditOverskrift() const { return m_EditOverskrift; }
    RichTextEdit *alarmMemoNy() const { return m_alarmMemoNy; }
    FormatVaerktoej *vaerktoej() const { return m_vaerktoej; }
    QPushButton *sbDagsDato() const { return m_sbDagsDato; }
    QPushButton *sbSide4Play() const { return m_sbSide4Play; }
    QPushButton *sbNyAlarm() const { return m_sbNyAlarm; }
    QPushButton *sbGemAlarm() const { return m_sbGemAlarm; }
    int alarmLydIndex() const { return m_alarmLydIndex; }

    // Shows the sound list anew with its first entry selected.
    void visLyde(const QStringList &navne);

    // Fills the date and time fields for the selected type from today's date and time.
    void alarmtypeValgClick();
    void sbNyAlarmClick();
    void sbGemAlarmClick();
    void sbSide4PlayClick();

    // Opens an existing alarm for changing, its text from tekstfil; false (the page
    // unchanged) when the text cannot be read. "Gem" is disabled afterwards.
    bool visAlarm(const TAlarmRecord &E, const QString &tekstfil);

    void hentIndstillinger(const Indstillinger &indstillinger) override;
    void gemIndstillinger(Indstillinger &indstillinger) const override;

private:
    AlarmType valgtType() const;
    void gemAlarm();
    void udskrivDato();
    void udskrivKlokken();
    void aendret();

    UrVindue &m_urVindue;
    const LydListe &m_lydListe;
    SoundPlayer &m_soundPlayer;
    const AlarmTjenester m_tjenester;
    QButtonGroup *m_alarmtypeValg;
    QLineEdit *m_EditYear;
    QLineEdit *m_EditMonth;
    QLineEdit *m_EditDay;
    QLineEdit *m_EditTime;
    QLineEdit *m_EditMinut;
    QComboBox *m_cbLydfiler;
    CifferFelt *m_EditGentagelse;
    QLineEdit *m_EditOverskrift;
    FormatVaerktoej *m_vaerktoej;
    RichTextEdit *m_alarmMemoNy;
    QPushButton *m_sbDagsDato;
    QPushButton *m_sbSide4Play;
    QPushButton *m_sbNyAlarm;
    QPushButton *m_sbGemAlarm;
    int m_alarmLydIndex = 0;
    int m_alarmLydGentagelse = 0;
};
