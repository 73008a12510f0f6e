#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

// The properties window's tab "Egenskaber", in three columns: the about
// panel; the UI style and the calendar's start-up choice (kalenderValg,
// which the calendar makes); the start-up shortcut and "Gem startop egenskaber".
class EgenskaberSide : public QWidget
{
    Q_OBJECT

public:
    explicit EgenskaberSide(QWidget *kalenderValg, QWidget *parent = nullptr);

    QPushButton *gemButton() const { return m_gemButton; }
    // The start-up shortcut's button; its caption tells the shortcut's state.
    QPushButton *startProgDoButton() const { return m_startProgDoButton; }
    // The UI style box under "Designs".
    QComboBox *designBox() const { return m_designBox; }

    // The about panel's picture: a clock face of our own.
    static QPixmap omBillede();

Q_SIGNALS:
    // "Gem startop egenskaber" was pressed: the options file must be written.
    void gemOensket();

private:
    void gemButtonClick();

    QPushButton *m_gemButton;
    QPushButton *m_startProgDoButton;
    QComboBox *m_designBox;
};
