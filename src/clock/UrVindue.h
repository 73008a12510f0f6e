#pragma once

#include <QString>

class QAction;
class QWidget;
class TStopUr;
class TUr;

// The main window's actions, built once by it; buttons on other windows are bound to them.
struct UrHandlinger
{
    QAction *aLuk = nullptr;
    QAction *aForm = nullptr;
    QAction *aUr = nullptr;
    QAction *aEgenskaber = nullptr;
    QAction *aRundtUr = nullptr;
    QAction *aStandardFarver = nullptr;
    QAction *aStandardDim = nullptr;
    QAction *aPlayLydfil = nullptr;
    QAction *aInformation = nullptr;
    QAction *aOpdaterAlarmer = nullptr;
    QAction *minimerProgram = nullptr;
};

// What the properties window's pages use of the main window: its two clock
// controls, its view operations and its state. Each setter keeps what depends
// on the state in step (the "Rundt ur" check mark follows rundtUr).
class UrVindue
{
public:
    virtual ~UrVindue() = default;

    virtual TUr &Ur() const = 0;
    virtual TStopUr &StopUr() const = 0;
    virtual const UrHandlinger &handlinger() const = 0;
    // The main window itself: designs set its place and size.
    virtual QWidget &vindue() = 0;

    // true shows the digital field, false the analog clock.
    virtual void setUrtype(bool visStopUr) = 0;
    // true: see-through without frame; false: normal with frame.
    virtual void SetTransparent(bool gennemsigtig) = 0;
    virtual bool gennemsigtig() const = 0;

    virtual bool rundtUr() const = 0;
    virtual void setRundtUr(bool rundt) = 0;
    virtual int oldHeight() const = 0;
    virtual void setOldHeight(int hoejde) = 0;
    virtual bool alarmOn() const = 0;
    virtual void setAlarmOn(bool on) = 0;

    // Shows the information window at the page of that name.
    virtual void info(const QString &side) = 0;
};
