#pragma once

#include <QAbstractSpinBox>
#include <optional>

class QLineEdit;

// A digits-only edit with up-down: the user may type any digits up to the field's
// width, and the up-down only steps within its range. The checks that use the field
// see what was typed, so a typed 17 in a field of 1 to 16 is not silently clamped.
class CifferFelt : public QAbstractSpinBox
{
    Q_OBJECT

public:
    CifferFelt(int mindst, int hoejst, int cifre, QWidget *parent = nullptr);

    QString tekst() const;
    void setTekst(const QString &tekst);
    // The typed number; nothing when the field is empty.
    std::optional<int> vaerdi() const;
    void setVaerdi(int vaerdi);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

Q_SIGNALS:
    void tekstAendret(const QString &tekst);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_mindst;
    int m_hoejst;
};

// A digits-only edit without up-down, of at most `cifre` characters.
QLineEdit *cifferEdit(int cifre, QWidget *parent);
