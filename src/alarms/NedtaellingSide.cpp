#include "alarms/NedtaellingSide.h"

#include "alarms/CifferFelt.h"
#include "alarms/DagensAlarmer.h"
#include "alarms/Talarmform.h"
#include "base/Indstillinger.h"
#include "base/LydListe.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "clock/UrVindue.h"
#include "dialogs/Messages.h"
#include "platform/SoundPlayer.h"
#include "richtext/RichTextEdit.h"
#include "ui/Handlingsknap.h"
#include "ui/Hints.h"
#include "ui/ListeRaekke.h"
#include "ui/SideLayout.h"
#include "ui/VinduesFont.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A caption with its field beside it; the field is named by the caption.
void feltMedNavn(QGridLayout *grid, int raekke, const QString &navn, QWidget *felt)
{
    auto *label = new QLabel(navn, felt->parentWidget());
    label->setBuddy(felt);
    felt->setAccessibleName(navn);
    grid->addWidget(label, raekke, 0);
    grid->addWidget(felt, raekke, 1);
}

} // namespace

NedtaellingSide::NedtaellingSide(UrVindue &urVindue, const LydListe &lydListe,
                                 SoundPlayer &soundPlayer, const AlarmTjenester &tjenester,
                                 QWidget *parent)
    : QWidget(parent), m_urVindue(urVindue), m_lydListe(lydListe), m_soundPlayer(soundPlayer),
      m_tjenester(tjenester)
{
    const UrHandlinger &h = urVindue.handlinger();
    QAction *aPlayLydfil = h.aPlayLydfil;
    auto *raekke = new QHBoxLayout(this);

    // The sound, its repetitions and the volume.
    QVBoxLayout *venstre = kolonne(raekke);
    QLabel *lydLabel = fedLabel(QStringLiteral("Alarmer"), this);
    m_lydfilBox = new QListWidget(this);
    m_lydfilBox->setAccessibleName(lydLabel->text());
    lydLabel->setBuddy(m_lydfilBox);
    ListeRaekke::anvend(m_lydfilBox, ListeRaekke::kPengegroen);
    venstre->addWidget(lydLabel);
    venstre->addWidget(m_lydfilBox, 1);
    auto *antalGrid = new QGridLayout;
    m_antalEdit = new CifferFelt(1, Indstillingsfil::kAlarmAntalMaks, 2, this);
    setHint(m_antalEdit, QStringLiteral("Antal gange som alarmen skal afspilles, når alarmen "
                                        "sættes i gang"));
    feltMedNavn(antalGrid, 0, QStringLiteral("Antal"), m_antalEdit);
    auto *playKnap = new QToolButton(this);
    playKnap->setDefaultAction(aPlayLydfil);
    playKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    antalGrid->addWidget(playKnap, 0, 2);
    venstre->addLayout(antalGrid);
    auto *lydstyrkeLabel = new QLabel(QStringLiteral("Lydstyrke"), this);
    m_lydBar = new QScrollBar(Qt::Horizontal, this);
    m_lydBar->setRange(0, Indstillingsfil::kLydBarMaks);
    m_lydBar->setPageStep(2);
    m_lydBar->setAccessibleName(lydstyrkeLabel->text());
    lydstyrkeLabel->setBuddy(m_lydBar);
    venstre->addWidget(lydstyrkeLabel);
    venstre->addWidget(m_lydBar);
    for (int i = 0; i < 2; ++i) {
        auto *urKnap = new QPushButton(this);
        bindHandling(urKnap, h.aUr);
        venstre->addWidget(urKnap);
    }

    // The span and the text's font.
    QVBoxLayout *midt = kolonne(raekke);
    midt->addWidget(fedLabel(QStringLiteral("Sæt alarm"), this));
    auto *spanGrid = new QGridLayout;
    m_alarmEdit1 = new CifferFelt(0, NedtaellingsAlarm::kTimerMaks, 3, this);
    m_alarmEdit2 = new CifferFelt(0, 59, 2, this);
    m_alarmEdit3 = new CifferFelt(0, 59, 2, this);
    feltMedNavn(spanGrid, 0, QStringLiteral("Timer"), m_alarmEdit1);
    feltMedNavn(spanGrid, 1, QStringLiteral("Minutter"), m_alarmEdit2);
    feltMedNavn(spanGrid, 2, QStringLiteral("Sekunder"), m_alarmEdit3);
    midt->addLayout(spanGrid);
    midt->addWidget(fedLabel(QStringLiteral("Tekst font"), this));
    midt->addWidget(new QLabel(QStringLiteral("Fontnavn"), this));
    auto *navneRaekke = new QHBoxLayout;
    for (const char *navn : {"Courier New", "Lucida Calligraphy", "Arial"}) {
        const QString fontNavn = QString::fromLatin1(navn);
        auto *knap = new QPushButton(fontNavn, this);
        knap->setFlat(true);
        // Each button shows its own font.
        knap->setFont(QFont(fontNavn));
        connect(knap, &QPushButton::clicked, this, [this, fontNavn] { saetFontNavn(fontNavn); });
        navneRaekke->addWidget(knap);
    }
    midt->addLayout(navneRaekke);
    midt->addWidget(new QLabel(QStringLiteral("Font størrelse"), this));
    auto *stoerrelseRaekke = new QHBoxLayout;
    for (const int punkter : {10, 11, 12, 14}) {
        auto *knap = new QPushButton(QString::number(punkter), this);
        knap->setFixedWidth(28);
        setHint(knap, QStringLiteral("Fontstørrelse %1").arg(punkter));
        connect(knap, &QPushButton::clicked, this,
                [this, punkter] { saetFontStoerrelse(punkter); });
        stoerrelseRaekke->addWidget(knap);
    }
    stoerrelseRaekke->addStretch(1);
    midt->addLayout(stoerrelseRaekke);
    midt->addStretch(1);
    auto *sbInfoNalarm = new QPushButton(QStringLiteral("Information"), this);
    sbInfoNalarm->setFlat(true);
    setHint(sbInfoNalarm, QStringLiteral("Information om nedtællingsalarm"));
    connect(sbInfoNalarm, &QPushButton::clicked, this,
            [this] { m_urVindue.info(QStringLiteral("Nedtællingsalarm")); });
    midt->addWidget(sbInfoNalarm);

    // The heading, the text and the start.
    QVBoxLayout *hoejre = kolonne(raekke);
    auto *overskriftLabel = new QLabel(QStringLiteral("Overskrift"), this);
    m_alarmEdit = new QLineEdit(this);
    m_alarmEdit->setAccessibleName(overskriftLabel->text());
    overskriftLabel->setBuddy(m_alarmEdit);
    hoejre->addWidget(overskriftLabel);
    hoejre->addWidget(m_alarmEdit);
    auto *tekstLabel = new QLabel(QStringLiteral("Tekst"), this);
    m_alarmMemo = new RichTextEdit(this);
    m_alarmMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_alarmMemo->setFont(vinduesFont());
    m_alarmMemo->setAccessibleName(tekstLabel->text());
    tekstLabel->setBuddy(m_alarmMemo);
    hoejre->addWidget(tekstLabel);
    hoejre->addWidget(m_alarmMemo, 1);
    m_runVisCheck = new QCheckBox(QStringLiteral("Kør i baggrunden"), this);
    setHint(m_runVisCheck, QStringLiteral("Der vises ikke stopur"));
    m_stopUrCheck = new QCheckBox(QStringLiteral("Tæl op til satte tid"), this);
    setHint(m_stopUrCheck, QStringLiteral("Stopuret tæller op til satte tid og ellers tæller det "
                                          "ned fra satte tid"));
    m_alarmKnap = new QPushButton(QStringLiteral("Start alarm"), this);
    setHint(m_alarmKnap, QStringLiteral("Start alarmen med satte tider"));
    hoejre->addWidget(m_runVisCheck);
    hoejre->addWidget(m_stopUrCheck);
    hoejre->addWidget(m_alarmKnap);

    for (CifferFelt *felt : {m_alarmEdit1, m_alarmEdit2, m_alarmEdit3})
        felt->setVaerdi(0);

    connect(m_lydBar, &QScrollBar::valueChanged, this, &NedtaellingSide::lydBarChange);
    connect(m_lydfilBox, &QListWidget::currentRowChanged, aPlayLydfil,
            [aPlayLydfil](int row) { aPlayLydfil->setEnabled(row > 0); });
    connect(m_lydfilBox, &QListWidget::currentRowChanged, this, &NedtaellingSide::lydfilBoxClick);
    connect(m_lydfilBox, &QListWidget::itemDoubleClicked, this,
            &NedtaellingSide::lydfilBoxDblClick);
    connect(aPlayLydfil, &QAction::triggered, this, &NedtaellingSide::lydfilBoxDblClick);
    connect(m_antalEdit, &CifferFelt::tekstAendret, this, &NedtaellingSide::antalEditChange);
    connect(m_alarmKnap, &QPushButton::clicked, this, &NedtaellingSide::alarmKnapClick);
    TStopUr &stopUr = urVindue.StopUr();
    connect(&stopUr, &TStopUr::OnTid, this, &NedtaellingSide::StopUrTid);
    connect(&stopUr, &TStopUr::OnAlarm, this, &NedtaellingSide::StopUrAlarm);
    // The firing lasts as long as its sound; "Luk" in the alarm window stops it. A
    // countdown that ended while a stored alarm sounded fires when that sound ends.
    connect(&soundPlayer, &SoundPlayer::finished, this, [this] {
        if (m_venter)
            udloes();
        else
            firingSlut();
    });
}

