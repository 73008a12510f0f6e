#include "OddFiles.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "app/Klokkeven.h"
#include "app/Tmainform.h"
#include "info/Historik.h"
#include "info/TStruktur.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"
#include "platform/fake/FakePlatform.h"
#include "ui/Hints.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

namespace {

// A structure of a few pages in a data folder of its own, and the two windows on it.
struct Infovinduer
{
    explicit Infovinduer(const QString &strukturDir, const QString &optDir)
        : urlform(optDir + "/urlboks.txt", hints),
          infoform(strukturDir, optDir + "/information.txt", urlform, messages)
    {
        infoform.setAdresseAabner([this](const QUrl &url) { aabnet.append(url); });
    }

    QString side() const { return infoform.Web()->source().fileName(); }
    QStringList historik() const { return urlform.historik().sider(); }
    int urlIndex() const { return urlform.historik().urlIndex(); }

    RecordingMessages messages;
    Hints hints;
    Turlform urlform;
    Tinfoform infoform;
    QList<QUrl> aabnet;
};

const char *const kStruktur = "Velkommen\r\nKalender\r\n\tA\r\n\tB\r\n\t\tC\r\nD\r\nMangler\r\n";
const char *const kData = "3Velkommen\r\n8Kalender\r\n0A\r\n0B\r\n0C\r\n1D\r\n2Findes ikke\r\n";

// The centre of the n-th picture of the view's document, in viewport coordinates.
QPoint billedPunkt(QTextBrowser *web, int n)
{
    QTextDocument *doc = web->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat() && n-- == 0) {
                QTextCursor c(doc);
                c.setPosition(it.fragment().position());
                return web->cursorRect(c).center() + QPoint(8, 0);
            }
    return {};
}

// The middle of the first occurrence of a text in the view, in viewport coordinates.
QPoint tekstPunkt(QTextBrowser *web, const QString &tekst)
{
    const QTextCursor fundet = web->document()->find(tekst);
    QTextCursor c(web->document());
    c.setPosition(fundet.selectionStart() + int(tekst.size()) / 2);
    return web->cursorRect(c).center();
}

} // namespace

class TestInfoform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void layoutAndHints();
    void firstShowingOpensVelkommenThenTheRequestedPage();
    void goToInfo_data();
    void goToInfo();
    void missingStructureFolder();
    void treeReadAtTheFirstShowing();
    void historyInsertsAfterTheCurrentPage();
    void oneEntryDisablesTheHistoryActions();
    void treeClickEnterAndSpace();
    void expandAndCollapse();
    void nodesWithoutPageOpenNothing();
    void addressField();
    void linkUnderThePointer();
    void linksAndTheStatusBarAreReadByTheirText();
    void linksOpenInPlaceOrInTheBrowser();
    void search();
    void resultRows_data();
    void resultRows();
    void oddPages();
    void pageResources_data();
    void pageResources();
    void refusedPages_data();
    void refusedPages();
    void optionsFile();
    void urlListCleansDuplicates();
    void urlListEmptying();
    void urlListDoubleClickOpensWithoutRecording();
    void urlListTakesTheHintsWhenActive();
    void installedStructure();
    void theProgramOpensItsPages();

private:
    QString base() const { return m_tmp->path() + "/Struktur/Klokkeven"; }
    QString optDir() const { return m_tmp->path() + "/Egenskaber"; }
    void side(const QString &navn, const QByteArray &html)
    {
        QVERIFY(putFile(base() + "/tekstfiler/" + navn + ".html", html));
    }
    std::unique_ptr<Infovinduer> vinduer()
    {
        return std::make_unique<Infovinduer>(m_tmp->path() + "/Struktur", optDir());
    }

    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TestInfoform::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(putFile(base() + "/struktur.txt", kStruktur));
    QVERIFY(putFile(base() + "/data.txt", kData));
    QVERIFY(QDir().mkpath(optDir()));
    side("Velkommen", "<h1>Velkommen</h1><p>Her begynder det.</p>");
    side("Kalender",
         "<h1>Kalender</h1><p>Om en Alarm i kalenderen.</p>"
         "<p><a href=\"A.html\"><img src=\"../Billeder/knude0.png\" width=\"16\" height=\"16\"></a>"
         " Ren tekst <img src=\"../Billeder/knude1.png\" width=\"16\" height=\"16\"></p>"
         "<p><a href=\"B.html\" target=\"_blank\">Nyt vindue</a> og "
         "<a href=\"https://example.org/side?x=1\">Nettet</a></p>");
    for (const char *navn : {"A", "B", "C", "D"})
        side(navn, QByteArray("<h1>") + navn + "</h1><p>Flere alarmer.</p>");
    const QString billeder = KLOKKEVEN_SHARED_DIR "/Struktur/Klokkeven/Billeder/";
    for (const char *navn : {"knude0.png", "knude1.png"})
        QVERIFY(QFile::copy(billeder + navn, base() + "/Billeder/" + navn) ||
                (QDir().mkpath(base() + "/Billeder") &&
                 QFile::copy(billeder + navn, base() + "/Billeder/" + navn)));
}

