#include "calendar/Ttekstform.h"

#include "app/DataFolders.h"
#include "app/ProgramContext.h"
#include "app/Tmainform.h"
#include "app/WindowGeometry.h"

Ttekstform::Ttekstform(ProgramContext &context)
{
    setWindowFlags(Qt::Window);
    resize(548, 299);
    optFilnavn = context.vinduer.mainform->folders().optFile(QStringLiteral("tekstform.txt"));
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
