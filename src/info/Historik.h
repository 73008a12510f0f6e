#pragma once

#include <QObject>
#include <QStringList>

// The information window's page history: the pages shown, each by its name
// relative to the page folder, and the position of the current one (-1
// exactly while the history is empty). The URL list shows it and cleans it;
// the information window records into it and walks it.
class Historik : public QObject
{
    Q_OBJECT

public:
    const QStringList &sider() const { return m_sider; }
    qsizetype count() const { return m_sider.size(); }
    int urlIndex() const { return m_urlIndex; }
    // The current page's name; empty while there is none.
    QString aktuel() const;

    // Records a page that has been shown: it follows the current page, and
    // the pages after the current one stay behind it.
    void optag(const QString &side);
    // Makes an entry current; a position outside the history is ignored.
    void setUrlIndex(int index);

    // The positions the four history actions go to, and when they may.
    bool kanFoerste() const { return count() >= 2 && m_urlIndex > 0; }
    bool kanTilbage() const { return m_urlIndex > 0; }
    bool kanFrem() const { return m_urlIndex < count() - 1; }
    bool kanSidste() const { return count() >= 2 && m_urlIndex < count() - 1; }
    int foerste() const { return 0; }
    int tilbage() const { return qMax(0, m_urlIndex - 1); }
    int frem() const { return qMin(int(count()) - 1, m_urlIndex + 1); }
    int sidste() const { return int(count()) - 1; }

    // Removes every entry equal to an earlier one without regard to letter
    // case; the current page stays current at its first occurrence. Returns
    // how many entries went.
    int rensDobbelte();
    void sletAlle();

    // The URL list's report of a cleaning that removed `antal` entries.
    static QString rensStatus(int antal);

Q_SIGNALS:
    // The entries or the current position changed.
    void aendret();

private:
    QStringList m_sider;
    int m_urlIndex = -1;
};
