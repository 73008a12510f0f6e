#include "richtext/FormatVaerktoej.h"

#include "richtext/FarveGitter.h"
#include "richtext/RichTextEdit.h"
#include "richtext/TFontSizeComboBox.h"
#include "ui/EgneGenveje.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/Skrifter.h"
#include "ui/TegnetIkon.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<int, 4> kSizeKnapper = {10, 11, 12, 14};
const std::array<QString, 3> kFontKnapper = {
    QStringLiteral("Courier New"), QStringLiteral("Lucida Calligraphy"), QStringLiteral("Arial")};

// A 16 x 16 picture of a letter in the style its command gives, painted when
// first shown: each style loads a font of its own.
QIcon bogstav(const QString &tegn, const std::function<void(QFont &)> &stil)
{
    return tegnetIkon([tegn, stil] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(14);
        stil(font);
        p.setFont(font);
        p.drawText(pixmap.rect(), Qt::AlignCenter, tegn);
        return pixmap;
    });
}

// A 16 x 16 picture of four text lines set as the alignment gives.
QIcon linjer(Qt::Alignment placering)
{
    return tegnetIkon([placering] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        for (int i = 0; i < 4; ++i) {
            const int bredde = i % 2 ? 8 : 14;
            const int x = placering == Qt::AlignLeft    ? 1
                          : placering == Qt::AlignRight ? 15 - bredde
                                                        : (16 - bredde) / 2;
            p.fillRect(x, 2 + i * 4, bredde, 2, Qt::black);
        }
        return pixmap;
    });
}

} // namespace

FormatVaerktoej::Valg FormatVaerktoej::alarmValg()
{
    return {&Indstillinger::fontNameDoc,
            &Indstillinger::fontSizeDoc,
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O),
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T),
            QStringLiteral("Sæt standard overskrift: Ctrl+Alt+O"),
            QStringLiteral("Sæt standard tekst: Ctrl+Alt+T"),
            true,
            false};
}

FormatVaerktoej::Valg FormatVaerktoej::kalenderValg()
{
    return {&Indstillinger::fontNameDocK,
            &Indstillinger::fontSizeDocK,
            {},
            {},
            QStringLiteral("Sæt standard overskrift"),
            QStringLiteral("Sæt standard tekst"),
            false,
            true};
}

FormatVaerktoej::FormatVaerktoej(RichTextEdit *editor, const Valg &valg, QWidget *parent)
    : QWidget(parent), m_editor(editor), m_valg(valg),
      m_standardFont(Indstillinger().*valg.fontNavn),
      m_standardStoerrelse(Indstillinger().*valg.fontStoerrelse)
{
    m_FontName = new QComboBox(this);
    m_FontName->setAccessibleName(QStringLiteral("Font"));
    m_FontName->setEditable(false);
    GetFontNames(m_FontName);
    m_SizBox = new TFontSizeComboBox(this);
    m_ColorGrid = new FarveGitter(this);

    auto *knapper = new QGridLayout;
    knapper->setSpacing(2);
    for (int i = 0; i < int(kSizeKnapper.size()); ++i) {
        const QString tal = QString::number(kSizeKnapper[i]);
        QToolButton *b = nyKnap<QToolButton>(tal, QStringLiteral("Fontstørrelse ") + tal, this);
        connect(b, &QToolButton::clicked, this, [this, i] { SetSize(kSizeKnapper[i]); });
        m_sizeKnapper.append(b);
        knapper->addWidget(b, 0, i);
    }
    for (int i = 0; i < int(kFontKnapper.size()); ++i) {
        QToolButton *b = nyKnap<QToolButton>(kFontKnapper[i], kFontKnapper[i], this);
        b->setFont(QFont(kFontKnapper[i]));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, [this, i] { setFontName(kFontKnapper[i]); });
        m_fontKnapper.append(b);
        knapper->addWidget(b, 1 + i, 0, 1, 4);
    }

    m_aOverskrift = new QAction(QStringLiteral("O"), this);
    m_aTekst = new QAction(QStringLiteral("T"), this);
    for (auto [a, hint, genvej] :
         {std::tuple{m_aOverskrift, valg.overskriftHint, valg.overskriftGenvej},
          std::tuple{m_aTekst, valg.tekstHint, valg.tekstGenvej}}) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setShortcut(genvej);
    }
    connect(m_aOverskrift, &QAction::triggered, this, &FormatVaerktoej::aOverskriftExecute);
    connect(m_aTekst, &QAction::triggered, this, &FormatVaerktoej::aTekstExecute);
    auto *stilRaekke = new QHBoxLayout;
    for (QAction *a : {m_aOverskrift, m_aTekst}) {
        auto *b = new QToolButton(this);
        b->setDefaultAction(a);
        b->setAccessibleName(a->text());
        stilRaekke->addWidget(b);
    }
    m_sbGemFont = nyKnap<QToolButton>(
        QStringLiteral("Gem"), QStringLiteral("Gem fontnavn og størrelse som standard"), this);
    stilRaekke->addWidget(m_sbGemFont);
    stilRaekke->addStretch(1);
    connect(m_sbGemFont, &QToolButton::clicked, this, &FormatVaerktoej::sbGemFontClick);

    byggKommandoer();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_vaerktoejslinje);
    layout->addWidget(m_FontName);
    layout->addWidget(m_SizBox);
    layout->addLayout(knapper);
    layout->addWidget(m_ColorGrid);
    layout->addLayout(stilRaekke);
    if (valg.infoKnap) {
        m_kInfoKnap = new QPushButton(QStringLiteral("Information"), this);
        m_kInfoKnap->setAccessibleName(m_kInfoKnap->text());
        layout->addWidget(m_kInfoKnap);
        connect(m_kInfoKnap, &QPushButton::clicked, this, &FormatVaerktoej::infoOensket);
    }
    layout->addStretch(1);

    connect(m_FontName, &QComboBox::activated, this, &FormatVaerktoej::FontNameChange);
    connect(m_SizBox, &QComboBox::activated, this, &FormatVaerktoej::SizBoxChange);
    connect(m_ColorGrid, &FarveGitter::Change, this, &FormatVaerktoej::ColorGridChange);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &FormatVaerktoej::markeringer);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &FormatVaerktoej::markeringer);
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
}

