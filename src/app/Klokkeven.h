#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class Hints;
class Messages;
class Talarmform;
class Teditform;
class Tegenskabsform;
class Tgemhentform;
class Tinfoform;
class Tinfform;
class Tmainform;
class TspmForm;
class Ttekstform;
class Turlform;

// The ten windows, in the order the program creates them. A window that has
// not been created (yet, or because its creation failed) is null: the
// information window, its URL list and the edit form are made when first
// asked for (see Klokkeven::infoform).
struct Vinduer
{
    Tmainform *mainform = nullptr;
    Talarmform *alarmform = nullptr;
    Tegenskabsform *egenskabsform = nullptr;
    Tgemhentform *gemhentform = nullptr;
    TspmForm *spmForm = nullptr;
    Turlform *urlform = nullptr;
    Tinfoform *infoform = nullptr;
    Teditform *editform = nullptr;
    Ttekstform *tekstform = nullptr;
    Tinfform *infform = nullptr;
};

// The program: creates the ten windows in their order, owns them, hands each
// what it uses and wires the calls between them once. A test can build it on
// a data folder of its own, run it, close it and build it again in the same
// process.
class Klokkeven : public QObject
{
    Q_OBJECT

public:
    // Completes the installation from installedDataDir into programDir, then
    // creates the windows.
    Klokkeven(const QString &programDir, const QString &installedDataDir, Platform platform,
              Messages &messages);
    ~Klokkeven() override;

    const Vinduer &vinduer() const { return m_vinduer; }
    // The windows nobody sees at start, made at their first use; null where
    // their creation failed (the error was shown).
    Turlform *urlform();
    Tinfoform *infoform();
    Teditform *editform();

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
    // Runs one creation step for a window made at its first use.
    void createLater(const QString &window, const std::function<void()> &create);
    void wire(Messages &messages);
    // The calendar page's question window and viewer, and the viewer at start.
    void wireKalender();
    // The close steps after the main window's own, in their order.
    void gemVinduer();
    // A yes/no question of these lines in the question window; true on "Ja".
    bool spoerg(const QStringList &linjer) const;

    Messages &m_messages;
    std::unique_ptr<Hints> m_hints;
    Vinduer m_vinduer;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};
