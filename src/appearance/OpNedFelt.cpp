#include "appearance/OpNedFelt.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

OpNedFelt::OpNedFelt(int minimum, int maksimum, int position, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maksimum(maksimum)
{
    m_edit = new QLineEdit(this);
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_edit));
    m_edit->setFixedWidth(44);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    m_op = new QToolButton(this);
    m_ned = new QToolButton(this);
    m_op->setArrowType(Qt::UpArrow);
    m_ned->setArrowType(Qt::DownArrow);
    for (QToolButton *knap : {m_op, m_ned}) {
        knap->setFixedSize(16, 10);
        knap->setAutoRepeat(true);
        knap->setFocusPolicy(Qt::NoFocus);
    }
    m_op->setAccessibleName(QStringLiteral("Op"));
    m_ned->setAccessibleName(QStringLiteral("Ned"));
    connect(m_op, &QToolButton::clicked, this, [this] { setPosition(this->position() + 1); });
    connect(m_ned, &QToolButton::clicked, this, [this] { setPosition(this->position() - 1); });

    auto *pile = new QVBoxLayout;
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    pile->addWidget(m_op);
    pile->addWidget(m_ned);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addLayout(pile);
    layout->addStretch(1);
    setPosition(position);
}

int OpNedFelt::position() const
{
    bool ok = false;
    const qlonglong tal = m_edit->text().toLongLong(&ok);
    if (!ok)
        return m_minimum;
    return int(std::clamp<qlonglong>(tal, m_minimum, m_maksimum));
}

void OpNedFelt::setPosition(int position)
{
    m_edit->setText(QString::number(std::clamp(position, m_minimum, m_maksimum)));
}

bool OpNedFelt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            setPosition(position() + (key == Qt::Key_Up ? 1 : -1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
