#include "info/Tinfoform.h"

#include "dialogs/Messages.h"
#include "info/FundRaekke.h"
#include "info/Historik.h"
#include "info/SideSoegning.h"
#include "info/SideVisning.h"
#include "info/Strukturfil.h"
#include "info/TStruktur.h"
#include "info/Turlform.h"
#include "platform/DataLocation.h"
#include "ui/EgneGenveje.h"
#include "ui/Hints.h"
#include "ui/Knap.h"
#include "ui/LukMedEscape.h"
#include "ui/WindowGeometry.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kVenstrePanelBredde = 250;
constexpr int kHoejrePanelBredde = 400;

// The wait pointer for as long as it lives, also when the search fails.
struct VentePil
{
    VentePil() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~VentePil() { QApplication::restoreOverrideCursor(); }
    VentePil(const VentePil &) = delete;
    VentePil &operator=(const VentePil &) = delete;
};

} // namespace

Tinfoform::Tinfoform(const QString &strukturDir, const QString &optFilnavn, Turlform &urlform,
                     Messages &messages)
    : optFilnavn(optFilnavn), m_urlform(urlform), m_historik(urlform.historik()),
      m_messages(messages),
      m_adresseAabner([](const QUrl &url) { QDesktopServices::openUrl(url); }),
      m_venstreBredde(kVenstrePanelBredde)
{
    lukMedEscape(this);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(806, 500);
    strukturnavn = QStringLiteral("Klokkeven.txt");
    strukturdir = strukturDir;
    byg();
    connect(&m_historik, &Historik::aendret, this, &Tinfoform::opdaterHandlinger);
    connect(&m_urlform, &Turlform::sideOensket, this, &Tinfoform::gaaTilHistorik);

    hentOpt();
    saetStrukturMapper();
    opdaterHandlinger();
}

QAction *Tinfoform::nyHandling(const QString &tekst, const QIcon &ikon, const QString &hint)
{
    auto *handling = new QAction(ikon, tekst, this);
    handling->setToolTip(hint);
    handling->setStatusTip(hint);
    return handling;
}

void Tinfoform::byg()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    auto *venstre = new QWidget(m_splitter);
    venstre->setMinimumWidth(kVenstrePanelBredde);
    auto *hoejre = new QWidget(m_splitter);
    hoejre->setMinimumWidth(kHoejrePanelBredde);
    m_splitter->addWidget(venstre);
    m_splitter->addWidget(hoejre);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_venstreBredde = m_splitter->sizes().value(0); });
    layout->addWidget(m_splitter, 1);
    bygVenstre(venstre);
    bygHoejre(hoejre);

    m_infobar = new QLabel(this);
    m_infobar->setFrameShape(QFrame::StyledPanel);
    m_infobar->setFrameShadow(QFrame::Sunken);
    // A screen reader reads a label by its text: the link under the pointer.
    m_infobar->setAccessibleDescription(QStringLiteral("Statuslinje"));
    layout->addWidget(m_infobar);
}

