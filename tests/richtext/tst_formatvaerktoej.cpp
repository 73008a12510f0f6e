#include "base/Indstillinger.h"
#include "richtext/FarveGitter.h"
#include "richtext/FontStoerrelser.h"
#include "richtext/FormatVaerktoej.h"
#include "richtext/RichTextEdit.h"
#include "richtext/TFontSizeComboBox.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The properties window in small: the alarm editor and the calendar editor on
// two tabs, each with its own tool set, sharing one set of options.
struct ToVaerktoejer
{
    ToVaerktoejer(int kalenderStoerrelse = 10)
    {
        indstillinger.fontSizeDocK = kalenderStoerrelse;
        for (auto [editor, valg, vaerktoej] :
             {std::tuple{&alarmMemoNy, FormatVaerktoej::alarmValg(), &alarm},
              std::tuple{&kTekst, FormatVaerktoej::kalenderValg(), &kalender}}) {
            auto *side = new QWidget;
            auto *layout = new QHBoxLayout(side);
            *editor = new RichTextEdit(side);
            *vaerktoej = new FormatVaerktoej(*editor, valg, side);
            (*vaerktoej)->hentIndstillinger(indstillinger);
            // As the properties window does: a kept standard font is part of the options.
            QObject::connect(*vaerktoej, &FormatVaerktoej::standardFontAendret,
                             [this, v = *vaerktoej] { v->gemIndstillinger(indstillinger); });
            layout->addWidget(*editor);
            layout->addWidget(*vaerktoej);
            faner.addTab(side, valg.infoKnap ? "Kalender" : "Ny alarm");
        }
        alarm->genvejeI(&faner);
        alarm->opsaet();
        kalender->opsaet();
    }
    static void skriv(RichTextEdit *e, const QString &tekst)
    {
        e->insertPlainText(tekst);
        e->selectAll();
    }

    Indstillinger indstillinger;
    QTabWidget faner;
    RichTextEdit *alarmMemoNy = nullptr;
    RichTextEdit *kTekst = nullptr;
    FormatVaerktoej *alarm = nullptr;
    FormatVaerktoej *kalender = nullptr;
};

QStringList poster(const QComboBox *box)
{
    QStringList p;
    for (int i = 0; i < box->count(); ++i)
        p.append(box->itemText(i));
    return p;
}

QString skalerbarFont()
{
    for (const QString &f : QFontDatabase::families())
        if (QFontDatabase::isScalable(f))
            return f;
    return {};
}

} // namespace

class TestFormatVaerktoej : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indsaetSorteretEnGang();
    void skalerbarFontGiverSeksten();
    void valgEfterGenopbygning();
    void overskriftOgTekst_data();
    void overskriftOgTekst();
    void caretIFremmedFarve();
    void hverTilSinEditor();
    void genvejeTilAlarmenOgsaaFraKalenderen();
    void gemStandardfont();
    void fontKnapUdenFont();
    void fontSkiftBeholderStoerrelse();
    void kommandoerOgMenuer();
    void markeringerFoelgerMarkeringen();
};

void TestFormatVaerktoej::indsaetSorteretEnGang()
{
    QStringList l;
    for (int s : {12, 8, 12, 10, 20, 8})
        FontStoerrelser::indsaet(l, s);
    QCOMPARE(l, (QStringList{"8", "10", "12", "20"}));
}

void TestFormatVaerktoej::skalerbarFontGiverSeksten()
{
    TFontSizeComboBox box;
    box.SetFontName(skalerbarFont());
    QCOMPARE(poster(&box), (QStringList{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22",
                                        "24", "26", "28", "36", "48", "72"}));
    box.SetFontName(QString());
    QCOMPARE(box.count(), 0);
    // A font that is not installed gets the sizes of the one drawn instead.
    box.SetFontName(QStringLiteral("Ingen Sådan Font"));
    QCOMPARE(box.count(), 16);
}

