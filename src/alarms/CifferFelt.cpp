#include "alarms/CifferFelt.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

const QRegularExpression &cifre()
{
    static const QRegularExpression udtryk(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]*")));
    return udtryk;
}

} // namespace

CifferFelt::CifferFelt(int mindst, int hoejst, int cifre, QWidget *parent)
    : QAbstractSpinBox(parent), m_mindst(mindst), m_hoejst(hoejst)
{
    lineEdit()->setMaxLength(cifre);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CifferFelt::tekstAendret);
    setVaerdi(mindst);
}

QString CifferFelt::tekst() const
{
    return lineEdit()->text();
}

void CifferFelt::setTekst(const QString &tekst)
{
    lineEdit()->setText(tekst);
}

std::optional<int> CifferFelt::vaerdi() const
{
    bool ok = false;
    const int value = tekst().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void CifferFelt::setVaerdi(int vaerdi)
{
    setTekst(QString::number(vaerdi));
}

void CifferFelt::stepBy(int steps)
{
    // A field typed beyond its range steps back into it.
    const int fra = std::clamp(vaerdi().value_or(m_mindst), m_mindst, m_hoejst);
    setVaerdi(std::clamp(fra + steps, m_mindst, m_hoejst));
    selectAll();
}

QValidator::State CifferFelt::validate(QString &input, int &) const
{
    return cifre().match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled CifferFelt::stepEnabled() const
{
    const int nu = vaerdi().value_or(m_mindst);
    StepEnabled enabled = StepNone;
    if (nu < m_hoejst)
        enabled |= StepUpEnabled;
    if (nu > m_mindst)
        enabled |= StepDownEnabled;
    return enabled;
}

QLineEdit *cifferEdit(int cifre, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(cifre);
    edit->setValidator(new QRegularExpressionValidator(::cifre(), edit));
    return edit;
}
