#include "app/Tmainform.h"

#include "alarms/AlarmFile.h"
#include "alarms/Talarmform.h"
#include "app/ActionIcons.h"
#include "app/ProgramContext.h"
#include "appearance/TColor.h"
#include "appearance/Tegenskabsform.h"
#include "calendar/Ttekstform.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "dialogs/Messages.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"
#include "platform/LocalTime.h"
#include "platform/SoundPlayer.h"
#include "platform/TaskbarButtons.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int kDigitalHoejde = 49;

} // namespace

Tmainform::Tmainform(ProgramContext &context)
    : m_context(context),
      m_folders(DataFolders(context.programDir,
                            DataFolders::GetUserFromWindows(*context.platform.userName))),
      m_dagensAlarmer(m_folders.alarmDir, *context.platform.localTime)
{
    setWindowTitle(QStringLiteral("Ur"));
    setWindowIcon(ActionIcons::rundtUr());
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowPalette.color(QPalette::Button));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    resize(380, 427);

    m_Ur = new TUr(*context.platform.localTime, this);
    m_StopUr = new TStopUr(*context.platform.localTime, this);
    QFont digitalFont(QStringLiteral("Tahoma"));
    digitalFont.setPixelSize(32);
    m_StopUr->setFont(digitalFont);
    m_StopUr->SetColor(clBtnFace);
    m_StopUr->SetFeltFarve(clBtnFace);
    m_StopUr->GrundRamme().SetBredde(0);
    m_StopUr->GrundRamme().SetArt(rtIngen);
    m_StopUr->hide();
    for (QWidget *clock : {static_cast<QWidget *>(m_Ur), static_cast<QWidget *>(m_StopUr)}) {
        clock->setGeometry(rect());
        clock->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(clock, &QWidget::customContextMenuRequested, this,
                [this, clock](const QPoint &at) { m_PopupMenu->popup(clock->mapToGlobal(at)); });
        clock->installEventFilter(this);
    }

    buildActions();
    buildPopupMenu();
    buildTrayIcon();
    (new TaskbarButtons(*this))->setActions({aEgenskaber, aForm, aUr, aLuk});

    alarmTimer = new QTimer(this);
    connect(alarmTimer, &QTimer::timeout, this, &Tmainform::alarmTimerTimer);
    // The firing of an alarm lasts as long as its sound.
    connect(context.platform.soundPlayer, &SoundPlayer::finished, this,
            [this] { m_dagensAlarmer.setFiring(false); });

    SetDefaultColors();
    SetDefaultDimensioner();
    SetTransparent(false);
    m_opstart = true;
    oldHeight = height();
}

QAction *Tmainform::makeAction(const QString &caption, const QString &hint, const QIcon &icon,
                               const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(icon, caption, this);
    action->setStatusTip(hint);
    action->setToolTip(hint);
    action->setShortcuts(shortcuts);
    // The clock's shortcuts work from every window of the program.
    action->setShortcutContext(Qt::ApplicationShortcut);
    addAction(action);
    return action;
}

