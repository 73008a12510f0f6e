#include "RtfReader.h"

#include "RtfUnits.h"
#include "base/Windows1252.h"
#include "platform/CodePage.h"

#include <QHash>
#include <QImage>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Where the text of a group goes.
enum class Dest
{
    Text,
    FontTable,
    ColorTable,
    Pict,
    Pn,
    PnTxtA,
    PnTxtB,
    MarkerText, // \pntext and \listtext: the list marker as the writer drew it
    Upr,        // ANSI half of \upr; its \ud half is read
    Skip,
};

enum class Kw
{
    // destinations
    FontTbl,
    ColorTbl,
    Pict,
    Pn,
    PnTxtA,
    PnTxtB,
    PnText,
    ListText,
    Upr,
    Ud,
    Transparent,
    SkipDest,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    // font and colour tables
    F,
    FCharset,
    Cpg,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Fs,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Cf,
    Highlight,
    Uc,
    U,
    // paragraphs
    Par,
    Line,
    Tab,
    Cell,
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Fi,
    Li,
    Ri,
    Sb,
    Sa,
    Ls,
    Ilvl,
    // legacy numbering
    PnLvlBlt,
    PnLvlBody,
    PnLvlCont,
    PnLvl,
    PnDec,
    PnUcltr,
    PnLcltr,
    PnUcrm,
    PnLcrm,
    PnStart,
    // single characters
    Emdash,
    Endash,
    Lquote,
    Rquote,
    Ldblquote,
    Rdblquote,
    Bullet,
    Emspace,
    Enspace,
    // pictures
    PngBlip,
    JpegBlip,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    Bin,
};

