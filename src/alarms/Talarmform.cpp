#include "alarms/Talarmform.h"

#include "app/WindowGeometry.h"
#include "dialogs/Messages.h"
#include "platform/SoundPlayer.h"
#include "richtext/RichTextEdit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// A first-line indent of 6 points, in the document's pixels.
constexpr double kFoersteLinjeIndrykning = 6.0 * 96.0 / 72.0;

} // namespace

Talarmform::Talarmform(const QString &optFilnavn, SoundPlayer &soundPlayer, Messages &messages,
                       QMenu *popupMenu)
    : optFilnavn(optFilnavn), m_messages(messages)
{
    setWindowTitle(QStringLiteral("Ur"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    resize(373, 266);

    m_Memo = new RichTextEdit(this);
    m_Memo->setReadOnly(true);
    m_Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *knapPanel = new QWidget(this);
    knapPanel->setFixedHeight(31);
    m_lukKnap = new QPushButton(QStringLiteral("Luk"), knapPanel);
    m_lukKnap->setFixedSize(74, 25);
    auto *bar = new QHBoxLayout(knapPanel);
    bar->setContentsMargins(3, 3, 3, 3);
    bar->addStretch();
    bar->addWidget(m_lukKnap);
    connect(m_lukKnap, &QPushButton::clicked, this, &Talarmform::lukKnapClick);
    // Closing the window, by "Luk" or otherwise, silences the alarm.
    connect(this, &Talarmform::lukket, &soundPlayer, &SoundPlayer::stop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_Memo);
    layout->addWidget(knapPanel);

    // The main window's pop-up menu serves here too.
    setContextMenuPolicy(Qt::CustomContextMenu);
    m_Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_Memo)})
        connect(area, &QWidget::customContextMenuRequested, this,
                [popupMenu, area](const QPoint &at) { popupMenu->popup(area->mapToGlobal(at)); });

    hentOpt();
}

bool Talarmform::showAlarm(const QString &aCaption, const QString &aFilename)
{
    show();
    raise();
    if (!m_Memo->loadFromFile(aFilename)) {
        m_messages.information(QStringLiteral(
            " Der er opstået en fejl. \r Der kan være en fil, der ikke blev fundet. "));
        close();
        return false;
    }
    QTextCursor cursor(m_Memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat indent;
    indent.setTextIndent(kFoersteLinjeIndrykning);
    cursor.mergeBlockFormat(indent);
    m_Memo->moveCursor(QTextCursor::Start);
    m_Memo->document()->setModified(false);
    m_lukKnap->setFocus();
    setWindowTitle(aCaption);
    return true;
}

void Talarmform::lukKnapClick()
{
    setWindowTitle(QStringLiteral("Alarm"));
    m_Memo->clear();
    close();
}

void Talarmform::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT lukket();
}

void Talarmform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn);
}

void Talarmform::hentOpt()
{
    if (!WindowGeometry::restore(*this, optFilnavn))
        WindowGeometry::centreOnScreen(*this);
}
