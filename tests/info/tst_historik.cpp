#include "info/Historik.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Tilstand
{
    bool foerste, tilbage, frem, sidste;
    bool operator==(const Tilstand &) const = default;
};

Tilstand tilstand(const Historik &h)
{
    return {h.kanFoerste(), h.kanTilbage(), h.kanFrem(), h.kanSidste()};
}

char *toString(const Tilstand &t)
{
    return qstrdup(QByteArray::number(t.foerste) + QByteArray::number(t.tilbage) +
                   QByteArray::number(t.frem) + QByteArray::number(t.sidste));
}

} // namespace

class TestHistorik : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsEmpty();
    void aPageOpenedAfterGoingBackFollowsTheCurrentOne();
    void enabledStates_data();
    void enabledStates();
    void cleaningDuplicates_data();
    void cleaningDuplicates();
    void statusTexts();
    void emptyingLeavesNoCurrentPage();
};

void TestHistorik::startsEmpty()
{
    Historik h;
    QCOMPARE(h.urlIndex(), -1);
    QCOMPARE(h.aktuel(), QString());
    QCOMPARE(tilstand(h), (Tilstand{false, false, false, false}));
}

void TestHistorik::aPageOpenedAfterGoingBackFollowsTheCurrentOne()
{
    Historik h;
    QSignalSpy aendret(&h, &Historik::aendret);
    for (const char *side : {"A", "B", "C"})
        h.optag(side);
    QCOMPARE(h.urlIndex(), 2);
    h.setUrlIndex(h.tilbage());
    h.setUrlIndex(h.tilbage());
    QCOMPARE(h.aktuel(), "A");
    h.optag("D");
    QCOMPARE(h.sider(), (QStringList{"A", "D", "B", "C"}));
    QCOMPARE(h.urlIndex(), 1);
    QCOMPARE(aendret.count(), 6);
    h.setUrlIndex(7);
    QCOMPARE(h.urlIndex(), 1);
}

void TestHistorik::enabledStates_data()
{
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("index");
    QTest::addColumn<Tilstand>("forventet");
    QTest::newRow("one entry") << 1 << 0 << Tilstand{false, false, false, false};
    QTest::newRow("two, at the first") << 2 << 0 << Tilstand{false, false, true, true};
    QTest::newRow("two, at the last") << 2 << 1 << Tilstand{true, true, false, false};
    QTest::newRow("three, in the middle") << 3 << 1 << Tilstand{true, true, true, true};
}

void TestHistorik::enabledStates()
{
    QFETCH(int, antal);
    QFETCH(int, index);
    QFETCH(Tilstand, forventet);
    Historik h;
    for (int i = 0; i < antal; ++i)
        h.optag(QString::number(i));
    h.setUrlIndex(index);
    QCOMPARE(tilstand(h), forventet);
    QCOMPARE(h.foerste(), 0);
    QCOMPARE(h.tilbage(), qMax(0, index - 1));
    QCOMPARE(h.frem(), qMin(antal - 1, index + 1));
    QCOMPARE(h.sidste(), antal - 1);
}

void TestHistorik::cleaningDuplicates_data()
{
    QTest::addColumn<QStringList>("sider");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("rensede");
    QTest::addColumn<int>("nytIndex");
    QTest::addColumn<int>("slettet");
    QTest::newRow("case-insensitive duplicates")
        << QStringList{"Velkommen.html", "Kalender.html", "velkommen.html", "Kalender.html"} << 3
        << QStringList{"Velkommen.html", "Kalender.html"} << 1 << 2;
    QTest::newRow("current page was a later duplicate")
        << QStringList{"A", "B", "a"} << 2 << QStringList{"A", "B"} << 0 << 1;
    QTest::newRow("none") << QStringList{"A", "B"} << 1 << QStringList{"A", "B"} << 1 << 0;
}

void TestHistorik::cleaningDuplicates()
{
    QFETCH(QStringList, sider);
    QFETCH(int, index);
    QFETCH(QStringList, rensede);
    QFETCH(int, nytIndex);
    QFETCH(int, slettet);
    Historik h;
    for (const QString &side : sider)
        h.optag(side);
    h.setUrlIndex(index);
    QCOMPARE(h.rensDobbelte(), slettet);
    QCOMPARE(h.sider(), rensede);
    QCOMPARE(h.urlIndex(), nytIndex);
}

void TestHistorik::statusTexts()
{
    QCOMPARE(Historik::rensStatus(0), "Der var ingen dobbeltgængere");
    QCOMPARE(Historik::rensStatus(1), "Der blev slettet 1 dobbeltgænger");
    QCOMPARE(Historik::rensStatus(2), "Der blev slettet 2 dobbeltgængere");
    QCOMPARE(Historik::rensStatus(12), "Der blev slettet 12 dobbeltgængere");
}

void TestHistorik::emptyingLeavesNoCurrentPage()
{
    Historik h;
    h.optag("A");
    h.optag("B");
    h.sletAlle();
    QCOMPARE(h.count(), 0);
    QCOMPARE(h.urlIndex(), -1);
    QCOMPARE(h.rensDobbelte(), 0);
    QCOMPARE(h.urlIndex(), -1);
    h.optag("C");
    QCOMPARE(h.urlIndex(), 0);
}

QTEST_APPLESS_MAIN(TestHistorik)
#include "tst_historik.moc"
