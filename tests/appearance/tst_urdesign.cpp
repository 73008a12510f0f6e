#include "HeltProgram.h"
#include "RecordingMessages.h"
#include "TestFiles.h"
#include "app/Klokkeven.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/FarveVaelger.h"
#include "appearance/OpNedFelt.h"
#include "appearance/Tgemhentform.h"
#include "appearance/UrDesigns.h"
#include "appearance/UrSide.h"
#include "base/FarveTekst.h"
#include "base/TextListFile.h"
#include "clock/TStopUr.h"
#include "clock/TUr.h"
#include "dialogs/TspmForm.h"
#include "platform/fake/FakePlatform.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A whole program on a temporary data folder, its main window shown.
class Program : public HeltProgram
{
public:
    explicit Program(bool vis = true)
    {
        start();
        side = form->urSide();
        chooser = program->vinduer().gemhentform;
        if (vis)
            program->show();
    }

    QString design(const QString &name) const { return optFile("GemHent/" + name); }

    UrSide *side = nullptr;
    Tgemhentform *chooser = nullptr;
};

// Acts on a modal window once it shows; the test goes on inside its loop.
void naarVist(QWidget *window, std::function<void()> act)
{
    auto *timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, window, [timer, window, act] {
        if (!window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(10);
}

// The look of the clock and its window, to compare two moments.
struct Look
{
    UrFarver farver;
    UrDimensioner dimensioner;
    QSize size;
    bool gennemsigtig;
    bool rundtUr;
    bool analog;
    QStringList felter;

    explicit Look(const Program &p)
        : farver(p.main->Ur().Farver()), dimensioner(p.main->Ur().Dimensioner()),
          size(p.main->size()), gennemsigtig(p.main->gennemsigtig()), rundtUr(p.main->rundtUr()),
          analog(!p.main->Ur().isHidden())
    {
        for (int nr = 1; nr <= UrSide::kAntalFarver; ++nr)
            felter << p.side->farveEdit(nr)->text();
    }
    bool operator==(const Look &) const = default;
};

QByteArray designBytes(const QStringList &lines)
{
    return lines.join("\r\n").toLatin1() + "\r\n";
}

const QStringList kNormalUr{"10",      "1",       "16",      "2",       "4",       "3",
                            "2",       "#0F0000", "#C0C0C0", "#FFFFFF", "#FFFFFF", "#000000",
                            "#909090", "#A0A0A0", "#C0C0C0", "30",      "40",      "200",
                            "200",     "1",       "1",       "1",       "200"};

} // namespace

class TestUrDesign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourAndDimensionPairs();
    void selectorPalette();
    void typedColourReachesTheClockAtOnce();
    void pickingFromTheSelector();
    void standardButtonsShowTheClock();
    void dimensionsWaitForGennemfoer();
    void predefinedDesigns_data();
    void predefinedDesigns();
    void menuAppliesTheDesignAndSelectsItsLine();
    void listDoubleClickAndEnter();
    void saveAndLoadRoundTrip();
    void digitalViewSavedLoadsDigital();
    void incompleteColourKeepsItsText();
    void filesOfAnotherLengthChangeNothing_data();
    void filesOfAnotherLengthChangeNothing();
    void textWhereANumberBelongsStopsThere();
    void placeAndSizeComeOnTheScreen();
    void startUpDesignButtons();
    void chooserLoads();
    void chooserSaves();
    void chooserRefusesNamesOutsideItsFolder_data();
    void chooserRefusesNamesOutsideItsFolder();
    void chooserListsOnlyDesignFiles();
    void chooserDeletes();
    void firstStartShowsDesignZeroAndCloseWritesSixFiles();
    void startUsesLookBeforeTheLastDesign();
    void damagedStartDesignKeepsTheAlarmsLoading();
};

