#pragma once

#include <QWidget>

// The properties window's tab "Alarmer": the overview of the stored alarms.
class AlarmOversigtSide : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};