const std::unordered_map<std::string_view, Kw> &keywords()
{
    static const std::unordered_map<std::string_view, Kw> table = {
        {"fonttbl", Kw::FontTbl},
        {"colortbl", Kw::ColorTbl},
        {"pict", Kw::Pict},
        {"pn", Kw::Pn},
        {"pntxta", Kw::PnTxtA},
        {"pntxtb", Kw::PnTxtB},
        {"pntext", Kw::PnText},
        {"listtext", Kw::ListText},
        {"upr", Kw::Upr},
        {"ud", Kw::Ud},
        // Groups whose text is document text.
        {"field", Kw::Transparent},
        {"fldrslt", Kw::Transparent},
        {"shppict", Kw::Transparent},
        {"object", Kw::Transparent},
        {"result", Kw::Transparent},
        // Some writers put the text of nested table cells in here.
        {"nesttableprops", Kw::Transparent},
        // Destinations that carry no document text, also where a writer
        // forgot the \* in front of them.
        {"fldinst", Kw::SkipDest},
        {"stylesheet", Kw::SkipDest},
        {"info", Kw::SkipDest},
        {"header", Kw::SkipDest},
        {"headerl", Kw::SkipDest},
        {"headerr", Kw::SkipDest},
        {"headerf", Kw::SkipDest},
        {"footer", Kw::SkipDest},
        {"footerl", Kw::SkipDest},
        {"footerr", Kw::SkipDest},
        {"footerf", Kw::SkipDest},
        {"footnote", Kw::SkipDest},
        {"annotation", Kw::SkipDest},
        {"nonshppict", Kw::SkipDest},
        {"xe", Kw::SkipDest},
        {"tc", Kw::SkipDest},
        {"txe", Kw::SkipDest},
        {"rxe", Kw::SkipDest},
        {"template", Kw::SkipDest},
        {"filetbl", Kw::SkipDest},
        {"revtbl", Kw::SkipDest},
        {"rsidtbl", Kw::SkipDest},
        {"listtable", Kw::SkipDest},
        {"listoverridetable", Kw::SkipDest},
        {"pgdsctbl", Kw::SkipDest},
        {"generator", Kw::SkipDest},
        {"themedata", Kw::SkipDest},
        {"colorschememapping", Kw::SkipDest},
        {"datastore", Kw::SkipDest},
        {"latentstyles", Kw::SkipDest},
        {"xmlnstbl", Kw::SkipDest},
        {"objdata", Kw::SkipDest},
        {"pnseclvl", Kw::SkipDest},
        {"bkmkstart", Kw::SkipDest},
        {"bkmkend", Kw::SkipDest},
        {"shpinst", Kw::SkipDest},
        {"picprop", Kw::SkipDest},
        {"blipuid", Kw::SkipDest},
        {"ansi", Kw::Ansi},
        {"mac", Kw::Mac},
        {"pc", Kw::Pc},
        {"pca", Kw::Pca},
        {"ansicpg", Kw::AnsiCpg},
        {"deff", Kw::Deff},
        {"f", Kw::F},
        {"fcharset", Kw::FCharset},
        {"cpg", Kw::Cpg},
        {"red", Kw::Red},
        {"green", Kw::Green},
        {"blue", Kw::Blue},
        {"plain", Kw::Plain},
        {"fs", Kw::Fs},
        {"b", Kw::B},
        {"i", Kw::I},
        {"ul", Kw::Ul},
        {"uld", Kw::Ul},
        {"uldb", Kw::Ul},
        {"uldash", Kw::Ul},
        {"ulw", Kw::Ul},
        {"ulwave", Kw::Ul},
        {"ulth", Kw::Ul},
        {"ulnone", Kw::UlNone},
        {"strike", Kw::Strike},
        {"striked", Kw::Strike},
        {"cf", Kw::Cf},
        {"highlight", Kw::Highlight},
        {"cb", Kw::Highlight},
        {"uc", Kw::Uc},
        {"u", Kw::U},
        {"par", Kw::Par},
        {"sect", Kw::Par},
        {"page", Kw::Par},
        {"line", Kw::Line},
        {"tab", Kw::Tab},
        {"cell", Kw::Cell},
        {"nestcell", Kw::Cell},
        {"pard", Kw::Pard},
        {"ql", Kw::Ql},
        {"qc", Kw::Qc},
        {"qr", Kw::Qr},
        {"qj", Kw::Qj},
        {"fi", Kw::Fi},
        {"li", Kw::Li},
        {"lin", Kw::Li},
        {"ri", Kw::Ri},
        {"rin", Kw::Ri},
        {"sb", Kw::Sb},
        {"sa", Kw::Sa},
        {"ls", Kw::Ls},
        {"ilvl", Kw::Ilvl},
        {"pnlvlblt", Kw::PnLvlBlt},
        {"pnlvlbody", Kw::PnLvlBody},
        {"pnlvlcont", Kw::PnLvlCont},
        {"pnlvl", Kw::PnLvl},
        {"pndec", Kw::PnDec},
        {"pnucltr", Kw::PnUcltr},
        {"pnlcltr", Kw::PnLcltr},
        {"pnucrm", Kw::PnUcrm},
        {"pnlcrm", Kw::PnLcrm},
        {"pnstart", Kw::PnStart},
        {"emdash", Kw::Emdash},
        {"endash", Kw::Endash},
        {"lquote", Kw::Lquote},
        {"rquote", Kw::Rquote},
        {"ldblquote", Kw::Ldblquote},
        {"rdblquote", Kw::Rdblquote},
        {"bullet", Kw::Bullet},
        {"emspace", Kw::Emspace},
        {"enspace", Kw::Enspace},
        {"pngblip", Kw::PngBlip},
        {"jpegblip", Kw::JpegBlip},
        {"picwgoal", Kw::PicWGoal},
        {"pichgoal", Kw::PicHGoal},
        {"picscalex", Kw::PicScaleX},
        {"picscaley", Kw::PicScaleY},
        {"bin", Kw::Bin},
    };
    return table;
}

struct CharState
{
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0;
    int background = 0;
    bool operator==(const CharState &) const = default;
};

struct ListSpec
{
    enum Kind
    {
        None,
        Bullet,
        Number
    };
    Kind kind = None;
    QTextListFormat::Style style = QTextListFormat::ListDisc;
    int start = -1; // -1: not given
    QString prefix;
    QString suffix = QStringLiteral(".");
    int override = 0; // Word's \ls; 0 for the older \pn lists
    int level = 0;
    bool sameMarker(const ListSpec &o) const
    {
        return kind == o.kind && style == o.style && prefix == o.prefix && suffix == o.suffix;
    }
};

struct ParaState
{
    Qt::Alignment align = Qt::AlignLeft;
    int firstIndent = 0; // twips
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    ListSpec list;
};

struct State
{
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int uc = 1;
};

struct FontInfo
{
    QString name;
    int codepage = 0; // 0: the document's code page
};

int codepageOfCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QByteArray codecName(int codepage)
{
    switch (codepage) {
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codepage);
    }
}

// Lone halves of surrogate pairs cannot be shown or written; they become
// U+FFFD. Control characters other than the tab, and the object character
// that stands for images, are not text and are dropped.
void cleanText(QString &s)
{
    qsizetype out = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::ObjectReplacementCharacter)
            continue;
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            s[out++] = c;
            c = s.at(++i);
        } else if (c.isSurrogate()) {
            c = QChar::ReplacementCharacter;
        }
        s[out++] = c;
    }
    s.truncate(out);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The list kind a marker such as "1.", "a)" or a bullet glyph stands for;
// used where a list names no kind of its own (Word's \ls lists).
ListSpec specFromMarker(const QString &marker)
{
    ListSpec spec;
    const QString m = marker.trimmed();
    if (m.isEmpty())
        return spec;
    if (m.front().isDigit()) {
        spec.kind = ListSpec::Number;
        spec.style = QTextListFormat::ListDecimal;
    } else if (m.front().isLetter() && m.size() > 1) {
        spec.kind = ListSpec::Number;
        spec.style =
            m.front().isUpper() ? QTextListFormat::ListUpperAlpha : QTextListFormat::ListLowerAlpha;
    } else {
        spec.kind = ListSpec::Bullet;
        return spec;
    }
    if (!m.back().isLetterOrNumber())
        spec.suffix = m.back();
    return spec;
}

class Reader
{
public:
    explicit Reader(QTextDocument &document) : m_document(document), m_cursor(&document) {}

    void read(const char *p, const char *end);

private:
    void openGroup();
    bool closeGroup();
    void word(std::string_view name, bool hasParam, int param);
    void symbol(char c);
    void text(const char *s, qsizetype n);
    void hexByte(unsigned char byte);
    void destination(Dest dest);

    void appendBytes(const char *s, qsizetype n);
    void appendUnits(const QString &units);
    void decodePending();
    void flushRun();
    void startPendingParagraph();
    void endParagraph();
    void applyParagraph();
    void finishPicture();
    QTextCharFormat charFormat(const CharState &ch);
    const FontInfo *fontInfo(int number) const;
    int currentCodepage() const;
    QString decode(int codepage, QByteArrayView bytes);

    QTextDocument &m_document;
    QTextCursor m_cursor;
    State m_state;
    QList<State> m_stack;
    int m_ignoredOpens = 0;
    bool m_star = false;
    int m_skip = 0; // characters still to skip after \u

    int m_ansiCodepage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontInfo> m_fonts;
    int m_fontNumber = 0;
    QByteArray m_fontName;
    QList<QColor> m_colors;
    std::vector<std::pair<CharState, QTextCharFormat>> m_formats;
    int m_red = -1, m_green = -1, m_blue = -1;

    QByteArray m_pendingBytes;
    int m_pendingCodepage = 0;
    QString m_run;
    CharState m_runState;
    bool m_pendingParagraph = false;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    QString m_marker;            // marker text of the current paragraph
    bool m_newNumbering = false; // a \pn group came since the last paragraph
    QTextList *m_lastList = nullptr;
    ListSpec m_lastSpec;
    QHash<int, QTextList *> m_wordLists;

    enum class PictKind
    {
        Other,
        Png,
        Jpeg
    };
    PictKind m_pictKind = PictKind::Other;
    QByteArray m_pictData;
    int m_pictHighNibble = -1;
    int m_pictWidthGoal = 0, m_pictHeightGoal = 0, m_pictScaleX = 100, m_pictScaleY = 100;
    int m_imageCount = 0;
};

constexpr int kMaxDepth = 1000;

