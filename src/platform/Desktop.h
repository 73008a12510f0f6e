#pragma once

// What the windowing system the program runs on can do with its windows.
namespace Desktop {

// It blends a translucent window with what lies beneath it: Wayland and
// Windows always, X11 while a compositing manager runs.
bool composites();

// The program can read and set where its windows lie. On Wayland it cannot:
// the compositor alone places windows, and reports every place as (0, 0).
bool knowsWindowPositions();

} // namespace Desktop
