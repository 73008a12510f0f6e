#pragma once

#include <QWidget>

struct ProgramContext;

// The alarm window: the heading and formatted text of an alarm that fires.
class Talarmform : public QWidget
{
    Q_OBJECT

public:
    explicit Talarmform(ProgramContext &context);

    void gemOpt();
    void hentOpt();

    QString optFilnavn;
};
