#pragma once

#include "base/Indstillinger.h"

#include <QKeySequence>
#include <QString>
#include <QWidget>

class FarveGitter;
class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class RichTextEdit;
class TFontSizeComboBox;

// The formatting tools beside a rich-text editor: font list, size box, size
// and font buttons, colour grid, heading and body styles, the standard font,
// a tool bar and pop-up menus of the common editing commands. The alarm
// editor and the calendar editor each have a set; what differs between the
// two is given by a Valg. Its lines of the options file are the editor's
// standard font.
class FormatVaerktoej : public QWidget, public IndstillingsDel
{
    Q_OBJECT

public:
    struct Valg
    {
        // The fields of the options that hold this editor's standard font.
        QString Indstillinger::*fontNavn;
        int Indstillinger::*fontStoerrelse;
        QKeySequence overskriftGenvej;
        QKeySequence tekstGenvej;
        QString overskriftHint;
        QString tekstHint;
        // The editor takes the standard font when the tools are set up.
        bool editorFont;
        // The button "Information", which asks for the page "Kalender".
        bool infoKnap;
    };
    static Valg alarmValg();
    static Valg kalenderValg();

    FormatVaerktoej(RichTextEdit *editor, const Valg &valg, QWidget *parent = nullptr);

    void hentIndstillinger(const Indstillinger &indstillinger) override;
    void gemIndstillinger(Indstillinger &indstillinger) const override;

    // The set-up after the options are read: the font list and the size box
    // show the standard font, and the alarm editor takes it.
    void opsaet();
    // The style shortcuts act on this editor from anywhere in that window,
    // also while another tab is shown.
    void genvejeI(QWidget *vindue);

    // Fills a font list with the installed fonts, sorted.
    static void GetFontNames(QComboBox *aBox);
    void FontFelter(const QString &FontNavn);
    int FontFelterSize(const QString &FontNavn, int FontDim);
    void SetSize(int Siz);
    void setFontName(const QString &aName);
    // Shows the attributes at the caret in the tools; the text is not touched.
    void XYinfo();

    RichTextEdit *editor() const { return m_editor; }
    QComboBox *FontName() const { return m_FontName; }
    TFontSizeComboBox *SizBox() const { return m_SizBox; }
    FarveGitter *ColorGrid() const { return m_ColorGrid; }
    QToolButton *sizeKnap(int stoerrelse) const;
    QToolButton *fontKnap(int nummer) const;
    QAction *aOverskrift() const { return m_aOverskrift; }
    QAction *aTekst() const { return m_aTekst; }
    QToolButton *sbGemFont() const { return m_sbGemFont; }
    QPushButton *kInfoKnap() const { return m_kInfoKnap; }
    QToolBar *vaerktoejslinje() const { return m_vaerktoejslinje; }
    QMenu *indsaetMenu() const { return m_indsaetMenu; }
    QMenu *popupMenu() const { return m_popupMenu; }
    QString OldFontname() const { return m_OldFontname; }

    struct Kommandoer
    {
        QAction *fed, *kursiv, *understreg, *overstreg, *prik;
        QAction *venstre, *hoejre, *centrer;
        QAction *klip, *kopier, *indsaet, *markerAlt, *annuller, *slet;
    };
    const Kommandoer &kommandoer() const { return m_k; }

    void aOverskriftExecute();
    void aTekstExecute();
    void aOverskriftUpdate();
    void aTekstUpdate();
    void sbGemFontClick();

Q_SIGNALS:
    // "Information" was pressed: the page "Kalender" is wanted.
    void infoOensket();
    // The user kept the font and size shown as the editor's standard font.
    void standardFontAendret(const QString &fontNavn, int fontStoerrelse);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *kommando(const QString &caption, const QString &hint, const QIcon &ikon,
                      const QKeySequence &genvej = {}, bool markerbar = true);
    void byggKommandoer();
    void FontNameChange();
    void SizBoxChange();
    void ColorGridChange();
    void markeringer();

    RichTextEdit *m_editor;
    const Valg m_valg;
    QString m_standardFont;
    int m_standardStoerrelse = 10;
    QString m_OldFontname;
    QString m_OldFontSizname;
    QComboBox *m_FontName;
    TFontSizeComboBox *m_SizBox;
    FarveGitter *m_ColorGrid;
    QList<QToolButton *> m_sizeKnapper;
    QList<QToolButton *> m_fontKnapper;
    QAction *m_aOverskrift;
    QAction *m_aTekst;
    QToolButton *m_sbGemFont;
    QPushButton *m_kInfoKnap = nullptr;
    QToolBar *m_vaerktoejslinje;
    QMenu *m_indsaetMenu;
    QMenu *m_popupMenu;
    Kommandoer m_k{};
};
