#pragma once

#include <QWidget>

class Messages;
class QMenu;
class QPushButton;
class RichTextEdit;
class SoundPlayer;

// The alarm window: the heading and formatted text of an alarm that fires.
// It is created once, hidden, and reused for every alarm.
class Talarmform : public QWidget
{
    Q_OBJECT

public:
    // popupMenu, the main window's pop-up menu, serves on the window too; the
    // window stops the player's sound when it closes.
    Talarmform(const QString &optFilnavn, SoundPlayer &soundPlayer, Messages &messages,
               QMenu *popupMenu);

    // Shows the window with the caption and the rich text of the file; false
    // (after telling the user) when the text could not be loaded.
    bool showAlarm(const QString &aCaption, const QString &aFilename);
    void lukKnapClick();

    void gemOpt();
    void hentOpt();

    RichTextEdit *Memo() const { return m_Memo; }
    QPushButton *lukKnap() const { return m_lukKnap; }

    QString optFilnavn;

Q_SIGNALS:
    // The window closed: the alarm's sound must stop.
    void lukket();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Messages &m_messages;
    RichTextEdit *m_Memo;
    QPushButton *m_lukKnap;
};
