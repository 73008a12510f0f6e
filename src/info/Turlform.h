#pragma once

#include <QWidget>

struct ProgramContext;

// The URL list: the information window's page history.
class Turlform : public QWidget
{
    Q_OBJECT

public:
    explicit Turlform(ProgramContext &context);

    void gemOpt();
    void hentOpt();

    QString optfilnavn;
};
