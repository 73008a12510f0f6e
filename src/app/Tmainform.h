#pragma once

#include "alarms/DagensAlarmer.h"
#include "app/DataFolders.h"

#include <QWidget>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class TStopUr;
class TUr;
struct ProgramContext;

// The main window: the clock itself, showing either the analog clock or the
// digital field. Its creation computes the data paths; closing it saves the
// state of the program and ends it. Everything else is reached from its
// pop-up menu, its shortcuts and its tray icon.
class Tmainform : public QWidget
{
    Q_OBJECT

public:
    explicit Tmainform(ProgramContext &context);

    const DataFolders &folders() const { return m_folders; }
    bool opstart() const { return m_opstart; }

    TUr *Ur() const { return m_Ur; }
    TStopUr *StopUr() const { return m_StopUr; }
    QMenu *PopupMenu() const { return m_PopupMenu; }
    QSystemTrayIcon *TrayIcon() const { return m_TrayIcon; }

    // true shows the digital field, false the analog clock.
    void setUrtype(bool visStopUr);
    // true: see-through without frame; false: normal with frame.
    void SetTransparent(bool gennemsigtig);
    bool gennemsigtig() const { return m_gennemsigtig; }
    void SetDefaultColors();
    void SetDefaultDimensioner();
    // Shows the information window at the page of that name.
    void info(const QString &side);
    void ApplicationEventsMinimize();
    void TrayIconClick();

    // Rebuilds today's alarms from the alarm folder and arms the alarm timer.
    void hentAlarmer();
    // The alarm check, once a second while alarms are due today.
    void alarmTimerTimer();
    // Fires one alarm: its window, its sound, and a dated alarm's files go.
    void playAlarm(const TAlarmRecord &E);
    void udskrivAlarmer();
    const DagensAlarmer &dagensAlarmer() const { return m_dagensAlarmer; }
    QTimer *alarmTimer;

    bool rundtUr = false;
    int oldHeight = 0;
    bool alarmOn = false;

    QAction *aLuk;
    QAction *aForm;
    QAction *aUr;
    QAction *aEgenskaber;
    QAction *aRundtUr;
    QAction *aStandardFarver;
    QAction *aStandardDim;
    QAction *aPlayLydfil;
    QAction *aInformation;
    QAction *aOpdaterAlarmer;
    QAction *minimerProgram;
    QAction *mAktiveAlarmer;
    QAction *mInsertAlarm;
    QAction *mSeAlarmer;
    QList<QAction *> mUr;

Q_SIGNALS:
    // The window has closed and its state is saved: the program ends.
    void lukket();
    // Today's alarms changed: lists of them must be refreshed.
    void dagensAlarmerAendret();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *makeAction(const QString &caption, const QString &hint, const QIcon &icon,
                        const QList<QKeySequence> &shortcuts = {});
    void buildActions();
    void buildPopupMenu();
    void buildTrayIcon();
    void visEgenskaber(int side);
    void aRundtUrExecute();
    void updateSeeThroughMask();
    void planlaegMaske();
    void armAlarmTimer();
    void reportSkipped(const QStringList &skipped);
    void FormShow();
    void FormCloseQuery();
    void FormClose();

    ProgramContext &m_context;
    const DataFolders m_folders;
    DagensAlarmer m_dagensAlarmer;
    bool m_opstart = false;
    bool m_gennemsigtig = false;
    bool m_grabber = false;
    bool m_maskePlanlagt = false;
    TUr *m_Ur;
    TStopUr *m_StopUr;
    QMenu *m_PopupMenu;
    QSystemTrayIcon *m_TrayIcon;
};
