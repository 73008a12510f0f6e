#include "alarms/Talarmform.h"

#include "alarms/AlarmTilstand.h"
#include "alarms/Alarmvaerk.h"
#include "dialogs/Messages.h"
#include "platform/OutputVolume.h"
#include "platform/SoundPlayer.h"
#include "richtext/RichTextEdit.h"
#include "ui/WindowGeometry.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// A first-line indent of 6 points, in the document's pixels.
constexpr double kFoersteLinjeIndrykning = 6.0 * 96.0 / 72.0;

// Screen readers meet the window as an alert, which they read out as it appears.
QAccessibleInterface *somAlarm(const QString &klasse, QObject *objekt)
{
    if (klasse != QLatin1String("Talarmform") || !objekt || !objekt->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(objekt), QAccessible::AlertMessage);
}

QString venterTekst(qsizetype antal)
{
    return antal == 1 ? QStringLiteral("Der venter 1 alarm mere")
                      : QStringLiteral("Der venter %1 alarmer mere").arg(antal);
}

} // namespace

Talarmform::Talarmform(const QString &optFilnavn, SoundPlayer &soundPlayer,
                       const OutputVolume &outputVolume, Messages &messages, QMenu *popupMenu)
    : optFilnavn(optFilnavn), m_soundPlayer(soundPlayer), m_outputVolume(outputVolume),
      m_messages(messages)
{
    static const bool somAlarmTilmeldt = [] {
        QAccessible::installFactory(somAlarm);
        return true;
    }();
    Q_UNUSED(somAlarmTilmeldt)
    setWindowTitle(QStringLiteral("Ur"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    resize(373, 266);

    m_Memo = new RichTextEdit(this);
    m_Memo->setReadOnly(true);
    m_Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Memo->setAccessibleName(QStringLiteral("Alarmtekst"));

    m_noteLabel = new QLabel(this);
    m_noteLabel->setContentsMargins(6, 3, 6, 3);
    m_noteLabel->hide();

    auto *knapPanel = new QWidget(this);
    knapPanel->setFixedHeight(31);
    m_venterLabel = new QLabel(knapPanel);
    m_venterLabel->hide();
    m_lukKnap = new QPushButton(QStringLiteral("Luk"), knapPanel);
    m_lukKnap->setFixedSize(74, 25);
    auto *bar = new QHBoxLayout(knapPanel);
    bar->setContentsMargins(6, 3, 3, 3);
    bar->addWidget(m_venterLabel);
    bar->addStretch();
    m_udsaetMinutter = new QComboBox(knapPanel);
    for (int minutter : AlarmTilstand::kUdsaetValg)
        m_udsaetMinutter->addItem(QStringLiteral("%1 min.").arg(minutter), minutter);
    m_udsaetMinutter->setAccessibleName(QStringLiteral("Udsæt i minutter"));
    m_udsaetKnap = new QPushButton(QStringLiteral("Udsæt"), knapPanel);
    m_udsaetKnap->setFixedHeight(25);
    m_udsaetKnap->setEnabled(false);
    m_udsaetMinutter->setEnabled(false);
    bar->addWidget(m_udsaetMinutter);
    bar->addWidget(m_udsaetKnap);
    bar->addWidget(m_lukKnap);
    connect(m_udsaetKnap, &QPushButton::clicked, this, &Talarmform::udsaetKnapClick);
    connect(m_lukKnap, &QPushButton::clicked, this, &Talarmform::lukKnapClick);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &Talarmform::lukKnapClick);
    // Closing the window, by "Luk" or otherwise, silences the alarm.
    connect(this, &Talarmform::lukket, &soundPlayer, &SoundPlayer::stop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_noteLabel);
    layout->addWidget(m_Memo);
    layout->addWidget(knapPanel);

    // The main window's pop-up menu serves here too.
    setContextMenuPolicy(Qt::CustomContextMenu);
    m_Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_Memo)})
        connect(area, &QWidget::customContextMenuRequested, this,
                [popupMenu, area](const QPoint &at) { popupMenu->popup(area->mapToGlobal(at)); });

    hentOpt();
}

bool Talarmform::showAlarm(const AlarmVisning &alarm)
{
    QStringList note;
    if (alarm.skulleHaveLydt.isValid())
        note << QStringLiteral("Forsinket: skulle have lydt kl. %1")
                    .arg(alarm.skulleHaveLydt.toString(QStringLiteral("HH:mm")));
    if (const QString lyd = lydNote(); !lyd.isEmpty())
        note << lyd;
    show();
    raise();
    const QString aabenTekst = m_visesAlarm ? m_Memo->toHtml() : QString();
    if (!m_Memo->loadFromFile(alarm.tekstfil)) {
        m_messages.information(
            QStringLiteral(
                " Der er opstået en fejl. \r Der kan være en fil, der ikke blev fundet. "),
            this, [this] {
                if (!m_visesAlarm && isVisible())
                    close();
            });
        return false;
    }
    visNy(alarm.overskrift, aabenTekst, alarm.id, note.join(QStringLiteral(". ")));
    return true;
}