void TestUrDesign::colourAndDimensionPairs()
{
    Program p(false);
    const QStringList farver{"Baggrundsfarve",  "Rammefarve",      "Mellemfarve",
                             "Skivefarve",      "Stregfarve",      "Timeviserfarve",
                             "Minutviserfarve", "Sekundviserfarve"};
    for (int nr = 1; nr <= 8; ++nr) {
        QCOMPARE(p.side->fLabel(nr)->text(), farver.at(nr - 1));
        QCOMPARE(p.side->farveEdit(nr)->text(), QStringLiteral("#000000"));
        QCOMPARE(p.side->farveBoks(nr)->Tools().size(), nr <= 4 ? 22 : 17);
        QCOMPARE(p.side->farveBoks(nr)->SelectedColor(), clBlack);
        QCOMPARE(p.side->farveBoks(nr)->accessibleName(), farver.at(nr - 1));
        QCOMPARE(p.side->farveEdit(nr)->accessibleName(), farver.at(nr - 1));
    }
    const QStringList dimensioner{"Rammebredde",       "Urafstand",        "Tegnbredde",
                                  "Tegntykkelse",      "Timeviser bredde", "Minutviser bredde",
                                  "Sekundviser bredde"};
    const QList<int> minima{0, 0, 0, 0, 1, 1, 1};
    const QList<int> positioner{10, 1, 12, 1, 5, 4, 3};
    for (int nr = 1; nr <= 7; ++nr) {
        QCOMPARE(p.side->dLabel(nr)->text(), dimensioner.at(nr - 1));
        OpNedFelt *felt = p.side->dUpDown(nr);
        QCOMPARE(felt->minimum(), minima.at(nr - 1));
        QCOMPARE(felt->maksimum(), 100);
        QCOMPARE(felt->position(), positioner.at(nr - 1));
        QCOMPARE(felt->edit()->accessibleName(), dimensioner.at(nr - 1));
    }
    QCOMPARE(p.side->dimensionKnap()->text(), QStringLiteral("Gennemfør"));
    QCOMPARE(p.side->dimensionKnap()->statusTip(), QStringLiteral("Realiser indførte værdier"));
    QStringList linjer;
    for (int i = 0; i < p.side->ListBox()->count(); ++i)
        linjer << p.side->ListBox()->item(i)->text();
    QCOMPARE(linjer, (QStringList{"Normal ur", "Gennemsigtigt ur", "Øjet", "Bananen", "Blomsten",
                                  "Luppen", "Solen", "Æblet"}));
}

void TestUrDesign::selectorPalette()
{
    FarveVaelger boks(true);
    FarveVaelger kort(false);
    QCOMPARE(boks.Tools().first().caption, QStringLiteral("Valgt farve"));
    QCOMPARE(boks.Tools().first().hint, QStringLiteral("Sidst valgte farve"));
    QCOMPARE(boks.toolButton(0)->toolTip(), QStringLiteral("Sidst valgte farve"));
    const QList<FarveFelt> palet = farvePalet(true);
    for (int i = 1; i < boks.Tools().size(); ++i) {
        QCOMPARE(boks.Tools().at(i).hint, palet.at(i - 1).hint);
        QCOMPARE(boks.Tools().at(i).BackGroundColor, palet.at(i - 1).farve);
        QVERIFY(boks.Tools().at(i).caption.isEmpty());
        QCOMPARE(boks.toolButton(i)->toolTip(), palet.at(i - 1).hint);
        QCOMPARE(boks.toolButton(i)->accessibleName(), palet.at(i - 1).hint);
    }
    QCOMPARE(boks.Tools().last().hint, QStringLiteral("Gennemsigtig"));
    QCOMPARE(kort.Tools().last().hint, QStringLiteral("Magenta"));

    // The button shows the selected colour.
    boks.SetSelectedColor(TColor(0x0080FF));
    const QImage knap = boks.icon().pixmap(boks.iconSize()).toImage();
    QCOMPARE(knap.pixelColor(knap.width() / 2, knap.height() / 2), QColor(0xFF, 0x80, 0x00));

    // A picked square closes the drop-down and tells its index.
    QSignalSpy valgt(&boks, &FarveVaelger::OnSelect);
    boks.palet()->popup(QPoint(10, 10));
    QTRY_VERIFY(boks.palet()->isVisible());
    boks.toolButton(11)->click();
    QCOMPARE(valgt.size(), 1);
    QCOMPARE(valgt.first().first().toInt(), 11);
    QVERIFY(!boks.palet()->isVisible());

    // A drop-down nobody has opened holds nothing yet; opening it fills it
    // before it takes its size.
    FarveVaelger ny(false);
    QVERIFY(ny.palet()->actions().isEmpty());
    ny.palet()->popup(QPoint(10, 10));
    QTRY_VERIFY(ny.palet()->isVisible());
    QCOMPARE(ny.palet()->actions().size(), 1);
    QVERIFY(ny.palet()->height() > 2 * ny.toolButton(16)->height());
    ny.palet()->close();
}

