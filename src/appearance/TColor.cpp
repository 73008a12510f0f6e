#include "appearance/TColor.h"

#include <QPalette>

QColor toQColor(TColor colour, const QPalette &palette)
{
    if (colour == clNone)
        return palette.color(QPalette::Button);
    if ((colour & 0xFF000000u) == 0xFF000000u) {
        switch (colour & 0xFFu) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x0F:
            return palette.color(QPalette::Button);
        case 0x10:
            return palette.color(QPalette::Dark);
        case 0x14:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