bool Talarmform::showAlarm(const QString &aCaption, const QString &aFilename)
{
    AlarmVisning alarm;
    alarm.overskrift = aCaption;
    alarm.tekstfil = aFilename;
    return showAlarm(alarm);
}

void Talarmform::showAlarmTekst(const QString &aCaption, const QString &html)
{
    show();
    raise();
    const QString aabenTekst = m_visesAlarm ? m_Memo->toHtml() : QString();
    m_Memo->setHtml(html);
    visNy(aCaption, aabenTekst, 0, lydNote());
}

void Talarmform::visNy(const QString &aCaption, const QString &aabenTekst, int id,
                       const QString &note)
{
    if (m_visesAlarm)
        m_venter.append({windowTitle(), aabenTekst, m_id, m_noteLabel->text()});
    m_visesAlarm = true;
    visFront(id, note);
    // The window asks the desktop to bring it forward and to mark it urgent,
    // since it may fire while the clock is in the tray or on another desktop.
    activateWindow();
    QApplication::alert(this);
    visVentende();
    QTextCursor cursor(m_Memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat indent;
    indent.setTextIndent(kFoersteLinjeIndrykning);
    cursor.mergeBlockFormat(indent);
    m_Memo->moveCursor(QTextCursor::Start);
    m_Memo->document()->setModified(false);
    m_lukKnap->setFocus();
    setWindowTitle(aCaption);
    annoncer();
}

void Talarmform::annoncer()
{
    // The heading is the window's name; the text is read as its description.
    setAccessibleDescription(m_Memo->toPlainText());
    QAccessibleEvent alarm(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alarm);
}

void Talarmform::lukKnapClick()
{
    if (m_venter.isEmpty()) {
        setWindowTitle(QStringLiteral("Alarm"));
        m_Memo->clear();
        close();
        return;
    }
    // Only the alarm in front can be sounding: the next one fires after its sound.
    m_soundPlayer.stop();
    const VentendeAlarm forrige = m_venter.takeLast();
    m_Memo->setHtml(forrige.tekst);
    m_Memo->moveCursor(QTextCursor::Start);
    m_Memo->document()->setModified(false);
    m_lukKnap->setFocus();
    setWindowTitle(forrige.caption);
    visFront(forrige.id, forrige.note);
    visVentende();
}

QString Talarmform::lydNote() const
{
    // An alarm that cannot be heard says so rather than stay silent without a
    // word. An output that does not answer is taken to be heard.
    const bool stille = m_soundPlayer.volume() <= 0.0 || m_outputVolume.silent().value_or(false);
    return stille ? QStringLiteral("Lyden er slået fra") : QString();
}

void Talarmform::visFront(int id, const QString &note)
{
    m_id = id;
    m_udsaetKnap->setEnabled(id != 0);
    m_udsaetMinutter->setEnabled(id != 0);
    m_noteLabel->setText(note);
    m_noteLabel->setAccessibleName(note);
    m_noteLabel->setVisible(!note.isEmpty());
}

void Talarmform::setUdsaetMinutter(int minutter)
{
    const int index = m_udsaetMinutter->findData(minutter);
    m_udsaetMinutter->setCurrentIndex(std::max(index, 0));
}

void Talarmform::udsaetKnapClick()
{
    if (m_id == 0)
        return;
    Q_EMIT udsaetOensket(m_id, m_udsaetMinutter->currentData().toInt());
    lukKnapClick();
}

void Talarmform::lukAlarm(int id)
{
    if (id == 0 || !m_visesAlarm)
        return;
    if (id == m_id) {
        lukKnapClick();
        return;
    }
    m_venter.removeIf([id](const VentendeAlarm &alarm) { return alarm.id == id; });
    visVentende();
}

void Talarmform::visVentende()
{
    m_venterLabel->setVisible(!m_venter.isEmpty());
    m_venterLabel->setText(venterTekst(m_venter.size()));
    m_venterLabel->setAccessibleName(m_venterLabel->text());
}

void Talarmform::closeEvent(QCloseEvent *event)
{
    // The user's close box puts away one alarm, as "Luk" does, while others
    // wait; the program's own closing (to the tray, at exit) ends the sitting.
    if (event->spontaneous() && !m_venter.isEmpty()) {
        event->ignore();
        lukKnapClick();
        return;
    }
    QWidget::closeEvent(event);
    m_visesAlarm = false;
    m_venter.clear();
    visVentende();
    Q_EMIT lukket();
}

void Talarmform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn);
}

void Talarmform::hentOpt()
{
    if (!WindowGeometry::restore(*this, optFilnavn))
        WindowGeometry::centreOnScreen(*this);
}
