#include "app/FedLabel.h"

#include <QLabel>

QLabel *fedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
