#include "calendar/Ttekstform.h"

#include "richtext/RichTextEdit.h"
#include "richtext/RtfUnits.h"
#include "ui/LukMedEscape.h"
#include "ui/WindowGeometry.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

Ttekstform::Ttekstform(const QString &optFilnavn) : optFilnavn(optFilnavn)
{
    lukMedEscape(this);
    setWindowFlags(Qt::Window);
    resize(548, 299);

    m_infoTekst = new RichTextEdit(this);
    m_infoTekst->setReadOnly(true);
    m_infoTekst->setAccessibleName(QStringLiteral("Dokument"));
    m_infoTekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(13);
    m_infoTekst->setFont(tahoma);

    auto *knapPanel = new QWidget(this);
    knapPanel->setFixedHeight(31);
    auto *knapper = new QHBoxLayout(knapPanel);
    knapper->setContentsMargins(4, 3, 4, 3);
    m_datoLabel = new QLabel(knapPanel);
    knapper->addWidget(m_datoLabel);
    const auto handling = [this, knapPanel, knapper](const QString &tekst,
                                                     QStyle::StandardPixmap billede) {
        auto *a = new QAction(style()->standardIcon(billede), tekst, this);
        auto *b = new QToolButton(knapPanel);
        b->setDefaultAction(a);
        b->setAccessibleName(tekst);
        b->setFixedSize(26, 25);
        knapper->addWidget(b);
        return a;
    };
    m_Action1 = handling(QStringLiteral("Første"), QStyle::SP_MediaSkipBackward);
    m_Action2 = handling(QStringLiteral("Forrige"), QStyle::SP_ArrowLeft);
    m_Action3 = handling(QStringLiteral("Næste"), QStyle::SP_ArrowRight);
    m_Action4 = handling(QStringLiteral("Sidste"), QStyle::SP_MediaSkipForward);
    knapper->addStretch(1);
    m_lukKnap = new QPushButton(QStringLiteral("Luk"), knapPanel);
    knapper->addWidget(m_lukKnap);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_infoTekst);
    layout->addWidget(knapPanel);

    connect(m_Action1, &QAction::triggered, this, [this] { gaaTil(0); });
    connect(m_Action2, &QAction::triggered, this, [this] { gaaTil(m_loadIndex - 1); });
    connect(m_Action3, &QAction::triggered, this, [this] { gaaTil(m_loadIndex + 1); });
    connect(m_Action4, &QAction::triggered, this, [this] { gaaTil(int(m_dokumenter.size()) - 1); });
    connect(m_lukKnap, &QPushButton::clicked, this, &QWidget::close);

    hentOpt();
    loadInfoTekst();
}

void Ttekstform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn);
}

void Ttekstform::hentOpt()
{
    if (!WindowGeometry::restore(*this, optFilnavn))
        WindowGeometry::centreOnScreen(*this);
}

void Ttekstform::loadTekst(const QStringList &dokumenter, const QString &mappe, QDate dato,
                           Kalender::Opstart valg)
{
    m_dokumenter = dokumenter;
    m_mappe = mappe;
    m_datoLabel->setText(Kalender::kortDato(dato));
    m_antal = int(dokumenter.size());
    m_loadIndex = Kalender::startIndex(dokumenter, valg, dato);
    loadInfoTekst();
}

void Ttekstform::gaaTil(int index)
{
    m_loadIndex = index;
    loadInfoTekst();
}

bool Ttekstform::visFil(const QString &sti)
{
    if (!m_infoTekst->loadFromFile(sti)) {
        m_infoTekst->clear();
        return false;
    }
    // Every paragraph a little further in from the edge; added to its own indent,
    // so that a hanging indent (a list's marker) is never pushed out of sight.
    for (QTextBlock blok = m_infoTekst->document()->begin(); blok.isValid(); blok = blok.next()) {
        QTextCursor cursor(blok);
        QTextBlockFormat indryk = blok.blockFormat();
        indryk.setLeftMargin(indryk.leftMargin() + 6 * kPixelsPerPoint);
        cursor.setBlockFormat(indryk);
    }
    m_infoTekst->moveCursor(QTextCursor::Start);
    m_infoTekst->setModified(false);
    return true;
}

void Ttekstform::loadInfoTekst()
{
    if (m_loadIndex < 0 || m_loadIndex >= m_dokumenter.size()) {
        m_infoTekst->clear();
        setWindowTitle(m_loadIndex < 0 ? QStringLiteral("Der er ingen dokumenter for valgte dato")
                                       : QStringLiteral("Filen blev ikke fundet"));
    } else {
        const QString navn = m_dokumenter.at(m_loadIndex);
        const QString sti = Kalender::dokumentSti(m_mappe, navn);
        if (!QFileInfo(sti).isFile()) {
            m_infoTekst->clear();
            setWindowTitle(QStringLiteral("Filen blev ikke fundet"));
        } else if (!visFil(sti)) {
            setWindowTitle(QStringLiteral("Filen kunne ikke læses"));
        } else {
            setWindowTitle(navn);
            Q_EMIT dokumentValgt(m_loadIndex);
        }
    }
    opdaterHandlinger();
}

void Ttekstform::opdaterHandlinger()
{
    m_Action1->setEnabled(m_loadIndex > 0);
    m_Action2->setEnabled(m_loadIndex > 0);
    m_Action3->setEnabled(m_loadIndex < m_antal - 1);
    m_Action4->setEnabled(m_loadIndex < m_antal - 1);
}

void Ttekstform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_velkomst.isEmpty())
        return;
    // A missing welcome document leaves the viewer empty: there is nothing to tell.
    visFil(std::exchange(m_velkomst, QString()));
    setWindowTitle(QStringLiteral("Klokkeven"));
}
