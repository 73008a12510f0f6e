#include "appearance/UrSide.h"

#include "appearance/FarveVaelger.h"
#include "appearance/OpNedFelt.h"
#include "appearance/Tgemhentform.h"
#include "appearance/UrDesignfil.h"
#include "appearance/UrDesigns.h"
#include "base/FarveTekst.h"
#include "clock/TUr.h"
#include "clock/UrVindue.h"
#include "dialogs/Messages.h"
#include "dialogs/TspmForm.h"
#include "ui/Handlingsknap.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/ListeRaekke.h"
#include "ui/SideLayout.h"
#include "ui/WindowGeometry.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The clock's colour and dimension of each pair, in the order of the pairs.
constexpr std::array<TColor UrFarver::*, UrSide::kAntalFarver> kFarver{
    &UrFarver::Baggrund, &UrFarver::Ydre,   &UrFarver::Indre,  &UrFarver::Skive,
    &UrFarver::Tegn,     &UrFarver::ViserT, &UrFarver::ViserM, &UrFarver::ViserS};
constexpr std::array<int UrDimensioner::*, UrSide::kAntalDimensioner> kDimensioner{
    &UrDimensioner::Mellemrum,    &UrDimensioner::UrAfstand, &UrDimensioner::TegnBredde,
    &UrDimensioner::TegnTykkelse, &UrDimensioner::ViserTime, &UrDimensioner::ViserMin,
    &UrDimensioner::ViserSek};

struct DimensionFelt
{
    const char *label;
    int minimum;
    int position;
};
constexpr std::array<DimensionFelt, UrSide::kAntalDimensioner> kDimensionFelter{{
    {"Rammebredde", 0, 10},
    {"Urafstand", 0, 1},
    {"Tegnbredde", 0, 12},
    {"Tegntykkelse", 0, 1},
    {"Timeviser bredde", 1, 5},
    {"Minutviser bredde", 1, 4},
    {"Sekundviser bredde", 1, 3},
}};
constexpr int kDimensionMaks = 100;
constexpr int kPreDefBredde = 200;
// The fewest lines of the design list that stay in sight in any style.
constexpr int kMindsteListeRaekker = 4;

const char *const kFarveLabels[UrSide::kAntalFarver] = {
    "Baggrundsfarve", "Rammefarve",     "Mellemfarve",     "Skivefarve",
    "Stregfarve",     "Timeviserfarve", "Minutviserfarve", "Sekundviserfarve"};

QPushButton *handlingsknap(QAction *handling, QWidget *parent)
{
    auto *knap = new QPushButton(parent);
    bindHandling(knap, handling);
    return knap;
}

// A Wayland client cannot place its own windows: there a stored place is
// left to the compositor and only the size applies.
bool kanPlacereVinduer()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

