#include "calendar/KalenderSide.h"

#include "calendar/Kalender.h"
#include "calendar/OpstartValg.h"
#include "calendar/Ttekstform.h"
#include "dialogs/Messages.h"
#include "platform/LocalTime.h"
#include "platform/Papirkurv.h"
#include "richtext/FormatVaerktoej.h"
#include "richtext/RichTextEdit.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/ListeRaekke.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit *talFelt(const QString &hint, int maks, QWidget *parent)
{
    auto *felt = new QLineEdit(parent);
    felt->setAlignment(Qt::AlignRight);
    felt->setMaxLength(maks);
    felt->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), felt));
    felt->setAccessibleName(hint);
    felt->setFixedWidth(maks * 9 + 12);
    setHint(felt, hint);
    return felt;
}

} // namespace

KalenderSide::KalenderSide(const QString &brugerKalenderMappe, const LocalTime &localTime,
                           Messages &messages, QWidget *parent)
    : QWidget(parent), m_brugerKalenderMappe(brugerKalenderMappe), m_localTime(localTime),
      m_messages(messages)
{
    m_dayEdit = talFelt(QStringLiteral("Dag"), 2, this);
    m_monthEdit = talFelt(QStringLiteral("Måned"), 2, this);
    m_yearEdit = talFelt(QStringLiteral("År"), 4, this);
    m_opdaterKnap = nyKnap<QPushButton>(
        QStringLiteral("Opdater"), QStringLiteral("Opdater kalenderen til indførte dato"), this);
    m_opdaterKnap->setFlat(true);
    m_kalenderPlads = new QWidget(this);
    auto *kalenderLag = new QVBoxLayout(m_kalenderPlads);
    kalenderLag->setContentsMargins(0, 0, 0, 0);
    // Seven columns each wide enough for the widest weekday heading ("tirs."
    // or "tors.", not "man."), with the room a cell's margins and grid line
    // take in every UI style.
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    int bredest = 0;
    for (int dag = Qt::Monday; dag <= Qt::Sunday; ++dag)
        bredest = std::max(bredest, m_kalenderPlads->fontMetrics().horizontalAdvance(
                                        dansk.dayName(dag, QLocale::ShortFormat)));
    m_kalenderPlads->setMinimumWidth(7 * (bredest + 6) + 4);
    m_dato = m_localTime.now().date();
    const auto pil = [this](const QString &caption, const QString &hint) {
        QPushButton *b = nyKnap<QPushButton>(caption, hint, this);
        // The caption is an arrow; the hint says where it goes.
        b->setAccessibleName(hint);
        b->setFixedWidth(24);
        return b;
    };
    m_yPrev = pil(QStringLiteral("<"), QStringLiteral("Foregående år"));
    m_mPrev = pil(QStringLiteral("<"), QStringLiteral("Foregående måned"));
    m_datoLabel = nyKnap<QPushButton>(QStringLiteral("I dag: "), QString(), this);
    m_datoLabel->setFlat(true);
    m_mNext = pil(QStringLiteral(">"), QStringLiteral("Næste måned"));
    m_yNext = pil(QStringLiteral(">"), QStringLiteral("Næste år"));
    m_NyMappeKnap =
        nyKnap<QPushButton>(QStringLiteral("Opret mappe for valgte dato"),
                            QStringLiteral("Opret mappe til datorelaterede filer"), this);

    m_dokuBox = new QListWidget(this);
    m_dokuBox->setAccessibleName(QStringLiteral("Dokumenter"));
    ListeRaekke::anvend(m_dokuBox, ListeRaekke::kHimmelblaa);
    m_kEdit = new QLineEdit(this);
    m_kEdit->setMaxLength(Kalender::kNavnMaks);
    m_kEdit->setAccessibleName(QStringLiteral("Nyt dokument"));
    setHint(m_kEdit, QStringLiteral("Nyt dokument"));
    m_kDagbogKnap = nyKnap<QPushButton>(QStringLiteral("Dagbog"),
                                        QStringLiteral("Sæt filnavn til Dagbog"), this);
    m_kDatoKnap = nyKnap<QPushButton>(QStringLiteral("Dato"),
                                      QStringLiteral("Sæt filnavn til kalenderdato"), this);
    m_kDagbogDatoKnap = nyKnap<QPushButton>(QStringLiteral("Info"),
                                            QStringLiteral("Sæt filnavn til Information"), this);

    m_kTekst = new RichTextEdit(this);
    m_kTekst->setAccessibleName(QStringLiteral("Dokumentets tekst"));
    m_kTekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(13);
    m_kTekst->setFont(courier);

    m_aSletRtf = new QAction(QStringLiteral("Slet"), this);
    m_aSletRtf->setStatusTip(QStringLiteral("Slet det i listen valgte dokument"));
    m_aSletRtf->setToolTip(m_aSletRtf->statusTip());
    m_aGemRtf = new QAction(QStringLiteral("Gem"), this);
    m_aGemRtf->setStatusTip(QStringLiteral("Gem dokumentet"));
    m_aGemRtf->setToolTip(m_aGemRtf->statusTip());
    auto *sletRtfKnap = new QToolButton(this);
    sletRtfKnap->setDefaultAction(m_aSletRtf);
    sletRtfKnap->setAccessibleName(m_aSletRtf->text());
    auto *GemKnapK = new QToolButton(this);
    GemKnapK->setDefaultAction(m_aGemRtf);
    GemKnapK->setAccessibleName(m_aGemRtf->text());
    m_visKnap = nyKnap<QPushButton>(QStringLiteral("Vis"),
                                    QStringLiteral("Åben dokumentvisningsboksen"), this);
    m_NyKnapK = nyKnap<QPushButton>(QStringLiteral("Nyt"), QString(), this);

    m_vaerktoej = new FormatVaerktoej(m_kTekst, FormatVaerktoej::kalenderValg(), this);

    auto *venstre = new QVBoxLayout;
    auto *datoRaekke = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(m_dayEdit), static_cast<QWidget *>(m_monthEdit),
                       static_cast<QWidget *>(m_yearEdit)}) {
        if (w != m_dayEdit)
            datoRaekke->addWidget(new QLabel(QStringLiteral("-"), this));
        datoRaekke->addWidget(w);
    }
    datoRaekke->addWidget(m_opdaterKnap);
    datoRaekke->addStretch(1);
    venstre->addLayout(datoRaekke);
    venstre->addWidget(m_kalenderPlads);
    auto *pile = new QHBoxLayout;
    pile->addWidget(m_yPrev);
    pile->addWidget(m_mPrev);
    pile->addWidget(m_datoLabel, 1);
    pile->addWidget(m_mNext);
    pile->addWidget(m_yNext);
    venstre->addLayout(pile);
    venstre->addWidget(m_NyMappeKnap);
    venstre->addWidget(m_dokuBox, 1);

    // The name and the document's buttons span the editor and its tools, so
    // that a long name stays readable and the tools keep their room.
    auto *hoejre = new QVBoxLayout;
    auto *navnRaekke = new QHBoxLayout;
    navnRaekke->addWidget(m_kEdit, 1);
    navnRaekke->addWidget(m_kDagbogKnap);
    navnRaekke->addWidget(m_kDatoKnap);
    navnRaekke->addWidget(m_kDagbogDatoKnap);
    hoejre->addLayout(navnRaekke);
    auto *tekstRaekke = new QHBoxLayout;
    tekstRaekke->addWidget(m_kTekst, 1);
    tekstRaekke->addWidget(m_vaerktoej);
    hoejre->addLayout(tekstRaekke, 1);
    auto *knapRaekke = new QHBoxLayout;
    knapRaekke->addWidget(sletRtfKnap);
    knapRaekke->addWidget(m_visKnap);
    knapRaekke->addStretch(1);
    knapRaekke->addWidget(m_NyKnapK);
    knapRaekke->addWidget(GemKnapK);
    hoejre->addLayout(knapRaekke);

    auto *raekke = new QHBoxLayout(this);
    raekke->addLayout(venstre);
    raekke->addLayout(hoejre, 1);

    connect(m_opdaterKnap, &QPushButton::clicked, this, &KalenderSide::opdaterKnapClick);
    connect(m_mPrev, &QPushButton::clicked, this, [this] { vaelgDato(valgtDato().addMonths(-1)); });
    connect(m_mNext, &QPushButton::clicked, this, [this] { vaelgDato(valgtDato().addMonths(1)); });
    connect(m_yPrev, &QPushButton::clicked, this, [this] { vaelgDato(valgtDato().addYears(-1)); });
    connect(m_yNext, &QPushButton::clicked, this, [this] { vaelgDato(valgtDato().addYears(1)); });
    connect(m_datoLabel, &QPushButton::clicked, this,
            [this] { vaelgDato(m_localTime.now().date()); });
    connect(m_NyMappeKnap, &QPushButton::clicked, this, &KalenderSide::NyMappeKnapClick);
    connect(m_kDagbogKnap, &QPushButton::clicked, this,
            [this] { navnKnap(QStringLiteral("Dagbog")); });
    connect(m_kDagbogDatoKnap, &QPushButton::clicked, this,
            [this] { navnKnap(QStringLiteral("Information")); });
    connect(m_kDatoKnap, &QPushButton::clicked, this,
            [this] { navnKnap(Kalender::kortDato(valgtDato())); });
    connect(m_NyKnapK, &QPushButton::clicked, this, &KalenderSide::NyKnapKClick);
    connect(m_aGemRtf, &QAction::triggered, this, &KalenderSide::aGemRtfExecute);
    connect(m_aSletRtf, &QAction::triggered, this, &KalenderSide::aSletRtfExecute);
    connect(m_dokuBox, &QListWidget::itemActivated, this, &KalenderSide::dokuBoxOpen);
    connect(m_dokuBox, &QListWidget::itemSelectionChanged, this, &KalenderSide::opdaterSlet);
    connect(m_kTekst->document(), &QTextDocument::modificationChanged, m_aGemRtf,
            &QAction::setEnabled);
    connect(m_visKnap, &QPushButton::clicked, this, &KalenderSide::visTekstform);
    m_aGemRtf->setEnabled(false);
    m_aSletRtf->setEnabled(false);
}