QAction *FormatVaerktoej::kommando(const QString &caption, const QString &hint, const QIcon &ikon,
                                   const QKeySequence &genvej, bool markerbar)
{
    auto *a = new QAction(ikon, caption, this);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setCheckable(markerbar);
    if (!genvej.isEmpty()) {
        a->setShortcut(genvej);
        // Only while this editor (or its tools) has the focus.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_editor->addAction(a);
    }
    return a;
}

void FormatVaerktoej::byggKommandoer()
{
    Kommandoer &k = m_k;
    k.fed = kommando(QStringLiteral("Fed skrift"), QStringLiteral("Anvend fed skrift: Ctrl+B"),
                     bogstav(QStringLiteral("F"), [](QFont &f) { f.setBold(true); }),
                     QKeySequence(Qt::CTRL | Qt::Key_B));
    k.kursiv = kommando(QStringLiteral("Kursiv"), QStringLiteral("Anvend skråskrift: Ctrl+I"),
                        bogstav(QStringLiteral("K"), [](QFont &f) { f.setItalic(true); }),
                        QKeySequence(Qt::CTRL | Qt::Key_I));
    k.understreg =
        kommando(QStringLiteral("Understreg"), QStringLiteral("Anvend understregning: Ctrl+U"),
                 bogstav(QStringLiteral("U"), [](QFont &f) { f.setUnderline(true); }),
                 QKeySequence(Qt::CTRL | Qt::Key_U));
    k.overstreg = kommando(QStringLiteral("Overstregning"), QStringLiteral("Anvend overstregning"),
                           bogstav(QStringLiteral("S"), [](QFont &f) { f.setStrikeOut(true); }));
    k.prik =
        kommando(QStringLiteral("Indsæt prik"), QStringLiteral("Indsæt prik på aktuelle linie"),
                 bogstav(QStringLiteral("•"), [](QFont &) {}));
    k.venstre = kommando(QStringLiteral("Venstrestil tekst"),
                         QStringLiteral("Venstrestil aktuelle tekst"), linjer(Qt::AlignLeft));
    k.hoejre = kommando(QStringLiteral("Højrestil tekst"),
                        QStringLiteral("Højrestil aktuelle tekst"), linjer(Qt::AlignRight));
    k.centrer = kommando(QStringLiteral("Centrer tekst"), QStringLiteral("Centrer aktuelle tekst"),
                         linjer(Qt::AlignHCenter));
    k.klip = kommando(QStringLiteral("Klip"), QStringLiteral("Klip til klipbord: Ctrl+X"), QIcon(),
                      QKeySequence(Qt::CTRL | Qt::Key_X), false);
    k.kopier = kommando(QStringLiteral("Kopier"), QStringLiteral("Kopier til klipbord: Ctrl+C"),
                        QIcon(), QKeySequence(Qt::CTRL | Qt::Key_C), false);
    k.indsaet = kommando(QStringLiteral("Indsæt"), QStringLiteral("Indsæt fra klipbord: Ctrl+V"),
                         bogstav(QStringLiteral("V"), [](QFont &) {}),
                         QKeySequence(Qt::CTRL | Qt::Key_V), false);
    k.markerAlt = kommando(QStringLiteral("Marker alt"), QStringLiteral("Vælg alt: Ctrl+A"),
                           QIcon(), QKeySequence(Qt::CTRL | Qt::Key_A), false);
    k.annuller =
        kommando(QStringLiteral("Annuller"), QStringLiteral("Annuller sidste aktion: Ctrl+Z"),
                 QIcon(), QKeySequence(Qt::CTRL | Qt::Key_Z), false);
    k.slet = kommando(QStringLiteral("Slet"), QStringLiteral("Slet markerede tekst: Del"), QIcon(),
                      QKeySequence(Qt::Key_Delete), false);

    RichTextEdit *e = m_editor;
    connect(k.fed, &QAction::triggered, e, &RichTextEdit::setSelBold);
    connect(k.kursiv, &QAction::triggered, e, &RichTextEdit::setSelItalic);
    connect(k.understreg, &QAction::triggered, e, &RichTextEdit::setSelUnderline);
    connect(k.overstreg, &QAction::triggered, e, &RichTextEdit::setSelStrike);
    connect(k.prik, &QAction::triggered, e, &RichTextEdit::setSelBullet);
    connect(k.venstre, &QAction::triggered, e, [e] { e->setSelAlignment(Qt::AlignLeft); });
    connect(k.hoejre, &QAction::triggered, e, [e] { e->setSelAlignment(Qt::AlignRight); });
    connect(k.centrer, &QAction::triggered, e, [e] { e->setSelAlignment(Qt::AlignHCenter); });
    connect(k.klip, &QAction::triggered, e, &QTextEdit::cut);
    connect(k.kopier, &QAction::triggered, e, &QTextEdit::copy);
    connect(k.indsaet, &QAction::triggered, e, &QTextEdit::paste);
    connect(k.markerAlt, &QAction::triggered, e, &QTextEdit::selectAll);
    connect(k.annuller, &QAction::triggered, e, &QTextEdit::undo);
    connect(k.slet, &QAction::triggered, e, [e] { e->textCursor().removeSelectedText(); });
    for (QAction *a : {k.fed, k.kursiv, k.understreg, k.overstreg, k.prik, k.venstre, k.hoejre,
                       k.centrer, k.klip, k.kopier, k.indsaet, k.markerAlt, k.annuller, k.slet})
        connect(a, &QAction::triggered, this, &FormatVaerktoej::markeringer);

    m_indsaetMenu = new QMenu(this);
    QMenu *stil = m_indsaetMenu->addMenu(QStringLiteral("Stil"));
    stil->addActions({k.fed, k.kursiv, k.understreg, k.overstreg, k.prik});
    QMenu *placering = m_indsaetMenu->addMenu(QStringLiteral("Placering"));
    placering->addActions({k.venstre, k.hoejre, k.centrer});
    m_indsaetMenu->addSeparator();
    m_indsaetMenu->addAction(k.annuller);
    m_indsaetMenu->addSeparator();
    m_indsaetMenu->addActions({k.klip, k.kopier, k.indsaet});
    m_indsaetMenu->addSeparator();
    m_indsaetMenu->addActions({k.markerAlt, k.slet});

    m_vaerktoejslinje = new QToolBar(this);
    m_vaerktoejslinje->setAccessibleName(QStringLiteral("Værktøjslinje"));
    m_vaerktoejslinje->setIconSize(QSize(16, 16));
    // Never narrower than all its buttons: a command hidden behind the bar's
    // overflow button is one the user does not find.
    m_vaerktoejslinje->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_vaerktoejslinje->addActions({k.fed, k.kursiv, k.understreg});
    m_vaerktoejslinje->addSeparator();
    m_vaerktoejslinje->addActions({k.venstre, k.hoejre, k.centrer});
    m_vaerktoejslinje->addSeparator();
    auto *indsaetKnap = new QToolButton(m_vaerktoejslinje);
    indsaetKnap->setDefaultAction(k.indsaet);
    indsaetKnap->setAccessibleName(k.indsaet->text());
    indsaetKnap->setMenu(m_indsaetMenu);
    indsaetKnap->setPopupMode(QToolButton::MenuButtonPopup);
    m_vaerktoejslinje->addWidget(indsaetKnap);
    // The button a narrow tool bar shows for the commands that do not fit.
    if (auto *flere =
            m_vaerktoejslinje->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button")))
        flere->setAccessibleName(QStringLiteral("Flere kommandoer"));

    m_popupMenu = new QMenu(this);
    m_popupMenu->addAction(k.annuller);
    m_popupMenu->addSeparator();
    m_popupMenu->addActions({k.klip, k.kopier, k.indsaet});
    m_popupMenu->addSeparator();
    m_popupMenu->addActions({k.markerAlt, k.slet});
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popupMenu->popup(m_editor->mapToGlobal(pos)); });
}

