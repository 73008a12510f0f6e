#pragma once

#include "base/TColor.h"

#include <QPoint>
#include <QSize>

// The eight colours of the analog clock, named after the clock's properties.
struct UrFarver
{
    TColor Baggrund = clBtnFace;
    TColor Ydre = clSilver;
    TColor Indre = clWhite;
    TColor Skive = clWhite;
    TColor Tegn = clBlack;
    TColor ViserT = clGray;
    TColor ViserM = clGray;
    TColor ViserS = TColor(0xA4A0A0);

    friend bool operator==(const UrFarver &, const UrFarver &) = default;
};

// The seven dimensions of the analog clock, in whole pixels.
struct UrDimensioner
{
    int Mellemrum = 10;
    int UrAfstand = 1;
    int TegnBredde = 16;
    int TegnTykkelse = 2;
    int ViserTime = 6;
    int ViserMin = 4;
    int ViserSek = 3;

    friend bool operator==(const UrDimensioner &, const UrDimensioner &) = default;
};

// The main window's shape: where it stands, how large it is, and how it shows the time.
struct UrForm
{
    QPoint position;
    QSize size;
    bool gennemsigtig = false;
    bool rundtUr = false;
    bool analogVist = true;
    // The client height to return to from the digital field.
    int oldHeight = 0;

    friend bool operator==(const UrForm &, const UrForm &) = default;
};

// The whole look of the clock and its window: what a design file, a predefined
// design and the clock page's fields hold. A default-made value holds the
// standard colours and dimensions.
struct UrDesign
{
    UrFarver farver;
    UrDimensioner dimensioner;
    UrForm form;

    friend bool operator==(const UrDesign &, const UrDesign &) = default;
};
