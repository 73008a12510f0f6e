#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The calendar's folders and documents: one folder per date below the user's
// calendar folder, one RTF file per document directly in it.
namespace Kalender {

// The most characters a document name may have.
inline constexpr int kNavnMaks = 36;

// "03 Marts": the month's number in two digits and its Danish name.
QString makeMonth(int M);
// "05 Tirsdag": the day's number in two digits and the Danish name of the
// weekday (1 Monday to 7 Sunday, as QDate::dayOfWeek gives it).
QString makeDay(int D, int ugedag);
// brugerKalenderMappe/2024/03 Marts/05 Tirsdag.
QString datoMappe(const QString &brugerKalenderMappe, QDate dato);
// The short date form, also a document name: 30-10-2013 on every platform.
QString kortDato(QDate dato);

// One field of "Opdater" applied alone: the date with that day, month or
// year, or the date as it was when the value cannot be applied (below 1, a
// month above 12, a day the month does not have, a day the new month or
// year does not have).
QDate medDag(QDate dato, int dag);
QDate medMaaned(QDate dato, int maaned);
QDate medAar(QDate dato, int aar);

// The names of the documents in a date folder, without ".rtf", in the order
// the file system lists them; subfolders are passed over. Nothing when the
// folder cannot be listed.
std::optional<QStringList> loadRtfFiler(const QString &mappe);
QString dokumentSti(const QString &mappe, const QString &navn);

// The name a typed document name is saved under: its last extension is
// dropped (Møde.txt is saved as Møde). A name the file system would refuse,
// or that could reach outside the date folder, gives a message instead.
struct Dokumentnavn
{
    QString navn;
    QString fejl; // empty when the name can be used
};
Dokumentnavn dokumentNavn(const QString &tekst);

// The first check of saving that fails, as its message; nothing when the
// document can be saved.
std::optional<QString> gemFejl(const QString &mappe, bool mappeFindes, const QString &navn,
                               bool tekstTom);

// The start-up choices of the document viewer.
enum class Opstart
{
    Foerste = 0,
    Information = 1,
    Dato = 2,
    Dagbog = 3,
};
// The position of the document the viewer opens on: the one the choice names,
// found without regard to case, or else the first; -1 for an empty list.
int startIndex(const QStringList &dokumenter, Opstart valg, QDate dato);

} // namespace Kalender
