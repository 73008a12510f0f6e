#include "app/Tmainform.h"

#include "alarms/AlarmFile.h"
#include "alarms/Talarmform.h"
#include "appearance/UrDesigns.h"
#include "base/TColor.h"
#include "clock/Maske.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "dialogs/Messages.h"
#include "platform/Desktop.h"
#include "platform/LocalTime.h"
#include "platform/SoundPlayer.h"
#include "platform/TaskbarButtons.h"
#include "ui/ActionIcons.h"
#include "ui/VinduesFont.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <cmath>

namespace {

constexpr int kDigitalHoejde = 49;

// The rectangle grown until its corner lies on whole device pixels, so that
// a part of the window is drawn on the same device pixels as the whole
// (at a scale of 1.25 every fourth logical pixel starts a device pixel).
QRect paaPixelgitter(const QRect &felt, qreal dpr)
{
    int trin = 1;
    while (trin < 16 && std::abs(trin * dpr - std::round(trin * dpr)) > 1e-6)
        ++trin;
    if (std::abs(trin * dpr - std::round(trin * dpr)) > 1e-6)
        return QRect(QPoint(0, 0), felt.bottomRight());
    return QRect(QPoint(qMax(felt.left(), 0) / trin * trin, qMax(felt.top(), 0) / trin * trin),
                 felt.bottomRight());
}

} // namespace

