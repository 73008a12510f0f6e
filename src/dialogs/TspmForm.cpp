#include "dialogs/TspmForm.h"

#include "dialogs/DialogSymbol.h"
#include "ui/VinduesFont.h"
#include "ui/WindowGeometry.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

TspmForm::TspmForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Spørgsmål"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(vinduesFont());
    // A smallest outer size of 384 x 188 on a framed desktop window.
    setMinimumSize(368, 149);
    resize(368, 149);

    auto *Panel1 = new QWidget(this);
    auto *Panel2 = new QWidget(Panel1);
    Panel2->setFixedWidth(52);
    auto *Image1 = new QLabel(Panel2);
    Image1->setPixmap(DialogSymbol::question());
    Image1->setGeometry(3, 24, 46, 52);

    m_info = new QPlainTextEdit(Panel1);
    m_info->setReadOnly(true);
    m_info->setFocusPolicy(Qt::NoFocus);
    m_info->setFrameShape(QFrame::NoFrame);
    QFont infoFont(QStringLiteral("Tahoma"));
    infoFont.setPixelSize(13);
    m_info->setFont(infoFont);

    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(Panel2);
    panelLayout->addWidget(m_info);

    auto *PanelKnapper = new QWidget(this);
    PanelKnapper->setFixedHeight(31);
    m_okButton = new QPushButton(QStringLiteral("Ja"), PanelKnapper);
    m_cancelButton = new QPushButton(QStringLiteral("Nej"), PanelKnapper);
    m_okButton->setFixedSize(75, 25);
    m_cancelButton->setFixedSize(75, 25);
    auto *buttons = new QHBoxLayout(PanelKnapper);
    buttons->setContentsMargins(3, 3, 3, 3);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_okButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(PanelKnapper);

    connect(m_okButton, &QPushButton::clicked, this, [this] { done(Ja); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { done(Nej); });
}

void TspmForm::setSpm(const QString &fName, SpmType spmType)
{
    // The bare name: after the last separator of either kind, without its last extension.
    QString bare = fName;
    bare = bare.mid(bare.lastIndexOf(QRegularExpression(QStringLiteral("[\\\\/]"))) + 1);
    const int dot = bare.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        bare.truncate(dot);

    m_info->clear();
    QStringList lines;
    switch (spmType) {
    case UrDesignFindes:
        lines = {QString(), QStringLiteral("Ur-designet ") + bare,
                 QStringLiteral("eksisterer allerede."), QStringLiteral("Skal filen overskrives?")};
        break;
    case FilFindes:
        lines = {QString(), QStringLiteral("Filen ") + bare, QStringLiteral("eksisterer allerede."),
                 QStringLiteral("Skal filen overskrives?")};
        break;
    case TekstIkkeGemt:
        lines = {QString(), QStringLiteral("Der er skrevet en tekst,"),
                 QStringLiteral("der ikke er gemt."),
                 QStringLiteral("Skal der startes en ny alligevel?")};
        break;
    default:
        return;
    }
    m_info->setPlainText(lines.join(QLatin1Char('\n')));
}

void TspmForm::reject()
{
    // The close box and Escape answer "Nej".
    done(Nej);
}

void TspmForm::showEvent(QShowEvent *event)
{
    WindowGeometry::centreOnScreen(*this);
    QDialog::showEvent(event);
}
