#include "platform/TaskbarButtons.h"

#include <QWidget>

#ifdef Q_OS_WIN

#include "platform/ThumbBar_win.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <vector>

class TaskbarButtons::Impl final : public QAbstractNativeEventFilter
{
public:
    Impl(QWidget &window, QObject &owner) : m_window(window), m_owner(owner)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    void setActions(const QList<QAction *> &actions)
    {
        for (const QMetaObject::Connection &connection : m_connections)
            QObject::disconnect(connection);
        m_connections.clear();
        m_actions.clear();
        for (QAction *action : actions) {
            m_actions.emplace_back(action);
            m_connections.push_back(
                QObject::connect(action, &QAction::changed, &m_owner, [this] { update(); }));
        }
        update();
    }

    bool supported() const { return m_bar.available(); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override
    {
        // Posted messages come by twice, once from the dispatcher and once from the window
        // procedure; the generic kind sees every message once.
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG &msg = *static_cast<const MSG *>(message);
        // The native window is made anew when the frame changes; follow it.
        const auto window = reinterpret_cast<HWND>(m_window.internalWinId());
        if (window == nullptr || msg.hwnd != window)
            return false;
        if (m_bar.window() != window)
            m_bar.attach(window);
        const std::optional<std::size_t> clicked = m_bar.handle(msg);
        if (!clicked || *clicked >= m_actions.size())
            return false;
        // Later, from the event loop: an action may close the window whose message this is.
        if (QAction *action = m_actions[*clicked]; action && action->isEnabled())
            QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
        *result = 0;
        return true;
    }

private:
    void update()
    {
        const int size = ThumbBar::iconSize();
        std::vector<ThumbButton> buttons;
        for (const QPointer<QAction> &action : m_actions) {
            ThumbButton button;
            // A deleted action keeps its place, hidden, so the others keep theirs.
            button.visible = action && action->isVisible();
            if (action) {
                QString tip = action->statusTip();
                if (tip.isEmpty())
                    tip = action->iconText();
                button.tip = tip.toStdWString();
                button.enabled = action->isEnabled();
                const QImage image = action->icon()
                                         .pixmap(QSize(size, size), 1.0,
                                                 button.enabled ? QIcon::Normal : QIcon::Disabled)
                                         .toImage();
                if (!image.isNull())
                    button.icon.reset(image.toHICON());
            }
            buttons.push_back(std::move(button));
        }
        m_bar.setButtons(std::move(buttons));
    }

    QWidget &m_window;
    QObject &m_owner;
    ThumbBar m_bar;
    std::vector<QPointer<QAction>> m_actions;
    std::vector<QMetaObject::Connection> m_connections;
};

TaskbarButtons::TaskbarButtons(QWidget &window)
    : QObject(&window), m_impl(std::make_unique<Impl>(window, *this))
{}

void TaskbarButtons::setActions(const QList<QAction *> &actions)
{
    m_impl->setActions(actions);
}

bool TaskbarButtons::isSupported() const
{
    return m_impl->supported();
}

#else

// Nothing to keep: the platform has no thumbnail buttons.
class TaskbarButtons::Impl
{};

TaskbarButtons::TaskbarButtons(QWidget &window) : QObject(&window) {}

void TaskbarButtons::setActions(const QList<QAction *> &) {}

bool TaskbarButtons::isSupported() const
{
    return false;
}

#endif

TaskbarButtons::~TaskbarButtons() = default;
