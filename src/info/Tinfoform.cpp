#include "info/Tinfoform.h"

#include "app/WindowGeometry.h"

#include <QHBoxLayout>

namespace {
constexpr int kVenstrePanelBredde = 250;
}

Tinfoform::Tinfoform(const QString &optFilnavn) : optFilnavn(optFilnavn)
{
    setWindowFlags(Qt::Window);
    m_venstrePanel = new QWidget(this);
    m_venstrePanel->setFixedWidth(kVenstrePanelBredde);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_venstrePanel);
    layout->addStretch(1);

    hentOpt();
}

int Tinfoform::venstrePanelBredde() const
{
    return m_venstrePanel->width();
}

void Tinfoform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn, {venstrePanelBredde()});
}

void Tinfoform::hentOpt()
{
    if (const auto own = WindowGeometry::restore(*this, optFilnavn, 1)) {
        m_venstrePanel->setFixedWidth(own->at(0));
    } else {
        move(8, 8);
        resize(810, 810);
    }
}
