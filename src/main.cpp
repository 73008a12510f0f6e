#include "app/Klokkeven.h"
#include "dialogs/MessageBoxMessages.h"
#include "platform/DataLocation.h"
#include "platform/SystemPlatform.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Klokkeven"));
    // The program ends when the main window closes, not when the last window
    // does: the tray icon and hidden windows live on until then.
    application.setQuitOnLastWindowClosed(false);
    // Taken before the windows are built, so that a request to end that comes
    // during start-up waits for the message loop instead of killing the
    // program unsaved.
    TerminationSignals terminationSignals;

    SystemPlatform system;
    MessageBoxMessages messages;
    Klokkeven klokkeven(DataLocation::defaultProgramDir(), DataLocation::installedDataDir(),
                        system.services(), messages);

    // Ending the program by any road saves it the way "Luk uret" does, once.
    bool finished = false;
    QObject::connect(&klokkeven, &Klokkeven::finished, &application, [&] {
        finished = true;
        application.quit();
    });
    const auto closeProgram = [&] {
        if (!finished)
            klokkeven.close();
    };
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &klokkeven,
                     closeProgram);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &klokkeven, closeProgram);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &klokkeven, closeProgram);

    klokkeven.show();
    return application.exec();
}
