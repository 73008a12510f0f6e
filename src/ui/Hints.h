#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The hint of the control under the pointer, in any window of the program:
// each control's status tip, as Qt announces it on entering and leaving the
// control and on hovering a menu entry. An empty hint means none.
class Hints : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application while it lives.
    explicit Hints(QObject *parent = nullptr);
    ~Hints() override;

Q_SIGNALS:
    void hint(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Gives a control its hint: the tool tip beside it and the status bar's text
// while the pointer rests on it.
void setHint(QWidget *control, const QString &hint);
