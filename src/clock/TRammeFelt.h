#pragma once

#include "base/TColor.h"
#include "clock/TXRamme.h"
#include "clock/Tegning.h"

#include <QPixmap>
#include <QWidget>

// The bare custom-drawn field: filled with Color before each paint, then
// Paint draws the rest.
class TGrundFelt : public QWidget
{
    Q_OBJECT

public:
    explicit TGrundFelt(QWidget *parent = nullptr);

    TColor Color() const { return m_Color; }
    void SetColor(TColor value);

    // As the analog clock's: crisp by default, smooth, or smooth with the
    // key colour transparent. A change repaints.
    Tegnemaade Maade() const { return m_Maade; }
    void SetMaade(Tegnemaade value);

protected:
    // clNone, a colour no valid setting holds, paints as the button colour
    // (toQColor), so a broken design shows the window background. In
    // GlatGennemsigtig the key colour paints transparent (MaadeFarve).
    QColor farve(TColor colour) const { return MaadeFarve(colour, palette(), m_Maade); }
    virtual void Paint(QPainter &Can);
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_Color = clWindow;
    Tegnemaade m_Maade = Tegnemaade::Skarp;
};

// A field with a frame round its content rectangle CompoRekt, and an
// optional background picture inside the frame.
class TRammeFelt : public TGrundFelt
{
    Q_OBJECT

public:
    explicit TRammeFelt(QWidget *parent = nullptr);

    TXCompoRamme &GrundRamme() { return m_GrundRamme; }
    const TXCompoRamme &GrundRamme() const { return m_GrundRamme; }

    const QPixmap &GrundBitmap() const { return m_GrundBitmap; }
    // Shows from the next repaint on.
    void SetGrundBitmap(const QPixmap &value) { m_GrundBitmap = value; }

    TRekt GrundRekt() const { return m_GrundRekt; }
    TRekt IndreRekt() const { return m_IndreRekt; }
    TRekt CompoRekt() const { return m_CompoRekt; }
    int Cx1() const { return m_CompoRekt.Left; }
    int Cy1() const { return m_CompoRekt.Top; }
    int Cx2() const { return m_CompoRekt.Right; }
    int Cy2() const { return m_CompoRekt.Bottom; }
    bool CompoBeregnet() const { return m_CompoBeregnet; }

    void BeregnFelt();
    void BeregnRekter();
    // The rectangle in which child controls are aligned.
    TRekt AdjustClientRect(TRekt Rect);

protected:
    void Paint(QPainter &Can) override;
    void MakeRammeFelt(QPainter &Can);
    void RammeForandret();
    void resizeEvent(QResizeEvent *event) override;

private:
    // Qt aligns children in the contents rectangle: set it from AdjustClientRect.
    void Realign();

    TXCompoRamme m_GrundRamme;
    QPixmap m_GrundBitmap;
    TRekt m_GrundRekt;
    TRekt m_IndreRekt;
    TRekt m_CompoRekt;
    bool m_CompoBeregnet = false;
};

// A framed field for text: one sunken ring by default.
class TPreTekstFelt : public TRammeFelt
{
    Q_OBJECT

public:
    explicit TPreTekstFelt(QWidget *parent = nullptr);
};
