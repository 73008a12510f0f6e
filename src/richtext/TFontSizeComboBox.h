#pragma once

#include <QComboBox>

// A list of the point sizes that fit a font: the common sizes for a scalable
// font, the sizes a bitmap font has.
class TFontSizeComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TFontSizeComboBox(QWidget *parent = nullptr);

    QString FontName() const { return m_FontName; }
    // Stores the name and rebuilds the list, also when the name is unchanged.
    void SetFontName(const QString &value);
    // Rebuilds the list for FontName. The entry that was selected stays
    // selected only when its text is in the new list; otherwise none is.
    void Build();

    int PixelsPerInch() const { return m_PixelsPerInch; }

Q_SIGNALS:
    // A size was selected, by the user or by the program.
    void OnNyFontSize(int NyFontsize);

private:
    void Change(int index);

    QString m_FontName;
    int m_PixelsPerInch = 96;
};