void TestInfoform::layoutAndHints()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    QCOMPARE(f.minimumSize(), QSize(806, 500));
    QCOMPARE(f.windowTitle(), "Klokkeven.txt");
    QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.infoBog()->tabText(0), "Struktur");
    QCOMPARE(f.infoBog()->tabText(1), "Søg");
    QCOMPARE(f.expandKnap()->toolTip(), "Udfold struktur");
    QCOMPARE(f.collapseKnap()->toolTip(), "Sammenfold struktur");
    QCOMPARE(f.Afirst()->statusTip(), "Gå til første");
    QCOMPARE(f.Aback()->statusTip(), "Tilbage");
    QCOMPARE(f.Aforward()->statusTip(), "Frem");
    QCOMPARE(f.Alast()->statusTip(), "Gå til sidste");
    QCOMPARE(f.Ago()->statusTip(), "Opdater/Gå");
    QCOMPARE(f.urlListeKnap()->toolTip(), "Åben urllisten");
    QCOMPARE(f.aSearch()->statusTip(), "Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter");
    QCOMPARE(f.aSearch()->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(f.Mappe, base() + "/tekstfiler");
    QCOMPARE(f.Struktur()->Infomappe(), base() + "/tekstfiler/");
    QCOMPARE(f.Struktur()->Htmlmappe(), base() + "/tekstfiler/Design og funktioner/");
    QCOMPARE(f.Struktur()->Billedmappe(), base() + "/Billeder/");
    QVERIFY(f.Struktur()->DataOn());
    QCOMPARE(f.Struktur()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!f.isVisible());
    QCOMPARE(v->urlform.windowTitle(), "Urlboks");
    QCOMPARE(v->urlform.ArensDobbelt()->text(), "Rens liste");
    QCOMPARE(v->urlform.AsletAlle()->text(), "Slet liste");
    QCOMPARE(v->urlform.ArensDobbelt()->statusTip(), "Rens listen for dobbeltgængere");
    QCOMPARE(v->urlform.AsletAlle()->statusTip(), "Slet alle urls fra listen");
    QCOMPARE(v->urlform.lukKnap()->toolTip(), "Luk urlboksen");
    QCOMPARE(v->urlform.urlListe()->accessibleName(), "Besøgte sider");
    QVERIFY(v->messages.errors.isEmpty());
}

void TestInfoform::firstShowingOpensVelkommenThenTheRequestedPage()
{
    auto v = vinduer();
    QVERIFY(v->infoform.goToInfo("kalender"));
    QVERIFY(v->infoform.isVisible());
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "Kalender.html"}));
    QCOMPARE(v->side(), "Kalender.html");
    QCOMPARE(v->infoform.Struktur()->currentItem()->text(0), "Kalender");
    QCOMPARE(v->infoform.Edit()->text(), "Kalender.html");
    v->infoform.hide();
    v->infoform.show();
    QCOMPARE(v->historik().size(), 2);
}

void TestInfoform::goToInfo_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<bool>("fundet");
    QTest::addColumn<QString>("knude");
    QTest::newRow("lower case") << "kalender" << true << "Kalender";
    QTest::newRow("upper case") << "KALENDER" << true << "Kalender";
    QTest::newRow("empty opens the first node") << "" << true << "Velkommen";
    QTest::newRow("child node is expanded") << "b" << true << "B";
    QTest::newRow("unknown") << "Kalenderen" << false << "Velkommen";
}

void TestInfoform::goToInfo()
{
    QFETCH(QString, navn);
    QFETCH(bool, fundet);
    QFETCH(QString, knude);
    auto v = vinduer();
    v->infoform.show();
    QCOMPARE(v->infoform.goToInfo(navn), fundet);
    QTreeWidgetItem *valgt = v->infoform.Struktur()->currentItem();
    QCOMPARE(valgt->text(0), knude);
    QCOMPARE(v->side(), knude + ".html");
    QVERIFY(valgt->isExpanded() || !fundet);
}