void FormatVaerktoej::hentIndstillinger(const Indstillinger &indstillinger)
{
    m_standardFont = indstillinger.*m_valg.fontNavn;
    m_standardStoerrelse = indstillinger.*m_valg.fontStoerrelse;
}

void FormatVaerktoej::gemIndstillinger(Indstillinger &indstillinger) const
{
    indstillinger.*m_valg.fontNavn = m_standardFont;
    indstillinger.*m_valg.fontStoerrelse = m_standardStoerrelse;
}

void FormatVaerktoej::opsaet()
{
    const QString navn = m_standardFont;
    const int stoerrelse = m_standardStoerrelse;
    FontFelter(navn);
    FontFelterSize(navn, stoerrelse);
    m_OldFontname.clear();
    if (m_valg.editorFont) {
        QFont font(navn);
        font.setPointSize(stoerrelse);
        m_editor->document()->setDefaultFont(font);
        m_editor->setCurrentFont(font);
        m_editor->setModified(false);
    }
    aOverskriftUpdate();
    aTekstUpdate();
    markeringer();
}

void FormatVaerktoej::genvejeI(QWidget *vindue)
{
    for (QAction *a : {m_aOverskrift, m_aTekst})
        if (!a->shortcut().isEmpty())
            vindue->addAction(a);
}

