#include "info/Turlform.h"

#include "app/WindowGeometry.h"
#include "app/WindowOptionFile.h"

Turlform::Turlform(const QString &optfilnavn) : optfilnavn(optfilnavn)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setWindowFlags(Qt::Window);
    setMinimumSize(300, 200);
    resize(451, 338);
    hentOpt();
}

void Turlform::gemOpt()
{
    WindowOptionFile::write(optfilnavn, {width(), height()});
}

void Turlform::hentOpt()
{
    if (const auto values = WindowOptionFile::read(optfilnavn, 2))
        WindowGeometry::resizeOnScreen(*this, QSize(values->at(0), values->at(1)));
}
