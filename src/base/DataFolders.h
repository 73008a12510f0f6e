#pragma once

#include <QString>

class UserName;

// Every data path of the program, computed once when the main window is
// created. Folder paths that callers append a bare file name to end in the
// separator (alarmDir, alarmTekster, GemHentDir); the others do not.
class DataFolders
{
public:
    // Computes the paths below programDir for the user and creates the
    // user's folders that are missing. A folder that cannot be created is
    // passed over; its path is set all the same. Temporary files that
    // interrupted writes left in optDir, alarmDir, alarmTekster and GemHentDir
    // are deleted.
    DataFolders(const QString &programDir, const QString &brugernavn);

    // The login name, or "Brugernavn" when the platform cannot tell it.
    static QString GetUserFromWindows(const UserName &userName);

    // The path of a settings file in optDir.
    QString optFile(const QString &name) const;

    QString Brugernavn;
    QString ProgramDir;
    QString strukturDir;
    QString optDir;
    QString brugerKalenderMappe;
    QString alarmDir;
    QString alarmTekster;
    QString GemHentDir;
    QString filnavnOpt;
    QString filnavnLook;
    QString filnavnDesign;
    QString LydDir;
    // The lock file in the user's folder held by the one copy that fires alarms.
    QString alarmLaas;
};