void TestUrDesign::typedColourReachesTheClockAtOnce()
{
    Program p;
    QLineEdit *felt = p.side->farveEdit(3);
    FarveVaelger *boks = p.side->farveBoks(3);
    felt->clear();
    QCOMPARE(felt->text(), QStringLiteral("#"));
    QTest::keyClicks(felt, "ff8000");
    QCOMPARE(felt->text(), QStringLiteral("#FF8000"));
    QCOMPARE(felt->cursorPosition(), 7);
    QCOMPARE(p.main->Ur().ColorIndre(), TColor(0x0080FF));
    QCOMPARE(boks->SelectedColor(), TColor(0x0080FF));
    QCOMPARE(boks->Tools().first().BackGroundColor, TColor(0x0080FF));

    // An incomplete text: the clock and the selector keep the last complete colour.
    QTest::keyClick(felt, Qt::Key_Backspace);
    QCOMPARE(felt->text(), QStringLiteral("#FF800"));
    QCOMPARE(p.main->Ur().ColorIndre(), TColor(0x0080FF));
    QCOMPARE(boks->SelectedColor(), TColor(0x0080FF));
    QTest::keyClicks(felt, "xz");
    QCOMPARE(felt->text(), QStringLiteral("#FF800"));

    felt->setText(QStringLiteral("#0f0000"));
    QCOMPARE(felt->text(), QStringLiteral("#0F0000"));
    QCOMPARE(p.main->Ur().ColorIndre(), clBtnFace);
}

void TestUrDesign::pickingFromTheSelector()
{
    Program p;
    FarveVaelger *boks = p.side->farveBoks(2);
    boks->toolButton(21)->click();
    QCOMPARE(p.side->farveEdit(2)->text(), QStringLiteral("#0F0000"));
    QCOMPARE(p.main->Ur().ColorYdre(), clBtnFace);
    QCOMPARE(boks->SelectedColor(), clBtnFace);
    boks->toolButton(11)->click();
    QCOMPARE(p.main->Ur().ColorYdre(), clRed);
    // "Valgt farve" writes the last chosen colour into the field again.
    p.side->farveEdit(2)->setText(QStringLiteral("#12"));
    boks->toolButton(0)->click();
    QCOMPARE(p.side->farveEdit(2)->text(), QStringLiteral("#FF0000"));
    QCOMPARE(p.main->Ur().ColorYdre(), clRed);
}

void TestUrDesign::standardButtonsShowTheClock()
{
    Program p;
    p.side->farveEdit(8)->setText(QStringLiteral("#123456"));
    p.main->handlinger().aStandardFarver->trigger();
    QCOMPARE(p.side->farveEdit(1)->text(), QStringLiteral("#0F0000"));
    QCOMPARE(p.side->farveEdit(8)->text(), QStringLiteral("#A0A0A4"));
    QCOMPARE(p.side->farveBoks(1)->SelectedColor(), clBtnFace);
    QCOMPARE(p.side->farveBoks(8)->SelectedColor(), TColor(0xA4A0A0));
    QCOMPARE(p.main->Ur().Farver(), UrFarver());
    QVERIFY(!p.side->colorVises());

    p.side->dUpDown(2)->setPosition(40);
    p.side->dimensionKnap()->click();
    p.main->handlinger().aStandardDim->trigger();
    QList<int> positioner;
    for (int nr = 1; nr <= 7; ++nr)
        positioner << p.side->dUpDown(nr)->position();
    QCOMPARE(positioner, (QList<int>{10, 1, 16, 2, 6, 4, 3}));
    QCOMPARE(p.main->Ur().Dimensioner(), UrDimensioner());
}

