#pragma once
#include <functional>

#include "ports/Desktop.h"
#include "ports/Events.h"

namespace qpa {

// The Ctrl+Shift+T chord of the whole desktop (modKeyboard): each press asks the main window for
// the toggle.
class ToggleHotkey final : public KeyEvents {
  public:
    // `toggle` asks the main window for the toggle; it must not run it within the key event.
    ToggleHotkey(KeyboardHook& hook, std::function<void()> toggle)
        : hook_(hook), toggle_(std::move(toggle)) {}

    void HookKeyboard() { hook_.install(*this); }
    void UnhookKeyboard() { hook_.uninstall(); }

    // A hook that does not return at once is dropped by the system, and the toggle may open a
    // message box: the main window runs it once this event has returned.
    void chord() noexcept override { toggle_(); }

  private:
    KeyboardHook& hook_;
    std::function<void()> toggle_;
};

}  // namespace qpa