void Tmainform::buildActions()
{
    aLuk = makeAction(QStringLiteral("Luk uret"), QStringLiteral("Luk programmet: Ctrl+Q"),
                      ActionIcons::luk(), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(aLuk, &QAction::triggered, this, &QWidget::close);

    aForm = makeAction(QStringLiteral("Skjul formboks"),
                       QStringLiteral("Vis eller skjul formboks: Ctrl+F"), ActionIcons::form(),
                       {QKeySequence(Qt::CTRL | Qt::Key_F)});
    connect(aForm, &QAction::triggered, this, [this] { SetTransparent(!m_gennemsigtig); });

    aUr = makeAction(QStringLiteral("Vis digitalur"),
                     QStringLiteral("Vis ur eller digitalur: Ctrl+U"), ActionIcons::ur(),
                     {QKeySequence(Qt::CTRL | Qt::Key_U)});
    connect(aUr, &QAction::triggered, this, [this] { setUrtype(!m_Ur->isHidden()); });

    aEgenskaber = makeAction(QStringLiteral("Egenskaber..."),
                             QStringLiteral("Bestem urets egenskaber: Ctrl+E"),
                             ActionIcons::egenskaber(), {QKeySequence(Qt::CTRL | Qt::Key_E)});
    connect(aEgenskaber, &QAction::triggered, this, [this] { visEgenskaber(-1); });

    aRundtUr = makeAction(QStringLiteral("Rundt ur"),
                          QStringLiteral("Sæt eller fjern egenskaben rundt ur: Ctrl+R"),
                          ActionIcons::rundtUr(), {QKeySequence(Qt::CTRL | Qt::Key_R)});
    aRundtUr->setCheckable(true);
    connect(aRundtUr, &QAction::triggered, this, &Tmainform::aRundtUrExecute);

    aStandardFarver =
        makeAction(QStringLiteral("Standard farver"),
                   QStringLiteral("Sæt farverne til de oprindelige farver: Ctrl+S"),
                   ActionIcons::standardFarver(), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(aStandardFarver, &QAction::triggered, this, &Tmainform::SetDefaultColors);

    aStandardDim =
        makeAction(QStringLiteral("Standard"),
                   QStringLiteral("Sæt dimensionerne til de oprindelige dimensioner"), QIcon());
    connect(aStandardDim, &QAction::triggered, this, &Tmainform::SetDefaultDimensioner);

    aPlayLydfil = makeAction(QStringLiteral("Afspil"), QStringLiteral("Afspil lydfil som test"),
                             ActionIcons::afspil());
    aPlayLydfil->setEnabled(false);

    aInformation = makeAction(
        QStringLiteral("Information..."), QStringLiteral("Program information: F1 eller Ctrl+I"),
        ActionIcons::information(), {QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_I)});
    connect(aInformation, &QAction::triggered, this, [this] { info(QStringLiteral("Klokkeven")); });

    aOpdaterAlarmer =
        makeAction(QStringLiteral("Opdater alarmer"),
                   QStringLiteral("En ny dag ved midnat: Opfrisk dagens alarmer: Ctrl+O"),
                   ActionIcons::opdaterAlarmer(), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    connect(aOpdaterAlarmer, &QAction::triggered, this, &Tmainform::hentAlarmer);

    minimerProgram =
        makeAction(QStringLiteral("Minimer"), QStringLiteral("Minimer uret til systembakken"),
                   ActionIcons::minimer(), {QKeySequence(Qt::CTRL | Qt::Key_M)});
    connect(minimerProgram, &QAction::triggered, this, [this] {
        // Only a window in its normal state goes to the tray.
        if (windowState() == Qt::WindowNoState)
            ApplicationEventsMinimize();
    });
}

void Tmainform::buildPopupMenu()
{
    m_PopupMenu = new QMenu(this);
    m_PopupMenu->setToolTipsVisible(true);

    QMenu *alarmer = m_PopupMenu->addMenu(QStringLiteral("Alarmer"));
    alarmer->setToolTipsVisible(true);
    mAktiveAlarmer = alarmer->addAction(QStringLiteral("0 aktive alarmer"));
    mAktiveAlarmer->setToolTip(QStringLiteral("Vis alarmliste"));
    connect(mAktiveAlarmer, &QAction::triggered, this, [this] { visEgenskaber(2); });
    alarmer->addSeparator();
    mInsertAlarm = alarmer->addAction(QStringLiteral("Ny alarm..."));
    mInsertAlarm->setToolTip(QStringLiteral("Indfør ny alarm..."));
    connect(mInsertAlarm, &QAction::triggered, this, [this] { visEgenskaber(3); });
    mSeAlarmer = alarmer->addAction(QStringLiteral("Se alarmer..."));
    mSeAlarmer->setToolTip(QStringLiteral("Se aktive eller eksisterende alarmer"));
    connect(mSeAlarmer, &QAction::triggered, this, [this] { visEgenskaber(2); });
    alarmer->addSeparator();
    alarmer->addAction(aOpdaterAlarmer);

    m_PopupMenu->addSeparator();
    QMenu *designs = m_PopupMenu->addMenu(QStringLiteral("Ur designs"));
    for (const char *name : {"Normalur", "Gennemsigtigt ur", "Øjet", "Bananen", "Blomsten",
                             "Luppen", "Solen", "Æblet"})
        mUr.append(designs->addAction(QString::fromUtf8(name)));
    // The designs are chosen on the properties window's clock page.
    for (QAction *design : std::as_const(mUr))
        connect(design, &QAction::triggered, this, [this] { visEgenskaber(0); });
    m_PopupMenu->addAction(aRundtUr);
    m_PopupMenu->addAction(aEgenskaber);
    m_PopupMenu->addSeparator();
    m_PopupMenu->addAction(aForm);
    m_PopupMenu->addAction(aUr);
    m_PopupMenu->addAction(minimerProgram);
    m_PopupMenu->addSeparator();
    m_PopupMenu->addAction(aInformation);
    m_PopupMenu->addAction(aLuk);
}

void Tmainform::buildTrayIcon()
{
    m_TrayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_TrayIcon->setToolTip(QStringLiteral("Klokkeven med alarmer"));
    // The tray's menu offers what the taskbar buttons offer on Windows.
    auto *trayMenu = new QMenu(this);
    trayMenu->addActions({aEgenskaber, aForm, aUr, aLuk});
    m_TrayIcon->setContextMenu(trayMenu);
    connect(m_TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    TrayIconClick();
            });
}

void Tmainform::SetDefaultColors()
{
    m_Ur->SetColorBaggrund(clBtnFace);
    m_Ur->SetColorYdre(0xC0C0C0);
    m_Ur->SetColorIndre(0xFFFFFF);
    m_Ur->SetColorSkive(0xFFFFFF);
    m_Ur->SetColorTegn(0x000000);
    m_Ur->SetColorViserT(0x808080);
    m_Ur->SetColorViserM(0x808080);
    m_Ur->SetColorViserS(0xA4A0A0);
    planlaegMaske();
}

void Tmainform::SetDefaultDimensioner()
{
    m_Ur->SetMellemrum(10);
    m_Ur->SetUrAfstand(1);
    m_Ur->SetTegnBredde(16);
    m_Ur->SetTegnTykkelse(2);
    m_Ur->SetViserTime(6);
    m_Ur->SetViserMin(4);
    m_Ur->SetViserSek(3);
    planlaegMaske();
}

void Tmainform::setUrtype(bool visStopUr)
{
    if (visStopUr) {
        aUr->setText(QStringLiteral("Vis ur"));
        if (!m_Ur->isHidden())
            oldHeight = height();
        m_Ur->Stop();
        m_Ur->hide();
        if (!alarmOn)
            m_StopUr->Start();
        m_StopUr->show();
        resize(width(), kDigitalHoejde);
    } else {
        aUr->setText(QStringLiteral("Vis digitalur"));
        resize(width(), oldHeight);
        if (!alarmOn)
            m_StopUr->Stop();
        m_StopUr->hide();
        m_Ur->Start();
        m_Ur->show();
    }
    planlaegMaske();
}

void Tmainform::SetTransparent(bool gennemsigtig)
{
    m_gennemsigtig = gennemsigtig;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, gennemsigtig);
    // Smoothed letters would blend into the key colour and show as a fringe
    // on the desktop; see-through, the digits are drawn crisp.
    QFont digitalFont = m_StopUr->font();
    digitalFont.setStyleStrategy(gennemsigtig ? QFont::NoAntialias : QFont::PreferDefault);
    m_StopUr->setFont(digitalFont);
    aForm->setText(gennemsigtig ? QStringLiteral("Vis formboks")
                                : QStringLiteral("Skjul formboks"));
    if (m_Ur->isHidden())
        resize(width(), kDigitalHoejde);
    else if (rundtUr)
        resize(width(), width());
    // Changing the frame hides the window; bring it back as it was.
    if (wasVisible)
        show();
    updateSeeThroughMask();
}