void TestUrDesign::dimensionsWaitForGennemfoer()
{
    Program p;
    const UrDimensioner foer = p.main->Ur().Dimensioner();
    QLineEdit *urAfstand = p.side->dUpDown(2)->edit();
    urAfstand->clear();
    QTest::keyClicks(urAfstand, "25");
    QCOMPARE(p.main->Ur().Dimensioner(), foer);
    // Letters cannot be typed; a number beyond the range applies as its end.
    QTest::keyClicks(p.side->dUpDown(1)->edit(), "ab");
    QCOMPARE(p.side->dUpDown(1)->edit()->text(), QStringLiteral("10"));
    p.side->dUpDown(3)->edit()->setText(QStringLiteral("150"));
    p.side->dUpDown(5)->edit()->clear();
    p.side->dimensionKnap()->click();
    const UrDimensioner efter = p.main->Ur().Dimensioner();
    QCOMPARE(efter.UrAfstand, 25);
    QCOMPARE(efter.TegnBredde, 100);
    QCOMPARE(efter.ViserTime, 1);
    QCOMPARE(efter.Mellemrum, foer.Mellemrum);
    QCOMPARE(efter.ViserSek, foer.ViserSek);
    // The fields show the positions applied, not what was typed.
    QCOMPARE(p.side->dUpDown(3)->edit()->text(), QStringLiteral("100"));
    QCOMPARE(p.side->dUpDown(5)->edit()->text(), QString::number(efter.ViserTime));
    QCOMPARE(p.side->dUpDown(2)->edit()->text(), QStringLiteral("25"));
    // The up-down steps within the range.
    p.side->dUpDown(2)->ned()->click();
    QCOMPARE(p.side->dUpDown(2)->position(), 24);
    p.side->dUpDown(3)->op()->click();
    QCOMPARE(p.side->dUpDown(3)->position(), 100);
}

void TestUrDesign::predefinedDesigns_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("digitalFirst");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("round");
    QTest::newRow("Normal ur from the digital view") << 0 << true << QSize(200, 200) << true;
    QTest::newRow("Gennemsigtigt ur") << 1 << false << QSize(200, 200) << true;
    QTest::newRow("Øjet") << 2 << false << QSize(300, 200) << false;
    QTest::newRow("Bananen") << 3 << true << QSize(200, 600) << false;
    QTest::newRow("Blomsten") << 4 << false << QSize(200, 200) << true;
    QTest::newRow("Luppen") << 5 << false << QSize(200, 200) << true;
    QTest::newRow("Solen") << 6 << false << QSize(200, 200) << true;
    QTest::newRow("Æblet") << 7 << false << QSize(200, 200) << true;
}

void TestUrDesign::predefinedDesigns()
{
    QFETCH(int, index);
    QFETCH(bool, digitalFirst);
    QFETCH(QSize, size);
    QFETCH(bool, round);
    Program p;
    p.main->SetTransparent(false);
    p.main->resize(380, 427);
    if (digitalFirst)
        p.main->setUrtype(true);
    for (int gang = 0; gang < 2; ++gang) {
        p.form->preDef(index);
        const PreDefDesign &d = preDefDesigns()[std::size_t(index)];
        const UrFarver farver = p.main->Ur().Farver();
        const QList<TColor> urFarver{farver.Baggrund, farver.Ydre,   farver.Indre,  farver.Skive,
                                     farver.Tegn,     farver.ViserT, farver.ViserM, farver.ViserS};
        for (int nr = 1; nr <= 8; ++nr) {
            QCOMPARE(p.side->farveEdit(nr)->text(), d.farver[std::size_t(nr - 1)]);
            QCOMPARE(urFarver.at(nr - 1), feltFarve(d.farver[std::size_t(nr - 1)]));
        }
        QCOMPARE(p.main->Ur().Dimensioner(), d.dimensioner);
        QCOMPARE(p.main->size(), size);
        QVERIFY(p.main->gennemsigtig());
        QVERIFY(p.main->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(p.main->rundtUr(), round);
        QVERIFY(!p.main->Ur().isHidden());
        QVERIFY(p.main->StopUr().isHidden());
        QCOMPARE(p.main->oldHeight(), size.height());
    }
    QCOMPARE(feltFarve(preDefDesigns()[0].farver[5]), TColor(0x909090));
    QCOMPARE(preDefDesigns()[1].dimensioner.Mellemrum, 0);
}

void TestUrDesign::menuAppliesTheDesignAndSelectsItsLine()
{
    Program p;
    QStringList menu;
    for (QAction *item : p.main->mUr())
        menu << item->text();
    QCOMPARE(menu, (QStringList{"Normalur", "Gennemsigtigt ur", "Øjet", "Bananen", "Blomsten",
                                "Luppen", "Solen", "Æblet"}));
    p.main->mUr().at(3)->trigger();
    QCOMPARE(p.main->size(), QSize(200, 600));
    QCOMPARE(p.side->ListBox()->currentRow(), 3);
    QCOMPARE(p.side->farveEdit(3)->text(), QStringLiteral("#FFFF00"));
    QVERIFY(!p.form->isVisible());
}

void TestUrDesign::listDoubleClickAndEnter()
{
    Program p;
    p.form->visSide(EgenskabsSide::Ur);
    QVERIFY(QTest::qWaitForWindowExposed(p.form));
    QListWidget *liste = p.side->ListBox();
    // Below the last line, with no line selected, nothing happens.
    liste->clearSelection();
    const QSize foer = p.main->size();
    const QPoint under(5, liste->viewport()->height() - 2);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, under);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, under);
    QCOMPARE(p.main->size(), foer);
    liste->setCurrentRow(2);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(p.main->size(), QSize(300, 200));
    const QPoint banan = liste->visualItemRect(liste->item(3)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, banan);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, banan);
    QCOMPARE(p.main->size(), QSize(200, 600));
}

