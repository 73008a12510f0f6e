#pragma once

#include "base/TColor.h"

#include <QList>
#include <QToolButton>

class QLineEdit;
class QMenu;

// A drop-down colour selector: its button shows the selected colour; the
// drop-down holds the full-width entry 0 "Valgt farve" (the colour last
// chosen) and a grid of colour squares, each with its Danish hint.
class FarveVaelger : public QToolButton
{
    Q_OBJECT

public:
    struct Tool
    {
        TColor BackGroundColor;
        QString hint;
        QString caption;
    };

    // With medGennemsigtig the palette holds the five extra colours that end
    // in "Gennemsigtig" (22 entries), else 17.
    explicit FarveVaelger(bool medGennemsigtig, QWidget *parent = nullptr);

    const QList<Tool> &Tools() const { return m_tools; }
    void setToolColor(int index, TColor farve);

    TColor SelectedColor() const { return m_selected; }
    void SetSelectedColor(TColor farve);

    // The drop-down's button of a palette entry.
    QAbstractButton *toolButton(int index);
    QMenu *palet() const { return m_palet; }

Q_SIGNALS:
    // The user picked the palette entry of that index.
    void OnSelect(int index);

private:
    void bygPalet();
    void vaelg(int index);
    void visFarve(QAbstractButton *knap, TColor farve, QSize stoerrelse);

    QList<Tool> m_tools;
    QList<QAbstractButton *> m_knapper;
    QMenu *m_palet;
    TColor m_selected = clBlack;
};

// The binding of a colour text field to its selector, run when the field's
// text changes: cleans the field (upper case, as Get16Tal does) with the
// caret at the end, and brings the selector to the colour when it is
// complete. Returns the colour, clNone for an incomplete text.
TColor farveEdit(QLineEdit *felt, FarveVaelger *boks);

// Run when the user picks a palette entry: entry 0 takes its colour and the
// field its text, whose change handling then runs farveEdit. Returns the colour.
TColor farveBox(QLineEdit *felt, FarveVaelger *boks, int index);