void Tinfoform::bygVenstre(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_infoBog = new QTabWidget(panel);
    layout->addWidget(m_infoBog);

    auto *strukturSide = new QWidget;
    auto *strukturLayout = new QVBoxLayout(strukturSide);
    strukturLayout->setContentsMargins(2, 2, 2, 2);
    auto *vaerktoej = new QHBoxLayout;
    const auto knap = [strukturSide](const QString &tekst, QStyle::StandardPixmap ikon,
                                     const QString &hint) {
        auto *b = nyKnap<QToolButton>(tekst, hint, strukturSide);
        b->setIcon(strukturSide->style()->standardIcon(ikon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        return b;
    };
    m_expandKnap =
        knap(QStringLiteral("Udfold"), QStyle::SP_ArrowDown, QStringLiteral("Udfold struktur"));
    m_collapseKnap = knap(QStringLiteral("Sammenfold"), QStyle::SP_ArrowUp,
                          QStringLiteral("Sammenfold struktur"));
    vaerktoej->addWidget(m_expandKnap);
    vaerktoej->addWidget(m_collapseKnap);
    vaerktoej->addStretch(1);
    strukturLayout->addLayout(vaerktoej);
    m_Struktur = new TStruktur(m_messages, strukturSide);
    m_Struktur->SetDataOn(true);
    m_Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Struktur->setAccessibleName(QStringLiteral("Struktur"));
    m_Struktur->installEventFilter(this);
    strukturLayout->addWidget(m_Struktur);
    m_infoBog->addTab(strukturSide, QStringLiteral("Struktur"));

    auto *soegSide = new QWidget;
    auto *soegLayout = new QVBoxLayout(soegSide);
    soegLayout->setContentsMargins(2, 2, 2, 2);
    auto *soegLinje = new QHBoxLayout;
    m_EditFind = new QLineEdit(soegSide);
    m_EditFind->setAccessibleName(QStringLiteral("Søgetekst"));
    m_aSearch =
        nyHandling(QStringLiteral("Søg"), style()->standardIcon(QStyle::SP_FileDialogContentsView),
                   QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter"));
    m_aSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_aSearch->setShortcutContext(Qt::WindowShortcut);
    addAction(m_aSearch);
    auto *soegKnap = new QToolButton(soegSide);
    soegKnap->setDefaultAction(m_aSearch);
    soegKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    soegKnap->setAccessibleName(m_aSearch->text());
    soegLinje->addWidget(m_EditFind, 1);
    soegLinje->addWidget(soegKnap);
    soegLayout->addLayout(soegLinje);
    m_Findis = new QListWidget(soegSide);
    m_Findis->setAccessibleName(QStringLiteral("Fundne sider"));
    m_Findis->setUniformItemSizes(true);
    m_Findis->setItemDelegate(
        new FundRaekke([this] { return m_foersteStil && m_foersteStil(); }, m_Findis));
    soegLayout->addWidget(m_Findis, 1);
    m_infoBog->addTab(soegSide, QStringLiteral("Søg"));

    connect(m_expandKnap, &QToolButton::clicked, m_Struktur, &QTreeWidget::expandAll);
    connect(m_collapseKnap, &QToolButton::clicked, m_Struktur, &QTreeWidget::collapseAll);
    connect(m_Struktur, &QTreeWidget::itemClicked, this, &Tinfoform::StrukturClick);
    connect(m_EditFind, &QLineEdit::textChanged, this, &Tinfoform::opdaterHandlinger);
    connect(m_EditFind, &QLineEdit::returnPressed, m_aSearch, &QAction::trigger);
    connect(m_aSearch, &QAction::triggered, this, [this] { FindTekst(m_EditFind->text()); });
    connect(m_Findis, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        navigateSide(m_Struktur->Infomappe() + item->text() + QStringLiteral(".html"));
    });
    connect(m_infoBog, &QTabWidget::currentChanged, this, [this, soegSide] {
        if (m_infoBog->currentWidget() == soegSide)
            m_EditFind->setFocus();
    });
}

void Tinfoform::bygHoejre(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_NavigateBar = new QToolBar(panel);
    m_NavigateBar->setAccessibleName(QStringLiteral("Navigation"));
    QStyle *s = style();
    m_Afirst = nyHandling(QStringLiteral("Første"), s->standardIcon(QStyle::SP_MediaSkipBackward),
                          QStringLiteral("Gå til første"));
    m_Aback = nyHandling(QStringLiteral("Tilbage"), s->standardIcon(QStyle::SP_ArrowBack),
                         QStringLiteral("Tilbage"));
    m_Aforward = nyHandling(QStringLiteral("Frem"), s->standardIcon(QStyle::SP_ArrowForward),
                            QStringLiteral("Frem"));
    m_Alast = nyHandling(QStringLiteral("Sidste"), s->standardIcon(QStyle::SP_MediaSkipForward),
                         QStringLiteral("Gå til sidste"));
    m_Edit = new QLineEdit(m_NavigateBar);
    m_Edit->setAccessibleName(QStringLiteral("Adresse"));
    m_Ago = nyHandling(QStringLiteral("Gå"), s->standardIcon(QStyle::SP_BrowserReload),
                       QStringLiteral("Opdater/Gå"));
    m_urlListeKnap = new QToolButton(m_NavigateBar);
    m_urlListeKnap->setText(QStringLiteral("Urlliste"));
    m_urlListeKnap->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_urlListeKnap->setAccessibleName(m_urlListeKnap->text());
    setHint(m_urlListeKnap, QStringLiteral("Åben urllisten"));
    for (QAction *handling : {m_Afirst, m_Aback, m_Aforward, m_Alast})
        m_NavigateBar->addAction(handling);
    m_NavigateBar->addWidget(m_Edit);
    m_NavigateBar->addAction(m_Ago);
    m_NavigateBar->addWidget(m_urlListeKnap);
    layout->addWidget(m_NavigateBar);

    m_Web = new SideVisning(panel);
    m_Web->setOpenLinks(false);
    m_Web->setAccessibleName(QStringLiteral("Side"));
    layout->addWidget(m_Web, 1);
    // Tab walks the page's links by selecting them: the view then takes the
    // link's name, so a screen reader reads the link and not the page.
    const auto linkNavn = [this] {
        const QTextCursor c = m_Web->textCursor();
        QString navn = QStringLiteral("Side");
        if (c.hasSelection() && c.charFormat().isAnchor()) {
            navn = c.selectedText().remove(QChar::ObjectReplacementCharacter).simplified();
            // A link of a picture only: the page it leads to.
            if (navn.isEmpty())
                navn = QFileInfo(QUrl(c.charFormat().anchorHref()).path()).completeBaseName();
        }
        if (m_Web->accessibleName() != navn)
            m_Web->setAccessibleName(navn);
    };
    connect(m_Web, &QTextEdit::selectionChanged, this, linkNavn);
    connect(m_Web, &QTextEdit::cursorPositionChanged, this, linkNavn);
    connect(m_Web, &SideVisning::linkFokusMuligvisFlyttet, this, linkNavn);

    connect(m_Afirst, &QAction::triggered, this, [this] { gaaTilHistorik(m_historik.foerste()); });
    connect(m_Aback, &QAction::triggered, this, [this] { gaaTilHistorik(m_historik.tilbage()); });
    connect(m_Aforward, &QAction::triggered, this, [this] { gaaTilHistorik(m_historik.frem()); });
    connect(m_Alast, &QAction::triggered, this, [this] { gaaTilHistorik(m_historik.sidste()); });
    connect(m_Edit, &QLineEdit::textChanged, this, &Tinfoform::opdaterHandlinger);
    connect(m_Edit, &QLineEdit::returnPressed, m_Ago, &QAction::trigger);
    connect(m_Ago, &QAction::triggered, this, &Tinfoform::AgoExecute);
    connect(m_urlListeKnap, &QToolButton::clicked, this, [this] {
        m_urlform.show();
        m_urlform.raise();
    });
    connect(m_Web, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { navigate(m_Web->source().resolved(link)); });
    connect(m_Web, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
            &Tinfoform::WebHighlighted);
}

void Tinfoform::setAdresseAabner(std::function<void(const QUrl &)> aabner)
{
    m_adresseAabner = std::move(aabner);
}

void Tinfoform::setFoersteStil(std::function<bool()> foersteStil)
{
    m_foersteStil = std::move(foersteStil);
    m_Findis->viewport()->update();
}

void Tinfoform::LoadStruktur()
{
    saetStrukturMapper();
    m_strukturHentet = true;
    m_Struktur->HentStruktur();
}

TStruktur *Tinfoform::Struktur() const
{
    hentStruktur();
    return m_Struktur;
}

void Tinfoform::hentStruktur() const
{
    if (m_strukturHentet)
        return;
    m_strukturHentet = true;
    m_Struktur->HentStruktur();
}

void Tinfoform::saetStrukturMapper()
{
    m_historik.sletAlle();
    const QString sep = DataLocation::separator();
    const QString base = strukturdir + sep + QFileInfo(strukturnavn).completeBaseName();
    Mappe = base + sep + QStringLiteral("tekstfiler");
    m_Struktur->SetInfomappe(Mappe + sep);
    m_Struktur->SetHtmlmappe(Mappe + sep + QStringLiteral("Design og funktioner") + sep);
    m_Struktur->SetBilledmappe(base + sep + QStringLiteral("Billeder") + sep);
    m_Struktur->SetStrukturfile(base + sep + QStringLiteral("struktur.txt"));
    m_Struktur->SetDatafile(base + sep + QStringLiteral("data.txt"));
    m_Web->setRod(base);
    setWindowTitle(strukturnavn);
}

void Tinfoform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    hentStruktur();
    m_splitter->setSizes({m_venstreBredde, qMax(kHoejrePanelBredde, width() - m_venstreBredde)});
    if (m_opstart) {
        m_opstart = false;
        goToInfo(QStringLiteral("Velkommen"));
    }
}

bool Tinfoform::goToInfo(const QString &openNodetekst)
{
    if (!isVisible())
        show();
    raise();
    const QList<QTreeWidgetItem *> knuder = m_Struktur->knuderITraeorden();
    if (knuder.isEmpty())
        return false;
    const QString tekst = openNodetekst.isEmpty() ? knuder.first()->text(0) : openNodetekst;
    for (QTreeWidgetItem *knude : knuder) {
        if (Strukturfil::sammeTekst(knude->text(0), tekst)) {
            m_Struktur->setCurrentItem(knude);
            knude->setExpanded(true);
            StrukturClick();
            return true;
        }
    }
    return false;
}

bool Tinfoform::event(QEvent *event)
{
    // Here Ctrl+S searches, not the clock's "Standard farver".
    return EgneGenveje::tag(event, {m_aSearch}) || QWidget::event(event);
}

bool Tinfoform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_Struktur && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            StrukturClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tinfoform::StrukturClick()
{
    const QTreeWidgetItem *knude = m_Struktur->currentItem();
    if (!knude || TStruktur::dataStreng(knude).isEmpty())
        return;
    navigateSide(m_Struktur->Infomappe() + TStruktur::sideNavn(knude) + QStringLiteral(".html"));
}

void Tinfoform::navigate(const QUrl &url)
{
    if (!url.isLocalFile()) {
        m_adresseAabner(url);
        return;
    }
    navigateSide(url.toLocalFile());
    if (url.hasFragment())
        m_Web->scrollToAnchor(url.fragment());
}

void Tinfoform::navigateSide(const QString &sti)
{
    globalUrl.clear();
    m_infobar->clear();
    if (!m_Web->visSide(sti)) {
        naviKlikket = false;
        m_Web->setHtml(QStringLiteral("<p>Siden <b>%1</b> findes ikke.</p>")
                           .arg(QDir::toNativeSeparators(sti).toHtmlEscaped()));
        return;
    }
    dokumentKomplet(sti);
}

void Tinfoform::dokumentKomplet(const QString &sti)
{
    const QString navn = QDir(m_Struktur->Infomappe()).relativeFilePath(sti);
    if (navn.startsWith(QStringLiteral("..")) ||
        !QFileInfo(m_Struktur->Infomappe() + navn).isFile())
        return;
    if (naviKlikket)
        naviKlikket = false;
    else
        m_historik.optag(navn);
    m_Edit->setText(navn);
}

void Tinfoform::gaaTilHistorik(int index)
{
    if (index < 0 || index >= m_historik.count())
        return;
    m_historik.setUrlIndex(index);
    naviKlikket = true;
    navigateSide(m_Struktur->Infomappe() + m_historik.sider().at(index));
}

void Tinfoform::opdaterHandlinger()
{
    m_Afirst->setEnabled(m_historik.kanFoerste());
    m_Aback->setEnabled(m_historik.kanTilbage());
    m_Aforward->setEnabled(m_historik.kanFrem());
    m_Alast->setEnabled(m_historik.kanSidste());
    m_Ago->setEnabled(!m_Edit->text().isEmpty());
    m_aSearch->setEnabled(!m_EditFind->text().isEmpty());
}

void Tinfoform::AgoExecute()
{
    const QString tekst = m_Edit->text();
    if (tekst.isEmpty())
        return;
    const QString sti = m_Struktur->Infomappe() + tekst;
    if (QFileInfo(sti).isFile())
        navigateSide(sti);
    else
        m_adresseAabner(SideSoegning::webSoegning(tekst));
}

bool Tinfoform::IsURL(const QString &URL)
{
    return !URL.isEmpty() && QUrl(URL, QUrl::StrictMode).isValid();
}

void Tinfoform::WebHighlighted(const QUrl &link)
{
    globalUrl.clear();
    m_infobar->clear();
    const QString adresse = link.toString();
    if (IsURL(adresse)) {
        m_infobar->setText(adresse);
        globalUrl = adresse;
    }
}

void Tinfoform::FindTekst(const QString &aTekst)
{
    if (!QFileInfo(Mappe).isDir()) {
        m_messages.information(QStringLiteral("Filerne blev ikke fundet."));
        return;
    }
    m_Findis->clear();
    m_Findis->repaint();
    if (aTekst.isEmpty()) {
        m_messages.information(QStringLiteral("Der mangler en søgetekst."));
        return;
    }
    const VentePil ventePil;
    m_Findis->addItems(SideSoegning::find(Mappe, aTekst));
}

int Tinfoform::venstrePanelBredde() const
{
    return m_venstreBredde;
}

void Tinfoform::gemOpt()
{
    WindowGeometry::save(*this, optFilnavn, {venstrePanelBredde()});
}

void Tinfoform::hentOpt()
{
    if (const auto own = WindowGeometry::restore(*this, optFilnavn, 1)) {
        m_venstreBredde = qMax(kVenstrePanelBredde, own->at(0));
    } else {
        move(8, 8);
        resize(810, 810);
    }
}