void TestUrDesign::saveAndLoadRoundTrip()
{
    Program p;
    p.form->preDef(0);
    p.main->move(30, 40);
    const Look normal(p);
    const QString fil = p.design("normal.txt");
    QVERIFY(p.form->gemUrDesign(fil));
    QCOMPARE(TextListFile::read(fil), std::optional<QStringList>(kNormalUr));
    QCOMPARE(fileContents(fil), designBytes(kNormalUr));
    p.form->preDef(3);
    QVERIFY(!(Look(p) == normal));
    p.form->hentUrDesign(fil);
    QVERIFY(Look(p) == normal);
    QCOMPARE(p.main->pos(), QPoint(30, 40));
    QVERIFY(p.messages.errors.isEmpty());
}

void TestUrDesign::digitalViewSavedLoadsDigital()
{
    Program p;
    p.form->preDef(0);
    p.main->setUrtype(true);
    const QString fil = p.design("digital.txt");
    QVERIFY(p.form->gemUrDesign(fil));
    QCOMPARE(TextListFile::read(fil)->at(21), QStringLiteral("0"));
    p.form->preDef(2);
    p.form->hentUrDesign(fil);
    QVERIFY(p.main->Ur().isHidden());
    QVERIFY(!p.main->StopUr().isHidden());
    QCOMPARE(p.main->height(), 49);
    QCOMPARE(p.main->oldHeight(), 200);
    p.main->setUrtype(false);
    QCOMPARE(p.main->size(), QSize(200, 200));
}

void TestUrDesign::incompleteColourKeepsItsText()
{
    Program p;
    p.form->preDef(0);
    p.side->farveEdit(3)->setText(QStringLiteral("#12"));
    QCOMPARE(p.main->Ur().ColorIndre(), clWhite);
    const QString fil = p.design("halv.txt");
    QVERIFY(p.form->gemUrDesign(fil));
    QCOMPARE(TextListFile::read(fil)->at(9), QStringLiteral("#12"));
    p.form->preDef(4);
    p.form->hentUrDesign(fil);
    QCOMPARE(p.side->farveEdit(3)->text(), QStringLiteral("#12"));
    QCOMPARE(
        p.messages.errors,
        QStringList{QStringLiteral("\"#12\" er ikke en gyldig farve (linje 10 i %1).").arg(fil)});
    // The middle ring keeps the last complete colour it had.
    QCOMPARE(p.main->Ur().ColorIndre(), feltFarve(preDefDesigns()[4].farver[2]));
}

void TestUrDesign::filesOfAnotherLengthChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("22 lines") << designBytes(kNormalUr.mid(0, 22));
    QTest::newRow("24 lines") << designBytes(kNormalUr + QStringList{"7"});
    QTest::newRow("an extra empty line") << designBytes(kNormalUr) + "\r\n";
}

void TestUrDesign::filesOfAnotherLengthChangeNothing()
{
    QFETCH(QByteArray, bytes);
    Program p;
    p.form->preDef(3);
    const Look foer(p);
    const QString fil = p.design("kort.txt");
    QVERIFY(putFile(fil, bytes));
    p.form->hentUrDesign(fil);
    p.form->hentUrDesign(p.design("findes-ikke.txt"));
    QVERIFY(Look(p) == foer);
    QVERIFY(p.messages.errors.isEmpty());
    QVERIFY(p.messages.informations.isEmpty());
}

