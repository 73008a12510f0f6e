#pragma once

#include "info/SideVisning.h"

#include <QUrl>
#include <QWidget>
#include <functional>

class Historik;
class Messages;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;
class TStruktur;
class Turlform;

// The information window: on the left the structure tree of information
// pages and the search over them, on the right the page view with the
// history buttons and the address field. The history is the URL list's.
class Tinfoform : public QWidget
{
    Q_OBJECT

public:
    // strukturDir holds the structures; the window's options go to optFilnavn.
    Tinfoform(const QString &strukturDir, const QString &optFilnavn, Turlform &urlform,
              Messages &messages);

    // Shows the window and opens the page of the first node whose text is
    // openNodetekst, comparing the letters A to Z without regard to case; an
    // empty text opens the first node. False when nothing matched.
    bool goToInfo(const QString &openNodetekst);

    // Sets up the folders, empties the history and loads the tree. The
    // window itself reads the tree with its pictures at its first showing
    // (or the first ask for it), not at start: most sessions never open it.
    void LoadStruktur();
    void gemOpt();
    void hentOpt();

    // Fills the result list with the pages that hold aTekst as a whole word.
    void FindTekst(const QString &aTekst);
    static bool IsURL(const QString &URL);

    int venstrePanelBredde() const;

    // Where addresses that are not local pages go: the user's own browser
    // unless a test says otherwise.
    void setAdresseAabner(std::function<void(const QUrl &)> aabner);
    // Whether the first UI style of the style list is in force; it decides
    // how the result rows are drawn.
    void setFoersteStil(std::function<bool()> foersteStil);

    TStruktur *Struktur() const;
    QTabWidget *infoBog() const { return m_infoBog; }
    QLineEdit *EditFind() const { return m_EditFind; }
    QListWidget *Findis() const { return m_Findis; }
    QLineEdit *Edit() const { return m_Edit; }
    QTextBrowser *Web() const { return m_Web; }
    QLabel *infobar() const { return m_infobar; }
    QToolButton *expandKnap() const { return m_expandKnap; }
    QToolButton *collapseKnap() const { return m_collapseKnap; }
    QToolButton *urlListeKnap() const { return m_urlListeKnap; }
    QAction *aSearch() const { return m_aSearch; }
    QAction *Afirst() const { return m_Afirst; }
    QAction *Aback() const { return m_Aback; }
    QAction *Aforward() const { return m_Aforward; }
    QAction *Alast() const { return m_Alast; }
    QAction *Ago() const { return m_Ago; }

    QString strukturnavn;
    QString strukturdir;
    QString Mappe;
    QString optFilnavn;
    bool naviKlikket = false;
    QString globalUrl;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void saetStrukturMapper();
    void hentStruktur() const;
    void byg();
    void bygVenstre(QWidget *panel);
    void bygHoejre(QWidget *panel);
    QAction *nyHandling(const QString &tekst, const QIcon &ikon, const QString &hint);

    // Opens a local page in the view, or any other address in the browser.
    void navigate(const QUrl &url);
    void navigateSide(const QString &sti);
    // The view holds a new document: it enters the history unless it came from it.
    void dokumentKomplet(const QString &sti);
    void gaaTilHistorik(int index);
    void opdaterHandlinger();

    void StrukturClick();
    void AgoExecute();
    void WebHighlighted(const QUrl &link);

    Turlform &m_urlform;
    Historik &m_historik;
    Messages &m_messages;
    std::function<void(const QUrl &)> m_adresseAabner;
    std::function<bool()> m_foersteStil;
    bool m_opstart = true;
    mutable bool m_strukturHentet = false;
    int m_venstreBredde;

    QSplitter *m_splitter = nullptr;
    QTabWidget *m_infoBog = nullptr;
    TStruktur *m_Struktur = nullptr;
    QToolButton *m_expandKnap = nullptr;
    QToolButton *m_collapseKnap = nullptr;
    QLineEdit *m_EditFind = nullptr;
    QAction *m_aSearch = nullptr;
    QListWidget *m_Findis = nullptr;
    QToolBar *m_NavigateBar = nullptr;
    QAction *m_Afirst = nullptr;
    QAction *m_Aback = nullptr;
    QAction *m_Aforward = nullptr;
    QAction *m_Alast = nullptr;
    QLineEdit *m_Edit = nullptr;
    QAction *m_Ago = nullptr;
    QToolButton *m_urlListeKnap = nullptr;
    SideVisning *m_Web = nullptr;
    QLabel *m_infobar = nullptr;
};
