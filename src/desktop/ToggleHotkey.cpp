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
    if ((port_.asyncKeyState(kVirtualKeyT) & 1) == 0) return chainOn();
    // A hook that does not return at once is dropped by the system, and the toggle may open a
    // message box: the main window runs it once this call has returned.
    port_.postToggle();
    return 0;
}

}  // namespace qpa
