#pragma once
#include <cstdint>

#include "platform/DesktopPorts.h"

namespace qpa {

inline constexpr int kVirtualKeyControl = 0x11;
inline constexpr int kVirtualKeyShift = 0x10;
inline constexpr int kVirtualKeyT = 0x54;

// The Ctrl+Shift+T chord, seen by a low-level keyboard hook. The decision rests on the key states
// alone, not on the event reported: Ctrl held now, Shift not zero, T down and pressed since last
// asked, once per press of T.
class ToggleHotkey {
  public:
    explicit ToggleHotkey(KeyboardHookPort& port) : port_(port) {}

    void HookKeyboard() { hookHandle_ = port_.install(); }
    void UnhookKeyboard() { port_.uninstall(hookHandle_); }
    // The hook procedure; never throws.
    std::intptr_t KeyboardProc(int code, std::uintptr_t wParam, std::intptr_t lParam) noexcept;

    std::intptr_t hookHandle() const { return hookHandle_; }
    bool ctrlHeld() const { return ctrlHeld_; }

  private:
    KeyboardHookPort& port_;
    std::intptr_t hookHandle_ = 0;
    bool ctrlHeld_ = false;
    bool armed_ = true;  // false from a toggle until T is seen up again
};

}  // namespace qpa
