#include "TestFiles.h"
#include "calendar/Kalender.h"
#include "calendar/TAlmenX.h"
#include "platform/DataLocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestKalender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void datoMappe_data();
    void datoMappe();
    void editInteger_data();
    void editInteger();
    void enFeltAdGangen_data();
    void enFeltAdGangen();
    void dokumentNavn_data();
    void dokumentNavn();
    void gemFejlIRaekkefoelge();
    void startIndex_data();
    void startIndex();
    void listerKunRtfFilerIMappen();
    void mappeDerIkkeKanListes();
};

void TestKalender::datoMappe_data()
{
    QTest::addColumn<QDate>("dato");
    QTest::addColumn<QString>("mappe");
    QTest::newRow("nytaarsdag 2025") << QDate(2025, 1, 1) << "2025/01 Januar/01 Onsdag";
    QTest::newRow("nytaarsaften 2024") << QDate(2024, 12, 31) << "2024/12 December/31 Tirsdag";
    QTest::newRow("skuddag") << QDate(2024, 2, 29) << "2024/02 Februar/29 Torsdag";
    QTest::newRow("lørdag i maj") << QDate(2024, 5, 4) << "2024/05 Maj/04 Lørdag";
    QTest::newRow("søndag i marts") << QDate(2024, 3, 10) << "2024/03 Marts/10 Søndag";
    QTest::newRow("mandag i oktober") << QDate(2013, 10, 28) << "2013/10 Oktober/28 Mandag";
    QTest::newRow("fredag i juli") << QDate(2026, 7, 17) << "2026/07 Juli/17 Fredag";
}

void TestKalender::datoMappe()
{
    QFETCH(QDate, dato);
    QFETCH(QString, mappe);
    const QString sep = DataLocation::separator();
    QCOMPARE(Kalender::datoMappe(QStringLiteral("K"), dato),
             QStringLiteral("K") + sep + QString(mappe).replace(u'/', sep));
}

void TestKalender::editInteger_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("tal");
    QTest::newRow("bogstav midt i") << "1a2" << 12;
    QTest::newRow("minus foran") << "-5" << -5;
    QTest::newRow("minus bagved") << "5-" << 5;
    QTest::newRow("minus alene") << "-" << 0;
    QTest::newRow("tom") << "" << 0;
    QTest::newRow("kun bogstaver") << "abc" << 0;
    QTest::newRow("nul") << "0" << 0;
    QTest::newRow("stort tal") << "99999" << 99999;
    QTest::newRow("for mange cifre") << "99999999999999" << 2147483647;
}

void TestKalender::editInteger()
{
    QFETCH(QString, tekst);
    QFETCH(int, tal);
    QCOMPARE(TAlmenX().EditInteger(tekst), tal);
}

void TestKalender::enFeltAdGangen_data()
{
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<char>("felt");
    QTest::addColumn<int>("vaerdi");
    QTest::addColumn<QDate>("til");
    const QDate d(2024, 6, 10);
    QTest::newRow("dag") << d << 'd' << 5 << QDate(2024, 6, 5);
    QTest::newRow("dag 0") << d << 'd' << 0 << d;
    QTest::newRow("dag 31 i juni") << d << 'd' << 31 << d;
    QTest::newRow("dag negativ") << d << 'd' << -3 << d;
    QTest::newRow("måned") << d << 'm' << 3 << QDate(2024, 3, 10);
    QTest::newRow("måned 13") << d << 'm' << 13 << d;
    QTest::newRow("31. til februar") << QDate(2024, 1, 31) << 'm' << 2 << QDate(2024, 1, 31);
    QTest::newRow("år") << d << 'y' << 2020 << QDate(2020, 6, 10);
    QTest::newRow("år 0") << d << 'y' << 0 << d;
    QTest::newRow("år 99999") << d << 'y' << 99999 << d;
    QTest::newRow("skuddag til ikke-skudår")
        << QDate(2024, 2, 29) << 'y' << 2023 << QDate(2024, 2, 29);
    QTest::newRow("skuddag til skudår") << QDate(2024, 2, 29) << 'y' << 2028 << QDate(2028, 2, 29);
}

void TestKalender::enFeltAdGangen()
{
    QFETCH(QDate, fra);
    QFETCH(char, felt);
    QFETCH(int, vaerdi);
    QFETCH(QDate, til);
    const QDate ny = felt == 'd'   ? Kalender::medDag(fra, vaerdi)
                     : felt == 'm' ? Kalender::medMaaned(fra, vaerdi)
                                   : Kalender::medAar(fra, vaerdi);
    QCOMPARE(ny, til);
}