void Reader::read(const char *p, const char *end)
{
    m_cursor.beginEditBlock();
    while (p < end) {
        const char c = *p;
        if (c == '{') {
            ++p;
            openGroup();
        } else if (c == '}') {
            ++p;
            if (!closeGroup())
                break;
        } else if (c == '\\') {
            ++p;
            if (p == end)
                break;
            if (isLetter(*p)) {
                const char *nameStart = p;
                while (p < end && isLetter(*p))
                    ++p;
                const std::string_view name(nameStart, std::min<qsizetype>(p - nameStart, 32));
                bool negative = false;
                if (p + 1 < end && *p == '-' && isDigit(p[1])) {
                    negative = true;
                    ++p;
                }
                bool hasParam = false;
                long long value = 0;
                while (p < end && isDigit(*p)) {
                    hasParam = true;
                    if (value < 100000000000LL)
                        value = value * 10 + (*p - '0');
                    ++p;
                }
                if (p < end && *p == ' ')
                    ++p;
                value = std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX);
                if (name == "bin" && hasParam && m_skip == 0) {
                    // Raw bytes follow; only a picture keeps them.
                    const qsizetype n = std::min<qsizetype>(std::max<long long>(value, 0), end - p);
                    if (m_state.dest == Dest::Pict && m_pictKind != PictKind::Other)
                        m_pictData.append(p, n);
                    p += n;
                    continue;
                }
                word(name, hasParam, int(value));
            } else if (*p == '\'') {
                ++p;
                if (end - p < 2)
                    break;
                const int hi = hexValue(p[0]);
                const int lo = hexValue(p[1]);
                if (hi < 0 || lo < 0)
                    continue; // a broken escape: its letters read as text
                p += 2;
                hexByte(static_cast<unsigned char>(hi * 16 + lo));
            } else {
                symbol(*p);
                ++p;
            }
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++p;
        } else {
            const char *s = p;
            while (p < end && *p != '{' && *p != '}' && *p != '\\' && *p != '\r' && *p != '\n' &&
                   *p != '\0')
                ++p;
            text(s, p - s);
        }
    }
    flushRun();
    if (!m_pendingParagraph)
        applyParagraph();
    m_cursor.endEditBlock();
}

void Reader::openGroup()
{
    m_skip = 0;
    if (m_stack.size() >= kMaxDepth) {
        ++m_ignoredOpens;
        return;
    }
    m_stack.append(m_state);
    m_star = false;
}

bool Reader::closeGroup()
{
    m_skip = 0;
    m_star = false;
    if (m_ignoredOpens > 0) {
        --m_ignoredOpens;
        return true;
    }
    if (m_stack.isEmpty())
        return false;
    State parent = m_stack.takeLast();
    switch (m_state.dest) {
    case Dest::FontTable:
        if (!m_fontName.trimmed().isEmpty()) {
            text(";", 1);
        }
        break;
    case Dest::Pict:
        if (parent.dest != Dest::Pict)
            finishPicture();
        break;
    case Dest::Pn:
    case Dest::PnTxtA:
    case Dest::PnTxtB:
        // Numbering set inside {\*\pn ...} belongs to the paragraph around it.
        parent.para.list = m_state.para.list;
        m_newNumbering = true;
        break;
    default:
        break;
    }
    m_state = parent;
    return !m_stack.isEmpty();
}

void Reader::destination(Dest dest)
{
    m_state.dest = dest;
    m_star = false;
}

