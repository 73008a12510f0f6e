#include "ui/LukMedEscape.h"

#include <QShortcut>
#include <QWidget>

void lukMedEscape(QWidget *vindue)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), vindue);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, vindue, &QWidget::close);
}
