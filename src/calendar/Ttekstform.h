#pragma once

#include <QWidget>

// The document viewer: reads the calendar documents of a date one by one.
class Ttekstform : public QWidget
{
    Q_OBJECT

public:
    explicit Ttekstform(const QString &optFilnavn);

    void gemOpt();
    void hentOpt();

    QString optFilnavn;
};
