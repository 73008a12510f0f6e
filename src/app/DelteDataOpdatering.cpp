#include "app/DelteDataOpdatering.h"

#include "base/AtomicFile.h"
#include "base/TextListFile.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <optional>

namespace {

// The largest shared file the refresh reads: far above any sound or page.
constexpr qint64 kStoersteFil = 256 * 1024 * 1024;

QString kontrolsum(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The list: pairs of lines, a path relative to the data folder and the
// checksum of what the installation wrote there.
QHash<QString, QString> laesManifest(const QString &path)
{
    QHash<QString, QString> manifest;
    const std::optional<QStringList> linjer = TextListFile::read(path);
    if (!linjer)
        return manifest;
    for (qsizetype i = 0; i + 1 < linjer->size(); i += 2)
        manifest.insert(linjer->at(i), linjer->at(i + 1));
    return manifest;
}

// The installed files, by path relative to installedDir. Folders reached
// through a link are passed over, as the first installation does.
QStringList installeredeFiler(const QString &installedDir)
{
    QStringList filer;
    QDirIterator it(installedDir, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir rod(installedDir);
    while (it.hasNext()) {
        const QString path = it.next();
        filer.append(rod.relativeFilePath(path));
    }
    filer.sort();
    return filer;
}

// Makes the folders between programDir and the file where they are missing.
// False when one of them is a link (it could lead out of the data folder) or
// not a folder.
bool mapperKlar(const QString &programDir, const QString &relativ)
{
    QString sti = programDir;
    const QStringList dele = relativ.split(QLatin1Char('/'));
    for (qsizetype i = 0; i + 1 < dele.size(); ++i) {
        sti += QLatin1Char('/') + dele[i];
        const QFileInfo mappe(sti);
        if (mappe.isSymLink())
            return false;
        if (!mappe.exists() && !QDir().mkdir(sti))
            return false;
        if (!QFileInfo(sti).isDir())
            return false;
    }
    return true;
}

} // namespace

namespace DelteDataOpdatering {

QString manifestNavn()
{
    return QStringLiteral("installation.txt");
}

QStringList opdater(const QString &installedDir, const QString &programDir)
{
    QStringList skrevet;
    if (installedDir.isEmpty() || !QFileInfo(installedDir).isDir() ||
        !QFileInfo(programDir).isDir())
        return skrevet;
    const QString manifestSti = programDir + QLatin1Char('/') + manifestNavn();
    const QHash<QString, QString> gammel = laesManifest(manifestSti);
    QHash<QString, QString> ny;

    for (const QString &relativ : installeredeFiler(installedDir)) {
        const std::optional<QByteArray> installeret =
            RegularFile::read(installedDir + QLatin1Char('/') + relativ, kStoersteFil);
        if (!installeret)
            continue;
        // Every start passes here: each file is summed once, and the copy in
        // the data folder only where it differs from the installed one.
        const QString installeretSum = kontrolsum(*installeret);
        const QString maal = programDir + QLatin1Char('/') + relativ;
        const QFileInfo maalInfo(maal);
        const bool kendt = gammel.contains(relativ);

        if (!maalInfo.exists() && !maalInfo.isSymLink()) {
            // Deleted by the user: stays deleted, and stays in the list so
            // that a later update does not bring it back either. A file the
            // list never knew is new in this version and comes in.
            if (kendt) {
                ny.insert(relativ, gammel.value(relativ));
            } else if (mapperKlar(programDir, relativ) && writeAtomically(maal, *installeret)) {
                ny.insert(relativ, installeretSum);
                skrevet.append(relativ);
            }
            continue;
        }
        if (maalInfo.isSymLink() || !maalInfo.isFile() || !mapperKlar(programDir, relativ))
            continue;
        const std::optional<QByteArray> nu = RegularFile::read(maal, kStoersteFil);
        if (!nu)
            continue;
        const QString nuSum = *nu == *installeret ? installeretSum : kontrolsum(*nu);
        if (nuSum == installeretSum) {
            // Already as installed: the installation's own from now on.
            ny.insert(relativ, installeretSum);
        } else if (kendt && nuSum == gammel.value(relativ)) {
            // As the installation left it, and the installation has a newer one.
            if (writeAtomically(maal, *installeret)) {
                ny.insert(relativ, installeretSum);
                skrevet.append(relativ);
            } else {
                ny.insert(relativ, nuSum);
            }
        } else if (kendt) {
            // Changed by the user: never touched, and remembered as the
            // installation's older version so it stays the user's.
            ny.insert(relativ, gammel.value(relativ));
        }
    }

    QStringList linjer;
    QStringList stier = ny.keys();
    stier.sort();
    for (const QString &sti : stier)
        linjer << sti << ny.value(sti);
    if (ny != gammel)
        TextListFile::write(manifestSti, linjer);
    return skrevet;
}

} // namespace DelteDataOpdatering
