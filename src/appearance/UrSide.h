#pragma once

#include "base/TColor.h"
#include "base/UrDesign.h"

#include <QWidget>
#include <array>

class FarveVaelger;
class Messages;
class OpNedFelt;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Tgemhentform;
class TspmForm;
class UrVindue;

// The properties window's tab "Ur", in three columns: the clock's colours;
// its dimensions with saving and loading designs; the predefined designs and
// the main window's actions. Colour pairs and dimension pairs are numbered
// from 1 as the labels above them are.
class UrSide : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kAntalFarver = 8;
    static constexpr int kAntalDimensioner = 7;

    explicit UrSide(UrVindue &urVindue, QWidget *parent = nullptr);

    // "Stopur start" and "Stopur stop": the plain stopwatch, served by the countdown page.
    QPushButton *suStartKnap() const { return m_suStartKnap; }
    QPushButton *suStopKnap() const { return m_suStopKnap; }
    // What saving and loading designs uses, made after this page: the design
    // in force at the last close, the start-up design, the messages, the
    // design chooser and the overwrite question.
    void setDesignfiler(const QString &filnavnOpt, const QString &filnavnLook, Messages &messages,
                        Tgemhentform *gemhentform, TspmForm *spmForm);

    QLineEdit *farveEdit(int nr) const { return m_farveEdit.at(nr - 1); }
    FarveVaelger *farveBoks(int nr) const { return m_farveBoks.at(nr - 1); }
    QLabel *fLabel(int nr) const { return m_fLabel.at(nr - 1); }
    OpNedFelt *dUpDown(int nr) const { return m_dUpDown.at(nr - 1); }
    QLabel *dLabel(int nr) const { return m_dLabel.at(nr - 1); }
    QListWidget *ListBox() const { return m_ListBox; }
    QPushButton *dimensionKnap() const { return m_dimensionKnap; }
    QPushButton *hentKnap() const { return m_hentKnap; }
    QPushButton *gemSomKnap() const { return m_gemSomKnap; }
    QPushButton *gemKnap() const { return m_gemKnap; }
    QPushButton *sletKnap() const { return m_sletKnap; }
    bool colorVises() const { return m_colorVises; }

    // Copies the clock's colours into the pairs without writing them back.
    void showColors();
    void showDimensioner();
    // Applies the seven up-down positions to the clock.
    void setNyeDimensioner();

    void loadUrDesigns();
    // Applies predefined design 0 to 7; any other index only shows the analog clock.
    void preDef(int index);
    // preDef, with the design's line selected so that list and clock agree.
    void vaelgPreDef(int index);
    void setEgenskaber(const std::array<QString, kAntalFarver> &farver,
                       const UrDimensioner &dimensioner);

    // Writes the current design; false when it could not be written.
    bool gemUrDesign(const QString &path) const;
    // Loads a design file of 23 lines; a missing file or one of another
    // length changes nothing. A number line that holds no whole number is
    // reported and ends the loading there; what came before stays applied.
    void hentUrDesign(const QString &path);
    // The start-up design: "look.txt", else the design of the last close,
    // else predefined design 0.
    void genskabUrDesign();

private:
    void farveEditChange(int nr);
    void farveBoksSelect(int nr, int index);
    // Writes a colour field and applies it, also when it already holds the text.
    void skrivFarvefelt(int nr, const QString &tekst);
    void saetUrFarve(int nr, TColor farve);
    void dimensionKnapClick();
    void ListBoxDblClick();
    void hentKnapClick();
    void gemSomKnapClick();
    void gemKnapClick();
    void sletKnapClick();
    void sbInfoDesignClick();
    void besked(const QString &tekst) const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    UrVindue &m_urVindue;
    QPushButton *m_suStartKnap;
    QPushButton *m_suStopKnap;
    QString m_filnavnOpt;
    QString m_filnavnLook;
    Messages *m_messages = nullptr;
    Tgemhentform *m_gemhentform = nullptr;
    TspmForm *m_spmForm = nullptr;
    bool m_colorVises = false;
    std::array<QLineEdit *, kAntalFarver> m_farveEdit{};
    std::array<FarveVaelger *, kAntalFarver> m_farveBoks{};
    std::array<QLabel *, kAntalFarver> m_fLabel{};
    std::array<OpNedFelt *, kAntalDimensioner> m_dUpDown{};
    std::array<QLabel *, kAntalDimensioner> m_dLabel{};
    QListWidget *m_ListBox;
    QPushButton *m_dimensionKnap;
    QPushButton *m_hentKnap;
    QPushButton *m_gemSomKnap;
    QPushButton *m_gemKnap;
    QPushButton *m_sletKnap;
};
