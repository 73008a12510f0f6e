#include "richtext/RtfReader.h"
#include "richtext/RtfUnits.h"
#include "richtext/RtfWriter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

using Builder = std::function<void(QTextCursor &)>;
Q_DECLARE_METATYPE(Builder)

namespace {

QTextCharFormat run(const QString &family, double size, bool bold = false, bool italic = false,
                    bool underline = false, bool strike = false)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(size);
    if (bold)
        f.setFontWeight(QFont::Bold);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontStrikeOut(strike);
    return f;
}

QTextBlockFormat paragraph(Qt::Alignment align, double first = 0, double left = 0, double right = 0,
                           double before = 0, double after = 0)
{
    QTextBlockFormat f;
    f.setAlignment(align);
    f.setTextIndent(first);
    f.setLeftMargin(left);
    f.setRightMargin(right);
    f.setTopMargin(before);
    f.setBottomMargin(after);
    return f;
}

// What a user sees of a document, one line per paragraph and per run of
// equally formatted characters, so that two documents built differently
// compare equal when they look the same.
QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    const QString defaultFamily = doc.defaultFont().family();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const QTextList *list = b.textList();
        const double indent =
            bf.leftMargin() +
            (bf.indent() + (list ? list->format().indent() : 0)) * doc.indentWidth();
        lines << QStringLiteral("P align=%1 fi=%2 li=%3 ri=%4 sb=%5 sa=%6 list=%7")
                     .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(qRound(bf.textIndent()))
                     .arg(qRound(indent))
                     .arg(qRound(bf.rightMargin()))
                     .arg(qRound(bf.topMargin()))
                     .arg(qRound(bf.bottomMargin()))
                     .arg(list ? QString::number(list->format().style()) + " " + list->itemText(b)
                               : QString());
        QString last;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QString family = f.fontFamilies().toStringList().value(0);
            if (family.isEmpty())
                family = defaultFamily;
            const double size =
                f.fontPointSize() > 0 ? f.fontPointSize() : doc.defaultFont().pointSizeF();
            const QString attrs = f.isImageFormat()
                                      ? QStringLiteral("image %1x%2")
                                            .arg(qRound(f.toImageFormat().width()))
                                            .arg(qRound(f.toImageFormat().height()))
                                      : QStringLiteral("%1 %2 b%3 i%4 u%5 s%6 fg=%7 bg=%8")
                                            .arg(family)
                                            .arg(size)
                                            .arg(f.fontWeight() >= QFont::DemiBold)
                                            .arg(f.fontItalic())
                                            .arg(f.fontUnderline())
                                            .arg(f.fontStrikeOut())
                                            .arg(f.hasProperty(QTextFormat::ForegroundBrush)
                                                     ? f.foreground().color().name()
                                                     : QString())
                                            .arg(f.hasProperty(QTextFormat::BackgroundBrush)
                                                     ? f.background().color().name()
                                                     : QString());
            if (attrs == last && !f.isImageFormat()) {
                lines.last() += it.fragment().text();
            } else {
                lines << "  " + attrs + ": " + it.fragment().text();
                last = attrs;
            }
        }
    }
    return lines;
}

