#include "appearance/Tgemhentform.h"

Tgemhentform::Tgemhentform()
{
    setWindowTitle(QStringLiteral("Hent urdesign"));
    resize(257, 300);
}
