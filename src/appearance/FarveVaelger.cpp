#include "appearance/FarveVaelger.h"

#include "base/FarveTekst.h"
#include "ui/Hints.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

namespace {

constexpr int kFelt = 18;
constexpr int kKolonner = 8;

// A swatch of a colour; the see-through colour shows as a light chequer
// under the button colour, so it reads as "no colour of its own".
QPixmap farveProeve(TColor farve, QSize stoerrelse, const QPalette &palette)
{
    QPixmap pixmap(stoerrelse);
    QPainter p(&pixmap);
    const QRect r(QPoint(0, 0), stoerrelse);
    if (farve == clBtnFace) {
        p.fillRect(r, Qt::white);
        const int tern = 4;
        for (int y = 0; y < r.height(); y += tern)
            for (int x = (y / tern % 2) * tern; x < r.width(); x += 2 * tern)
                p.fillRect(x, y, tern, tern, QColor(0xCC, 0xCC, 0xCC));
    } else {
        p.fillRect(r, toQColor(farve, palette));
    }
    p.setPen(palette.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

FarveVaelger::FarveVaelger(bool medGennemsigtig, QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(28, 12));
    m_tools.append({clBlack, QStringLiteral("Sidst valgte farve"), QStringLiteral("Valgt farve")});
    for (const FarveFelt &felt : farvePalet(medGennemsigtig))
        m_tools.append({felt.farve, felt.hint, QString()});

    m_palet = new QMenu(this);
    // Eight selectors stand on the page "Ur": each palette's buttons and
    // swatches are made when it first drops down.
    connect(m_palet, &QMenu::aboutToShow, this, &FarveVaelger::bygPalet);
    setMenu(m_palet);
    visFarve(this, m_selected, iconSize());
}

void FarveVaelger::bygPalet()
{
    if (!m_knapper.isEmpty())
        return;
    auto *gitter = new QWidget(m_palet);
    auto *layout = new QGridLayout(gitter);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (int i = 0; i < m_tools.size(); ++i) {
        auto *knap = new QToolButton(gitter);
        knap->setAutoRaise(true);
        const Tool &tool = m_tools.at(i);
        setHint(knap, tool.hint);
        if (i == 0) {
            knap->setText(tool.caption);
            knap->setAccessibleName(tool.caption);
            knap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            knap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            layout->addWidget(knap, 0, 0, 1, kKolonner);
        } else {
            knap->setAccessibleName(tool.hint);
            knap->setFixedSize(kFelt + 4, kFelt + 4);
            layout->addWidget(knap, 1 + (i - 1) / kKolonner, (i - 1) % kKolonner);
        }
        visFarve(knap, tool.BackGroundColor, QSize(kFelt - 4, kFelt - 4));
        connect(knap, &QToolButton::clicked, this, [this, i] { vaelg(i); });
        m_knapper.append(knap);
    }
    auto *handling = new QWidgetAction(m_palet);
    handling->setDefaultWidget(gitter);
    m_palet->addAction(handling);
}

QAbstractButton *FarveVaelger::toolButton(int index)
{
    bygPalet();
    return m_knapper.at(index);
}

void FarveVaelger::visFarve(QAbstractButton *knap, TColor farve, QSize stoerrelse)
{
    knap->setIconSize(stoerrelse);
    knap->setIcon(QIcon(farveProeve(farve, stoerrelse, palette())));
}

void FarveVaelger::setToolColor(int index, TColor farve)
{
    m_tools[index].BackGroundColor = farve;
    if (QAbstractButton *knap = m_knapper.value(index))
        visFarve(knap, farve, knap->iconSize());
}

void FarveVaelger::SetSelectedColor(TColor farve)
{
    m_selected = farve;
    visFarve(this, farve, iconSize());
}

void FarveVaelger::vaelg(int index)
{
    m_palet->close();
    Q_EMIT OnSelect(index);
}

TColor farveEdit(QLineEdit *felt, FarveVaelger *boks)
{
    // The fields show hexadecimal letters in upper case, also as they are typed.
    const QString renset = Get16Tal(felt->text().toUpper());
    if (renset != felt->text())
        felt->setText(renset);
    felt->setCursorPosition(int(renset.size()));
    const TColor farve = feltFarve(renset);
    if (farve != clNone) {
        boks->setToolColor(0, farve);
        boks->SetSelectedColor(farve);
    }
    return farve;
}

TColor farveBox(QLineEdit *felt, FarveVaelger *boks, int index)
{
    const TColor farve = boks->Tools().at(index).BackGroundColor;
    boks->setToolColor(0, farve);
    felt->setText(GetColor(farve));
    return farve;
}
