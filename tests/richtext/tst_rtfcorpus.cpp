// Paragraph and character attributes of the corpus files against what an
// independent office suite read from them (expected/*.lo.attrs.json).

#include "SharedCorpus.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfUnits.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

// Where our reading of a file knowingly differs from the office suite's.
// `paragraph` counts the paragraphs of the expected file from 0, empty ones
// included. A paragraph field ("align", "list", "margin_left_pt",
// "text_indent_pt") is replaced for the whole paragraph; a run field ("b",
// "i", "u", "s", "color", "size_pt", "font") for the characters of `text`
// in that paragraph, or for all of them when `text` is empty. Paragraph -1
// means every paragraph. The field "insert" puts the paragraph in `value`
// (in the form of the expected file) before the numbered one.
struct Deviation
{
    int paragraph = -1;
    QString field;
    QJsonValue value;
    QString text;
    QString reason;
};
using Deviations = QList<Deviation>;

struct CharAttrs
{
    bool b = false;
    bool i = false;
    bool u = false;
    bool s = false;
    QString color; // "#rrggbb", empty for the automatic colour
    double size = 0;
    QString font;
};

struct Paragraph
{
    QString align;
    bool list = false;
    double left = 0; // points
    double indent = 0;
    QString text;
    QList<CharAttrs> chars; // one per UTF-16 unit of text
    qsizetype number = 0;   // place in its document, empty paragraphs counted
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString corpus(const QString &name)
{
    return QStringLiteral(RTF_CORPUS "/") + name;
}

QJsonArray expectedParagraphs(const QString &rtfName)
{
    const QString path = corpus("expected/" + rtfName.chopped(4) + ".lo.attrs.json");
    return QJsonDocument::fromJson(fileBytes(path)).object().value("paragraphs").toArray();
}

// Runs of white space count as one space, and white space at the ends of a
// paragraph not at all: the two readers break and pad lines differently.
QString normalisedText(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        const bool space = c.isSpace() || c == QChar::ObjectReplacementCharacter;
        if (space) {
            if (!out.isEmpty() && !out.endsWith(u' '))
                out += u' ';
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar::ObjectReplacementCharacter;
}

CharAttrs attrsOf(const QJsonObject &run)
{
    CharAttrs a;
    a.b = run.value("b").toBool();
    a.i = run.value("i").toBool();
    a.u = run.value("u").toBool();
    a.s = run.value("s").toBool();
    a.color = run.value("color").toString().toLower();
    a.size = run.value("size_pt").toDouble();
    a.font = run.value("font").toString();
    return a;
}

void applyRunField(CharAttrs &a, const QString &field, const QJsonValue &v)
{
    if (field == "b")
        a.b = v.toBool();
    else if (field == "i")
        a.i = v.toBool();
    else if (field == "u")
        a.u = v.toBool();
    else if (field == "s")
        a.s = v.toBool();
    else if (field == "color")
        a.color = v.toString().toLower();
    else if (field == "size_pt")
        a.size = v.toDouble();
    else if (field == "font")
        a.font = v.toString();
    else
        QTest::qFail(qPrintable("unknown field " + field), __FILE__, __LINE__);
}

Paragraph paragraphOf(const QJsonObject &p)
{
    Paragraph out;
    out.align = p.value("align").toString();
    out.list = p.value("list").toBool();
    out.left = p.value("margin_left_pt").toDouble(0);
    out.indent = p.value("text_indent_pt").toDouble(0);
    for (const QJsonValue &r : p.value("runs").toArray()) {
        const QJsonObject run = r.toObject();
        const QString text = run.value("text").toString();
        const CharAttrs a = attrsOf(run);
        out.text += text;
        for (qsizetype k = 0; k < text.size(); ++k)
            out.chars.append(a);
    }
    return out;
}

bool applyDeviation(QList<Paragraph> &paragraphs, const Deviation &d)
{
    if (d.field == "insert") {
        if (d.paragraph < 0 || d.paragraph > paragraphs.size())
            return false;
        Paragraph p = paragraphOf(d.value.toObject());
        p.number = -1;
        paragraphs.insert(d.paragraph, p);
        return true;
    }
    const qsizetype first = d.paragraph < 0 ? 0 : d.paragraph;
    const qsizetype last = d.paragraph < 0 ? paragraphs.size() - 1 : d.paragraph;
    if (first >= paragraphs.size() || last >= paragraphs.size())
        return false;
    bool applied = false;
    for (qsizetype n = first; n <= last; ++n) {
        Paragraph &p = paragraphs[n];
        if (d.field == "align") {
            p.align = d.value.toString();
        } else if (d.field == "list") {
            p.list = d.value.toBool();
        } else if (d.field == "margin_left_pt") {
            p.left = d.value.toDouble();
        } else if (d.field == "text_indent_pt") {
            p.indent = d.value.toDouble();
        } else {
            qsizetype from = 0;
            qsizetype length = p.text.size();
            if (!d.text.isEmpty()) {
                from = p.text.indexOf(d.text);
                if (from < 0)
                    continue;
                length = d.text.size();
            }
            for (qsizetype k = from; k < from + length; ++k)
                applyRunField(p.chars[k], d.field, d.value);
        }
        applied = true;
    }
    return applied;
}

QString alignName(Qt::Alignment a)
{
    a &= Qt::AlignHorizontal_Mask;
    if (a == Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a == Qt::AlignRight || a == Qt::AlignTrailing)
        return QStringLiteral("right");
    if (a == Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

QList<Paragraph> paragraphsOf(const QTextDocument &doc)
{
    QList<Paragraph> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const QTextList *list = b.textList();
        Paragraph p;
        p.align = alignName(bf.alignment());
        p.list = list != nullptr;
        const double indentUnits = bf.indent() + (list ? list->format().indent() : 0);
        p.left = (bf.leftMargin() + indentUnits * doc.indentWidth()) / kPixelsPerPoint;
        p.indent = bf.textIndent() / kPixelsPerPoint;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            CharAttrs a;
            a.b = f.fontWeight() >= QFont::DemiBold;
            a.i = f.fontItalic();
            a.u = f.fontUnderline();
            a.s = f.fontStrikeOut();
            if (f.hasProperty(QTextFormat::ForegroundBrush))
                a.color = f.foreground().color().name();
            a.size = f.fontPointSize();
            a.font = f.fontFamilies().toStringList().value(0);
            p.text += fragment.text();
            for (int k = 0; k < fragment.length(); ++k)
                p.chars.append(a);
        }
        p.number = out.size();
        out.append(p);
    }
    return out;
}

QString describe(const CharAttrs &a)
{
    return QStringLiteral("b%1 i%2 u%3 s%4 color=%5 size=%6 font=%7")
        .arg(a.b)
        .arg(a.i)
        .arg(a.u)
        .arg(a.s)
        .arg(a.color.isEmpty() ? QStringLiteral("auto") : a.color)
        .arg(a.size)
        .arg(a.font);
}

// The differences between two readings of one paragraph, at most one per
// kind so that one fault does not bury the others.
QStringList compare(const Paragraph &ours, const Paragraph &theirs, const QString &where)
{
    QStringList faults;
    const auto fault = [&](const QString &what, const QString &got, const QString &want) {
        faults << QStringLiteral("%1 %2: ours %3, expected %4").arg(where, what, got, want);
    };
    if (ours.align != theirs.align)
        fault("align", ours.align, theirs.align);
    if (ours.list != theirs.list)
        fault("list", QString::number(ours.list), QString::number(theirs.list));
    if (qAbs(ours.left - theirs.left) > 0.1)
        fault("left margin", QString::number(ours.left), QString::number(theirs.left));
    if (qAbs(ours.indent - theirs.indent) > 0.1)
        fault("first-line indent", QString::number(ours.indent), QString::number(theirs.indent));

    // Attributes of white space do not show; the other characters are the
    // same in both once the texts compare equal.
    QList<qsizetype> mine, other;
    for (qsizetype k = 0; k < ours.text.size(); ++k)
        if (!isBlank(ours.text.at(k)))
            mine.append(k);
    for (qsizetype k = 0; k < theirs.text.size(); ++k)
        if (!isBlank(theirs.text.at(k)))
            other.append(k);
    if (mine.size() != other.size()) {
        fault("characters", QString::number(mine.size()), QString::number(other.size()));
        return faults;
    }
    for (qsizetype k = 0; k < mine.size(); ++k) {
        const CharAttrs &a = ours.chars.at(mine.at(k));
        const CharAttrs &e = theirs.chars.at(other.at(k));
        const bool same = a.b == e.b && a.i == e.i && a.u == e.u && a.s == e.s &&
                          a.color == e.color && qAbs(a.size - e.size) < 0.05 && a.font == e.font;
        if (!same) {
            const qsizetype at = mine.at(k);
            fault(QStringLiteral("at \"%1\"").arg(ours.text.mid(at, 20)), describe(a), describe(e));
            break;
        }
    }
    return faults;
}

} // namespace

Q_DECLARE_METATYPE(Deviation)

class TestRtfCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void attributes_data();
    void attributes();
};