Tmainform::Tmainform(const QString &programDir, const Platform &platform, Messages &messages)
    : m_platform(platform), m_messages(messages),
      m_folders(programDir, DataFolders::GetUserFromWindows(*platform.userName)),
      m_dagensAlarmer(m_folders.alarmDir, *platform.localTime), m_alarmLock(m_folders.alarmLaas),
      m_lydListe(m_folders.LydDir)
{
    setWindowTitle(QStringLiteral("Ur"));
    setWindowIcon(ActionIcons::rundtUr());
    setFont(vinduesFont());
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowPalette.color(QPalette::Button));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    // A window gets its kind of surface when it is made: where the desktop
    // composites it is translucent from the start, and framed it paints
    // itself opaque.
    m_komponerer = Desktop::composites();
    setAttribute(Qt::WA_TranslucentBackground, m_komponerer);
    resize(380, 427);

    m_Ur = new TUr(*platform.localTime, this);
    m_StopUr = new TStopUr(*platform.localTime, this);
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
    const UrHandlinger &h = m_handlinger;
    (new TaskbarButtons(*this))->setActions({h.aEgenskaber, h.aForm, h.aUr, h.aLuk});

    m_lydListe.hent();
    m_alarmTimer = new QTimer(this);
    connect(m_alarmTimer, &QTimer::timeout, this, &Tmainform::alarmTimerTimer);
    // The firing of an alarm lasts as long as its sound.
    connect(platform.soundPlayer, &SoundPlayer::finished, this,
            [this] { m_dagensAlarmer.setFiring(false); });

    SetDefaultColors();
    SetDefaultDimensioner();
    SetTransparent(false);
    m_opstart = true;
    m_oldHeight = height();
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
    UrHandlinger &h = m_handlinger;
    h.aLuk = makeAction(QStringLiteral("Luk uret"), QStringLiteral("Luk programmet: Ctrl+Q"),
                        ActionIcons::luk(), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(h.aLuk, &QAction::triggered, this, &QWidget::close);

    h.aForm = makeAction(QStringLiteral("Skjul formboks"),
                         QStringLiteral("Vis eller skjul formboks: Ctrl+F"), ActionIcons::form(),
                         {QKeySequence(Qt::CTRL | Qt::Key_F)});
    connect(h.aForm, &QAction::triggered, this, [this] { SetTransparent(!m_gennemsigtig); });

    h.aUr = makeAction(QStringLiteral("Vis digitalur"),
                       QStringLiteral("Vis ur eller digitalur: Ctrl+U"), ActionIcons::ur(),
                       {QKeySequence(Qt::CTRL | Qt::Key_U)});
    connect(h.aUr, &QAction::triggered, this, [this] { setUrtype(!m_Ur->isHidden()); });

    h.aEgenskaber = makeAction(QStringLiteral("Egenskaber..."),
                               QStringLiteral("Bestem urets egenskaber: Ctrl+E"),
                               ActionIcons::egenskaber(), {QKeySequence(Qt::CTRL | Qt::Key_E)});
    connect(h.aEgenskaber, &QAction::triggered, this,
            [this] { Q_EMIT egenskaberOensket(std::nullopt); });

    h.aRundtUr = makeAction(QStringLiteral("Rundt ur"),
                            QStringLiteral("Sæt eller fjern egenskaben rundt ur: Ctrl+R"),
                            ActionIcons::rundtUr(), {QKeySequence(Qt::CTRL | Qt::Key_R)});
    h.aRundtUr->setCheckable(true);
    connect(h.aRundtUr, &QAction::triggered, this, &Tmainform::aRundtUrExecute);

    h.aStandardFarver =
        makeAction(QStringLiteral("Standard farver"),
                   QStringLiteral("Sæt farverne til de oprindelige farver: Ctrl+S"),
                   ActionIcons::standardFarver(), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(h.aStandardFarver, &QAction::triggered, this, &Tmainform::SetDefaultColors);

    h.aStandardDim =
        makeAction(QStringLiteral("Standard"),
                   QStringLiteral("Sæt dimensionerne til de oprindelige dimensioner"), QIcon());
    connect(h.aStandardDim, &QAction::triggered, this, &Tmainform::SetDefaultDimensioner);

    h.aPlayLydfil = makeAction(QStringLiteral("Afspil"), QStringLiteral("Afspil lydfil som test"),
                               ActionIcons::afspil());
    h.aPlayLydfil->setEnabled(false);

    h.aInformation = makeAction(
        QStringLiteral("Information..."), QStringLiteral("Program information: F1 eller Ctrl+I"),
        ActionIcons::information(), {QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_I)});
    connect(h.aInformation, &QAction::triggered, this,
            [this] { info(QStringLiteral("Klokkeven")); });

    h.aOpdaterAlarmer =
        makeAction(QStringLiteral("Opdater alarmer"),
                   QStringLiteral("En ny dag ved midnat: Opfrisk dagens alarmer: Ctrl+O"),
                   ActionIcons::opdaterAlarmer(), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    connect(h.aOpdaterAlarmer, &QAction::triggered, this, &Tmainform::hentAlarmer);

    h.minimerProgram =
        makeAction(QStringLiteral("Minimer"), QStringLiteral("Minimer uret til systembakken"),
                   ActionIcons::minimer(), {QKeySequence(Qt::CTRL | Qt::Key_M)});
    connect(h.minimerProgram, &QAction::triggered, this, [this] {
        // Only a window in its normal state goes to the tray.
        if (windowState() == Qt::WindowNoState)
            ApplicationEventsMinimize();
    });
}

void Tmainform::buildPopupMenu()
{
    const UrHandlinger &h = m_handlinger;
    m_PopupMenu = new QMenu(this);
    m_PopupMenu->setToolTipsVisible(true);

    QMenu *alarmer = m_PopupMenu->addMenu(QStringLiteral("Alarmer"));
    alarmer->setToolTipsVisible(true);
    m_mAktiveAlarmer = alarmer->addAction(QStringLiteral("0 aktive alarmer"));
    m_mAktiveAlarmer->setToolTip(QStringLiteral("Vis alarmliste"));
    connect(m_mAktiveAlarmer, &QAction::triggered, this,
            [this] { Q_EMIT egenskaberOensket(EgenskabsSide::Alarmer); });
    alarmer->addSeparator();
    m_mInsertAlarm = alarmer->addAction(QStringLiteral("Ny alarm..."));
    m_mInsertAlarm->setToolTip(QStringLiteral("Indfør ny alarm..."));
    connect(m_mInsertAlarm, &QAction::triggered, this,
            [this] { Q_EMIT egenskaberOensket(EgenskabsSide::NyAlarm); });
    m_mSeAlarmer = alarmer->addAction(QStringLiteral("Se alarmer..."));
    m_mSeAlarmer->setToolTip(QStringLiteral("Se aktive eller eksisterende alarmer"));
    connect(m_mSeAlarmer, &QAction::triggered, this,
            [this] { Q_EMIT egenskaberOensket(EgenskabsSide::Alarmer); });
    alarmer->addSeparator();
    alarmer->addAction(h.aOpdaterAlarmer);

    m_PopupMenu->addSeparator();
    QMenu *designs = m_PopupMenu->addMenu(QStringLiteral("Ur designs"));
    for (int index = 0; index < kAntalPreDefDesigns; ++index) {
        QAction *design = designs->addAction(preDefDesigns()[std::size_t(index)].menuNavn);
        connect(design, &QAction::triggered, this, [this, index] { Q_EMIT urDesignValgt(index); });
        m_mUr.append(design);
    }
    m_PopupMenu->addAction(h.aRundtUr);
    m_PopupMenu->addAction(h.aEgenskaber);
    m_PopupMenu->addSeparator();
    m_PopupMenu->addAction(h.aForm);
    m_PopupMenu->addAction(h.aUr);
    m_PopupMenu->addAction(h.minimerProgram);
    m_PopupMenu->addSeparator();
    m_PopupMenu->addAction(h.aInformation);
    m_PopupMenu->addAction(h.aLuk);

    // The keyboard opens the menu at the clock, as the right mouse button does.
    auto *menuTast = new QAction(this);
    menuTast->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menuTast, &QAction::triggered, this,
            [this] { m_PopupMenu->popup(mapToGlobal(rect().center())); });
    addAction(menuTast);
}