void NedtaellingSide::visLyde(const QStringList &navne)
{
    m_lydfilBox->clear();
    m_lydfilBox->addItems(navne);
    m_lydfilBox->setCurrentRow(0);
}

void NedtaellingSide::setLydstyrke(int styrke)
{
    m_soundPlayer.setVolume(double(styrke) / Indstillingsfil::kLydBarMaks);
    setHint(m_lydBar, QStringLiteral("Lydstyrke: %1%")
                          .arg(qRound(styrke * 100.0 / Indstillingsfil::kLydBarMaks)));
}

void NedtaellingSide::lydBarChange()
{
    setLydstyrke(m_lydBar->value());
}

void NedtaellingSide::lydfilBoxClick()
{
    if (m_lydfilBox->currentRow() >= 0)
        m_alarmIndex = m_lydfilBox->currentRow();
}

void NedtaellingSide::lydfilBoxDblClick()
{
    if (m_lydfilBox->currentRow() >= 0)
        m_lydListe.playAlarm(m_soundPlayer, m_alarmIndex, m_alarmAntal, true);
}

void NedtaellingSide::antalEditChange()
{
    // A field emptied or typed beyond the range keeps the count it had.
    const std::optional<int> antal = m_antalEdit->vaerdi();
    if (antal && *antal >= 1 && *antal <= Indstillingsfil::kAlarmAntalMaks)
        m_alarmAntal = *antal;
}

