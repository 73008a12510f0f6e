#include "OddFiles.h"
#include "TestFiles.h"
#include "richtext/RichTextEdit.h"
#include "richtext/RtfReader.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

namespace {

void select(RichTextEdit &edit, int from, int to)
{
    QTextCursor c = edit.textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
}

QTextCharFormat formatAt(RichTextEdit &edit, int position)
{
    QTextCursor c(edit.document());
    c.setPosition(position + 1);
    return c.charFormat();
}

} // namespace

class TestRichTextEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadAndSaveKeepTextAndFormat();
    void editorFontInPixelsKeepsItsSize();
    void loadFailsOnlyWithoutFile();
    void oddFileDoesNotLoad_data();
    void oddFileDoesNotLoad();
    void saveFailureKeepsOldFile();
    void plainTextMode();
    void attributesOfSelection();
    void attributesAtCaretApplyToTyping();
    void plainTextModeFormatsEverything();
    void bulletOnAndOff();
    void paragraphIndents();
    void modifiedFlag();
    void findText_data();
    void findText();
    void tabLeavesTheEditorCtrlTabWritesATab();
};

void TestRichTextEdit::loadAndSaveKeepTextAndFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dokument.rtf");
    QVERIFY(putFile(
        path,
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
        "\\pard\\qc\\f0\\fs28\\cf1\\b Overskrift\\par\\pard\\b0\\cf0\\fs20 Bl\\'e5 tekst\\par}"));
    RichTextEdit edit;
    QVERIFY(edit.loadFromFile(path));
    QCOMPARE(edit.toPlainText(), QStringLiteral("Overskrift\nBlå tekst"));
    QCOMPARE(edit.textCursor().position(), 0);

    const QString copy = dir.filePath("kopi.rtf");
    QVERIFY(edit.saveToFile(copy));
    QVERIFY(fileContents(copy).startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    RichTextEdit again;
    QVERIFY(again.loadFromFile(copy));
    QCOMPARE(again.toPlainText(), edit.toPlainText());
    select(again, 0, 1);
    const TextAttributes a = again.selectionAttributes();
    QCOMPARE(a.fontName, QStringLiteral("Arial"));
    QCOMPARE(a.size, 14.0);
    QCOMPARE(a.color, clRed);
    QVERIFY(a.bold);
    QCOMPARE(a.alignment, Qt::AlignHCenter);
}

void TestRichTextEdit::editorFontInPixelsKeepsItsSize()
{
    // The calendar's editor is set in Courier New 13 px, i.e. 9.75 points.
    QTemporaryDir dir;
    const QString path = dir.filePath("dokument.rtf");
    RichTextEdit edit;
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    edit.setFont(font);
    edit.insertPlainText("Hej med dig");
    QCOMPARE(edit.selectionAttributes().size, 9.75);
    QVERIFY(edit.saveToFile(path));
    QVERIFY(fileContents(path).contains("\\fs20"));
    RichTextEdit again;
    again.setFont(font);
    QVERIFY(again.loadFromFile(path));
    select(again, 0, 3);
    QCOMPARE(again.selectionAttributes().size, 10.0);
}

