#include "platform/Shell.h"

QString ErrorInfo(int code)
{
    using namespace ShellFejl;
    QString tekst;
    switch (code) {
    case kIkkeResourcer:
        tekst = QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
        break;
    case kFilIkkeFundet:
        tekst = QStringLiteral("Den specificerede fil blev ikke fundet.");
        break;
    case kStiIkkeFundet:
        tekst = QStringLiteral("Stien blev ikke fundet.");
        break;
    case kAdgangNaegtet:
        tekst = QStringLiteral("Operationssystemet forbød adgang til filen.");
        break;
    case kIkkeHukommelse:
        tekst = QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
        break;
    case kUgyldigProgram:
        tekst =
            QStringLiteral("Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
        break;
    case kDelingsfejl:
        tekst = QStringLiteral("Der opstod en \"sharing violation\".");
        break;
    case kAssociationUkomplet:
        // The shell's own wording has no full stop here.
        tekst = QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
        break;
    case kDdeTidUde:
        tekst = QStringLiteral(
            "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
        break;
    case kDdeFejl:
        tekst = QStringLiteral("\"DDE transaction\" mislykkedes.");
        break;
    case kDdeOptaget:
        tekst = QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                               "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.");
        break;
    case kIngenAssociation:
        tekst = QStringLiteral("Der er ikke associeret noget program til givne filefternavn.\r"
                               "Der er muligvist valgt: For redigering.\r"
                               "Der skal muligvist vælges: For kørsel.");
        break;
    case kDllIkkeFundet:
        tekst =
            QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
        break;
    default:
        tekst = QStringLiteral("Meningsløs operation eller ukendt fejl.");
        break;
    }
    return QStringLiteral("Fejlinformation:\r") + tekst;
}
