#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QListWidget;
class QScrollBar;
class QStatusBar;
class QTabWidget;
class QToolButton;
struct ProgramContext;

// The properties window: the tabbed pages for the clock's look, the
// countdown, the alarms, the calendar and the options.
class Tegenskabsform : public QWidget
{
    Q_OBJECT

public:
    explicit Tegenskabsform(ProgramContext &context);

    QTabWidget *egenskabsBog() const { return m_egenskabsBog; }
    QStatusBar *infoBar() const { return m_infoBar; }
    QListWidget *lydfilBox() const { return m_lydfilBox; }
    QComboBox *cbLydfiler() const { return m_cbLydfiler; }
    QScrollBar *lydBar() const { return m_lydBar; }

    // Fills both sound lists: "Ingen alarmlyd", then the sounds of the sound
    // folder in listing order.
    void loadLydfiler();
    // The path of the sound at a list index; empty for "Ingen alarmlyd" and
    // for an index the list does not hold.
    QString lydfilSti(int aIndex) const;
    // Plays the sound at a list index aAntal times; a test play is heard once.
    void playAlarm(int aIndex, int aAntal, bool test);
    // Sets the program's volume from a slider position, 0 silent to 28 full.
    void setLydstyrke(int styrke);
    void lydBarChange();

private:
    QWidget *buildNedtaellingSide();
    QWidget *buildNyAlarmSide();

    ProgramContext &m_context;
    QTabWidget *m_egenskabsBog;
    QStatusBar *m_infoBar;
    QListWidget *m_lydfilBox;
    QComboBox *m_cbLydfiler;
    QScrollBar *m_lydBar;
    QToolButton *m_playKnap;
    QStringList m_lydfiler; // the file name behind each sound entry after the first
};
