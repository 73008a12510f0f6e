#pragma once

#include "calendar/Kalender.h"

#include <QWidget>

class QAction;
class QLabel;
class QPushButton;
class RichTextEdit;

// The document viewer: reads the calendar documents of a date one by one.
// It lists no folder itself; the calendar page prepares it after every listing.
class Ttekstform : public QWidget
{
    Q_OBJECT

public:
    explicit Ttekstform(const QString &optFilnavn);

    void gemOpt();
    void hentOpt();

    // Prepares the viewer for the documents of a date and shows the one the
    // start-up choice names.
    void loadTekst(const QStringList &dokumenter, const QString &mappe, QDate dato,
                   Kalender::Opstart valg);
    // Shows the document at loadIndex.
    void loadInfoTekst();
    // The next showing shows this document instead, once, captioned "Klokkeven".
    void setVelkomst(const QString &sti) { m_velkomst = sti; }

    int loadIndex() const { return m_loadIndex; }
    int antal() const { return m_antal; }
    RichTextEdit *infoTekst() const { return m_infoTekst; }
    QLabel *datoLabel() const { return m_datoLabel; }
    QAction *Action1() const { return m_Action1; }
    QAction *Action2() const { return m_Action2; }
    QAction *Action3() const { return m_Action3; }
    QAction *Action4() const { return m_Action4; }
    QPushButton *lukKnap() const { return m_lukKnap; }

    QString optFilnavn;

Q_SIGNALS:
    // The viewer shows the document at that position of the date's list.
    void dokumentValgt(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void gaaTil(int index);
    void opdaterHandlinger();
    bool visFil(const QString &sti);

    QStringList m_dokumenter;
    QString m_mappe;
    QString m_velkomst;
    int m_loadIndex = -1;
    int m_antal = 0;
    RichTextEdit *m_infoTekst;
    QLabel *m_datoLabel;
    QAction *m_Action1;
    QAction *m_Action2;
    QAction *m_Action3;
    QAction *m_Action4;
    QPushButton *m_lukKnap;
};