UrSide::UrSide(UrVindue &urVindue, QWidget *parent) : QWidget(parent), m_urVindue(urVindue)
{
    const UrHandlinger &h = urVindue.handlinger();
    auto *raekke = new QHBoxLayout(this);

    QVBoxLayout *venstre = kolonne(raekke);
    venstre->addWidget(fedLabel(QStringLiteral("Farver"), this));
    auto *farver = new QGridLayout;
    farver->setVerticalSpacing(3);
    for (int i = 0; i < kAntalFarver; ++i) {
        const int nr = i + 1;
        const QString caption = QString::fromLatin1(kFarveLabels[i]);
        m_fLabel[i] = new QLabel(caption, this);
        m_farveBoks[i] = new FarveVaelger(nr <= 4, this);
        m_farveBoks[i]->setAccessibleName(caption);
        m_farveEdit[i] = new QLineEdit(QStringLiteral("#000000"), this);
        m_farveEdit[i]->setAccessibleName(caption);
        m_farveEdit[i]->setFixedWidth(62);
        m_fLabel[i]->setBuddy(m_farveEdit[i]);
        farver->addWidget(m_fLabel[i], i, 0);
        farver->addWidget(m_farveBoks[i], i, 1);
        farver->addWidget(m_farveEdit[i], i, 2);
        connect(m_farveEdit[i], &QLineEdit::textChanged, this, [this, nr] { farveEditChange(nr); });
        connect(m_farveBoks[i], &FarveVaelger::OnSelect, this,
                [this, nr](int index) { farveBoksSelect(nr, index); });
    }
    venstre->addLayout(farver);
    venstre->addStretch(1);
    venstre->addWidget(handlingsknap(h.aStandardFarver, this));
    // The action puts the standard colours into the clock; the fields follow.
    connect(h.aStandardFarver, &QAction::triggered, this, &UrSide::showColors);

    QVBoxLayout *midt = kolonne(raekke);
    midt->addWidget(fedLabel(QStringLiteral("Dimensioner"), this));
    auto *dimensioner = new QGridLayout;
    dimensioner->setVerticalSpacing(3);
    for (int i = 0; i < kAntalDimensioner; ++i) {
        const DimensionFelt &felt = kDimensionFelter[std::size_t(i)];
        const QString caption = QString::fromLatin1(felt.label);
        m_dLabel[i] = new QLabel(caption, this);
        m_dUpDown[i] = new OpNedFelt(felt.minimum, kDimensionMaks, felt.position, this);
        m_dUpDown[i]->edit()->setAccessibleName(caption);
        m_dLabel[i]->setBuddy(m_dUpDown[i]->edit());
        dimensioner->addWidget(m_dLabel[i], i, 0);
        dimensioner->addWidget(m_dUpDown[i], i, 1);
    }
    midt->addLayout(dimensioner);
    auto *dimKnapper = new QHBoxLayout;
    dimKnapper->addWidget(handlingsknap(h.aStandardDim, this));
    connect(h.aStandardDim, &QAction::triggered, this, &UrSide::showDimensioner);
    m_dimensionKnap = nyKnap<QPushButton>(QStringLiteral("Gennemfør"),
                                          QStringLiteral("Realiser indførte værdier"), this);
    connect(m_dimensionKnap, &QPushButton::clicked, this, &UrSide::dimensionKnapClick);
    dimKnapper->addWidget(m_dimensionKnap);
    midt->addLayout(dimKnapper);
    midt->addStretch(1);
    midt->addWidget(fedLabel(QStringLiteral("Gem og hent egenskaber"), this));
    m_hentKnap = nyKnap<QPushButton>(QStringLiteral("Hent"),
                                     QStringLiteral("Hent gemte værdier fra fil"), this);
    m_gemSomKnap = nyKnap<QPushButton>(QStringLiteral("Gem som"),
                                       QStringLiteral("Gem indførte værdier som fil"), this);
    m_sletKnap = nyKnap<QPushButton>(
        QStringLiteral("Slet"),
        QStringLiteral("Slet opstarts design og start op med designet, der lukkes med"), this);
    m_gemKnap = nyKnap<QPushButton>(QStringLiteral("Gem som opstartsur"),
                                    QStringLiteral("Gem aktuelle som opstartsdesign"), this);
    auto *gemHent = new QGridLayout;
    gemHent->addWidget(m_hentKnap, 0, 0);
    gemHent->addWidget(m_gemSomKnap, 0, 1);
    gemHent->addWidget(m_sletKnap, 1, 0);
    gemHent->addWidget(m_gemKnap, 1, 1);
    midt->addLayout(gemHent);
    connect(m_hentKnap, &QPushButton::clicked, this, &UrSide::hentKnapClick);
    connect(m_gemSomKnap, &QPushButton::clicked, this, &UrSide::gemSomKnapClick);
    connect(m_gemKnap, &QPushButton::clicked, this, &UrSide::gemKnapClick);
    connect(m_sletKnap, &QPushButton::clicked, this, &UrSide::sletKnapClick);

    QVBoxLayout *hoejre = kolonne(raekke);
    const QString preDefTekst = QStringLiteral("Prædefinerede egenskaber");
    QLabel *preDefLabel = fedLabel(preDefTekst, this);
    hoejre->addWidget(preDefLabel);
    m_ListBox = new QListWidget(this);
    m_ListBox->setAccessibleName(preDefTekst);
    preDefLabel->setBuddy(m_ListBox);
    ListeRaekke::anvend(m_ListBox, ListeRaekke::kPengegroen);
    // All eight lines where the page has room; in a style with taller
    // controls the list gives way and scrolls, so it never covers the menu.
    const int listeRamme = 2 * m_ListBox->frameWidth();
    m_ListBox->setMaximumHeight(kAntalPreDefDesigns * ListeRaekke::kHoejde + listeRamme);
    m_ListBox->setMinimumHeight(kMindsteListeRaekker * ListeRaekke::kHoejde + listeRamme);
    m_ListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_ListBox, &QListWidget::doubleClicked, this, &UrSide::ListBoxDblClick);
    m_ListBox->installEventFilter(this);
    hoejre->addWidget(m_ListBox);
    hoejre->addStretch(1);
    hoejre->addWidget(fedLabel(QStringLiteral("Menu"), this));
    auto *rundtUr = new QCheckBox(this);
    bindHandling(rundtUr, h.aRundtUr);
    hoejre->addWidget(rundtUr);
    // Two buttons a row: one under the other they do not fit below the list.
    auto *menu = new QGridLayout;
    menu->addWidget(handlingsknap(h.aForm, this), 0, 0);
    menu->addWidget(handlingsknap(h.aUr, this), 0, 1);
    m_suStartKnap = new QPushButton(QStringLiteral("Stopur start"), this);
    setHint(m_suStartKnap, QStringLiteral("Start stopuret uden alarm"));
    m_suStopKnap = new QPushButton(QStringLiteral("Stopur stop"), this);
    setHint(m_suStopKnap, QStringLiteral("Stop stopuret uden alarm"));
    menu->addWidget(m_suStartKnap, 1, 0);
    menu->addWidget(m_suStopKnap, 1, 1);
    hoejre->addLayout(menu);
    hoejre->addStretch(1);
    auto *information = new QPushButton(QStringLiteral("Information"), this);
    information->setFlat(true);
    setHint(information, QStringLiteral("Information om at designe uret"));
    connect(information, &QPushButton::clicked, this, &UrSide::sbInfoDesignClick);
    auto *bund = new QHBoxLayout;
    bund->addWidget(information);
    bund->addWidget(handlingsknap(h.aLuk, this));
    hoejre->addLayout(bund);
}

