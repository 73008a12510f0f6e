#include "alarms/NyAlarmSide.h"

#include "alarms/CifferFelt.h"
#include "alarms/NyAlarmTjek.h"
#include "base/DataFolders.h"
#include "base/Indstillinger.h"
#include "base/LydListe.h"
#include "clock/UrVindue.h"
#include "dialogs/Messages.h"
#include "platform/LocalTime.h"
#include "richtext/FormatVaerktoej.h"
#include "richtext/RichTextEdit.h"
#include "ui/ActionIcons.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/SideLayout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Refuses letters that the description file's code page cannot store.
class AnsiValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        return NyAlarmTjek::kanGemmesAnsi(input) ? Acceptable : Invalid;
    }
};

// A caption over its field; the field is named by the caption.
void feltUnderNavn(QGridLayout *grid, int soejle, const QString &navn, QWidget *felt)
{
    auto *label = new QLabel(navn, felt->parentWidget());
    label->setBuddy(felt);
    felt->setAccessibleName(navn);
    grid->addWidget(label, 0, soejle);
    grid->addWidget(felt, 1, soejle);
}

QPushButton *lilleKnap(const QString &hint, QWidget *parent)
{
    auto *knap = nyKnap<QPushButton>(QString(), hint, parent);
    knap->setFixedSize(23, 22);
    return knap;
}

} // namespace

