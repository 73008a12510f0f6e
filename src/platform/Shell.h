#pragma once

#include <QString>
#include <QStringList>

// The desktop's shell: opening a file with the program associated with it,
// and the folder whose shortcuts start with the user's desktop session.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens file with its associated program and hands it parameters, each
    // one argument as it is, whatever characters it holds. Returns at once,
    // without waiting for the started program: a code above
    // kHoejesteFejlkode when the platform took the request, otherwise one of
    // the shell's error codes that ErrorInfo explains.
    virtual int open(const QString &file, const QStringList &parameters) = 0;

    // The user's start-up folder, created where the platform's rules say it
    // is made on demand; empty when the platform cannot tell it.
    virtual QString startupFolder() const = 0;
};

class SystemShell final : public Shell
{
public:
    int open(const QString &file, const QStringList &parameters) override;
    QString startupFolder() const override;
};

// Results of Shell::open at or below this value are errors.
inline constexpr int kHoejesteFejlkode = 32;

// The shell's error codes that have a message of their own.
namespace ShellFejl {
inline constexpr int kIkkeResourcer = 0;
inline constexpr int kFilIkkeFundet = 2;
inline constexpr int kStiIkkeFundet = 3;
inline constexpr int kAdgangNaegtet = 5;
inline constexpr int kIkkeHukommelse = 8;
inline constexpr int kUgyldigProgram = 11;
inline constexpr int kDelingsfejl = 26;
inline constexpr int kAssociationUkomplet = 27;
inline constexpr int kDdeTidUde = 28;
inline constexpr int kDdeFejl = 29;
inline constexpr int kDdeOptaget = 30;
inline constexpr int kIngenAssociation = 31;
inline constexpr int kDllIkkeFundet = 32;
} // namespace ShellFejl

// The message a user sees for a shell error code: "Fejlinformation:", a line
// break ("\r") and the code's explanation; a code without one of its own is
// an unknown error.
QString ErrorInfo(int code);
