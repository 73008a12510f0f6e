#include "app/Tegenskabsform.h"

#include "alarms/AlarmOversigtSide.h"
#include "alarms/Alarmvaerk.h"
#include "alarms/NedtaellingSide.h"
#include "alarms/NyAlarmSide.h"
#include "appearance/EgenskaberSide.h"
#include "appearance/UiStil.h"
#include "appearance/UrSide.h"
#include "base/LydListe.h"
#include "calendar/KalenderSide.h"
#include "calendar/OpstartValg.h"
#include "calendar/Ttekstform.h"
#include "clock/UrVindue.h"
#include "launcher/OpstartGenvej.h"
#include "richtext/FormatVaerktoej.h"
#include "ui/Hints.h"
#include "ui/LukMedEscape.h"
#include "ui/VinduesFont.h"
#include "ui/WindowGeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

Tegenskabsform::Tegenskabsform(const QString &filnavnDesign, UrVindue &urVindue,
                               const LydListe &lydListe, SoundPlayer &soundPlayer, Hints &hints,
                               const AlarmTjenester &alarmTjenester,
                               const QString &brugerKalenderMappe)
    : m_filnavnDesign(filnavnDesign), m_urVindue(urVindue), m_lydListe(lydListe),
      m_soundPlayer(soundPlayer)
{
    lukMedEscape(this);
    setWindowTitle(QStringLiteral("Klokkeven"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setFont(vinduesFont());
    setFixedSize(665, 419);

    m_egenskabsBog = new QTabWidget(this);
    m_egenskabsBog->setAccessibleName(QStringLiteral("Egenskaber"));
    // The pages are made in the tab widget's page stack, where addTab puts them:
    // moved there afterwards, every control on them was restyled once more
    // under the UI style's style sheet.
    auto *stak = m_egenskabsBog->findChild<QStackedWidget *>();
    m_urSide = new UrSide(urVindue, stak);
    m_nedtaellingSide = new NedtaellingSide(urVindue, lydListe, soundPlayer, alarmTjenester, stak);
    m_nyAlarmSide = new NyAlarmSide(urVindue, lydListe, soundPlayer, alarmTjenester, stak);
    m_alarmOversigtSide = new AlarmOversigtSide(urVindue, *m_nyAlarmSide, alarmTjenester, stak);
    m_kalenderSide = new KalenderSide(brugerKalenderMappe, alarmTjenester.localTime,
                                      alarmTjenester.messages, stak);
    m_opstartValg = new OpstartValg;
    // The page's middle column holds the calendar's start-up choice and, below
    // it, how late a missed alarm may still sound.
    auto *midt = new QWidget;
    auto *midtLag = new QVBoxLayout(midt);
    midtLag->setContentsMargins(0, 0, 0, 0);
    midtLag->addWidget(m_opstartValg);
    auto *forsinkelseLabel =
        new QLabel(QStringLiteral("Mistede alarmer lyder, når de højst er så mange minutter "
                                  "forsinket (0: aldrig):"),
                   midt);
    forsinkelseLabel->setWordWrap(true);
    m_forsinkelse = new QSpinBox(midt);
    m_forsinkelse->setRange(0, 24 * 60);
    m_forsinkelse->setValue(alarmTjenester.alarmvaerk.forsinkelse());
    m_forsinkelse->setAccessibleName(forsinkelseLabel->text());
    forsinkelseLabel->setBuddy(m_forsinkelse);
    midtLag->addWidget(forsinkelseLabel);
    midtLag->addWidget(m_forsinkelse, 0, Qt::AlignLeft);
    connect(m_forsinkelse, &QSpinBox::valueChanged, &alarmTjenester.alarmvaerk,
            &Alarmvaerk::setForsinkelse);
    m_egenskaberSide = new EgenskaberSide(midt, stak);
    m_dele = {m_nedtaellingSide, m_nyAlarmSide, m_kalenderSide, m_opstartValg};
    m_egenskabsBog->addTab(m_urSide, QStringLiteral("Ur"));
    m_egenskabsBog->addTab(m_nedtaellingSide, QStringLiteral("Nedtællingsalarm"));
    m_egenskabsBog->addTab(m_alarmOversigtSide, QStringLiteral("Alarmer"));
    m_egenskabsBog->addTab(m_nyAlarmSide, QStringLiteral("Ny alarm"));
    m_egenskabsBog->addTab(m_kalenderSide, QStringLiteral("Kalender"));
    m_egenskabsBog->addTab(m_egenskaberSide, QStringLiteral("Egenskaber"));
    m_infoBar = new QStatusBar(this);
    m_infoBar->setAccessibleName(QStringLiteral("Statuslinje"));
    // The bar paints its message itself; a screen reader gets it as the bar's name.
    connect(m_infoBar, &QStatusBar::messageChanged, m_infoBar,
            [bar = m_infoBar](const QString &tekst) {
                bar->setAccessibleName(tekst.isEmpty() ? QStringLiteral("Statuslinje") : tekst);
            });
    m_infoBar->setFixedHeight(19);
    m_infoBar->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_egenskabsBog);
    layout->addWidget(m_infoBar);

    connect(m_egenskabsBog, &QTabWidget::currentChanged, this, &Tegenskabsform::egenskabsBogChange);
    connect(m_egenskaberSide, &EgenskaberSide::gemOensket, this, &Tegenskabsform::optGem);
    connect(m_urSide->suStartKnap(), &QPushButton::clicked, m_nedtaellingSide,
            &NedtaellingSide::suStartKnapClick);
    connect(m_urSide->suStopKnap(), &QPushButton::clicked, m_nedtaellingSide,
            &NedtaellingSide::suStopKnapClick);
    connect(m_alarmOversigtSide, &AlarmOversigtSide::redigeres, this,
            [this] { m_egenskabsBog->setCurrentIndex(int(EgenskabsSide::NyAlarm)); });
    // The alarm editor's style shortcuts work from every tab.
    m_nyAlarmSide->vaerktoej()->genvejeI(this);
    // A standard font kept in either editor is part of the options at once.
    for (FormatVaerktoej *vaerktoej : {m_nyAlarmSide->vaerktoej(), m_kalenderSide->vaerktoej()})
        connect(vaerktoej, &FormatVaerktoej::standardFontAendret, this,
                [this, vaerktoej] { vaerktoej->gemIndstillinger(m_indstillinger); });
    connect(m_kalenderSide, &KalenderSide::statusTekst, this, &Tegenskabsform::HintInfoShow);
    connect(m_kalenderSide, &KalenderSide::lukOensket, this, &QWidget::close);
    connect(m_kalenderSide->vaerktoej(), &FormatVaerktoej::infoOensket, this,
            [this] { m_urVindue.info(QStringLiteral("Kalender")); });
    connect(m_opstartValg, &OpstartValg::previewOensket, this, &Tegenskabsform::previewKnapClick);
    connect(m_egenskaberSide->designBox(), &QComboBox::activated, this,
            &Tegenskabsform::designBoxChange);

    FormCreate(hints);
}

void Tegenskabsform::FormCreate(Hints &hints)
{
    m_opstart = true;
    connect(&hints, &Hints::hint, this, &Tegenskabsform::HintInfo);
    loadLydfiler();
    m_urSide->loadUrDesigns();
    optHent();
    setLydstyrke(m_nedtaellingSide->lydBar()->value());
    loadDesign();
    newDesign();
    vaerktoejOpsaet();
}

void Tegenskabsform::vaerktoejOpsaet()
{
    m_nyAlarmSide->vaerktoej()->opsaet();
    m_kalenderSide->vaerktoej()->opsaet();
}

void Tegenskabsform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_opstart)
        FormShow();
}

