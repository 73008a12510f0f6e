#include "platform/TrayNotifier.h"

#include <QSystemTrayIcon>

namespace {

// Long enough to be read by someone who comes back to the desk; the system
// may shorten it.
constexpr int kVisesMs = 30 * 1000;

} // namespace

TrayNotifier::TrayNotifier(QSystemTrayIcon &tray) : m_tray(tray)
{
    connect(&m_tray, &QSystemTrayIcon::messageClicked, this, [this] { Q_EMIT klikket(m_tag); });
}

void TrayNotifier::notify(int tag, const QString &overskrift, const QString &tekst,
                          const Handlinger &)
{
    // A new message replaces the one shown: a click means the newest.
    m_tag = tag;
    m_tray.showMessage(overskrift, tekst, QSystemTrayIcon::Information, kVisesMs);
}