void TestInfoform::missingStructureFolder()
{
    QVERIFY(QDir(m_tmp->path() + "/Struktur").removeRecursively());
    auto v = vinduer();
    QCOMPARE(v->infoform.Struktur()->topLevelItemCount(), 0);
    QVERIFY(!v->infoform.goToInfo("Klokkeven"));
    QVERIFY(!v->infoform.goToInfo(""));
    QVERIFY(v->historik().isEmpty());
    v->infoform.FindTekst("alarm");
    QCOMPARE(v->messages.informations, QStringList{"Filerne blev ikke fundet."});
    QVERIFY(v->messages.errors.isEmpty());
}

// Built at start, the window leaves the tree and its pictures unread until
// it is first shown: what the files hold then is what it shows.
void TestInfoform::treeReadAtTheFirstShowing()
{
    auto v = vinduer();
    QVERIFY(putFile(base() + "/struktur.txt", "Velkommen\r\nNyt\r\n"));
    QVERIFY(putFile(base() + "/data.txt", "3Velkommen\r\n0Nyt\r\n"));
    v->infoform.show();
    QCOMPARE(v->infoform.Struktur()->topLevelItemCount(), 2);
    QCOMPARE(v->infoform.Struktur()->topLevelItem(1)->text(0), "Nyt");
}

void TestInfoform::historyInsertsAfterTheCurrentPage()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    for (const char *navn : {"A", "B", "C"})
        QVERIFY(f.goToInfo(navn));
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "A.html", "B.html", "C.html"}));
    QVERIFY(f.Aback()->isEnabled() && f.Afirst()->isEnabled());
    QVERIFY(!f.Aforward()->isEnabled() && !f.Alast()->isEnabled());
    f.Aback()->trigger();
    f.Aback()->trigger();
    QCOMPARE(v->side(), "A.html");
    QCOMPARE(v->urlform.urlListe()->currentRow(), 1);
    QVERIFY(f.Aforward()->isEnabled() && f.Alast()->isEnabled());
    QVERIFY(f.goToInfo("D"));
    QCOMPARE(v->historik(),
             (QStringList{"Velkommen.html", "A.html", "D.html", "B.html", "C.html"}));
    QCOMPARE(v->urlIndex(), 2);
    QCOMPARE(v->urlform.urlListe()->currentRow(), 2);
    f.Alast()->trigger();
    QCOMPARE(v->side(), "C.html");
    QCOMPARE(f.Edit()->text(), "C.html");
    f.Afirst()->trigger();
    QCOMPARE(v->side(), "Velkommen.html");
    QVERIFY(!f.Aback()->isEnabled() && !f.Afirst()->isEnabled());
    f.Aforward()->trigger();
    QCOMPARE(v->side(), "A.html");
    QCOMPARE(v->historik().size(), 5);
}

void TestInfoform::oneEntryDisablesTheHistoryActions()
{
    auto v = vinduer();
    v->infoform.show();
    QCOMPARE(v->historik(), QStringList{"Velkommen.html"});
    for (QAction *a :
         {v->infoform.Afirst(), v->infoform.Aback(), v->infoform.Aforward(), v->infoform.Alast()})
        QVERIFY2(!a->isEnabled(), qPrintable(a->statusTip()));
}

void TestInfoform::treeClickEnterAndSpace()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    TStruktur *t = f.Struktur();
    QTreeWidgetItem *d = t->topLevelItem(2);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(d).center());
    QCOMPARE(v->side(), "D.html");
    t->setCurrentItem(t->topLevelItem(1));
    QTest::keyClick(t, Qt::Key_Return);
    QCOMPARE(v->side(), "Kalender.html");
    t->setCurrentItem(t->topLevelItem(0));
    QTest::keyClick(t, Qt::Key_Space);
    QCOMPARE(v->side(), "Velkommen.html");
    QCOMPARE(v->historik().size(), 4);
}

void TestInfoform::expandAndCollapse()
{
    auto v = vinduer();
    TStruktur *t = v->infoform.Struktur();
    QTreeWidgetItem *c = t->topLevelItem(1)->child(1)->child(0);
    v->infoform.expandKnap()->click();
    QVERIFY(t->topLevelItem(1)->isExpanded() && c->parent()->isExpanded());
    v->infoform.collapseKnap()->click();
    QVERIFY(!t->topLevelItem(1)->isExpanded() && !c->parent()->isExpanded());
}

