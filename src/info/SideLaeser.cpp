#include "info/SideLaeser.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFileInfo>

SideLaeser::SideLaeser(const QString &rod) : m_rod(QFileInfo(rod).canonicalFilePath()) {}

bool SideLaeser::indenfor(const QString &sti) const
{
    if (m_rod.isEmpty())
        return false;
    // The real path, so that neither "../" nor a link leads out of the folder.
    const QString egentlig = QFileInfo(sti).canonicalFilePath();
    return !egentlig.isEmpty() && egentlig.startsWith(m_rod + u'/');
}

std::optional<QByteArray> SideLaeser::laes(const QString &sti) const
{
    if (!indenfor(sti))
        return std::nullopt;
    return RegularFile::read(QFileInfo(sti).canonicalFilePath(), kGraense);
}

std::optional<QByteArray> SideLaeser::laes(const QUrl &side, const QUrl &navn) const
{
    const QUrl url = navn.isRelative() ? side.resolved(navn) : navn;
    if (!url.isLocalFile())
        return std::nullopt;
    return laes(url.toLocalFile());
}
