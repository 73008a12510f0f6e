#include "platform/ThumbBar_win.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>
#include <shobjidl.h>
#include <utility>

ThumbBar::ThumbBar() : m_buttonCreated(RegisterWindowMessageW(L"TaskbarButtonCreated"))
{
    // The GUI toolkit has usually set up COM on this thread already; then this only counts
    // up, and S_FALSE needs its CoUninitialize as much as S_OK does.
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    createTaskbarList();
}

ThumbBar::~ThumbBar()
{
    if (m_taskbar)
        m_taskbar->Release();
    if (m_comInitialised)
        CoUninitialize();
}

int ThumbBar::iconSize()
{
    return GetSystemMetrics(SM_CXSMICON);
}

void ThumbBar::createTaskbarList()
{
    ITaskbarList3 *taskbar = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&taskbar))))
        return;
    if (FAILED(taskbar->HrInit())) {
        taskbar->Release();
        return;
    }
    m_taskbar = taskbar;
}

void ThumbBar::attach(HWND window)
{
    if (window == m_window)
        return;
    m_window = window;
    m_added = false;
    // An elevated program would not get these two from the shell, which runs unelevated.
    if (m_buttonCreated != 0)
        ChangeWindowMessageFilterEx(window, m_buttonCreated, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(window, WM_COMMAND, MSGFLT_ALLOW, nullptr);
}

void ThumbBar::setButtons(std::vector<ThumbButton> buttons)
{
    if (buttons.size() > maxButtons)
        buttons.resize(maxButtons);
    // The old icons live until the update that replaces them has been sent.
    const std::vector<ThumbButton> old = std::exchange(m_buttons, std::move(buttons));
    if (m_added)
        send(false);
}

std::optional<std::size_t> ThumbBar::handle(const MSG &msg)
{
    if (m_window == nullptr || msg.hwnd != m_window)
        return std::nullopt;
    if (m_buttonCreated != 0 && msg.message == m_buttonCreated) {
        // Sent at the first showing, after every return from hiding and after the shell
        // restarts: each time the taskbar button is new and carries none of ours.
        if (!m_taskbar)
            createTaskbarList();
        m_added = false;
        send(true);
        return std::nullopt;
    }
    if (msg.message == WM_COMMAND && HIWORD(msg.wParam) == THBN_CLICKED) {
        const std::size_t id = LOWORD(msg.wParam);
        if (m_added && id < m_buttons.size())
            return id;
    }
    return std::nullopt;
}

void ThumbBar::send(bool add)
{
    if (!m_taskbar)
        return;
    std::array<THUMBBUTTON, maxButtons> places{};
    for (std::size_t i = 0; i < places.size(); ++i) {
        THUMBBUTTON &place = places[i];
        place.dwMask = THB_ICON | THB_TOOLTIP | THB_FLAGS;
        place.iId = static_cast<UINT>(i);
        if (i >= m_buttons.size()) {
            place.dwFlags = THBF_HIDDEN;
            continue;
        }
        const ThumbButton &button = m_buttons[i];
        place.hIcon = button.icon.get();
        const std::size_t length = std::min(button.tip.size(), std::size(place.szTip) - 1);
        std::wmemcpy(place.szTip, button.tip.data(), length);
        place.szTip[length] = L'\0';
        place.dwFlags = button.enabled ? THBF_ENABLED : THBF_DISABLED;
        if (!button.visible)
            place.dwFlags |= THBF_HIDDEN;
    }
    const UINT count = static_cast<UINT>(places.size());
    if (add)
        m_added = SUCCEEDED(m_taskbar->ThumbBarAddButtons(m_window, count, places.data()));
    else
        m_taskbar->ThumbBarUpdateButtons(m_window, count, places.data());
}