void TestInfoform::nodesWithoutPageOpenNothing()
{
    QVERIFY(putFile(base() + "/data.txt", "3Velkommen\r\n8Kalender\r\n"));
    auto v = vinduer();
    // The faulty data file is reported when the tree is first read: at the
    // window's first showing, not at start.
    QVERIFY(v->messages.errors.isEmpty());
    QVERIFY(v->infoform.goToInfo("Kalender"));
    QCOMPARE(v->messages.errors.size(), 1);
    QVERIFY(v->infoform.goToInfo("A"));
    QCOMPARE(v->side(), "Kalender.html");
    QCOMPARE(TStruktur::billede(v->infoform.Struktur()->currentItem()), -1);
    // A node whose page is missing shows so and is not recorded.
    QVERIFY(putFile(base() + "/data.txt", kData));
    v->infoform.LoadStruktur();
    QVERIFY(v->historik().isEmpty());
    QVERIFY(v->infoform.goToInfo("Mangler"));
    QVERIFY(v->historik().isEmpty());
    QVERIFY(v->infoform.Web()->toPlainText().contains("findes ikke"));
}

void TestInfoform::addressField()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    f.show();
    f.Edit()->clear();
    QVERIFY(!f.Ago()->isEnabled());
    QTest::keyClicks(f.Edit(), "B.html");
    QVERIFY(f.Ago()->isEnabled());
    QTest::keyClick(f.Edit(), Qt::Key_Return);
    QCOMPARE(v->side(), "B.html");
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "B.html"}));

    f.Edit()->setText("klokke & ven #1");
    QTest::keyClick(f.Edit(), Qt::Key_Enter);
    QCOMPARE(v->aabnet.size(), 1);
    const QUrl soeg = v->aabnet.first();
    QCOMPARE(soeg.path(), "/search");
    QCOMPARE(soeg.query(QUrl::FullyEncoded), "q=klokke%20%26%20ven%20%231");
    QCOMPARE(v->historik().size(), 2);
    QCOMPARE(v->side(), "B.html");
    QCOMPARE(f.Edit()->text(), "klokke & ven #1");
}

void TestInfoform::linkUnderThePointer()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    QVERIFY(f.goToInfo("Kalender"));
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTextBrowser *web = f.Web();
    QTest::mouseMove(web->viewport(), billedPunkt(web, 0));
    QTRY_VERIFY(f.infobar()->text().endsWith("A.html"));
    QCOMPARE(f.globalUrl, f.infobar()->text());
    QTest::mouseMove(web->viewport(), billedPunkt(web, 1));
    QTRY_VERIFY(f.infobar()->text().isEmpty());
    QVERIFY(f.globalUrl.isEmpty());
    QTest::mouseMove(web->viewport(), tekstPunkt(web, "Nettet"));
    QTRY_COMPARE(f.infobar()->text(), "https://example.org/side?x=1");
    QTest::mouseMove(web->viewport(), tekstPunkt(web, "Ren tekst"));
    QTRY_VERIFY(f.infobar()->text().isEmpty());
}

void TestInfoform::linksAndTheStatusBarAreReadByTheirText()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    QVERIFY(f.goToInfo("Kalender"));
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTextBrowser *web = f.Web();
    web->setFocus();
    const auto navn = [](QObject *o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    };
    QCOMPARE(navn(web), QStringLiteral("Side"));
    // A link of a picture only is read by the page it leads to.
    QStringList laest;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(web, Qt::Key_Tab);
        laest << navn(web);
    }
    QCOMPARE(laest, (QStringList{"A", "Nyt vindue", "Nettet"}));
    web->moveCursor(QTextCursor::Start);
    QCOMPARE(navn(web), QStringLiteral("Side"));

    QTest::mouseMove(web->viewport(), tekstPunkt(web, "Nettet"));
    QTRY_COMPARE(navn(f.infobar()), QStringLiteral("https://example.org/side?x=1"));
}

void TestInfoform::linksOpenInPlaceOrInTheBrowser()
{
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    QVERIFY(f.goToInfo("Kalender"));
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTextBrowser *web = f.Web();
    QTest::mouseClick(web->viewport(), Qt::LeftButton, {}, tekstPunkt(web, "Nettet"));
    QCOMPARE(v->aabnet, QList<QUrl>{QUrl("https://example.org/side?x=1")});
    QCOMPARE(v->side(), "Kalender.html");
    QTest::mouseClick(web->viewport(), Qt::LeftButton, {}, tekstPunkt(web, "Nyt vindue"));
    QCOMPARE(v->side(), "B.html");
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "Kalender.html", "B.html"}));
    QVERIFY(f.isVisible());
}

