#include "ui/ActionIcons.h"

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

namespace {

struct NamedIcon
{
    const char *name;
    QIcon (*make)();
};

const NamedIcon allIcons[] = {
    {"luk", ActionIcons::luk},
    {"form", ActionIcons::form},
    {"ur", ActionIcons::ur},
    {"egenskaber", ActionIcons::egenskaber},
    {"rundtUr", ActionIcons::rundtUr},
    {"standardFarver", ActionIcons::standardFarver},
    {"afspil", ActionIcons::afspil},
    {"information", ActionIcons::information},
    {"opdaterAlarmer", ActionIcons::opdaterAlarmer},
    {"minimer", ActionIcons::minimer},
};

QImage picture(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

} // namespace

class TestActionIcons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawnInBothSizes_data();
    void drawnInBothSizes();
    void bothSizesShowTheSamePicture_data();
    void bothSizesShowTheSamePicture();
    void everyActionHasItsOwnPicture();
};

void TestActionIcons::drawnInBothSizes_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::addColumn<int>("size");
    for (const NamedIcon &named : allIcons) {
        for (const int size : {16, 32})
            QTest::addRow("%s %d", named.name, size) << named.make() << size;
    }
}

void TestActionIcons::drawnInBothSizes()
{
    QFETCH(QIcon, icon);
    QFETCH(int, size);

    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = picture(icon, size);
    QCOMPARE(image.size(), QSize(size, size));

    // A picture: a fair part is painted, some background stays clear, and it has more
    // than one colour.
    qsizetype painted = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (opaque(pixel)) {
                ++painted;
                colours.insert(pixel | 0xff000000);
            }
        }
    }
    const qsizetype all = qsizetype(size) * size;
    QVERIFY2(painted >= all / 8,
             qPrintable(QStringLiteral("%1 of %2 painted").arg(painted).arg(all)));
    QVERIFY2(painted <= all * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2 painted").arg(painted).arg(all)));
    QVERIFY(colours.size() >= 2);
}

void TestActionIcons::bothSizesShowTheSamePicture_data()
{
    QTest::addColumn<QIcon>("icon");
    for (const NamedIcon &named : allIcons)
        QTest::newRow(named.name) << named.make();
}

// The large picture shrunk to 16 x 16 covers the same pixels as the small one: it is the
// same drawing scaled, not a corner of it or a different drawing.
void TestActionIcons::bothSizesShowTheSamePicture()
{
    QFETCH(QIcon, icon);

    const QImage small = picture(icon, 16);
    const QImage shrunk = picture(icon, 32)
                              .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (opaque(small.pixel(x, y)) != opaque(shrunk.pixel(x, y)))
                ++differing;
        }
    }
    QVERIFY2(differing <= 16, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

void TestActionIcons::everyActionHasItsOwnPicture()
{
    for (std::size_t i = 0; i < std::size(allIcons); ++i) {
        for (std::size_t j = i + 1; j < std::size(allIcons); ++j) {
            QVERIFY2(picture(allIcons[i].make(), 16) != picture(allIcons[j].make(), 16),
                     qPrintable(QStringLiteral("%1 and %2 look alike")
                                    .arg(QLatin1String(allIcons[i].name),
                                         QLatin1String(allIcons[j].name))));
        }
    }
}

QTEST_MAIN(TestActionIcons)
#include "tst_actionicons.moc"
