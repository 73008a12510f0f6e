#include "clock/Maske.h"

#include <QBitmap>
#include <cmath>

QRegion SynligDel(const QImage &billede, QRgb noegle)
{
    if (billede.isNull())
        return {};
    const qreal dpr = billede.devicePixelRatio();
    const QImage kilde =
        billede.format() == QImage::Format_RGB32 || billede.format() == QImage::Format_ARGB32
            ? billede
            : billede.convertToFormat(QImage::Format_ARGB32);
    const int bredde = int(std::lround(kilde.width() / dpr));
    const int hoejde = int(std::lround(kilde.height() / dpr));
    QImage synlig(bredde, hoejde, QImage::Format_ARGB32);
    synlig.fill(Qt::transparent);
    auto midt = [dpr](int logisk, int graense) {
        return qMin(int((logisk + 0.5) * dpr), graense - 1);
    };
    const QRgb noegleFarve = noegle | 0xFF000000;
    for (int y = 0; y < hoejde; ++y) {
        const auto *linje =
            reinterpret_cast<const QRgb *>(kilde.constScanLine(midt(y, kilde.height())));
        auto *ud = reinterpret_cast<QRgb *>(synlig.scanLine(y));
        for (int x = 0; x < bredde; ++x) {
            if ((linje[midt(x, kilde.width())] | 0xFF000000) != noegleFarve)
                ud[x] = 0xFF000000;
        }
    }
    return QRegion(QBitmap::fromImage(synlig.createAlphaMask()));
}