void Tmainform::buildTrayIcon()
{
    const UrHandlinger &h = m_handlinger;
    m_TrayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_TrayIcon->setToolTip(QStringLiteral("Klokkeven med alarmer"));
    // The tray's menu offers what the taskbar buttons offer on Windows.
    auto *trayMenu = new QMenu(this);
    trayMenu->addActions({h.aEgenskaber, h.aForm, h.aUr, h.aLuk});
    m_TrayIcon->setContextMenu(trayMenu);
    connect(m_TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    TrayIconClick();
            });
}

void Tmainform::SetDefaultColors()
{
    m_Ur->SetFarver(UrFarver());
    planlaegHelMaske();
}

void Tmainform::SetDefaultDimensioner()
{
    m_Ur->SetDimensioner(UrDimensioner());
    planlaegHelMaske();
}

void Tmainform::setUrtype(bool visStopUr)
{
    if (visStopUr) {
        m_handlinger.aUr->setText(QStringLiteral("Vis ur"));
        if (!m_Ur->isHidden())
            m_oldHeight = height();
        m_Ur->Stop();
        m_Ur->hide();
        if (!m_alarmOn)
            m_StopUr->Start();
        m_StopUr->show();
        resize(width(), kDigitalHoejde);
    } else {
        m_handlinger.aUr->setText(QStringLiteral("Vis digitalur"));
        resize(width(), m_oldHeight);
        if (!m_alarmOn)
            m_StopUr->Stop();
        m_StopUr->hide();
        m_Ur->Start();
        m_Ur->show();
    }
    planlaegHelMaske();
}

void Tmainform::SetTransparent(bool gennemsigtig)
{
    m_gennemsigtig = gennemsigtig;
    skiftRamme(gennemsigtig);
    const Tegnemaade maade = !gennemsigtig  ? Tegnemaade::Glat
                             : m_komponerer ? Tegnemaade::GlatGennemsigtig
                                            : Tegnemaade::Skarp;
    m_Ur->SetMaade(maade);
    m_StopUr->SetMaade(maade);
    // The key colour shows the desktop; only a composited window can paint it so.
    setAutoFillBackground(maade != Tegnemaade::GlatGennemsigtig);
    // Smoothed letters would blend into the key colour and show as a fringe
    // on the desktop; under a mask the digits are drawn crisp.
    QFont digitalFont = m_StopUr->font();
    digitalFont.setStyleStrategy(maade == Tegnemaade::Skarp ? QFont::NoAntialias
                                                            : QFont::PreferDefault);
    m_StopUr->setFont(digitalFont);
    m_handlinger.aForm->setText(gennemsigtig ? QStringLiteral("Vis formboks")
                                             : QStringLiteral("Skjul formboks"));
    if (m_Ur->isHidden())
        resize(width(), kDigitalHoejde);
    else if (m_rundtUr)
        resize(width(), width());
    updateSeeThroughMask();
}

