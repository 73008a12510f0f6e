#include "base/DataFolders.h"

#include "base/AtomicFile.h"
#include "platform/DataLocation.h"
#include "platform/UserName.h"

#include <QDir>

namespace {

void create(const QString &folder)
{
    // A failure (a file in the way, no permission) is not reported here: the
    // parts that read and write in the folder meet it there.
    QDir().mkpath(folder);
}

} // namespace

QString DataFolders::GetUserFromWindows(const UserName &userName)
{
    return userName.loginName().value_or(QStringLiteral("Brugernavn"));
}

DataFolders::DataFolders(const QString &programDir, const QString &brugernavn)
    : Brugernavn(brugernavn), ProgramDir(programDir)
{
    const QString sep = DataLocation::separator();
    strukturDir = ProgramDir + sep + QStringLiteral("Struktur");

    if (!Brugernavn.isEmpty()) {
        optDir = ProgramDir + sep + Brugernavn;
        create(optDir);
        brugerKalenderMappe = optDir + sep + QStringLiteral("Kalender");
        create(brugerKalenderMappe);
        alarmDir = optDir + sep + QStringLiteral("Alarmer");
        create(alarmDir);
        alarmTekster = optDir + sep + QStringLiteral("Alarmtekster");
        create(alarmTekster);
        optDir = optDir + sep + QStringLiteral("Egenskaber");
        create(optDir);
    } else {
        optDir = ProgramDir + sep + QStringLiteral("Egenskaber");
        create(optDir);
        alarmDir = ProgramDir + sep + QStringLiteral("Alarmer");
        create(alarmDir);
        alarmTekster = ProgramDir + sep + QStringLiteral("Alarmtekster");
        create(alarmTekster);
        brugerKalenderMappe = ProgramDir + sep + QStringLiteral("Kalender");
        create(brugerKalenderMappe);
    }
    alarmDir += sep;
    alarmTekster += sep;

    GemHentDir = optDir + sep + QStringLiteral("GemHent");
    create(GemHentDir);
    GemHentDir += sep;

    filnavnOpt = optDir + sep + QStringLiteral("egenskaber.txt");
    filnavnLook = optDir + sep + QStringLiteral("look.txt");
    filnavnDesign = optDir + sep + QStringLiteral("design.txt");
    LydDir = ProgramDir + sep + QStringLiteral("Alarmlydfiler");
    alarmLaas = (Brugernavn.isEmpty() ? ProgramDir : ProgramDir + sep + Brugernavn) + sep +
                QStringLiteral("alarmer.lock");

    // The folders the program writes its files into atomically: a write cut short
    // by a crash or a power cut left its temporary file there.
    for (const QString &folder : {optDir, alarmDir, alarmTekster, GemHentDir})
        AtomicFile::removeLeftovers(folder);
}

QString DataFolders::optFile(const QString &name) const
{
    return optDir + DataLocation::separator() + name;
}