void TestUrDesign::textWhereANumberBelongsStopsThere()
{
    Program p;
    p.form->preDef(3);
    const QSize foer = p.main->size();
    QStringList lines = kNormalUr;
    lines[2] = QStringLiteral("seksten");
    lines[8] = QString(200, u'C');
    const QString fil = p.design("fejl.txt");
    QVERIFY(putFile(fil, designBytes(lines)));
    p.form->hentUrDesign(fil);
    // The colour lines come first; the bad one is named but does not stop the loading.
    QCOMPARE(p.messages.errors.size(), 2);
    QCOMPARE(p.messages.errors.first(),
             QStringLiteral("\"%1\" er ikke en gyldig farve (linje 9 i %2).")
                 .arg(QString(40, u'C'), fil));
    QVERIFY(p.messages.errors.last().contains(QStringLiteral("seksten")));
    QVERIFY(p.messages.errors.last().contains(QStringLiteral("linje 3")));
    // The colours and the up-downs before the line are applied; nothing after it.
    QCOMPARE(p.side->farveEdit(1)->text(), QStringLiteral("#0F0000"));
    QCOMPARE(p.side->farveEdit(6)->text(), QStringLiteral("#909090"));
    QCOMPARE(p.side->farveEdit(2)->text(), QString(200, u'C'));
    QCOMPARE(p.side->dUpDown(1)->position(), 10);
    QCOMPARE(p.main->Ur().Dimensioner(), preDefDesigns()[3].dimensioner);
    QCOMPARE(p.main->size(), foer);
}

void TestUrDesign::placeAndSizeComeOnTheScreen()
{
    Program p;
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    QStringList lines = kNormalUr;
    lines[15] = lines[16] = QStringLiteral("-90000");
    lines[17] = lines[18] = QStringLiteral("100000");
    lines[19] = lines[20] = QStringLiteral("0");
    const QString fil = p.design("stor.txt");
    QVERIFY(putFile(fil, designBytes(lines)));
    p.form->hentUrDesign(fil);
    QVERIFY(skaerm.intersects(p.main->frameGeometry()));
    QVERIFY(p.main->width() <= skaerm.width());
    QVERIFY(p.main->frameGeometry().left() >= skaerm.left());
    QVERIFY(p.main->frameGeometry().top() >= skaerm.top());

    p.form->preDef(0);
    lines[17] = lines[18] = QStringLiteral("0");
    QVERIFY(putFile(fil, designBytes(lines)));
    p.form->hentUrDesign(fil);
    QVERIFY(skaerm.intersects(p.main->frameGeometry()));
    QVERIFY(p.main->width() > 0 && p.main->height() > 0);
    QVERIFY(!p.main->gennemsigtig());
    QVERIFY(p.messages.errors.isEmpty());
}

void TestUrDesign::startUpDesignButtons()
{
    Program p;
    const QString look = p.optFile("look.txt");
    p.side->sletKnap()->click();
    QCOMPARE(p.messages.informations.last(), QStringLiteral("Filen blev ikke fundet."));
    p.side->gemKnap()->click();
    QCOMPARE(p.messages.informations.last(),
             QStringLiteral(" Programmet starter op med aktuelle ur-design, \r næste gang "
                            "programmet starter op. "));
    QCOMPARE(TextListFile::read(look)->size(), 23);
    p.side->sletKnap()->click();
    QCOMPARE(p.messages.informations.last(), QStringLiteral("Filen blev slettet."));
    QVERIFY(!QFile::exists(look));
    // A folder where the file should be: the save fails and says so.
    QVERIFY(QDir().mkpath(look));
    p.side->gemKnap()->click();
    QCOMPARE(p.messages.informations.last(), QStringLiteral(" Handlingen lykkedes ikke."));
}

void TestUrDesign::chooserLoads()
{
    Program p;
    p.form->preDef(0);
    QVERIFY(p.form->gemUrDesign(p.design("mit.txt")));
    p.form->preDef(2);
    naarVist(p.chooser, [&] {
        QCOMPARE(p.chooser->windowTitle(), QStringLiteral("Hent urdesign"));
        QCOMPARE(p.chooser->width(), 257);
        QVERIFY(p.chooser->hentKnap()->isVisible());
        QVERIFY(!p.chooser->gemKnap()->isVisible());
        QCOMPARE(p.chooser->filBox()->count(), 1);
        p.chooser->filBox()->setCurrentRow(0);
        QCOMPARE(p.chooser->filEdit()->text(), QStringLiteral("mit"));
        p.chooser->hentKnap()->click();
    });
    p.side->hentKnap()->click();
    QCOMPARE(p.main->size(), QSize(200, 200));
    QCOMPARE(p.side->farveEdit(6)->text(), QStringLiteral("#909090"));

    naarVist(p.chooser, [&] {
        p.chooser->filEdit()->setText(QStringLiteral("andet"));
        p.chooser->hentKnap()->click();
    });
    p.side->hentKnap()->click();
    QCOMPARE(p.messages.informations.last(), QStringLiteral("Filen blev ikke fundet."));
    naarVist(p.chooser, [&] {
        p.chooser->filEdit()->clear();
        p.chooser->hentKnap()->click();
    });
    p.side->hentKnap()->click();
    QCOMPARE(p.messages.informations.last(), QStringLiteral("Der mangler et filnavn."));
    // Annuller loads nothing.
    const int beskeder = int(p.messages.informations.size());
    naarVist(p.chooser, [&] {
        p.chooser->filEdit()->setText(QStringLiteral("mit"));
        p.chooser->annullerKnap()->click();
    });
    p.form->preDef(3);
    p.side->hentKnap()->click();
    QCOMPARE(p.main->size(), QSize(200, 600));
    QCOMPARE(p.messages.informations.size(), beskeder);
}

