#include "alarms/NedtaellingSide.h"

#include "alarms/LydListe.h"
#include "app/Hints.h"
#include "app/SideLayout.h"
#include "app/UrVindue.h"
#include "appearance/Indstillinger.h"
#include "appearance/ListeRaekke.h"
#include "platform/SoundPlayer.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

NedtaellingSide::NedtaellingSide(UrVindue &urVindue, const LydListe &lydListe,
                                 SoundPlayer &soundPlayer, QWidget *parent)
    : QWidget(parent), m_lydListe(lydListe), m_soundPlayer(soundPlayer)
{
    QAction *aPlayLydfil = urVindue.handlinger().aPlayLydfil;
    QLabel *lydLabel = fedLabel(QStringLiteral("Alarmer"), this);
    m_lydfilBox = new QListWidget(this);
    m_lydfilBox->setAccessibleName(lydLabel->text());
    lydLabel->setBuddy(m_lydfilBox);
    ListeRaekke::anvend(m_lydfilBox, ListeRaekke::kPengegroen);
    auto *playKnap = new QToolButton(this);
    playKnap->setDefaultAction(aPlayLydfil);
    playKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto *lydstyrkeLabel = new QLabel(QStringLiteral("Lydstyrke"), this);
    m_lydBar = new QScrollBar(Qt::Horizontal, this);
    m_lydBar->setRange(0, Indstillingsfil::kLydBarMaks);
    m_lydBar->setPageStep(2);
    m_lydBar->setAccessibleName(lydstyrkeLabel->text());
    lydstyrkeLabel->setBuddy(m_lydBar);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lydLabel, 0, 0);
    grid->addWidget(m_lydfilBox, 1, 0, 1, 2);
    grid->addWidget(playKnap, 2, 0);
    grid->addWidget(lydstyrkeLabel, 3, 0);
    grid->addWidget(m_lydBar, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    connect(m_lydBar, &QScrollBar::valueChanged, this, &NedtaellingSide::lydBarChange);
    connect(m_lydfilBox, &QListWidget::currentRowChanged, aPlayLydfil,
            [aPlayLydfil](int row) { aPlayLydfil->setEnabled(row > 0); });
    connect(m_lydfilBox, &QListWidget::currentRowChanged, this, &NedtaellingSide::lydfilBoxClick);
    connect(m_lydfilBox, &QListWidget::itemDoubleClicked, this,
            &NedtaellingSide::lydfilBoxDblClick);
    connect(aPlayLydfil, &QAction::triggered, this, &NedtaellingSide::lydfilBoxDblClick);
}

void NedtaellingSide::visLyde(const QStringList &navne)
{
    m_lydfilBox->clear();
    m_lydfilBox->addItems(navne);
    m_lydfilBox->setCurrentRow(0);
}

void NedtaellingSide::setLydstyrke(int styrke)
{
    m_soundPlayer.setVolume(double(styrke) / Indstillingsfil::kLydBarMaks);
    setHint(m_lydBar, QStringLiteral("Lydstyrke: %1%")
                          .arg(qRound(styrke * 100.0 / Indstillingsfil::kLydBarMaks)));
}

void NedtaellingSide::lydBarChange()
{
    setLydstyrke(m_lydBar->value());
}

void NedtaellingSide::lydfilBoxClick()
{
    if (m_lydfilBox->currentRow() >= 0)
        m_alarmIndex = m_lydfilBox->currentRow();
}

void NedtaellingSide::lydfilBoxDblClick()
{
    if (m_lydfilBox->currentRow() >= 0)
        m_lydListe.playAlarm(m_soundPlayer, m_alarmIndex, 1, true);
}

void NedtaellingSide::hentIndstillinger(const Indstillinger &indstillinger)
{
    // A stored sound that the list no longer holds falls back to no sound.
    m_alarmIndex = indstillinger.alarmIndex < m_lydfilBox->count() ? indstillinger.alarmIndex : 0;
    m_lydfilBox->setCurrentRow(m_alarmIndex);
    m_lydBar->setValue(indstillinger.lydBar);
}

void NedtaellingSide::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.alarmIndex = m_alarmIndex;
    indstillinger.lydBar = m_lydBar->value();
}