void KalenderSide::setTekstform(Ttekstform *tekstform, const OpstartValg *opstartValg)
{
    m_tekstform = tekstform;
    m_opstartValg = opstartValg;
    if (m_tekstform)
        connect(m_tekstform, &Ttekstform::dokumentValgt, m_dokuBox,
                [this](int index) { m_dokuBox->setCurrentRow(index); });
}

void KalenderSide::setMappe(bool sHint)
{
    m_Mappe = Kalender::datoMappe(m_brugerKalenderMappe, valgtDato());
    if (QFileInfo(m_Mappe).isDir()) {
        loadRtfFiler();
        m_NyMappeKnap->setEnabled(false);
    } else {
        m_NyMappeKnap->setEnabled(true);
        m_dokuBox->clear();
        loadTekst();
    }
    if (sHint)
        Q_EMIT statusTekst(m_Mappe);
}

void KalenderSide::loadRtfFiler()
{
    m_dokuBox->clear();
    const std::optional<QStringList> navne = Kalender::loadRtfFiler(m_Mappe);
    if (!navne) {
        m_messages.information(QStringLiteral("Der opstod en fejl under filindlæsningen."));
        Q_EMIT lukOensket();
        return;
    }
    m_dokuBox->addItems(*navne);
    loadTekst();
}

