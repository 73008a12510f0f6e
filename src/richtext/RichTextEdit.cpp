#include "RichTextEdit.h"

#include "RtfReader.h"
#include "RtfUnits.h"
#include "RtfWriter.h"
#include "base/AtomicFile.h"
#include "base/TextListFile.h"
#include "platform/RegularFile.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

namespace {

TColor fromQColor(const QColor &c)
{
    return TColor::fromRgb(c.red(), c.green(), c.blue());
}

// Ctrl+Tab writes the tab character that Tab itself no longer writes. It is
// taken before the tab pages around the editor can use it to change page.
bool skriverTabulator(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier;
}

} // namespace

RichTextEdit::RichTextEdit(QWidget *parent) : QTextEdit(parent)
{
    // Tab and Shift+Tab lead on to the next control as in every other field,
    // so the keyboard never gets caught in the editor.
    setTabChangesFocus(true);
}

bool RichTextEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        skriverTabulator(static_cast<QKeyEvent *>(event)) && !isReadOnly()) {
        event->accept();
        return true;
    }
    return QTextEdit::event(event);
}

void RichTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (skriverTabulator(event) && !isReadOnly()) {
        textCursor().insertText(QStringLiteral("\t"));
        ensureCursorVisible();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool RichTextEdit::loadFromFile(const QString &path)
{
    const std::optional<QByteArray> bytes = RegularFile::read(path, RegularFile::textLimit);
    if (!bytes)
        return false;
    if (m_plainText)
        setPlainText(plainTextFromBytes(*bytes));
    else
        readRtf(*bytes, *document());
    moveCursor(QTextCursor::Start);
    setModified(false);
    return true;
}

bool RichTextEdit::saveToFile(const QString &path)
{
    const QByteArray bytes =
        m_plainText
            ? TextListFile::toWindows1252(toPlainText().replace(u'\n', QStringLiteral("\r\n")))
            : writeRtf(*document());
    return writeAtomically(path, bytes);
}

void RichTextEdit::setPlainTextMode(bool on)
{
    m_plainText = on;
    setAcceptRichText(!on);
}

TextAttributes RichTextEdit::selectionAttributes() const
{
    QTextCursor c = textCursor();
    QTextCharFormat f = currentCharFormat();
    if (c.hasSelection()) {
        QTextCursor first(document());
        first.setPosition(c.selectionStart() + 1);
        f = first.charFormat();
    }
    TextAttributes a;
    a.fontName = f.fontFamilies().toStringList().value(0);
    if (a.fontName.isEmpty())
        a.fontName = document()->defaultFont().family();
    a.size = f.fontPointSize() > 0 ? f.fontPointSize() : pointsOf(document()->defaultFont());
    a.color =
        fromQColor(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                               : palette().color(QPalette::Text));
    a.bold = f.fontWeight() >= QFont::DemiBold;
    a.italic = f.fontItalic();
    a.underline = f.fontUnderline();
    a.strike = f.fontStrikeOut();
    a.alignment = c.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    a.bullet = c.currentList() != nullptr;
    return a;
}

void RichTextEdit::applyCharFormat(const QTextCharFormat &format)
{
    if (!m_plainText) {
        mergeCurrentCharFormat(format);
        return;
    }
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    QTextCharFormat current = currentCharFormat();
    current.merge(format);
    setCurrentCharFormat(current);
}

void RichTextEdit::setSelFontName(const QString &name)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{name});
    applyCharFormat(f);
    if (m_plainText) {
        QFont font = document()->defaultFont();
        font.setFamilies({name});
        document()->setDefaultFont(font);
    }
}

void RichTextEdit::setSelSize(double points)
{
    QTextCharFormat f;
    f.setFontPointSize(points);
    applyCharFormat(f);
    if (m_plainText) {
        QFont font = document()->defaultFont();
        font.setPointSizeF(points);
        document()->setDefaultFont(font);
    }
}

void RichTextEdit::setSelColor(TColor color)
{
    QTextCharFormat f;
    f.setForeground(toQColor(color, palette()));
    applyCharFormat(f);
}

void RichTextEdit::setSelBold(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    applyCharFormat(f);
}

void RichTextEdit::setSelItalic(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    applyCharFormat(f);
}

void RichTextEdit::setSelUnderline(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    applyCharFormat(f);
}

void RichTextEdit::setSelStrike(bool on)
{
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    applyCharFormat(f);
}

void RichTextEdit::setSelAlignment(Qt::Alignment alignment)
{
    setAlignment(alignment);
}

void RichTextEdit::setSelBullet(bool on)
{
    QTextCursor c = textCursor();
    c.beginEditBlock();
    if (on) {
        if (!c.currentList()) {
            QTextListFormat lf;
            lf.setStyle(QTextListFormat::ListDisc);
            lf.setIndent(1);
            c.createList(lf);
        }
    } else {
        QTextBlock block = document()->findBlock(c.selectionStart());
        const QTextBlock last = document()->findBlock(c.selectionEnd());
        for (; block.isValid(); block = block.next()) {
            if (QTextList *list = block.textList())
                list->remove(block);
            if (block == last)
                break;
        }
    }
    c.endEditBlock();
}

void RichTextEdit::setParagraphIndents(double firstLinePt, double leftPt, double rightPt)
{
    QTextBlockFormat f;
    f.setTextIndent(firstLinePt * kPixelsPerPoint);
    f.setLeftMargin(leftPt * kPixelsPerPoint);
    f.setRightMargin(rightPt * kPixelsPerPoint);
    textCursor().mergeBlockFormat(f);
}

int RichTextEdit::findText(const QString &text, int from, int to,
                           QTextDocument::FindFlags flags) const
{
    if (text.isEmpty())
        return -1;
    const QTextCursor found = document()->find(text, from, flags);
    if (found.isNull() || found.selectionEnd() > to)
        return -1;
    return found.selectionStart();
}