void Tmainform::skiftRamme(bool udenRamme)
{
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::FramelessWindowHint, udenRamme);
    if (flags == windowFlags())
        return;
    QWindow *vindue = windowHandle();
    if (!vindue) {
        setWindowFlags(flags);
        return;
    }
    // The window system changes the frame of the window as it is: a window
    // made anew would be hidden and shown again, and on Wayland, where the
    // compositor places every new window, it would also move.
    overrideWindowFlags(flags);
    vindue->setFlags(flags);
}

void Tmainform::aRundtUrExecute()
{
    setRundtUr(!m_rundtUr);
    if (m_rundtUr)
        resize(width(), width());
}

void Tmainform::setRundtUr(bool rundt)
{
    m_rundtUr = rundt;
    m_handlinger.aRundtUr->setChecked(rundt);
}

void Tmainform::updateSeeThroughMask()
{
    m_maskeUdestaar = QRegion();
    m_maske = QRegion();
    if (brugerMaske())
        fornyMaske(rect());
    else
        saetMaske(QRegion());
}

void Tmainform::fornyMaske(const QRegion &omraade)
{
    // Every pixel painted in the window colour lets the desktop through. The
    // clock draws crisp under a mask, so its edges hold no blend of the key
    // colour that could show as a fringe. Only the painted area is drawn
    // again, at the screen's scale, and judged in logical pixels.
    const qreal dpr = devicePixelRatioF();
    const QRect felt = paaPixelgitter(omraade.boundingRect(), dpr) & rect();
    if (m_grabber || felt.isEmpty())
        return;
    const QColor key = palette().color(QPalette::Window);
    QImage billede(felt.size() * dpr, QImage::Format_RGB32);
    billede.setDevicePixelRatio(dpr);
    billede.fill(key);
    // The clock controls cover the whole window, which has nothing of its
    // own to paint beyond the key colour.
    m_grabber = true;
    for (QWidget *clock : {static_cast<QWidget *>(m_Ur), static_cast<QWidget *>(m_StopUr)}) {
        const QRect del = felt & clock->geometry();
        if (clock->isVisible() && !del.isEmpty())
            clock->render(&billede, del.topLeft() - felt.topLeft(),
                          QRegion(del.translated(-clock->pos())), {});
    }
    m_grabber = false;
    m_maske =
        (m_maske.subtracted(felt) + SynligDel(billede, key.rgb()).translated(felt.topLeft())) &
        rect();
    saetMaske(m_maske);
}

QRegion Tmainform::seeThroughMask() const
{
    const QWindow *vindue = windowHandle();
    return vindue ? vindue->mask() : QRegion();
}

void Tmainform::saetMaske(const QRegion &maske)
{
    // Set on the window, not the widget: a widget's mask would also clip its
    // paints, and what the clock draws where the mask hides it now could
    // never be seen to need showing.
    if (!windowHandle() && maske.isEmpty())
        return;
    winId();
    if (windowHandle()->mask() != maske)
        windowHandle()->setMask(maske);
}

bool Tmainform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_Ur && watched != m_StopUr)
        return QWidget::eventFilter(watched, event);
    auto *clock = static_cast<QWidget *>(watched);
    // A see-through window follows what the clock paints (the hands, the
    // digital field's text).
    if (event->type() == QEvent::Paint && brugerMaske() && !m_grabber) {
        m_maskeUdestaar += static_cast<QPaintEvent *>(event)->region().translated(clock->pos());
        planlaegMaske();
    }
    // Without a frame the face itself is the handle to move the clock by.
    if (event->type() == QEvent::MouseButtonPress && m_gennemsigtig &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && startSystemMove())
        return true;
    return QWidget::eventFilter(watched, event);
}

bool Tmainform::startSystemMove()
{
    QWindow *vindue = windowHandle();
    return vindue && vindue->startSystemMove();
}

void Tmainform::planlaegMaske()
{
    // Queued and made once per burst of changes; the paints of the refresh
    // itself are left alone.
    if (!brugerMaske() || m_grabber || m_maskePlanlagt)
        return;
    m_maskePlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        m_maskePlanlagt = false;
        const QRegion omraade = std::exchange(m_maskeUdestaar, QRegion());
        if (brugerMaske())
            fornyMaske(omraade);
    });
}

void Tmainform::planlaegHelMaske()
{
    m_maskeUdestaar = rect();
    planlaegMaske();
}

void Tmainform::info(const QString &side)
{
    Q_EMIT infoOensket(side);
}

