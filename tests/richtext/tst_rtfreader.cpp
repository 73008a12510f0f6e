#include "SharedCorpus.h"
#include "richtext/RtfReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Text compared line by line with runs of white space made one, empty lines
// dropped and list markers taken away: the office suite writes the markers
// into its text, the document keeps them in its lists.
QString normalised(QString text)
{
    static const QRegularExpression marker(
        QStringLiteral("^(?:[\u2022\u00B7\u25AA\u25E6o-]|\\(?[0-9]+[.)]|[a-zA-Z][.)])\\s+"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ObjectReplacementCharacter, u' ');
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        for (QChar &c : line)
            if (c.isSpace())
                c = u' ';
        line = line.trimmed().remove(marker).replace(space, QStringLiteral(" ")).trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines.join(u'\n');
}

QString corpus(const QString &name)
{
    return QStringLiteral(RTF_CORPUS "/") + name;
}

QString expectedText(const QString &rtfName)
{
    const QString base = rtfName.chopped(4);
    return QString::fromUtf8(fileBytes(corpus("expected/" + base + ".lo.txt")));
}

QString readText(const QByteArray &rtf, bool *isRtf = nullptr)
{
    QTextDocument doc;
    const bool ok = readRtf(rtf, doc);
    if (isRtf)
        *isRtf = ok;
    return doc.toPlainText();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpusText_data();
    void corpusText();
    void truncatedInsideEscape();
    void text_data();
    void text();
    void deepNestingEndsQuickly();
    void characterAttributes();
    void paragraphAttributes();
    void listsOfCorpus();
    void pngPictureBecomesImage();
};

void TestRtfReader::corpusText_data()
{
    REQUIRE_RTF_CORPUS();
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    const QStringList files = QDir(QStringLiteral(RTF_CORPUS)).entryList({"*.rtf"}, QDir::Files);
    QVERIFY2(files.size() >= 19, "the RTF corpus is missing");
    const QString hello = QStringLiteral("Hello world in {RTF}\u2026");
    for (const QString &file : files) {
        QString expected = expectedText(file);
        if (file.startsWith("15_"))
            // The office suite loses the body that sits inside the unclosed
            // font table; we recover it. The font entry after the body is text.
            expected = QStringLiteral("5% Auf Patronen\nVerdana;");
        else if (file.startsWith("16_") || file.startsWith("18_"))
            // Truncated: the office suite refuses it. Stray bytes before
            // {\rtf are dropped and the rest read as RTF.
            expected = hello;
        else if (file.startsWith("19_"))
            continue; // its own test below
        QTest::newRow(qPrintable(file)) << file << expected;
    }
}

void TestRtfReader::corpusText()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    bool isRtf = false;
    const QString text = readText(fileBytes(corpus(file)), &isRtf);
    QVERIFY(isRtf);
    QCOMPARE(normalised(text), normalised(expected));
}

