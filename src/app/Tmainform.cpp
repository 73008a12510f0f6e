#include "app/Tmainform.h"

#include "alarms/Alarmvaerk.h"
#include "alarms/MistedeAlarmerForm.h"
#include "alarms/Talarmform.h"
#include "app/SeThroughMaske.h"
#include "appearance/UrDesigns.h"
#include "base/TColor.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "dialogs/Messages.h"
#include "platform/Desktop.h"
#include "platform/DesktopNotifier.h"
#include "platform/LocalTime.h"
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

namespace {

constexpr int kDigitalHoejde = 49;

} // namespace

Tmainform::Tmainform(const QString &programDir, const Platform &platform, Messages &messages)
    : m_folders(programDir, DataFolders::GetUserFromWindows(*platform.userName)),
      m_lydListe(m_folders.LydDir)
{
    setWindowTitle(QStringLiteral("Ur"));
    // The caption names the window; task lists that show a window's icon name
    // show the program's.
    setWindowIconText(QStringLiteral("Klokkeven"));
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

    m_maske = new SeThroughMaske(*this, {m_Ur, m_StopUr}, [this] { return brugerMaske(); });
    buildActions();
    buildPopupMenu();
    buildTrayIcon();
    const UrHandlinger &h = m_handlinger;
    (new TaskbarButtons(*this))->setActions({h.aEgenskaber, h.aForm, h.aUr, h.aLuk});

    m_lydListe.hent();
    m_alarmvaerk = new Alarmvaerk(m_folders, *platform.localTime, *platform.soundPlayer, m_lydListe,
                                  messages, this);
    connect(m_alarmvaerk, &Alarmvaerk::captionAendret, m_mAktiveAlarmer, &QAction::setText);
    connect(m_alarmvaerk, &Alarmvaerk::dagensAlarmerAendret, this,
            &Tmainform::dagensAlarmerAendret);
    // The desktop hears of every alarm too, which matters when the clock is in
    // the tray or on another desktop; its "Luk" and "Udsæt" act as the window's.
    m_notifier = DesktopNotifier::make(m_TrayIcon);
    connect(m_alarmvaerk, &Alarmvaerk::affyret, this, [this](const AlarmVisning &alarm) {
        m_notifier->notify(
            alarm.id, alarm.overskrift.isEmpty() ? QStringLiteral("Alarm") : alarm.overskrift,
            QStringLiteral("Kl. %1").arg(alarm.tid.toString(QStringLiteral("HH:mm"))),
            {{QStringLiteral("luk"), QStringLiteral("Luk")},
             {QStringLiteral("udsaet"), QStringLiteral("Udsæt")}});
    });
    connect(m_notifier.get(), &DesktopNotifier::handling, this, [this](int id, const QString &key) {
        if (key == QLatin1String("udsaet"))
            m_alarmvaerk->udsaet(id, m_alarmvaerk->udsaetMinutter());
        if (m_alarmform)
            m_alarmform->lukAlarm(id);
    });
    // A click on the notification itself brings forward the window it tells of.
    connect(m_notifier.get(), &DesktopNotifier::klikket, this, [this](int id) {
        QWidget *vindue = id == 0 ? static_cast<QWidget *>(m_mistedeForm) : m_alarmform;
        if (!vindue || !vindue->isVisible())
            return;
        vindue->setWindowState(vindue->windowState() & ~Qt::WindowMinimized);
        vindue->raise();
        vindue->activateWindow();
    });
    // So are the missed alarms, which may come while nobody looks at the screen.
    connect(m_alarmvaerk, &Alarmvaerk::mistede, this, [this](const QList<ForfaldenAlarm> &alarmer) {
        QStringList linjer;
        for (const ForfaldenAlarm &mistet : alarmer)
            linjer << mistet.tid.toString(QStringLiteral("dd-MM HH:mm ")) + mistet.alarm.overskrift;
        m_notifier->notify(0, QStringLiteral("Alarmer, mens du var væk"),
                           linjer.join(QLatin1Char('\n')), {});
    });
    auto *soevn = new SleepWatch(this);
    connect(soevn, &SleepWatch::sover, m_alarmvaerk, &Alarmvaerk::gemTilstand);
    connect(soevn, &SleepWatch::vaagner, m_alarmvaerk, &Alarmvaerk::vaagnet);
    m_mistedeForm = new MistedeAlarmerForm(this);
    connect(m_alarmvaerk, &Alarmvaerk::mistede, m_mistedeForm, &MistedeAlarmerForm::vis);
    connect(m_mistedeForm, &MistedeAlarmerForm::set, m_alarmvaerk, &Alarmvaerk::mistedeSet);

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
    QAction *visUret = trayMenu->addAction(QStringLiteral("Vis uret"));
    connect(visUret, &QAction::triggered, this, &Tmainform::TrayIconClick);
    trayMenu->setDefaultAction(visUret);
    trayMenu->addSeparator();
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
    m_maske->planlaegHel();
}

void Tmainform::SetDefaultDimensioner()
{
    m_Ur->SetDimensioner(UrDimensioner());
    m_maske->planlaegHel();
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
    m_maske->planlaegHel();
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
    m_maske->forny();
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

QRegion Tmainform::seeThroughMask() const
{
    return m_maske->maske();
}

bool Tmainform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_Ur && watched != m_StopUr)
        return QWidget::eventFilter(watched, event);
    auto *clock = static_cast<QWidget *>(watched);
    // A see-through window follows what the clock paints (the hands, the
    // digital field's text).
    if (event->type() == QEvent::Paint)
        m_maske->malet(static_cast<QPaintEvent *>(event)->region().translated(clock->pos()));
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

void Tmainform::info(const QString &side)
{
    Q_EMIT infoOensket(side);
}

void Tmainform::ApplicationEventsMinimize()
{
    Q_EMIT minimeres();
    // A window the window manager has iconified still reports its place.
    m_placeringFoerBakken = geometry();

    // Without a tray the window minimises as any window does, so it can
    // always be brought back from the taskbar.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!isMinimized())
            showMinimized();
        return;
    }
    // Only hidden, not also minimised: on X11 a minimised state set on a
    // hidden window goes to the window manager as a request to iconify it,
    // which can meet the window again when the tray icon shows it.
    hide();
    m_TrayIcon->show();
}

void Tmainform::TrayIconClick()
{
    m_TrayIcon->hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    // Set in code, the place counts as the user's own: the window manager
    // keeps it instead of placing the window anew.
    if (m_placeringFoerBakken.isValid())
        setGeometry(m_placeringFoerBakken);
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
            m_maske->planlaeg();
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
    m_maske->planlaegHel();
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
    m_alarmvaerk->hentAlarmer();
}

void Tmainform::alarmTimerTimer()
{
    m_alarmvaerk->alarmTimerTimer();
}

void Tmainform::playAlarm(const TAlarmRecord &E)
{
    m_alarmvaerk->playAlarm(E);
}

void Tmainform::setAlarmform(Talarmform *alarmform)
{
    m_alarmform = alarmform;
    if (!alarmform) {
        m_alarmvaerk->setVisning(nullptr);
        return;
    }
    m_alarmvaerk->setVisning([this, alarmform](const AlarmVisning &alarm) {
        alarmform->setUdsaetMinutter(m_alarmvaerk->udsaetMinutter());
        return alarmform->showAlarm(alarm);
    });
    connect(alarmform, &Talarmform::udsaetOensket, m_alarmvaerk, &Alarmvaerk::udsaet);
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
