#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A digits-only text field with an up-down bound to it. The user may type
// any digits; the position is the typed number brought into the range, and
// the up-down steps it by one.
class OpNedFelt : public QWidget
{
    Q_OBJECT

public:
    OpNedFelt(int minimum, int maksimum, int position, QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maksimum() const { return m_maksimum; }
    // The position: the field's number within the range; an empty field is the minimum.
    int position() const;
    // Shows a position, brought into the range.
    void setPosition(int position);

    QLineEdit *edit() const { return m_edit; }
    QToolButton *op() const { return m_op; }
    QToolButton *ned() const { return m_ned; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_minimum;
    int m_maksimum;
    QLineEdit *m_edit;
    QToolButton *m_op;
    QToolButton *m_ned;
};