// Our RTF converted by the office suite, with a profile of its own so that
// it runs beside an open office suite; empty when the conversion failed.
QByteArray convertWithOffice(const QString &soffice, const QByteArray &rtf, const QString &format,
                             const QTemporaryDir &dir)
{
    const QString rtfPath = dir.filePath("dokument.rtf");
    QFile file(rtfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    file.close();
    QProcess office;
    office.start(soffice, {"-env:UserInstallation=" +
                               QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                           "--headless", "--convert-to", format, "--outdir", dir.path(), rtfPath});
    if (!office.waitForFinished(180000))
        return {};
    const QString extension = format.section(u':', 0, 0);
    QFile converted(dir.filePath("dokument." + extension));
    if (!converted.open(QIODevice::ReadOnly)) {
        qWarning() << office.readAllStandardError();
        return {};
    }
    return converted.readAll();
}

// The attributes that show, one line per paragraph and per run of equally
// formatted characters. White space is left out: the two programs split and
// format the spaces between words differently, and their format does not
// show but for underline and strike.
struct LookRun
{
    QString attrs;
    QString text;
};

QString pointText(double pt)
{
    return QString::number(qRound(pt * 10) / 10.0);
}

void addRun(QStringList &lines, QList<LookRun> &runs)
{
    QString lastAttrs;
    for (const LookRun &r : runs) {
        const QString text = r.text.simplified();
        if (text.isEmpty())
            continue;
        if (r.attrs == lastAttrs) {
            lines.last() += ' ' + text;
        } else {
            lines << "  " + r.attrs + ": " + text;
            lastAttrs = r.attrs;
        }
    }
    runs.clear();
}

QString charAttrs(bool b, bool i, bool u, bool s, const QString &color, double size,
                  const QString &font)
{
    return QStringLiteral("b%1 i%2 u%3 s%4 %5 %6pt %7")
        .arg(b)
        .arg(i)
        .arg(u)
        .arg(s)
        .arg(color.isEmpty() ? QStringLiteral("auto") : color.toLower())
        .arg(size)
        .arg(font);
}

QStringList lookOf(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const QTextList *list = b.textList();
        const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
        const double left = bf.leftMargin() + (bf.indent() + (list ? list->format().indent() : 0)) *
                                                  doc.indentWidth();
        lines << QStringLiteral("P %1 list=%2 left=%3 indent=%4")
                     .arg(align == Qt::AlignHCenter   ? "center"
                          : align == Qt::AlignRight   ? "right"
                          : align == Qt::AlignJustify ? "justify"
                                                      : "left")
                     .arg(!list                                                 ? "none"
                          : list->format().style() == QTextListFormat::ListDisc ? "bullet"
                                                                                : "number")
                     .arg(pointText(left / kPixelsPerPoint))
                     .arg(pointText(bf.textIndent() / kPixelsPerPoint));
        QList<LookRun> runs;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.append({charAttrs(f.fontWeight() >= QFont::DemiBold, f.fontItalic(),
                                   f.fontUnderline(), f.fontStrikeOut(),
                                   f.hasProperty(QTextFormat::ForegroundBrush)
                                       ? f.foreground().color().name()
                                       : QString(),
                                   f.fontPointSize(), f.fontFamilies().toStringList().value(0)),
                         it.fragment().text()});
        }
        addRun(lines, runs);
    }
    return lines;
}

double points(const QString &length)
{
    static const QList<std::pair<QString, double>> units = {
        {"in", 72.0}, {"cm", 72.0 / 2.54}, {"mm", 72.0 / 25.4}, {"pt", 1.0}};
    for (const auto &[unit, factor] : units)
        if (length.endsWith(unit))
            return length.chopped(unit.size()).toDouble() * factor;
    return 0;
}

