#include "appearance/UrDesigns.h"

namespace {

PreDefDesign design(const char *liste, const char *menu, std::array<const char *, 8> farver,
                    UrDimensioner dimensioner, UrFacon facon)
{
    PreDefDesign d{QString::fromUtf8(liste), QString::fromUtf8(menu), {}, dimensioner, facon};
    for (std::size_t i = 0; i < farver.size(); ++i)
        d.farver[i] = QString::fromLatin1(farver[i]);
    return d;
}

} // namespace

const std::array<PreDefDesign, kAntalPreDefDesigns> &preDefDesigns()
{
    static const std::array<PreDefDesign, kAntalPreDefDesigns> designs{
        design("Normal ur", "Normalur",
               {"#0F0000", "#C0C0C0", "#FFFFFF", "#FFFFFF", "#000000", "#909090", "#A0A0A0",
                "#C0C0C0"},
               {10, 1, 16, 2, 4, 3, 2}, UrFacon::Rund),
        design("Gennemsigtigt ur", "Gennemsigtigt ur",
               {"#0F0000", "#0F0000", "#0F0000", "#0F0000", "#FFFFF0", "#FFF9F0", "#FFFAF0",
                "#FFFBF0"},
               {0, 20, 16, 2, 4, 3, 2}, UrFacon::Rund),
        design("Øjet", "Øjet",
               {"#0F0000", "#FFFBF0", "#FFFBF0", "#4444FF", "#FFFFFF", "#00FFF0", "#00FFF0",
                "#44FF44"},
               {1, 8, 16, 2, 6, 4, 3}, UrFacon::Bred),
        design("Bananen", "Bananen",
               {"#0F0000", "#C0C0C0", "#FFFF00", "#FFFF00", "#000080", "#00DD00", "#00EE00",
                "#00FF00"},
               {1, 8, 16, 3, 7, 5, 3}, UrFacon::Hoej),
        design("Blomsten", "Blomsten",
               {"#0F0000", "#00FF00", "#FF850A", "#FFFC1B", "#800000", "#DD0000", "#EE0000",
                "#FF0000"},
               {10, 24, 16, 2, 5, 3, 2}, UrFacon::Rund),
        design("Luppen", "Luppen",
               {"#0F0000", "#FFEE12", "#0F0000", "#0F0000", "#FFFFEE", "#FFFFDD", "#FFFFCC",
                "#FFFFAA"},
               {10, 20, 16, 2, 5, 3, 2}, UrFacon::Rund),
        design("Solen", "Solen",
               {"#0F0000", "#0000FF", "#0000FF", "#FFEE44", "#BBDD00", "#AACC66", "#AACC88",
                "#AACCAA"},
               {1, 30, 16, 3, 5, 4, 3}, UrFacon::Rund),
        design("Æblet", "Æblet",
               {"#0F0000", "#FF0000", "#FF850A", "#FF0000", "#800000", "#800000", "#800000",
                "#804444"},
               {10, 24, 16, 2, 4, 3, 2}, UrFacon::Rund),
    };
    return designs;
}
