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
    std::optional<QByteArray> side = m_laeser.laes(sti);
    if (!side)
        return false;
    // The page is read once: setSource asks for it again through loadResource.
    m_forudlaest = QUrl::fromLocalFile(QFileInfo(sti).absoluteFilePath());
    m_forudlaesteBytes = std::move(*side);
    setSource(m_forudlaest);
    m_forudlaest.clear();
    m_forudlaesteBytes.clear();
    return true;
}

QVariant SideVisning::loadResource(int type, const QUrl &name)
{
    const std::optional<QByteArray> bytes = !m_forudlaest.isEmpty() && name == m_forudlaest
                                                ? std::optional<QByteArray>(m_forudlaesteBytes)
                                                : m_laeser.laes(source(), name);
    if (!bytes)
        return QVariant();
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
        return SideSoegning::sideTekst(*bytes);
    }
    return *bytes;
}
