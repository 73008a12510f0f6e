#pragma once

#include <QWidget>

class QComboBox;
struct Indstillinger;

// The properties window's tab "Ny alarm": the editor of a new alarm.
class NyAlarmSide : public QWidget
{
    Q_OBJECT

public:
    explicit NyAlarmSide(QWidget *parent = nullptr);

    QComboBox *cbLydfiler() const { return m_cbLydfiler; }
    int alarmLydIndex() const { return m_alarmLydIndex; }

    // Shows the sound list anew with its first entry selected.
    void visLyde(const QStringList &navne);

    void hentIndstillinger(const Indstillinger &indstillinger);
    void gemIndstillinger(Indstillinger &indstillinger) const;

private:
    QComboBox *m_cbLydfiler;
    int m_alarmLydIndex = 0;
};
