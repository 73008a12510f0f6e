#pragma once

#include "alarms/Alarmvaerk.h"
#include "base/DataFolders.h"
#include "base/EgenskabsSide.h"
#include "base/LydListe.h"
#include "clock/UrVindue.h"
#include "platform/DesktopNotifier.h"
#include "platform/Platform.h"

#include <QWidget>
#include <memory>
#include <optional>

class Messages;
class MistedeAlarmerForm;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class SeThroughMaske;
class Talarmform;

// The main window: the clock itself, showing either the analog clock or the
// digital field. Its creation computes the data paths; closing it saves the
// state of the program and ends it. Everything else is reached from its
// pop-up menu, its shortcuts and its tray icon; the program object wires the
// requests it sends out (its signals) to the windows that serve them.
class Tmainform : public QWidget, public UrVindue
{
    Q_OBJECT

public:
    Tmainform(const QString &programDir, const Platform &platform, Messages &messages);

    const DataFolders &folders() const { return m_folders; }
    bool opstart() const { return m_opstart; }
    // The alarm sounds, read at creation; the firing of an alarm finds its sound here.
    LydListe &lydListe() { return m_lydListe; }
    // The window that shows a firing alarm; without one an alarm still sounds.
    void setAlarmform(Talarmform *alarmform);
    // The alarm clockwork, which the main window shows the state of.
    Alarmvaerk &alarmvaerk() const { return *m_alarmvaerk; }
    // "Alarmer, mens du var væk", shown when the clockwork finds missed alarms.
    MistedeAlarmerForm *mistedeForm() const { return m_mistedeForm; }

    TUr &Ur() const override { return *m_Ur; }
    TStopUr &StopUr() const override { return *m_StopUr; }
    const UrHandlinger &handlinger() const override { return m_handlinger; }
    QWidget &vindue() override { return *this; }
    QMenu *PopupMenu() const { return m_PopupMenu; }
    QSystemTrayIcon *TrayIcon() const { return m_TrayIcon; }

    void setUrtype(bool visStopUr) override;
    void SetTransparent(bool gennemsigtig) override;
    bool gennemsigtig() const override { return m_gennemsigtig; }
    // What a see-through window without a compositor shows of itself, in
    // logical pixels; empty when it shows all.
    QRegion seeThroughMask() const;
    bool rundtUr() const override { return m_rundtUr; }
    void setRundtUr(bool rundt) override;
    int oldHeight() const override { return m_oldHeight; }
    void setOldHeight(int hoejde) override { m_oldHeight = hoejde; }
    bool alarmOn() const override { return m_alarmOn; }
    void setAlarmOn(bool on) override { m_alarmOn = on; }
    void info(const QString &side) override;

    void SetDefaultColors();
    void SetDefaultDimensioner();
    void ApplicationEventsMinimize();
    void TrayIconClick();

    // Rebuilds today's alarms from the alarm folder and arms the alarm timer.
    void hentAlarmer();
    // The alarm check, when the clockwork's timer wakes.
    void alarmTimerTimer();
    // Fires one alarm: its window, its sound, and a dated alarm's files go.
    void playAlarm(const TAlarmRecord &E);
    void udskrivAlarmer();
    const DagensAlarmer &dagensAlarmer() const { return m_alarmvaerk->dagensAlarmer(); }
    QTimer *alarmTimer() const { return m_alarmvaerk->alarmTimer(); }

    // The menu entries that are not actions.
    QAction *mAktiveAlarmer() const { return m_mAktiveAlarmer; }
    QAction *mInsertAlarm() const { return m_mInsertAlarm; }
    QAction *mSeAlarmer() const { return m_mSeAlarmer; }
    const QList<QAction *> &mUr() const { return m_mUr; }

Q_SIGNALS:
    // The properties window is wanted on that tab, or on the tab it last had.
    void egenskaberOensket(std::optional<EgenskabsSide> side);
    // The menu "Ur designs" chose predefined design `index`.
    void urDesignValgt(int index);
    // The first showing restores the clock design, before the alarms load.
    void designGenskabes();
    // The information window is wanted at the page of that name.
    void infoOensket(const QString &side);
    // The window goes to the tray: the program's other windows close first.
    void minimeres();
    // The window is closing: the program's state must be saved now, in order.
    void lukkes();
    // The window has closed and its state is saved: the program ends.
    void lukket();
    // The first showing has restored the clock and loaded the alarms: the
    // calendar's document of today may open.
    void foersteVisning();
    // Today's alarms changed: lists of them must be refreshed.
    void dagensAlarmerAendret();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Hands a drag of the frameless clock to the window system, which moves
    // the window (on X11, Wayland and Windows alike); false where it cannot.
    virtual bool startSystemMove();

private:
    QAction *makeAction(const QString &caption, const QString &hint, const QIcon &icon,
                        const QList<QKeySequence> &shortcuts = {});
    void buildActions();
    void buildPopupMenu();
    void buildTrayIcon();
    void aRundtUrExecute();
    void skiftRamme(bool udenRamme);
    bool brugerMaske() const { return m_gennemsigtig && !m_komponerer; }
    void FormShow();
    void FormCloseQuery();
    void FormClose();

    const DataFolders m_folders;
    LydListe m_lydListe;
    Alarmvaerk *m_alarmvaerk;
    Talarmform *m_alarmform = nullptr;
    std::unique_ptr<DesktopNotifier> m_notifier;
    MistedeAlarmerForm *m_mistedeForm;
    bool m_opstart = false;
    bool m_gennemsigtig = false;
    bool m_rundtUr = false;
    int m_oldHeight = 0;
    bool m_alarmOn = false;
    // The desktop blends translucent windows: see-through needs no mask.
    bool m_komponerer = false;
    SeThroughMaske *m_maske;
    TUr *m_Ur;
    TStopUr *m_StopUr;
    QMenu *m_PopupMenu;
    // Where the window stood when it went to the tray: a window that is
    // shown again is otherwise placed anew by the window manager.
    QRect m_placeringFoerBakken;
    QSystemTrayIcon *m_TrayIcon;
    UrHandlinger m_handlinger;
    QAction *m_mAktiveAlarmer = nullptr;
    QAction *m_mInsertAlarm = nullptr;
    QAction *m_mSeAlarmer = nullptr;
    QList<QAction *> m_mUr;
};
