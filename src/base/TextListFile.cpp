#include "base/TextListFile.h"

#include "base/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextListFile {

QByteArray toWindows1252(const QString &text)
{
    QStringEncoder encode("windows-1252");
    QByteArray bytes = encode(text);
    if (!encode.hasError())
        return bytes;
    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one("windows-1252");
        const QByteArray encoded = one(QStringView(text).mid(i, length));
        bytes += one.hasError() ? QByteArray("?") : encoded;
        i += length - 1;
    }
    return bytes;
}

std::optional<QStringList> read(const QString &path)
{
    const std::optional<QByteArray> bytes = RegularFile::read(path, RegularFile::textLimit);
    if (!bytes)
        return std::nullopt;

    // A file saved by hand in a Unicode form says so with its byte-order mark,
    // which the decoder then drops.
    const auto unicode = QStringConverter::encodingForData(*bytes);
    QStringDecoder decode = unicode ? QStringDecoder(*unicode) : QStringDecoder("windows-1252");
    const QString text = decode(*bytes);
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