void UrSide::setDesignfiler(const QString &filnavnOpt, const QString &filnavnLook,
                            Messages &messages, Tgemhentform *gemhentform, TspmForm *spmForm)
{
    m_filnavnOpt = filnavnOpt;
    m_filnavnLook = filnavnLook;
    m_messages = &messages;
    m_gemhentform = gemhentform;
    m_spmForm = spmForm;
}

void UrSide::sbInfoDesignClick()
{
    m_urVindue.info(QStringLiteral("Design ur"));
}

void UrSide::besked(const QString &tekst) const
{
    if (m_messages)
        m_messages->information(tekst);
}

void UrSide::showColors()
{
    m_colorVises = true;
    const UrFarver farver = m_urVindue.Ur().Farver();
    for (int i = 0; i < kAntalFarver; ++i) {
        const TColor farve = farver.*kFarver[std::size_t(i)];
        m_farveBoks[i]->setToolColor(0, farve);
        m_farveBoks[i]->SetSelectedColor(m_farveBoks[i]->Tools().at(0).BackGroundColor);
        m_farveEdit[i]->setText(GetColor(farve));
    }
    m_colorVises = false;
}

void UrSide::showDimensioner()
{
    const UrDimensioner dimensioner = m_urVindue.Ur().Dimensioner();
    for (int i = 0; i < kAntalDimensioner; ++i)
        m_dUpDown[i]->setPosition(dimensioner.*kDimensioner[std::size_t(i)]);
}

void UrSide::setNyeDimensioner()
{
    UrDimensioner dimensioner;
    for (int i = 0; i < kAntalDimensioner; ++i)
        dimensioner.*kDimensioner[std::size_t(i)] = m_dUpDown[i]->position();
    m_urVindue.Ur().SetDimensioner(dimensioner);
}

void UrSide::dimensionKnapClick()
{
    setNyeDimensioner();
}

