#pragma once

#include "alarms/AlarmTjenester.h"
#include "alarms/AlleAlarmer.h"

#include <QWidget>

class NyAlarmSide;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class UrVindue;

// The properties window's tab "Alarmer": a table of today's remaining alarms (the
// active view) or of every stored alarm (the view of all alarms), in which an alarm
// can be opened in the editor of "Ny alarm" or deleted.
class AlarmOversigtSide : public QWidget
{
    Q_OBJECT

public:
    AlarmOversigtSide(UrVindue &urVindue, NyAlarmSide &nyAlarmSide, const AlarmTjenester &tjenester,
                      QWidget *parent = nullptr);

    QLabel *LabelOverskrift() const { return m_LabelOverskrift; }
    QTableWidget *alarmBox() const { return m_alarmBox; }
    QPushButton *sbUdskrivAlle() const { return m_sbUdskrivAlle; }
    QPushButton *sbUdskrivAktive() const { return m_sbUdskrivAktive; }
    QPushButton *sbRedigerValgte() const { return m_sbRedigerValgte; }
    QPushButton *sbSletValgte() const { return m_sbSletValgte; }
    const AlleAlarmer &alleAlarmer() const { return m_alle; }
    // The alarms put off by "Udsæt", and the button that cancels the chosen one;
    // hidden while none are.
    QComboBox *udsatteBox() const { return m_udsatteBox; }
    QPushButton *annullerUdsatKnap() const { return m_annullerUdsat; }

    // Shows today's remaining alarms: after every load and every firing of them.
    void loadDagensAlarmer();
    // "Vis alle": every alarm, read afresh from the alarm folder.
    void sbUdskrivAlleClick();
    void sbRedigerValgteClick();
    void sbSletValgteClick();

Q_SIGNALS:
    // An alarm is open in the editor of "Ny alarm": its tab is wanted.
    void redigeres();

private:
    void udskrivAlarmer(const QList<TAlarmRecord> &alarmer);
    void visVisning(bool alle);
    int valgtRaekke() const;
    void visUdsatte();

    UrVindue &m_urVindue;
    NyAlarmSide &m_nyAlarmSide;
    const AlarmTjenester m_tjenester;
    AlleAlarmer m_alle;
    QLabel *m_LabelOverskrift;
    QTableWidget *m_alarmBox;
    QPushButton *m_sbUdskrivAlle;
    QPushButton *m_sbUdskrivAktive;
    QPushButton *m_sbRedigerValgte;
    QPushButton *m_sbSletValgte;
    QComboBox *m_udsatteBox;
    QPushButton *m_annullerUdsat;
};
