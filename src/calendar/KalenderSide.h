#pragma once

#include <QWidget>

// The properties window's tab "Kalender": the documents of each date.
class KalenderSide : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};
