#include "appearance/Tegenskabsform.h"

#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

Tegenskabsform::Tegenskabsform(ProgramContext &)
{
    setWindowTitle(QStringLiteral("Klokkeven"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(665, 419);

    m_egenskabsBog = new QTabWidget(this);
    m_infoBar = new QStatusBar(this);
    m_infoBar->setFixedHeight(19);
    m_infoBar->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_egenskabsBog);
    layout->addWidget(m_infoBar);
}