void TestRtfCorpus::attributes_data()
{
    REQUIRE_RTF_CORPUS();
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expectedFrom");
    QTest::addColumn<QString>("cutAfter");
    QTest::addColumn<Deviations>("deviations");

    QStringList rows;
    const auto row = [&rows](const QString &file, const Deviations &deviations = {},
                             const QString &expectedFrom = {}, const QString &cutAfter = {}) {
        rows << file;
        QTest::newRow(qPrintable(file))
            << file << (expectedFrom.isEmpty() ? file : expectedFrom) << cutAfter << deviations;
    };
    // The office suite numbers the second list of 01 on from the first;
    // only whether a paragraph is a list item is compared here, the numbers
    // are checked in tst_rtfreader.
    row("01_riched20_danish_numbered_colours.rtf");
    row("02_riched20_gbk_fontname_trailing_nul.rtf");
    row("03_riched3_lang1030_bullets_qc_colours_cr_only.rtf");
    row("04_riched3_lang1030_fs20Drag_no_space_line.rtf");
    row("05_riched20_bullets_and_numbering.rtf");
    row("06_riched20_fbidis_segoe_bullets_paren_numbers.rtf");
    row("07_riched20_u_escapes_emoji_surrogates.rtf");
    row("08_riched20_pict_wmf_hyperlink_fields.rtf");
    row("09_msftedit_japanese_fcharset128_dbcs.rtf");
    row("10_wordpad_old_qc_qj_sa.rtf");
    row("11_word2016_full_header_themedata.rtf");
    row("12_ansicpg1251_cyrillic_table.rtf",
        {{-1,
          "font",
          "Times New Roman",
          {},
          "no \\deff: font 0 is the default font, as in the rich-edit control; the office "
          "suite takes a face of its own after \\plain"},
         // The three names stand in nested table cells, each in {\fs28\b ...}.
         {8, "b", true, QStringLiteral("Б.І. Гулько"),
          "the office suite drops character formatting inside nested table cells"},
         {8, "size_pt", 14.0, QStringLiteral("Б.І. Гулько"), "as above"},
         {9, "b", true, QStringLiteral("М.Є.Червинська"), "as above"},
         {9, "size_pt", 14.0, QStringLiteral("М.Є.Червинська"), "as above"},
         {10, "b", true, QStringLiteral("В.А.Черненко"), "as above"},
         {10, "size_pt", 14.0, QStringLiteral("В.А.Черненко"), "as above"}});
    row("13_staroffice_writer_special_char.rtf");
    row("14_cocoa_textedit_danish_uc0_surrogates.rtf");
    row("15_malformed_unclosed_fonttbl.rtf",
        {{2,
          "insert",
          QJsonObject{
              {"align", "left"},
              {"list", false},
              {"runs", QJsonArray{QJsonObject{
                           {"font", "Verdana"}, {"size_pt", 9.0}, {"text", "5% Auf Patronen"}}}}},
          {},
          "the office suite loses the body inside the unclosed font table; we recover it"},
         {2, "font", "Verdana", "Verdana;",
          "\\f1 is in no font table, so we use the default font \\f0; the office suite "
          "names the face after the number"}});
    // 16 and 18 hold the document of 17, cut short or with a byte before
    // {\rtf. The office suite refuses 16 and shows 18 as plain text; we read
    // both as RTF, so its reading of 17 is what they should give.
    row("16_malformed_truncated_missing_braces.rtf", {}, "17_malformed_extra_closing_brace.rtf");
    row("17_malformed_extra_closing_brace.rtf");
    row("18_malformed_garbage_before_rtf1.rtf", {}, "17_malformed_extra_closing_brace.rtf");
    // 19 is 01 cut inside an escape; the office suite refuses it.
    row("19_truncated_mid_hex_escape_from_01.rtf", {}, "01_riched20_danish_numbered_colours.rtf",
        QStringLiteral("Der er 3 m\u00E5der hvorp\u00E5 du kan tilf"));

    // A file added to the corpus needs a row here.
    QCOMPARE(rows, QDir(QStringLiteral(RTF_CORPUS)).entryList({"*.rtf"}, QDir::Files, QDir::Name));
}

