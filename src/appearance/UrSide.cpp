#include "appearance/UrSide.h"

#include "app/Handlingsknap.h"
#include "app/Hints.h"
#include "app/SideLayout.h"
#include "app/UrVindue.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *handlingsknap(QAction *handling, QWidget *parent)
{
    auto *knap = new QPushButton(parent);
    bindHandling(knap, handling);
    return knap;
}

} // namespace

UrSide::UrSide(UrVindue &urVindue, QWidget *parent) : QWidget(parent), m_urVindue(urVindue)
{
    const UrHandlinger &h = urVindue.handlinger();
    auto *raekke = new QHBoxLayout(this);

    QVBoxLayout *venstre = kolonne(raekke);
    venstre->addWidget(fedLabel(QStringLiteral("Farver"), this));
    venstre->addStretch(1);
    venstre->addWidget(handlingsknap(h.aStandardFarver, this));

    QVBoxLayout *midt = kolonne(raekke);
    midt->addWidget(fedLabel(QStringLiteral("Dimensioner"), this));
    midt->addWidget(handlingsknap(h.aStandardDim, this));
    midt->addStretch(1);
    midt->addWidget(fedLabel(QStringLiteral("Gem og hent egenskaber"), this));
    midt->addStretch(1);

    QVBoxLayout *hoejre = kolonne(raekke);
    hoejre->addWidget(fedLabel(QStringLiteral("Prædefinerede egenskaber"), this));
    hoejre->addStretch(1);
    hoejre->addWidget(fedLabel(QStringLiteral("Menu"), this));
    auto *rundtUr = new QCheckBox(this);
    bindHandling(rundtUr, h.aRundtUr);
    hoejre->addWidget(rundtUr);
    hoejre->addWidget(handlingsknap(h.aForm, this));
    hoejre->addWidget(handlingsknap(h.aUr, this));
    m_suStartKnap = new QPushButton(QStringLiteral("Stopur start"), this);
    setHint(m_suStartKnap, QStringLiteral("Start stopuret uden alarm"));
    m_suStopKnap = new QPushButton(QStringLiteral("Stopur stop"), this);
    setHint(m_suStopKnap, QStringLiteral("Stop stopuret uden alarm"));
    hoejre->addWidget(m_suStartKnap);
    hoejre->addWidget(m_suStopKnap);
    hoejre->addStretch(1);
    auto *information = new QPushButton(QStringLiteral("Information"), this);
    information->setFlat(true);
    setHint(information, QStringLiteral("Information om at designe uret"));
    connect(information, &QPushButton::clicked, this, &UrSide::sbInfoDesignClick);
    hoejre->addWidget(information);
    hoejre->addWidget(handlingsknap(h.aLuk, this));
}

void UrSide::sbInfoDesignClick()
{
    m_urVindue.info(QStringLiteral("Design ur"));
}
