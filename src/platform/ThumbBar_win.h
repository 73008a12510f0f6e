#pragma once

#ifndef NOMINMAX
#define NOMINMAX // keeps std::min and std::max usable beside this header
#endif
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

struct ITaskbarList3;

struct IconDeleter
{
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// One button of a window's taskbar thumbnail toolbar.
struct ThumbButton
{
    std::wstring tip;
    IconHandle icon;
    bool enabled = true;
    bool visible = true;
};

// The buttons on the thumbnail of a window's taskbar button. The shell takes buttons only
// after it has told the window that its taskbar button exists, and it never removes one;
// so all places are added at that moment, the unused ones hidden, and every later change
// is an update.
class ThumbBar
{
public:
    static constexpr std::size_t maxButtons = 7;

    ThumbBar();
    ~ThumbBar();
    ThumbBar(const ThumbBar &) = delete;
    ThumbBar &operator=(const ThumbBar &) = delete;

    // The edge of the buttons' icons in pixels.
    static int iconSize();

    // Serves this window from now on. Its own messages must be passed to handle().
    void attach(HWND window);
    HWND window() const { return m_window; }

    // False where the shell offers no taskbar to talk to.
    bool available() const { return m_taskbar != nullptr; }

    // The buttons left to right; those beyond maxButtons are dropped. The bar keeps the
    // icons alive while they are shown.
    void setButtons(std::vector<ThumbButton> buttons);

    // Reacts to a message of the attached window: adds the buttons when the taskbar button
    // has been created. For a click on one of the buttons, returns its index.
    std::optional<std::size_t> handle(const MSG &msg);

private:
    void createTaskbarList();
    void send(bool add);

    const UINT m_buttonCreated;
    bool m_comInitialised = false;
    ITaskbarList3 *m_taskbar = nullptr;
    HWND m_window = nullptr;
    bool m_added = false;
    std::vector<ThumbButton> m_buttons;
};
