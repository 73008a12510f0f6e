#include "app/Klokkeven.h"
#include "dialogs/MessageBoxMessages.h"
#include "platform/DataLocation.h"
#include "platform/SystemPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Klokkeven"));
    // The program ends when the main window closes, not when the last window
    // does: the tray icon and hidden windows live on until then.
    application.setQuitOnLastWindowClosed(false);

    SystemPlatform system;
    MessageBoxMessages messages;
    Klokkeven klokkeven(DataLocation::defaultProgramDir(), DataLocation::installedDataDir(),
                        system.services(), messages);
    QObject::connect(&klokkeven, &Klokkeven::finished, &application, &QApplication::quit);
    klokkeven.show();
    return application.exec();
}