void KalenderSide::loadTekst()
{
    QStringList navne;
    navne.reserve(m_dokuBox->count());
    for (int i = 0; i < m_dokuBox->count(); ++i)
        navne.append(m_dokuBox->item(i)->text());
    if (!navne.isEmpty())
        m_dokuBox->setCurrentRow(0);
    if (m_tekstform)
        m_tekstform->loadTekst(navne, m_Mappe, valgtDato(),
                               m_opstartValg ? m_opstartValg->valg() : Kalender::Opstart::Foerste);
}

void KalenderSide::visTekstform()
{
    if (!m_tekstform)
        return;
    m_tekstform->show();
    m_tekstform->raise();
}

void KalenderSide::FormShow()
{
    const QDate idag = m_localTime.now().date();
    m_datoLabel->setText(QStringLiteral("I dag: ") + Kalender::kortDato(idag));
    vaelgDato(idag, true);
    setMappe(false);
    skrivFelter();
}

QCalendarWidget *KalenderSide::kalender()
{
    if (m_kalender)
        return m_kalender;
    m_kalender = new QCalendarWidget(m_kalenderPlads);
    m_kalender->setAccessibleName(QStringLiteral("Kalender"));
    // Danish month and weekday names, whatever the system's language.
    m_kalender->setLocale(QLocale(QLocale::Danish, QLocale::Denmark));
    m_kalender->setFirstDayOfWeek(Qt::Monday);
    // The page is narrow: the weekday names need the room of the week numbers.
    m_kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalender->setGridVisible(true);
    // The calendar's own parts, for a screen reader.
    for (auto [del, navn] : {std::pair{"qt_calendar_calendarview", "Kalender"},
                             std::pair{"qt_calendar_prevmonth", "Foregående måned"},
                             std::pair{"qt_calendar_nextmonth", "Næste måned"}})
        if (auto *w = m_kalender->findChild<QWidget *>(QString::fromLatin1(del)))
            w->setAccessibleName(QString::fromUtf8(navn));
    m_kalender->setSelectedDate(m_dato);
    m_kalenderPlads->layout()->addWidget(m_kalender);
    // Tab reaches it where it stands on the page, after the date fields.
    setTabOrder(m_opdaterKnap, m_kalender);
    connect(m_kalender, &QCalendarWidget::selectionChanged, this, &KalenderSide::kalenderChange);
    connect(m_kalender, &QCalendarWidget::clicked, this, [this] { setMappe(true); });
    return m_kalender;
}

