#include "TestFiles.h"
#include "base/LydListe.h"
#include "platform/fake/FakeSoundPlayer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestLydListe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstEntryIsNoSound();
    void soundsFollowInListingOrder();
    void pathOfAnIndex_data();
    void pathOfAnIndex();
    void readsTheFolderAgain();
    void playAlarm_data();
    void playAlarm();

private:
    QString lydDir() const { return m_tmp->path() + QStringLiteral("/Alarmlydfiler"); }

    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TestLydListe::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(putFile(lydDir() + "/Klokkespil.wav", "RIFF"));
    QVERIFY(putFile(lydDir() + "/Zylo.WAV", "RIFF"));
    QVERIFY(putFile(lydDir() + "/noter.txt", "no sound"));
    QVERIFY(QDir().mkpath(lydDir() + "/mappe.wav"));
}

void TestLydListe::firstEntryIsNoSound()
{
    LydListe ingen(m_tmp->path() + "/findes ikke");
    ingen.hent();
    QCOMPARE(ingen.navne(), QStringList{"Ingen alarmlyd"});
    QCOMPARE(ingen.count(), 1);
}

void TestLydListe::soundsFollowInListingOrder()
{
    LydListe liste(lydDir());
    liste.hent();
    // The platform's order, unsorted; a folder named like a sound is no sound.
    QStringList forventet{"Ingen alarmlyd"};
    for (const QString &fil : QDir(lydDir()).entryList({"*.wav"}, QDir::Files, QDir::Unsorted))
        forventet.append(fil.chopped(4));
    QCOMPARE(liste.navne(), forventet);
    QCOMPARE(liste.count(), 3);
}

void TestLydListe::pathOfAnIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("harSti");
    QTest::newRow("no sound") << 0 << false;
    QTest::newRow("first sound") << 1 << true;
    QTest::newRow("last sound") << 2 << true;
    QTest::newRow("past the end") << 3 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestLydListe::pathOfAnIndex()
{
    QFETCH(int, index);
    QFETCH(bool, harSti);
    LydListe liste(lydDir());
    liste.hent();
    const QString sti = liste.sti(index);
    QCOMPARE(!sti.isEmpty(), harSti);
    if (harSti)
        QCOMPARE(sti, lydDir() + "/" + liste.navne().at(index) +
                          (liste.navne().at(index) == "Zylo" ? ".WAV" : ".wav"));
}

void TestLydListe::readsTheFolderAgain()
{
    LydListe liste(lydDir());
    liste.hent();
    QVERIFY(putFile(lydDir() + "/Melodi.wav", "RIFF"));
    QCOMPARE(liste.count(), 3);
    liste.hent();
    QCOMPARE(liste.count(), 4);
    QVERIFY(liste.navne().contains("Melodi"));
}

void TestLydListe::playAlarm_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("antal");
    QTest::addColumn<bool>("test");
    QTest::addColumn<int>("gange"); // -1: nothing plays
    QTest::newRow("three times") << 1 << 3 << false << 3;
    QTest::newRow("zero counts as once") << 1 << 0 << false << 1;
    QTest::newRow("a test is heard once") << 1 << 5 << true << 1;
    QTest::newRow("no sound") << 0 << 3 << false << -1;
    QTest::newRow("beyond the list") << 7 << 3 << false << -1;
}

void TestLydListe::playAlarm()
{
    QFETCH(int, index);
    QFETCH(int, antal);
    QFETCH(bool, test);
    QFETCH(int, gange);
    LydListe liste(lydDir());
    liste.hent();
    FakeSoundPlayer player;
    liste.playAlarm(player, index, antal, test);
    if (gange < 0) {
        QVERIFY(player.plays.isEmpty());
        return;
    }
    QCOMPARE(player.plays, (QList<FakeSoundPlayer::Play>{{liste.sti(index), gange, false}}));
}

QTEST_GUILESS_MAIN(TestLydListe)
#include "tst_lydliste.moc"
