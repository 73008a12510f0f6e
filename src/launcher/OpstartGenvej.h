#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class Messages;
class Shell;

// Where the start-up shortcut's pieces lie.
struct OpstartStier
{
    // The running program's file.
    QString programFil;
    // The settings folder, where the script makes the shortcut.
    QString optDir;
    // The folder of the information pages, which holds the shortcut script.
    QString strukturDir;
};

// The start-up shortcut: a script of the installation makes a shortcut to
// the program in the settings folder; once it is there, it is copied into
// the user's start-up folder, or, when one of that name is there already,
// that one is taken out. The script runs on its own: the shortcut is watched
// for once a second, ten times at most.
class OpstartGenvej : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTicks = 10;
    static constexpr int kTickMs = 1000;

    // Every message is a notice of `messages` for the information window
    // `infoVindue`. startProgFilename: the installed shortcut as the options
    // file remembers it.
    OpstartGenvej(OpstartStier stier, Shell &shell, Messages &messages,
                  std::function<void(const QString &)> infoVindue, QString startProgFilename,
                  QObject *parent = nullptr);

    // The script and the shortcut file of this platform.
    static QString scriptNavn();
    static QString genvejNavn();
    // The button's caption at start: "Fjern" while the remembered shortcut
    // exists, "Udfør" otherwise.
    static QString startCaption(const QString &startProgFilename);
    // The script's parameters: the two paths, each one argument as it is.
    static QStringList parametre(const QString &programFil, const QString &genvejFil);

    // The button: a notice, then the request.
    void startProgDoButtonClick();
    // Has the script make the shortcut and starts watching for it.
    void makeOpstartProg();
    // One look for the shortcut.
    void startProgTimerTimer();
    // Runs the script with the parameters through the shell; an error
    // is shown and the caller goes on.
    void koerScript(const QString &fil, const QStringList &parametre);
    // Shows the message of a shell error code.
    void ErrorInfo(int code);

    const QString &startProgFilename() const { return m_startProgFilename; }
    const QString &SPtimerFilename() const { return m_SPtimerFilename; }
    int SPtimerCount() const { return m_SPtimerCount; }
    const QTimer &startProgTimer() const { return m_startProgTimer; }

Q_SIGNALS:
    // The button's caption changed with the shortcut's state.
    void caption(const QString &tekst);
    // The button was pressed: the options may be saved now.
    void trykket();

private:
    void vis(const QString &tekst);
    void stop();
    void mislykket();
    // Installs or removes the shortcut; false when copying or deleting failed.
    bool indfoerEllerFjern(const QString &startupMappe);

    const OpstartStier m_stier;
    Shell &m_shell;
    Messages &m_messages;
    const std::function<void(const QString &)> m_infoVindue;
    QString m_startProgFilename;
    QString m_SPtimerFilename;
    int m_SPtimerCount = 0;
    QTimer m_startProgTimer;
};
