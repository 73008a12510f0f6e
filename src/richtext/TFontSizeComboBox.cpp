#include "richtext/TFontSizeComboBox.h"

#include "richtext/FontStoerrelser.h"

#include <QScreen>
#include <QSignalBlocker>

TFontSizeComboBox::TFontSizeComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setAccessibleName(QStringLiteral("Fontstørrelse"));
    connect(this, &QComboBox::currentIndexChanged, this, &TFontSizeComboBox::Change);
}

void TFontSizeComboBox::SetFontName(const QString &value)
{
    m_FontName = value;
    Build();
}

void TFontSizeComboBox::Build()
{
    const QString tekst = currentText();
    const QSignalBlocker blocker(this);
    clear();
    if (m_FontName.isEmpty())
        return;
    if (const QScreen *skaerm = screen())
        m_PixelsPerInch = qRound(skaerm->logicalDotsPerInchY());
    addItems(FontStoerrelser::forFont(m_FontName));
    setCurrentIndex(findText(tekst, Qt::MatchExactly));
}

void TFontSizeComboBox::Change(int index)
{
    if (index >= 0)
        Q_EMIT OnNyFontSize(itemText(index).toInt());
}