void Reader::word(std::string_view name, bool hasParam, int param)
{
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    const auto &table = keywords();
    const auto it = table.find(name);
    if (it == table.end()) {
        if (m_star)
            destination(Dest::Skip);
        return;
    }
    const Kw kw = it->second;
    const bool star = m_star;
    m_star = false;
    const int value = hasParam ? param : 1;
    State &s = m_state;

    if (s.dest == Dest::Skip)
        return;
    if (s.dest == Dest::Upr) {
        if (kw == Kw::Ud)
            destination(Dest::Text);
        return;
    }
    switch (kw) {
    case Kw::FontTbl:
        destination(Dest::FontTable);
        return;
    case Kw::ColorTbl:
        destination(Dest::ColorTable);
        m_colors.clear();
        return;
    case Kw::Pict:
        destination(Dest::Pict);
        m_pictKind = PictKind::Other;
        m_pictData.clear();
        m_pictHighNibble = -1;
        m_pictWidthGoal = m_pictHeightGoal = 0;
        m_pictScaleX = m_pictScaleY = 100;
        return;
    case Kw::Pn:
        destination(Dest::Pn);
        s.para.list = ListSpec();
        return;
    case Kw::PnTxtA:
        destination(Dest::PnTxtA);
        s.para.list.suffix.clear();
        return;
    case Kw::PnTxtB:
        destination(Dest::PnTxtB);
        s.para.list.prefix.clear();
        return;
    case Kw::PnText:
    case Kw::ListText:
        destination(Dest::MarkerText);
        m_marker.clear();
        return;
    case Kw::Upr:
        destination(Dest::Upr);
        return;
    case Kw::Ud:
    case Kw::Transparent:
        return;
    case Kw::SkipDest:
        destination(Dest::Skip);
        return;
    default:
        break;
    }
    if (star) {
        destination(Dest::Skip);
        return;
    }

    switch (s.dest) {
    case Dest::FontTable:
        switch (kw) {
        case Kw::F:
            m_fontNumber = param;
            return;
        case Kw::FCharset:
            m_fonts[m_fontNumber].codepage = codepageOfCharset(param);
            return;
        case Kw::Cpg:
            m_fonts[m_fontNumber].codepage = param;
            return;
        case Kw::Par:
        case Kw::Pard:
            // A font table that was never closed: the body has begun.
            destination(Dest::Text);
            break;
        default:
            return;
        }
        break;
    case Dest::ColorTable:
        if (kw == Kw::Red)
            m_red = std::clamp(param, 0, 255);
        else if (kw == Kw::Green)
            m_green = std::clamp(param, 0, 255);
        else if (kw == Kw::Blue)
            m_blue = std::clamp(param, 0, 255);
        return;
    case Dest::Pict:
        switch (kw) {
        case Kw::PngBlip:
            m_pictKind = PictKind::Png;
            break;
        case Kw::JpegBlip:
            m_pictKind = PictKind::Jpeg;
            break;
        case Kw::PicWGoal:
            m_pictWidthGoal = param;
            break;
        case Kw::PicHGoal:
            m_pictHeightGoal = param;
            break;
        case Kw::PicScaleX:
            m_pictScaleX = param;
            break;
        case Kw::PicScaleY:
            m_pictScaleY = param;
            break;
        default:
            break;
        }
        return;
    case Dest::Pn:
    case Dest::PnTxtA:
    case Dest::PnTxtB: {
        ListSpec &l = s.para.list;
        const auto number = [&l](QTextListFormat::Style style) {
            l.kind = ListSpec::Number;
            l.style = style;
        };
        switch (kw) {
        case Kw::PnLvlBlt:
            l.kind = ListSpec::Bullet;
            l.style = QTextListFormat::ListDisc;
            return;
        case Kw::PnLvlBody:
        case Kw::PnLvl:
            if (l.kind != ListSpec::Number)
                number(QTextListFormat::ListDecimal);
            return;
        case Kw::PnLvlCont:
            l.kind = ListSpec::None;
            return;
        case Kw::PnDec:
            number(QTextListFormat::ListDecimal);
            return;
        case Kw::PnUcltr:
            number(QTextListFormat::ListUpperAlpha);
            return;
        case Kw::PnLcltr:
            number(QTextListFormat::ListLowerAlpha);
            return;
        case Kw::PnUcrm:
            number(QTextListFormat::ListUpperRoman);
            return;
        case Kw::PnLcrm:
            number(QTextListFormat::ListLowerRoman);
            return;
        case Kw::PnStart:
            l.start = param;
            return;
        default:
            break;
        }
        if (s.dest == Dest::Pn)
            return;
        break; // characters of \pntxta and \pntxtb
    }
    default:
        break;
    }

    CharState &ch = s.ch;
    ParaState &para = s.para;
    switch (kw) {
    case Kw::Ansi:
        m_ansiCodepage = 1252;
        break;
    case Kw::Mac:
        m_ansiCodepage = 10000;
        break;
    case Kw::Pc:
        m_ansiCodepage = 437;
        break;
    case Kw::Pca:
        m_ansiCodepage = 850;
        break;
    case Kw::AnsiCpg:
        if (param > 0)
            m_ansiCodepage = param;
        break;
    case Kw::Deff:
        m_defaultFont = param;
        break;
    case Kw::F:
        ch.font = param;
        break;
    case Kw::Plain:
        ch = CharState();
        break;
    case Kw::Fs:
        ch.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
        break;
    case Kw::B:
        ch.bold = value != 0;
        break;
    case Kw::I:
        ch.italic = value != 0;
        break;
    case Kw::Ul:
        ch.underline = value != 0;
        break;
    case Kw::UlNone:
        ch.underline = false;
        break;
    case Kw::Strike:
        ch.strike = value != 0;
        break;
    case Kw::Cf:
        ch.foreground = param;
        break;
    case Kw::Highlight:
        ch.background = param;
        break;
    case Kw::Uc:
        s.uc = std::clamp(param, 0, 10);
        break;
    case Kw::U: {
        if (!hasParam)
            break;
        const char16_t unit = static_cast<char16_t>(param < 0 ? param + 65536 : param);
        appendUnits(QString(QChar(unit)));
        m_skip = s.uc;
        break;
    }
    case Kw::Par:
        endParagraph();
        break;
    case Kw::Cell:
        endParagraph();
        break;
    case Kw::Line:
        appendUnits(QString(QChar::LineSeparator));
        break;
    case Kw::Tab:
        appendUnits(QStringLiteral("\t"));
        break;
    case Kw::Pard:
        para = ParaState();
        break;
    case Kw::Ql:
        para.align = Qt::AlignLeft;
        break;
    case Kw::Qc:
        para.align = Qt::AlignHCenter;
        break;
    case Kw::Qr:
        para.align = Qt::AlignRight;
        break;
    case Kw::Qj:
        para.align = Qt::AlignJustify;
        break;
    case Kw::Fi:
        para.firstIndent = param;
        break;
    case Kw::Li:
        para.leftIndent = param;
        break;
    case Kw::Ri:
        para.rightIndent = param;
        break;
    case Kw::Sb:
        para.spaceBefore = param;
        break;
    case Kw::Sa:
        para.spaceAfter = param;
        break;
    case Kw::Ls:
        para.list.override = param;
        break;
    case Kw::Ilvl:
        para.list.level = param;
        break;
    case Kw::Emdash:
        appendUnits(QStringLiteral("\u2014"));
        break;
    case Kw::Endash:
        appendUnits(QStringLiteral("\u2013"));
        break;
    case Kw::Lquote:
        appendUnits(QStringLiteral("\u2018"));
        break;
    case Kw::Rquote:
        appendUnits(QStringLiteral("\u2019"));
        break;
    case Kw::Ldblquote:
        appendUnits(QStringLiteral("\u201C"));
        break;
    case Kw::Rdblquote:
        appendUnits(QStringLiteral("\u201D"));
        break;
    case Kw::Bullet:
        appendUnits(QStringLiteral("\u2022"));
        break;
    case Kw::Emspace:
        appendUnits(QStringLiteral("\u2003"));
        break;
    case Kw::Enspace:
        appendUnits(QStringLiteral("\u2002"));
        break;
    default:
        break;
    }
}