void TestFormatVaerktoej::valgEfterGenopbygning()
{
    TFontSizeComboBox box;
    QSignalSpy ny(&box, &TFontSizeComboBox::OnNyFontSize);
    box.SetFontName(skalerbarFont());
    QCOMPARE(box.currentIndex(), -1);
    box.setCurrentIndex(box.findText("11"));
    QCOMPARE(ny.size(), 1);
    QCOMPARE(ny.at(0).at(0).toInt(), 11);
    box.SetFontName(skalerbarFont());
    QCOMPARE(box.currentText(), "11");
    box.SetFontName(QString());
    box.SetFontName(skalerbarFont());
    QCOMPARE(box.currentIndex(), -1);
}

void TestFormatVaerktoej::overskriftOgTekst_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("overskrift");
    QTest::addColumn<int>("tekst");
    QTest::newRow("standard 10") << 10 << 12 << 10;
    // 15 and 13 are no sizes of the list: only the colour changes.
    QTest::newRow("standard 13") << 13 << 11 << 11;
}

void TestFormatVaerktoej::overskriftOgTekst()
{
    QFETCH(int, standard);
    QFETCH(int, overskrift);
    QFETCH(int, tekst);
    ToVaerktoejer v(standard);
    ToVaerktoejer::skriv(v.kTekst, "Overskrift");
    v.kTekst->setSelSize(11);
    v.kTekst->setSelBold(true);
    v.kalender->aOverskrift()->trigger();
    TextAttributes a = v.kTekst->selectionAttributes();
    QCOMPARE(a.size, overskrift);
    QCOMPARE(a.color, TColor::fromRgb(0, 0, 255));
    QVERIFY(a.bold);
    QCOMPARE(v.kalender->ColorGrid()->ForegroundIndex(), FarveGitter::kBlaa);
    v.kalender->aTekst()->trigger();
    a = v.kTekst->selectionAttributes();
    QCOMPARE(a.size, tekst);
    QCOMPARE(a.color, clBlack);
    QVERIFY(a.bold);
    QCOMPARE(v.kalender->ColorGrid()->ForegroundIndex(), FarveGitter::kSort);
    QVERIFY(v.alarmMemoNy->toPlainText().isEmpty());
}