NyAlarmSide::NyAlarmSide(UrVindue &urVindue, const LydListe &lydListe, SoundPlayer &soundPlayer,
                         const AlarmTjenester &tjenester, QWidget *parent)
    : QWidget(parent), m_urVindue(urVindue), m_lydListe(lydListe), m_soundPlayer(soundPlayer),
      m_tjenester(tjenester)
{
    auto *raekke = new QHBoxLayout(this);

    // Type, date, time, sound and repetitions.
    QVBoxLayout *venstre = kolonne(raekke);
    venstre->addWidget(fedLabel(QStringLiteral("Alarm type"), this));
    m_alarmtypeValg = new QButtonGroup(this);
    auto *typeRaekke = new QHBoxLayout;
    for (const AlarmType type : {AlarmType::Daglig, AlarmType::Dato, AlarmType::Aarlig}) {
        static const char *const navne[] = {"Daglig", "Dato", "Gentaget"};
        auto *knap = new QRadioButton(QString::fromLatin1(navne[int(type)]), this);
        m_alarmtypeValg->addButton(knap, int(type));
        typeRaekke->addWidget(knap);
    }
    venstre->addLayout(typeRaekke);

    venstre->addWidget(fedLabel(QStringLiteral("Dato"), this));
    auto *datoGrid = new QGridLayout;
    m_EditYear = cifferEdit(4, this);
    m_EditMonth = cifferEdit(2, this);
    m_EditDay = cifferEdit(2, this);
    feltUnderNavn(datoGrid, 0, QStringLiteral("År"), m_EditYear);
    feltUnderNavn(datoGrid, 1, QStringLiteral("Måned"), m_EditMonth);
    feltUnderNavn(datoGrid, 2, QStringLiteral("Dag"), m_EditDay);
    m_sbDagsDato = lilleKnap(QStringLiteral("Dags dato og klokken"), this);
    m_sbDagsDato->setIcon(ActionIcons::opdaterAlarmer());
    datoGrid->addWidget(m_sbDagsDato, 1, 3);
    venstre->addLayout(datoGrid);

    venstre->addWidget(fedLabel(QStringLiteral("Klokken"), this));
    auto *klokkeGrid = new QGridLayout;
    m_EditTime = cifferEdit(2, this);
    m_EditMinut = cifferEdit(2, this);
    feltUnderNavn(klokkeGrid, 0, QStringLiteral("Time"), m_EditTime);
    feltUnderNavn(klokkeGrid, 1, QStringLiteral("Minut"), m_EditMinut);
    klokkeGrid->setColumnStretch(2, 1);
    venstre->addLayout(klokkeGrid);

    venstre->addWidget(fedLabel(QStringLiteral("Alarmlyd"), this));
    auto *lydGrid = new QGridLayout;
    m_cbLydfiler = new QComboBox(this);
    m_cbLydfiler->setMaxVisibleItems(14);
    feltUnderNavn(lydGrid, 0, QStringLiteral("Lydfil"), m_cbLydfiler);
    m_sbSide4Play = lilleKnap(QStringLiteral("Test alarmen"), this);
    m_sbSide4Play->setIcon(ActionIcons::afspil());
    lydGrid->addWidget(m_sbSide4Play, 1, 1);
    m_EditGentagelse = new CifferFelt(1, NyAlarmTjek::kGentagelseMaks, 2, this);
    feltUnderNavn(lydGrid, 2, QStringLiteral("Gentagelse"), m_EditGentagelse);
    lydGrid->setColumnStretch(0, 1);
    venstre->addLayout(lydGrid);
    venstre->addStretch(1);

    // Heading, text and the page's buttons; the formatting tools sit beside the text.
    auto *hoejre = new QVBoxLayout;
    raekke->addLayout(hoejre, 2);
    QLabel *overskriftLabel = fedLabel(QStringLiteral("Overskrift"), this);
    m_EditOverskrift = new QLineEdit(this);
    m_EditOverskrift->setMaxLength(NyAlarmTjek::kOverskriftLaengde);
    m_EditOverskrift->setValidator(new AnsiValidator(m_EditOverskrift));
    m_EditOverskrift->setAccessibleName(overskriftLabel->text());
    overskriftLabel->setBuddy(m_EditOverskrift);
    hoejre->addWidget(overskriftLabel);
    hoejre->addWidget(m_EditOverskrift);
    QLabel *tekstLabel = fedLabel(QStringLiteral("Tekst"), this);
    m_alarmMemoNy = new RichTextEdit(this);
    m_alarmMemoNy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_alarmMemoNy->setAccessibleName(tekstLabel->text());
    tekstLabel->setBuddy(m_alarmMemoNy);
    hoejre->addWidget(tekstLabel);
    auto *tekstRaekke = new QHBoxLayout;
    tekstRaekke->addWidget(m_alarmMemoNy, 1);
    m_vaerktoej = new FormatVaerktoej(m_alarmMemoNy, FormatVaerktoej::alarmValg(), this);
    tekstRaekke->addWidget(m_vaerktoej);
    hoejre->addLayout(tekstRaekke, 1);
    auto *knapRaekke = new QHBoxLayout;
    auto *sbInfoalarm = new QPushButton(QStringLiteral("Information"), this);
    sbInfoalarm->setFlat(true);
    setHint(sbInfoalarm, QStringLiteral("Information om oprettelse af nye alarmer"));
    m_sbNyAlarm = new QPushButton(QStringLiteral("Ny"), this);
    setHint(m_sbNyAlarm, QStringLiteral("Begynd en ny alarm"));
    m_sbGemAlarm = new QPushButton(QStringLiteral("Gem"), this);
    setHint(m_sbGemAlarm, QStringLiteral("Gem alarmen med indførte værdier"));
    knapRaekke->addWidget(sbInfoalarm);
    knapRaekke->addStretch(1);
    knapRaekke->addWidget(m_sbNyAlarm);
    knapRaekke->addWidget(m_sbGemAlarm);
    hoejre->addLayout(knapRaekke);

    connect(m_alarmtypeValg, &QButtonGroup::idClicked, this, &NyAlarmSide::alarmtypeValgClick);
    connect(m_sbDagsDato, &QPushButton::clicked, this, &NyAlarmSide::alarmtypeValgClick);
    connect(m_sbSide4Play, &QPushButton::clicked, this, &NyAlarmSide::sbSide4PlayClick);
    connect(sbInfoalarm, &QPushButton::clicked, this,
            [this] { m_urVindue.info(QStringLiteral("Ny alarm")); });
    connect(m_sbNyAlarm, &QPushButton::clicked, this, &NyAlarmSide::sbNyAlarmClick);
    connect(m_sbGemAlarm, &QPushButton::clicked, this, &NyAlarmSide::sbGemAlarmClick);
    for (QLineEdit *felt :
         {m_EditYear, m_EditMonth, m_EditDay, m_EditTime, m_EditMinut, m_EditOverskrift})
        connect(felt, &QLineEdit::textChanged, this, &NyAlarmSide::aendret);
    connect(m_EditGentagelse, &CifferFelt::tekstAendret, this, [this] {
        aendret();
        const std::optional<int> gentagelse = m_EditGentagelse->vaerdi();
        if (gentagelse && *gentagelse >= 1 && *gentagelse <= NyAlarmTjek::kGentagelseMaks)
            m_alarmLydGentagelse = *gentagelse;
    });
    connect(m_alarmMemoNy, &QTextEdit::textChanged, this, &NyAlarmSide::aendret);
    connect(m_cbLydfiler, &QComboBox::activated, this, [this](int index) {
        m_alarmLydIndex = index;
        aendret();
    });

    m_alarmtypeValg->button(int(AlarmType::Daglig))->setChecked(true);
    alarmtypeValgClick();
    m_sbGemAlarm->setEnabled(false);
}

