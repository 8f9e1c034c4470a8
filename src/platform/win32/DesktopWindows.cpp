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
}  // namespace

WindowHandle DesktopWindows::firstWindow(WindowHandle start) {
    return fromHwnd(::GetWindow(toHwnd(start), GW_HWNDFIRST));
}

WindowHandle DesktopWindows::nextWindow(WindowHandle window) {
    return fromHwnd(::GetWindow(toHwnd(window), GW_HWNDNEXT));
}

std::uint32_t DesktopWindows::style(WindowHandle window) {
    return static_cast<std::uint32_t>(::GetWindowLongW(toHwnd(window), GWL_STYLE));
}

std::wstring DesktopWindows::title(WindowHandle window) {
    // The wide interface keeps every character of the title, whatever the user's code page.
    const int length = ::GetWindowTextLengthW(toHwnd(window));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(toHwnd(window), text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void DesktopWindows::allowAnyForeground() {
    ::AllowSetForegroundWindow(ASFW_ANY);
}

void DesktopWindows::setForeground(WindowHandle window) {
    ::SetForegroundWindow(toHwnd(window));
}

// The asynchronous forms: a target whose window procedure hangs would otherwise hold our window
// (SetWindowPos waited 23 s for one under Wine).
void DesktopWindows::setTopmostBand(WindowHandle window, bool topmost) {
    ::SetWindowPos(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_ASYNCWINDOWPOS);
}

void DesktopWindows::show(WindowHandle window, int showCommand) {
    ::ShowWindowAsync(toHwnd(window), showCommand);
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
