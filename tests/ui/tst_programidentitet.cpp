#include "ui/Programidentitet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestProgramidentitet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theDesktopKnowsTheProgramByItsEntry();
    void qtsOwnTextsAreDanish();
};

void TestProgramidentitet::theDesktopKnowsTheProgramByItsEntry()
{
    Programidentitet::saet();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("dk.klokkeven.Klokkeven"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Klokkeven"));
}

void TestProgramidentitet::qtsOwnTextsAreDanish()
{
    QVERIFY2(Programidentitet::indlaesQtsDanskeTekster(*qApp),
             "Qt's Danish translations (Debian: qt6-translations-l10n) are not installed");

    QDialogButtonBox knapper(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(knapper.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuller"));

    QLineEdit felt(QStringLiteral("tekst"));
    const std::unique_ptr<QMenu> menu(felt.createStandardContextMenu());
    QStringList tekster;
    for (const QAction *handling : menu->actions())
        if (!handling->isSeparator())
            tekster.append(
                handling->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    QVERIFY2(!tekster.contains(QStringLiteral("Copy")) &&
                 !tekster.contains(QStringLiteral("Paste")),
             qPrintable(tekster.join(QStringLiteral(", "))));
    QVERIFY2(tekster.contains(QStringLiteral("Kopiér")),
             qPrintable(tekster.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestProgramidentitet)
#include "tst_programidentitet.moc"