void TestInfoform::search()
{
    side("Alarmside", "<p>En <b>Alarm</b>.</p>");
    QVERIFY(putFile(base() + "/tekstfiler/noter.txt", "alarm"));
    QVERIFY(putFile(base() + "/tekstfiler/Design og funktioner/Dyb.html", "alarm"));
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    f.show();
    QVERIFY(!f.aSearch()->isEnabled());
    f.FindTekst("");
    QCOMPARE(v->messages.informations, QStringList{"Der mangler en søgetekst."});
    QTest::keyClicks(f.EditFind(), "alarm");
    QVERIFY(f.aSearch()->isEnabled());
    QTest::keyClick(f.EditFind(), Qt::Key_Return);
    QStringList fundne;
    for (int i = 0; i < f.Findis()->count(); ++i)
        fundne.append(f.Findis()->item(i)->text());
    fundne.sort();
    QCOMPARE(fundne, (QStringList{"Alarmside", "Kalender", "noter"}));
    QCOMPARE(v->messages.informations.size(), 1);

    f.FindTekst("");
    QCOMPARE(f.Findis()->count(), 0);
    f.FindTekst("*");
    QCOMPARE(f.Findis()->count(), 0);
    f.FindTekst(QString(10000, 'x'));
    QCOMPARE(f.Findis()->count(), 0);

    f.FindTekst("Kalender");
    QCOMPARE(f.Findis()->count(), 1);
    QTest::mouseClick(f.Findis()->viewport(), Qt::LeftButton, {},
                      f.Findis()->visualItemRect(f.Findis()->item(0)).center());
    QCOMPARE(v->side(), "Kalender.html");
    f.FindTekst("alarm");
    for (int i = 0; i < f.Findis()->count(); ++i)
        if (f.Findis()->item(i)->text() == "noter")
            QTest::mouseClick(f.Findis()->viewport(), Qt::LeftButton, {},
                              f.Findis()->visualItemRect(f.Findis()->item(i)).center());
    QVERIFY(f.Web()->toPlainText().contains("noter.html"));
}

void TestInfoform::resultRows_data()
{
    QTest::addColumn<bool>("foersteStil");
    QTest::addColumn<QColor>("cirkel");
    QTest::newRow("first style") << true << QColor(192, 220, 192);
    QTest::newRow("other styles") << false << QColor(Qt::yellow);
}

void TestInfoform::resultRows()
{
    QFETCH(bool, foersteStil);
    QFETCH(QColor, cirkel);
    auto v = vinduer();
    Tinfoform &f = v->infoform;
    f.setFoersteStil([foersteStil] { return foersteStil; });
    f.show();
    f.infoBog()->setCurrentIndex(1);
    f.FindTekst("Kalender");
    f.Findis()->clearSelection();
    f.Findis()->setCurrentRow(-1);
    const QRect r = f.Findis()->visualItemRect(f.Findis()->item(0));
    QCOMPARE(r.height(), 20);
    const QImage billede = f.Findis()->viewport()->grab(r).toImage();
    QCOMPARE(QColor(billede.pixel(7, 9)), cirkel);
    QCOMPARE(QColor(billede.pixel(r.width() / 2, 19)), QColor(192, 192, 192));
    if (foersteStil)
        QCOMPARE(QColor(billede.pixel(r.width() - 2, 10)), QColor(Qt::white));
    bool sort = false;
    for (int x = 16; x < 60 && !sort; ++x)
        for (int y = 1; y < 19 && !sort; ++y)
            sort = QColor(billede.pixel(x, y)) == QColor(Qt::black);
    QVERIFY(sort);
}

void TestInfoform::oddPages()
{
    QByteArray stor = "<html><body>";
    while (stor.size() < 5 * 1024 * 1024)
        stor += "<p>Klokkeven viser tiden, og dette er en meget lang side.</p>\n";
    side("A", stor);
    side("B", "<html><body><p><b>Kalender <i>uden<table><tr><td>slut");
    side("C", QByteArray("\0\xff\xfe<\x01", 5));
    auto v = vinduer();
    for (const char *navn : {"A", "B", "C"})
        QVERIFY(v->infoform.goToInfo(navn));
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "A.html", "B.html", "C.html"}));
    v->infoform.FindTekst("kalender");
    QCOMPARE(v->infoform.Findis()->count(), 2);
}

void TestInfoform::pageResources_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loads");
    QTest::newRow("picture inside") << "inside" << true;
    QTest::newRow("fifo") << "fifo" << false;
    QTest::newRow("/dev/zero") << "device" << false;
    QTest::newRow("300 MB") << "300mb" << false;
    QTest::newRow("outside by ../") << "dotdot" << false;
    QTest::newRow("outside by file:///") << "absolute" << false;
    QTest::newRow("link leading outside") << "link" << false;
}

