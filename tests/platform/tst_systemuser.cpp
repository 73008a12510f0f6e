#include "platform/DataLocation.h"
#include "platform/UserName.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// The real platform's answers for who runs the program and where its data lies.
class TestSystemUser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loginNameIsTheLoggedOnUser();
    void dataFolderAndSeparator();
};

void TestSystemUser::loginNameIsTheLoggedOnUser()
{
    const std::optional<QString> name = SystemUserName().loginName();
    QVERIFY(name.has_value());
    QVERIFY(!name->isEmpty());
#ifdef Q_OS_WIN
    // The session names its user in the environment; the program asks the system.
    QCOMPARE(*name, qEnvironmentVariable("USERNAME"));
#else
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    QVERIFY(id.waitForFinished(5000));
    QCOMPARE(*name, QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed());
#endif
}

void TestSystemUser::dataFolderAndSeparator()
{
#ifdef Q_OS_WIN
    QCOMPARE(DataLocation::defaultProgramDir(), QStringLiteral("C:\\Urmappe"));
    QCOMPARE(DataLocation::separator(), QStringLiteral("\\"));
#else
    QCOMPARE(DataLocation::defaultProgramDir(), QDir::homePath() + QStringLiteral("/Urmappe"));
    QCOMPARE(DataLocation::separator(), QStringLiteral("/"));
#endif
}

QTEST_GUILESS_MAIN(TestSystemUser)
#include "tst_systemuser.moc"
