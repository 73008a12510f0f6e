#include "info/Turlform.h"

#include "app/DataFolders.h"
#include "app/ProgramContext.h"
#include "app/Tmainform.h"
#include "app/WindowOptionFile.h"

Turlform::Turlform(ProgramContext &context)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setWindowFlags(Qt::Window);
    setMinimumSize(300, 200);
    resize(451, 338);
    optfilnavn = context.vinduer.mainform->folders().optFile(QStringLiteral("urlboks.txt"));
    hentOpt();
}

void Turlform::gemOpt()
{
    WindowOptionFile::write(optfilnavn, {width(), height()});
}

void Turlform::hentOpt()
{
    if (const auto values = WindowOptionFile::read(optfilnavn, 2))
        resize(values->at(0), values->at(1));
}
