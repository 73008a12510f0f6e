#pragma once

#include <QList>
#include <QObject>
#include <memory>

class QAction;
class QWidget;

// Buttons on the thumbnail of a window's taskbar button, one per action, left to right:
// the action's icon, its hint as the tooltip, greyed while the action is disabled; a
// click triggers the action. Only Windows has them; elsewhere this does nothing, and the
// program offers the same actions in other ways.
class TaskbarButtons : public QObject
{
public:
    // The window owns the object.
    explicit TaskbarButtons(QWidget &window);
    ~TaskbarButtons() override;

    // Replaces the buttons; at most seven. The buttons follow later changes of the actions.
    void setActions(const QList<QAction *> &actions);
    bool isSupported() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};
