#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

// Reads what an information page names (the page itself, its pictures, style
// sheets and linked pages) for the page view. Only regular files inside the
// structure's own folder are read, within a size limit and without ever waiting
// for a writer: a page cannot freeze the program, exhaust its memory or show a
// file from elsewhere on the disk.
class SideLaeser
{
public:
    // Far above any page or picture of a structure.
    static constexpr qint64 kGraense = 16 * 1024 * 1024;

    // rod: the structure's folder; everything read must lie inside it.
    explicit SideLaeser(const QString &rod);

    // Whether sti, links resolved, lies inside the structure's folder.
    bool indenfor(const QString &sti) const;

    // The bytes of the file at sti; nothing when it lies outside, is no regular
    // file, is larger than the limit or cannot be read.
    std::optional<QByteArray> laes(const QString &sti) const;

    // The same for a resource named on a page: the url is resolved against the
    // page's address; anything but a local file is refused.
    std::optional<QByteArray> laes(const QUrl &side, const QUrl &navn) const;

private:
    QString m_rod;
};
