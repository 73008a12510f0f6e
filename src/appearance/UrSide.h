#pragma once

#include <QWidget>

class QPushButton;
class UrVindue;

// The properties window's tab "Ur", in three columns: the clock's colours;
// its dimensions with saving and loading designs; the predefined designs and
// the main window's actions.
class UrSide : public QWidget
{
    Q_OBJECT

public:
    explicit UrSide(UrVindue &urVindue, QWidget *parent = nullptr);

    // "Stopur start" and "Stopur stop": the plain stopwatch, served by the countdown page.
    QPushButton *suStartKnap() const { return m_suStartKnap; }
    QPushButton *suStopKnap() const { return m_suStopKnap; }

private:
    void sbInfoDesignClick();

    UrVindue &m_urVindue;
    QPushButton *m_suStartKnap;
    QPushButton *m_suStopKnap;
};
