#include "calendar/OpstartValg.h"

#include "base/Indstillinger.h"
#include "ui/Hints.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

OpstartValg::OpstartValg(QWidget *parent) : QWidget(parent)
{
    m_opstartCheck = new QCheckBox(QStringLiteral("Start op med kalendertekst"), this);
    m_opstartCheck->setChecked(true);
    auto *dokument = new QGroupBox(QStringLiteral("Dokument"), this);
    m_opstartIndexBox = new QButtonGroup(this);
    auto *grid = new QGridLayout(dokument);
    const QStringList valg = {QStringLiteral("Første i listen"), QStringLiteral("Information"),
                              QStringLiteral("Dato"), QStringLiteral("Dagbog")};
    for (int i = 0; i < valg.size(); ++i) {
        auto *radio = new QRadioButton(valg.at(i), dokument);
        m_opstartIndexBox->addButton(radio, i);
        // Two columns, filled top to bottom.
        grid->addWidget(radio, i % 2, i / 2);
    }
    m_opstartIndexBox->button(0)->setChecked(true);
    m_previewKnap = new QPushButton(QStringLiteral("Preview"), this);
    setHint(m_previewKnap, QStringLiteral("Åben dokumentvisningsboksen"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_opstartCheck);
    layout->addWidget(dokument);
    layout->addWidget(m_previewKnap, 0, Qt::AlignLeft);
    connect(m_previewKnap, &QPushButton::clicked, this, &OpstartValg::previewOensket);
}

Kalender::Opstart OpstartValg::valg() const
{
    return Kalender::Opstart(qMax(m_opstartIndexBox->checkedId(), 0));
}

void OpstartValg::hentIndstillinger(const Indstillinger &indstillinger)
{
    m_opstartCheck->setChecked(indstillinger.opstartCheck);
    if (QAbstractButton *valgt = m_opstartIndexBox->button(indstillinger.opstartIndex))
        valgt->setChecked(true);
}

void OpstartValg::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.opstartCheck = m_opstartCheck->isChecked();
    indstillinger.opstartIndex = int(valg());
}
