#include "launcher/OpstartGenvej.h"

#include "dialogs/Messages.h"
#include "platform/DataLocation.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString mislykketTekst()
{
    return QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
}

} // namespace

OpstartGenvej::OpstartGenvej(OpstartStier stier, Shell &shell, Messages &messages,
                             std::function<void(const QString &)> infoVindue,
                             QString startProgFilename, QObject *parent)
    : QObject(parent), m_stier(std::move(stier)), m_shell(shell), m_messages(messages),
      m_infoVindue(std::move(infoVindue)), m_startProgFilename(std::move(startProgFilename))
{
    m_startProgTimer.setInterval(kTickMs);
    connect(&m_startProgTimer, &QTimer::timeout, this, &OpstartGenvej::startProgTimerTimer);
}

QString OpstartGenvej::scriptNavn()
{
#ifdef Q_OS_WIN
    return QStringLiteral("createShortcut.vbs");
#else
    return QStringLiteral("createShortcut.sh");
#endif
}

QString OpstartGenvej::genvejNavn()
{
#ifdef Q_OS_WIN
    return QStringLiteral("urProgram.lnk");
#else
    return QStringLiteral("urProgram.desktop");
#endif
}

QString OpstartGenvej::startCaption(const QString &startProgFilename)
{
    return !startProgFilename.isEmpty() && QFileInfo::exists(startProgFilename)
               ? QStringLiteral("Fjern")
               : QStringLiteral("Udfør");
}

QStringList OpstartGenvej::parametre(const QString &programFil, const QString &genvejFil)
{
    return {programFil, genvejFil};
}

void OpstartGenvej::startProgDoButtonClick()
{
    vis(QStringLiteral("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                       "Der bringes en information, når funktionen er gennemført."));
    makeOpstartProg();
    Q_EMIT trykket();
}

void OpstartGenvej::makeOpstartProg()
{
    if (m_stier.programFil.isEmpty() || !QFileInfo(m_stier.programFil).isFile()) {
        vis(QStringLiteral("Programfilen blev ikke fundet."));
        return;
    }
    const QString sep = DataLocation::separator();
    QString genvej;
    if (QFileInfo(m_stier.optDir).isDir()) {
        genvej = m_stier.optDir + sep + genvejNavn();
        koerScript(m_stier.strukturDir + sep + scriptNavn(),
                   parametre(QDir::toNativeSeparators(m_stier.programFil), genvej));
    }
    // A press while the watch runs starts it over: there is one watch only.
    m_SPtimerFilename = genvej;
    m_SPtimerCount = 0;
    m_startProgTimer.start();
}

void OpstartGenvej::koerScript(const QString &fil, const QStringList &parametre)
{
    if (!QFileInfo::exists(fil)) {
        vis(QStringLiteral("Der synes at mangle en fil til skabelse af en genvej."));
        return;
    }
    const int code = m_shell.open(fil, parametre);
    if (code <= kHoejesteFejlkode)
        ErrorInfo(code);
}

void OpstartGenvej::ErrorInfo(int code)
{
    vis(::ErrorInfo(code));
}

void OpstartGenvej::startProgTimerTimer()
{
    ++m_SPtimerCount;
    if (!m_SPtimerFilename.isEmpty() && QFileInfo(m_SPtimerFilename).isFile()) {
        // Stopped before any message, so no tick comes while one is open.
        stop();
        const QString startupMappe = m_shell.startupFolder();
        if (startupMappe.isEmpty() || !QFileInfo(startupMappe).isDir()) {
            vis(QStringLiteral("Startup-mappen kunne ikke findes."));
            return;
        }
        if (!indfoerEllerFjern(startupMappe))
            vis(mislykketTekst());
        return;
    }
    if (m_SPtimerCount >= kTicks)
        mislykket();
}

bool OpstartGenvej::indfoerEllerFjern(const QString &startupMappe)
{
    const QString installeret =
        startupMappe + DataLocation::separator() + QFileInfo(m_SPtimerFilename).fileName();
    const QFileInfo fundet(installeret);
    if (fundet.exists() || fundet.isSymLink()) {
        if (!QFile::remove(installeret))
            return false;
        m_startProgFilename.clear();
        Q_EMIT caption(QStringLiteral("Indfør"));
        vis(QStringLiteral("Programmet blev fjernet som StartUp-program."));
        return true;
    }
    // Never over a file: copy refuses a target that exists.
    if (!QFile::copy(m_SPtimerFilename, installeret))
        return false;
    m_startProgFilename = installeret;
    Q_EMIT caption(QStringLiteral("Fjern"));
    vis(QStringLiteral("Programmet er indført som StartUp-program."));
    return true;
}

void OpstartGenvej::vis(const QString &tekst)
{
    m_messages.notice(tekst, m_infoVindue);
}

void OpstartGenvej::stop()
{
    m_startProgTimer.stop();
    m_SPtimerCount = 0;
}

void OpstartGenvej::mislykket()
{
    stop();
    vis(mislykketTekst());
}
