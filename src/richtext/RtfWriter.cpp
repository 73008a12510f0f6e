#include "RtfWriter.h"

#include "RtfUnits.h"
#include "base/Windows1252.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace {

// For each UTF-16 unit that Windows-1252 holds above ASCII, its byte.
const QHash<char16_t, uchar> &ansiBytes()
{
    static const QHash<char16_t, uchar> table = [] {
        QHash<char16_t, uchar> t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char c = char(b);
            t.insert(Windows1252::decode(QByteArrayView(&c, 1)).at(0).unicode(), uchar(b));
        }
        return t;
    }();
    return table;
}

void appendEscaped(QByteArray &out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    const auto &ansi = ansiBytes();
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == '\\' || c == '{' || c == '}')
                out.append('\\');
            out.append(char(c));
            continue;
        }
        switch (c) {
        case u'\t':
            out.append("\\tab ");
            continue;
        case 0x2028:
            out.append("\\line ");
            continue;
        case 0x00A0:
            out.append("\\~");
            continue;
        case 0x00AD:
            out.append("\\-");
            continue;
        case 0x2011:
            out.append("\\_");
            continue;
        case 0xFFFC:
            continue; // images are written from their format
        default:
            break;
        }
        if (c < 0x20)
            continue;
        const auto it = ansi.constFind(c);
        if (it != ansi.cend()) {
            out.append("\\'").append(hex[*it >> 4]).append(hex[*it & 15]);
        } else {
            out.append("\\u").append(QByteArray::number(int(static_cast<short>(c)))).append('?');
        }
    }
}

struct CharState
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0;
    int background = 0;
};

struct ParaKey
{
    Qt::Alignment align = Qt::AlignLeft;
    int firstIndent = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    const QTextList *list = nullptr;
    bool operator==(const ParaKey &) const = default;
};

int twips(double pixels)
{
    return qRound(pixels * kTwipsPerPixel);
}

bool isBulletStyle(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document) : m_document(document) {}
    QByteArray write();

private:
    QString familyOf(const QTextCharFormat &f) const;
    CharState stateOf(const QTextCharFormat &f) const;
    void collectTables();
    void header();
    void block(const QTextBlock &block);
    void numbering(const QTextBlock &block, const QTextList *list, bool definition);
    void switchTo(const CharState &target);
    void image(const QTextImageFormat &format);

    const QTextDocument &m_document;
    QByteArray m_out;
    QStringList m_fonts;
    int m_symbolFont = -1;
    QList<QRgb> m_colors;
    CharState m_state;
    ParaKey m_para;
    bool m_firstBlock = true;
};

QString Writer::familyOf(const QTextCharFormat &f) const
{
    const QString family = f.fontFamilies().toStringList().value(0);
    return family.isEmpty() ? m_document.defaultFont().family() : family;
}

CharState Writer::stateOf(const QTextCharFormat &f) const
{
    CharState s;
    s.font = int(m_fonts.indexOf(familyOf(f)));
    double size = f.fontPointSize();
    if (size <= 0)
        size = pointsOf(m_document.defaultFont());
    if (size > 0)
        s.halfPoints = qRound(size * 2);
    s.bold = f.fontWeight() >= QFont::DemiBold;
    s.italic = f.fontItalic();
    s.underline = f.fontUnderline();
    s.strike = f.fontStrikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        s.foreground = int(m_colors.indexOf(f.foreground().color().rgb())) + 1;
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        s.background = int(m_colors.indexOf(f.background().color().rgb())) + 1;
    return s;
}

void Writer::collectTables()
{
    m_fonts.append(m_document.defaultFont().family());
    const auto note = [this](const QTextCharFormat &f) {
        const QString family = familyOf(f);
        if (!m_fonts.contains(family))
            m_fonts.append(family);
        for (const auto property : {QTextFormat::ForegroundBrush, QTextFormat::BackgroundBrush}) {
            if (!f.hasProperty(property) || f.brushProperty(property).style() == Qt::NoBrush)
                continue;
            const QRgb rgb = f.brushProperty(property).color().rgb();
            if (!m_colors.contains(rgb))
                m_colors.append(rgb);
        }
    };
    for (QTextBlock b = m_document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            note(it.fragment().charFormat());
        note(b.charFormat());
        if (b.textList() && isBulletStyle(b.textList()->format().style()) && m_symbolFont < 0)
            m_symbolFont = -2;
    }
    if (m_symbolFont == -2) {
        m_symbolFont = int(m_fonts.size());
        m_fonts.append(QStringLiteral("Symbol"));
    }
}

