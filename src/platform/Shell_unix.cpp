#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The shell error code that comes nearest to why starting a program failed.
int codeForErrno(int error)
{
    using namespace ShellFejl;
    switch (error) {
    case ENOENT:
        return kFilIkkeFundet;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return kStiIkkeFundet;
    case EACCES:
    case EPERM:
        return kAdgangNaegtet;
    case ENOMEM:
    case E2BIG:
        return kIkkeHukommelse;
    case ENOEXEC:
    case ELIBBAD:
    case EINVAL:
        return kUgyldigProgram;
    case ETXTBSY:
        return kDelingsfejl;
    case EAGAIN:
    case EMFILE:
    case ENFILE:
        return kIkkeResourcer;
    default:
        // Not a code of the shell's table: reported as an unknown error.
        return 1;
    }
}

// Any result above the error codes says the request was taken.
constexpr int kStartet = kHoejesteFejlkode + 1;

} // namespace

int SystemShell::open(const QString &file, const QStringList &parameters)
{
    const QFileInfo info(file);
    if (!info.absoluteDir().exists())
        return ShellFejl::kStiIkkeFundet;
    if (!info.exists())
        return ShellFejl::kFilIkkeFundet;
    // A file the desktop is to run must be marked as a program; anything else
    // has no program that runs it.
    if (!info.isFile() || !info.isExecutable())
        return ShellFejl::kIngenAssociation;

    // Everything the child needs is made before the fork: after it, only
    // calls that are safe in a copy of a threaded process are made.
    const QByteArray program = QFile::encodeName(info.absoluteFilePath());
    std::vector<QByteArray> arguments{program};
    for (const QString &argument : parameters)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The child reports a failed exec through the pipe; a pipe closed by a
    // successful exec says the program runs.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return codeForErrno(errno);
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return codeForErrno(error);
    }
    if (child == 0) {
        // The started program runs on its own: the middle process ends at
        // once, so the program is never this process's child to reap.
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild > 0)
            _exit(0);
        if (grandchild == 0)
            execv(program.constData(), argv.data());
        // Either the second fork or the exec failed.
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == sizeof error ? codeForErrno(error) : kStartet;
}

QString SystemShell::startupFolder() const
{
    // The freedesktop autostart folder: $XDG_CONFIG_HOME/autostart, where an
    // unset or relative XDG_CONFIG_HOME means ~/.config. The rules say a
    // missing folder is made when something is to be put there.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    const QString folder = QDir::cleanPath(config + QStringLiteral("/autostart"));
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir() ? folder : QString();
}
