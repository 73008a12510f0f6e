#pragma once

#include <QWidget>

class UrVindue;

// The properties window's tab "Ur", in three columns: the clock's colours;
// its dimensions with saving and loading designs; the predefined designs and
// the main window's actions.
class UrSide : public QWidget
{
    Q_OBJECT

public:
    explicit UrSide(UrVindue &urVindue, QWidget *parent = nullptr);

private:
    void sbInfoDesignClick();

    UrVindue &m_urVindue;
};