void UrSide::saetUrFarve(int nr, TColor farve)
{
    // An incomplete text (clNone) leaves the part in its last complete colour.
    if (farve == clNone)
        return;
    TUr &ur = m_urVindue.Ur();
    UrFarver farver = ur.Farver();
    farver.*kFarver[std::size_t(nr - 1)] = farve;
    ur.SetFarver(farver);
}

void UrSide::farveEditChange(int nr)
{
    if (m_colorVises)
        return;
    saetUrFarve(nr, ::farveEdit(m_farveEdit[nr - 1], m_farveBoks[nr - 1]));
}

void UrSide::farveBoksSelect(int nr, int index)
{
    saetUrFarve(nr, ::farveBox(m_farveEdit[nr - 1], m_farveBoks[nr - 1], index));
}

void UrSide::skrivFarvefelt(int nr, const QString &tekst)
{
    QLineEdit *felt = m_farveEdit[nr - 1];
    if (felt->text() == tekst)
        farveEditChange(nr);
    else
        felt->setText(tekst);
}

void UrSide::loadUrDesigns()
{
    m_ListBox->clear();
    for (const PreDefDesign &design : preDefDesigns())
        m_ListBox->addItem(design.listeNavn);
}

void UrSide::setEgenskaber(const std::array<QString, kAntalFarver> &farver,
                           const UrDimensioner &dimensioner)
{
    for (int i = 0; i < kAntalDimensioner; ++i)
        m_dUpDown[i]->setPosition(dimensioner.*kDimensioner[std::size_t(i)]);
    setNyeDimensioner();
    for (int i = 0; i < kAntalFarver; ++i)
        skrivFarvefelt(i + 1, farver[std::size_t(i)]);
    QWidget &vindue = m_urVindue.vindue();
    m_urVindue.setRundtUr(true);
    vindue.resize(kPreDefBredde, vindue.height());
    m_urVindue.SetTransparent(true);
    m_urVindue.setRundtUr(false);
}

void UrSide::preDef(int index)
{
    if (m_urVindue.Ur().isHidden())
        m_urVindue.setUrtype(false);
    QWidget &vindue = m_urVindue.vindue();
    if (index >= 0 && index < kAntalPreDefDesigns) {
        const PreDefDesign &design = preDefDesigns()[std::size_t(index)];
        setEgenskaber(design.farver, design.dimensioner);
        switch (design.facon) {
        case UrFacon::Rund:
            m_urVindue.setRundtUr(true);
            break;
        case UrFacon::Bred:
            vindue.resize(vindue.width() + vindue.width() / 2, vindue.height());
            break;
        case UrFacon::Hoej:
            vindue.resize(vindue.width(), vindue.height() * 3);
            break;
        }
    }
    m_urVindue.setOldHeight(vindue.height());
    m_urVindue.setUrtype(false);
}

void UrSide::vaelgPreDef(int index)
{
    preDef(index);
    m_ListBox->setCurrentRow(index);
}

void UrSide::ListBoxDblClick()
{
    const QList<QListWidgetItem *> valgte = m_ListBox->selectedItems();
    if (!valgte.isEmpty())
        preDef(m_ListBox->row(valgte.first()));
}

bool UrSide::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ListBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            ListBoxDblClick();
    }
    return QWidget::eventFilter(watched, event);
}

bool UrSide::gemUrDesign(const QString &path) const
{
    UrDesignTekst design;
    for (int i = 0; i < kAntalFarver; ++i)
        design.farver[std::size_t(i)] = m_farveEdit[i]->text();
    for (int i = 0; i < kAntalDimensioner; ++i)
        design.dimensioner.*kDimensioner[std::size_t(i)] = m_dUpDown[i]->position();
    const QWidget &vindue = m_urVindue.vindue();
    design.form.position = vindue.pos();
    design.form.size = vindue.size();
    design.form.gennemsigtig = m_urVindue.gennemsigtig();
    design.form.rundtUr = m_urVindue.rundtUr();
    design.form.analogVist = !m_urVindue.Ur().isHidden();
    design.form.oldHeight = m_urVindue.oldHeight();
    return UrDesignfil::gem(path, design);
}

