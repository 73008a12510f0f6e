#pragma once

#include "base/Indstillinger.h"
#include "calendar/TAlmenX.h"
#include "dialogs/TspmForm.h"

#include <QDate>
#include <QWidget>
#include <functional>

class FormatVaerktoej;
class LocalTime;
class Messages;
class OpstartValg;
class QAction;
class QCalendarWidget;
class QLineEdit;
class QListWidget;
class QPushButton;
class RichTextEdit;
class Ttekstform;

// The properties window's tab "Kalender": the documents of each date, in a
// folder of the date's own, written in a rich-text editor with its tools.
class KalenderSide : public QWidget, public IndstillingsDel
{
    Q_OBJECT

public:
    // Asks a prepared question about a file name; true for "Ja".
    using Spoerg = std::function<bool(const QString &fName, TspmForm::SpmType spmType)>;

    KalenderSide(const QString &brugerKalenderMappe, const LocalTime &localTime, Messages &messages,
                 QWidget *parent = nullptr);

    // The options file's lines of the calendar are its editor's standard font.
    void hentIndstillinger(const Indstillinger &indstillinger) override;
    void gemIndstillinger(Indstillinger &indstillinger) const override;

    void setSpoerg(Spoerg spoerg) { m_spoerg = std::move(spoerg); }
    // The viewer follows every listing; the start-up choice picks its first document.
    void setTekstform(Ttekstform *tekstform, const OpstartValg *opstartValg);

    // Computes Mappe from the calendar's date and lists it; with sHint the
    // path goes to the status bar.
    void setMappe(bool sHint);
    void loadRtfFiler();
    // Prepares the viewer with the date's list.
    void loadTekst();
    // Shows the viewer without a modal loop.
    void visTekstform();
    // Deletes a file, into the waste basket with toPapirkurv; true on success.
    bool sletFil(const QString &aFilename, bool toPapirkurv);
    // The first showing of the properties window: today, its folder, the fields.
    void FormShow();

    void opdaterKnapClick();
    void NyKnapKClick();
    void aGemRtfExecute();
    void aSletRtfExecute();
    void dokuBoxOpen();

    QString Mappe() const { return m_Mappe; }
    QString Filnavn() const { return m_Filnavn; }
    TAlmenX Pf;

    QLineEdit *dayEdit() const { return m_dayEdit; }
    QLineEdit *monthEdit() const { return m_monthEdit; }
    QLineEdit *yearEdit() const { return m_yearEdit; }
    QPushButton *opdaterKnap() const { return m_opdaterKnap; }
    // The month view, built here at its first use: the page's first showing
    // or a caller that needs it. Until then the page keeps the date alone.
    QCalendarWidget *kalender();
    QDate valgtDato() const;
    QPushButton *mPrev() const { return m_mPrev; }
    QPushButton *mNext() const { return m_mNext; }
    QPushButton *yPrev() const { return m_yPrev; }
    QPushButton *yNext() const { return m_yNext; }
    QPushButton *datoLabel() const { return m_datoLabel; }
    QPushButton *NyMappeKnap() const { return m_NyMappeKnap; }
    QListWidget *dokuBox() const { return m_dokuBox; }
    QLineEdit *kEdit() const { return m_kEdit; }
    QPushButton *kDagbogKnap() const { return m_kDagbogKnap; }
    QPushButton *kDatoKnap() const { return m_kDatoKnap; }
    QPushButton *kDagbogDatoKnap() const { return m_kDagbogDatoKnap; }
    RichTextEdit *kTekst() const { return m_kTekst; }
    QAction *aSletRtf() const { return m_aSletRtf; }
    QAction *aGemRtf() const { return m_aGemRtf; }
    QPushButton *visKnap() const { return m_visKnap; }
    QPushButton *NyKnapK() const { return m_NyKnapK; }
    FormatVaerktoej *vaerktoej() const { return m_vaerktoej; }

Q_SIGNALS:
    // A text for the window's status bar.
    void statusTekst(const QString &tekst);
    // A folder could not be listed: the properties window closes.
    void lukOensket();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Every change of the date, the user's and the program's.
    void kalenderChange();
    void skrivFelter();
    void navnKnap(const QString &navn);
    void NyMappeKnapClick();
    void opdaterSlet();

    const QString m_brugerKalenderMappe;
    const LocalTime &m_localTime;
    Messages &m_messages;
    Spoerg m_spoerg;
    Ttekstform *m_tekstform = nullptr;
    const OpstartValg *m_opstartValg = nullptr;
    QString m_Mappe;
    QString m_Filnavn;

    QLineEdit *m_dayEdit;
    QLineEdit *m_monthEdit;
    QLineEdit *m_yearEdit;
    QPushButton *m_opdaterKnap;
    // Selects the date as the month view does: a change reaches kalenderChange
    // unless `stille`.
    void vaelgDato(QDate dato, bool stille = false);

    // Holds the month view in the layout.
    QWidget *m_kalenderPlads;
    QCalendarWidget *m_kalender = nullptr;
    QDate m_dato;
    QPushButton *m_mPrev;
    QPushButton *m_mNext;
    QPushButton *m_yPrev;
    QPushButton *m_yNext;
    QPushButton *m_datoLabel;
    QPushButton *m_NyMappeKnap;
    QListWidget *m_dokuBox;
    QLineEdit *m_kEdit;
    QPushButton *m_kDagbogKnap;
    QPushButton *m_kDatoKnap;
    QPushButton *m_kDagbogDatoKnap;
    RichTextEdit *m_kTekst;
    QAction *m_aSletRtf;
    QAction *m_aGemRtf;
    QPushButton *m_visKnap;
    QPushButton *m_NyKnapK;
    FormatVaerktoej *m_vaerktoej;
};
