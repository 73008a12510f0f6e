#pragma once

#include "base/TColor.h"

#include <QStyledItemDelegate>

class QListView;

// The row style of the program's owner-drawn lists: 19-pixel rows in Tahoma
// 13 px, a 10 x 10 square in the list's own colour, the text beside it and a
// silver line along the bottom pixel row, also on the selected row.
class ListeRaekke : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kHoejde = 19;
    // The squares of the design and sound lists, and of the document list.
    static constexpr TColor kPengegroen{0xC0DCC0};
    static constexpr TColor kHimmelblaa{0xF0CAA6};

    ListeRaekke(TColor firkant, QObject *parent);

    // Gives a list the row style with squares of that colour, and its font.
    static void anvend(QListView *liste, TColor firkant);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TColor m_firkant;
};
