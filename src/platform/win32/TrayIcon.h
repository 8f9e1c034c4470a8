#pragma once
#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

#include "platform/win32/Handles.h"
#include "ports/Desktop.h"

namespace qpa::win32 {

class MainWindow;

// The tray control's own hidden window and the notification area behind Shell_NotifyIconA.
class TrayIconWindow final : public TrayShell {
  public:
    TrayIconWindow(HINSTANCE instance, MainWindow& mainWindow);
    ~TrayIconWindow() override;

    TrayPicture designedPicture() override;
    void add(TrayEvents& events, TrayPicture picture, const std::wstring& tip) override;
    void changePicture(TrayPicture picture) override;
    void changeTip(const std::wstring& tip) override;
    void balloon(const std::wstring& title, const std::wstring& text, int seconds) override;
    void balloonOff() override;
    void remove() override;
    double elapsedSeconds() override;
    void waitForEvents(double maximumSeconds) override;

  private:
    static LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept;
    void notify(DWORD message, NOTIFYICONDATAA& data);
    void dispatch(UINT message, LPARAM lParam) noexcept;

    HINSTANCE instance_;
    MainWindow& mainWindow_;
    HWND hwnd_ = nullptr;
    TrayEvents* events_ = nullptr;  // while the icon is up
    UINT taskbarCreated_ = 0;
    UniqueIcon icon_;
};

}  // namespace qpa::win32