void TestRtfCorpus::attributes()
{
    QFETCH(QString, file);
    QFETCH(QString, expectedFrom);
    QFETCH(QString, cutAfter);
    QFETCH(Deviations, deviations);

    const QJsonArray json = expectedParagraphs(expectedFrom);
    QVERIFY2(!json.isEmpty(), qPrintable("no expected attributes for " + expectedFrom));
    QList<Paragraph> expected;
    for (const QJsonValue &p : json) {
        expected.append(paragraphOf(p.toObject()));
        expected.last().number = expected.size() - 1;
    }
    if (!cutAfter.isEmpty()) {
        // The file is a copy of another one cut short: what came before the
        // cut is expected.
        qsizetype n = 0;
        while (n < expected.size() && !expected[n].text.contains(cutAfter))
            ++n;
        QVERIFY2(n < expected.size(), "the cut lies outside the expected text");
        const qsizetype end = expected[n].text.indexOf(cutAfter) + cutAfter.size();
        expected[n].text.truncate(end);
        expected[n].chars.resize(end);
        expected.resize(n + 1);
    }
    // Inserted paragraphs last and from the back, so that every number
    // counts in the expected file as written.
    std::stable_sort(deviations.begin(), deviations.end(),
                     [](const Deviation &a, const Deviation &b) {
                         const bool ai = a.field == "insert", bi = b.field == "insert";
                         return ai != bi ? bi : ai && a.paragraph > b.paragraph;
                     });
    for (const Deviation &d : deviations)
        QVERIFY2(applyDeviation(expected, d),
                 qPrintable(QStringLiteral("deviation at paragraph %1 (%2) does not apply")
                                .arg(d.paragraph)
                                .arg(d.field)));

    QTextDocument doc;
    QVERIFY(readRtf(fileBytes(corpus(file)), doc));
    QList<Paragraph> ours = paragraphsOf(doc);

    // Empty paragraphs show nothing of their attributes.
    const auto dropEmpty = [](QList<Paragraph> &list) {
        list.removeIf([](const Paragraph &p) { return normalisedText(p.text).isEmpty(); });
    };
    dropEmpty(expected);
    dropEmpty(ours);

    QStringList faults;
    for (qsizetype n = 0; n < std::max(ours.size(), expected.size()); ++n) {
        const QString where =
            QStringLiteral("paragraph %1 (ours %2)")
                .arg(n < expected.size() && expected[n].number >= 0
                         ? QString::number(expected[n].number)
                         : QStringLiteral("-"))
                .arg(n < ours.size() ? QString::number(ours[n].number) : QStringLiteral("-"));
        const QString mine = n < ours.size() ? normalisedText(ours[n].text) : QString();
        const QString theirs = n < expected.size() ? normalisedText(expected[n].text) : QString();
        if (mine != theirs) {
            faults << QStringLiteral("%1 text: ours \"%2\", expected \"%3\"")
                          .arg(where, mine.left(60), theirs.left(60));
            break; // the paragraphs no longer line up
        }
        faults << compare(ours[n], expected[n], where);
    }
    QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.mid(0, 25).join(u'\n')));
}

QTEST_MAIN(TestRtfCorpus)
#include "tst_rtfcorpus.moc"
