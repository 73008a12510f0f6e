#pragma once

#include "base/TColor.h"

#include <QWidget>
#include <array>

// The grid of the sixteen basic colours, four by four. A left click picks the
// foreground square, a right click the background square; -1 marks none.
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

    int ForegroundIndex() const { return m_forgrund; }
    int BackgroundIndex() const { return m_baggrund; }
    TColor ForegroundColor() const;
    void setForegroundIndex(int index);
    void setBackgroundIndex(int index);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user picked a square.
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRect felt(int index) const;

    int m_forgrund = kSort;
    int m_baggrund = kHvid;
};