void Reader::symbol(char c)
{
    if (c == '*') {
        m_star = true;
        return;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        text(&c, 1);
        break;
    case '~':
        appendUnits(QStringLiteral("\u00A0"));
        break;
    case '-':
        appendUnits(QStringLiteral("\u00AD"));
        break;
    case '_':
        appendUnits(QStringLiteral("\u2011"));
        break;
    case '\r':
    case '\n':
        // A backslash before a line end is a paragraph break (macOS TextEdit).
        if (m_state.dest == Dest::Text)
            endParagraph();
        break;
    default:
        break;
    }
}

void Reader::text(const char *s, qsizetype n)
{
    if (m_skip > 0) {
        const qsizetype k = std::min<qsizetype>(m_skip, n);
        m_skip -= int(k);
        s += k;
        n -= k;
    }
    if (n <= 0)
        return;
    switch (m_state.dest) {
    case Dest::Text:
        appendBytes(s, n);
        break;
    case Dest::FontTable:
        for (qsizetype i = 0; i < n; ++i) {
            if (s[i] != ';') {
                m_fontName.append(s[i]);
                continue;
            }
            FontInfo &font = m_fonts[m_fontNumber];
            font.name =
                decode(font.codepage ? font.codepage : m_ansiCodepage, m_fontName).trimmed();
            m_formats.clear();
            m_fontName.clear();
        }
        break;
    case Dest::ColorTable:
        for (qsizetype i = 0; i < n; ++i) {
            if (s[i] != ';')
                continue;
            m_colors.append(
                m_red < 0 && m_green < 0 && m_blue < 0
                    ? QColor()
                    : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
            m_formats.clear();
        }
        break;
    case Dest::Pict:
        if (m_pictKind == PictKind::Other)
            break;
        for (qsizetype i = 0; i < n; ++i) {
            const int v = hexValue(s[i]);
            if (v < 0)
                continue;
            if (m_pictHighNibble < 0) {
                m_pictHighNibble = v;
            } else {
                m_pictData.append(char(m_pictHighNibble * 16 + v));
                m_pictHighNibble = -1;
            }
        }
        break;
    case Dest::PnTxtA:
        m_state.para.list.suffix += QString::fromLatin1(s, n);
        break;
    case Dest::PnTxtB:
        m_state.para.list.prefix += QString::fromLatin1(s, n);
        break;
    case Dest::MarkerText:
        m_marker += QString::fromLatin1(s, n);
        break;
    default:
        break;
    }
}

void Reader::hexByte(unsigned char byte)
{
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    const char c = char(byte);
    if (m_state.dest == Dest::FontTable)
        m_fontName.append(c);
    else if (m_state.dest == Dest::Text)
        appendBytes(&c, 1);
    else if (m_state.dest == Dest::MarkerText)
        m_marker += QChar(byte);
}

const FontInfo *Reader::fontInfo(int number) const
{
    // A number missing from the font table (damaged files, or a font that
    // is only defined further on) means the default font, as in the
    // rich-edit control, rather than whatever face Qt would fall back to.
    auto it = m_fonts.constFind(number < 0 ? m_defaultFont : number);
    if (it == m_fonts.cend())
        it = m_fonts.constFind(m_defaultFont);
    return it == m_fonts.cend() ? nullptr : &*it;
}

int Reader::currentCodepage() const
{
    const FontInfo *font = fontInfo(m_state.ch.font);
    if (font && font->codepage != 0)
        return font->codepage;
    return m_ansiCodepage;
}

QString Reader::decode(int codepage, QByteArrayView bytes)
{
    // Windows-1252, by far the most common, and every code page that the toolkit
    // cannot convert (its Windows build has no ICU) go through our own table.
    if (codepage == 1252)
        return Windows1252::decode(bytes);
    if (const std::optional<QString> text = CodePage::decode(codepage, bytes))
        return *text;
    auto &slot = m_decoders[codepage];
    if (!slot)
        slot = std::make_unique<QStringDecoder>(codecName(codepage).constData());
    if (!slot->isValid())
        return Windows1252::decode(bytes);
    QString text = slot->decode(bytes);
    slot->resetState();
    return text;
}

void Reader::appendBytes(const char *s, qsizetype n)
{
    if (!(m_runState == m_state.ch))
        flushRun();
    const int codepage = currentCodepage();
    if (codepage != m_pendingCodepage) {
        decodePending();
        m_pendingCodepage = codepage;
    }
    m_pendingBytes.append(s, n);
}

void Reader::appendUnits(const QString &units)
{
    if (m_state.dest == Dest::MarkerText) {
        m_marker += units;
        return;
    }
    if (m_state.dest != Dest::Text)
        return;
    if (!(m_runState == m_state.ch))
        flushRun();
    decodePending();
    m_run += units;
}

void Reader::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_run += decode(m_pendingCodepage, m_pendingBytes);
    m_pendingBytes.clear();
}

