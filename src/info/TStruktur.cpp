#include "info/TStruktur.h"

#include "base/TextListFile.h"
#include "dialogs/Messages.h"
#include "info/Strukturfil.h"

#include <QFileInfo>

namespace {

constexpr int kAntalBilleder = 10;
constexpr int kDataRolle = Qt::UserRole;
constexpr int kBilledRolle = Qt::UserRole + 1;

} // namespace

TStruktur::TStruktur(Messages &messages, QWidget *parent)
    : QTreeWidget(parent), m_messages(messages)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
}

QString TStruktur::dataStreng(const QTreeWidgetItem *knude)
{
    return knude->data(0, kDataRolle).toString();
}

int TStruktur::billede(const QTreeWidgetItem *knude)
{
    const QVariant index = knude->data(0, kBilledRolle);
    return index.isValid() ? index.toInt() : -1;
}

QString TStruktur::sideNavn(const QTreeWidgetItem *knude)
{
    return dataStreng(knude).mid(1);
}

QList<QTreeWidgetItem *> TStruktur::knuderITraeorden() const
{
    QList<QTreeWidgetItem *> knuder;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it)
        knuder.append(*it);
    return knuder;
}

void TStruktur::hentBilleder()
{
    m_billeder.clear();
    for (int i = 0; i < kAntalBilleder; ++i)
        m_billeder.append(QIcon(m_Billedmappe + QStringLiteral("knude%1.png").arg(i)));
}

bool TStruktur::HentStruktur()
{
    clear();
    if (!QFileInfo(m_Strukturfile).isFile())
        return false;
    const Strukturfil::Struktur struktur =
        Strukturfil::fortolk(TextListFile::read(m_Strukturfile).value_or(QStringList()));

    // The last node of each level so far: a line one level deeper is its child.
    QList<QTreeWidgetItem *> foraeldre;
    QList<QTreeWidgetItem *> knuder;
    for (const Strukturfil::Knude &knude : struktur.knuder) {
        foraeldre.resize(knude.niveau);
        auto *item =
            foraeldre.isEmpty() ? new QTreeWidgetItem(this) : new QTreeWidgetItem(foraeldre.last());
        item->setText(0, knude.tekst);
        foraeldre.append(item);
        knuder.append(item);
    }
    if (!struktur.fejl.isEmpty()) {
        m_messages.error(struktur.fejl);
        return false;
    }

    if (m_DataOn) {
        if (!QFileInfo::exists(m_Datafile) && !knuder.isEmpty())
            TextListFile::write(m_Datafile, Strukturfil::standardData(struktur.knuder));
        saetData(knuder);
    }
    m_Modified = false;
    viewport()->update();
    return true;
}

void TStruktur::saetData(const QList<QTreeWidgetItem *> &knuder)
{
    hentBilleder();
    const Strukturfil::Data data = Strukturfil::fortolkData(
        TextListFile::read(m_Datafile).value_or(QStringList()), knuder.size());
    for (qsizetype i = 0; i < knuder.size(); ++i) {
        const std::optional<Strukturfil::KnudeData> &knudeData = data.knuder.at(i);
        if (!knudeData)
            continue;
        QTreeWidgetItem *item = knuder.at(i);
        item->setData(0, kDataRolle, QString::number(knudeData->billede) + knudeData->side);
        item->setData(0, kBilledRolle, knudeData->billede);
        item->setIcon(0, m_billeder.at(knudeData->billede));
    }
    if (!data.fejl.isEmpty())
        m_messages.error(data.fejl);
}
