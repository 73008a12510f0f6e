#pragma once

#include "alarms/MistedeAlarmer.h"

#include <QWidget>

class QPushButton;
class QTableWidget;
class RichTextEdit;

// "Alarmer, mens du var væk": the alarms that fell due while the program did not
// run or the computer slept, too long ago to fire; newest first, with date, time
// and heading, and the text of the one chosen.
class MistedeAlarmerForm : public QWidget
{
    Q_OBJECT

public:
    explicit MistedeAlarmerForm(QWidget *parent = nullptr);

    // Shows these alarms too, above the ones already in the list.
    void vis(const QList<ForfaldenAlarm> &alarmer);

    QTableWidget *liste() const { return m_liste; }
    QPushButton *visTekstKnap() const { return m_visTekst; }
    QPushButton *lukKnap() const { return m_luk; }
    RichTextEdit *tekst() const { return m_tekst; }

Q_SIGNALS:
    // The window closed: the alarms in it have been seen.
    void set(const QList<ForfaldenAlarm> &alarmer);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void visTekst();

    QList<ForfaldenAlarm> m_alarmer;
    QTableWidget *m_liste;
    QPushButton *m_visTekst;
    QPushButton *m_luk;
    RichTextEdit *m_tekst;
};
