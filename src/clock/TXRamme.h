#pragma once

#include "base/TColor.h"
#include "clock/Tegning.h"

#include <QList>
#include <QObject>

class QPainter;
class QPalette;

enum TRammeType
{
    rtIngen,
    rtUd,
    rtInd,
    rtRiflet
};
enum TRammeRetning
{
    rrUd,
    rrInd,
    rrIngen
};

// A frame drawn as a stack of one-pixel rings, each flat, raised or sunken.
// Every change that shows emits OnChange, which the owning field answers.
class TXRamme : public QObject
{
    Q_OBJECT

public:
    explicit TXRamme(QObject *parent = nullptr);

    int Bredde() const { return m_Bredde; }
    int Dybde() const { return m_Dybde; }
    int RifleBredde() const { return m_RifleBredde; }
    TRammeType Art() const { return m_Art; }
    TColor Farve() const { return m_Farve; }
    TColor FarveLys() const { return m_FarveLys; }
    TColor FarveSkygge() const { return m_FarveSkygge; }
    bool Omrids() const { return m_Omrids; }
    bool FarveFelt() const { return m_FarveFelt; }
    TColor FeltFarve() const { return m_FeltFarve; }
    bool FarveAktiv() const { return m_FarveAktiv; }
    TColor AktivFarve() const { return m_AktivFarve; }
    bool FarveOver() const { return m_FarveOver; }
    TColor OverFarve() const { return m_OverFarve; }
    bool AnvendOmrids() const { return m_AnvendOmrids; }

    void SetBredde(int value) { saet(m_Bredde, value); }
    void SetDybde(int value) { saet(m_Dybde, value); }
    void SetRifleBredde(int value) { saet(m_RifleBredde, value); }
    void SetArt(TRammeType value) { saet(m_Art, value); }
    void SetFarve(TColor value) { saet(m_Farve, value); }
    void SetFarveLys(TColor value) { saet(m_FarveLys, value); }
    void SetFarveSkygge(TColor value) { saet(m_FarveSkygge, value); }
    void SetOmrids(bool value) { saet(m_Omrids, value); }
    void SetFarveFelt(bool value) { saet(m_FarveFelt, value); }
    void SetFeltFarve(TColor value) { saet(m_FeltFarve, value); }
    void SetAktivFarve(TColor value) { saet(m_AktivFarve, value); }
    void SetOverFarve(TColor value) { saet(m_OverFarve, value); }
    // These three change how the next paint looks without asking for one.
    void SetFarveAktiv(bool value) { m_FarveAktiv = value; }
    void SetFarveOver(bool value) { m_FarveOver = value; }
    void SetAnvendOmrids(bool value) { m_AnvendOmrids = value; }

    // The direction of each ring from the outside in.
    QList<TRammeRetning> RingRetninger() const;

    void MakeRamme(QPainter &Can, const TRekt &Rekt, const QPalette &palette) const;
    void TegnRamme(QPainter &Can, const TRekt &Rekt, TRammeRetning Retning,
                   const QPalette &palette) const;
    static TRekt NytRekt(const TRekt &Rekt);

Q_SIGNALS:
    void OnChange();

protected:
    template <typename T> void saet(T &felt, T value)
    {
        if (felt == value)
            return;
        felt = value;
        Q_EMIT OnChange();
    }

private:
    TColor fladFarve() const;

    int m_Bredde = 0;
    int m_Dybde = 0;
    int m_RifleBredde = 0;
    TRammeType m_Art = rtIngen;
    TColor m_Farve = clBlack;
    TColor m_FarveLys = clBtnHighlight;
    TColor m_FarveSkygge = clBtnShadow;
    bool m_Omrids = false;
    bool m_FarveFelt = false;
    TColor m_FeltFarve = clBlack;
    bool m_FarveAktiv = false;
    TColor m_AktivFarve = clBlack;
    bool m_FarveOver = false;
    TColor m_OverFarve = clBlack;
    bool m_AnvendOmrids = false;
};

// The frame of a framed field, with the margins between frame and content.
class TXCompoRamme : public TXRamme
{
    Q_OBJECT

public:
    using TXRamme::TXRamme;

    bool NytClientRekt() const { return m_NytClientRekt; }
    int AfstandLodret() const { return m_AfstandLodret; }
    int AfstandVandret() const { return m_AfstandVandret; }
    int EkstraVenstre() const { return m_EkstraVenstre; }
    int EkstraOppe() const { return m_EkstraOppe; }
    int EkstraHojre() const { return m_EkstraHojre; }
    int EkstraNede() const { return m_EkstraNede; }
    bool TilpasAlign() const { return m_TilpasAlign; }

    void SetNytClientRect(bool value) { saet(m_NytClientRekt, value); }
    void SetAfstandLodret(int value) { saet(m_AfstandLodret, value); }
    void SetAfstandVandret(int value) { saet(m_AfstandVandret, value); }
    void SetEkstraVenstre(int value) { saet(m_EkstraVenstre, value); }
    void SetEkstraOppe(int value) { saet(m_EkstraOppe, value); }
    void SetEkstraHojre(int value) { saet(m_EkstraHojre, value); }
    void SetEkstraNede(int value) { saet(m_EkstraNede, value); }
    // Always notifies: the owner realigns its children on every call.
    void SetTilpasAlign(bool value)
    {
        m_TilpasAlign = value;
        Q_EMIT OnChange();
    }

private:
    bool m_NytClientRekt = false;
    int m_AfstandLodret = 0;
    int m_AfstandVandret = 0;
    int m_EkstraVenstre = 0;
    int m_EkstraOppe = 0;
    int m_EkstraHojre = 0;
    int m_EkstraNede = 0;
    bool m_TilpasAlign = false;
};