// The same view of a flat OpenDocument text that the office suite wrote:
// styles resolved through their parents and the default style.
QStringList officeLook(const QByteArray &fodt)
{
    struct Style
    {
        QString parent;
        QHash<QString, QString> properties;
    };
    QHash<QString, Style> styles;
    QHash<QString, QString> defaults; // of paragraph styles
    QHash<QString, QString> fontFaces;
    QHash<QString, QString> listKinds; // list style name: kind of its first level
    // The first of `names` that the styles (innermost first, each followed
    // by its parents) or the default style set, with its value.
    const auto lookUp = [&](const QStringList &chain,
                            const QStringList &names) -> std::pair<QString, QString> {
        for (QString style : chain) {
            for (int depth = 0; !style.isEmpty() && depth < 20; ++depth) {
                const Style s = styles.value(style);
                for (const QString &name : names)
                    if (s.properties.contains(name))
                        return {name, s.properties.value(name)};
                style = s.parent;
            }
        }
        for (const QString &name : names)
            if (defaults.contains(name))
                return {name, defaults.value(name)};
        return {};
    };
    const auto property = [&](const QStringList &chain, const QString &name) {
        return lookUp(chain, {name}).second;
    };

    QStringList lines;
    QList<LookRun> runs;
    QStringList spans;      // open text:span styles, innermost last
    QStringList lists;      // open text:list styles
    QString paragraphStyle; // of the open text:p
    QString listStyle;      // of the list the open paragraph is in
    QString styleName;
    QString listStyleName;
    bool inParagraph = false;
    QXmlStreamReader xml(fodt);
    const auto addText = [&](const QString &text) {
        QStringList chain = spans;
        std::reverse(chain.begin(), chain.end());
        chain << paragraphStyle;
        const QString weight = property(chain, "fo:font-weight");
        const QString underline = property(chain, "style:text-underline-style");
        const QString strike = property(chain, "style:text-line-through-style");
        const auto [colorKey, colorValue] =
            lookUp(chain, {"fo:color", "style:use-window-font-color"});
        const QString color = colorKey == "fo:color" ? colorValue : QString();
        QString font = property(chain, "style:font-name");
        font = fontFaces.value(font, font);
        font.remove(u'\'');
        runs.append({charAttrs(weight == "bold" || weight.toInt() >= 600,
                               property(chain, "fo:font-style") == "italic",
                               !underline.isEmpty() && underline != "none",
                               !strike.isEmpty() && strike != "none", color,
                               points(property(chain, "fo:font-size")), font),
                     text});
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QString name = xml.qualifiedName().toString();
        const QXmlStreamAttributes a = xml.attributes();
        if (token == QXmlStreamReader::StartElement) {
            if (name == "style:font-face") {
                fontFaces.insert(a.value("style:name").toString(),
                                 a.value("svg:font-family").toString());
            } else if (name == "style:style") {
                styleName = a.value("style:name").toString();
                styles[styleName].parent = a.value("style:parent-style-name").toString();
                const QString list = a.value("style:list-style-name").toString();
                if (!list.isEmpty())
                    styles[styleName].properties.insert("style:list-style-name", list);
            } else if (name == "style:default-style") {
                styleName =
                    a.value("style:family") == u"paragraph" ? QStringLiteral("*") : QString();
            } else if (name == "text:list-style") {
                listStyleName = a.value("style:name").toString();
            } else if (name.startsWith("text:list-level-style-") && a.value("text:level") == u"1") {
                listKinds.insert(listStyleName, name.mid(22));
            } else if ((name == "style:paragraph-properties" || name == "style:text-properties") &&
                       !styleName.isEmpty() && listStyleName.isEmpty()) {
                for (const QXmlStreamAttribute &attribute : a) {
                    const QString key = attribute.qualifiedName().toString();
                    if (styleName == "*")
                        defaults.insert(key, attribute.value().toString());
                    else
                        styles[styleName].properties.insert(key, attribute.value().toString());
                }
            } else if (name == "text:list") {
                lists << (a.hasAttribute("text:style-name") || lists.isEmpty()
                              ? a.value("text:style-name").toString()
                              : lists.last());
            } else if (name == "text:p" || name == "text:h") {
                inParagraph = true;
                paragraphStyle = a.value("text:style-name").toString();
                listStyle = lists.isEmpty() ? QString() : lists.last();
                if (!lists.isEmpty() && listStyle.isEmpty())
                    listStyle = property({paragraphStyle}, "style:list-style-name");
            } else if (name == "text:span") {
                spans << a.value("text:style-name").toString();
            } else if (inParagraph &&
                       (name == "text:s" || name == "text:tab" || name == "text:line-break")) {
                addText(QStringLiteral(" "));
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == "style:style" || name == "style:default-style") {
                styleName.clear();
            } else if (name == "text:list-style") {
                listStyleName.clear();
            } else if (name == "text:list") {
                lists.removeLast();
            } else if (name == "text:span") {
                spans.removeLast();
            } else if (name == "text:p" || name == "text:h") {
                const QString align = property({paragraphStyle}, "fo:text-align");
                const QString kind = listKinds.value(listStyle);
                lines << QStringLiteral("P %1 list=%2 left=%3 indent=%4")
                             .arg(align == "center"                    ? "center"
                                  : align == "end" || align == "right" ? "right"
                                  : align == "justify"                 ? "justify"
                                                                       : "left")
                             .arg(listStyle.isEmpty() ? "none"
                                  : kind == "bullet"  ? "bullet"
                                  : kind == "number"  ? "number"
                                                      : "other " + kind)
                             .arg(pointText(points(property({paragraphStyle}, "fo:margin-left"))))
                             .arg(pointText(points(property({paragraphStyle}, "fo:text-indent"))));
                addRun(lines, runs);
                inParagraph = false;
            }
        } else if (token == QXmlStreamReader::Characters && inParagraph) {
            addText(xml.text().toString());
        }
    }
    if (xml.hasError())
        lines << "XML error: " + xml.errorString();
    return lines;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void headerAndEscapes();
    void officeSuiteReadsOurOutput();
    void officeSuiteReadsOurAttributes();
};

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<Builder>("build");

    QTest::newRow("Danish and Windows-1252 letters") << Builder([](QTextCursor &c) {
        c.insertText(QStringLiteral("Blåbærgrød ÆØÅ \u201Ccitat\u201D \u2013 \u20AC 5 \u2026 "
                                    "\\ { } a\tb\u00A0c"),
                     run("Arial", 11));
    });
    QTest::newRow("characters outside Windows-1252") << Builder([](QTextCursor &c) {
        c.insertText(QStringLiteral("Ж \u03A9 \u65E5\u672C \U0001F600 \u2705"), run("Arial", 12));
    });
    QTest::newRow("character attributes") << Builder([](QTextCursor &c) {
        c.insertText("plain ", run("Arial", 10));
        c.insertText("bold ", run("Arial", 10, true));
        c.insertText("italic ", run("Courier New", 10.5, false, true));
        c.insertText("under ", run("Courier New", 14, false, false, true));
        c.insertText("strike ", run("Tahoma", 8, false, false, false, true));
        QTextCharFormat red = run("Arial", 12, true, true);
        red.setForeground(QColor(255, 0, 0));
        c.insertText("red ", red);
        QTextCharFormat marked = run("Arial", 12);
        marked.setBackground(QColor(255, 255, 0));
        marked.setForeground(QColor(0, 0, 255));
        c.insertText("marked", marked);
    });
    QTest::newRow("paragraphs") << Builder([](QTextCursor &c) {
        c.setBlockFormat(paragraph(Qt::AlignLeft));
        c.insertText("left", run("Arial", 10));
        c.insertBlock(paragraph(Qt::AlignHCenter, -24, 48, 16, 8, 12), run("Arial", 10));
        c.insertText(QStringLiteral("centre\u2028second line"));
        c.insertBlock(paragraph(Qt::AlignHCenter, -24, 48, 16, 8, 12), run("Arial", 10));
        c.insertText("same format");
        c.insertBlock(paragraph(Qt::AlignRight), run("Arial", 20));
        c.insertBlock(paragraph(Qt::AlignJustify), run("Arial", 10));
        c.insertText("justified after an empty paragraph");
        c.insertBlock(paragraph(Qt::AlignLeft), run("Arial", 10));
    });
    QTest::newRow("lists") << Builder([](QTextCursor &c) {
        const auto list = [&c](QTextListFormat::Style style, const QStringList &items,
                               const QString &suffix = QStringLiteral(".")) {
            QTextListFormat lf;
            lf.setStyle(style);
            lf.setNumberSuffix(suffix);
            c.insertBlock(paragraph(Qt::AlignLeft), run("Arial", 10));
            c.createList(lf);
            c.insertText(items.first());
            for (const QString &item : items.mid(1)) {
                c.insertBlock();
                c.insertText(item);
            }
            c.insertBlock(paragraph(Qt::AlignLeft), run("Arial", 10));
            c.insertText("between");
        };
        c.insertText("start", run("Arial", 10));
        list(QTextListFormat::ListDisc, {"æble", "pære", "blomme"});
        list(QTextListFormat::ListDecimal, {"en", "to", "tre"});
        list(QTextListFormat::ListDecimal, {"igen en", "igen to"});
        list(QTextListFormat::ListLowerAlpha, {"a-punkt", "b-punkt"}, QStringLiteral(")"));
    });
    QTest::newRow("empty document") << Builder([](QTextCursor &) {});
    QTest::newRow("picture") << Builder([](QTextCursor &c) {
        QImage image(5, 4, QImage::Format_RGB32);
        image.fill(Qt::blue);
        c.document()->addResource(QTextDocument::ImageResource, QUrl("billede"), image);
        c.insertText("før ", run("Arial", 10));
        QTextImageFormat f;
        f.setName("billede");
        f.setWidth(10);
        f.setHeight(8);
        c.insertImage(f);
        c.insertText(" efter", run("Arial", 10));
    });
}