void UrSide::hentUrDesign(const QString &path)
{
    const std::optional<QStringList> linjer = UrDesignfil::hent(path);
    if (!linjer)
        return;
    // A number line without a whole number stops the loading at that line,
    // with its message; everything applied before it stays.
    const auto tal = [&](int linjeNr) -> std::optional<int> {
        const QString &linje = linjer->at(linjeNr - 1);
        const std::optional<int> value = UrDesignfil::heltal(linje);
        if (!value && m_messages)
            m_messages->error(UrDesignfil::talFejl(path, linjeNr, linje));
        return value;
    };
    for (int nr = 1; nr <= kAntalFarver; ++nr)
        skrivFarvefelt(nr, linjer->at(kAntalDimensioner + nr - 1));
    for (int nr = 1; nr <= kAntalDimensioner; ++nr) {
        const std::optional<int> position = tal(nr);
        if (!position)
            return;
        m_dUpDown[nr - 1]->setPosition(*position);
    }
    setNyeDimensioner();

    const std::optional<int> rundt = tal(21);
    if (!rundt)
        return;
    m_urVindue.setRundtUr(*rundt != 0);
    const std::optional<int> gennemsigtig = tal(20);
    if (!gennemsigtig)
        return;
    std::array<int, 4> ramme{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = tal(16 + i);
        if (!value)
            return;
        ramme[std::size_t(i)] = *value;
    }
    QWidget &vindue = m_urVindue.vindue();
    const QSize stoerrelse(ramme[2], ramme[3]);
    if (kanPlacereVinduer())
        WindowGeometry::place(vindue, QPoint(ramme[0], ramme[1]), stoerrelse);
    else
        WindowGeometry::resizeOnScreen(vindue, stoerrelse);

    const std::optional<int> analog = tal(22);
    if (!analog)
        return;
    const std::optional<int> oldHeight = tal(23);
    if (!oldHeight)
        return;
    m_urVindue.Ur().setVisible(*analog != 0);
    m_urVindue.setOldHeight(*oldHeight);
    m_urVindue.setUrtype(*analog == 0);
    m_urVindue.SetTransparent(*gennemsigtig != 0);
}

void UrSide::genskabUrDesign()
{
    if (QFile::exists(m_filnavnLook))
        hentUrDesign(m_filnavnLook);
    else if (QFile::exists(m_filnavnOpt))
        hentUrDesign(m_filnavnOpt);
    else
        preDef(0);
}

void UrSide::hentKnapClick()
{
    if (!m_gemhentform)
        return;
    m_gemhentform->setAktion(true);
    if (m_gemhentform->exec() != QDialog::Accepted)
        return;
    const QString filnavn = m_gemhentform->filnavn();
    if (filnavn.isEmpty())
        besked(QStringLiteral("Der mangler et filnavn."));
    else if (!QFile::exists(filnavn))
        besked(QStringLiteral("Filen blev ikke fundet."));
    else
        hentUrDesign(filnavn);
}

void UrSide::gemSomKnapClick()
{
    if (!m_gemhentform)
        return;
    m_gemhentform->setAktion(false);
    if (m_gemhentform->exec() != QDialog::Accepted)
        return;
    const QString filnavn = m_gemhentform->filnavn();
    if (filnavn.isEmpty()) {
        besked(QStringLiteral("Der mangler et filnavn."));
        return;
    }
    if (QFile::exists(filnavn)) {
        if (!m_spmForm)
            return;
        m_spmForm->setSpm(filnavn, TspmForm::UrDesignFindes);
        if (m_spmForm->exec() != TspmForm::Ja)
            return;
    }
    gemUrDesign(filnavn);
}

void UrSide::gemKnapClick()
{
    if (gemUrDesign(m_filnavnLook))
        besked(QStringLiteral(" Programmet starter op med aktuelle ur-design, \r næste gang "
                              "programmet starter op. "));
    else
        besked(QStringLiteral(" Handlingen lykkedes ikke."));
}

void UrSide::sletKnapClick()
{
    if (!QFile::exists(m_filnavnLook))
        besked(QStringLiteral("Filen blev ikke fundet."));
    else if (QFile::remove(m_filnavnLook))
        besked(QStringLiteral("Filen blev slettet."));
    else
        besked(QStringLiteral(" Handlingen lykkedes ikke."));
}
