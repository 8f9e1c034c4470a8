#include "desktop/ToggleHotkey.h"

namespace qpa {

std::intptr_t ToggleHotkey::KeyboardProc(int code, std::uintptr_t wParam,
                                         std::intptr_t lParam) noexcept {
    ctrlHeld_ = false;
    const auto chainOn = [&] { return port_.callNext(hookHandle_, code, wParam, lParam); };
    if (code != 0) return chainOn();
    if (port_.asyncKeyState(kVirtualKeyControl) < 0) ctrlHeld_ = true;  // bit 15: down now
    const std::int16_t shift = port_.asyncKeyState(kVirtualKeyShift);
    if (!ctrlHeld_ || shift == 0) return chainOn();
    const std::int16_t t = port_.asyncKeyState(kVirtualKeyT);
    // The "pressed since asked" mark alone also stays from ordinary typing, and then one chord
    // toggled twice: T must be down as well, and one press of T toggles once.
    if (t >= 0) armed_ = true;
    if ((t & 1) == 0 || t >= 0 || !armed_) return chainOn();
    armed_ = false;
    // A hook that does not return at once is dropped by the system, and the toggle may open a
    // message box: the main window runs it once this call has returned.
    port_.postToggle();
    return 0;
}

}  // namespace qpa
