#include "desktop/ToggleHotkey.h"

namespace qpa {

bool ToggleHotkey::KeyboardProc() noexcept {
    const bool ctrlHeld = hook_.keyState(Key::Control).down;
    const KeyState shift = hook_.keyState(Key::Shift);
    if (!ctrlHeld || !(shift.down || shift.pressedSinceAsked)) return true;
    const KeyState t = hook_.keyState(Key::T);
    // The "pressed since asked" mark alone also stays from ordinary typing, and then one chord
    // toggled twice: T must be down as well, and one press of T toggles once.
    if (!t.down) armed_ = true;
    if (!t.pressedSinceAsked || !t.down || !armed_) return true;
    armed_ = false;
    // A hook that does not return at once is dropped by the system, and the toggle may open a
    // message box: the main window runs it once this event has returned.
    toggle_();
    return false;
}

}  // namespace qpa
