#include "app/Klokkeven.h"
#include "dialogs/MessageBoxMessages.h"
#include "platform/DataLocation.h"
#include "platform/Desktop.h"
#include "platform/SystemPlatform.h"
#include "platform/TerminationSignals.h"
#include "ui/Programidentitet.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr char kHjaelp[] = "Brug: klokkeven [--help | --version]\n"
                           "Klokkeven er et skrivebordsur med alarmer, kalender og stopur.\n"
                           "Programmet tager ingen andre argumenter.\n"
                           "\n"
                           "  -h, --help     vis denne hjælp\n"
                           "  -v, --version  vis programmets version\n";

// Answers --help and --version on the terminal, before any window or display
// is needed. Returns the exit code when the program is to end here.
std::optional<int> svarPaaArgumenter(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHjaelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::fputs("Klokkeven " KLOKKEVEN_VERSION "\n", stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> slut = svarPaaArgumenter(argc, argv))
        return *slut;
    Desktop::foerStart();
    QApplication application(argc, argv);
    // The toolkit has taken its own options; anything left is not ours.
    if (const QStringList rest = application.arguments().mid(1); !rest.isEmpty()) {
        std::fprintf(stderr, "klokkeven: ukendt argument: %s\n\n%s", qPrintable(rest.first()),
                     kHjaelp);
        return 2;
    }
    // Qt's raster engine splits large gradient fills (a tall scroll bar in the
    // Fusion style) over the global pool. A desktop clock needs no more than
    // one helper for that, and no helper left waiting once the fill is done.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QThreadPool::globalInstance()->setExpiryTimeout(0);
    Programidentitet::saet();
    Programidentitet::indlaesQtsDanskeTekster(application);
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
