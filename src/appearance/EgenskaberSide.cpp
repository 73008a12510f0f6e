#include "appearance/EgenskaberSide.h"

#include "ui/Hints.h"
#include "ui/SideLayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

EgenskaberSide::EgenskaberSide(QWidget *kalenderValg, QWidget *parent) : QWidget(parent)
{
    auto *raekke = new QHBoxLayout(this);

    QVBoxLayout *om = kolonne(raekke);
    om->addWidget(fedLabel(QStringLiteral("Klokkeven"), this));
    om->addWidget(
        new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(KLOKKEVEN_VERSION)), this));
    auto *billede = new QLabel(this);
    billede->setPixmap(omBillede());
    billede->setAccessibleName(QStringLiteral("Klokkeven"));
    om->addWidget(billede);
    om->addWidget(new QLabel(
        QStringLiteral("Sidst opdateret %1").arg(QStringLiteral(KLOKKEVEN_OPDATERET)), this));
    om->addStretch(1);

    QVBoxLayout *midt = kolonne(raekke);
    const QString designsTekst = QStringLiteral("Designs");
    QLabel *designsLabel = fedLabel(designsTekst, this);
    midt->addWidget(designsLabel);
    m_designBox = new QComboBox(this);
    m_designBox->setEditable(false);
    m_designBox->setMaxVisibleItems(13);
    m_designBox->setAccessibleName(designsTekst);
    designsLabel->setBuddy(m_designBox);
    midt->addWidget(m_designBox);
    midt->addStretch(1);
    midt->addWidget(fedLabel(QStringLiteral("Kalender"), this));
    kalenderValg->setParent(this);
    midt->addWidget(kalenderValg);
    midt->addStretch(2);

    QVBoxLayout *hoejre = kolonne(raekke);
    hoejre->addWidget(fedLabel(QStringLiteral("Program opstart"), this));
    auto *startProgLabel = new QLabel(QStringLiteral("Startop-program"), this);
    hoejre->addWidget(startProgLabel);
    {
        m_startProgDoButton = new QPushButton(QStringLiteral("Udfør"), this);
        setHint(m_startProgDoButton,
                QStringLiteral("Tilføj eller fjern programmet som startop-program"));
        startProgLabel->setBuddy(m_startProgDoButton);
        hoejre->addWidget(m_startProgDoButton, 0, Qt::AlignLeft);
    }
    hoejre->addStretch(1);
    // A push button cannot wrap its caption; a label inside it does.
    const QString gemTekst = QStringLiteral("Gem startop egenskaber");
    m_gemButton = new QPushButton(this);
    m_gemButton->setAccessibleName(gemTekst);
    m_gemButton->setFixedSize(110, 40);
    auto *gemLabel = new QLabel(gemTekst, m_gemButton);
    gemLabel->setWordWrap(true);
    gemLabel->setAlignment(Qt::AlignCenter);
    gemLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *gemLayout = new QVBoxLayout(m_gemButton);
    gemLayout->setContentsMargins(4, 2, 4, 2);
    gemLayout->addWidget(gemLabel);
    hoejre->addWidget(m_gemButton);
    connect(m_gemButton, &QPushButton::clicked, this, &EgenskaberSide::gemButtonClick);
}

void EgenskaberSide::gemButtonClick()
{
    Q_EMIT gemOensket();
    m_gemButton->setEnabled(false);
}

QPixmap EgenskaberSide::omBillede()
{
    constexpr int bredde = 223;
    constexpr int hoejde = 218;
    QPixmap pixmap(bredde, hoejde);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(bredde / 2.0, hoejde / 2.0);
    const double r = hoejde / 2.0 - 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawEllipse(QPointF(), r, r);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(), r - 10, r - 10);
    for (int i = 0; i < 60; ++i) {
        p.setPen(QPen(Qt::black, i % 5 == 0 ? 3 : 1));
        const double v = qDegreesToRadians(i * 6.0);
        const double ind = i % 5 == 0 ? r - 26 : r - 19;
        p.drawLine(QPointF(ind * qSin(v), -ind * qCos(v)),
                   QPointF((r - 14) * qSin(v), -(r - 14) * qCos(v)));
    }
    // Ten past ten, the hour a clock face smiles at.
    const auto viser = [&p](double grader, double laengde, int tykkelse, QColor farve) {
        const double v = qDegreesToRadians(grader);
        p.setPen(QPen(farve, tykkelse, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(), QPointF(laengde * qSin(v), -laengde * qCos(v)));
    };
    viser(305, r * 0.5, 6, QColor(0x80, 0x80, 0x80));
    viser(60, r * 0.72, 4, QColor(0x80, 0x80, 0x80));
    viser(210, r * 0.78, 2, QColor(0xA0, 0xA0, 0xA4));
    return pixmap;
}