void Writer::header()
{
    m_out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1030{\\fonttbl");
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out.append("{\\f").append(QByteArray::number(i));
        m_out.append(i == m_symbolFont ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset0 ");
        appendEscaped(m_out, m_fonts[i]);
        m_out.append(";}");
    }
    m_out.append("}\r\n");
    if (!m_colors.isEmpty()) {
        m_out.append("{\\colortbl ;");
        for (const QRgb c : m_colors) {
            m_out.append("\\red").append(QByteArray::number(qRed(c)));
            m_out.append("\\green").append(QByteArray::number(qGreen(c)));
            m_out.append("\\blue").append(QByteArray::number(qBlue(c))).append(';');
        }
        m_out.append("}\r\n");
    }
    m_out.append("{\\*\\generator Klokkeven}\\viewkind4\\uc1 \r\n");
}

void Writer::switchTo(const CharState &t)
{
    CharState &s = m_state;
    const qsizetype before = m_out.size();
    const auto number = [this](const char *word, int value) {
        m_out.append(word).append(QByteArray::number(value));
    };
    const auto toggle = [this](const char *on, const char *off, bool from, bool to) {
        if (from != to)
            m_out.append(to ? on : off);
    };
    toggle("\\b", "\\b0", s.bold, t.bold);
    toggle("\\i", "\\i0", s.italic, t.italic);
    toggle("\\ul", "\\ulnone", s.underline, t.underline);
    toggle("\\strike", "\\strike0", s.strike, t.strike);
    if (s.foreground != t.foreground)
        number("\\cf", t.foreground);
    if (s.background != t.background)
        number("\\highlight", t.background);
    if (s.font != t.font)
        number("\\f", t.font);
    if (s.halfPoints != t.halfPoints)
        number("\\fs", t.halfPoints);
    if (m_out.size() != before)
        m_out.append(' ');
    s = t;
}

void Writer::numbering(const QTextBlock &block, const QTextList *list, bool definition)
{
    const QTextListFormat lf = list->format();
    if (isBulletStyle(lf.style())) {
        const QByteArray f = QByteArray::number(m_symbolFont);
        if (definition)
            m_out.append("{\\*\\pn\\pnlvlblt\\pnf" + f + "\\pnindent0{\\pntxtb\\'B7}}");
        m_out.append("{\\pntext\\f" + f + "\\'B7\\tab}");
        return;
    }
    if (definition) {
        const char *kind = "\\pndec";
        switch (lf.style()) {
        case QTextListFormat::ListLowerAlpha:
            kind = "\\pnlcltr";
            break;
        case QTextListFormat::ListUpperAlpha:
            kind = "\\pnucltr";
            break;
        case QTextListFormat::ListLowerRoman:
            kind = "\\pnlcrm";
            break;
        case QTextListFormat::ListUpperRoman:
            kind = "\\pnucrm";
            break;
        default:
            break;
        }
        m_out.append("{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart");
        m_out.append(QByteArray::number(list->itemNumber(block) + 1)).append(kind);
        if (!lf.numberPrefix().isEmpty()) {
            m_out.append("{\\pntxtb ");
            appendEscaped(m_out, lf.numberPrefix());
            m_out.append('}');
        }
        m_out.append("{\\pntxta ");
        appendEscaped(m_out, lf.numberSuffix());
        m_out.append("}}");
    }
    m_out.append("{\\pntext\\f0 ");
    appendEscaped(m_out, list->itemText(block));
    m_out.append("\\tab}");
}

void Writer::image(const QTextImageFormat &format)
{
    const QVariant resource =
        m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QImage img;
    if (resource.canConvert<QImage>())
        img = resource.value<QImage>();
    else if (resource.canConvert<QPixmap>())
        img = resource.value<QPixmap>().toImage();
    else if (resource.canConvert<QByteArray>())
        img = QImage::fromData(resource.toByteArray());
    if (img.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    const double w = format.width() > 0 ? format.width() : img.width();
    const double h = format.height() > 0 ? format.height() : img.height();
    m_out.append("{\\pict\\pngblip\\picw").append(QByteArray::number(img.width()));
    m_out.append("\\pich").append(QByteArray::number(img.height()));
    m_out.append("\\picwgoal").append(QByteArray::number(twips(w)));
    m_out.append("\\pichgoal").append(QByteArray::number(twips(h))).append("\r\n");
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        m_out.append(hex.mid(i, 128)).append("\r\n");
    m_out.append('}');
}

void Writer::block(const QTextBlock &b)
{
    const QTextBlockFormat bf = b.blockFormat();
    const QTextList *list = b.textList();
    const double indentUnits = bf.indent() + (list ? list->format().indent() : 0);
    ParaKey key;
    key.align = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (key.align == Qt::AlignLeading || key.align == Qt::AlignAbsolute)
        key.align = Qt::AlignLeft;
    key.firstIndent = twips(bf.textIndent());
    key.leftIndent = twips(bf.leftMargin() + indentUnits * m_document.indentWidth());
    key.rightIndent = twips(bf.rightMargin());
    key.spaceBefore = twips(bf.topMargin());
    key.spaceAfter = twips(bf.bottomMargin());
    key.list = list;

    const bool newParagraph = m_firstBlock || !(key == m_para);
    if (newParagraph) {
        m_out.append("\\pard");
        if (key.align == Qt::AlignHCenter)
            m_out.append("\\qc");
        else if (key.align == Qt::AlignRight || key.align == Qt::AlignTrailing)
            m_out.append("\\qr");
        else if (key.align == Qt::AlignJustify)
            m_out.append("\\qj");
        const auto number = [this](const char *word, int value) {
            if (value != 0)
                m_out.append(word).append(QByteArray::number(value));
        };
        number("\\fi", key.firstIndent);
        number("\\li", key.leftIndent);
        number("\\ri", key.rightIndent);
        number("\\sb", key.spaceBefore);
        number("\\sa", key.spaceAfter);
        m_out.append(' ');
    }
    if (list)
        numbering(b, list, newParagraph);
    m_para = key;
    m_firstBlock = false;

    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat f = fragment.charFormat();
        if (f.isImageFormat()) {
            for (qsizetype i = 0; i < fragment.length(); ++i)
                image(f.toImageFormat());
            continue;
        }
        switchTo(stateOf(f));
        appendEscaped(m_out, fragment.text());
    }
    if (b.length() <= 1)
        switchTo(stateOf(b.charFormat()));
    m_out.append("\\par\r\n");
}

QByteArray Writer::write()
{
    collectTables();
    m_out.reserve(m_document.characterCount() * 2 + 256);
    header();
    for (QTextBlock b = m_document.begin(); b.isValid(); b = b.next())
        block(b);
    m_out.append("}\r\n");
    return m_out;
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    Writer writer(document);
    return writer.write();
}
