#pragma once
#include <functional>

#include "ports/Desktop.h"
#include "ports/Events.h"

namespace qpa {

// The Ctrl+Shift+T chord, seen by a low-level keyboard hook (modKeyboard). The decision rests on
// the key states alone, not on the event reported: Ctrl held now, Shift held or pressed since last
// asked, T down and pressed since last asked, once per press of T.
class ToggleHotkey final : public KeyEvents {
  public:
    // `toggle` asks the main window for the toggle; it must not run it within the key event.
    ToggleHotkey(KeyboardHook& hook, std::function<void()> toggle)
        : hook_(hook), toggle_(std::move(toggle)) {}

    void HookKeyboard() { hook_.install(*this); }
    void UnhookKeyboard() { hook_.uninstall(); }

    // The hook procedure.
    bool keyEvent() noexcept override { return KeyboardProc(); }
    void chord() noexcept override { toggle_(); }

  private:
    bool KeyboardProc() noexcept;

    KeyboardHook& hook_;
    std::function<void()> toggle_;
    bool armed_ = true;  // false from a toggle until T is seen up again
};

}  // namespace qpa
