#include "dialogs/MessageBoxMessages.h"

#include "ui/WindowGeometry.h"

#include <QMessageBox>

namespace {

// Every box of the program is centred on the screen, also one that belongs
// to a window; the toolkit would centre that one on its owner.
class CentredMessageBox final : public QMessageBox
{
public:
    CentredMessageBox(Icon icon, const QString &text, QWidget *owner)
        : QMessageBox(icon, QStringLiteral("Klokkeven"), shown(text), QMessageBox::Ok, owner)
    {}

protected:
    void showEvent(QShowEvent *event) override
    {
        // The box takes its final size in the toolkit's own show handling.
        QMessageBox::showEvent(event);
        WindowGeometry::centreOnScreen(*this);
    }

private:
    static QString shown(const QString &text)
    {
        QString lines = text;
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return lines;
    }
};

void show(QMessageBox::Icon icon, const QString &text)
{
    CentredMessageBox box(icon, text, nullptr);
    box.exec();
}

} // namespace

void MessageBoxMessages::information(const QString &text)
{
    show(QMessageBox::Information, text);
}

void MessageBoxMessages::information(const QString &text, QWidget *owner,
                                     std::function<void()> acknowledged)
{
    auto *box = new CentredMessageBox(QMessageBox::Information, text, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (acknowledged)
        QObject::connect(box, &QDialog::finished, box, [acknowledged](int) { acknowledged(); });
    // No nested event loop: the owner's timers and the other windows go on.
    box->open();
}

void MessageBoxMessages::error(const QString &text)
{
    show(QMessageBox::Critical, text);
}
