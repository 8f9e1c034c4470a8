#pragma once
#include <cstdint>
#include <string>

#include "platform/Controls.h"

namespace qpa {

// The process-wide low-level keyboard hook and the asynchronous key state.
class KeyboardHookPort {
  public:
    KeyboardHookPort() = default;
    KeyboardHookPort(const KeyboardHookPort&) = delete;
    KeyboardHookPort& operator=(const KeyboardHookPort&) = delete;
    virtual ~KeyboardHookPort() = default;
    // Installs the hook for all threads of the desktop; returns its handle, 0 when it failed.
    virtual std::intptr_t install() = 0;
    // Removes the hook; the result is not looked at.
    virtual void uninstall(std::intptr_t hook) = 0;
    // Passes the event on to the next hook and returns what it returns.
    virtual std::intptr_t callNext(std::intptr_t hook, int code, std::uintptr_t wParam,
                                   std::intptr_t lParam) = 0;
    // The signed 16-bit state of a virtual key: bit 15 down now, bit 0 pressed since last asked.
    virtual std::int16_t asyncKeyState(int virtualKey) = 0;
    // Hands the toggle to the main window, which runs it once the hook has returned.
    virtual void postToggle() = 0;
};

// One notification-area record, as the tray control fills it for Shell_NotifyIconA.
struct NotifyRecord {
    int message = 0;  // 0 add, 1 modify, 2 delete
    std::uint32_t size = 488;
    WindowHandle owner = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;  // 1 message, 2 icon, 4 tip, 0x10 balloon
    std::uint32_t callbackMessage = 0;
    std::intptr_t icon = 0;
    std::wstring tip;
    std::wstring info;
    std::wstring infoTitle;
    std::uint32_t timeout = 0;
    std::uint32_t infoFlags = 0;
};

// The notification area and the tray control's own window.
class TrayShell {
  public:
    TrayShell() = default;
    TrayShell(const TrayShell&) = delete;
    TrayShell& operator=(const TrayShell&) = delete;
    virtual ~TrayShell() = default;
    // The tray control's own window, owner of the icon and receiver of its callbacks.
    virtual WindowHandle ownWindow() = 0;
    // Routes the own window's messages to the tray control (true) or back to its previous
    // procedure (false).
    virtual void routeCallbacks(bool routed) = 0;
    // Sends one record to the notification area; the result is not looked at.
    virtual void notify(const NotifyRecord& record) = 0;
    // The tray picture stored with the main window's design: the blue "T" icon.
    virtual std::intptr_t designedIcon() = 0;
    // Seconds on a clock that only moves forward.
    virtual double elapsedSeconds() = 0;
    // Blocks until a window event arrives or the time is up, then lets pending events run.
    virtual void waitForEvents(double maximumSeconds) = 0;
};

// The logon start-up entries (the Run keys), and the running program's own file.
class StartupRegistry {
  public:
    enum class Scope { Machine, User };
    StartupRegistry() = default;
    StartupRegistry(const StartupRegistry&) = delete;
    StartupRegistry& operator=(const StartupRegistry&) = delete;
    virtual ~StartupRegistry() = default;
    // The full path of the running program.
    virtual std::wstring programPath() const = 0;
    // Writes a start-up entry; false when the store refuses.
    virtual bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) = 0;
    // Removes a start-up entry; a missing one is no failure.
    virtual void removeEntry(Scope scope, const std::wstring& name) = 0;
};

// Keeps the display from going dark while the system is switched On.
class DisplayKeeper {
  public:
    DisplayKeeper() = default;
    DisplayKeeper(const DisplayKeeper&) = delete;
    DisplayKeeper& operator=(const DisplayKeeper&) = delete;
    virtual ~DisplayKeeper() = default;
    virtual void keepAwake(bool awake) = 0;
};

}  // namespace qpa
