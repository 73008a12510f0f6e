#pragma once

#include "base/TColor.h"

#include <QWidget>
#include <array>

// The grid of the sixteen basic colours, four by four. A left click picks the
// foreground square, a right click the background square; -1 marks none. From
// the keyboard the arrows move a focus square and Enter or Space picks it as
// the foreground. Each square is a child of the grid for a screen reader,
// named by its colour.
class FarveGitter : public QWidget
{
    Q_OBJECT

public:
    static const std::array<TColor, 16> kFarver;
    static constexpr int kSort = 0;
    static constexpr int kBlaa = 12;
    static constexpr int kHvid = 15;

    explicit FarveGitter(QWidget *parent = nullptr);

    // The square of a colour; -1 when it is none of the sixteen.
    static int indeks(TColor farve);
    // The Danish name of a square's colour.
    static QString navn(int index);

    int ForegroundIndex() const { return m_forgrund; }
    int BackgroundIndex() const { return m_baggrund; }
    TColor ForegroundColor() const;
    void setForegroundIndex(int index);
    void setBackgroundIndex(int index);

    QSize sizeHint() const override;
    // The square the keyboard is on.
    int fokusIndeks() const { return m_fokus; }
    // A square's place in the grid's own coordinates.
    QRect felt(int index) const;

Q_SIGNALS:
    // The user picked a square.
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void flytFokus(int index);

    int m_fokus = kSort;
    int m_forgrund = kSort;
    int m_baggrund = kHvid;
};
