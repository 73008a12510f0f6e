#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class QTextDocument;

// The kinds of alarm, by the number a description file stores.
enum class AlarmType : quint8
{
    Daglig = 0, // every day
    Dato = 1,   // once, on its date; its files go when it has fired
    Aarlig = 2, // every year on its day
};

// One alarm in memory, as read from its description file.
struct TAlarmRecord
{
    quint16 aar = 0, maaned = 0, dag = 0, time = 0, minut = 0;
    AlarmType alarmtype = AlarmType::Daglig;
    quint8 gentagelse = 0;
    qint32 alarmfil = 0;
    QString overskrift, tekstfilnavn, filnavn, aarS, maanedS, dagS, timeS, minutS;
    // The description file this record was read from; empty for a record made in memory.
    // A copied file still names the original in lines 10 and 11, so only this path says
    // which pair the record is.
    QString kilde;
};

// The decimal text of aVal, with a "0" in front when that text has one character.
QString getStr(int aVal);

// The alarm pair: a description file of eleven lines in alarmDir and an RTF text
// file in alarmTekster, both named after the alarm's date and minute.
namespace AlarmFile {

// A field of decimal digits only, within int; nothing otherwise, so that a sign or a
// blank never passes for a number, neither in a file name nor in a typed field.
std::optional<int> decimalFelt(QStringView felt);

// "2015-12-24-18-00": the year text, then month, day, hour and minute by getStr.
QString stem(const QString &aarS, int maaned, int dag, int time, int minut);

// The five numbers of a file name that follows the stem scheme (five "-"-separated
// decimal fields, then ".txt" in any case); nothing for any other name.
struct Navn
{
    int aar = 0, maaned = 0, dag = 0, time = 0, minut = 0;
};
std::optional<Navn> parseNavn(const QString &fileName);

// Reads one description file. Nothing when it cannot be read: missing, fewer than eleven lines,
// a line 1..8 that is not a decimal integer. `error` (if given) gets a short Danish reason.
// Numbers too wide for their field keep their low bits; the heading keeps its first 36
// characters and the five date texts their first 4; lines after the eleventh are ignored.
std::optional<TAlarmRecord> loadAlarm(const QString &aFilename, QString *error = nullptr);

// Writes the eleven lines to alarm.filnavn, replacing any file there. The date and time
// lines are the texts aarS..minutS as they are; an empty heading is written as
// "Ingen overskrift". False when the file cannot be written; the old file then stays.
bool skrivAlarmfil(const TAlarmRecord &alarm);

// Deletes the text file, then the description file, each only if it exists. Both are
// found by the name of the file the record was read from (alarm.kilde) in alarmTekster
// and alarmDir (each ending in the separator); lines 10 and 11 are never used, so a copied,
// damaged or planted description file deletes its own pair and nothing else. A record
// not read from a file deletes nothing.
void sletAlarm(const TAlarmRecord &alarm, const QString &alarmDir, const QString &alarmTekster);

// Deletes the pair of the description file named `navn` (a bare file name, as found in
// alarmDir): alarmTekster + navn, then alarmDir + navn, each only if it exists. True when
// neither is left afterwards; false when a file could not be deleted (held by another
// program, a read-only folder) or the name is not a bare file name.
bool sletAlarmfiler(const QString &navn, const QString &alarmDir, const QString &alarmTekster);

// Writes an alarm's pair: the text as RTF to alarm.tekstfilnavn, then the description
// file. The text goes first, so a failed write never leaves a new description without
// its text; a text written for a description that then cannot be written is taken
// away again, unless it replaced an existing pair. False when either write failed.
bool skrivAlarm(const TAlarmRecord &alarm, const QTextDocument &tekst);

// The one information text that tells of skipped description files: one file by name
// with its reason; several by a count, the first few by name and reason, and the
// number of the rest. Empty when nothing was skipped.
QString skippedMessage(const QStringList &paths, const QHash<QString, QString> &reasons);

// Full paths (alarmDir + name) of the files, hidden ones too, not folders, in listing order.
// Temporary files of writes in progress are left out.
QStringList addAlarmer(const QString &alarmDir);

} // namespace AlarmFile
