#include "dialogs/Tinfform.h"
#include "dialogs/TspmForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preparedQuestions_data();
    void preparedQuestions();
    void answers_data();
    void answers();
    void infformShowsAndResets();
    void longerNoticeMakesATallerWindow();
    void infformIsPlacedOnTheActiveWindowOnlyOnce();
};

void TestDialogs::preparedQuestions_data()
{
    QTest::addColumn<QString>("fName");
    QTest::addColumn<int>("spmType");
    QTest::addColumn<QString>("text");
    QTest::newRow("design")
        << "C:\\Urmappe\\Anna\\Egenskaber\\GemHent\\Iceberg.txt" << 0
        << "\nUr-designet Iceberg\neksisterer allerede.\nSkal filen overskrives?";
    QTest::newRow("document") << "/home/anna/Urmappe/Anna/Kalender/10-12-2026/Blå.txt" << 1
                              << "\nFilen Blå\neksisterer allerede.\nSkal filen overskrives?";
    QTest::newRow("two extensions") << "Møde.rtf.txt" << 1
                                    << "\nFilen Møde.rtf\neksisterer allerede.\nSkal filen "
                                       "overskrives?";
    QTest::newRow("unsaved text") << "" << 2
                                  << "\nDer er skrevet en tekst,\nder ikke er gemt.\nSkal der "
                                     "startes en ny alligevel?";
    QTest::newRow("unknown kind") << "x.txt" << 5 << "";
}

void TestDialogs::preparedQuestions()
{
    QFETCH(QString, fName);
    QFETCH(int, spmType);
    QFETCH(QString, text);
    TspmForm form;
    form.info()->setPlainText(QStringLiteral("an earlier question"));
    form.setSpm(fName, TspmForm::SpmType(spmType));
    QCOMPARE(form.info()->toPlainText(), text);
}

void TestDialogs::answers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Ja") << "ja" << 1;
    QTest::newRow("Nej") << "nej" << 2;
    QTest::newRow("close box") << "close" << 2;
    QTest::newRow("Escape") << "escape" << 2;
}

void TestDialogs::answers()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    TspmForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Spørgsmål"));
    form.setSpm(QString(), TspmForm::SpmType(5));
    QTimer::singleShot(0, &form, [&] {
        if (how == "ja")
            QTest::mouseClick(form.okButton(), Qt::LeftButton);
        else if (how == "nej")
            QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
        else if (how == "close")
            form.close();
        else
            QTest::keyClick(&form, Qt::Key_Escape);
    });
    QCOMPARE(form.exec(), result);
}

void TestDialogs::infformShowsAndResets()
{
    Tinfform form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Information"));
    QCOMPARE(form.Label1()->font().pointSize(), 8);
    form.insertTekst(QStringLiteral("Programmet er indført som StartUp-program."));
    QTimer::singleShot(0, &form, [&] {
        QCOMPARE(form.Label1()->font().pointSize(), 10);
        QCOMPARE(form.Label1()->text(),
                 QStringLiteral("Programmet er indført som StartUp-program."));
        QTest::mouseClick(form.BitBtn1(), Qt::LeftButton);
    });
    QCOMPARE(form.exec(), 1);
    QVERIFY(form.Label1()->text().isEmpty());
    QCOMPARE(form.Label1()->font().pointSize(), 8);
}

void TestDialogs::longerNoticeMakesATallerWindow()
{
    Tinfform form;
    int labelHeight = 0;
    auto heightFor = [&](const QString &text) {
        form.insertTekst(text);
        int shownHeight = 0;
        QTimer::singleShot(0, &form, [&] {
            shownHeight = form.frameGeometry().height();
            labelHeight = form.Label1()->heightForWidth(form.width());
            form.close();
        });
        form.exec();
        return shownHeight;
    };
    const int oneLine = heightFor(QStringLiteral("En linje."));
    QCOMPARE(oneLine, labelHeight + 80);
    const int threeLines = heightFor(QStringLiteral("Første linje.\rAnden linje.\rTredje linje."));
    QCOMPARE(threeLines, labelHeight + 80);
    QVERIFY2(threeLines > oneLine,
             qPrintable(QStringLiteral("%1 %2").arg(threeLines).arg(oneLine)));
    QVERIFY(form.width() >= 323 && form.width() <= 333);
}

void TestDialogs::infformIsPlacedOnTheActiveWindowOnlyOnce()
{
    QWidget main;
    main.setGeometry(200, 150, 300, 200);
    auto *field = new QPlainTextEdit(&main);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    field->setFocus();

    Tinfform form;
    form.move(0, 0);
    QPoint firstPlace;
    QTimer::singleShot(0, &form, [&] {
        firstPlace = form.pos();
        form.move(20, 30);
        // Moved by the user through the window manager, not by the program.
        form.setAttribute(Qt::WA_Moved, false);
        form.close();
    });
    form.exec();
    QCOMPARE(firstPlace, main.frameGeometry().topLeft());
    QVERIFY(!form.opstart());

    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QPoint secondPlace;
    QTimer::singleShot(0, &form, [&] {
        secondPlace = form.pos();
        form.close();
    });
    form.exec();
    QCOMPARE(secondPlace, QPoint(20, 30));

    // Without a focused control the window still stays where it was.
    field->clearFocus();
    QPoint thirdPlace;
    QTimer::singleShot(0, &form, [&] {
        thirdPlace = form.pos();
        form.close();
    });
    form.exec();
    QCOMPARE(thirdPlace, QPoint(20, 30));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