void Tegenskabsform::FormShow()
{
    m_opstart = false;
    m_urVindue.SetTransparent(true);
    m_kalenderSide->FormShow();
    m_egenskaberSide->gemButton()->setEnabled(false);
}

void Tegenskabsform::setOpstartGenvej(const OpstartStier &stier, Shell &shell, Messages &messages,
                                      std::function<void(const QString &)> infoVindue)
{
    m_opstartGenvej = new OpstartGenvej(stier, shell, messages, std::move(infoVindue),
                                        m_indstillinger.startProgFilename, this);
    QPushButton *knap = m_egenskaberSide->startProgDoButton();
    connect(knap, &QPushButton::clicked, m_opstartGenvej, &OpstartGenvej::startProgDoButtonClick);
    connect(m_opstartGenvej, &OpstartGenvej::caption, knap, &QPushButton::setText);
    connect(m_opstartGenvej, &OpstartGenvej::trykket, m_egenskaberSide->gemButton(),
            [this] { m_egenskaberSide->gemButton()->setEnabled(true); });
}

void Tegenskabsform::visSide(std::optional<EgenskabsSide> side)
{
    if (side)
        m_egenskabsBog->setCurrentIndex(int(*side));
    show();
    raise();
    activateWindow();
}

void Tegenskabsform::loadLydfiler()
{
    // The main window read the sound folder when it was created.
    const QStringList navne = m_lydListe.navne();
    m_nedtaellingSide->visLyde(navne);
    m_nyAlarmSide->visLyde(navne);
}

void Tegenskabsform::playAlarm(int aIndex, int aAntal, bool test)
{
    m_lydListe.playAlarm(m_soundPlayer, aIndex, aAntal, test);
}

