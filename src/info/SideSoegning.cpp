#include "info/SideSoegning.h"

#include "platform/RegularFile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>
#include <vector>

namespace SideSoegning {

namespace {

bool ordTegn(QChar tegn)
{
    return tegn.isLetterOrNumber() || tegn == QLatin1Char('_');
}

// The simple case folding of the unit at `i`, as a case-insensitive
// QStringMatcher folds it: a surrogate with its partner as one character.
// Most of a page is ASCII, which needs no table.
char16_t foldet(const char16_t *tekst, qsizetype i, qsizetype n)
{
    const char16_t c = tekst[i];
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(tekst[i + 1]))
        return QChar::highSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(c, tekst[i + 1])));
    if (QChar::isLowSurrogate(c) && i > 0 && QChar::isHighSurrogate(tekst[i - 1]))
        return QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(tekst[i - 1], c)));
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

// One search for the whole folder: the word is folded and its skip table
// built once. The text is folded only where the search looks (Horspool:
// mostly one character in the word's length), where a case-insensitive
// QStringMatcher folds through its table at every character it compares.
class Soeger
{
public:
    explicit Soeger(const QString &ord) : m_ord(ord)
    {
        const qsizetype m = ord.size();
        m_foldet.resize(m);
        for (qsizetype j = 0; j < m; ++j)
            m_foldet[j] = foldet(QStringView(ord).utf16(), j, m);
        // Characters alike in the low byte share an entry, with the smallest shift.
        m_skift.fill(m);
        for (qsizetype j = 0; j + 1 < m; ++j)
            m_skift[m_foldet[j] & 0xff] = m - 1 - j;
    }

    bool iTekst(QStringView tekst) const
    {
        const qsizetype m = m_ord.size();
        if (m == 0)
            return false;
        const char16_t *t = tekst.utf16();
        const qsizetype n = tekst.size();
        const bool ordStart = ordTegn(m_ord.front());
        const bool ordSlut = ordTegn(m_ord.back());
        for (qsizetype i = 0; i + m <= n;) {
            const char16_t sidste = foldet(t, i + m - 1, n);
            if (sidste == m_foldet[m - 1] && lige(t, i, n)) {
                const qsizetype slut = i + m;
                const bool helt = !(ordStart && i > 0 && ordTegn(tekst.at(i - 1))) &&
                                  !(ordSlut && slut < n && ordTegn(tekst.at(slut)));
                if (helt)
                    return true;
            }
            i += m_skift[sidste & 0xff];
        }
        return false;
    }

private:
    // The word's other characters at `i`, last but one first.
    bool lige(const char16_t *t, qsizetype i, qsizetype n) const
    {
        for (qsizetype j = m_ord.size() - 2; j >= 0; --j) {
            if (foldet(t, i + j, n) != m_foldet[j])
                return false;
        }
        return true;
    }

    QString m_ord;
    std::vector<char16_t> m_foldet;
    std::array<qsizetype, 256> m_skift;
};

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
    return Soeger(ord).iTekst(tekst);
}

QStringList find(const QString &mappe, const QString &ord)
{
    QStringList fundne;
    const Soeger soeger(ord);
    QDirIterator filer(mappe, QDir::Files | QDir::Hidden | QDir::System);
    while (filer.hasNext()) {
        const QString sti = filer.next();
        if (const auto bytes = RegularFile::read(sti, RegularFile::textLimit))
            if (soeger.iTekst(sideTekst(*bytes)))
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