QDate KalenderSide::valgtDato() const
{
    return m_kalender ? m_kalender->selectedDate() : m_dato;
}

void KalenderSide::vaelgDato(QDate dato, bool stille)
{
    if (m_kalender) {
        const QSignalBlocker blocker(stille ? m_kalender : nullptr);
        m_kalender->setSelectedDate(dato);
        return;
    }
    if (!dato.isValid() || dato == m_dato)
        return;
    m_dato = dato;
    if (!stille)
        kalenderChange();
}

void KalenderSide::showEvent(QShowEvent *event)
{
    kalender();
    QWidget::showEvent(event);
}

void KalenderSide::kalenderChange()
{
    setMappe(true);
    skrivFelter();
}

void KalenderSide::skrivFelter()
{
    const QDate dato = valgtDato();
    m_dayEdit->setText(QString::number(dato.day()));
    m_monthEdit->setText(QString::number(dato.month()));
    m_yearEdit->setText(QString::number(dato.year()));
}

void KalenderSide::opdaterKnapClick()
{
    for (QLineEdit *felt : {m_dayEdit, m_monthEdit, m_yearEdit})
        felt->setText(QString::number(Pf.EditInteger(felt->text())));
    // Each field alone, read just before it is applied: a change rewrites all three.
    vaelgDato(Kalender::medDag(valgtDato(), m_dayEdit->text().toInt()));
    vaelgDato(Kalender::medMaaned(valgtDato(), m_monthEdit->text().toInt()));
    vaelgDato(Kalender::medAar(valgtDato(), m_yearEdit->text().toInt()));
}

