#include "info/SideSoegning.h"

#include "platform/RegularFile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringMatcher>

namespace SideSoegning {

namespace {

bool ordTegn(QChar tegn)
{
    return tegn.isLetterOrNumber() || tegn == QLatin1Char('_');
}

// One matcher for the whole search: its skip table is built once, not at
// every occurrence of a frequent word that fails the whole-word test.
bool indeholderOrd(QStringView tekst, const QStringMatcher &matcher)
{
    const QString ord = matcher.pattern();
    if (ord.isEmpty())
        return false;
    const bool ordStart = ordTegn(ord.front());
    const bool ordSlut = ordTegn(ord.back());
    for (qsizetype i = matcher.indexIn(tekst); i >= 0; i = matcher.indexIn(tekst, i + 1)) {
        const qsizetype slut = i + ord.size();
        if (ordStart && i > 0 && ordTegn(tekst.at(i - 1)))
            continue;
        if (ordSlut && slut < tekst.size() && ordTegn(tekst.at(slut)))
            continue;
        return true;
    }
    return false;
}

} // namespace

QString sideTekst(const QByteArray &bytes)
{
    if (const auto unicode = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decode(*unicode);
        return decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString tekst = utf8(bytes);
    if (!utf8.hasError())
        return tekst;
    QStringDecoder ansi("windows-1252");
    return ansi(bytes);
}

bool indeholderOrd(const QString &tekst, const QString &ord)
{
    return indeholderOrd(tekst, QStringMatcher(ord, Qt::CaseInsensitive));
}

QStringList find(const QString &mappe, const QString &ord)
{
    QStringList fundne;
    const QStringMatcher matcher(ord, Qt::CaseInsensitive);
    QDirIterator filer(mappe, QDir::Files | QDir::Hidden | QDir::System);
    while (filer.hasNext()) {
        const QString sti = filer.next();
        if (const auto bytes = RegularFile::read(sti, RegularFile::textLimit))
            if (indeholderOrd(sideTekst(*bytes), matcher))
                fundne.append(QFileInfo(sti).completeBaseName());
    }
    return fundne;
}

QUrl webSoegning(const QString &tekst)
{
    QUrl url(QStringLiteral("https://www.google.com/search"));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(tekst)),
                 QUrl::StrictMode);
    return url;
}

} // namespace SideSoegning
