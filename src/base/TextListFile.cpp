#include "base/TextListFile.h"

#include "base/AtomicFile.h"
#include "base/Windows1252.h"
#include "platform/RegularFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace TextListFile {

QByteArray toWindows1252(const QString &text)
{
    return Windows1252::encode(text);
}

std::optional<QStringList> read(const QString &path)
{
    const std::optional<QByteArray> bytes = RegularFile::read(path, RegularFile::textLimit);
    if (!bytes)
        return std::nullopt;

    // A file saved by hand in a Unicode form says so with its byte-order mark,
    // which the decoder then drops.
    const auto unicode = QStringConverter::encodingForData(*bytes);
    const QString text =
        unicode ? QString(QStringDecoder(*unicode)(*bytes)) : Windows1252::decode(*bytes);
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
    return writeAtomically(path, bytes);
}

} // namespace TextListFile