void NyAlarmSide::visLyde(const QStringList &navne)
{
    m_cbLydfiler->clear();
    m_cbLydfiler->addItems(navne);
    m_cbLydfiler->setCurrentIndex(0);
}

AlarmType NyAlarmSide::valgtType() const
{
    return AlarmType(m_alarmtypeValg->checkedId());
}

void NyAlarmSide::aendret()
{
    m_sbGemAlarm->setEnabled(true);
}

void NyAlarmSide::udskrivDato()
{
    const QDate idag = m_tjenester.localTime.now().date();
    m_EditYear->setText(QString::number(idag.year()));
    m_EditMonth->setText(QString::number(idag.month()));
    m_EditDay->setText(QString::number(idag.day()));
}

void NyAlarmSide::udskrivKlokken()
{
    const QTime nu = m_tjenester.localTime.now().time();
    m_EditTime->setText(QString::number(nu.hour()));
    m_EditMinut->setText(QString::number(nu.minute()));
}

void NyAlarmSide::alarmtypeValgClick()
{
    const AlarmType type = valgtType();
    m_EditYear->setEnabled(type == AlarmType::Dato);
    m_EditMonth->setEnabled(type != AlarmType::Daglig);
    m_EditDay->setEnabled(type != AlarmType::Daglig);
    if (type == AlarmType::Daglig) {
        m_EditYear->setText(QStringLiteral("0000"));
        m_EditMonth->setText(QStringLiteral("00"));
        m_EditDay->setText(QStringLiteral("00"));
    } else {
        udskrivDato();
        if (type == AlarmType::Aarlig)
            m_EditYear->setText(QStringLiteral("3016"));
    }
    udskrivKlokken();
    m_sbGemAlarm->setEnabled(true);
}

void NyAlarmSide::sbNyAlarmClick()
{
    m_EditOverskrift->clear();
    m_alarmMemoNy->clear();
    alarmtypeValgClick();
    m_sbGemAlarm->setEnabled(false);
}

void NyAlarmSide::sbSide4PlayClick()
{
    m_lydListe.playAlarm(m_soundPlayer, m_cbLydfiler->currentIndex(),
                         m_EditGentagelse->vaerdi().value_or(1), true);
}

void NyAlarmSide::sbGemAlarmClick()
{
    m_sbGemAlarm->setEnabled(false);
    gemAlarm();
    // The fields the check refills are no change of the user's.
    m_sbGemAlarm->setEnabled(false);
    m_tjenester.hentAlarmer();
}

