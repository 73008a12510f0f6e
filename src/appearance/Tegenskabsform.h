#pragma once

#include <QWidget>

class QStatusBar;
class QTabWidget;
struct ProgramContext;

// The properties window: the tabbed pages for the clock's look, the alarms,
// the calendar and the options.
class Tegenskabsform : public QWidget
{
    Q_OBJECT

public:
    explicit Tegenskabsform(ProgramContext &context);

    QTabWidget *egenskabsBog() const { return m_egenskabsBog; }
    QStatusBar *infoBar() const { return m_infoBar; }

private:
    QTabWidget *m_egenskabsBog;
    QStatusBar *m_infoBar;
};
