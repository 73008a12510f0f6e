#include "ui/SideLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QLabel *fedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QVBoxLayout *kolonne(QHBoxLayout *raekke)
{
    auto *kolonne = new QVBoxLayout;
    raekke->addLayout(kolonne, 1);
    return kolonne;
}
