#pragma once

#include "app/DataFolders.h"

#include <QWidget>

class QAction;
struct ProgramContext;

// The main window: the clock itself. Its creation computes the data paths;
// closing it saves the state of the program and ends it.
class Tmainform : public QWidget
{
    Q_OBJECT

public:
    explicit Tmainform(ProgramContext &context);

    const DataFolders &folders() const { return m_folders; }
    bool opstart() const { return m_opstart; }

    QAction *aLuk() const { return m_aLuk; }

Q_SIGNALS:
    // The window has closed and its state is saved: the program ends.
    void lukket();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void FormClose();

    ProgramContext &m_context;
    const DataFolders m_folders;
    bool m_opstart = false;
    QAction *m_aLuk;
};
