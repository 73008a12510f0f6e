#include "base/WindowOptionFile.h"

#include "base/TextListFile.h"

namespace WindowOptionFile {

std::optional<QList<int>> read(const QString &path, int count)
{
    const std::optional<QStringList> lines = TextListFile::read(path);
    if (!lines || lines->size() < count)
        return std::nullopt;
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        const int value = lines->at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        values.append(value);
    }
    return values;
}

bool write(const QString &path, const QList<int> &values)
{
    QStringList lines;
    for (int value : values)
        lines.append(QString::number(value));
    return TextListFile::write(path, lines);
}

} // namespace WindowOptionFile