void KalenderSide::navnKnap(const QString &navn)
{
    const QString nu = m_kEdit->text();
    m_kEdit->setText(nu.isEmpty() ? navn : nu + QLatin1Char(' ') + navn);
}

void KalenderSide::NyMappeKnapClick()
{
    if (!QDir().mkpath(m_Mappe) || !QFileInfo(m_Mappe).isDir()) {
        m_messages.information(QStringLiteral(" Mappen kunne ikke oprettes: \r ") + m_Mappe);
        return;
    }
    m_NyMappeKnap->setEnabled(false);
}

void KalenderSide::NyKnapKClick()
{
    if (m_kTekst->isModified() && !(m_spoerg && m_spoerg(QString(), TspmForm::TekstIkkeGemt)))
        return;
    m_kEdit->clear();
    m_kTekst->clear();
    m_kTekst->setModified(false);
    m_Filnavn.clear();
}

void KalenderSide::dokuBoxOpen()
{
    const QListWidgetItem *valgt = m_dokuBox->currentItem();
    if (!valgt)
        return;
    m_Filnavn = Kalender::dokumentSti(m_Mappe, valgt->text());
    if (!QFileInfo(m_Filnavn).isFile()) {
        m_messages.information(QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    if (!m_kTekst->loadFromFile(m_Filnavn)) {
        m_messages.information(QStringLiteral(" Filen kunne ikke læses: \r ") + m_Filnavn);
        return;
    }
    m_kEdit->setText(valgt->text());
    m_kTekst->setModified(false);
}

void KalenderSide::aGemRtfExecute()
{
    const std::optional<QString> fejl = Kalender::gemFejl(
        m_Mappe, QFileInfo(m_Mappe).isDir(), m_kEdit->text(), m_kTekst->document()->isEmpty());
    if (fejl) {
        m_messages.information(*fejl);
        return;
    }
    const Kalender::Dokumentnavn navn = Kalender::dokumentNavn(m_kEdit->text());
    if (!navn.fejl.isEmpty()) {
        m_messages.information(navn.fejl);
        return;
    }
    const QString sti = Kalender::dokumentSti(m_Mappe, navn.navn);
    if (QFileInfo::exists(sti) && !(m_spoerg && m_spoerg(navn.navn, TspmForm::FilFindes)))
        return;
    if (!m_kTekst->saveToFile(sti)) {
        m_messages.information(QStringLiteral(" Dokumentet kunne ikke gemmes: \r ") + sti);
        return;
    }
    m_Filnavn = sti;
    loadRtfFiler();
    m_kTekst->setModified(false);
}

void KalenderSide::aSletRtfExecute()
{
    const QListWidgetItem *valgt = m_dokuBox->currentItem();
    if (!valgt)
        return;
    const QString sti = Kalender::dokumentSti(m_Mappe, valgt->text());
    if (!QFileInfo(sti).isFile()) {
        m_messages.information(QStringLiteral(" Filen blev ikke fundet."));
        return;
    }
    if (!sletFil(sti, true)) {
        m_messages.information(QStringLiteral(
            " Dokumentet kunne ikke flyttes til papirkurven. \r Det er ikke slettet. "));
        return;
    }
    delete m_dokuBox->takeItem(m_dokuBox->row(valgt));
}

bool KalenderSide::sletFil(const QString &aFilename, bool toPapirkurv)
{
    const QString sti = QFileInfo(aFilename).absoluteFilePath();
    return toPapirkurv ? Papirkurv::flyt(sti) : QFile::remove(sti);
}

void KalenderSide::opdaterSlet()
{
    m_aSletRtf->setEnabled(!m_dokuBox->selectedItems().isEmpty());
}

void KalenderSide::hentIndstillinger(const Indstillinger &indstillinger)
{
    m_vaerktoej->hentIndstillinger(indstillinger);
}

void KalenderSide::gemIndstillinger(Indstillinger &indstillinger) const
{
    m_vaerktoej->gemIndstillinger(indstillinger);
}
