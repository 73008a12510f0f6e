#include "base/LydListe.h"

#include "platform/DataLocation.h"
#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>

LydListe::LydListe(const QString &lydDir) : m_lydDir(lydDir) {}

void LydListe::hent()
{
    m_filer.clear();
    const QFileInfoList filer = QDir(m_lydDir).entryInfoList(
        {QStringLiteral("*.wav")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo &fil : filer)
        m_filer.append(fil.fileName());
}

QStringList LydListe::navne() const
{
    QStringList navne{QStringLiteral("Ingen alarmlyd")};
    for (const QString &fil : m_filer)
        navne.append(fil.chopped(4));
    return navne;
}

QString LydListe::sti(int index) const
{
    if (index <= 0 || index > m_filer.size())
        return QString();
    return m_lydDir + DataLocation::separator() + m_filer.at(index - 1);
}

void LydListe::playAlarm(SoundPlayer &player, int aIndex, int aAntal, bool test) const
{
    const QString path = sti(aIndex);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    player.play(path, test || aAntal == 0 ? 1 : aAntal, false);
}
