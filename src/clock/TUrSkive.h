#pragma once

#include "clock/TCirkelRamme.h"
#include "clock/TCirkelVinkel.h"

// The dial: an optional dial disc and 60 tick marks on the round frame.
class TUrSkive : public TCirkelRamme
{
    Q_OBJECT

public:
    explicit TUrSkive(QWidget *parent = nullptr);

    int UrAfstand() const { return m_UrAfstand; }
    int TegnBredde() const { return m_TegnBredde; }
    int TegnTykkelse() const { return m_TegnTykkelse; }
    TColor ColorTegn() const { return m_ColorTegn; }
    TColor ColorSkive() const { return m_ColorSkive; }

    void SetUrAfstand(int value) { saet(m_UrAfstand, value); }
    void SetTegnBredde(int value) { saet(m_TegnBredde, value); }
    void SetTegnTykkelse(int value) { saet(m_TegnTykkelse, value); }
    void SetColorTegn(TColor value) { saet(m_ColorTegn, value); }
    void SetColorSkive(TColor value) { saet(m_ColorSkive, value); }

    // The dial geometry for the current size; kept up to date by the control.
    void BeregnValues();
    int UrRadius1() const { return m_UrRadius1; }
    int UrRadius2() const { return m_UrRadius2; }
    int UrRadius3() const { return m_UrRadius3; }
    int UrRadius4() const { return m_UrRadius4; }
    // Centre and 60-unit division of the dial.
    const TCirkelVinkel &CirkelV() const { return m_CirkelV; }

protected:
    void Paint(QPainter &Can) override;
    void Geometri() override;

private:
    int m_UrAfstand = 1;
    int m_TegnBredde = 12;
    int m_TegnTykkelse = 1;
    TColor m_ColorTegn = clBlack;
    TColor m_ColorSkive = clWhite;
    TCirkelVinkel m_CirkelV;
    int m_UrRadius1 = 0;
    int m_UrRadius2 = 0;
    int m_UrRadius3 = 0;
    int m_UrRadius4 = 0;
};