void FormatVaerktoej::GetFontNames(QComboBox *aBox)
{
    QStringList navne = QFontDatabase::families();
    navne.sort(Qt::CaseInsensitive);
    aBox->clear();
    aBox->addItems(navne);
}

void FormatVaerktoej::FontFelter(const QString &FontNavn)
{
    if (FontNavn != m_OldFontname && m_FontName->count() > 0) {
        const QSignalBlocker blocker(m_FontName);
        // A font that is not installed shows as the font drawn in its place.
        m_FontName->setCurrentIndex(
            m_FontName->findText(Skrifter::tegnetFamilie(FontNavn), Qt::MatchExactly));
    }
    m_OldFontname = FontNavn;
}

int FormatVaerktoej::FontFelterSize(const QString &FontNavn, int FontDim)
{
    if (FontNavn != m_OldFontSizname) {
        m_SizBox->SetFontName(FontNavn);
        m_OldFontSizname = FontNavn;
    }
    const int index = qMax(m_SizBox->findText(QString::number(FontDim), Qt::MatchExactly), 0);
    if (m_SizBox->count() == 0)
        return 0;
    const QSignalBlocker blocker(m_SizBox);
    m_SizBox->setCurrentIndex(index);
    return m_SizBox->itemText(index).toInt();
}

void FormatVaerktoej::SetSize(int Siz)
{
    const int index = m_SizBox->findText(QString::number(Siz), Qt::MatchExactly);
    if (index < 0)
        return;
    {
        const QSignalBlocker blocker(m_SizBox);
        m_SizBox->setCurrentIndex(index);
    }
    m_editor->setSelSize(Siz);
}

void FormatVaerktoej::setFontName(const QString &aName)
{
    // The text keeps the name; the box shows what is drawn for it.
    const int index = m_FontName->findText(Skrifter::tegnetFamilie(aName), Qt::MatchExactly);
    if (index < 0)
        return;
    {
        const QSignalBlocker blocker(m_FontName);
        m_FontName->setCurrentIndex(index);
    }
    m_editor->setSelFontName(aName);
}

