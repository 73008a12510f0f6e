#include "richtext/RtfReader.h"
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

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void headerAndEscapes();
    void officeSuiteReadsOurOutput();
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
    const QString rtfPath = dir.filePath("dokument.rtf");
    QFile file(rtfPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeRtf(doc));
    file.close();
    QProcess office;
    office.start(soffice,
                 {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
                  "--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir.path(), rtfPath});
    QVERIFY(office.waitForFinished(180000));
    QFile text(dir.filePath("dokument.txt"));
    QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(office.readAllStandardError()));
    QString converted = QString::fromUtf8(text.readAll());
    converted.remove(QChar(0xFEFF)).remove(u'\r');
    QCOMPARE(converted.trimmed(), doc.toPlainText());
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
