#include "appearance/UiStil.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace UiStil {

namespace {

const char *const kAktivEgenskab = "klokkevenUiStil";
const char *const kPlatformEgenskab = "klokkevenPlatformStil";
const char *const kPlatformPalet = "klokkevenPlatformPalet";
const QString kWindows = QStringLiteral("Windows");

// The colours a style is built from; the rest of the palette follows them.
struct Farver
{
    const char *navn;
    QRgb vindue, knap, base, tekst, markering, markeringTekst, tip, kant;
};

// Text stands at a contrast of at least 4.5 to 1 on every surface it is drawn on.
constexpr Farver kStile[] = {
    {"Aqua Light Slate", 0xE4EDF1, 0xD3E2E9, 0xFFFFFF, 0x1E2A33, 0x1F7A9C, 0xFFFFFF, 0xF3F9FB,
     0x7FA6B8},
    {"Coral", 0xFBEEE9, 0xF5D6CB, 0xFFFBF9, 0x3A1F18, 0xB5432A, 0xFFFFFF, 0xFFF4EF, 0xD98A72},
    {"Diamond", 0xF3F5F9, 0xE3E7F0, 0xFFFFFF, 0x1A1D24, 0x4F5F9C, 0xFFFFFF, 0xFBFCFE, 0x9AA3BF},
    {"Emerald Light Slate", 0xE7F0EB, 0xD0E3D8, 0xFFFFFF, 0x14281E, 0x1B6F4A, 0xFFFFFF, 0xF3FAF6,
     0x78A88F},
    {"Iceberg Classico", 0xEAF2F8, 0xD8E5EF, 0xFFFFFF, 0x102030, 0x2C679B, 0xFFFFFF, 0xF5FAFD,
     0x8DAAC2},
    {"Sky", 0xE2F0FB, 0xC7E1F6, 0xFFFFFF, 0x0D2438, 0x1B65A6, 0xFFFFFF, 0xF2F9FF, 0x6FA7D6},
    {"Smokey Quartz Kamri", 0x3A3536, 0x4B4547, 0x2B2728, 0xEDE6E3, 0xC9A293, 0x1A1414, 0x4B4547,
     0x8C7B74},
    {"Sterling", 0xEDEDEE, 0xDADBDE, 0xFFFFFF, 0x202124, 0x56606D, 0xFFFFFF, 0xF8F8F9, 0x9A9EA6},
};

const Farver *egen(const QString &navn)
{
    for (const Farver &stil : kStile)
        if (navn.compare(QLatin1String(stil.navn), Qt::CaseInsensitive) == 0)
            return &stil;
    return nullptr;
}

QPalette bygPalet(const Farver &f)
{
    const QColor tekst(f.tekst);
    QPalette p(QColor(f.knap), QColor(f.vindue));
    for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppe, QPalette::Window, QColor(f.vindue));
        p.setColor(gruppe, QPalette::Button, QColor(f.knap));
        p.setColor(gruppe, QPalette::Base, QColor(f.base));
        p.setColor(gruppe, QPalette::AlternateBase, QColor(f.vindue));
        p.setColor(gruppe, QPalette::WindowText, tekst);
        p.setColor(gruppe, QPalette::ButtonText, tekst);
        p.setColor(gruppe, QPalette::Text, tekst);
        p.setColor(gruppe, QPalette::BrightText, QColor(f.base));
        p.setColor(gruppe, QPalette::Highlight, QColor(f.markering));
        p.setColor(gruppe, QPalette::HighlightedText, QColor(f.markeringTekst));
        p.setColor(gruppe, QPalette::ToolTipBase, QColor(f.tip));
        p.setColor(gruppe, QPalette::ToolTipText, tekst);
        p.setColor(gruppe, QPalette::Link, QColor(f.markering));
    }
    // Disabled text halfway between the text and its surface: visibly off, still legible.
    const auto midt = [](QRgb a, QRgb b) {
        return QColor((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2,
                      (qBlue(a) + qBlue(b)) / 2);
    };
    p.setColor(QPalette::Disabled, QPalette::WindowText, midt(f.tekst, f.vindue));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, midt(f.tekst, f.knap));
    p.setColor(QPalette::Disabled, QPalette::Text, midt(f.tekst, f.base));
    p.setColor(QPalette::Disabled, QPalette::Window, QColor(f.vindue));
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(f.knap));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(f.vindue));
    return p;
}

QString stilark(const Farver &f)
{
    const auto hex = [](QRgb farve) {
        return QColor(farve).name();
    };
    return QStringLiteral("QToolTip { color: %1; background-color: %2; border: 1px solid %3; "
                          "padding: 2px; }\n"
                          "QStatusBar { border-top: 1px solid %3; }")
        .arg(hex(f.tekst), hex(f.tip), hex(f.kant));
}

} // namespace

QStringList navne()
{
    QStringList navne{kWindows};
    for (const Farver &stil : kStile)
        navne << QLatin1String(stil.navn);
    return navne;
}

QString fundet(const QString &navn)
{
    for (const QString &tilbudt : navne())
        if (tilbudt.compare(navn, Qt::CaseInsensitive) == 0)
            return tilbudt;
    return QString();
}

bool anvend(const QString &navn)
{
    const QString stil = fundet(navn);
    if (stil.isEmpty())
        return false;
    if (stil == aktiv())
        return true;
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    // The platform's own style and palette are those Qt chose before ours replaced them.
    if (!app->property(kPlatformEgenskab).isValid()) {
        app->setProperty(kPlatformEgenskab, QApplication::style()->name());
        app->setProperty(kPlatformPalet, QVariant::fromValue(QApplication::palette()));
    }
    // Cleared first: the platform's look has no style sheet, and each of ours brings its own.
    app->setStyleSheet(QString());
    if (const Farver *egenStil = egen(stil)) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(bygPalet(*egenStil));
        app->setStyleSheet(stilark(*egenStil));
    } else {
        QApplication::setStyle(QStyleFactory::create(app->property(kPlatformEgenskab).toString()));
        QApplication::setPalette(app->property(kPlatformPalet).value<QPalette>());
    }
    app->setProperty(kAktivEgenskab, stil);
    // Before the message loop runs Qt tells no existing widget of a new
    // style or palette, and the properties window applies the stored style
    // while it is being built: every widget is told here.
    for (QWidget *widget : QApplication::allWidgets()) {
        for (const QEvent::Type type : {QEvent::StyleChange, QEvent::ApplicationPaletteChange}) {
            QEvent event(type);
            QCoreApplication::sendEvent(widget, &event);
        }
        widget->update();
    }
    return true;
}

QString aktiv()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app ? app->property(kAktivEgenskab).toString() : QString();
}

QPalette palet(const QString &navn)
{
    if (const Farver *egenStil = egen(navn))
        return bygPalet(*egenStil);
    const QCoreApplication *app = QCoreApplication::instance();
    const QVariant platform = app ? app->property(kPlatformPalet) : QVariant();
    return platform.isValid() ? platform.value<QPalette>() : QApplication::palette();
}

} // namespace UiStil