void TestInfoform::pageResources()
{
    QFETCH(QString, kind);
    QFETCH(bool, loads);
    QTemporaryDir udenfor;
    const QString picture = KLOKKEVEN_SHARED_DIR "/Struktur/Klokkeven/Billeder/knude0.png";
    const QString udenforBillede = udenfor.filePath("hemmelig.png");
    QVERIFY(QFile::copy(picture, udenforBillede));
    QString url = "res.png";
    const QString sti = base() + "/tekstfiler/res.png";
    if (kind == "inside") {
        QVERIFY(QFile::copy(picture, sti));
    } else if (kind == "fifo" || kind == "device") {
        QVERIFY(OddFiles::make(kind, sti));
    } else if (kind == "300mb") {
        QFile stor(sti);
        QVERIFY(stor.open(QIODevice::WriteOnly) && stor.resize(300LL * 1024 * 1024));
    } else if (kind == "dotdot") {
        url = QDir(base() + "/tekstfiler").relativeFilePath(udenforBillede);
        QVERIFY(url.startsWith("../"));
    } else if (kind == "absolute") {
        url = QUrl::fromLocalFile(udenforBillede).toString();
    } else {
        QVERIFY(QFile::link(udenforBillede, sti));
    }
    side("A", "<p>Billedet: <img src=\"" + url.toUtf8() + "\" width=\"16\" height=\"16\"></p>");
    auto v = vinduer();
    QVariant billede;
    QVERIFY(OddFiles::finishesUnaided(sti, [&] {
        QVERIFY(v->infoform.goToInfo("A"));
        const QUrl navn = v->infoform.Web()->source().resolved(QUrl(url));
        billede = v->infoform.Web()->document()->resource(QTextDocument::ImageResource, navn);
    }));
    QCOMPARE(v->side(), "A.html");
    QVERIFY(v->infoform.Web()->toPlainText().contains("Billedet"));
    // A refused picture is left out: a transparent point stands in its place.
    const QImage gotten = billede.value<QImage>();
    QVERIFY(!gotten.isNull());
    QCOMPARE(gotten.size() == QImage(picture).size(), loads);
}

void TestInfoform::refusedPages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("/dev/zero") << "device";
    QTest::newRow("300 MB") << "300mb";
    QTest::newRow("outside by ../ in data.txt") << "dotdot";
}

void TestInfoform::refusedPages()
{
    QFETCH(QString, kind);
    QTemporaryDir udenfor;
    QString navn = "Mal";
    const QString sti = base() + "/tekstfiler/Mal.html";
    if (kind == "fifo" || kind == "device") {
        QVERIFY(OddFiles::make(kind, sti));
    } else if (kind == "300mb") {
        QFile stor(sti);
        QVERIFY(stor.open(QIODevice::WriteOnly) && stor.write("<p>Stor</p>") > 0 &&
                stor.resize(300LL * 1024 * 1024));
    } else {
        QVERIFY(putFile(udenfor.filePath("Mal.html"), "<p>Hemmelig</p>"));
        navn = QDir(base() + "/tekstfiler").relativeFilePath(udenfor.filePath("Mal"));
    }
    QVERIFY(putFile(base() + "/data.txt", "3Velkommen\r\n0" + navn.toUtf8() + "\r\n"));
    auto v = vinduer();
    QVERIFY(OddFiles::finishesUnaided(sti, [&] { QVERIFY(v->infoform.goToInfo("Kalender")); }));
    const QString tekst = v->infoform.Web()->toPlainText();
    QVERIFY2(tekst.startsWith("Siden ") && tekst.endsWith(" findes ikke."), qPrintable(tekst));
    QVERIFY(!tekst.contains("Hemmelig"));
    QVERIFY(!v->historik().join(' ').contains("Mal"));
}

void TestInfoform::optionsFile()
{
    {
        auto v = vinduer();
        QCOMPARE(v->infoform.geometry(), QRect(8, 8, 810, 810));
        QCOMPARE(v->infoform.venstrePanelBredde(), 250);
        v->infoform.move(30, 40);
        v->infoform.resize(806, 560);
        v->infoform.gemOpt();
    }
    QCOMPARE(fileContents(optDir() + "/information.txt"),
             QByteArray("40\r\n30\r\n806\r\n560\r\n250\r\n"));
    QVERIFY(putFile(optDir() + "/information.txt", "40\r\n30\r\n806\r\n560\r\n320\r\n"));
    auto v = vinduer();
    // The window goes wholly onto the screen: on one narrower than 836 pixels
    // it moves left as far as it must.
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    const int x = qMax(skaerm.left(), qMin(30, skaerm.right() + 1 - qMin(806, skaerm.width())));
    QCOMPARE(v->infoform.geometry(), QRect(x, 40, 806, 560));
    QCOMPARE(v->infoform.venstrePanelBredde(), 320);
    v->infoform.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v->infoform));
    QCOMPARE(v->infoform.Struktur()->parentWidget()->parentWidget()->parentWidget()->width(), 320);
}