void TestRtfWriter::roundTrip()
{
    QFETCH(Builder, build);
    QTextDocument original;
    QTextCursor cursor(&original);
    build(cursor);

    const QByteArray rtf = writeRtf(original);
    QTextDocument copy;
    QVERIFY(readRtf(rtf, copy));
    QCOMPARE(copy.toPlainText(), original.toPlainText());
    QCOMPARE(describe(copy), describe(original));
    // A second pass changes nothing.
    QCOMPARE(writeRtf(copy), rtf);
}

void TestRtfWriter::headerAndEscapes()
{
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("å Ж \U0001F600 {x}"), run("Arial", 11));
    const QByteArray rtf = writeRtf(doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 "));
    QVERIFY(rtf.contains("\\viewkind4\\uc1 "));
    QVERIFY(rtf.contains("\\pard "));
    QVERIFY(rtf.contains("\\fs22 \\'e5 \\u1046? \\u-10179?\\u-8704? \\{x\\}\\par\r\n"));
    for (const char c : rtf)
        QVERIFY(uchar(c) < 0x80);
}

void TestRtfWriter::officeSuiteReadsOurOutput()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("no office suite (soffice) on this machine");
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Blåbærgrød med fløde \u2013 Ж \u20AC"), run("Arial", 14, true));
    c.insertBlock(paragraph(Qt::AlignHCenter), run("Courier New", 10));
    c.insertText(QStringLiteral("Næste afsnit\tmed tabulator"));
    QTemporaryDir dir;
    const QByteArray text =
        convertWithOffice(soffice, writeRtf(doc), "txt:Text (encoded):UTF8", dir);
    QVERIFY2(!text.isEmpty(), "the office suite converted nothing");
    QString converted = QString::fromUtf8(text);
    converted.remove(QChar(0xFEFF)).remove(u'\r');
    QCOMPARE(converted.trimmed(), doc.toPlainText());
}

