#include "ui/ListeRaekke.h"

#include <QListView>
#include <QPainter>

ListeRaekke::ListeRaekke(TColor firkant, QObject *parent)
    : QStyledItemDelegate(parent), m_firkant(firkant)
{}

void ListeRaekke::anvend(QListView *liste, TColor firkant)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    liste->setFont(font);
    liste->setUniformItemSizes(true);
    liste->setItemDelegate(new ListeRaekke(firkant, liste));
}

void ListeRaekke::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    const QPalette &p = option.palette;
    painter->save();
    painter->fillRect(r, valgt ? p.color(QPalette::Highlight) : p.color(QPalette::Base));
    painter->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), toQColor(m_firkant, p));
    painter->setFont(option.font);
    painter->setPen(valgt ? p.color(QPalette::HighlightedText) : p.color(QPalette::Text));
    const QRect tekst(r.left() + 14, r.top() + 1, r.width() - 14, r.height() - 1);
    painter->drawText(tekst, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->setPen(toQColor(clSilver, p));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize ListeRaekke::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kHoejde);
}