void Tmainform::aRundtUrExecute()
{
    rundtUr = !rundtUr;
    aRundtUr->setChecked(rundtUr);
    if (rundtUr)
        resize(width(), width());
}

void Tmainform::updateSeeThroughMask()
{
    if (!m_gennemsigtig) {
        clearMask();
        return;
    }
    // Every pixel painted in the window colour lets the desktop through. The
    // clock draws without antialiasing, so its edges hold no blend of the key
    // colour that could show as a fringe.
    if (m_grabber)
        return;
    m_grabber = true;
    const QImage picture = grab().toImage();
    m_grabber = false;
    const QColor key = palette().color(QPalette::Window);
    // The mask image marks the key colour's pixels; as a bitmap they are the
    // cleared ones, so the region holds everything else.
    const QRegion shown(
        QBitmap::fromImage(picture.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    if (shown != mask())
        setMask(shown);
}

bool Tmainform::eventFilter(QObject *watched, QEvent *event)
{
    // A see-through window follows what the clock paints (the digital
    // field's text changes).
    if (event->type() == QEvent::Paint && (watched == m_Ur || watched == m_StopUr))
        planlaegMaske();
    return QWidget::eventFilter(watched, event);
}

void Tmainform::planlaegMaske()
{
    // Queued and made once per burst of changes; the paints of the refresh
    // itself are left alone.
    if (!m_gennemsigtig || m_grabber || m_maskePlanlagt)
        return;
    m_maskePlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        m_maskePlanlagt = false;
        updateSeeThroughMask();
    });
}

void Tmainform::info(const QString &)
{
    if (Tinfoform *infoform = m_context.vinduer.infoform) {
        infoform->show();
        infoform->raise();
    }
}

void Tmainform::visEgenskaber(int side)
{
    Tegenskabsform *egenskabsform = m_context.vinduer.egenskabsform;
    if (!egenskabsform)
        return;
    if (side >= 0 && side < egenskabsform->egenskabsBog()->count())
        egenskabsform->egenskabsBog()->setCurrentIndex(side);
    egenskabsform->show();
    egenskabsform->raise();
    egenskabsform->activateWindow();
}

