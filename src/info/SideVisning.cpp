#include "info/SideVisning.h"

#include "info/SideSoegning.h"

#include <QFileInfo>
#include <QImage>

using namespace Qt::Literals::StringLiterals;

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
    // Never an empty answer: on one, QTextDocument opens the file itself, and the
    // picture handler loads the name from disk, both past every check here.
    if (type == QTextDocument::ImageResource) {
        QImage billede;
        if (bytes)
            billede.loadFromData(*bytes);
        if (billede.isNull()) {
            billede = QImage(1, 1, QImage::Format_ARGB32);
            billede.fill(Qt::transparent);
        }
        return billede;
    }
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return bytes ? SideSoegning::sideTekst(*bytes) : QString(u""_s);
    return bytes.value_or(QByteArray(""));
}

void SideVisning::keyPressEvent(QKeyEvent *event)
{
    QTextBrowser::keyPressEvent(event);
    Q_EMIT linkFokusMuligvisFlyttet();
}

bool SideVisning::focusNextPrevChild(bool next)
{
    const bool flyttet = QTextBrowser::focusNextPrevChild(next);
    Q_EMIT linkFokusMuligvisFlyttet();
    return flyttet;
}
