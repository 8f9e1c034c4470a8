#include "platform/win32/DesktopWindows.h"

namespace qpa::win32 {

namespace {
// A target that does not answer within this time is left to itself; the schedule goes on.
constexpr UINT kWheelTimeoutMilliseconds = 1000;
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

void DesktopWindows::setTopmostBand(WindowHandle window, bool topmost) {
    ::SetWindowPos(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE);
}

void DesktopWindows::show(WindowHandle window, int showCommand) {
    ::ShowWindow(toHwnd(window), showCommand);
}

void DesktopWindows::sendWheel(WindowHandle window, std::int32_t wParam, std::int32_t lParam) {
    // The parameters are the 32-bit values of the message; on 64-bit the first one is not
    // sign-extended, as a 32-bit sender's would not be either.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(toHwnd(window), WM_MOUSEWHEEL,
                          static_cast<WPARAM>(static_cast<std::uint32_t>(wParam)),
                          static_cast<LPARAM>(lParam), SMTO_NORMAL | SMTO_ABORTIFHUNG,
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
