#include "app/TextListFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252 bytes of a line; a character the code page lacks becomes "?",
// as the system's own conversion does.
QByteArray toWindows1252(const QString &line)
{
    QStringEncoder encode("windows-1252");
    QByteArray bytes = encode(line);
    if (!encode.hasError())
        return bytes;
    bytes.clear();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        QStringEncoder one("windows-1252");
        const QByteArray encoded = one(QStringView(line).mid(i, length));
        bytes += one.hasError() ? QByteArray("?") : encoded;
        i += length - 1;
    }
    return bytes;
}

} // namespace

namespace TextListFile {

std::optional<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    QStringDecoder decode("windows-1252");
    const QString text = decode(bytes);
    if (text.isEmpty())
        return QStringList();

    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    // The break after the last line ends that line; it does not start another.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace TextListFile
