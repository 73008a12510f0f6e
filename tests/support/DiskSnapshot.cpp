#include "DiskSnapshot.h"

#include <QDirIterator>
#include <QFileInfo>

QMap<QString, QString> diskSnapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.insert(info.filePath().mid(root.size()),
                       QString::number(info.size()) + QLatin1Char(' ') +
                           info.lastModified().toString(Qt::ISODateWithMs));
    }
    return entries;
}