void TestRtfReader::truncatedInsideEscape()
{
    REQUIRE_RTF_CORPUS();
    // Cut inside "\'f8" with groups still open: everything before the cut.
    const QString text =
        normalised(readText(fileBytes(corpus("19_truncated_mid_hex_escape_from_01.rtf"))));
    const QString whole = normalised(expectedText("01_riched20_danish_numbered_colours.rtf"));
    QVERIFY(text.endsWith(QStringLiteral("Der er 3 m\u00E5der hvorp\u00E5 du kan tilf")));
    QVERIFY(whole.startsWith(text.chopped(4)));
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("isRtf");

    const auto row = [](const char *name, const QByteArray &rtf, const QString &text,
                        bool isRtf = true) {
        QTest::newRow(name) << rtf << text << isRtf;
    };
    row("word glued to text", "{\\rtf1\\fs20Drag}", "Drag");
    row("space after word is eaten", "{\\rtf1\\b  two}", " two");
    row("CR ends a word", "{\\rtf1 a\\line\rThe}", "a\nThe");
    row("LF inside text is ignored", "{\\rtf1 a\nb}", "ab");
    row("unknown word is dropped", "{\\rtf1 a\\foo12 b}", "ab");
    row("escaped specials", "{\\rtf1 \\{\\}\\\\}", "{}\\");
    row("Windows-1252 escapes", "{\\rtf1\\ansi\\ansicpg1252 bl\\'e5 \\'f8\\'E6}",
        QStringLiteral("bl\u00E5 \u00F8\u00E6"));
    row("document code page 1251", "{\\rtf1\\ansi\\ansicpg1251 \\'c0}", QStringLiteral("\u0410"));
    row("font charset 204", "{\\rtf1{\\fonttbl{\\f0\\fcharset204 X;}}\\f0 \\'c0}",
        QStringLiteral("\u0410"));
    row("a font missing from the table reads in the default font's code page",
        "{\\rtf1\\deff0{\\fonttbl{\\f0\\fcharset204 X;}}\\f3 \\'c0}", QStringLiteral("\u0410"));
    row("Shift-JIS pair", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS;}}\\f0 \\'82\\'a0}",
        QStringLiteral("\u3042"));
    row("\\u skips one", "{\\rtf1\\uc1\\u229?x}", QStringLiteral("\u00E5x"));
    row("\\uc2 skips two escapes", "{\\rtf1\\uc2\\u248\\'f8\\'f8y}", QStringLiteral("\u00F8y"));
    row("\\uc0 skips nothing", "{\\rtf1\\uc0\\u248 y}", QStringLiteral("\u00F8y"));
    row("skipping stops at a brace", "{\\rtf1\\uc3\\u229{x}}", QStringLiteral("\u00E5x"));
    row("surrogate pair", "{\\rtf1\\uc1\\u-10179?\\u-8704?}", QStringLiteral("\U0001F600"));
    row("\\uc changes between halves", "{\\rtf1\\uc1\\u55357?\\uc0\\u56832 z}",
        QStringLiteral("\U0001F600z"));
    row("lone half", "{\\rtf1\\u55357?a}", QStringLiteral("\uFFFDa"));
    row("specials", "{\\rtf1 a\\tab b\\emdash\\ldblquote c\\rdblquote}",
        QStringLiteral("a\tb\u2014\u201Cc\u201D"));
    row("unknown starred group", "{\\rtf1 a{\\*\\foo b{c}}d}", "ad");
    row("field result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", "link");
    row("field without star", "{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 7}}}", "7");
    row("\\upr takes the Unicode half", "{\\rtf1{\\upr{a}{\\*\\ud{\\u229?}}}}",
        QStringLiteral("\u00E5"));
    row("paragraphs", "{\\rtf1 a\\par b\\par}", "a\nb");
    row("empty last paragraph", "{\\rtf1 a\\par\\par}", "a\n");
    row("backslash before line end", "{\\rtf1 a\\\nb}", "a\nb");
    row("table cells", "{\\rtf1 a\\cell b\\cell\\row}", "a\nb");
    row("other pictures are skipped", "{\\rtf1 a{\\pict\\wmetafile8 0102}b}", "ab");
    row("binary data is skipped", "{\\rtf1 a{\\pict\\wmetafile8\\bin3 }}}}b}", "ab");
    row("truncated", "{\\rtf1 abc", "abc");
    row("cut in an escape", "{\\rtf1 ab\\'f", "ab");
    row("cut after a backslash", "{\\rtf1 ab\\", "ab");
    row("\\u without a number", "{\\rtf1 ab\\u}", "ab");
    row("unbalanced open braces", "{\\rtf1 {{{ab", "ab");
    row("extra closing brace", "{\\rtf1 ab}}cd", "ab");
    row("trailing NUL", QByteArray("{\\rtf1 ab}\0", 11), "ab");
    row("text before {\\rtf", "/{\\rtf1 x}", "x");
    row("empty input", "", "", false);
    row("UTF-8 plain text", "bl\xC3\xA5 \\par", QStringLiteral("bl\u00E5 \\par"), false);
    row("Windows-1252 plain text", "bl\xE5", QStringLiteral("bl\u00E5"), false);
    // Found by fuzzing: line ends and a NUL in a file that is not RTF.
    row("plain text line ends", QByteArray("a\r\nb\rc\n\0", 9), "a\nb\nc\n", false);
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, isRtf);
    bool wasRtf = !isRtf;
    QCOMPARE(readText(rtf, &wasRtf), expected);
    QCOMPARE(wasRtf, isRtf);
}

void TestRtfReader::deepNestingEndsQuickly()
{
    const QByteArray rtf =
        "{\\rtf1 a" + QByteArray(200000, '{') + "b" + QByteArray(200000, '}') + "c}";
    QCOMPARE(readText(rtf), QStringLiteral("abc"));
}

namespace {

QTextCharFormat formatAt(const QTextDocument &doc, int position)
{
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(position + 1);
    return c.charFormat();
}

} // namespace

