#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/EgenskaberSide.h"
#include "appearance/UiStil.h"
#include "appearance/UrSide.h"
#include "base/TextListFile.h"
#include "clock/TUr.h"
#include "platform/fake/FakePlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

double luminans(const QColor &c)
{
    const auto kanal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

double kontrast(const QColor &a, const QColor &b)
{
    const double la = luminans(a);
    const double lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A control as a failing check names it.
QString beskriv(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    return QLatin1String(control->metaObject()->className()) + QLatin1Char(' ') +
           (label ? label->text() : control->accessibleName());
}

// A program on a temporary data folder whose options file, if given, names a style.
class Program : public HeltProgram
{
public:
    explicit Program(const QString &stil = QString())
    {
        if (!stil.isNull())
            putFile(optFile("design.txt"), stil.toLatin1() + "\r\n");
        start();
        box = form->egenskaberSide()->designBox();
    }

    // The user picks a style; the windows take the new palette as it reaches them.
    void vaelg(const QString &navn)
    {
        box->setCurrentIndex(box->findText(navn));
        Q_EMIT box->activated(box->currentIndex());
        QCoreApplication::processEvents();
    }

    QComboBox *box = nullptr;
};

} // namespace

class TestUiStil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offeredNames();
    void ownStylesAreReadableAndDistinct();
    void switchingIgnoresLetterCase();
    void withoutAnOptionsFileIcebergClassico();
    void choosingWindowsRestylesEveryWindowAndIsKept();
    void storedNameInOtherLetterCase();
    void storedWindowsReplacesTheStartUpStyle();
    void storedNameNotOffered();
    void clockPageFitsInEveryStyle_data();
    void clockPageFitsInEveryStyle();
};

void TestUiStil::offeredNames()
{
    QCOMPARE(UiStil::navne(),
             (QStringList{"Windows", "Aqua Light Slate", "Coral", "Diamond", "Emerald Light Slate",
                          "Iceberg Classico", "Sky", "Smokey Quartz Kamri", "Sterling"}));
}

void TestUiStil::ownStylesAreReadableAndDistinct()
{
    QSet<QRgb> knapper;
    QSet<QRgb> markeringer;
    for (const QString &navn : UiStil::navne().mid(1)) {
        const QPalette p = UiStil::palet(navn);
        const QList<std::pair<QPalette::ColorRole, QPalette::ColorRole>> par{
            {QPalette::Text, QPalette::Base},
            {QPalette::WindowText, QPalette::Window},
            {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::Text, QPalette::AlternateBase}};
        for (const auto &[tekst, flade] : par)
            QVERIFY2(
                kontrast(p.color(tekst), p.color(flade)) >= 4.5,
                qPrintable(navn + ": " + p.color(tekst).name() + " on " + p.color(flade).name()));
        // Disabled text stays legible and looks other than enabled text.
        QVERIFY(kontrast(p.color(QPalette::Disabled, QPalette::ButtonText),
                         p.color(QPalette::Disabled, QPalette::Button)) >= 2.0);
        QVERIFY(p.color(QPalette::Disabled, QPalette::Text) != p.color(QPalette::Text));
        knapper.insert(p.color(QPalette::Button).rgb());
        markeringer.insert(p.color(QPalette::Highlight).rgb());
    }
    QCOMPARE(knapper.size(), 8);
    QCOMPARE(markeringer.size(), 8);
}

void TestUiStil::switchingIgnoresLetterCase()
{
    QVERIFY(UiStil::anvend(QStringLiteral("sKY")));
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Sky"));
    QCOMPARE(QApplication::palette().color(QPalette::Button),
             UiStil::palet(QStringLiteral("Sky")).color(QPalette::Button));
    QVERIFY(!qApp->styleSheet().isEmpty());
    QVERIFY(!UiStil::anvend(QStringLiteral("Nordlys")));
    QVERIFY(!UiStil::anvend(QString()));
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Sky"));
    QCOMPARE(QApplication::palette().color(QPalette::Button),
             UiStil::palet(QStringLiteral("Sky")).color(QPalette::Button));
}

