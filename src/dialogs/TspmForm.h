#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The yes/no question window. Modal showing returns 1 for "Ja" and 2 for
// "Nej" or the close box.
class TspmForm : public QDialog
{
    Q_OBJECT

public:
    enum Result
    {
        Ja = 1,
        Nej = 2
    };

    explicit TspmForm(QWidget *parent = nullptr);

    // The prepared questions, by the number callers have always used for them.
    enum SpmType
    {
        UrDesignFindes = 0, // a clock design of that name exists
        FilFindes = 1,      // a file of that name exists
        TekstIkkeGemt = 2,  // the text written has not been saved
    };

    // Fills the question with one of the prepared questions; a kind that is
    // none of them leaves the text empty.
    void setSpm(const QString &fName, SpmType spmType);

    // The question's lines; callers may fill it with their own question.
    QPlainTextEdit *info() const { return m_info; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_info;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