void TestRtfReader::characterAttributes()
{
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\f0\\fs20 a\\b b\\b0\\i c\\i0\\ul d\\ulnone\\strike e\\strike0\\cf1 f\\cf0"
            "\\highlight2 g\\highlight0\\f1\\fs31 h{\\b i}j\\plain k\\f7 l}",
            doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("abcdefghijkl"));
    const QTextCharFormat a = formatAt(doc, 0);
    QCOMPARE(a.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(a.fontPointSize(), 10.0);
    QVERIFY(a.fontWeight() != QFont::Bold && !a.fontItalic() && !a.fontUnderline());
    QCOMPARE(formatAt(doc, 1).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(doc, 2).fontItalic());
    QVERIFY(formatAt(doc, 2).fontWeight() != QFont::Bold);
    QVERIFY(formatAt(doc, 3).fontUnderline());
    QVERIFY(formatAt(doc, 4).fontStrikeOut());
    QVERIFY(!formatAt(doc, 4).fontUnderline());
    QCOMPARE(formatAt(doc, 5).foreground().color(), QColor(255, 0, 0));
    QVERIFY(!formatAt(doc, 6).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatAt(doc, 6).background().color(), QColor(0, 0, 255));
    const QTextCharFormat h = formatAt(doc, 7);
    QCOMPARE(h.fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(h.fontPointSize(), 15.5);
    QVERIFY(!h.hasProperty(QTextFormat::BackgroundBrush));
    QCOMPARE(formatAt(doc, 8).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(doc, 9).fontWeight() != QFont::Bold); // the group ended
    const QTextCharFormat k = formatAt(doc, 10);
    QCOMPARE(k.fontFamilies().toStringList(), QStringList{"Arial"}); // \plain: default font
    QCOMPARE(k.fontPointSize(), 12.0);
    // A font number the table does not hold: the default font, not Qt's.
    QCOMPARE(formatAt(doc, 11).fontFamilies().toStringList(), QStringList{"Arial"});
}

void TestRtfReader::paragraphAttributes()
{
    QTextDocument doc;
    readRtf("{\\rtf1\\pard\\qc\\fi-360\\li720\\ri240\\sb120\\sa195 a\\par"
            "\\qr b\\par\\pard\\qj c\\par\\pard d}",
            doc);
    QCOMPARE(doc.blockCount(), 4);
    const QTextBlockFormat a = doc.findBlockByNumber(0).blockFormat();
    QCOMPARE(a.alignment(), Qt::AlignHCenter);
    QCOMPARE(a.textIndent(), -24.0);
    QCOMPARE(a.leftMargin(), 48.0);
    QCOMPARE(a.rightMargin(), 16.0);
    QCOMPARE(a.topMargin(), 8.0);
    QCOMPARE(a.bottomMargin(), 13.0);
    const QTextBlockFormat b = doc.findBlockByNumber(1).blockFormat();
    QCOMPARE(b.alignment(), Qt::AlignRight);
    QCOMPARE(b.leftMargin(), 48.0); // no \pard: the indents stay
    QCOMPARE(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignJustify);
    QCOMPARE(doc.findBlockByNumber(2).blockFormat().leftMargin(), 0.0);
    QCOMPARE(doc.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignLeft);
}

void TestRtfReader::listsOfCorpus()
{
    REQUIRE_RTF_CORPUS();
    QTextDocument doc;
    readRtf(fileBytes(corpus("05_riched20_bullets_and_numbering.rtf")), doc);
    const auto list = [&doc](int block) {
        return doc.findBlockByNumber(block).textList();
    };
    QVERIFY(!list(0));
    QVERIFY(list(1) && list(1) == list(2));
    QCOMPARE(list(1)->format().style(), QTextListFormat::ListDisc);
    QVERIFY(!list(3));
    QVERIFY(list(4) && list(4) == list(5));
    QCOMPARE(list(4)->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(list(5)->itemText(doc.findBlockByNumber(5)), QStringLiteral("2."));

    readRtf(fileBytes(corpus("06_riched20_fbidis_segoe_bullets_paren_numbers.rtf")), doc);
    QVERIFY(list(3));
    QCOMPARE(list(3)->itemText(doc.findBlockByNumber(3)), QStringLiteral("1)"));

    // Two numbered lists with text between them: the second starts at 1 again.
    readRtf(fileBytes(corpus("01_riched20_danish_numbered_colours.rtf")), doc);
    QList<QTextList *> lists;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.textList() && !lists.contains(b.textList()))
            lists.append(b.textList());
    QCOMPARE(lists.size(), 2);
    for (QTextList *l : lists) {
        QCOMPARE(l->count(), 3);
        QCOMPARE(l->itemText(l->item(0)), QStringLiteral("1."));
    }
}

void TestRtfReader::pngPictureBecomesImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QTextDocument doc;
    readRtf("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal90\\pichgoal45 " +
                png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 00}}b}",
            doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("a\uFFFCb"));
    const QTextImageFormat f = formatAt(doc, 1).toImageFormat();
    QVERIFY(f.isValid());
    QCOMPARE(f.width(), 6.0);
    QCOMPARE(f.height(), 3.0);
    const QImage stored =
        doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(4, 3));
    QCOMPARE(stored.pixelColor(0, 0), QColor(Qt::red));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