void TestUrDesign::chooserSaves()
{
    Program p;
    p.form->preDef(0);
    naarVist(p.chooser, [&] {
        QCOMPARE(p.chooser->windowTitle(), QStringLiteral("Gem urdesign"));
        QVERIFY(p.chooser->gemKnap()->isVisible());
        QVERIFY(!p.chooser->hentKnap()->isVisible());
        p.chooser->filEdit()->setText(QStringLiteral("abc.txt"));
        p.chooser->gemKnap()->click();
    });
    p.side->gemSomKnap()->click();
    QVERIFY(QFile::exists(p.design("abc.txt.txt")));
    QCOMPARE(TextListFile::read(p.design("abc.txt.txt"))->at(12), QStringLiteral("#909090"));

    // An existing name asks first: "Nej" saves nothing, "Ja" overwrites.
    TspmForm *spm = p.program->vinduer().spmForm;
    p.form->preDef(3);
    for (const bool ja : {false, true}) {
        naarVist(p.chooser, [&] {
            QCOMPARE(p.chooser->filBox()->count(), 1);
            QCOMPARE(p.chooser->filBox()->item(0)->text(), QStringLiteral("abc.txt"));
            p.chooser->filBox()->setCurrentRow(0);
            naarVist(spm, [&] { (ja ? spm->okButton() : spm->cancelButton())->click(); });
            p.chooser->gemKnap()->click();
        });
        p.side->gemSomKnap()->click();
        QCOMPARE(TextListFile::read(p.design("abc.txt.txt"))->at(12),
                 ja ? QStringLiteral("#00DD00") : QStringLiteral("#909090"));
    }
    QVERIFY(spm->info()->toPlainText().contains(QStringLiteral("abc.txt")));
}

void TestUrDesign::chooserRefusesNamesOutsideItsFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << "../../ud";
    QTest::newRow("backslash") << "..\\ud";
    QTest::newRow("colon") << "C:ud";
    QTest::newRow("two dots") << "..";
}

void TestUrDesign::chooserRefusesNamesOutsideItsFolder()
{
    QFETCH(QString, name);
    Program p;
    const QStringList foer = QDir(p.tmp.path() + "/Anna/Egenskaber").entryList();
    bool blevAaben = false;
    naarVist(p.chooser, [&] {
        p.chooser->filEdit()->setText(name);
        p.chooser->gemKnap()->click();
        blevAaben = p.chooser->isVisible();
        p.chooser->annullerKnap()->click();
    });
    p.side->gemSomKnap()->click();
    QVERIFY(blevAaben);
    QCOMPARE(p.messages.informations.size(), 1);
    QVERIFY(p.messages.informations.first().startsWith(QStringLiteral("Et designnavn")));
    QVERIFY(p.chooser->filnavn().isEmpty());
    QVERIFY(QDir(p.optFile("GemHent")).isEmpty());
    QCOMPARE(QDir(p.tmp.path() + "/Anna/Egenskaber").entryList(), foer);
    QCOMPARE(QDir(p.tmp.path()).entryList(QDir::Files), QStringList());
}

void TestUrDesign::chooserListsOnlyDesignFiles()
{
    Program p;
    QVERIFY(QDir().mkpath(p.design("x.txt")));
    QVERIFY(putFile(p.design("noter"), "x"));
    QVERIFY(putFile(p.design("billede.png"), "x"));
    for (int i = 0; i < 1000; ++i)
        QVERIFY(putFile(p.design(QStringLiteral("d%1.txt").arg(i)), "x"));
    p.chooser->setAktion(true);
    naarVist(p.chooser, [&] {
        QStringList navne;
        for (int i = 0; i < p.chooser->filBox()->count(); ++i)
            navne << p.chooser->filBox()->item(i)->text();
        QCOMPARE(navne.size(), 1000);
        QVERIFY(navne.contains(QStringLiteral("d999")));
        QVERIFY(!navne.contains(QStringLiteral("x")));
        p.chooser->reject();
    });
    QCOMPARE(p.chooser->exec(), int(QDialog::Rejected));
}

