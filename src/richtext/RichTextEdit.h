#pragma once

#include "base/TColor.h"

#include <QTextDocument>
#include <QTextEdit>

// The attributes of the selection (of the character before the caret when
// nothing is selected).
struct TextAttributes
{
    QString fontName;
    double size = 0; // points
    TColor color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool bullet = false;
};

// The rich-text editor of every window that shows or edits formatted text.
// Files are RTF; in plain-text mode they are Windows-1252 text, and the
// character attributes apply to the whole text.
class RichTextEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextEdit(QWidget *parent = nullptr);

    // False when the file is missing, cannot be read, is not a regular file or
    // is above 16 MB; the editor is then unchanged. Damaged RTF loads
    // what can be recovered. The editor is unmodified afterwards.
    bool loadFromFile(const QString &path);
    // Written atomically: on failure the old file stays whole.
    bool saveToFile(const QString &path);

    void setPlainTextMode(bool on);
    bool plainTextMode() const { return m_plainText; }

    TextAttributes selectionAttributes() const;
    void setSelFontName(const QString &name);
    void setSelSize(double points);
    void setSelColor(TColor color);
    void setSelBold(bool on);
    void setSelItalic(bool on);
    void setSelUnderline(bool on);
    void setSelStrike(bool on);
    void setSelAlignment(Qt::Alignment alignment);
    void setSelBullet(bool on);
    // Indents in points of the paragraphs the selection touches.
    void setParagraphIndents(double firstLinePt, double leftPt, double rightPt);

    bool isModified() const { return document()->isModified(); }
    void setModified(bool modified) { document()->setModified(modified); }

    // Position of the first match of text that lies wholly in [from, to),
    // or -1. The selection is not changed.
    int findText(const QString &text, int from, int to,
                 QTextDocument::FindFlags flags = QTextDocument::FindFlags()) const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyCharFormat(const QTextCharFormat &format);

    bool m_plainText = false;
};
