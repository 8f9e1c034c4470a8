#pragma once
#include <windows.h>

#include "desktop/ToggleHotkey.h"
#include "platform/DesktopPorts.h"

namespace qpa::win32 {

// The low-level keyboard hook for the toggle chord. A hook procedure has no user data, so the one
// hook owner is reached through a single static pointer that this object sets and clears.
class KeyboardHook final : public KeyboardHookPort {
  public:
    static constexpr UINT kToggleMessage = WM_APP + 2;  // posted to the main window

    explicit KeyboardHook(HWND mainWindow) : mainWindow_(mainWindow) {}
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;
    ~KeyboardHook() override;

    void attach(ToggleHotkey& owner) { owner_ = &owner; }

    std::intptr_t install() override;
    void uninstall(std::intptr_t hook) override;
    std::intptr_t callNext(std::intptr_t hook, int code, std::uintptr_t wParam,
                           std::intptr_t lParam) override;
    std::int16_t asyncKeyState(int virtualKey) override;
    void postToggle() override;

  private:
    static LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static ToggleHotkey* owner_;
    HWND mainWindow_;
    HHOOK installed_ = nullptr;  // released here if the close handler never ran
};

}  // namespace qpa::win32