void Tegenskabsform::setLydstyrke(int styrke)
{
    m_nedtaellingSide->setLydstyrke(styrke);
}

bool Tegenskabsform::optGem()
{
    for (const IndstillingsDel *del : m_dele)
        del->gemIndstillinger(m_indstillinger);
    m_indstillinger.side = EgenskabsSide(m_egenskabsBog->currentIndex());
    const QRect ramme = frameGeometry();
    const std::optional<QPoint> foer =
        m_indstillinger.vindue ? std::optional(m_indstillinger.vindue->topLeft()) : std::nullopt;
    m_indstillinger.vindue = QRect(WindowGeometry::topLeftToStore(*this, foer), ramme.size());
    if (m_opstartGenvej)
        m_indstillinger.startProgFilename = m_opstartGenvej->startProgFilename();
    return Indstillingsfil::gem(m_filnavnDesign, m_indstillinger);
}

void Tegenskabsform::optHent()
{
    // Without a file the values the window was built with stay.
    m_firstOpstart = !Indstillingsfil::hent(m_filnavnDesign, m_indstillinger);
    {
        // The stored tab is no visit of the page: the calendar lists at the first showing.
        const QSignalBlocker blocker(m_egenskabsBog);
        m_egenskabsBog->setCurrentIndex(int(m_indstillinger.side));
    }
    for (IndstillingsDel *del : m_dele)
        del->hentIndstillinger(m_indstillinger);
    m_egenskaberSide->startProgDoButton()->setText(
        OpstartGenvej::startCaption(m_indstillinger.startProgFilename));
    if (m_indstillinger.vindue)
        WindowGeometry::place(*this, m_indstillinger.vindue->topLeft(),
                              m_indstillinger.vindue->size());
    else
        WindowGeometry::centreOnScreen(*this);
}

void Tegenskabsform::setDesignfiler(const QString &filnavnOpt, const QString &filnavnLook,
                                    Messages &messages, Tgemhentform *gemhentform,
                                    TspmForm *spmForm)
{
    m_urSide->setDesignfiler(filnavnOpt, filnavnLook, messages, gemhentform, spmForm);
}

void Tegenskabsform::preDef(int index)
{
    m_urSide->preDef(index);
}

void Tegenskabsform::vaelgPreDef(int index)
{
    m_urSide->vaelgPreDef(index);
}

bool Tegenskabsform::gemUrDesign(const QString &path) const
{
    return m_urSide->gemUrDesign(path);
}

void Tegenskabsform::hentUrDesign(const QString &path)
{
    m_urSide->hentUrDesign(path);
}

void Tegenskabsform::genskabUrDesign()
{
    m_urSide->genskabUrDesign();
}

void Tegenskabsform::loadDesign()
{
    QComboBox *box = m_egenskaberSide->designBox();
    box->clear();
    box->addItems(UiStil::navne());
    // A line 1 that names no style (a damaged file) gives the start-up style, so
    // that the file written at close names a style again.
    if (UiStil::fundet(designName()).isEmpty())
        m_indstillinger.designName = Indstillinger().designName;
    box->setCurrentIndex(box->findText(UiStil::fundet(designName())));
}

void Tegenskabsform::newDesign()
{
    QComboBox *box = m_egenskaberSide->designBox();
    const QString valgt = box->currentIndex() >= 0 ? box->currentText() : QString();
    if (valgt.compare(m_indstillinger.designName, Qt::CaseInsensitive) != 0)
        m_indstillinger.designName = valgt;
    // A name the style manager does not offer leaves the style in force.
    UiStil::anvend(m_indstillinger.designName);
}

void Tegenskabsform::designBoxChange()
{
    newDesign();
}

void Tegenskabsform::HintInfo(const QString &hint)
{
    HintInfoShow(hint);
}

void Tegenskabsform::HintInfoShow(const QString &tekst)
{
    m_infoBar->showMessage(tekst);
}

void Tegenskabsform::egenskabsBogChange(int index)
{
    if (index == int(EgenskabsSide::Kalender))
        m_kalenderSide->setMappe(true);
    else
        m_infoBar->clearMessage();
}

void Tegenskabsform::setTekstform(Ttekstform *tekstform)
{
    m_kalenderSide->setTekstform(tekstform, m_opstartValg);
}

bool Tegenskabsform::visTekstformVedStart(Ttekstform &tekstform)
{
    if (!m_opstartValg->opstartCheck()->isChecked())
        return false;
    m_kalenderSide->setMappe(false);
    tekstform.show();
    return true;
}

void Tegenskabsform::previewKnapClick()
{
    m_kalenderSide->loadTekst();
    m_kalenderSide->visTekstform();
}
