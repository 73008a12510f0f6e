#pragma once

#include <QWidget>
#include <memory>

class Hints;
class Historik;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;

// The URL list "Urlboks": the information window's page history, which it
// owns. Here the user opens an entry again, removes duplicates or empties it.
class Turlform : public QWidget
{
    Q_OBJECT

public:
    // The window opens centred on `midte` (the main window) the first time.
    Turlform(const QString &optfilnavn, Hints &hints, const QWidget *midte = nullptr);
    ~Turlform() override;

    void gemOpt();
    void hentOpt();

    Historik &historik() const { return *m_historik; }

    void ArensDobbeltExecute();
    void AsletAlleExecute();
    void urlListeDblClick();
    // The program's hints, shown in the status bar once this window has been active.
    void Info(const QString &hint);

    QListWidget *urlListe() const { return m_urlListe; }
    QLabel *infoBar() const { return m_infoBar; }
    QAction *ArensDobbelt() const { return m_ArensDobbelt; }
    QAction *AsletAlle() const { return m_AsletAlle; }
    QPushButton *lukKnap() const { return m_lukKnap; }

    QString optfilnavn;

Q_SIGNALS:
    // The information window is to show the history entry at that position
    // without recording it again.
    void sideOensket(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void visHistorik();
    void opdaterHandlinger();

    std::unique_ptr<Historik> m_historik;
    Hints &m_hints;
    const QWidget *m_midte;
    bool m_foersteVisning = true;
    bool m_hintHaandterer = false;
    QListWidget *m_urlListe;
    QAction *m_ArensDobbelt;
    QAction *m_AsletAlle;
    QPushButton *m_lukKnap;
    QLabel *m_infoBar;
};
