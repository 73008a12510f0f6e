#include "info/SideVisning.h"

#include "info/SideSoegning.h"

#include <QFileInfo>

SideVisning::SideVisning(QWidget *parent) : QTextBrowser(parent), m_laeser(QString()) {}

void SideVisning::setRod(const QString &rod)
{
    m_laeser = SideLaeser(rod);
}

bool SideVisning::visSide(const QString &sti)
{
    if (!m_laeser.laes(sti))
        return false;
    setSource(QUrl::fromLocalFile(QFileInfo(sti).absoluteFilePath()));
    return true;
}

QVariant SideVisning::loadResource(int type, const QUrl &name)
{
    const std::optional<QByteArray> bytes = m_laeser.laes(source(), name);
    if (!bytes)
        return QVariant();
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
        return SideSoegning::sideTekst(*bytes);
    }
    return *bytes;
}