void TestRichTextEdit::loadFailsOnlyWithoutFile()
{
    QTemporaryDir dir;
    RichTextEdit edit;
    edit.setPlainText("før");
    QVERIFY(!edit.loadFromFile(dir.filePath("mangler.rtf")));
    QCOMPARE(edit.toPlainText(), QStringLiteral("før"));

    const QString damaged = dir.filePath("skadet.rtf");
    QVERIFY(putFile(damaged, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Hej med dig\\'f"));
    QVERIFY(edit.loadFromFile(damaged));
    QCOMPARE(edit.toPlainText(), QStringLiteral("Hej med dig"));
}

void TestRichTextEdit::oddFileDoesNotLoad_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("plainText");
    for (const QString &kind : OddFiles::kinds()) {
        QTest::addRow("%s, rtf", qPrintable(kind)) << kind << false;
        QTest::addRow("%s, plain text", qPrintable(kind)) << kind << true;
    }
}

void TestRichTextEdit::oddFileDoesNotLoad()
{
    QFETCH(QString, kind);
    QFETCH(bool, plainText);
    QTemporaryDir dir;
    const QString path = dir.filePath("2015-12-24-18-00.txt");
    QVERIFY(OddFiles::make(kind, path));
    RichTextEdit edit;
    edit.setPlainTextMode(plainText);
    edit.setPlainText("før");
    bool loaded = true;
    QVERIFY2(OddFiles::finishesUnaided(path, [&] { loaded = edit.loadFromFile(path); }),
             "reading the file blocked");
    QVERIFY(!loaded);
    QCOMPARE(edit.toPlainText(), QStringLiteral("før"));
}

void TestRichTextEdit::saveFailureKeepsOldFile()
{
    QTemporaryDir dir;
    RichTextEdit edit;
    edit.setPlainText("tekst");
    QVERIFY(!edit.saveToFile(dir.filePath("findes/ikke/fil.rtf")));

    // A folder where the file should be: the save fails and the folder stays.
    QVERIFY(QDir(dir.path()).mkdir("mappe.rtf"));
    QVERIFY(!edit.saveToFile(dir.filePath("mappe.rtf")));
    QVERIFY(QFileInfo(dir.filePath("mappe.rtf")).isDir());
}

void TestRichTextEdit::plainTextMode()
{
    QTemporaryDir dir;
    const QString rtf = dir.filePath("a.rtf");
    QVERIFY(putFile(rtf, "{\\rtf1 x}"));
    RichTextEdit edit;
    edit.setPlainTextMode(true);
    QVERIFY(edit.plainTextMode());
    QVERIFY(!edit.acceptRichText());
    QVERIFY(edit.loadFromFile(rtf));
    QCOMPARE(edit.toPlainText(), QStringLiteral("{\\rtf1 x}"));

    edit.setPlainText(QStringLiteral("blå\nlinje"));
    const QString txt = dir.filePath("a.txt");
    QVERIFY(edit.saveToFile(txt));
    QCOMPARE(fileContents(txt), QByteArray("bl\xE5\r\nlinje"));
}

void TestRichTextEdit::attributesOfSelection()
{
    RichTextEdit edit;
    edit.setPlainText("abcdef");
    select(edit, 1, 3);
    edit.setSelFontName("Courier New");
    edit.setSelSize(15);
    edit.setSelColor(clBlue);
    edit.setSelBold(true);
    edit.setSelItalic(true);
    edit.setSelUnderline(true);
    edit.setSelStrike(true);
    edit.setSelAlignment(Qt::AlignRight);

    const TextAttributes a = edit.selectionAttributes();
    QCOMPARE(a.fontName, QStringLiteral("Courier New"));
    QCOMPARE(a.size, 15.0);
    QCOMPARE(a.color, clBlue);
    QVERIFY(a.bold && a.italic && a.underline && a.strike);
    QCOMPARE(a.alignment, Qt::AlignRight);
    // Only the selection changed.
    QCOMPARE(formatAt(edit, 2).fontPointSize(), 15.0);
    QVERIFY(formatAt(edit, 0).fontWeight() != QFont::Bold);
    QVERIFY(!formatAt(edit, 3).fontItalic());

    select(edit, 1, 3);
    edit.setSelBold(false);
    edit.setSelStrike(false);
    QVERIFY(!edit.selectionAttributes().bold);
    QVERIFY(!edit.selectionAttributes().strike);
    QVERIFY(edit.selectionAttributes().italic);
}

void TestRichTextEdit::attributesAtCaretApplyToTyping()
{
    RichTextEdit edit;
    edit.setPlainText("ab");
    edit.moveCursor(QTextCursor::End);
    edit.setSelBold(true);
    edit.setSelColor(clRed);
    QTest::keyClicks(&edit, "cd");
    QCOMPARE(edit.toPlainText(), QStringLiteral("abcd"));
    QCOMPARE(formatAt(edit, 2).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(edit, 3).foreground().color(), QColor(255, 0, 0));
    QVERIFY(formatAt(edit, 1).fontWeight() != QFont::Bold);
}

void TestRichTextEdit::plainTextModeFormatsEverything()
{
    RichTextEdit edit;
    edit.setPlainTextMode(true);
    edit.setPlainText("abc\ndef");
    select(edit, 1, 2);
    edit.setSelSize(17);
    edit.setSelFontName("Arial");
    QCOMPARE(formatAt(edit, 0).fontPointSize(), 17.0);
    QCOMPARE(formatAt(edit, 5).fontPointSize(), 17.0);
    QCOMPARE(edit.document()->defaultFont().family(), QStringLiteral("Arial"));
}

void TestRichTextEdit::bulletOnAndOff()
{
    RichTextEdit edit;
    edit.setPlainText("en\nto\ntre");
    select(edit, 0, 4);
    edit.setSelBullet(true);
    QVERIFY(edit.selectionAttributes().bullet);
    QVERIFY(edit.document()->findBlockByNumber(0).textList());
    QCOMPARE(edit.document()->findBlockByNumber(1).textList(),
             edit.document()->findBlockByNumber(0).textList());
    QVERIFY(!edit.document()->findBlockByNumber(2).textList());
    edit.setSelBullet(false);
    QVERIFY(!edit.selectionAttributes().bullet);
    QVERIFY(!edit.document()->findBlockByNumber(0).textList());
    QVERIFY(!edit.document()->findBlockByNumber(1).textList());
}

void TestRichTextEdit::paragraphIndents()
{
    RichTextEdit edit;
    edit.setPlainText("en\nto\ntre");
    select(edit, 1, 4);
    edit.setParagraphIndents(-18, 36, 12);
    for (int i : {0, 1}) {
        const QTextBlockFormat f = edit.document()->findBlockByNumber(i).blockFormat();
        QCOMPARE(f.textIndent(), -24.0);
        QCOMPARE(f.leftMargin(), 48.0);
        QCOMPARE(f.rightMargin(), 16.0);
    }
    QCOMPARE(edit.document()->findBlockByNumber(2).blockFormat().leftMargin(), 0.0);

    QTemporaryDir dir;
    QVERIFY(edit.saveToFile(dir.filePath("d.rtf")));
    QVERIFY(fileContents(dir.filePath("d.rtf")).contains("\\fi-360\\li720\\ri240"));
}

void TestRichTextEdit::modifiedFlag()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("d.rtf");
    QVERIFY(putFile(path, "{\\rtf1 x}"));
    RichTextEdit edit;
    edit.setModified(true);
    QVERIFY(edit.loadFromFile(path));
    QVERIFY(!edit.isModified());
    QTest::keyClicks(&edit, "y");
    QVERIFY(edit.isModified());
}

