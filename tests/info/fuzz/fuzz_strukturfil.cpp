#include "../../base/fuzz/FuzzFil.h"
#include "base/TextListFile.h"
#include "info/Strukturfil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The same bytes serve as a structure file and as a data file.
    const std::optional<QStringList> lines = TextListFile::read(fuzzFil(data, size));
    if (!lines)
        __builtin_trap();
    const Strukturfil::Struktur struktur = Strukturfil::fortolk(*lines);
    int niveau = 0;
    for (const Strukturfil::Knude &knude : struktur.knuder) {
        // A node is at most one level below the one before it.
        if (knude.niveau < 0 || knude.niveau > niveau + 1)
            __builtin_trap();
        niveau = knude.niveau;
    }
    const qsizetype antal = struktur.knuder.size();
    const Strukturfil::Data standard =
        Strukturfil::fortolkData(Strukturfil::standardData(struktur.knuder), antal);
    if (standard.knuder.size() != antal || !standard.fejl.isEmpty())
        __builtin_trap();
    if (Strukturfil::fortolkData(*lines, antal).knuder.size() != antal)
        __builtin_trap();
    return 0;
}
