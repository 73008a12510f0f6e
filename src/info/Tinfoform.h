#pragma once

#include <QWidget>

// The information window: the tree of information pages and the page view.
class Tinfoform : public QWidget
{
    Q_OBJECT

public:
    explicit Tinfoform(const QString &optFilnavn);

    void gemOpt();
    void hentOpt();

    int venstrePanelBredde() const;

    QString optFilnavn;

private:
    QWidget *m_venstrePanel;
};