void NyAlarmSide::gemAlarm()
{
    const AlarmType type = valgtType();
    if (type == AlarmType::Aarlig)
        m_EditYear->setText(QStringLiteral("3016"));
    const NyAlarmFelter felter{type,
                               m_EditYear->text(),
                               m_EditMonth->text(),
                               m_EditDay->text(),
                               m_EditTime->text(),
                               m_EditMinut->text(),
                               m_cbLydfiler->currentIndex(),
                               m_EditGentagelse->tekst(),
                               m_EditOverskrift->text()};
    const NyAlarmTjek::Resultat tjek = NyAlarmTjek::gemAlarm(felter, m_tjenester.folders.alarmDir,
                                                             m_tjenester.folders.alarmTekster);
    if (type == AlarmType::Daglig) {
        m_EditYear->setText(QStringLiteral("0000"));
        m_EditMonth->setText(QStringLiteral("00"));
        m_EditDay->setText(QStringLiteral("00"));
    }
    if (!tjek.alarm) {
        m_tjenester.messages.information(tjek.besked);
        return;
    }
    const TAlarmRecord &alarm = *tjek.alarm;
    if (QFileInfo::exists(alarm.filnavn) &&
        !m_tjenester.spoerg(NyAlarmTjek::overskrivSpoergsmaal(alarm)))
        return;
    if (!AlarmFile::skrivAlarm(alarm, *m_alarmMemoNy->document()))
        m_tjenester.messages.error(
            QStringLiteral("Alarmen kunne ikke gemmes.\rFilen %1 eller %2 kan ikke skrives.")
                .arg(alarm.filnavn, alarm.tekstfilnavn));
}

bool NyAlarmSide::visAlarm(const TAlarmRecord &E, const QString &tekstfil)
{
    // A text that cannot be read leaves the editor as it was.
    if (!m_alarmMemoNy->loadFromFile(tekstfil))
        return false;
    const AlarmType type = E.alarmtype <= AlarmType::Aarlig ? E.alarmtype : AlarmType::Daglig;
    m_alarmtypeValg->button(int(type))->setChecked(true);
    alarmtypeValgClick();
    m_EditYear->setText(E.aarS);
    m_EditMonth->setText(E.maanedS);
    m_EditDay->setText(E.dagS);
    m_EditTime->setText(E.timeS);
    m_EditMinut->setText(E.minutS);
    m_cbLydfiler->setCurrentIndex(E.alarmfil < m_cbLydfiler->count() ? E.alarmfil : -1);
    m_EditGentagelse->setVaerdi(E.gentagelse);
    m_EditOverskrift->setText(E.overskrift);
    m_sbGemAlarm->setEnabled(false);
    return true;
}

void NyAlarmSide::hentIndstillinger(const Indstillinger &indstillinger)
{
    m_alarmLydIndex =
        Indstillingsfil::senkLydIndex(indstillinger.alarmLydIndex, m_cbLydfiler->count());
    m_cbLydfiler->setCurrentIndex(m_alarmLydIndex);
    m_alarmLydGentagelse = indstillinger.alarmLydGentagelse;
    if (m_alarmLydGentagelse >= 1 && m_alarmLydGentagelse <= NyAlarmTjek::kGentagelseMaks)
        m_EditGentagelse->setVaerdi(m_alarmLydGentagelse);
    m_alarmtypeValg->button(int(AlarmType::Daglig))->setChecked(true);
    alarmtypeValgClick();
    m_sbGemAlarm->setEnabled(false);
    m_vaerktoej->hentIndstillinger(indstillinger);
}

void NyAlarmSide::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.alarmLydIndex = m_alarmLydIndex;
    indstillinger.alarmLydGentagelse = m_alarmLydGentagelse;
    m_vaerktoej->gemIndstillinger(indstillinger);
}
