#include "base/TextListFile.h"

#include "base/AtomicFile.h"
#include "base/Windows1252.h"
#include "platform/RegularFile.h"

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
    QString text =
        unicode ? QString(QStringDecoder(*unicode)(*bytes)) : Windows1252::decode(*bytes);
    if (text.isEmpty())
        return QStringList();

    // A UTF-16 file may hold a half of a surrogate pair; it becomes the
    // replacement character, so no later step meets invalid text.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }

    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    // The break after the last line ends that line; it does not start another.
    if (start < text.size())
        lines.append(text.mid(start));
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
