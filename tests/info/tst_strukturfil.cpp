#include "info/Strukturfil.h"

#include <QTest>

using Strukturfil::Knude;

namespace {

QStringList tekster(const QList<Knude> &knuder)
{
    QStringList t;
    for (const Knude &k : knuder)
        t.append(QString::number(k.niveau) + QLatin1Char(':') + k.tekst);
    return t;
}

} // namespace

class TestStrukturfil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levels_data();
    void levels();
    void lineTooDeepStopsTheReading();
    void defaultDataIsZeroAndTheText();
    void data_data();
    void data();
    void sameTextIgnoresCaseOfAToZOnly_data();
    void sameTextIgnoresCaseOfAToZOnly();
};

void TestStrukturfil::levels_data()
{
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QStringList>("knuder");
    QTest::newRow("tabs") << QStringList{"A", "\tB", "\t\tC", "D"}
                          << QStringList{"0:A", "1:B", "2:C", "0:D"};
    QTest::newRow("blanks count as tabs")
        << QStringList{"A", " B", "  C", "\t D"} << QStringList{"0:A", "1:B", "2:C", "2:D"};
    QTest::newRow("back two levels") << QStringList{"A", "\tB", "\t\tC", "\tE", "F"}
                                     << QStringList{"0:A", "1:B", "2:C", "1:E", "0:F"};
    QTest::newRow("first line is always top level")
        << QStringList{"\t\tA", "\tB"} << QStringList{"0:A", "1:B"};
    QTest::newRow("no lines") << QStringList() << QStringList();
}

void TestStrukturfil::levels()
{
    QFETCH(QStringList, linjer);
    QFETCH(QStringList, knuder);
    const Strukturfil::Struktur s = Strukturfil::fortolk(linjer);
    QCOMPARE(tekster(s.knuder), knuder);
    QVERIFY(s.fejl.isEmpty());
}

void TestStrukturfil::lineTooDeepStopsTheReading()
{
    const Strukturfil::Struktur s = Strukturfil::fortolk({"A", "\tB", "\t\t\tDyb", "C"});
    QCOMPARE(tekster(s.knuder), (QStringList{"0:A", "1:B"}));
    QVERIFY2(s.fejl.contains("\"Dyb\"") && s.fejl.contains("niveau 3"), qPrintable(s.fejl));
}

void TestStrukturfil::defaultDataIsZeroAndTheText()
{
    const auto s = Strukturfil::fortolk({"Velkommen", "\tNy alarm"});
    QCOMPARE(Strukturfil::standardData(s.knuder), (QStringList{"0Velkommen", "0Ny alarm"}));
}

void TestStrukturfil::data_data()
{
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<int>("antal");
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QString>("fejl");
    QTest::newRow("one line per node")
        << QStringList{"3Velkommen", "0Design og funktioner/Farver"} << 2
        << QStringList{"3:Velkommen", "0:Design og funktioner/Farver"} << QString();
    QTest::newRow("shorter than the tree")
        << QStringList{"3Velkommen"} << 3 << QStringList{"3:Velkommen", "-", "-"}
        << QString("Datafilen har kun 1 linjer, men strukturen har 3 emner: emne 2 og de "
                   "følgende har ingen side.");
    QTest::newRow("lines without a digit, one report")
        << QStringList{"Velkommen", "2Ok", "", "x"} << 4 << QStringList{"-", "2:Ok", "-", "-"}
        << QString("Linje 1 i datafilen begynder ikke med et ciffer: \"Velkommen\". Emnet har "
                   "ingen side.");
    QTest::newRow("longer than the tree")
        << QStringList{"1A", "1B"} << 1 << QStringList{"1:A"} << QString();
}

void TestStrukturfil::data()
{
    QFETCH(QStringList, linjer);
    QFETCH(int, antal);
    QFETCH(QStringList, data);
    QFETCH(QString, fejl);
    const Strukturfil::Data d = Strukturfil::fortolkData(linjer, antal);
    QStringList fundet;
    for (const auto &k : d.knuder)
        fundet.append(k ? QString::number(k->billede) + ':' + k->side : QString("-"));
    QCOMPARE(fundet, data);
    QCOMPARE(d.fejl, fejl);
}

void TestStrukturfil::sameTextIgnoresCaseOfAToZOnly_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("ens");
    QTest::newRow("kalender") << "Kalender"
                              << "kalender" << true;
    QTest::newRow("upper case") << "Ny alarm"
                                << "NY ALARM" << true;
    QTest::newRow("Danish letters keep their case") << "Ålborg"
                                                    << "ålborg" << false;
    QTest::newRow("Danish letters alike") << "Nedtællingsalarm"
                                          << "NEDTæLLINGSALARM" << true;
    QTest::newRow("prefix") << "Kalender"
                            << "Kalenderen" << false;
    QTest::newRow("empty") << ""
                           << "" << true;
}

void TestStrukturfil::sameTextIgnoresCaseOfAToZOnly()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, ens);
    QCOMPARE(Strukturfil::sammeTekst(a, b), ens);
}

QTEST_APPLESS_MAIN(TestStrukturfil)
#include "tst_strukturfil.moc"