void NedtaellingSide::saetFontNavn(const QString &navn)
{
    QFont f = m_alarmMemo->font();
    f.setFamily(navn);
    m_alarmMemo->setFont(f);
}

void NedtaellingSide::saetFontStoerrelse(int punkter)
{
    QFont f = m_alarmMemo->font();
    f.setPointSize(punkter);
    m_alarmMemo->setFont(f);
}

void NedtaellingSide::alarmKnapClick()
{
    // The alarm window gets heading and text when the alarm fires: until then it
    // may be showing an alarm of its own.
    m_alarmCaption =
        m_alarmEdit->text().isEmpty() ? QStringLiteral("Alarm information") : m_alarmEdit->text();
    if (m_alarmMemo->toPlainText().isEmpty()) {
        QTextDocument ingen;
        ingen.setDefaultFont(m_alarmMemo->font());
        ingen.setPlainText(QStringLiteral("Ingen information!"));
        m_alarmTekst = ingen.toHtml();
    } else {
        m_alarmTekst = m_alarmMemo->toHtml();
    }

    const bool taelOp = m_stopUrCheck->isChecked();
    const NedtaellingsAlarm::Start start =
        m_alarm.start(m_alarmEdit1->tekst(), m_alarmEdit2->tekst(), m_alarmEdit3->tekst(), taelOp,
                      !m_urVindue.Ur().isHidden());
    if (!start.startet) {
        m_tjenester.messages.information(start.besked);
        return;
    }
    m_venter = false;
    TStopUr &stopUr = m_urVindue.StopUr();
    if (taelOp) {
        stopUr.SetUrType(utStop);
    } else {
        stopUr.SetUrType(utAlarm);
        stopUr.SetTimer(quint16(m_alarm.timer()));
        stopUr.SetMinutter(quint16(m_alarm.minutter()));
        stopUr.SetSekunder(quint16(m_alarm.sekunder()));
    }
    m_urVindue.setAlarmOn(true);
    if (!m_runVisCheck->isChecked())
        m_urVindue.setUrtype(true);
    stopUr.Start();
}

