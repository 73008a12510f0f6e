#include "appearance/Tgemhentform.h"

#include "appearance/UrDesignfil.h"
#include "dialogs/Messages.h"
#include "ui/Hints.h"
#include "ui/ListeRaekke.h"
#include "ui/VinduesFont.h"
#include "ui/WindowGeometry.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kEndelse = QStringLiteral(".txt");

} // namespace

Tgemhentform::Tgemhentform(const QString &GemHentDir, Messages &messages)
    : m_GemHentDir(GemHentDir), m_messages(messages)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFont(vinduesFont());
    resize(257, 300);

    const QString listeTekst = QStringLiteral("Eksisterende designs");
    auto *label = new QLabel(listeTekst, this);
    m_filBox = new QListWidget(this);
    m_filBox->setAccessibleName(listeTekst);
    label->setBuddy(m_filBox);
    ListeRaekke::anvend(m_filBox, ListeRaekke::kPengegroen);
    m_filEdit = new QLineEdit(this);
    m_filEdit->setAccessibleName(QStringLiteral("Designnavn"));

    m_gemKnap = new QPushButton(QStringLiteral("Gem og luk"), this);
    m_hentKnap = new QPushButton(QStringLiteral("Hent og luk"), this);
    m_annullerKnap = new QPushButton(QStringLiteral("Annuller"), this);
    setHint(m_annullerKnap, QStringLiteral("Luk boksen"));
    m_sletKnap = new QPushButton(QStringLiteral("Slet"), this);
    setHint(m_sletKnap, QStringLiteral("Slet valgte design"));
    m_sletKnap->setAutoDefault(false);
    m_annullerKnap->setAutoDefault(false);
    // Three buttons of the classic width fit side by side in the 257-pixel window.
    for (QPushButton *knap : {m_gemKnap, m_hentKnap, m_annullerKnap, m_sletKnap})
        knap->setFixedWidth(75);

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(m_gemKnap);
    knapper->addWidget(m_hentKnap);
    knapper->addWidget(m_annullerKnap);
    knapper->addWidget(m_sletKnap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(label);
    layout->addWidget(m_filBox, 1);
    layout->addWidget(m_filEdit);
    layout->addLayout(knapper);

    connect(m_gemKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_hentKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_annullerKnap, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sletKnap, &QPushButton::clicked, this, &Tgemhentform::sletKnapClick);
    // Only a line the user selects names the design; the list's own current line does not.
    connect(m_filBox, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> valgte = m_filBox->selectedItems();
        if (!valgte.isEmpty())
            m_filEdit->setText(valgte.first()->text());
    });
    connect(m_filBox, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void Tgemhentform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void Tgemhentform::FormShow()
{
    setWindowTitle(m_aktion ? QStringLiteral("Hent urdesign") : QStringLiteral("Gem urdesign"));
    m_gemKnap->setVisible(!m_aktion);
    m_hentKnap->setVisible(m_aktion);
    if (m_opstart) {
        m_opstart = false;
        // The layout first learns which button is hidden, so the width can shrink to fit.
        layout()->activate();
        resize(257, height());
        WindowGeometry::centreOnScreen(*this);
    }
    (m_aktion ? m_hentKnap : m_gemKnap)->setDefault(true);
    if (!loadFiler())
        // Queued: a dialog that closes while it is being shown would leave its loop waiting.
        QTimer::singleShot(0, this, &QDialog::reject);
}

bool Tgemhentform::loadFiler()
{
    m_filBox->clear();
    QDir mappe(m_GemHentDir);
    if (!mappe.exists())
        mappe.mkpath(QStringLiteral("."));
    if (!mappe.exists() || !mappe.isReadable()) {
        m_messages.information(QStringLiteral("Der opstod en fejl under filindlæsningen."));
        return false;
    }
    const QFileInfoList filer = mappe.entryInfoList(
        {QLatin1Char('*') + kEndelse},
        QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive, QDir::NoSort);
    for (const QFileInfo &fil : filer)
        m_filBox->addItem(fil.fileName().chopped(kEndelse.size()));
    return true;
}

void Tgemhentform::done(int result)
{
    const QString navn = m_filEdit->text();
    const std::optional<QString> fejl = UrDesignfil::navnFejl(navn);
    // A name that is no file of the design folder is never handed on.
    if (result == QDialog::Accepted && !navn.isEmpty() && fejl) {
        m_messages.information(*fejl);
        return;
    }
    m_filnavn = navn.isEmpty() || fejl ? QString() : m_GemHentDir + navn + kEndelse;
    QDialog::done(result);
}

void Tgemhentform::sletKnapClick()
{
    const QString navn = m_filEdit->text();
    if (navn.isEmpty()) {
        m_messages.information(QStringLiteral(" Der er ikke valgt design der skal slettes. "));
        return;
    }
    if (const std::optional<QString> fejl = UrDesignfil::navnFejl(navn)) {
        m_messages.information(*fejl);
        return;
    }
    const QString path = m_GemHentDir + navn + kEndelse;
    if (QFile::exists(path) && QFile::remove(path)) {
        m_filEdit->clear();
        if (loadFiler())
            m_messages.information(QStringLiteral(" Filen blev slettet. "));
        else
            reject();
    } else {
        m_messages.information(QStringLiteral(" Filen blev ikke fundet. "));
    }
}
