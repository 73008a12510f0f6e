#pragma once

#include "base/UrDesign.h"

#include <QString>
#include <array>

// What the shape step does to the main window after a predefined design
// made it round and 200 pixels wide.
enum class UrFacon
{
    Rund, // stays round: the window is kept square
    Bred, // an oval half again as wide
    Hoej, // an oval three times as high
};

// One of the eight predefined clock designs.
struct PreDefDesign
{
    QString listeNavn; // its line in the list of the clock page
    QString menuNavn;  // its entry in the main window's menu
    std::array<QString, 8> farver;
    UrDimensioner dimensioner;
    UrFacon facon;
};

inline constexpr int kAntalPreDefDesigns = 8;

// The eight designs in index order.
const std::array<PreDefDesign, kAntalPreDefDesigns> &preDefDesigns();