void TestUrDesign::chooserDeletes()
{
    Program p;
    QVERIFY(putFile(p.design("et.txt"), "x"));
    QVERIFY(putFile(p.design("to.txt"), "x"));
    naarVist(p.chooser, [&] {
        p.chooser->sletKnap()->click();
        QCOMPARE(p.messages.informations.last(),
                 QStringLiteral(" Der er ikke valgt design der skal slettes. "));
        p.chooser->filEdit()->setText(QStringLiteral("et"));
        p.chooser->sletKnap()->click();
        QCOMPARE(p.messages.informations.last(), QStringLiteral(" Filen blev slettet. "));
        QVERIFY(p.chooser->filEdit()->text().isEmpty());
        QCOMPARE(p.chooser->filBox()->count(), 1);
        p.chooser->filEdit()->setText(QStringLiteral("et"));
        p.chooser->sletKnap()->click();
        QCOMPARE(p.messages.informations.last(), QStringLiteral(" Filen blev ikke fundet. "));
        QVERIFY(p.chooser->isVisible());
        p.chooser->reject();
    });
    p.chooser->exec();
    QVERIFY(!QFile::exists(p.design("et.txt")));
    QVERIFY(QFile::exists(p.design("to.txt")));
}

void TestUrDesign::firstStartShowsDesignZeroAndCloseWritesSixFiles()
{
    Program p;
    QCOMPARE(p.main->size(), QSize(200, 200));
    QVERIFY(p.main->gennemsigtig());
    QVERIFY(p.main->rundtUr());
    QCOMPARE(p.side->farveEdit(7)->text(), QStringLiteral("#A0A0A0"));
    QCOMPARE(p.main->Ur().Dimensioner(), preDefDesigns()[0].dimensioner);
    p.main->move(12, 34);
    p.main->close();
    for (const char *navn : {"egenskaber.txt", "design.txt", "information.txt", "urlboks.txt",
                             "tekstform.txt", "alarmform.txt"})
        QVERIFY2(QFile::exists(p.optFile(QString::fromLatin1(navn))), navn);
    QStringList forventet = kNormalUr;
    forventet[15] = QStringLiteral("12");
    forventet[16] = QStringLiteral("34");
    QCOMPARE(TextListFile::read(p.optFile("egenskaber.txt")),
             std::optional<QStringList>(forventet));
}

void TestUrDesign::startUsesLookBeforeTheLastDesign()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    const QString opt = tmp.path() + "/Anna/Egenskaber/";
    QStringList banan = kNormalUr;
    banan[18] = banan[22] = QStringLiteral("600");
    banan[20] = QStringLiteral("0");
    QVERIFY(putFile(opt + "egenskaber.txt", designBytes(banan)));
    {
        Klokkeven program(tmp.path(), QString(), platform.services(), messages);
        program.show();
        QCOMPARE(program.vinduer().mainform->size(), QSize(200, 600));
        program.vinduer().egenskabsform->preDef(2);
        QVERIFY(program.vinduer().egenskabsform->gemUrDesign(opt + "look.txt"));
        program.close();
    }
    Klokkeven program(tmp.path(), QString(), platform.services(), messages);
    program.show();
    QCOMPARE(program.vinduer().mainform->size(), QSize(300, 200));
    QVERIFY(messages.errors.isEmpty());
}

void TestUrDesign::damagedStartDesignKeepsTheAlarmsLoading()
{
    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    QStringList lines = kNormalUr;
    lines[0] = QStringLiteral("ti");
    QVERIFY(putFile(tmp.path() + "/Anna/Egenskaber/look.txt", designBytes(lines)));
    Klokkeven program(tmp.path(), QString(), platform.services(), messages);
    QVERIFY(!program.vinduer().mainform->alarmTimer()->isActive());
    program.show();
    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(program.vinduer().mainform->alarmTimer()->isActive());
    QCOMPARE(program.vinduer().egenskabsform->urSide()->farveEdit(6)->text(),
             QStringLiteral("#909090"));
}

QTEST_MAIN(TestUrDesign)
#include "tst_urdesign.moc"
