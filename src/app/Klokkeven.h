#pragma once

#include "app/ProgramContext.h"

#include <QObject>
#include <QWidget>
#include <memory>
#include <vector>

// The program: creates the ten windows in their order, owns them, and hands
// each the others it needs. A test can build it on a data folder of its own,
// run it, close it and build it again in the same process.
class Klokkeven : public QObject
{
    Q_OBJECT

public:
    // Completes the installation from installedDataDir into programDir, then
    // creates the windows.
    Klokkeven(const QString &programDir, const QString &installedDataDir, Platform platform,
              Messages &messages);
    ~Klokkeven() override;

    const Vinduer &vinduer() const { return m_context.vinduer; }

    // Shows the main window; its first showing runs the start-up steps.
    void show();
    // Closes the main window, as "Luk uret" does: the state is saved and
    // finished follows.
    void close();

Q_SIGNALS:
    // The main window has closed and saved the program's state.
    void finished();

private:
    template <typename Window, typename... Args> Window *own(Args &&...args);

    ProgramContext m_context;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};
