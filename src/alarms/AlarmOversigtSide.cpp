#include "alarms/AlarmOversigtSide.h"

#include "alarms/DagensAlarmer.h"
#include "alarms/NyAlarmSide.h"
#include "base/DataFolders.h"
#include "clock/UrVindue.h"
#include "dialogs/Messages.h"
#include "ui/Hints.h"
#include "ui/SideLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QIcon typeSymbol(AlarmType type)
{
    switch (type) {
    case AlarmType::Dato:
        return QIcon(QStringLiteral(":/alarmtyper/dato.xpm"));
    case AlarmType::Aarlig:
        return QIcon(QStringLiteral(":/alarmtyper/gentaget.xpm"));
    default:
        return QIcon(QStringLiteral(":/alarmtyper/daglig.xpm"));
    }
}

QString typeNavn(AlarmType type)
{
    switch (type) {
    case AlarmType::Dato:
        return QStringLiteral("Dato");
    case AlarmType::Aarlig:
        return QStringLiteral("Gentaget");
    default:
        return QStringLiteral("Daglig");
    }
}

} // namespace

AlarmOversigtSide::AlarmOversigtSide(UrVindue &urVindue, NyAlarmSide &nyAlarmSide,
                                     const AlarmTjenester &tjenester, QWidget *parent)
    : QWidget(parent), m_urVindue(urVindue), m_nyAlarmSide(nyAlarmSide), m_tjenester(tjenester),
      m_alle(tjenester.folders.alarmDir, tjenester.folders.alarmTekster)
{
    Q_INIT_RESOURCE(alarmtyper);
    auto *layout = new QVBoxLayout(this);
    m_LabelOverskrift = fedLabel(QStringLiteral("Aktive alarmer"), this);
    layout->addWidget(m_LabelOverskrift);

    m_alarmBox = new QTableWidget(0, 4, this);
    m_alarmBox->setHorizontalHeaderLabels({QStringLiteral("*"), QStringLiteral("Dato"),
                                           QStringLiteral("Klokken"),
                                           QStringLiteral("Overskrift")});
    m_alarmBox->setShowGrid(true);
    m_alarmBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_alarmBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_alarmBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_alarmBox->verticalHeader()->hide();
    m_alarmBox->setWordWrap(false);
    QHeaderView *kolonner = m_alarmBox->horizontalHeader();
    kolonner->setMinimumSectionSize(16);
    kolonner->setSectionResizeMode(QHeaderView::Fixed);
    kolonner->setStretchLastSection(true);
    m_alarmBox->setColumnWidth(0, 24);
    m_alarmBox->setColumnWidth(1, 76);
    m_alarmBox->setColumnWidth(2, 50);
    m_LabelOverskrift->setBuddy(m_alarmBox);
    layout->addWidget(m_alarmBox, 1);

    auto *knapper = new QHBoxLayout;
    m_sbUdskrivAlle = new QPushButton(QStringLiteral("Vis alle     "), this);
    m_sbUdskrivAktive = new QPushButton(QStringLiteral("Vis aktive"), this);
    m_sbRedigerValgte = new QPushButton(QStringLiteral("Rediger "), this);
    setHint(m_sbRedigerValgte, QStringLiteral("Rediger valgte alarm"));
    m_sbSletValgte = new QPushButton(QStringLiteral("Slet       "), this);
    setHint(m_sbSletValgte, QStringLiteral("Slet valgte alarm"));
    auto *sbAlarmInfo = new QPushButton(QStringLiteral("Information"), this);
    sbAlarmInfo->setFlat(true);
    setHint(sbAlarmInfo, QStringLiteral("Information om registrerede alarmer"));
    for (QPushButton *knap :
         {m_sbUdskrivAlle, m_sbUdskrivAktive, m_sbRedigerValgte, m_sbSletValgte})
        knapper->addWidget(knap);
    knapper->addStretch(1);
    knapper->addWidget(sbAlarmInfo);
    layout->addLayout(knapper);

    connect(m_sbUdskrivAlle, &QPushButton::clicked, this, &AlarmOversigtSide::sbUdskrivAlleClick);
    connect(m_sbUdskrivAktive, &QPushButton::clicked, this, &AlarmOversigtSide::loadDagensAlarmer);
    connect(m_sbRedigerValgte, &QPushButton::clicked, this,
            &AlarmOversigtSide::sbRedigerValgteClick);
    connect(m_sbSletValgte, &QPushButton::clicked, this, &AlarmOversigtSide::sbSletValgteClick);
    connect(sbAlarmInfo, &QPushButton::clicked, this,
            [this] { m_urVindue.info(QStringLiteral("Alarm oversigt")); });

    visVisning(false);
}