void TestInfoform::urlListCleansDuplicates()
{
    side("velkommen2", "");
    auto v = vinduer();
    Turlform &u = v->urlform;
    QVERIFY(!u.ArensDobbelt()->isEnabled() && !u.AsletAlle()->isEnabled());
    v->infoform.show();
    QVERIFY(!u.ArensDobbelt()->isEnabled() && u.AsletAlle()->isEnabled());
    for (const char *side : {"Kalender.html", "velkommen.html", "Kalender.html"})
        v->urlform.historik().optag(side);
    QCOMPARE(v->urlIndex(), 3);
    QVERIFY(u.ArensDobbelt()->isEnabled());
    u.ArensDobbelt()->trigger();
    QCOMPARE(v->historik(), (QStringList{"Velkommen.html", "Kalender.html"}));
    QCOMPARE(u.urlListe()->count(), 2);
    QCOMPARE(u.infoBar()->text(), "Der blev slettet 2 dobbeltgængere");
    QCOMPARE(v->urlIndex(), 1);
    QCOMPARE(u.urlListe()->currentRow(), 1);
    v->urlform.historik().optag("B.html");
    u.ArensDobbelt()->trigger();
    QCOMPARE(u.infoBar()->text(), "Der var ingen dobbeltgængere");
    QCOMPARE(v->historik().size(), 3);
}

void TestInfoform::urlListEmptying()
{
    auto v = vinduer();
    QVERIFY(v->infoform.goToInfo("A"));
    QVERIFY(v->infoform.goToInfo("B"));
    v->urlform.AsletAlle()->trigger();
    QCOMPARE(v->urlIndex(), -1);
    QCOMPARE(v->urlform.urlListe()->count(), 0);
    for (QAction *a : {v->infoform.Afirst(), v->infoform.Aback(), v->infoform.Aforward(),
                       v->infoform.Alast(), v->urlform.ArensDobbelt(), v->urlform.AsletAlle()})
        QVERIFY(!a->isEnabled());
    QVERIFY(v->infoform.goToInfo("C"));
    QCOMPARE(v->historik(), QStringList{"C.html"});
    QCOMPARE(v->urlIndex(), 0);
}

void TestInfoform::urlListDoubleClickOpensWithoutRecording()
{
    auto v = vinduer();
    QVERIFY(v->infoform.goToInfo("A"));
    QVERIFY(v->infoform.goToInfo("B"));
    QCOMPARE(v->urlIndex(), 2);
    v->urlform.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v->urlform));
    QListWidget *liste = v->urlform.urlListe();
    // A double click is a press, a release and a second press that the view sees as double.
    const QPoint punkt = liste->visualItemRect(liste->item(0)).center();
    QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    QCOMPARE(v->urlIndex(), 0);
    QCOMPARE(v->side(), "Velkommen.html");
    QCOMPARE(v->historik().size(), 3);
    QVERIFY(!v->infoform.Aback()->isEnabled());
    QVERIFY(!v->infoform.naviKlikket);
    v->urlform.lukKnap()->click();
    QVERIFY(!v->urlform.isVisible());
    QCOMPARE(fileContents(optDir() + "/urlboks.txt"),
             QByteArray::number(v->urlform.width()) + "\r\n" +
                 QByteArray::number(v->urlform.height()) + "\r\n");
    v->urlform.show();
    QCOMPARE(liste->count(), 3);
}

void TestInfoform::urlListTakesTheHintsWhenActive()
{
    auto v = vinduer();
    Q_EMIT v->hints.hint("Før");
    QVERIFY(v->urlform.infoBar()->text().isEmpty());
    v->urlform.show();
    v->urlform.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v->urlform));
    Q_EMIT v->hints.hint("Kort|Den lange tekst");
    QCOMPARE(v->urlform.infoBar()->text(), "Den lange tekst");
    v->infoform.show();
    v->infoform.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v->infoform));
    Q_EMIT v->hints.hint("Tilbage");
    QCOMPARE(v->urlform.infoBar()->text(), "Tilbage");
}

