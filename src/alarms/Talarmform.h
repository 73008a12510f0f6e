#pragma once

#include <QWidget>

class Messages;
class QLabel;
class QMenu;
class QPushButton;
class RichTextEdit;
class SoundPlayer;

// The alarm window: the heading and formatted text of an alarm that fires.
// It is created once, hidden, and reused for every alarm. An alarm that fires
// while another is open comes to the front, and the open one waits behind it:
// "Luk" (or Escape, or the close box) puts the front alarm away and brings
// back the one before, until none is left and the window closes.
class Talarmform : public QWidget
{
    Q_OBJECT

public:
    // popupMenu, the main window's pop-up menu, serves on the window too; the
    // window stops the player's sound when it closes.
    Talarmform(const QString &optFilnavn, SoundPlayer &soundPlayer, Messages &messages,
               QMenu *popupMenu);

    // Shows the window with the caption and the rich text of the file; false
    // (after telling the user, in a box on top of this window) when the text
    // could not be loaded. An alarm that was open stays, behind the new one.
    bool showAlarm(const QString &aCaption, const QString &aFilename);
    // The same for a text at hand (HTML), as the countdown alarm brings it.
    void showAlarmTekst(const QString &aCaption, const QString &html);
    // Stops the sound; brings back the alarm that waits behind, or closes.
    void lukKnapClick();

    // The alarms of this sitting behind the one in front.
    qsizetype ventendeAlarmer() const { return m_venter.size(); }

    void gemOpt();
    void hentOpt();

    RichTextEdit *Memo() const { return m_Memo; }
    QPushButton *lukKnap() const { return m_lukKnap; }
    // Tells how many alarms wait behind; hidden when none do.
    QLabel *venterLabel() const { return m_venterLabel; }

    QString optFilnavn;

Q_SIGNALS:
    // The window closed: the alarm's sound must stop.
    void lukket();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct VentendeAlarm
    {
        QString caption;
        QString tekst; // the shown text as HTML: its file may be gone by now
    };

    void visVentende();
    // The text is in Memo: the open alarm (as HTML) waits behind the new one.
    void visNy(const QString &aCaption, const QString &aabenTekst);
    // Tells assistive technology that an alarm fired, with its heading and text.
    void annoncer();

    SoundPlayer &m_soundPlayer;
    Messages &m_messages;
    RichTextEdit *m_Memo;
    QPushButton *m_lukKnap;
    QLabel *m_venterLabel;
    // True from a shown alarm until the window closes or its last alarm is put away.
    bool m_visesAlarm = false;
    QList<VentendeAlarm> m_venter;
};