void AlarmOversigtSide::udskrivAlarmer(const QList<TAlarmRecord> &alarmer)
{
    m_alarmBox->clearContents();
    m_alarmBox->setRowCount(int(alarmer.size()));
    for (int i = 0; i < alarmer.size(); ++i) {
        const AlarmRaekke raekke = alarmRaekke(alarmer.at(i));
        auto *symbol = new QTableWidgetItem(typeSymbol(raekke.symbol), QString());
        symbol->setData(Qt::AccessibleTextRole, typeNavn(raekke.symbol));
        m_alarmBox->setItem(i, 0, symbol);
        m_alarmBox->setItem(i, 1, new QTableWidgetItem(raekke.dato));
        m_alarmBox->setItem(i, 2, new QTableWidgetItem(raekke.klokken));
        m_alarmBox->setItem(i, 3, new QTableWidgetItem(raekke.overskrift));
    }
    m_alarmBox->clearSelection();
    m_alarmBox->setCurrentItem(nullptr);
}

void AlarmOversigtSide::visVisning(bool alle)
{
    m_LabelOverskrift->setText(alle ? QStringLiteral("Alle alarmer")
                                    : QStringLiteral("Aktive alarmer"));
    m_alarmBox->setAccessibleName(m_LabelOverskrift->text());
    m_sbUdskrivAlle->setEnabled(!alle);
    m_sbUdskrivAktive->setEnabled(alle);
    m_sbRedigerValgte->setEnabled(alle);
    m_sbSletValgte->setEnabled(alle);
}

void AlarmOversigtSide::loadDagensAlarmer()
{
    udskrivAlarmer(m_tjenester.dagensAlarmer.alarm());
    visVisning(false);
}

void AlarmOversigtSide::sbUdskrivAlleClick()
{
    const QStringList skipped = m_alle.hentAlleAlarmer();
    udskrivAlarmer(m_alle.alarmX());
    visVisning(true);
    if (!skipped.isEmpty())
        m_tjenester.messages.information(m_alle.skippedMessage(skipped));
}

int AlarmOversigtSide::valgtRaekke() const
{
    const QModelIndexList valgte = m_alarmBox->selectionModel()->selectedRows();
    // The rows are those of every alarm as last read.
    if (valgte.isEmpty() || valgte.first().row() > m_alle.indexX())
        return -1;
    return valgte.first().row();
}

void AlarmOversigtSide::sbRedigerValgteClick()
{
    const int raekke = valgtRaekke();
    if (raekke < 0) {
        m_tjenester.messages.information(QStringLiteral("Vælg alarm, der skal redigeres."));
        return;
    }
    if (!m_alle.filerFindes(raekke) ||
        !m_nyAlarmSide.visAlarm(m_alle.alarmX().at(raekke), m_alle.tekstfil(raekke))) {
        m_tjenester.messages.information(
            QStringLiteral("Der mangler en eller flere filer.\rSlet alarmen og opret en ny."));
        return;
    }
    Q_EMIT redigeres();
}

void AlarmOversigtSide::sbSletValgteClick()
{
    const int raekke = valgtRaekke();
    if (raekke < 0) {
        m_tjenester.messages.information(QStringLiteral("Vælg alarm, der skal slettes."));
        return;
    }
    if (!m_tjenester.spoerg({QStringLiteral("Skal alarmen"), m_alle.alarmX().at(raekke).overskrift,
                             QStringLiteral("slettes?")}))
        return;
    if (!m_alle.slet(raekke))
        m_tjenester.messages.information(
            QStringLiteral("Alarmen kunne ikke slettes helt.\rEn af dens filer bruges måske af et "
                           "andet program eller ligger i en skrivebeskyttet mappe."));
    m_tjenester.hentAlarmer();
    sbUdskrivAlleClick();
}
