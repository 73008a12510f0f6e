#pragma once

#include <QDialog>

class Messages;
class QLineEdit;
class QListWidget;
class QPushButton;

// The design chooser: lists the saved designs of the design folder and
// gives back the full path of the one named, for loading or for saving.
// A name that could not be a file in that folder is refused with a message.
class Tgemhentform : public QDialog
{
    Q_OBJECT

public:
    // GemHentDir is the design folder with its trailing separator.
    Tgemhentform(const QString &GemHentDir, Messages &messages);

    // true: load mode, false: save mode; set before showing.
    void setAktion(bool aktion) { m_aktion = aktion; }
    bool aktion() const { return m_aktion; }
    // The chosen design's path after the window closed, or empty.
    const QString &filnavn() const { return m_filnavn; }

    QListWidget *filBox() const { return m_filBox; }
    QLineEdit *filEdit() const { return m_filEdit; }
    QPushButton *gemKnap() const { return m_gemKnap; }
    QPushButton *hentKnap() const { return m_hentKnap; }
    QPushButton *annullerKnap() const { return m_annullerKnap; }
    QPushButton *sletKnap() const { return m_sletKnap; }

    // Lists the designs; false (with its message) when the folder cannot be read.
    bool loadFiler();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void sletKnapClick();

    const QString m_GemHentDir;
    Messages &m_messages;
    bool m_opstart = true;
    bool m_aktion = true;
    QString m_filnavn;
    QListWidget *m_filBox;
    QLineEdit *m_filEdit;
    QPushButton *m_gemKnap;
    QPushButton *m_hentKnap;
    QPushButton *m_annullerKnap;
    QPushButton *m_sletKnap;
};
