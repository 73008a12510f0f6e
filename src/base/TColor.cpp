#include "base/TColor.h"

#include <QPalette>

QColor toQColor(TColor colour, const QPalette &palette)
{
    if (colour == clNone)
        return palette.color(QPalette::Button);
    if (colour.isSystemColour()) {
        switch (colour.value() & 0xFFu) {
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
    return QColor(colour.red(), colour.green(), colour.blue());
}
