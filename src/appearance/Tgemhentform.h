#pragma once

#include <QDialog>

// The design chooser: saves and loads clock designs by name.
class Tgemhentform : public QDialog
{
    Q_OBJECT

public:
    Tgemhentform();
};
