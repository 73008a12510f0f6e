#include "alarms/NyAlarmSide.h"

#include "app/SideLayout.h"
#include "appearance/Indstillinger.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

NyAlarmSide::NyAlarmSide(QWidget *parent) : QWidget(parent)
{
    auto *lydLabel = new QLabel(QStringLiteral("Lydfil"), this);
    m_cbLydfiler = new QComboBox(this);
    m_cbLydfiler->setMaxVisibleItems(14);
    m_cbLydfiler->setAccessibleName(lydLabel->text());
    lydLabel->setBuddy(m_cbLydfiler);

    auto *grid = new QGridLayout(this);
    grid->addWidget(fedLabel(QStringLiteral("Alarmlyd"), this), 0, 0);
    grid->addWidget(lydLabel, 1, 0);
    grid->addWidget(m_cbLydfiler, 2, 0);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    connect(m_cbLydfiler, &QComboBox::activated, this,
            [this](int index) { m_alarmLydIndex = index; });
}

void NyAlarmSide::visLyde(const QStringList &navne)
{
    m_cbLydfiler->clear();
    m_cbLydfiler->addItems(navne);
    m_cbLydfiler->setCurrentIndex(0);
}

void NyAlarmSide::hentIndstillinger(const Indstillinger &indstillinger)
{
    m_alarmLydIndex =
        Indstillingsfil::senkLydIndex(indstillinger.alarmLydIndex, m_cbLydfiler->count());
    m_cbLydfiler->setCurrentIndex(m_alarmLydIndex);
}

void NyAlarmSide::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.alarmLydIndex = m_alarmLydIndex;
}