void TestFormatVaerktoej::caretIFremmedFarve()
{
    ToVaerktoejer v;
    v.faner.setCurrentIndex(1);
    v.faner.show();
    ToVaerktoejer::skriv(v.kTekst, "abc def");
    const TColor fremmed = TColor::fromRgb(10, 20, 30);
    v.kTekst->setSelColor(fremmed);
    v.kTekst->moveCursor(QTextCursor::Start);
    v.kTekst->setModified(false);
    v.kTekst->setFocus();
    const QString foer = v.kTekst->toHtml();
    QTest::keyClick(v.kTekst, Qt::Key_Right);
    QTest::keyClick(v.kTekst, Qt::Key_Right);
    QTest::mouseClick(v.kTekst->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(v.kTekst->toHtml(), foer);
    QCOMPARE(v.kTekst->selectionAttributes().color, fremmed);
    QCOMPARE(v.kalender->ColorGrid()->ForegroundIndex(), -1);
    QCOMPARE(v.kalender->ColorGrid()->BackgroundIndex(), FarveGitter::kHvid);
    QVERIFY(!v.kTekst->isModified());
}

void TestFormatVaerktoej::hverTilSinEditor()
{
    ToVaerktoejer v;
    ToVaerktoejer::skriv(v.alarmMemoNy, "alarm");
    ToVaerktoejer::skriv(v.kTekst, "kalender");
    v.kalender->sizeKnap(14)->click();
    QCOMPARE(v.kTekst->selectionAttributes().size, 14);
    QCOMPARE(v.alarmMemoNy->selectionAttributes().size, 10);
    v.alarm->sizeKnap(12)->click();
    QCOMPARE(v.alarmMemoNy->selectionAttributes().size, 12);
    QCOMPARE(v.kTekst->selectionAttributes().size, 14);
    v.alarm->ColorGrid()->setForegroundIndex(9);
    Q_EMIT v.alarm->ColorGrid()->Change();
    QCOMPARE(v.alarmMemoNy->selectionAttributes().color, TColor::fromRgb(255, 0, 0));
    QVERIFY(v.kTekst->selectionAttributes().color != TColor::fromRgb(255, 0, 0));
    v.kalender->kommandoer().fed->trigger();
    QVERIFY(v.kTekst->selectionAttributes().bold);
    QVERIFY(!v.alarmMemoNy->selectionAttributes().bold);
    QVERIFY(v.kalender->kInfoKnap());
    QVERIFY(!v.alarm->kInfoKnap());
    QSignalSpy info(v.kalender, &FormatVaerktoej::infoOensket);
    v.kalender->kInfoKnap()->click();
    QCOMPARE(info.size(), 1);
}

void TestFormatVaerktoej::genvejeTilAlarmenOgsaaFraKalenderen()
{
    ToVaerktoejer v;
    QCOMPARE(v.alarm->aOverskrift()->shortcut(), QKeySequence("Ctrl+Alt+O"));
    QCOMPARE(v.alarm->aTekst()->shortcut(), QKeySequence("Ctrl+Alt+T"));
    QVERIFY(v.kalender->aOverskrift()->shortcut().isEmpty());
    QCOMPARE(v.alarm->aOverskrift()->toolTip(), "Sæt standard overskrift: Ctrl+Alt+O");
    QCOMPARE(v.kalender->aOverskrift()->toolTip(), "Sæt standard overskrift");
    ToVaerktoejer::skriv(v.alarmMemoNy, "alarm");
    ToVaerktoejer::skriv(v.kTekst, "kalender");
    v.faner.setCurrentIndex(1);
    v.faner.show();
    v.faner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v.faner));
    v.kTekst->setFocus();
    QTest::keyClick(v.kTekst, Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(v.alarmMemoNy->selectionAttributes().color, TColor::fromRgb(0, 0, 255));
    QCOMPARE(v.alarmMemoNy->selectionAttributes().size, 12);
    QVERIFY(v.kTekst->selectionAttributes().color != TColor::fromRgb(0, 0, 255));
    QTest::keyClick(v.kTekst, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(v.alarmMemoNy->selectionAttributes().color, clBlack);
}

void TestFormatVaerktoej::gemStandardfont()
{
    ToVaerktoejer v;
    const QString font = skalerbarFont();
    v.kalender->FontFelter(font);
    v.kalender->FontFelterSize(font, 12);
    v.kalender->sbGemFont()->click();
    QCOMPARE(v.indstillinger.fontNameDocK, font);
    QCOMPARE(v.indstillinger.fontSizeDocK, 12);
    QCOMPARE(v.indstillinger.fontNameDoc, "Courier New");
    QCOMPARE(v.indstillinger.fontSizeDoc, 10);
    // Nothing shown in the font list: nothing to keep.
    v.alarm->FontFelter(QStringLiteral("Ingen Sådan Font"));
    QCOMPARE(v.alarm->FontName()->currentIndex(), -1);
    v.alarm->sbGemFont()->click();
    QCOMPARE(v.indstillinger.fontNameDoc, "Courier New");
}

void TestFormatVaerktoej::fontKnapUdenFont()
{
    ToVaerktoejer v;
    ToVaerktoejer::skriv(v.kTekst, "tekst");
    const QString foer = v.kTekst->selectionAttributes().fontName;
    QToolButton *lucida = v.kalender->fontKnap(2);
    QCOMPARE(lucida->text(), "Lucida Calligraphy");
    QCOMPARE(lucida->font().family(), "Lucida Calligraphy");
    if (QFontDatabase::families().contains("Lucida Calligraphy"))
        QSKIP("Lucida Calligraphy is installed here");
    lucida->click();
    QCOMPARE(v.kTekst->selectionAttributes().fontName, foer);
}

void TestFormatVaerktoej::fontSkiftBeholderStoerrelse()
{
    ToVaerktoejer v;
    ToVaerktoejer::skriv(v.kTekst, "tekst");
    v.kalender->SetSize(11);
    const QString font = skalerbarFont();
    QComboBox *liste = v.kalender->FontName();
    liste->setCurrentIndex(liste->findText(font));
    Q_EMIT liste->activated(liste->currentIndex());
    QCOMPARE(v.kTekst->selectionAttributes().fontName, font);
    QCOMPARE(v.kTekst->selectionAttributes().size, 11);
    QCOMPARE(v.kalender->SizBox()->currentText(), "11");
    QCOMPARE(v.kalender->OldFontname(), font);
}

void TestFormatVaerktoej::kommandoerOgMenuer()
{
    ToVaerktoejer v;
    const FormatVaerktoej::Kommandoer &k = v.kalender->kommandoer();
    struct Forventet
    {
        QAction *a;
        const char *caption, *hint, *genvej;
    };
    for (const Forventet &f : std::initializer_list<Forventet>{
             {k.fed, "Fed skrift", "Anvend fed skrift: Ctrl+B", "Ctrl+B"},
             {k.kursiv, "Kursiv", "Anvend skråskrift: Ctrl+I", "Ctrl+I"},
             {k.understreg, "Understreg", "Anvend understregning: Ctrl+U", "Ctrl+U"},
             {k.overstreg, "Overstregning", "Anvend overstregning", ""},
             {k.prik, "Indsæt prik", "Indsæt prik på aktuelle linie", ""},
             {k.venstre, "Venstrestil tekst", "Venstrestil aktuelle tekst", ""},
             {k.hoejre, "Højrestil tekst", "Højrestil aktuelle tekst", ""},
             {k.centrer, "Centrer tekst", "Centrer aktuelle tekst", ""},
             {k.klip, "Klip", "Klip til klipbord: Ctrl+X", "Ctrl+X"},
             {k.kopier, "Kopier", "Kopier til klipbord: Ctrl+C", "Ctrl+C"},
             {k.indsaet, "Indsæt", "Indsæt fra klipbord: Ctrl+V", "Ctrl+V"},
             {k.markerAlt, "Marker alt", "Vælg alt: Ctrl+A", "Ctrl+A"},
             {k.annuller, "Annuller", "Annuller sidste aktion: Ctrl+Z", "Ctrl+Z"},
             {k.slet, "Slet", "Slet markerede tekst: Del", "Del"}}) {
        QCOMPARE(f.a->text(), QString::fromUtf8(f.caption));
        QCOMPARE(f.a->statusTip(), QString::fromUtf8(f.hint));
        QCOMPARE(f.a->shortcut(), QKeySequence(QString::fromLatin1(f.genvej)));
    }
    const QList<QAction *> menu = v.kalender->indsaetMenu()->actions();
    QCOMPARE(menu.size(), 11);
    QCOMPARE(menu.at(0)->menu()->actions(),
             (QList<QAction *>{k.fed, k.kursiv, k.understreg, k.overstreg, k.prik}));
    QCOMPARE(menu.at(1)->menu()->actions(), (QList<QAction *>{k.venstre, k.hoejre, k.centrer}));
    QVERIFY(menu.at(2)->isSeparator() && menu.at(4)->isSeparator() && menu.at(8)->isSeparator());
    QCOMPARE(menu.at(3), k.annuller);
    QCOMPARE(menu.at(9), k.markerAlt);
    const QList<QAction *> popup = v.kalender->popupMenu()->actions();
    QCOMPARE(popup.size(), 8);
    QCOMPARE(popup.at(0), k.annuller);
    QCOMPARE(popup.at(7), k.slet);
    // The commands of one set are not the other's.
    QVERIFY(v.alarm->kommandoer().fed != k.fed);
}

void TestFormatVaerktoej::markeringerFoelgerMarkeringen()
{
    ToVaerktoejer v;
    RichTextEdit *e = v.kTekst;
    e->insertPlainText("almindelig ");
    e->setSelBold(true);
    e->insertPlainText("fed");
    QVERIFY(v.kalender->kommandoer().fed->isChecked());
    e->moveCursor(QTextCursor::Start);
    e->moveCursor(QTextCursor::Right);
    QVERIFY(!v.kalender->kommandoer().fed->isChecked());
    v.kalender->kommandoer().centrer->trigger();
    QVERIFY(v.kalender->kommandoer().centrer->isChecked());
    QVERIFY(!v.kalender->kommandoer().venstre->isChecked());
    QCOMPARE(e->selectionAttributes().alignment, Qt::AlignHCenter);
}

QTEST_MAIN(TestFormatVaerktoej)
#include "tst_formatvaerktoej.moc"
