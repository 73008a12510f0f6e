#include "info/Turlform.h"

#include "base/WindowOptionFile.h"
#include "info/Historik.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/VinduesFont.h"
#include "ui/WindowGeometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Turlform::Turlform(const QString &optfilnavn, Hints &hints, const QWidget *midte)
    : optfilnavn(optfilnavn), m_historik(std::make_unique<Historik>()), m_hints(hints),
      m_midte(midte)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setWindowFlags(Qt::Window);
    setFont(vinduesFont());
    setMinimumSize(300, 200);
    resize(451, 338);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *overskriftLabel = new QLabel(QStringLiteral("Besøgte sider"), this);
    overskriftLabel->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(overskriftLabel);
    m_urlListe = new QListWidget(this);
    m_urlListe->setAccessibleName(overskriftLabel->text());
    overskriftLabel->setBuddy(m_urlListe);
    layout->addWidget(m_urlListe, 1);

    auto *bar = new QWidget(this);
    bar->setFixedHeight(31);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    const auto handling = [this](const QString &tekst, const QString &hint) {
        auto *a = new QAction(tekst, this);
        a->setStatusTip(hint);
        a->setToolTip(hint);
        return a;
    };
    m_ArensDobbelt =
        handling(QStringLiteral("Rens liste"), QStringLiteral("Rens listen for dobbeltgængere"));
    m_AsletAlle =
        handling(QStringLiteral("Slet liste"), QStringLiteral("Slet alle urls fra listen"));
    auto *rensKnap = nyKnap<QPushButton>(m_ArensDobbelt->text(), m_ArensDobbelt->statusTip(), bar);
    auto *sletKnap = nyKnap<QPushButton>(m_AsletAlle->text(), m_AsletAlle->statusTip(), bar);
    m_lukKnap = nyKnap<QPushButton>(QStringLiteral("Luk"), QStringLiteral("Luk urlboksen"), bar);
    barLayout->addWidget(rensKnap);
    barLayout->addWidget(sletKnap);
    barLayout->addStretch(1);
    barLayout->addWidget(m_lukKnap);
    layout->addWidget(bar);

    m_infoBar = new QLabel(this);
    m_infoBar->setFrameShape(QFrame::StyledPanel);
    m_infoBar->setFrameShadow(QFrame::Sunken);
    m_infoBar->setAccessibleName(QStringLiteral("Statuslinje"));
    layout->addWidget(m_infoBar);

    // A button follows its action as a tool button would.
    for (const auto &[b, a] :
         {std::pair{rensKnap, m_ArensDobbelt}, std::pair{sletKnap, m_AsletAlle}}) {
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    }
    connect(m_ArensDobbelt, &QAction::triggered, this, &Turlform::ArensDobbeltExecute);
    connect(m_AsletAlle, &QAction::triggered, this, &Turlform::AsletAlleExecute);
    connect(m_lukKnap, &QPushButton::clicked, this, &QWidget::close);
    connect(m_urlListe, &QListWidget::itemDoubleClicked, this, &Turlform::urlListeDblClick);
    connect(m_historik.get(), &Historik::aendret, this, &Turlform::visHistorik);

    visHistorik();
    hentOpt();
}

Turlform::~Turlform() = default;

void Turlform::visHistorik()
{
    const QStringList &sider = m_historik->sider();
    bool ens = m_urlListe->count() == sider.size();
    for (int i = 0; ens && i < sider.size(); ++i)
        ens = m_urlListe->item(i)->text() == sider.at(i);
    if (!ens) {
        m_urlListe->clear();
        m_urlListe->addItems(sider);
    }
    m_urlListe->setCurrentRow(m_historik->urlIndex());
    opdaterHandlinger();
}

void Turlform::opdaterHandlinger()
{
    m_ArensDobbelt->setEnabled(m_historik->count() > 1);
    m_AsletAlle->setEnabled(m_historik->count() > 0);
}

void Turlform::ArensDobbeltExecute()
{
    if (m_historik->count() < 2)
        return;
    m_infoBar->setText(Historik::rensStatus(m_historik->rensDobbelte()));
}

void Turlform::AsletAlleExecute()
{
    m_historik->sletAlle();
}

void Turlform::urlListeDblClick()
{
    const int row = m_urlListe->currentRow();
    if (row >= 0)
        Q_EMIT sideOensket(row);
}

void Turlform::Info(const QString &hint)
{
    const qsizetype streg = hint.indexOf(QLatin1Char('|'));
    m_infoBar->setText(streg >= 0 ? hint.mid(streg + 1) : hint);
}

void Turlform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_foersteVisning && m_midte) {
        m_foersteVisning = false;
        QRect ramme = frameGeometry();
        ramme.moveCenter(m_midte->frameGeometry().center());
        WindowGeometry::place(*this, ramme.topLeft(), size());
    }
}

void Turlform::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_hintHaandterer) {
        m_hintHaandterer = true;
        connect(&m_hints, &Hints::hint, this, &Turlform::Info);
    }
}

void Turlform::closeEvent(QCloseEvent *event)
{
    gemOpt();
    QWidget::closeEvent(event);
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
