#include "platform/win32/TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/MainWindow.h"

namespace qpa::win32 {

namespace {
constexpr wchar_t kTrayWindowClass[] = L"QuietPageAdvancerTray";

// The record with the balloon fields and nothing newer: 488 bytes in the 32-bit program.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || kRecordSize == 488, "the 32-bit tray record is 488 bytes");

// The text in the user's code page, cut to the field and ended by a NUL.
template <std::size_t N>
void copyText(char (&field)[N], const std::wstring& text) {
    std::memset(field, 0, N);
    if (text.empty()) return;
    const int written =
        ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), field,
                              static_cast<int>(N - 1), nullptr, nullptr);
    if (written <= 0) {
        // Too long for the field: convert whole, then cut.
        const int needed =
            ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string all(static_cast<std::size_t>(needed > 0 ? needed : 1), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, all.data(), needed, nullptr, nullptr);
        std::memcpy(field, all.data(), std::min(N - 1, std::strlen(all.c_str())));
    }
    field[N - 1] = '\0';
}
}  // namespace

TrayIconWindow::TrayIconWindow(HINSTANCE instance, MainWindow& events)
    : instance_(instance), events_(events) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = kTrayWindowClass;
    ::RegisterClassExW(&windowClass);
    // A hidden top-level window: unlike a message-only one it hears the shell's broadcasts.
    hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance_, nullptr);
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
}

TrayIconWindow::~TrayIconWindow() {
    if (previousWndProc_) routeCallbacks(false);
    if (hwnd_) ::DestroyWindow(hwnd_);
}

WindowHandle TrayIconWindow::ownWindow() {
    return reinterpret_cast<WindowHandle>(hwnd_);
}

void TrayIconWindow::routeCallbacks(bool routed) {
    if (routed && !previousWndProc_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previousWndProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayIconWindow::TrayWindowProc)));
    } else if (!routed && previousWndProc_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWndProc_));
        previousWndProc_ = nullptr;  // the user-data slot keeps its value
    }
}

LRESULT CALLBACK TrayIconWindow::TrayWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    auto* self = reinterpret_cast<TrayIconWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->tray_) {
        try {
            if (message == kTrayCallbackMessage) {
                self->tray_->TrayCallback(static_cast<std::uint32_t>(lParam),
                                          static_cast<std::uint32_t>(wParam));
            } else if (message == self->taskbarCreated_ && message != 0) {
                self->tray_->shellRestarted();  // the shell restarted: put the icon up again
            }
        } catch (...) {
        }
    }
    WNDPROC previous = self && self->previousWndProc_ ? self->previousWndProc_ : &::DefWindowProcW;
    return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

void TrayIconWindow::notify(const NotifyRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = kRecordSize;
    data.hWnd = reinterpret_cast<HWND>(record.owner);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    copyText(data.szTip, record.tip);
    copyText(data.szInfo, record.info);
    copyText(data.szInfoTitle, record.infoTitle);
    data.uTimeout = record.timeout;
    data.dwInfoFlags = record.infoFlags;
    ::Shell_NotifyIconA(static_cast<DWORD>(record.message), &data);
}

std::intptr_t TrayIconWindow::designedIcon() {
    if (!icon_) {
        icon_.reset(static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0)));
    }
    return reinterpret_cast<std::intptr_t>(icon_.get());
}

double TrayIconWindow::elapsedSeconds() {
    return static_cast<double>(::GetTickCount64()) / 1000.0;
}

void TrayIconWindow::waitForEvents(double maximumSeconds) {
    const DWORD milliseconds =
        maximumSeconds <= 0 ? 0 : static_cast<DWORD>(maximumSeconds * 1000.0) + 1;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    events_.letPendingEventsRun();
}

}  // namespace qpa::win32
