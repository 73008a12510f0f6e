#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// The readers under fuzzing read files: each input becomes the file at the
// returned path, in a folder that lives as long as the fuzzer.
inline QString fuzzFil(const uint8_t *data, size_t size)
{
    static QTemporaryDir mappe;
    const QString path = mappe.filePath(QStringLiteral("input.txt"));
    QFile fil(path);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        fil.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    return path;
}

// A second file beside it, for what a reader's result is written back to.
inline QString fuzzFil2()
{
    static QTemporaryDir mappe;
    return mappe.filePath(QStringLiteral("output.txt"));
}
