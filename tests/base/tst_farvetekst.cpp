#include "base/FarveTekst.h"

#include <QTest>

class TestFarveTekst : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedText_data();
    void typedText();
    void colourToText_data();
    void colourToText();
    void palette();
};

// What a typed text becomes in the field, and the colour the field stands for.
void TestFarveTekst::typedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<TColor>("colour");
    QTest::newRow("cleared") << ""
                             << "#" << clNone;
    QTest::newRow("blank in front") << " FF8000"
                                    << "#FF8000" << TColor(0x0080FF);
    QTest::newRow("no # and six digits") << "FF8000"
                                         << "FF8000" << clNone;
    QTest::newRow("seven digits, first skipped") << "1234567"
                                                 << "1234567" << TColor(0x674523);
    QTest::newRow("lower case") << "#ff8000"
                                << "#ff8000" << TColor(0x0080FF);
    QTest::newRow("see-through code") << "#0F0000"
                                      << "#0F0000" << clBtnFace;
    QTest::newRow("see-through code, lower case") << "#0f0000"
                                                  << "#0f0000" << clBtnFace;
    QTest::newRow("# among the digits") << "#12#456"
                                        << "#12#456" << clNone;
    QTest::newRow("six characters") << "#12345"
                                    << "#12345" << clNone;
    QTest::newRow("eight characters") << "#1234567"
                                      << "#1234567" << clNone;
    QTest::newRow("letters beyond F dropped") << "#GG12Z34x56"
                                              << "#123456" << TColor(0x563412);
    QTest::newRow("control character in front") << "\t00FF00"
                                                << "#00FF00" << TColor(0x00FF00);
    QTest::newRow("punctuation dropped") << "#C0-C0.C0"
                                         << "#C0C0C0" << clSilver;
    QTest::newRow("Danish letters dropped") << "#æøå000000"
                                            << "#000000" << clBlack;
    QTest::newRow("200 characters") << QString(200, u'A') << QString(200, u'A') << clNone;
    QTest::newRow("only the #") << "#"
                                << "#" << clNone;
}

void TestFarveTekst::typedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, cleaned);
    QFETCH(TColor, colour);
    QCOMPARE(Get16Tal(typed), cleaned);
    QCOMPARE(feltFarve(cleaned), colour);
    // Cleaning a clean text changes nothing: the field's second pass writes nothing.
    QCOMPARE(Get16Tal(cleaned), cleaned);
}

void TestFarveTekst::colourToText_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("medium grey") << TColor(0xA4A0A0) << "#A0A0A4";
    QTest::newRow("red") << TColor(0x0000FF) << "#FF0000";
    QTest::newRow("see-through") << clBtnFace << "#0F0000";
    QTest::newRow("upper-case digits") << TColor(0xABCDEF) << "#EFCDAB";
    QTest::newRow("black") << clBlack << "#000000";
}

void TestFarveTekst::colourToText()
{
    QFETCH(TColor, colour);
    QFETCH(QString, text);
    QCOMPARE(GetColor(colour), text);
    // A plain colour reads back as itself; the see-through colour through its code.
    QCOMPARE(feltFarve(text), colour);
    // Red 15 alone has no text of its own: it reads back as the see-through colour.
    QCOMPARE(feltFarve(GetColor(TColor(0x00000F))), clBtnFace);
    QCOMPARE(GetFarve(GetColor(TColor(0x00000F))), TColor(0x00000F));
}

void TestFarveTekst::palette()
{
    const QList<FarveFelt> kort = farvePalet(false);
    const QList<FarveFelt> lang = farvePalet(true);
    QCOMPARE(kort.size(), 16);
    QCOMPARE(lang.size(), 21);
    QCOMPARE(lang.mid(0, 16), kort);
    QStringList hints;
    QStringList tekster;
    for (const FarveFelt &felt : lang) {
        hints << felt.hint;
        tekster << GetColor(felt.farve);
    }
    QCOMPARE(hints,
             (QStringList{"Sort",        "Grå",       "Kastanje",   "Oliven",      "Grøn",
                          "Turkis",      "Mørk blå",  "Mørk lilla", "Hvid",        "Sølv grå",
                          "Rød",         "Gul",       "Lime",       "Cyan",        "Blå",
                          "Magenta",     "Pengegrøn", "Himmelblå",  "Flødefarvet", "Mellemgrå",
                          "Gennemsigtig"}));
    QCOMPARE(tekster, (QStringList{"#000000", "#808080", "#800000", "#808000", "#008000", "#008080",
                                   "#000080", "#800080", "#FFFFFF", "#C0C0C0", "#FF0000", "#FFFF00",
                                   "#00FF00", "#00FFFF", "#0000FF", "#FF00FF", "#C0DCC0", "#A6CAF0",
                                   "#FFFBF0", "#A0A0A4", "#0F0000"}));
    QCOMPARE(lang.last().farve, clBtnFace);
    for (const FarveFelt &felt : kort)
        QVERIFY(felt.farve != clBtnFace);
}

QTEST_GUILESS_MAIN(TestFarveTekst)
#include "tst_farvetekst.moc"
