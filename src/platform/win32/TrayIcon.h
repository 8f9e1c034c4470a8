#pragma once
#include <windows.h>

#include "desktop/SysTray.h"
#include "platform/DesktopPorts.h"
#include "platform/win32/Handles.h"

namespace qpa::win32 {

class MainWindow;

// The tray control's own hidden window and the notification area behind Shell_NotifyIconA.
class TrayIconWindow final : public TrayShell {
  public:
    TrayIconWindow(HINSTANCE instance, MainWindow& events);
    TrayIconWindow(const TrayIconWindow&) = delete;
    TrayIconWindow& operator=(const TrayIconWindow&) = delete;
    ~TrayIconWindow() override;

    void attach(SysTray& tray) { tray_ = &tray; }

    WindowHandle ownWindow() override;
    void routeCallbacks(bool routed) override;
    void notify(const NotifyRecord& record) override;
    std::intptr_t designedIcon() override;
    double elapsedSeconds() override;
    void waitForEvents(double maximumSeconds) override;

  private:
    static LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HINSTANCE instance_;
    MainWindow& events_;
    HWND hwnd_ = nullptr;
    SysTray* tray_ = nullptr;
    WNDPROC previousWndProc_ = nullptr;
    UINT taskbarCreated_ = 0;
    UniqueIcon icon_;
};

}  // namespace qpa::win32