void Tmainform::ApplicationEventsMinimize()
{
    const Vinduer &v = m_context.vinduer;
    for (QWidget *window :
         {static_cast<QWidget *>(v.egenskabsform), static_cast<QWidget *>(v.infoform),
          static_cast<QWidget *>(v.alarmform)})
        if (window && window->isVisible())
            window->close();

    // Without a tray the window minimises as any window does, so it can
    // always be brought back from the taskbar.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!isMinimized())
            showMinimized();
        return;
    }
    hide();
    setWindowState(windowState() | Qt::WindowMinimized);
    m_TrayIcon->show();
}

void Tmainform::TrayIconClick()
{
    m_TrayIcon->hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Tmainform::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible() &&
        QSystemTrayIcon::isSystemTrayAvailable())
        // Queued: hiding a window inside its own state change confuses some window managers.
        QTimer::singleShot(0, this, &Tmainform::ApplicationEventsMinimize);
}

void Tmainform::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_Ur->setGeometry(rect());
    m_StopUr->setGeometry(rect());
    planlaegMaske();
}

void Tmainform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    aForm->setEnabled(true);
    if (m_opstart)
        FormShow();
}

void Tmainform::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    aForm->setEnabled(false);
}

void Tmainform::FormShow()
{
    m_opstart = false;
    hentAlarmer();
}

void Tmainform::hentAlarmer()
{
    const QStringList skipped = m_dagensAlarmer.hentAlarmer();
    armAlarmTimer();
    udskrivAlarmer();
    mAktiveAlarmer->setText(m_dagensAlarmer.caption());
    reportSkipped(skipped);
}

void Tmainform::alarmTimerTimer()
{
    const DagensAlarmer::Tick tick = m_dagensAlarmer.alarmTimerTimer();
    if (tick.fire)
        playAlarm(*tick.fire);
    if (tick.fire || tick.reloaded) {
        udskrivAlarmer();
        mAktiveAlarmer->setText(m_dagensAlarmer.caption());
    }
    armAlarmTimer();
    reportSkipped(tick.skipped);
}

void Tmainform::armAlarmTimer()
{
    if (m_dagensAlarmer.index() >= 0) {
        alarmTimer->start(1000);
        return;
    }
    // Nothing is due today: look in at the start of each minute, so that a
    // new day's alarms load soon after midnight, also after the machine slept.
    const QTime nu = m_context.platform.localTime->now().time();
    alarmTimer->start(60000 - (nu.second() * 1000 + nu.msec()) + 50);
}

void Tmainform::reportSkipped(const QStringList &skipped)
{
    // Told after the handler has finished, so that a message box never
    // holds up the alarm check that found the file.
    for (const QString &path : skipped) {
        const QString text = QStringLiteral("Alarmfilen %1 kan ikke læses og er sprunget over.\r%2")
                                 .arg(QFileInfo(path).fileName(), m_dagensAlarmer.skipReason(path));
        QTimer::singleShot(0, this, [this, text] { m_context.messages->information(text); });
    }
}

void Tmainform::playAlarm(const TAlarmRecord &E)
{
    m_dagensAlarmer.setFiring(true);
    const Vinduer &v = m_context.vinduer;
    const QString lyd = v.egenskabsform ? v.egenskabsform->lydfilSti(E.alarmfil) : QString();
    const bool vist = v.alarmform && v.alarmform->showAlarm(E.overskrift, E.tekstfilnavn);
    if (E.alarmtype == 1)
        AlarmFile::sletAlarm(E, m_folders.alarmDir, m_folders.alarmTekster);
    if (vist && !lyd.isEmpty() && E.gentagelse > 0)
        m_context.platform.soundPlayer->play(lyd, E.gentagelse, true);
    else
        m_dagensAlarmer.setFiring(false);
}

void Tmainform::udskrivAlarmer()
{
    Q_EMIT dagensAlarmerAendret();
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    FormClose();
    event->accept();
    m_TrayIcon->hide();
    Q_EMIT lukket();
}

void Tmainform::FormCloseQuery()
{
    m_Ur->Stop();
    m_StopUr->Stop();
}

void Tmainform::FormClose()
{
    const Vinduer &vinduer = m_context.vinduer;
    if (vinduer.infoform)
        vinduer.infoform->gemOpt();
    if (vinduer.urlform)
        vinduer.urlform->gemOpt();
    if (vinduer.tekstform)
        vinduer.tekstform->gemOpt();
    if (vinduer.alarmform)
        vinduer.alarmform->gemOpt();
}
