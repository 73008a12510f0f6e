#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class QLabel;
class QPushButton;

// The information window: a message and one OK button. It grows with the
// message and stays where the user put it.
class Tinfform : public QDialog
{
    Q_OBJECT

public:
    explicit Tinfform(QWidget *parent = nullptr);

    void insertTekst(const QString &tekst);
    // Empties the message and sets its font size to 8.
    void resetValues();

    QLabel *Label1() const { return m_label; }
    QPushButton *BitBtn1() const { return m_button; }
    bool opstart() const { return m_opstart; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QLabel *m_label;
    QPushButton *m_button;
    bool m_opstart = true;
    // Where the window was when it last closed. The window manager may have
    // moved it there, which Qt does not count as a place of the program's
    // own: without it, the next showing would centre the window again.
    std::optional<QPoint> m_sidstePlads;
};
