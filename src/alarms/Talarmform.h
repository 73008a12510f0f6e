#pragma once

#include <QWidget>

struct AlarmVisning;

class Messages;
class OutputVolume;
class QComboBox;
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
    // window stops the player's sound when it closes. An alarm that the
    // program's volume or the system's muted output keeps silent says so.
    Talarmform(const QString &optFilnavn, SoundPlayer &soundPlayer,
               const OutputVolume &outputVolume, Messages &messages, QMenu *popupMenu);

    // Shows the window with the caption and the rich text of the file; false
    // (after telling the user, in a box on top of this window) when the text
    // could not be loaded. An alarm that was open stays, behind the new one.
    bool showAlarm(const QString &aCaption, const QString &aFilename);
    // The same for an alarm the clockwork fires: a late one says when it should
    // have sounded, and "Udsæt" puts it off.
    bool showAlarm(const AlarmVisning &alarm);
    // The same for a text at hand (HTML), as the countdown alarm brings it.
    void showAlarmTekst(const QString &aCaption, const QString &html);
    // Stops the sound; brings back the alarm that waits behind, or closes.
    void lukKnapClick();
    // Puts away the alarm shown as `id` (from the desktop's notification): as
    // "Luk" when it is in front, else it no longer waits behind.
    void lukAlarm(int id);

    // The alarms of this sitting behind the one in front.
    qsizetype ventendeAlarmer() const { return m_venter.size(); }

    void gemOpt();
    void hentOpt();

    RichTextEdit *Memo() const { return m_Memo; }
    QPushButton *lukKnap() const { return m_lukKnap; }
    // Tells how many alarms wait behind; hidden when none do.
    QLabel *venterLabel() const { return m_venterLabel; }
    // Says that the alarm is late or cannot be heard; hidden when neither.
    QLabel *noteLabel() const { return m_noteLabel; }
    QPushButton *udsaetKnap() const { return m_udsaetKnap; }
    QComboBox *udsaetMinutter() const { return m_udsaetMinutter; }
    // The minutes "Udsæt" offers first: 5, 10, 15 or 30.
    void setUdsaetMinutter(int minutter);

    QString optFilnavn;

Q_SIGNALS:
    // The window closed: the alarm's sound must stop.
    void lukket();
    // "Udsæt": the alarm shown as `id` is to fire again after `minutter`.
    void udsaetOensket(int id, int minutter);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct VentendeAlarm
    {
        QString caption;
        QString tekst; // the shown text as HTML: its file may be gone by now
        int id = 0;    // 0: not one the clockwork can put off
        QString note;
    };

    void visVentende();
    // The text is in Memo: the open alarm (as HTML) waits behind the new one.
    void visNy(const QString &aCaption, const QString &aabenTekst, int id = 0,
               const QString &note = QString());
    void visFront(int id, const QString &note);
    void udsaetKnapClick();
    QString lydNote() const;
    // Tells assistive technology that an alarm fired, with its heading and text.
    void annoncer();

    SoundPlayer &m_soundPlayer;
    const OutputVolume &m_outputVolume;
    Messages &m_messages;
    RichTextEdit *m_Memo;
    QPushButton *m_lukKnap;
    QLabel *m_venterLabel;
    QLabel *m_noteLabel;
    QPushButton *m_udsaetKnap;
    QComboBox *m_udsaetMinutter;
    int m_id = 0;
    // True from a shown alarm until the window closes or its last alarm is put away.
    bool m_visesAlarm = false;
    QList<VentendeAlarm> m_venter;
};
