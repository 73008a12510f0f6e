#include "ui/VinduesFont.h"

QFont vinduesFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}
