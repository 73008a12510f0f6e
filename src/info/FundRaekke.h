#pragma once

#include <QStyledItemDelegate>
#include <functional>

// A row of the search results: 20 px high, a 10 x 10 circle and the page name
// in black, a silver line along the bottom pixel row. In the first UI style
// the row is painted white under a green circle; in the others the row keeps
// its background and the circle is yellow.
class FundRaekke : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kHoejde = 20;

    // `foersteStil` tells whether the first UI style of the style list is in force.
    FundRaekke(std::function<bool()> foersteStil, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    std::function<bool()> m_foersteStil;
};
