#pragma once

#include <QWidget>

struct ProgramContext;

// The document viewer: reads the calendar documents of a date one by one.
class Ttekstform : public QWidget
{
    Q_OBJECT

public:
    explicit Ttekstform(ProgramContext &context);

    void gemOpt();
    void hentOpt();

    QString optFilnavn;
};
