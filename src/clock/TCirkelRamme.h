#pragma once

#include "base/TColor.h"
#include "clock/Tegning.h"

#include <QPixmap>
#include <QWidget>

// The bottom layer of the analog clock: background and a round frame of an
// outer and an inner disc. Frame and dial are drawn once into a cached
// picture that a property change or a new size throws away; the layers
// above draw what moves on top of it in TegnOven.
class TCirkelRamme : public QWidget
{
    Q_OBJECT

public:
    explicit TCirkelRamme(QWidget *parent = nullptr);

    int Mellemrum() const { return m_Mellemrum; }
    TColor ColorYdre() const { return m_ColorYdre; }
    TColor ColorIndre() const { return m_ColorIndre; }
    TColor ColorBaggrund() const { return m_ColorBaggrund; }

    void SetMellemrum(int value) { saet(m_Mellemrum, value); }
    void SetColorYdre(TColor value) { saet(m_ColorYdre, value); }
    void SetColorIndre(TColor value) { saet(m_ColorIndre, value); }
    // Repaints also when unchanged: the main window sets it to have the
    // clock redrawn after the palette behind clBtnFace changed.
    void SetColorBaggrund(TColor value);

    // Crisp, in exact pixels, until the window says otherwise: framed the
    // main window has it drawn smoothly; see-through crisp for a mask, or
    // smoothly with the key colour transparent where the desktop composites.
    // A change redraws everything.
    Tegnemaade Maade() const { return m_Maade; }
    void SetMaade(Tegnemaade value) { saet(m_Maade, value); }

protected:
    template <typename T> void saet(T &felt, T value)
    {
        if (felt == value)
            return;
        felt = value;
        Forny();
    }
    // Throws the cached picture away, recomputes the geometry and repaints.
    void Forny();

    // clNone, a colour no valid setting holds, paints as the button colour
    // (toQColor), so a broken design shows the window background.
    // In GlatGennemsigtig the key colour paints transparent (MaadeFarve).
    QColor farve(TColor colour) const { return MaadeFarve(colour, palette(), m_Maade); }

    // The picture behind everything that moves; called when the cache is rebuilt.
    virtual void Paint(QPainter &Can);
    // Recomputes the geometry after a property or the size changed.
    virtual void Geometri() {}
    // Draws what lies on the cached picture. `helTegning` tells a repaint
    // of the whole control from one of a part of it.
    virtual void TegnOven(QPainter &Can, bool helTegning);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int m_Mellemrum = 10;
    TColor m_ColorYdre = clRed;
    TColor m_ColorIndre = clWhite;
    TColor m_ColorBaggrund = clBtnFace;
    Tegnemaade m_Maade = Tegnemaade::Skarp;
    QPixmap m_cache;
    bool m_cacheGyldig = false;
};
