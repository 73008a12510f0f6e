#pragma once

#include <QString>

// The text of one value of the digital field: at least two digits.
QString STid(quint16 value);

// What a screen reader reads of a clock that shows that time of day.
QString KlokkenEr(quint16 Timer, quint16 Minutter);

struct TidDele
{
    quint16 Timer = 0;
    quint16 Minutter = 0;
    quint16 Sekunder = 0;
};

// Whole seconds as hours, minutes and seconds; zero or less is all zero.
TidDele DelSekunder(qint64 sekunder);
