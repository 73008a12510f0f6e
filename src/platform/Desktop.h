#pragma once

// What the windowing system the program runs on can do with its windows.
namespace Desktop {

// It blends a translucent window with what lies beneath it: Wayland and
// Windows always, X11 while a compositing manager runs.
bool composites();

// The program can read and set where its windows lie. On Wayland it cannot:
// the compositor alone places windows, and reports every place as (0, 0).
bool knowsWindowPositions();

// Settings of the windowing system that must be made before the application
// object exists. On X11 the windows are sent to the server through the
// connection instead of shared memory: with shared memory Qt makes a round
// trip to the server before each paint (the server may still read the last
// picture), which wakes the program and its X thread twice more at every
// tick of the clock, where copying the few changed pixels costs less. A
// setting of QT_XCB_NO_MITSHM the user made is left alone.
void foerStart();

} // namespace Desktop
