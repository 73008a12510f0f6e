#pragma once

#include <QWidget>

// The URL list: the information window's page history.
class Turlform : public QWidget
{
    Q_OBJECT

public:
    explicit Turlform(const QString &optfilnavn);

    void gemOpt();
    void hentOpt();

    QString optfilnavn;
};
