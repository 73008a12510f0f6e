#include "calendar/Ttekstform.h"

#include "app/WindowGeometry.h"

Ttekstform::Ttekstform(const QString &optFilnavn) : optFilnavn(optFilnavn)
{
    setWindowFlags(Qt::Window);
    resize(548, 299);
    hentOpt();
}

void Ttekstform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn);
}

void Ttekstform::hentOpt()
{
    if (!WindowGeometry::restore(*this, optFilnavn))
        WindowGeometry::centreOnScreen(*this);
}
