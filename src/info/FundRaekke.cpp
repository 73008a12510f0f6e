#include "info/FundRaekke.h"

#include <QApplication>
#include <QPainter>

FundRaekke::FundRaekke(std::function<bool()> foersteStil, QObject *parent)
    : QStyledItemDelegate(parent), m_foersteStil(std::move(foersteStil))
{}

void FundRaekke::paint(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool foerste = m_foersteStil && m_foersteStil();
    painter->save();
    if (foerste) {
        painter->setPen(Qt::white);
        painter->setBrush(Qt::white);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        QStyleOptionViewItem baggrund = option;
        initStyleOption(&baggrund, index);
        baggrund.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &baggrund, painter, widget);
    }
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(foerste ? QColor(192, 220, 192) : QColor(Qt::yellow));
    painter->drawEllipse(QRect(r.left() + 2, r.top() + 4, 10, 10));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    const QRect tekst(r.left() + 16, r.top() + 1, r.width() - 16, r.height() - 1);
    painter->drawText(tekst, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->setPen(QColor(192, 192, 192));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize FundRaekke::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kHoejde);
}
