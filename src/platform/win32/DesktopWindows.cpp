#include "platform/win32/DesktopWindows.h"

namespace qpa::win32 {

namespace {
// A target that does not answer within this time is left to itself; the schedule goes on.
constexpr UINT kWheelTimeoutMilliseconds = 1000;

// The deepest visible, enabled child of `window` under `point` (in `window`'s client coordinates),
// or `window` itself. The default window procedure passes an unhandled wheel up to the parent,
// never down, so a frame whose document lives in a child (notepad, wordpad) must be reached there.
HWND contentAt(HWND window, POINT point) {
    constexpr UINT kSkip = CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT;
    for (HWND child = ::ChildWindowFromPointEx(window, point, kSkip); child && child != window;
         child = ::ChildWindowFromPointEx(window, point, kSkip)) {
        ::MapWindowPoints(window, child, &point, 1);
        window = child;
    }
    return window;
}

HWND toHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// The wide interface keeps every character of the title, whatever the user's code page.
std::wstring titleOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
}  // namespace

std::vector<WindowFacts> DesktopWindows::topLevelWindows() {
    std::vector<WindowFacts> windows;
    const DWORD ourProcess = ::GetCurrentProcessId();
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(::GetWindowLongW(h, GWL_STYLE));
        const bool visible = (style & WS_VISIBLE) != 0;  // a minimised window keeps the bit
        const bool canMaximise = (style & WS_MAXIMIZEBOX) != 0;
        DWORD process = 0;
        ::GetWindowThreadProcessId(h, &process);
        // Only a window that may be listed needs its title.
        windows.push_back({reinterpret_cast<WindowHandle>(h),
                           visible && canMaximise ? titleOf(h) : std::wstring(), visible,
                           canMaximise, process == ourProcess});
    }
    return windows;
}

void DesktopWindows::raise(WindowHandle window) {
    ::AllowSetForegroundWindow(ASFW_ANY);
    ::SetForegroundWindow(toHwnd(window));
}

// The asynchronous forms: a target whose window procedure hangs would otherwise hold our window
// (SetWindowPos waited 23 s for one under Wine).
void DesktopWindows::holdAbove(WindowHandle window, bool above) {
    ::SetWindowPos(toHwnd(window), above ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_ASYNCWINDOWPOS);
}

void DesktopWindows::show(WindowHandle window) {
    ::ShowWindowAsync(toHwnd(window), SW_SHOW);
}

void DesktopWindows::scroll(WindowHandle window, std::int32_t delta) {
    HWND target = toHwnd(window);
    RECT client{};
    if (!::GetClientRect(target, &client)) return;  // the window is gone
    POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    HWND content = contentAt(target, centre);
    ::ClientToScreen(target, &centre);
    // The delta in the high word, no keys or buttons in the low one; 32-bit values, not
    // sign-extended on 64-bit, as a 32-bit sender's would not be. The pointer position is signed
    // 16-bit x and y, so that a monitor left of the primary one keeps its negative x.
    const auto wParam = static_cast<WPARAM>(static_cast<std::uint32_t>(delta) << 16);
    const LPARAM lParam = MAKELPARAM(static_cast<WORD>(centre.x), static_cast<WORD>(centre.y));
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(content, WM_MOUSEWHEEL, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                          kWheelTimeoutMilliseconds, &result);
}

bool DesktopWindows::wheelPresent() {
    return ::GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0;
}

std::optional<std::int32_t> DesktopWindows::wheelScrollLines() {
    UINT lines = 0;
    if (!::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
    return static_cast<std::int32_t>(lines);  // "one screen at a time" reads as -1
}

}  // namespace qpa::win32
