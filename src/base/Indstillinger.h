#pragma once

#include "base/EgenskabsSide.h"

#include <QRect>
#include <QString>
#include <optional>

// The options of the properties window and of the pages on its tabs, as the
// options file "design.txt" keeps them. A default-made value holds what the
// program uses without a file.
struct Indstillinger
{
    QString designName = QStringLiteral("Iceberg Classico");
    int alarmIndex = 0;
    int alarmAntal = 1;
    EgenskabsSide side = EgenskabsSide::Egenskaber;
    // Full volume: a first start that is silent would let every alarm pass unheard.
    int lydBar = 28;
    int alarmLydIndex = 0;
    int alarmLydGentagelse = 0;
    QString fontNameDoc = QStringLiteral("Courier New");
    int fontSizeDoc = 10;
    QString alarmMemoFontName = QStringLiteral("Courier New");
    int alarmMemoFontSize = 10;
    QString fontNameDocK = QStringLiteral("Courier New");
    int fontSizeDocK = 10;
    bool opstartCheck = true;
    int opstartIndex = 0;
    // Top, left, outer width and outer height; none: centred at the built-in size.
    std::optional<QRect> vindue;
    bool stopUrCheck = false;
    bool runVisCheck = false;
    QString startProgFilename;

    friend bool operator==(const Indstillinger &, const Indstillinger &) = default;
};

// A part of the properties window that keeps lines of the options file: it
// takes them once the file is read and gives them back before it is written,
// so the window loops over its parts without knowing their lines.
class IndstillingsDel
{
public:
    virtual ~IndstillingsDel() = default;
    virtual void hentIndstillinger(const Indstillinger &indstillinger) = 0;
    virtual void gemIndstillinger(Indstillinger &indstillinger) const = 0;
};

// The options file: 22 lines through the text-list-file helper.
namespace Indstillingsfil {

inline constexpr int kLydBarMaks = 28;
inline constexpr int kAlarmAntalMaks = 99;

// Reads the file over `indstillinger`. Lines 1 to 19 are taken as far as the
// file holds them; lines 20 to 22 only when the file has exactly 22 lines.
// A line that does not hold what it should (text for a number, a number out
// of range) keeps the value it replaces. False when there is no readable
// file: then nothing changes.
bool hent(const QString &path, Indstillinger &indstillinger);

// The 22 lines, in file order.
QStringList linjer(const Indstillinger &indstillinger);

// Writes the 22 lines, replacing the file; the old file stays whole on failure.
bool gem(const QString &path, const Indstillinger &indstillinger);

// A stored new-alarm sound index at or beyond the end of the sound list
// becomes the list's last entry.
int senkLydIndex(int alarmLydIndex, int antalLyde);

} // namespace Indstillingsfil