void TestKalender::dokumentNavn_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("navn"); // empty: refused
    QTest::newRow("almindeligt") << "Noter"
                                 << "Noter";
    QTest::newRow("efternavn fjernes") << "Møde.txt"
                                       << "Møde";
    QTest::newRow("kun sidste efternavn") << "a.b.rtf"
                                          << "a.b";
    QTest::newRow("dato") << "30-10-2013"
                          << "30-10-2013";
    QTest::newRow("36 tegn") << QString(36, u'x') << QString(36, u'x');
    QTest::newRow("skråstreg") << "a/b"
                               << "";
    QTest::newRow("omvendt skråstreg") << "a\\b"
                                       << "";
    QTest::newRow("kolon") << "kl. 10:30"
                           << "";
    QTest::newRow("to punktummer") << ".."
                                   << "";
    QTest::newRow("op og ud") << "..x"
                              << "";
    QTest::newRow("kun mellemrum") << "   "
                                   << "";
    QTest::newRow("stjerne") << "a*"
                             << "";
    QTest::newRow("styretegn") << QStringLiteral("a\tb") << "";
    QTest::newRow("enhed") << "CON"
                           << "";
    QTest::newRow("enhed med efternavn") << "nul.txt"
                                         << "";
    QTest::newRow("mellemrum til sidst") << "a .txt"
                                         << "";
}

void TestKalender::dokumentNavn()
{
    QFETCH(QString, tekst);
    QFETCH(QString, navn);
    const Kalender::Dokumentnavn d = Kalender::dokumentNavn(tekst);
    QCOMPARE(d.navn, navn);
    QCOMPARE(d.fejl.isEmpty(), !navn.isEmpty());
}

void TestKalender::gemFejlIRaekkefoelge()
{
    const QString udenMappe =
        QStringLiteral(" Der mangler et mappenavn. \r Vælg dato i kalenderen. ");
    QCOMPARE(Kalender::gemFejl(QString(), false, QString(), true), udenMappe);
    QCOMPARE(Kalender::gemFejl(QStringLiteral("m"), false, QString(), true),
             udenMappe + QStringLiteral("\rKlik: Opret mappe for valgte dato."));
    QCOMPARE(Kalender::gemFejl(QStringLiteral("m"), true, QString(), true),
             QStringLiteral(" Der mangler et filnavn. \r Indfør filnavn uden efternavn. "));
    QCOMPARE(Kalender::gemFejl(QStringLiteral("m"), true, QStringLiteral("n"), true),
             QStringLiteral(" Der mangler en tekst. "));
    QCOMPARE(Kalender::gemFejl(QStringLiteral("m"), true, QStringLiteral("n"), false),
             std::nullopt);
}

void TestKalender::startIndex_data()
{
    QTest::addColumn<QStringList>("dokumenter");
    QTest::addColumn<int>("valg");
    QTest::addColumn<int>("index");
    const QStringList tre = {"Dagbog", "Information", "Noter"};
    QTest::newRow("første") << tre << 0 << 0;
    QTest::newRow("information") << tre << 1 << 1;
    QTest::newRow("dagbog") << tre << 3 << 0;
    QTest::newRow("anden skrift") << QStringList{"a", "DAGBOG"} << 3 << 1;
    QTest::newRow("ingen dagbog") << QStringList{"a", "b"} << 3 << 0;
    QTest::newRow("dato") << QStringList{"a", "30-10-2013"} << 2 << 1;
    QTest::newRow("tom liste") << QStringList{} << 1 << -1;
}

void TestKalender::startIndex()
{
    QFETCH(QStringList, dokumenter);
    QFETCH(int, valg);
    QFETCH(int, index);
    QCOMPARE(Kalender::startIndex(dokumenter, Kalender::Opstart(valg), QDate(2013, 10, 30)), index);
}

void TestKalender::listerKunRtfFilerIMappen()
{
    QTemporaryDir dir;
    const QString m = dir.path();
    QVERIFY(putFile(m + "/Dagbog.rtf", "{\\rtf1 a}"));
    QVERIFY(putFile(m + "/Noter.rtf", "{\\rtf1 b}"));
    QVERIFY(putFile(m + "/liste.txt", "c"));
    QVERIFY(QDir().mkpath(m + "/Undermappe.rtf"));
    QVERIFY(putFile(m + "/Undermappe.rtf/Dybt.rtf", "{\\rtf1 d}"));
    QStringList navne = Kalender::loadRtfFiler(m).value();
    navne.sort();
    QCOMPARE(navne, (QStringList{"Dagbog", "Noter"}));
    QCOMPARE(Kalender::dokumentSti(m, "Noter"), m + DataLocation::separator() + "Noter.rtf");
}

void TestKalender::mappeDerIkkeKanListes()
{
    QTemporaryDir dir;
    QVERIFY(putFile(dir.path() + "/fil", "x"));
    QCOMPARE(Kalender::loadRtfFiler(dir.path() + "/fil"), std::nullopt);
    QCOMPARE(Kalender::loadRtfFiler(dir.path() + "/mangler"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"
