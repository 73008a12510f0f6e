#include "FuzzFil.h"
#include "base/Indstillinger.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Indstillinger read;
    if (!Indstillingsfil::hent(fuzzFil(data, size), read))
        __builtin_trap();
    if (read.lydBar < 0 || read.lydBar > Indstillingsfil::kLydBarMaks || read.alarmAntal < 1 ||
        read.alarmAntal > Indstillingsfil::kAlarmAntalMaks || read.alarmLydGentagelse < 0 ||
        read.alarmLydGentagelse > Indstillingsfil::kGentagelseMaks || read.opstartIndex < 0 ||
        read.opstartIndex > 3)
        __builtin_trap();
    // Whatever was read is written whole and reads back the same after one round.
    if (!Indstillingsfil::gem(fuzzFil2(), read))
        __builtin_trap();
    Indstillinger once;
    if (!Indstillingsfil::hent(fuzzFil2(), once) || !Indstillingsfil::gem(fuzzFil2(), once))
        __builtin_trap();
    Indstillinger twice;
    if (!Indstillingsfil::hent(fuzzFil2(), twice) || !(twice == once))
        __builtin_trap();
    return 0;
}