void NedtaellingSide::suStartKnapClick()
{
    m_venter = false;
    m_alarm.stopurStart();
    TStopUr &stopUr = m_urVindue.StopUr();
    stopUr.SetUrType(utStop);
    m_urVindue.setUrtype(true);
    stopUr.Start();
}

void NedtaellingSide::suStopKnapClick()
{
    m_urVindue.StopUr().Stop();
}

void NedtaellingSide::StopUrTid(quint16 T, quint16 M, quint16 S)
{
    if (m_urVindue.StopUr().UrType() == utStop && m_alarm.StopUrTid(T, M, S))
        udloes();
}

void NedtaellingSide::StopUrAlarm()
{
    if (m_alarm.StopUrAlarm())
        udloes();
}

void NedtaellingSide::udloes()
{
    // The field holds the value it fired at while the alarm sounds.
    m_urVindue.StopUr().Stop();
    // One alarm sounds at a time: a stored alarm's sound is not cut off.
    m_venter = m_tjenester.dagensAlarmer.firing();
    if (m_venter)
        return;
    if (m_tjenester.alarmform)
        m_tjenester.alarmform->showAlarmTekst(m_alarmCaption, m_alarmTekst);
    m_lydListe.playAlarm(m_soundPlayer, m_alarmIndex, m_alarmAntal, false);
    if (!m_soundPlayer.isPlaying())
        firingSlut();
}

void NedtaellingSide::firingSlut()
{
    const std::optional<bool> urSynligt = m_alarm.slut();
    if (!urSynligt)
        return;
    TStopUr &stopUr = m_urVindue.StopUr();
    stopUr.SetUrType(utNormal);
    m_urVindue.setAlarmOn(false);
    // The view shown at the start comes back; one that never changed is left as it is,
    // with its height.
    if (m_urVindue.Ur().isHidden() == *urSynligt)
        m_urVindue.setUrtype(!*urSynligt);
    else if (stopUr.isHidden())
        stopUr.Stop();
}

void NedtaellingSide::hentIndstillinger(const Indstillinger &indstillinger)
{
    // A stored sound that the list no longer holds falls back to no sound.
    m_alarmIndex = indstillinger.alarmIndex < m_lydfilBox->count() ? indstillinger.alarmIndex : 0;
    m_lydfilBox->setCurrentRow(m_alarmIndex);
    m_alarmAntal = indstillinger.alarmAntal;
    m_antalEdit->setVaerdi(m_alarmAntal);
    m_lydBar->setValue(indstillinger.lydBar);
    QFont f = m_alarmMemo->font();
    f.setFamily(indstillinger.alarmMemoFontName);
    f.setPointSize(indstillinger.alarmMemoFontSize);
    m_alarmMemo->setFont(f);
    m_stopUrCheck->setChecked(indstillinger.stopUrCheck);
    m_runVisCheck->setChecked(indstillinger.runVisCheck);
}

void NedtaellingSide::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.alarmIndex = m_alarmIndex;
    indstillinger.alarmAntal = m_alarmAntal;
    indstillinger.lydBar = m_lydBar->value();
    indstillinger.alarmMemoFontName = m_alarmMemo->font().family();
    indstillinger.alarmMemoFontSize = m_alarmMemo->font().pointSize();
    indstillinger.stopUrCheck = m_stopUrCheck->isChecked();
    indstillinger.runVisCheck = m_runVisCheck->isChecked();
}
