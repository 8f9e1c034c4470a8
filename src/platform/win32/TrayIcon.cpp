#include "platform/win32/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/MainWindow.h"

namespace qpa::win32 {

namespace {
constexpr wchar_t kTrayWindowClass[] = L"QuietPageAdvancerTray";
constexpr UINT kCallbackMessage = 0x465;
constexpr UINT kIconId = 0;

// The record with the balloon fields and nothing newer: 488 bytes in the 32-bit program.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || kRecordSize == 488, "the 32-bit tray record is 488 bytes");

// The text in the user's code page, cut to the field and ended by a NUL.
template <std::size_t N>
void copyText(char (&field)[N], const std::wstring& text) {
    std::memset(field, 0, N);
    if (text.empty()) return;
    const int needed =
        ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string all(static_cast<std::size_t>(std::max(needed, 1)), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, all.data(), needed, nullptr, nullptr);
    std::memcpy(field, all.data(), std::min(N - 1, std::strlen(all.c_str())));
}
}  // namespace

TrayIconWindow::TrayIconWindow(HINSTANCE instance, MainWindow& mainWindow)
    : instance_(instance), mainWindow_(mainWindow) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TrayIconWindow::TrayWindowProc;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = kTrayWindowClass;
    ::RegisterClassExW(&windowClass);
    // A hidden top-level window: unlike a message-only one it hears the shell's broadcasts.
    hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance_, nullptr);
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
}

TrayIconWindow::~TrayIconWindow() {
    if (events_) remove();
    if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK TrayIconWindow::TrayWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<TrayIconWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->events_) self->dispatch(message, lParam);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void TrayIconWindow::dispatch(UINT message, LPARAM lParam) noexcept {
    if (message == taskbarCreated_ && message != 0) return events_->shellRestarted();
    if (message != kCallbackMessage) return;
    // The icon's notification comes in the second parameter; presses, moves and double clicks
    // are not looked at.
    switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONUP:
            return events_->buttonReleased(1);
        case WM_RBUTTONUP:
            return events_->buttonReleased(2);
        case NIN_BALLOONHIDE:
        case NIN_BALLOONTIMEOUT:
        case NIN_BALLOONUSERCLICK:
            return events_->balloonClosed();
        default:
            return;
    }
}

void TrayIconWindow::notify(DWORD message, NOTIFYICONDATAA& data) {
    data.cbSize = kRecordSize;
    data.hWnd = hwnd_;
    data.uID = kIconId;
    ::Shell_NotifyIconA(message, &data);
}

TrayPicture TrayIconWindow::designedPicture() {
    if (!icon_) {
        icon_.reset(static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0)));
    }
    return reinterpret_cast<TrayPicture>(icon_.get());
}

void TrayIconWindow::add(TrayEvents& events, TrayPicture picture, const std::wstring& tip) {
    events_ = &events;
    NOTIFYICONDATAA data{};
    data.uFlags = NIF_MESSAGE;
    data.uCallbackMessage = kCallbackMessage;
    if (picture != 0) {
        data.uFlags |= NIF_ICON;
        data.hIcon = reinterpret_cast<HICON>(picture);
    }
    if (!tip.empty()) {
        data.uFlags |= NIF_TIP;
        copyText(data.szTip, tip);
    }
    notify(NIM_ADD, data);
}

void TrayIconWindow::changePicture(TrayPicture picture) {
    NOTIFYICONDATAA data{};
    data.uFlags = NIF_ICON;
    data.hIcon = reinterpret_cast<HICON>(picture);
    notify(NIM_MODIFY, data);
}

void TrayIconWindow::changeTip(const std::wstring& tip) {
    NOTIFYICONDATAA data{};
    data.uFlags = NIF_TIP;
    copyText(data.szTip, tip);
    notify(NIM_MODIFY, data);
}

void TrayIconWindow::balloon(const std::wstring& title, const std::wstring& text, int seconds) {
    NOTIFYICONDATAA data{};
    data.uFlags = NIF_INFO;
    copyText(data.szInfo, text);
    copyText(data.szInfoTitle, title);
    data.uTimeout = static_cast<UINT>(seconds) * 1000;
    data.dwInfoFlags = NIIF_NONE;
    notify(NIM_MODIFY, data);
}

void TrayIconWindow::balloonOff() {
    NOTIFYICONDATAA data{};
    data.uFlags = NIF_INFO;  // empty text and title take the balloon away
    notify(NIM_MODIFY, data);
}

void TrayIconWindow::remove() {
    NOTIFYICONDATAA data{};
    notify(NIM_DELETE, data);
    events_ = nullptr;
}

double TrayIconWindow::elapsedSeconds() {
    return static_cast<double>(::GetTickCount64()) / 1000.0;
}

void TrayIconWindow::waitForEvents(double maximumSeconds) {
    const DWORD milliseconds =
        maximumSeconds <= 0 ? 0 : static_cast<DWORD>(maximumSeconds * 1000.0) + 1;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    mainWindow_.letPendingEventsRun();
}

}  // namespace qpa::win32
