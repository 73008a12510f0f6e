#include "../../base/fuzz/FuzzFil.h"
#include "appearance/UrDesignfil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<QStringList> lines = UrDesignfil::hent(fuzzFil(data, size));
    if (!lines)
        return 0;
    if (lines->size() != UrDesignfil::kAntalLinjer)
        __builtin_trap();
    for (const QString &line : *lines) {
        const std::optional<int> value = UrDesignfil::heltal(line);
        if (!value)
            UrDesignfil::talFejl(QStringLiteral("input.txt"), 1, line);
    }
    return 0;
}