QTextCharFormat Reader::charFormat(const CharState &ch)
{
    // Documents use few distinct formats; building one is the costly part.
    for (const auto &[state, format] : m_formats)
        if (state == ch)
            return format;
    QTextCharFormat f;
    const FontInfo *font = fontInfo(ch.font);
    if (font && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(ch.halfPoints / 2.0);
    if (ch.bold)
        f.setFontWeight(QFont::Bold);
    if (ch.italic)
        f.setFontItalic(true);
    if (ch.underline)
        f.setFontUnderline(true);
    if (ch.strike)
        f.setFontStrikeOut(true);
    if (ch.foreground > 0 && ch.foreground < m_colors.size() && m_colors[ch.foreground].isValid())
        f.setForeground(m_colors[ch.foreground]);
    if (ch.background > 0 && ch.background < m_colors.size() && m_colors[ch.background].isValid())
        f.setBackground(m_colors[ch.background]);
    if (m_formats.size() < 64)
        m_formats.emplace_back(ch, f);
    return f;
}

void Reader::flushRun()
{
    decodePending();
    if (!m_run.isEmpty()) {
        startPendingParagraph();
        cleanText(m_run);
        m_cursor.insertText(m_run, charFormat(m_runState));
        m_run.clear();
    }
    m_runState = m_state.ch;
}

void Reader::startPendingParagraph()
{
    if (!m_pendingParagraph)
        return;
    m_pendingParagraph = false;
    m_cursor.insertBlock(QTextBlockFormat(), charFormat(m_state.ch));
}

void Reader::endParagraph()
{
    flushRun();
    startPendingParagraph();
    applyParagraph();
    m_pendingParagraph = true;
}

void Reader::applyParagraph()
{
    const ParaState &p = m_state.para;
    QTextBlockFormat f;
    f.setAlignment(p.align);
    if (p.firstIndent != 0)
        f.setTextIndent(p.firstIndent / kTwipsPerPixel);
    if (p.leftIndent != 0)
        f.setLeftMargin(p.leftIndent / kTwipsPerPixel);
    if (p.rightIndent != 0)
        f.setRightMargin(p.rightIndent / kTwipsPerPixel);
    if (p.spaceBefore != 0)
        f.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    if (p.spaceAfter != 0)
        f.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    m_cursor.setBlockFormat(f);
    m_cursor.setBlockCharFormat(charFormat(m_state.ch));

    ListSpec spec = p.list;
    if (spec.kind == ListSpec::None && spec.override > 0) {
        spec = specFromMarker(m_marker);
        spec.override = p.list.override;
        spec.level = p.list.level;
    }
    QTextList *list = nullptr;
    if (spec.kind != ListSpec::None) {
        if (spec.override > 0) {
            list = m_wordLists.value(spec.override * 16 + std::clamp(spec.level, 0, 15));
        } else if (m_lastList && m_lastSpec.sameMarker(spec) &&
                   (!m_newNumbering || spec.start < 0 || spec.start == m_lastList->count() + 1)) {
            list = m_lastList;
        }
        if (!list) {
            QTextListFormat lf;
            lf.setStyle(spec.kind == ListSpec::Bullet ? QTextListFormat::ListDisc : spec.style);
            lf.setIndent(0);
            if (spec.kind == ListSpec::Number) {
                lf.setNumberPrefix(spec.prefix);
                lf.setNumberSuffix(spec.suffix);
            }
            list = m_cursor.createList(lf);
            if (spec.override > 0)
                m_wordLists.insert(spec.override * 16 + std::clamp(spec.level, 0, 15), list);
        } else {
            list->add(m_cursor.block());
        }
    }
    m_lastList = list;
    m_lastSpec = spec;
    m_marker.clear();
    m_newNumbering = false;
}

void Reader::finishPicture()
{
    if (m_pictKind == PictKind::Other || m_pictData.isEmpty())
        return;
    const QImage image = QImage::fromData(m_pictData, m_pictKind == PictKind::Png ? "PNG" : "JPEG");
    m_pictData.clear();
    if (image.isNull())
        return;
    flushRun();
    startPendingParagraph();
    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat f;
    f.setName(name);
    const double w = m_pictWidthGoal > 0 ? m_pictWidthGoal / kTwipsPerPixel : image.width();
    const double h = m_pictHeightGoal > 0 ? m_pictHeightGoal / kTwipsPerPixel : image.height();
    f.setWidth(w * std::clamp(m_pictScaleX, 1, 1000) / 100.0);
    f.setHeight(h * std::clamp(m_pictScaleY, 1, 1000) / 100.0);
    m_cursor.insertImage(f);
}

} // namespace

QString plainTextFromBytes(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (utf8.hasError())
        text = Windows1252::decode(view);
    // Windows and old Mac line ends become paragraph breaks; other control
    // characters are not text.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    return text;
}

bool readRtf(const QByteArray &rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // A few stray bytes in front of the RTF (a mail header, a byte-order
    // mark) are dropped; further in, the file is not RTF.
    const qsizetype start = rtf.indexOf("{\\rtf");
    const bool isRtf = start >= 0 && start < 1024;
    if (isRtf) {
        Reader reader(document);
        reader.read(rtf.constData() + start, rtf.constData() + rtf.size());
    } else {
        document.setPlainText(plainTextFromBytes(rtf));
    }
    document.setUndoRedoEnabled(undo);
    return isRtf;
}