void Tmainform::ApplicationEventsMinimize()
{
    Q_EMIT minimeres();

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
    // A new UI style brings a new button colour: the window colour, and with
    // it the see-through key, follows it.
    if (event->type() == QEvent::PaletteChange) {
        const QColor knap = palette().color(QPalette::Button);
        if (palette().color(QPalette::Window) != knap) {
            QPalette windowPalette = palette();
            windowPalette.setColor(QPalette::Window, knap);
            setPalette(windowPalette);
            planlaegMaske();
        }
    }
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
    planlaegHelMaske();
}

void Tmainform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_handlinger.aForm->setEnabled(true);
    if (m_opstart)
        FormShow();
}

void Tmainform::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_handlinger.aForm->setEnabled(false);
}

void Tmainform::FormShow()
{
    m_opstart = false;
    Q_EMIT designGenskabes();
    hentAlarmer();
    Q_EMIT foersteVisning();
}

void Tmainform::hentAlarmer()
{
    // Another running copy of the program fires the alarms: this one only shows the clock.
    if (!m_alarmLock.tryTake()) {
        armAlarmTimer();
        return;
    }
    const QStringList skipped = m_dagensAlarmer.hentAlarmer();
    armAlarmTimer();
    udskrivAlarmer();
    m_mAktiveAlarmer->setText(m_dagensAlarmer.caption());
    reportSkipped(skipped);
}

void Tmainform::alarmTimerTimer()
{
    const bool hadLock = m_alarmLock.held();
    if (!m_alarmLock.tryTake()) {
        armAlarmTimer();
        return;
    }
    if (!hadLock) {
        // Taken over from a copy that ended: it may have fired this minute's alarms, so
        // the list is read at the start of the next minute.
        m_overtager = true;
        armAlarmTimer();
        return;
    }
    if (m_overtager) {
        m_overtager = false;
        hentAlarmer();
        return;
    }
    if (m_platform.soundPlayer->isPlaying() && !m_dagensAlarmer.firing()) {
        // Another sound is heard out first (the countdown alarm, a test play): a
        // due alarm fires at the first tick after it, so no sound cuts another off.
        armAlarmTimer();
        return;
    }
    const DagensAlarmer::Tick tick = m_dagensAlarmer.alarmTimerTimer();
    if (tick.fire)
        playAlarm(*tick.fire);
    if (tick.fire || tick.reloaded) {
        udskrivAlarmer();
        m_mAktiveAlarmer->setText(m_dagensAlarmer.caption());
    }
    armAlarmTimer();
    reportSkipped(tick.skipped);
}

void Tmainform::armAlarmTimer()
{
    if (m_dagensAlarmer.index() >= 0) {
        m_alarmTimer->start(1000);
        return;
    }
    // Nothing is due today: look in at the start of each minute, so that a
    // new day's alarms load soon after midnight, also after the machine slept.
    const QTime nu = m_platform.localTime->now().time();
    m_alarmTimer->start(60000 - (nu.second() * 1000 + nu.msec()) + 50);
}

void Tmainform::reportSkipped(const QStringList &skipped)
{
    // Told after the handler has finished, so that a message box never holds
    // up the alarm check that found the file; files found while a box is open
    // wait for the next box, so boxes never stack inside each other.
    m_uviste += skipped;
    if (m_uviste.isEmpty() || m_beskedPlanlagt)
        return;
    m_beskedPlanlagt = true;
    QTimer::singleShot(0, this, [this] {
        while (!m_uviste.isEmpty()) {
            const QString tekst = m_dagensAlarmer.skippedMessage(m_uviste);
            m_uviste.clear();
            m_messages.information(tekst);
        }
        m_beskedPlanlagt = false;
    });
}

void Tmainform::playAlarm(const TAlarmRecord &E)
{
    m_dagensAlarmer.setFiring(true);
    const QString lyd = m_lydListe.sti(E.alarmfil);
    const bool vist = !m_alarmform || m_alarmform->showAlarm(E.overskrift, E.tekstfilnavn);
    if (E.alarmtype == AlarmType::Dato)
        AlarmFile::sletAlarm(E, m_folders.alarmDir, m_folders.alarmTekster);
    if (vist && !lyd.isEmpty() && E.gentagelse > 0)
        m_platform.soundPlayer->play(lyd, E.gentagelse, true);
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
    Q_EMIT lukkes();
}
