#include "alarms/Talarmform.h"

#include "app/DataFolders.h"
#include "app/ProgramContext.h"
#include "app/Tmainform.h"
#include "app/WindowGeometry.h"

Talarmform::Talarmform(ProgramContext &context)
{
    setWindowTitle(QStringLiteral("Ur"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(373, 266);
    optFilnavn = context.vinduer.mainform->folders().optFile(QStringLiteral("alarmform.txt"));
    hentOpt();
}

void Talarmform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn);
}

void Talarmform::hentOpt()
{
    if (!WindowGeometry::restore(*this, optFilnavn))
        WindowGeometry::centreOnScreen(*this);
}
