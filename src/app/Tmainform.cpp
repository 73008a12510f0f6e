#include "app/Tmainform.h"

#include "alarms/Talarmform.h"
#include "app/ProgramContext.h"
#include "calendar/Ttekstform.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"

#include <QAction>
#include <QCloseEvent>

Tmainform::Tmainform(ProgramContext &context)
    : m_context(context),
      m_folders(DataFolders(context.programDir,
                            DataFolders::GetUserFromWindows(*context.platform.userName)))
{
    setWindowTitle(QStringLiteral("Ur"));
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    resize(380, 427);

    m_aLuk = new QAction(QStringLiteral("Luk uret"), this);
    m_aLuk->setStatusTip(QStringLiteral("Luk programmet: Ctrl+Q"));
    m_aLuk->setToolTip(m_aLuk->statusTip());
    m_aLuk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_aLuk->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_aLuk, &QAction::triggered, this, &QWidget::close);
    addAction(m_aLuk);

    m_opstart = true;
}

void Tmainform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_opstart)
        FormShow();
}

void Tmainform::FormShow()
{
    m_opstart = false;
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    Q_EMIT lukket();
}

void Tmainform::FormClose()
{
    const Vinduer &vinduer = m_context.vinduer;
    if (vinduer.infoform)
        vinduer.infoform->gemOpt();
    if (vinduer.urlform)
        vinduer.urlform->gemOpt();
    if (vinduer.tekstform)
        vinduer.tekstform->gemOpt();
    if (vinduer.alarmform)
        vinduer.alarmform->gemOpt();
}