void TestUiStil::withoutAnOptionsFileIcebergClassico()
{
    UiStil::anvend(QStringLiteral("Coral"));
    Program p;
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(p.box->currentText(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(p.box->count(), 9);
    QCOMPARE(p.box->maxVisibleItems(), 13);
    QVERIFY(!p.box->isEditable());
    QCOMPARE(p.box->accessibleName(), QStringLiteral("Designs"));
}

void TestUiStil::choosingWindowsRestylesEveryWindowAndIsKept()
{
    {
        Program p;
        p.program->show();
        p.form->show();
        Tmainform *main = p.program->vinduer().mainform;
        p.vaelg(QStringLiteral("Smokey Quartz Kamri"));
        const QColor moerk =
            UiStil::palet(QStringLiteral("Smokey Quartz Kamri")).color(QPalette::Button);
        QCOMPARE(p.form->palette().color(QPalette::Button), moerk);
        // The see-through key follows the new button colour, and the clock
        // paints its background in it.
        QCOMPARE(main->palette().color(QPalette::Window), moerk);
        const QImage billede = main->Ur().grab().toImage();
        QCOMPARE(billede.pixelColor(1, 1), moerk);

        p.vaelg(QStringLiteral("Windows"));
        QCOMPARE(UiStil::aktiv(), QStringLiteral("Windows"));
        QVERIFY(qApp->styleSheet().isEmpty());
        QCOMPARE(p.form->indstillinger().designName, QStringLiteral("Windows"));
        QVERIFY(p.form->palette().color(QPalette::Button) != moerk);
        QCOMPARE(main->palette().color(QPalette::Window), main->palette().color(QPalette::Button));
        p.program->close();
        QCOMPARE(TextListFile::read(p.tmp.path() + "/Anna/Egenskaber/design.txt")->first(),
                 QStringLiteral("Windows"));
        // The next start comes up in the kept style.
        Klokkeven igen(p.tmp.path(), QString(), p.platform.services(), p.messages);
        QCOMPARE(UiStil::aktiv(), QStringLiteral("Windows"));
        QCOMPARE(igen.vinduer().egenskabsform->egenskaberSide()->designBox()->currentText(),
                 QStringLiteral("Windows"));
    }
}

void TestUiStil::storedNameInOtherLetterCase()
{
    Program p(QStringLiteral("iCEBERG cLASSICO"));
    QCOMPARE(p.box->currentText(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(p.form->designName(), QStringLiteral("iCEBERG cLASSICO"));
}

void TestUiStil::storedWindowsReplacesTheStartUpStyle()
{
    // Read straight after the program is built, before any event is handled:
    // the pages made under the start-up style must have taken the stored one.
    Program p(QStringLiteral("Windows"));
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Windows"));
    const QPalette platform = UiStil::palet(QStringLiteral("Windows"));
    const QPalette iceberg = UiStil::palet(UiStil::kStartStil);
    const QList<QWidget *> widgets{p.form, p.form->urSide(), p.form->egenskaberSide(), p.box};
    for (const QPalette::ColorRole rolle :
         {QPalette::Window, QPalette::Button, QPalette::Highlight}) {
        QVERIFY(platform.color(rolle) != iceberg.color(rolle));
        for (QWidget *widget : widgets)
            QCOMPARE(widget->palette().color(rolle), platform.color(rolle));
    }
}

void TestUiStil::storedNameNotOffered()
{
    UiStil::anvend(QStringLiteral("Sterling"));
    // A name this machine does not offer gives the start-up style, so the file
    // written at close names a style again instead of an empty line.
    Program p(QStringLiteral("Nordlys"));
    QCOMPARE(p.box->currentText(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(p.form->designName(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(UiStil::aktiv(), QStringLiteral("Iceberg Classico"));
    QVERIFY(p.form->optGem());
    QCOMPARE(TextListFile::read(p.tmp.path() + "/Anna/Egenskaber/design.txt")->first(),
             QStringLiteral("Iceberg Classico"));
}

void TestUiStil::clockPageFitsInEveryStyle_data()
{
    QTest::addColumn<QString>("stil");
    for (const QString &navn : UiStil::navne())
        QTest::newRow(qPrintable(navn)) << navn;
}

void TestUiStil::clockPageFitsInEveryStyle()
{
    QFETCH(QString, stil);
    Program p(stil);
    p.form->visSide(EgenskabsSide::Ur);
    QVERIFY(QTest::qWaitForWindowExposed(p.form));
    UrSide *side = p.form->urSide();
    QList<QWidget *> controls;
    for (QWidget *control : side->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            controls << control;
    QVERIFY(controls.size() > 40);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect a = controls.at(i)->geometry();
        QVERIFY2(side->rect().contains(a), qPrintable(beskriv(controls.at(i))));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!a.intersects(controls.at(j)->geometry()),
                     qPrintable(beskriv(controls.at(i)) + " / " + beskriv(controls.at(j))));
    }
}

QTEST_MAIN(TestUiStil)
#include "tst_uistil.moc"
