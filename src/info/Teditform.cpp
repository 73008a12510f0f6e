#include "info/Teditform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

Teditform::Teditform()
{
    setWindowFlags(Qt::Window);
    m_re = new QPlainTextEdit(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_re);
}
