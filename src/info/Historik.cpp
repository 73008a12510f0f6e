#include "info/Historik.h"

QString Historik::aktuel() const
{
    return m_sider.value(m_urlIndex);
}

void Historik::optag(const QString &side)
{
    if (!m_sider.isEmpty() && m_urlIndex + 1 != count()) {
        ++m_urlIndex;
        m_sider.insert(m_urlIndex, side);
    } else {
        m_sider.append(side);
        m_urlIndex = int(count()) - 1;
    }
    Q_EMIT aendret();
}

void Historik::setUrlIndex(int index)
{
    if (index < 0 || index >= count() || index == m_urlIndex)
        return;
    m_urlIndex = index;
    Q_EMIT aendret();
}

int Historik::rensDobbelte()
{
    const QString husket = aktuel();
    QStringList nye;
    for (const QString &side : std::as_const(m_sider))
        if (!nye.contains(side, Qt::CaseInsensitive))
            nye.append(side);
    const int antal = int(m_sider.size() - nye.size());
    m_sider = nye;
    if (m_urlIndex >= 0) {
        m_urlIndex = 0;
        while (m_sider.at(m_urlIndex).compare(husket, Qt::CaseInsensitive) != 0)
            ++m_urlIndex;
    }
    Q_EMIT aendret();
    return antal;
}

void Historik::sletAlle()
{
    m_sider.clear();
    m_urlIndex = -1;
    Q_EMIT aendret();
}

QString Historik::rensStatus(int antal)
{
    if (antal == 0)
        return QStringLiteral("Der var ingen dobbeltgængere");
    if (antal == 1)
        return QStringLiteral("Der blev slettet 1 dobbeltgænger");
    return QStringLiteral("Der blev slettet %1 dobbeltgængere").arg(antal);
}