void TestRichTextEdit::findText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("expected");

    // "Møde i morgen, møde igen"
    QTest::newRow("first") << "møde" << 0 << 24 << 0 << 0;
    QTest::newRow("after start") << "møde" << 1 << 24 << 0 << 15;
    QTest::newRow("case") << "møde" << 0 << 24 << int(QTextDocument::FindCaseSensitively) << 15;
    QTest::newRow("beyond the range") << "møde" << 1 << 18 << 0 << -1;
    QTest::newRow("whole word") << "mo" << 0 << 24 << int(QTextDocument::FindWholeWords) << -1;
    QTest::newRow("missing") << "aften" << 0 << 24 << 0 << -1;
    QTest::newRow("empty") << "" << 0 << 24 << 0 << -1;
}

void TestRichTextEdit::findText()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, flags);
    QFETCH(int, expected);
    RichTextEdit edit;
    edit.setPlainText(QStringLiteral("Møde i morgen, møde igen"));
    QCOMPARE(edit.findText(text, from, to, QTextDocument::FindFlags(flags)), expected);
    QCOMPARE(edit.textCursor().position(), 0);
}

void TestRichTextEdit::tabLeavesTheEditorCtrlTabWritesATab()
{
    // As the editors sit on the pages: inside tab pages, with a field after them.
    QTabWidget pages;
    auto *page = new QWidget;
    auto *edit = new RichTextEdit(page);
    auto *next = new QLineEdit(page);
    next->move(0, 120);
    pages.addTab(page, QStringLiteral("Ny alarm"));
    pages.addTab(new QWidget, QStringLiteral("Kalender"));
    pages.show();
    QApplication::setActiveWindow(&pages);
    QVERIFY(QTest::qWaitForWindowActive(&pages));
    edit->setFocus();
    QVERIFY(edit->hasFocus());

    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_B);
    QCOMPARE(edit->toPlainText(), QStringLiteral("a\tb"));
    QCOMPARE(pages.currentIndex(), 0);

    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QCOMPARE(edit->toPlainText(), QStringLiteral("a\tb"));
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(edit->hasFocus());

    // A read-only viewer writes nothing, and Ctrl+Tab keeps its usual meaning there.
    edit->setReadOnly(true);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), QStringLiteral("a\tb"));
}

QTEST_MAIN(TestRichTextEdit)
#include "tst_richtextedit.moc"
