#include "FuzzFil.h"
#include "base/TextListFile.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<QStringList> lines = TextListFile::read(fuzzFil(data, size));
    if (!lines)
        __builtin_trap();
    for (const QString &line : *lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            __builtin_trap();
    }
    // Written and read again, the lines are what a second round gives too.
    if (!TextListFile::write(fuzzFil2(), *lines))
        __builtin_trap();
    const std::optional<QStringList> once = TextListFile::read(fuzzFil2());
    if (!once || once->size() != lines->size() || !TextListFile::write(fuzzFil2(), *once))
        __builtin_trap();
    if (TextListFile::read(fuzzFil2()) != once)
        __builtin_trap();
    return 0;
}