void TestRtfWriter::officeSuiteReadsOurAttributes()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("no office suite (soffice) on this machine");
    QTextDocument doc;
    QTextCursor c(&doc);
    const QTextCharFormat plain = run("Arial", 12);
    const auto word = [&c, &plain](const QString &text, const QTextCharFormat &format) {
        c.insertText(text, format);
        c.insertText(" ", plain);
    };
    word("fed", run("Arial", 12, true));
    word("kursiv", run("Arial", 12, false, true));
    word("understreget", run("Arial", 12, false, false, true));
    word("gennemstreget", run("Arial", 12, false, false, false, true));
    QTextCharFormat red = plain;
    red.setForeground(QColor(0xc0, 0x10, 0x20));
    word(QStringLiteral("r\u00F8d"), red);
    word("stor", run("Arial", 20));
    word("skrivemaskine", run("Courier New", 12));
    // Everything at once, then back to plain: each attribute must switch off.
    QTextCharFormat all = run("Courier New", 9, true, true, true, true);
    all.setForeground(QColor(0x10, 0x60, 0x30));
    word(QStringLiteral("alt p\u00E5 \u00E9n gang"), all);
    c.insertText("almindelig", plain);
    c.insertBlock(paragraph(Qt::AlignHCenter), plain);
    c.insertText("midten");
    c.insertBlock(paragraph(Qt::AlignRight), plain);
    c.insertText(QStringLiteral("h\u00F8jre"));
    c.insertBlock(paragraph(Qt::AlignLeft, 24, 48), plain);
    c.insertText("indrykket");
    c.insertBlock(paragraph(Qt::AlignLeft, -12, 36), plain);
    c.insertText(QStringLiteral("h\u00E6ngende indrykning"));
    c.insertBlock(paragraph(Qt::AlignLeft), plain);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    c.createList(bullets);
    c.insertText(QStringLiteral("\u00E6ble"));
    c.insertBlock();
    c.insertText(QStringLiteral("p\u00E6re"), run("Arial", 12, true));
    c.insertBlock(paragraph(Qt::AlignLeft), plain);
    c.insertText("efter listen");

    QTemporaryDir dir;
    const QByteArray odt = convertWithOffice(soffice, writeRtf(doc), "fodt", dir);
    QVERIFY2(!odt.isEmpty(), "the office suite converted nothing");
    QCOMPARE(officeLook(odt), lookOf(doc));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
