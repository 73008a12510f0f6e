#include "appearance/Tegenskabsform.h"

#include "app/DataFolders.h"
#include "app/ProgramContext.h"
#include "app/Tmainform.h"
#include "platform/DataLocation.h"
#include "platform/SoundPlayer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kFuldLydstyrke = 28;

QLabel *fedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

Tegenskabsform::Tegenskabsform(ProgramContext &context) : m_context(context)
{
    setWindowTitle(QStringLiteral("Klokkeven"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(665, 419);

    m_egenskabsBog = new QTabWidget(this);
    m_egenskabsBog->addTab(new QWidget, QStringLiteral("Ur"));
    m_egenskabsBog->addTab(buildNedtaellingSide(), QStringLiteral("Nedtællingsalarm"));
    m_egenskabsBog->addTab(new QWidget, QStringLiteral("Alarmer"));
    m_egenskabsBog->addTab(buildNyAlarmSide(), QStringLiteral("Ny alarm"));
    m_egenskabsBog->addTab(new QWidget, QStringLiteral("Kalender"));
    m_egenskabsBog->addTab(new QWidget, QStringLiteral("Egenskaber"));
    m_infoBar = new QStatusBar(this);
    m_infoBar->setFixedHeight(19);
    m_infoBar->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_egenskabsBog);
    layout->addWidget(m_infoBar);

    loadLydfiler();
    setLydstyrke(m_lydBar->value());
}

QWidget *Tegenskabsform::buildNedtaellingSide()
{
    auto *side = new QWidget;
    m_lydfilBox = new QListWidget(side);
    Tmainform *mainform = m_context.vinduer.mainform;
    m_playKnap = new QToolButton(side);
    m_playKnap->setDefaultAction(mainform->aPlayLydfil);
    m_lydBar = new QScrollBar(Qt::Horizontal, side);
    m_lydBar->setRange(0, kFuldLydstyrke);
    m_lydBar->setPageStep(2);
    m_lydBar->setValue(kFuldLydstyrke);

    auto *grid = new QGridLayout(side);
    grid->addWidget(fedLabel(QStringLiteral("Alarmer"), side), 0, 0);
    grid->addWidget(m_lydfilBox, 1, 0, 1, 2);
    grid->addWidget(m_playKnap, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Lydstyrke"), side), 3, 0);
    grid->addWidget(m_lydBar, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    connect(m_lydBar, &QScrollBar::valueChanged, this, &Tegenskabsform::lydBarChange);
    connect(m_lydfilBox, &QListWidget::currentRowChanged, mainform->aPlayLydfil,
            [mainform](int row) { mainform->aPlayLydfil->setEnabled(row > 0); });
    connect(mainform->aPlayLydfil, &QAction::triggered, this,
            [this] { playAlarm(m_lydfilBox->currentRow(), 1, true); });
    connect(m_lydfilBox, &QListWidget::itemDoubleClicked, this,
            [this] { playAlarm(m_lydfilBox->currentRow(), 1, true); });
    return side;
}

QWidget *Tegenskabsform::buildNyAlarmSide()
{
    auto *side = new QWidget;
    m_cbLydfiler = new QComboBox(side);
    m_cbLydfiler->setMaxVisibleItems(14);
    auto *grid = new QGridLayout(side);
    grid->addWidget(fedLabel(QStringLiteral("Alarmlyd"), side), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Lydfil"), side), 1, 0);
    grid->addWidget(m_cbLydfiler, 2, 0);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return side;
}

void Tegenskabsform::loadLydfiler()
{
    m_lydfilBox->clear();
    m_lydfilBox->addItem(QStringLiteral("Ingen alarmlyd"));
    m_cbLydfiler->clear();
    m_lydfiler.clear();

    // A missing sound folder simply leaves "Ingen alarmlyd" alone.
    const QDir lydDir(m_context.vinduer.mainform->folders().LydDir);
    const QFileInfoList filer =
        lydDir.entryInfoList({QStringLiteral("*.wav")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo &fil : filer) {
        m_lydfiler.append(fil.fileName());
        m_lydfilBox->addItem(fil.fileName().chopped(4));
    }
    m_lydfilBox->setCurrentRow(0);
    for (int i = 0; i < m_lydfilBox->count(); ++i)
        m_cbLydfiler->addItem(m_lydfilBox->item(i)->text());
    m_cbLydfiler->setCurrentIndex(0);
}

QString Tegenskabsform::lydfilSti(int aIndex) const
{
    if (aIndex <= 0 || aIndex > m_lydfiler.size())
        return QString();
    return m_context.vinduer.mainform->folders().LydDir + DataLocation::separator() +
           m_lydfiler.at(aIndex - 1);
}

void Tegenskabsform::playAlarm(int aIndex, int aAntal, bool test)
{
    const QString sti = lydfilSti(aIndex);
    if (sti.isEmpty() || !QFileInfo::exists(sti))
        return;
    if (aAntal == 0)
        aAntal = 1;
    // A test play is heard once, however many times the alarm would play.
    m_context.platform.soundPlayer->play(sti, test ? 1 : aAntal, false);
}

void Tegenskabsform::setLydstyrke(int styrke)
{
    m_context.platform.soundPlayer->setVolume(double(styrke) / kFuldLydstyrke);
    const QString hint =
        QStringLiteral("Lydstyrke: %1%").arg(qRound(styrke * 100.0 / kFuldLydstyrke));
    m_lydBar->setToolTip(hint);
    m_lydBar->setStatusTip(hint);
}

void Tegenskabsform::lydBarChange()
{
    setLydstyrke(m_lydBar->value());
}
