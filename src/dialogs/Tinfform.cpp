#include "dialogs/Tinfform.h"

#include "dialogs/DialogSymbol.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The width the window's outer width is held between, less the frame.
constexpr int kKleinsteBredde = 323;
constexpr int kStoersteBredde = 333;
constexpr int kBarHoejde = 31;

} // namespace

Tinfform::Tinfform(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Information"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QFont windowFont(QStringLiteral("Segoe UI"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setMinimumWidth(kKleinsteBredde);
    setMaximumWidth(kStoersteBredde);
    resize(kKleinsteBredde, 54);

    m_label = new QLabel(this);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *Panel1 = new QWidget(this);
    Panel1->setFixedHeight(kBarHoejde);
    auto *Image1 = new QLabel(Panel1);
    auto *Image2 = new QLabel(Panel1);
    Image1->setPixmap(DialogSymbol::information());
    Image2->setPixmap(DialogSymbol::information());
    m_button = new QPushButton(QStringLiteral("OK"), Panel1);
    m_button->setDefault(true);
    auto *bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 0, 8, 0);
    bar->setSpacing(0);
    bar->addWidget(Image1, 0, Qt::AlignTop);
    bar->addSpacing(100 - 8 - 16);
    bar->addWidget(m_button, 1);
    bar->addSpacing(100 - 8 - 16);
    bar->addWidget(Image2, 0, Qt::AlignTop);
    Image1->setContentsMargins(0, 8, 0, 0);
    Image2->setContentsMargins(0, 8, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_label, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(Panel1);

    connect(m_button, &QPushButton::clicked, this, [this] { done(1); });
    resetValues();
}

void Tinfform::insertTekst(const QString &tekst)
{
    QString shown = tekst;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_label->setText(shown);
}

void Tinfform::resetValues()
{
    m_label->clear();
    QFont labelFont = m_label->font();
    labelFont.setPointSize(8);
    m_label->setFont(labelFont);
}

void Tinfform::showEvent(QShowEvent *event)
{
    QFont labelFont = m_label->font();
    labelFont.setPointSize(10);
    m_label->setFont(labelFont);

    // The outer height is the wrapped message's height plus 80 pixels.
    const int labelHeight = m_label->heightForWidth(width());
    const int frameHeight = frameGeometry().height() - height();
    resize(width(), labelHeight + 80 - frameHeight);

    if (m_opstart && QApplication::focusWidget()) {
        if (QWidget *active = QApplication::activeWindow(); active && active != this) {
            m_opstart = false;
            if (!m_sidstePlads)
                m_sidstePlads = active->frameGeometry().topLeft();
        }
    }
    if (m_sidstePlads)
        move(*m_sidstePlads);
    QDialog::showEvent(event);
}

void Tinfform::done(int result)
{
    m_sidstePlads = pos();
    QDialog::done(result);
    resetValues();
}
