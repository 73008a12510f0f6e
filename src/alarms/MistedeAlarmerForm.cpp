#include "alarms/MistedeAlarmerForm.h"

#include "richtext/RichTextEdit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

MistedeAlarmerForm::MistedeAlarmerForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Alarmer, mens du var væk"));
    resize(420, 360);
    m_liste = new QTableWidget(0, 3, this);
    m_liste->setHorizontalHeaderLabels(
        {QStringLiteral("Dato"), QStringLiteral("Tid"), QStringLiteral("Overskrift")});
    m_liste->setAccessibleName(windowTitle());
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->verticalHeader()->hide();
    m_liste->horizontalHeader()->setStretchLastSection(true);

    m_tekst = new RichTextEdit(this);
    m_tekst->setReadOnly(true);
    m_tekst->setAccessibleName(QStringLiteral("Alarmtekst"));

    m_visTekst = new QPushButton(QStringLiteral("Vis tekst"), this);
    m_luk = new QPushButton(QStringLiteral("Luk"), this);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(m_visTekst);
    knapper->addStretch();
    knapper->addWidget(m_luk);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 3);
    layout->addWidget(m_tekst, 2);
    layout->addLayout(knapper);

    connect(m_visTekst, &QPushButton::clicked, this, &MistedeAlarmerForm::visTekst);
    connect(m_liste, &QTableWidget::cellDoubleClicked, this, &MistedeAlarmerForm::visTekst);
    connect(m_liste, &QTableWidget::currentCellChanged, this, &MistedeAlarmerForm::visTekst);
    connect(m_luk, &QPushButton::clicked, this, &QWidget::close);
}

void MistedeAlarmerForm::vis(const QList<ForfaldenAlarm> &alarmer)
{
    m_alarmer = alarmer + m_alarmer;
    std::stable_sort(
        m_alarmer.begin(), m_alarmer.end(),
        [](const ForfaldenAlarm &a, const ForfaldenAlarm &b) { return a.tid > b.tid; });
    m_liste->setRowCount(int(m_alarmer.size()));
    for (int row = 0; row < m_liste->rowCount(); ++row) {
        const ForfaldenAlarm &mistet = m_alarmer.at(row);
        m_liste->setItem(row, 0,
                         new QTableWidgetItem(mistet.tid.toString(QStringLiteral("dd-MM-yyyy"))));
        m_liste->setItem(row, 1,
                         new QTableWidgetItem(mistet.tid.toString(QStringLiteral("HH:mm"))));
        m_liste->setItem(row, 2, new QTableWidgetItem(mistet.alarm.overskrift));
    }
    m_liste->resizeColumnsToContents();
    m_liste->setCurrentCell(0, 0);
    visTekst();
    show();
    raise();
    activateWindow();
}

void MistedeAlarmerForm::visTekst()
{
    const int row = m_liste->currentRow();
    if (row < 0 || row >= m_alarmer.size()) {
        m_tekst->clear();
        return;
    }
    if (!m_tekst->loadFromFile(m_alarmer.at(row).alarm.tekstfilnavn))
        m_tekst->setPlainText(QStringLiteral("Teksten findes ikke længere."));
}

void MistedeAlarmerForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    const QList<ForfaldenAlarm> sete = std::exchange(m_alarmer, {});
    m_liste->setRowCount(0);
    m_tekst->clear();
    if (!sete.isEmpty())
        Q_EMIT set(sete);
}
