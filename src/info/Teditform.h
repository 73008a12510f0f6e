#pragma once

#include <QWidget>

class QPlainTextEdit;

// A window that is never shown: its plain-text editor is the search's text buffer.
class Teditform : public QWidget
{
    Q_OBJECT

public:
    Teditform();

    QPlainTextEdit *RE() const { return m_re; }

private:
    QPlainTextEdit *m_re;
};