void TestInfoform::installedStructure()
{
    RecordingMessages messages;
    Hints hints;
    QTemporaryDir opt;
    Turlform urlform(opt.path() + "/urlboks.txt", hints);
    Tinfoform infoform(KLOKKEVEN_SHARED_DIR "/Struktur", opt.path() + "/information.txt", urlform,
                       messages);
    infoform.setAdresseAabner([](const QUrl &url) { QFAIL(qPrintable(url.toString())); });
    for (const char *navn : {"Velkommen", "Klokkeven", "Ny alarm", "Alarm oversigt",
                             "Nedtællingsalarm", "Design ur", "Kalender"}) {
        QVERIFY2(infoform.goToInfo(navn), navn);
        QCOMPARE(infoform.Struktur()->currentItem()->text(0), navn);
        QCOMPARE(urlform.historik().aktuel(), navn + QString(".html"));
        QVERIFY2(infoform.Web()->toPlainText().contains(QString(navn)), navn);
    }
    // Every node has a page, and every link of every page leads to a page or picture that exists.
    const QString infomappe = infoform.Struktur()->Infomappe();
    for (QTreeWidgetItem *knude : infoform.Struktur()->knuderITraeorden())
        QVERIFY2(QFile::exists(infomappe + TStruktur::sideNavn(knude) + ".html"),
                 qPrintable(knude->text(0)));
    static const QRegularExpression link("(?:href|src)=\"([^\"#]+)");
    QDirIterator sider(infoform.Mappe, {"*.html"}, QDir::Files);
    while (sider.hasNext()) {
        const QString sti = sider.next();
        const QString html = QString::fromUtf8(fileContents(sti));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString maal = it.next().captured(1);
            QVERIFY2(QFile::exists(infomappe + maal), qPrintable(sti + ": " + maal));
        }
    }
    infoform.FindTekst("nedtællingsalarm");
    QVERIFY(infoform.Findis()->count() >= 2);
    QVERIFY(messages.errors.isEmpty());
    QVERIFY(messages.informations.isEmpty());
}

void TestInfoform::theProgramOpensItsPages()
{
    FakePlatform platform;
    RecordingMessages messages;
    Klokkeven program(m_tmp->path() + "/Urmappe", KLOKKEVEN_SHARED_DIR, platform.services(),
                      messages);
    Tmainform *main = program.vinduer().mainform;
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    // The information window and its URL list are made when first asked for.
    QVERIFY(!program.vinduer().infoform && !program.vinduer().urlform);
    for (const QKeySequence &tast : {QKeySequence(Qt::Key_F1), QKeySequence("Ctrl+I")}) {
        if (Tinfoform *vist = program.vinduer().infoform)
            vist->hide();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keySequence(main, tast);
        Tinfoform *info = program.vinduer().infoform;
        QVERIFY(info && info->isVisible());
        QCOMPARE(info->Struktur()->currentItem()->text(0), "Klokkeven");
        QCOMPARE(info->Web()->source().fileName(), "Klokkeven.html");
    }
    // The first showing opened "Velkommen" before "Klokkeven".
    QCOMPARE(program.urlform()->historik().sider().first(), "Velkommen.html");
    Tinfoform *info = program.infoform();
    main->info("Design ur");
    QCOMPARE(info->Web()->source().fileName(), "Design ur.html");

    // The clock's own Ctrl+S ("Standard farver") works from every window; in this
    // window the key searches, also while there is nothing to search for.
    QAction *standardFarver = nullptr;
    for (QAction *a : main->actions())
        if (a->text() == "Standard farver")
            standardFarver = a;
    QVERIFY(standardFarver);
    QSignalSpy farver(standardFarver, &QAction::triggered);
    info->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    info->infoBog()->setCurrentIndex(1);
    QTest::keySequence(info->EditFind(), QKeySequence("Ctrl+S"));
    QCOMPARE(info->Findis()->count(), 0);
    info->EditFind()->setText("Nedtællingsalarm");
    for (QWidget *fokus :
         {static_cast<QWidget *>(info->EditFind()), static_cast<QWidget *>(info->Web())}) {
        info->Findis()->clear();
        fokus->setFocus();
        QTest::keySequence(fokus, QKeySequence("Ctrl+S"));
        QVERIFY(info->Findis()->count() >= 2);
    }
    QCOMPARE(farver.count(), 0);
    QVERIFY(messages.errors.isEmpty());
}

QTEST_MAIN(TestInfoform)
#include "tst_infoform.moc"