void FormatVaerktoej::FontNameChange()
{
    const QString navn = m_FontName->currentText();
    m_editor->setSelFontName(navn);
    const int nu = qRound(m_editor->selectionAttributes().size);
    const int stoerrelse = FontFelterSize(navn, nu);
    if (stoerrelse > 0 && stoerrelse != nu)
        m_editor->setSelSize(stoerrelse);
    m_OldFontname = navn;
    m_editor->setFocus();
}

void FormatVaerktoej::SizBoxChange()
{
    if (m_SizBox->currentIndex() >= 0)
        m_editor->setSelSize(m_SizBox->currentText().toInt());
    m_editor->setFocus();
}

void FormatVaerktoej::ColorGridChange()
{
    m_ColorGrid->setBackgroundIndex(FarveGitter::kHvid);
    if (m_ColorGrid->ForegroundIndex() >= 0)
        m_editor->setSelColor(m_ColorGrid->ForegroundColor());
}

void FormatVaerktoej::aOverskriftExecute()
{
    if (m_editor->plainTextMode())
        return;
    SetSize(m_standardStoerrelse + 2);
    m_editor->setSelColor(FarveGitter::kFarver[FarveGitter::kBlaa]);
    m_ColorGrid->setForegroundIndex(FarveGitter::kBlaa);
}

void FormatVaerktoej::aTekstExecute()
{
    if (m_editor->plainTextMode())
        return;
    SetSize(m_standardStoerrelse);
    m_editor->setSelColor(FarveGitter::kFarver[FarveGitter::kSort]);
    m_ColorGrid->setForegroundIndex(FarveGitter::kSort);
}

void FormatVaerktoej::aOverskriftUpdate()
{
    m_aOverskrift->setEnabled(!m_editor->plainTextMode());
}

void FormatVaerktoej::aTekstUpdate()
{
    m_aTekst->setEnabled(!m_editor->plainTextMode());
}

void FormatVaerktoej::sbGemFontClick()
{
    // Without a font and a size shown there is nothing to keep.
    if (m_FontName->currentIndex() < 0 || m_SizBox->currentIndex() < 0)
        return;
    // A stored name whose stand-in the box shows stays as it is.
    if (Skrifter::tegnetFamilie(m_standardFont) != m_FontName->currentText())
        m_standardFont = m_FontName->currentText();
    m_standardStoerrelse = m_SizBox->currentText().toInt();
    Q_EMIT standardFontAendret(m_standardFont, m_standardStoerrelse);
}

void FormatVaerktoej::XYinfo()
{
    aOverskriftUpdate();
    aTekstUpdate();
    if (m_editor->plainTextMode())
        return;
    const TextAttributes a = m_editor->selectionAttributes();
    FontFelter(a.fontName);
    FontFelterSize(a.fontName, qRound(a.size));
    m_ColorGrid->setForegroundIndex(FarveGitter::indeks(a.color));
    m_ColorGrid->setBackgroundIndex(FarveGitter::kHvid);
}

void FormatVaerktoej::markeringer()
{
    const TextAttributes a = m_editor->selectionAttributes();
    m_k.fed->setChecked(a.bold);
    m_k.kursiv->setChecked(a.italic);
    m_k.understreg->setChecked(a.underline);
    m_k.overstreg->setChecked(a.strike);
    m_k.prik->setChecked(a.bullet);
    m_k.venstre->setChecked(a.alignment == Qt::AlignLeft || a.alignment == Qt::AlignLeading);
    m_k.hoejre->setChecked(a.alignment == Qt::AlignRight || a.alignment == Qt::AlignTrailing);
    m_k.centrer->setChecked(a.alignment == Qt::AlignHCenter);
}

QToolButton *FormatVaerktoej::sizeKnap(int stoerrelse) const
{
    for (int i = 0; i < int(kSizeKnapper.size()); ++i)
        if (kSizeKnapper[i] == stoerrelse)
            return m_sizeKnapper.at(i);
    return nullptr;
}

QToolButton *FormatVaerktoej::fontKnap(int nummer) const
{
    return m_fontKnapper.value(nummer - 1);
}

bool FormatVaerktoej::eventFilter(QObject *watched, QEvent *event)
{
    // In the editor Ctrl+I and Ctrl+U are italic and underline, not the clock's
    // "Information" and "Vis digitalur".
    if (watched == m_editor && EgneGenveje::tag(event, {m_k.fed, m_k.kursiv, m_k.understreg}))
        return true;
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease)
        XYinfo();
    return QWidget::eventFilter(watched, event);
}
