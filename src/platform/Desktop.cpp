#include "platform/Desktop.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QByteArray>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#if QT_CONFIG(xcb)
// A compositing manager owns the selection _NET_WM_CM_Sn of the screen it serves.
bool x11Composites()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int screen = 0; screen < screens; ++screen) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, quint16(name.size()), name.constData()),
            nullptr);
        if (!atom)
            continue;
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        const bool owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
        std::free(atom);
        if (owned)
            return true;
    }
    return false;
}
#endif

} // namespace

namespace Desktop {

bool composites()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    if (onWayland())
        return true;
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return x11Composites();
#endif
    return false;
#endif
}

bool knowsWindowPositions()
{
    return !onWayland();
}

void foerStart()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace Desktop
