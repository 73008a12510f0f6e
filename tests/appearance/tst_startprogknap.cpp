#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "appearance/EgenskaberSide.h"
#include "base/TextListFile.h"
#include "launcher/OpstartGenvej.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The whole program on a temporary data folder and home, with an options
// file whose line 22 names `startProgFilename`, and the installation's
// shortcut script in its structure folder.
class Program : public HeltProgram
{
public:
    explicit Program(const QString &startProgFilename = QString())
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.filePath("config")));
        if (!startProgFilename.isNull()) {
            Indstillinger i;
            i.startProgFilename = startProgFilename;
            putFile(designPath(), Indstillingsfil::linjer(i).join("\r\n").toLatin1() + "\r\n");
        }
        QDir().mkpath(tmp.filePath("Struktur"));
        QFile::copy(QStringLiteral(KLOKKEVEN_SHARED_DIR "/Struktur/createShortcut.sh"),
                    tmp.filePath("Struktur/createShortcut.sh"));
        start();
        knap = form->egenskaberSide()->startProgDoButton();
    }

    QString designPath() const { return optFile("design.txt"); }
    QString installeret() const { return tmp.filePath("config/autostart/urProgram.desktop"); }

    QPushButton *knap = nullptr;
};

class TestStartProgKnap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionAtStart_data();
    void captionAtStart();
    void buttonHasItsHint();
    void pressInstallsAndTheOptionsFileRemembersIt();
};

void TestStartProgKnap::captionAtStart_data()
{
    QTest::addColumn<bool>("findes");
    QTest::addColumn<QString>("caption");
    QTest::newRow("stored shortcut exists") << true << "Fjern";
    QTest::newRow("stored shortcut deleted by hand") << false << "Udfør";
}

void TestStartProgKnap::captionAtStart()
{
    QFETCH(bool, findes);
    QFETCH(QString, caption);
    QTemporaryDir andet;
    const QString genvej = andet.filePath("autostart/urProgram.desktop");
    if (findes)
        QVERIFY(putFile(genvej, "[Desktop Entry]\n"));
    Program p(genvej);
    QCOMPARE(p.knap->text(), caption);
    QCOMPARE(p.form->opstartGenvej()->startProgFilename(), genvej);
}

void TestStartProgKnap::buttonHasItsHint()
{
    Program p;
    QCOMPARE(p.knap->text(), QStringLiteral("Udfør"));
    QCOMPARE(p.knap->statusTip(),
             QStringLiteral("Tilføj eller fjern programmet som startop-program"));
}

void TestStartProgKnap::pressInstallsAndTheOptionsFileRemembersIt()
{
    Program p;
    p.form->show();
    QPushButton *gem = p.form->egenskaberSide()->gemButton();
    QVERIFY(!gem->isEnabled());
    QTest::mouseClick(p.knap, Qt::LeftButton);
    QVERIFY(gem->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(p.knap->text(), QStringLiteral("Fjern"), 12000);
    QCOMPARE(p.messages.notices.last(),
             QStringLiteral("Programmet er indført som StartUp-program."));
    QVERIFY(QFileInfo::exists(p.installeret()));

    QTest::mouseClick(gem, Qt::LeftButton);
    QVERIFY(!gem->isEnabled());
    const QStringList linjer = TextListFile::read(p.designPath()).value_or(QStringList());
    QCOMPARE(linjer.size(), 22);
    QCOMPARE(linjer.last(), p.installeret());
}

QTEST_MAIN(TestStartProgKnap)
#include "tst_startprogknap.moc"
