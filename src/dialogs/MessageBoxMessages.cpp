#include "dialogs/MessageBoxMessages.h"

#include <QMessageBox>

namespace {

void show(QMessageBox::Icon icon, const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QStringLiteral("Klokkeven"), shown, QMessageBox::Ok);
    box.exec();
}

} // namespace

void MessageBoxMessages::information(const QString &text)
{
    show(QMessageBox::Information, text);
}

void MessageBoxMessages::error(const QString &text)
{
    show(QMessageBox::Critical, text);
}
